#include "era_file_model.h"

#include "fuzz_check.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

int ZelModelDecimal(const std::string& field)
{
    // strtol skips the same white space and takes the same sign and digits;
    // it saturates at the long range, which is wider than int.
    const long n = std::strtol(field.c_str(), nullptr, 10);
    if (n > INT_MAX)
        return INT_MAX;
    if (n < INT_MIN)
        return INT_MIN;
    return static_cast<int>(n);
}

int ZelModelYearAsRead(int nYear) { return nYear >= 100 && nYear <= 9999 ? nYear : -1; }

std::vector<ZelModelEra> ZelModelReadEraText(const std::string& bytes)
{
    // The text ends at the first zero byte.
    const std::string text = bytes.substr(0, bytes.find('\0'));
    std::vector<ZelModelEra> eras;
    std::size_t pos = 0;
    while (pos < text.size()) {
        // A record is three commas, then everything up to the next CR. A CR
        // seen before the third comma is only a byte of its field.
        std::size_t comma[3];
        std::size_t from = pos;
        bool complete = true;
        for (std::size_t& c : comma) {
            c = text.find(',', from);
            if (c == std::string::npos) {
                complete = false;
                break;
            }
            from = c + 1;
        }
        const std::size_t cr = complete ? text.find('\r', from) : std::string::npos;
        if (cr == std::string::npos)
            break;  // an unfinished last record is dropped
        ZelModelEra era;
        era.nStartYear = ZelModelYearAsRead(ZelModelDecimal(text.substr(pos, comma[0] - pos)));
        era.nEndYear = ZelModelYearAsRead(ZelModelDecimal(text.substr(comma[0] + 1, comma[1] - comma[0] - 1)));
        era.strName = text.substr(comma[1] + 1, comma[2] - comma[1] - 1);
        era.nDiv = ZelModelDecimal(text.substr(comma[2] + 1, cr - comma[2] - 1));
        eras.push_back(era);
        // The byte after the CR belongs to no record.
        pos = cr + 2;
    }
    return eras;
}

std::string ZelModelWriteEraText(const std::vector<ZelModelEra>& eras)
{
    std::string text;
    for (const ZelModelEra& era : eras) {
        char years[64];
        std::snprintf(years, sizeof years, "%d,%d,", era.nStartYear, era.nEndYear);
        text += years + era.strName + "," + std::to_string(era.nDiv) + "\r\n";
    }
    return text;
}

std::string ZelModelDescribe(const std::vector<ZelModelEra>& eras)
{
    std::string out = std::to_string(eras.size()) + " records:";
    for (const ZelModelEra& era : eras) {
        out += " {" + std::to_string(era.nDiv) + "," + ZelFuzzQuote(era.strName) + "," +
               std::to_string(era.nStartYear) + "," + std::to_string(era.nEndYear) + "}";
    }
    return out;
}
