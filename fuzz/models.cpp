#include "models.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <regex>

int ZelModelDecimal(const std::string& field)
{
    // strtol reads as atoi does, saturating at the wider long range.
    return static_cast<int>(std::clamp<long>(std::strtol(field.c_str(), nullptr, 10), INT_MIN, INT_MAX));
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
        for (std::size_t& c : comma)
            from = (c = text.find(',', from)) == std::string::npos ? text.size() : c + 1;
        const std::size_t cr = text.find('\r', from);
        if (comma[2] == std::string::npos || cr == std::string::npos)
            break;  // an unfinished last record is dropped
        eras.push_back({ZelModelDecimal(text.substr(comma[2] + 1, cr - comma[2] - 1)),
                        text.substr(comma[1] + 1, comma[2] - comma[1] - 1),
                        ZelModelYearAsRead(ZelModelDecimal(text.substr(pos, comma[0] - pos))),
                        ZelModelYearAsRead(ZelModelDecimal(text.substr(comma[0] + 1, comma[1] - comma[0] - 1)))});
        // The byte after the CR belongs to no record.
        pos = cr + 2;
    }
    return eras;
}

std::string ZelModelWriteEraText(const std::vector<ZelModelEra>& eras)
{
    std::string text;
    for (const ZelModelEra& era : eras)
        text += std::to_string(era.nStartYear) + "," + std::to_string(era.nEndYear) + "," + era.strName + "," +
                std::to_string(era.nDiv) + "\r\n";
    return text;
}

int ZelModelDaysInMonth(long long nYear, long long nMonth)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth < 1 || nMonth > 12)
        return 0;
    const bool bLeap = nYear % 400 == 0 || (nYear % 100 != 0 && nYear % 4 == 0);
    return kDays[nMonth - 1] + (nMonth == 2 && bLeap ? 1 : 0);
}

bool ZelModelIsRealDate(long long nYear, long long nMonth, long long nDay)
{
    return nYear >= 100 && nYear <= 9999 && nDay >= 1 && nDay <= ZelModelDaysInMonth(nYear, nMonth);
}

std::string ZelModelWesternText(int nYear, int nMonth, int nDay)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d/%02d/%02d", nYear, nMonth, nDay);
    return text;
}

std::string ZelModelDefaultEraText(int nYear, int nMonth, int nDay)
{
    // Open-ended 平成 runs to 9999, the last year a date can have.
    static const struct { const char* pszName; int nFirst, nLast; } kEras[] = {
        {"平成", 1989, 9999}, {"昭和", 1926, 1988}, {"大正", 1912, 1925}, {"明治", 1868, 1911}};
    for (const auto& era : kEras) {
        if (nYear >= era.nFirst && nYear <= era.nLast)
            return era.pszName + ZelModelWesternText(nYear - era.nFirst + 1, nMonth, nDay);
    }
    return "";
}

bool ZelModelParseDateText(const std::string& text, const std::vector<ZelModelEra>& eras, ZelModelDate& date)
{
    // The era whose name begins the text; of several, the longest name, and
    // of equally long ones the first in the table.
    const ZelModelEra* pEra = nullptr;
    for (const ZelModelEra& era : eras) {
        if (era.nDiv == 0 && !era.strName.empty() && text.compare(0, era.strName.size(), era.strName) == 0 &&
            (!pEra || era.strName.size() > pEra->strName.size()))
            pEra = &era;
    }
    // Then "N/N/N" with one to four digits each and nothing around.
    static const std::regex kNumbers("([0-9]{1,4})/([0-9]{1,4})/([0-9]{1,4})");
    const std::string rest = pEra ? text.substr(pEra->strName.size()) : text;
    std::smatch n;
    if (!std::regex_match(rest, n, kNumbers))
        return false;
    long long nYear = std::stoll(n[1]);
    const long long nMonth = std::stoll(n[2]), nDay = std::stoll(n[3]);
    if (pEra) {
        if (nYear < 1 || pEra->nStartYear == -1)
            return false;
        nYear += pEra->nStartYear - 1;
        bool bHeld = pEra->nEndYear == -1 || nYear <= pEra->nEndYear;
        // The year after the era's last one, when a later era began in it.
        for (const ZelModelEra& other : eras)
            bHeld = bHeld || (nYear == pEra->nEndYear + 1 && other.nDiv == 0 && other.nStartYear == nYear);
        if (!bHeld)
            return false;
    }
    if (!ZelModelIsRealDate(nYear, nMonth, nDay))
        return false;
    date = {static_cast<int>(nYear), static_cast<int>(nMonth), static_cast<int>(nDay)};
    return true;
}

ZelModelDateFault ZelModelTestDateTexts(const std::string& era, const std::string& year, const std::string& month,
                                        const std::string& day, const std::vector<ZelModelEra>& eras)
{
    if (month.empty() || day.empty())
        return ZelModelDateFault::empty;
    const bool bWestern = era == "西暦";
    const long long y = ZelModelDecimal(year), m = ZelModelDecimal(month), d = ZelModelDecimal(day);
    // The last field out of range is the one named.
    if (d < 1 || d > 31)
        return ZelModelDateFault::dayRange;
    if (m < 1 || m > 12)
        return ZelModelDateFault::monthRange;
    if (bWestern ? (y < 100 || y > 9999) : (y < 1 || y > 99))
        return ZelModelDateFault::yearRange;
    ZelModelDate date;
    return ZelModelParseDateText((bWestern ? "" : era) + year + "/" + month + "/" + day, eras, date)
               ? ZelModelDateFault::good
               : ZelModelDateFault::notReal;
}
