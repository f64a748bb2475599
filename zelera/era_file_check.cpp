#include "era_file_check.h"

#include "era/decimal_value.h"
#include "era/era_text_scan.h"
#include "format_text.h"
#include "text_codec.h"

#include <algorithm>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The text as the store sees it, with line numbers for offsets.
class EraText
{
public:
    explicit EraText(const std::string& text) : m_text(text.substr(0, text.find('\0'))) {}
    const std::string& Bytes() const { return m_text; }
    int LineAt(std::size_t nOffset) const
    {
        nOffset = std::min(nOffset, m_text.size());
        return 1 + static_cast<int>(std::count(m_text.begin(), m_text.begin() + static_cast<long>(nOffset), '\n'));
    }
    // The line of the first byte from nOffset on that is not blank.
    int FirstLineFrom(std::size_t nOffset) const
    {
        while (nOffset < m_text.size() && IsBlank(m_text[nOffset]))
            ++nOffset;
        return LineAt(nOffset);
    }

private:
    std::string m_text;
};

struct Era
{
    int nLine;
    std::string strName;
    int nFirst;
    int nLast;  // 9999 when open
    bool bOpen;
};

class Checker
{
public:
    Checker(const std::string& text, const std::vector<CZelEra>& records) : m_text(text), m_records(records)
    {
        if (m_text.Bytes().size() < text.size())
            Add(m_text.LineAt(m_text.Bytes().size()), "a zero byte: nothing after it is read");
        ZelScanEraText(m_text.Bytes().c_str(), [this](const ZelEraFields& f) { m_fields.push_back(f); });
    }

    std::vector<EraProblem> Run()
    {
        CheckLineEnds();
        CheckTail();
        if (m_records.empty())
            return m_problems;
        // The store's records and the scanned fields are the same lines; if
        // not, the file changed while it was read.
        if (m_fields.size() != m_records.size()) {
            Add(0, "the file changed while it was read; check again");
            return m_problems;
        }
        std::vector<Era> eras;
        for (std::size_t i = 0; i < m_fields.size(); ++i)
            CheckRecord(m_fields[i], m_records[i], eras);
        CheckWesternEntry();
        CheckEraOrder(eras);
        std::stable_sort(m_problems.begin(), m_problems.end(),
                         [](const EraProblem& a, const EraProblem& b) { return a.nLine < b.nLine; });
        return m_problems;
    }

private:
    void Add(int nLine, std::string strText) { m_problems.push_back({nLine, std::move(strText)}); }

    void CheckLineEnds()
    {
        const std::string& s = m_text.Bytes();
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r'))
                Add(m_text.LineAt(i), "ends with LF alone, not CR-LF: the line is not read as an entry of its own");
            else if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] != '\n')
                Add(m_text.LineAt(i), "CR without LF: the byte after it is lost");
        }
        if (m_records.empty())
            Add(0, s.empty() ? "the file is empty: the era list will be empty"
                             : "no line is read as an entry: the era list will be empty");
    }

    // Bytes after the last entry that is read.
    void CheckTail()
    {
        const std::string& s = m_text.Bytes();
        const std::size_t nStart = m_fields.empty() ? 0 : std::min(m_fields.back().nEnd + 2, s.size());
        const std::string tail = s.substr(nStart);
        if (std::all_of(tail.begin(), tail.end(), IsBlank))
            return;
        const int nLine = m_text.FirstLineFrom(nStart);
        if (tail.find('\n') == std::string::npos)
            Add(nLine, "the last line has no CR-LF at its end and is not read");
        else if (tail.find("\r\n") != std::string::npos)
            Add(nLine, "fewer than four fields: not read");
    }

    void CheckRecord(const ZelEraFields& f, CZelEra record, std::vector<Era>& eras)
    {
        const int nLine = m_text.FirstLineFrom(f.nBegin);
        const std::string name(static_cast<LPCSTR>(f.strEraname));
        const std::string div(static_cast<LPCSTR>(f.strDiv));
        if (name.find_first_of("\r\n") != std::string::npos) {
            Add(nLine, "fewer than four fields: this line and the next are read as one entry");
            return;
        }
        if (div.find('\n') != std::string::npos)
            return;  // an LF-only line end, told above
        if (div.find(',') != std::string::npos) {
            Add(nLine, "more than four fields: a comma in a name ends the name there (read as \"" + name + "\")");
            return;
        }
        const int nDiv = ZelDecimalValue(div.c_str());
        if (nDiv != 0 && nDiv != 1) {
            Add(nLine, FormatText("calendar flag %d: 1 for the Western entry, 0 for an era", nDiv));
            return;
        }
        CheckName(nLine, name);
        if (nDiv == 1) {
            m_western.push_back(nLine);
            return;
        }
        const int nFirst = ZelDecimalValue(f.strFirstYear);
        const int nLast = ZelDecimalValue(f.strLastYear);
        bool bYearsSound = true;
        if (nFirst <= 0) {
            Add(nLine, name + ": no first year");
            bYearsSound = false;
        } else if (!CZelEra::ChkYear(nFirst)) {
            Add(nLine, FormatText("%s: first year %d is outside 100 to 9999 and reads as none", name.c_str(), nFirst));
            bYearsSound = false;
        }
        const bool bOpen = nLast == -1 || nLast == 0;
        if (!bOpen && !CZelEra::ChkYear(nLast)) {
            Add(nLine, FormatText("%s: last year %d is outside 100 to 9999 and reads as none (no end)", name.c_str(),
                              nLast));
            bYearsSound = false;
        }
        if (bYearsSound && !bOpen && nFirst > nLast) {
            Add(nLine, FormatText("%s: first year %d is after its last year %d", name.c_str(), nFirst, nLast));
            bYearsSound = false;
        }
        for (const Era& other : eras) {
            if (!name.empty() && other.strName == name)
                Add(nLine, FormatText("%s: the name is there already (line %d)", name.c_str(), other.nLine));
        }
        if (bYearsSound)
            eras.push_back({nLine, name, record.GetStartYear(), bOpen ? 9999 : record.GetEndYear(), bOpen});
        else
            eras.push_back({nLine, name, -1, -1, false});
    }

    void CheckName(int nLine, const std::string& name)
    {
        if (name.empty()) {
            Add(nLine, "empty name: the controls leave this entry out of the list");
            return;
        }
        std::string utf8;
        if (!ZelShiftJisToUtf8(name, utf8)) {
            std::string sjis;
            const bool bLooksUtf8 = ZelUtf8ToShiftJis(name, sjis);
            Add(nLine, bLooksUtf8 ? "the name is UTF-8, not Shift_JIS: save the file as Shift_JIS"
                                  : "the name is not valid Shift_JIS");
            return;
        }
        if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
            Add(nLine, "the name holds a control character");
    }

    void CheckWesternEntry()
    {
        if (m_western.empty()) {
            Add(0, "no Western entry (西暦, flag 1): the era list offers no Western calendar");
            return;
        }
        if (m_western.front() != m_text.FirstLineFrom(m_fields.front().nBegin))
            Add(m_western.front(), "the Western entry is not the first line");
        for (std::size_t i = 1; i < m_western.size(); ++i)
            Add(m_western[i], "a second Western entry");
    }

    // Newest first, and no year in two eras.
    void CheckEraOrder(const std::vector<Era>& eras)
    {
        const Era* pAbove = nullptr;
        for (const Era& era : eras) {
            if (era.nFirst < 0)
                continue;
            if (pAbove) {
                const Era& a = *pAbove;
                if (era.nFirst >= a.nFirst)
                    Add(era.nLine, FormatText("%s begins in %d, not before %s above it (%d): the newest era comes first",
                                          era.strName.c_str(), era.nFirst, a.strName.c_str(), a.nFirst));
                else if (era.nLast >= a.nFirst && era.bOpen)
                    Add(era.nLine, FormatText("%s has no last year, but %s begins in %d: close %s at %d",
                                          era.strName.c_str(), a.strName.c_str(), a.nFirst, era.strName.c_str(),
                                          a.nFirst - 1));
                else if (era.nLast >= a.nFirst)
                    Add(era.nLine, FormatText("%s ends in %d, but %s begins in %d: the years overlap",
                                          era.strName.c_str(), era.nLast, a.strName.c_str(), a.nFirst));
            }
            pAbove = &era;
        }
    }

    EraText m_text;
    const std::vector<CZelEra>& m_records;
    std::vector<ZelEraFields> m_fields;
    std::vector<int> m_western;
    std::vector<EraProblem> m_problems;
};

}  // namespace

std::vector<EraProblem> CheckEraText(const std::string& text, const std::vector<CZelEra>& records)
{
    return Checker(text, records).Run();
}
