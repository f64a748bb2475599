#include "zelera_commands.h"

#include "era/era_core.h"
#include "era_file_check.h"
#include "format_text.h"

#include <cstring>

namespace {

const char kDefaultFile[] = ".\\data\\era.dat";

const char kUsage[] =
    "usage: zelera COMMAND [ARGS]\n"
    "The era file is data\\era.dat below the current directory unless FILE is given.\n"
    "\n"
    "  check [FILE]                 show the era list the controls will offer, and the file's problems\n"
    "  list [FILE]                  show the era list\n"
    "  add NAME FIRST-YEAR [FILE]   add a new era beginning in FIRST-YEAR\n"
    "  init [FILE]                  write the built-in table where there is no file\n"
    "\n"
    "zelera COMMAND --help tells more.\n";

const char kCheckHelp[] =
    "usage: zelera check [FILE]\n"
    "Reads the era file as the controls read it and prints the era list they will offer,\n"
    "one entry per line with its first and last year, then every problem found:\n"
    "line ends other than CR-LF, a last line without CR-LF, names that are empty, not\n"
    "Shift_JIS or cut by a comma, years outside 100 to 9999, an era whose first year is\n"
    "after its last, eras out of order or overlapping, no Western entry, no file at all.\n"
    "Exit code: 0 sound, 1 problems, 2 the file cannot be read.\n";

const char kListHelp[] =
    "usage: zelera list [FILE]\n"
    "Prints the era list the controls will offer from the file (the built-in table when\n"
    "there is no file). Exit code: 0, or 2 when the file cannot be read.\n";

const char kAddHelp[] =
    "usage: zelera add NAME FIRST-YEAR [FILE]\n"
    "Adds the era NAME beginning in the Western year FIRST-YEAR: the line goes after the\n"
    "Western entry (newest era first), the era before it gets FIRST-YEAR - 1 as its last\n"
    "year, and the file is written in Shift_JIS with CR-LF in one step. The old file is\n"
    "kept as FILE.bak. With no file, the built-in table is the starting point.\n"
    "Refused, with the file untouched: a name already in the table, a name Shift_JIS\n"
    "cannot write, a year not after the newest era's first year, a file with problems.\n"
    "Exit code: 0 added, 1 refused, 2 the file cannot be read or written.\n";

const char kInitHelp[] =
    "usage: zelera init [FILE]\n"
    "Writes the built-in table (西暦, 平成, 昭和, 大正, 明治) where there is no file yet.\n"
    "Exit code: 0 written, 1 a file is there already, 2 it cannot be written.\n";

std::vector<CZelEra> ToVector(CArray<CZelEra, CZelEra&>& arr)
{
    std::vector<CZelEra> records;
    for (INT_PTR i = 0; i < arr.GetSize(); ++i)
        records.push_back(arr.ElementAt(i));
    return records;
}

// The era file as the store reads it, with its bytes.
struct EraFile
{
    int nState = 0;  // 1 read, 0 no such file, -1 unreadable
    std::string strBytes;
    std::vector<CZelEra> records;  // the built-in table when there is no file
};

EraFile Load(const std::string& strPath)
{
    EraFile file;
    CZelCalCtrlCom store;
    CArray<CZelEra, CZelEra&> arr;
    file.nState = store.ReadEraFile(strPath.c_str(), arr);
    if (file.nState == 0)
        store.BuiltInTable(arr);
    file.records = ToVector(arr);
    if (file.nState != 1)
        return file;
    try {
        CFile raw;
        if (!raw.Open(strPath.c_str(), CFile::modeRead | CFile::typeBinary)) {
            file.nState = -1;
            return file;
        }
        char chunk[4096];
        for (UINT n; (n = raw.Read(chunk, sizeof chunk)) > 0;)
            file.strBytes.append(chunk, n);
    } catch (CException& e) {
        e.Delete();
        file.nState = -1;
    }
    return file;
}

// The era list as a control shows it: entries with a name, in table order.
std::string Listing(std::vector<CZelEra>& records)
{
    std::string text;
    for (CZelEra& era : records) {
        const std::string name(static_cast<LPCSTR>(era.GetEraname()));
        if (name.empty())
            continue;
        // A double-byte character takes two columns on a terminal.
        std::string line = "  " + name + std::string(name.size() < 10 ? 10 - name.size() : 1, ' ');
        if (era.GetDiv() != 0) {
            line += "Western calendar";
        } else {
            const int nFirst = era.GetStartYear(), nLast = era.GetEndYear();
            line += nFirst < 0 ? std::string("   ?") : FormatText("%4d", nFirst);
            line += " -";
            if (nLast >= 0)
                line += FormatText(" %d", nLast);
        }
        text += line + "\n";
    }
    return text;
}

int Check(const std::string& strPath, std::string& out, std::string& err)
{
    EraFile file = Load(strPath);
    if (file.nState < 0) {
        err += strPath + ": cannot be read\n";
        return 2;
    }
    if (file.nState == 0) {
        out += strPath + ": no such file. The controls use the built-in table and write it there:\n";
        out += Listing(file.records);
        out += "1 problem: no file (zelera init writes it).\n";
        return 1;
    }
    out += strPath + ": the era list shows\n" + Listing(file.records);
    const std::vector<EraProblem> problems = CheckEraText(file.strBytes, file.records);
    for (const EraProblem& problem : problems)
        out += (problem.nLine > 0 ? FormatText("line %d: ", problem.nLine) : std::string("file: ")) + problem.strText + "\n";
    if (problems.empty()) {
        out += "Sound.\n";
        return 0;
    }
    out += FormatText("%d problem%s.\n", static_cast<int>(problems.size()), problems.size() == 1 ? "" : "s");
    return 1;
}

int List(const std::string& strPath, std::string& out, std::string& err)
{
    EraFile file = Load(strPath);
    if (file.nState < 0) {
        err += strPath + ": cannot be read\n";
        return 2;
    }
    if (file.nState == 0)
        out += strPath + ": no such file; the built-in table:\n";
    out += Listing(file.records);
    return 0;
}

int Init(const std::string& strPath, std::string& out, std::string& err)
{
    CFileFind find;
    if (find.FindFile(strPath.c_str())) {
        err += strPath + ": there is a file already; init writes only a missing one\n";
        return 1;
    }
    CZelCalCtrlCom store;
    CArray<CZelEra, CZelEra&> arr;
    store.BuiltInTable(arr);
    if (!store.WriteEraFile(strPath.c_str(), arr)) {
        err += strPath + ": cannot be written (is its folder there?)\n";
        return 2;
    }
    std::vector<CZelEra> records = ToVector(arr);
    out += strPath + ": the built-in table is written\n" + Listing(records);
    return 0;
}

// A year written as digits only, from 100 to 9999; else -1.
int ParseYear(const std::string& text)
{
    if (text.empty() || text.size() > 4 || !CZelEra::ChkNum(const_cast<char*>(text.c_str())))
        return -1;
    const int nYear = ZelDecimalValue(text.c_str());
    return CZelEra::ChkYear(nYear) ? nYear : -1;
}

int Add(const ZelToolArg& name, const ZelToolArg& year, const std::string& strPath, std::string& out,
        std::string& err)
{
    const std::string& strName = name.strShiftJis;
    if (!name.bShiftJis) {
        err += "refused: the name cannot be written in Shift_JIS, the era file's code page\n";
        return 1;
    }
    if (strName.empty() || strName.find(',') != std::string::npos ||
        strName.find_first_of("\r\n\t") != std::string::npos) {
        err += "refused: a name must not be empty nor hold a comma or a line end\n";
        return 1;
    }
    const int nFirst = ParseYear(year.strShiftJis);
    if (nFirst < 0) {
        err += "refused: FIRST-YEAR must be a Western year from 100 to 9999\n";
        return 1;
    }
    EraFile file = Load(strPath);
    if (file.nState < 0) {
        err += strPath + ": cannot be read\n";
        return 2;
    }
    if (file.nState == 1) {
        const std::vector<EraProblem> problems = CheckEraText(file.strBytes, file.records);
        if (!problems.empty()) {
            err += "refused: the file has problems; zelera check shows them, fix them first\n";
            return 1;
        }
    } else {
        out += strPath + ": no such file; starting from the built-in table\n";
    }

    // A sound file: the Western entry first, then the eras newest first.
    std::size_t nNewest = file.records.size();
    for (std::size_t i = 0; i < file.records.size(); ++i) {
        CZelEra& era = file.records[i];
        if (static_cast<LPCSTR>(era.GetEraname()) == strName) {
            err += "refused: " + strName + " is in the table already\n";
            return 1;
        }
        if (era.GetDiv() == 0 && nNewest == file.records.size())
            nNewest = i;
    }
    if (nNewest < file.records.size()) {
        CZelEra& newest = file.records[nNewest];
        const std::string strNewest(static_cast<LPCSTR>(newest.GetEraname()));
        if (nFirst <= newest.GetStartYear()) {
            err += FormatText("refused: %d is not after %s's first year %d\n", nFirst, strNewest.c_str(),
                          newest.GetStartYear());
            return 1;
        }
        const int nLast = newest.GetEndYear();
        if (nLast >= nFirst) {
            err += FormatText("refused: %d lies within %s (%d - %d)\n", nFirst, strNewest.c_str(), newest.GetStartYear(),
                          nLast);
            return 1;
        }
        if (nLast < 0) {
            newest.SetEraInfo(0, newest.GetEraname(), newest.GetStartYear(), nFirst - 1);
            out += FormatText("%s now ends in %d\n", strNewest.c_str(), nFirst - 1);
        }
    }
    CZelEra added;
    added.SetEraInfo(0, strName.c_str(), nFirst, 0);
    // After the Western entry, which a sound file has first.
    file.records.insert(file.records.begin() + (file.records.empty() ? 0 : 1), added);

    CZelCalCtrlCom store;
    if (file.nState == 1 && !store.KeepBackup(strPath.c_str())) {
        err += strPath + ": the old file cannot be kept as .bak; nothing is changed\n";
        return 2;
    }
    CArray<CZelEra, CZelEra&> arr;
    for (CZelEra& era : file.records)
        arr.Add(era);
    if (!store.WriteEraFile(strPath.c_str(), arr)) {
        err += strPath + ": cannot be written; the old file is unchanged\n";
        return 2;
    }
    out += FormatText("%s added from %d", strName.c_str(), nFirst);
    out += file.nState == 1 ? "; the old file is kept as " + strPath + ".bak\n" : std::string("\n");
    out += Listing(file.records);
    return 0;
}

bool WantsHelp(const std::vector<ZelToolArg>& args)
{
    for (const ZelToolArg& arg : args) {
        if (arg.strShiftJis == "--help" || arg.strShiftJis == "-h" || arg.strShiftJis == "/?")
            return true;
    }
    return false;
}

}  // namespace

int RunZelera(const std::vector<ZelToolArg>& args, std::string& out, std::string& err)
{
    try {
        if (args.empty()) {
            err += kUsage;
            return 2;
        }
        const std::string& command = args[0].strShiftJis;
        const std::vector<ZelToolArg> rest(args.begin() + 1, args.end());
        struct Command
        {
            const char* pszName;
            const char* pszHelp;
            std::size_t nArgs;  // before the optional FILE
        };
        static const Command kCommands[] = {
            {"check", kCheckHelp, 0}, {"list", kListHelp, 0}, {"add", kAddHelp, 2}, {"init", kInitHelp, 0}};
        if (command == "--help" || command == "-h" || command == "help" || command == "/?") {
            out += kUsage;
            return 0;
        }
        for (const Command& c : kCommands) {
            if (command != c.pszName)
                continue;
            if (WantsHelp(rest)) {
                out += c.pszHelp;
                return 0;
            }
            if (rest.size() < c.nArgs || rest.size() > c.nArgs + 1) {
                err += c.pszHelp;
                return 2;
            }
            const std::string path = rest.size() > c.nArgs ? rest[c.nArgs].strPath : std::string(kDefaultFile);
            if (command == "check")
                return Check(path, out, err);
            if (command == "list")
                return List(path, out, err);
            if (command == "init")
                return Init(path, out, err);
            return Add(rest[0], rest[1], path, out, err);
        }
        err += "zelera: no command \"" + command + "\"\n" + kUsage;
        return 2;
    } catch (...) {
        err += "zelera: out of memory\n";
        return 2;
    }
}
