// Random era tables written with WriteFile and read back with ReadEraInfo:
// the file holds exactly the lines of the format, replaces the one before
// without leaving other files in the data folder, and reads back as the
// model reads those bytes; a table whose names hold no comma and no CR
// comes back record for record and writes the same bytes again.
#include "era/era_core.h"
#include "era_file_model.h"
#include "era_table_rows.h"
#include "fuzz_check.h"
#include "fuzz_int_source.h"
#include "fuzz_scratch_dir.h"

#include <string>
#include <vector>

namespace {

const char kEraFile[] = "data/era.dat";

std::string EraName(FuzzedDataProvider& fdp)
{
    static const char* const kNames[] = {"西暦", "平成", "昭和", "大正", "明治", "  令和", "表ソ", ""};
    if (fdp.ConsumeBool())
        return kNames[fdp.ConsumeIntegralInRange<std::size_t>(0, std::size(kNames) - 1)];
    // Any bytes; the era record keeps them up to a zero byte.
    return fdp.ConsumeRandomLengthString(20).c_str();
}

bool IsClean(const std::vector<ZelModelEra>& eras)
{
    for (const ZelModelEra& era : eras) {
        if (era.strName.find_first_of(",\r") != std::string::npos)
            return false;
    }
    return true;
}

std::string ReadEraFile()
{
    std::string bytes;
    ZEL_FUZZ_CHECK(ZelFuzzReadFile(kEraFile, bytes), "era.dat not readable after a write");
    return bytes;
}

void CheckOnlyTheEraFile()
{
    const std::vector<std::string> names = ZelFuzzListDir("data");
    std::string listing;
    for (const std::string& name : names)
        listing += " " + name;
    ZEL_FUZZ_CHECK(names == std::vector<std::string>{"era.dat"}, "data folder holds" + listing);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ZelFuzzEnterScratchDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider fdp(data, size);
    CArray<CZelEra, CZelEra&> table;
    std::vector<ZelModelEra> expected;
    const int nRecords = fdp.ConsumeIntegralInRange(0, 12);
    for (int i = 0; i < nRecords; ++i) {
        const int nDiv = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange(0, 1) : ZelFuzzInt(fdp);
        const std::string strName = EraName(fdp);
        const int nStart = ZelFuzzInt(fdp), nEnd = ZelFuzzInt(fdp);
        CZelEra era;
        era.SetEraInfo(nDiv, strName.c_str(), nStart, nEnd);
        table.Add(era);
        expected.push_back({nDiv, strName, ZelModelYearAsRead(nStart), ZelModelYearAsRead(nEnd)});
    }
    const std::string what = "table " + ZelModelDescribe(expected);

    // The file of the run before is replaced, never added to.
    ZEL_FUZZ_CHECK(CZelCalCtrlCom().WriteFile(table) == 1, "WriteFile failed for " + what);
    const std::string written = ReadEraFile();
    ZEL_FUZZ_CHECK(written == ZelModelWriteEraText(expected), what + "\n  written " + ZelFuzzQuote(written));
    CheckOnlyTheEraFile();

    CArray<CZelEra, CZelEra&> readBack;
    ZEL_FUZZ_CHECK(CZelCalCtrlCom().ReadEraInfo(readBack) == 1, "ReadEraInfo fell back for " + what);
    const std::vector<ZelModelEra> got = ZelFuzzRowsOf(readBack);
    ZEL_FUZZ_CHECK(got == ZelModelReadEraText(written), what + "\n  read " + ZelModelDescribe(got));
    ZEL_FUZZ_CHECK(ReadEraFile() == written, "reading changed era.dat for " + what);
    if (!IsClean(expected))
        return 0;

    ZEL_FUZZ_CHECK(got == expected, what + "\n  read " + ZelModelDescribe(got));
    ZEL_FUZZ_CHECK(CZelCalCtrlCom().WriteFile(readBack) == 1, "second WriteFile failed for " + what);
    ZEL_FUZZ_CHECK(ReadEraFile() == written, "second write differs for " + what);
    CheckOnlyTheEraFile();
    return 0;
}
