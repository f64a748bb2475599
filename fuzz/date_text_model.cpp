#include "date_text_model.h"

#include "calendar_model.h"

#include <cstdlib>

namespace {

// "N/N/N" with one to four digits each and nothing around.
bool SplitNumbers(const std::string& text, long long numbers[3])
{
    std::size_t pos = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t end = text.find_first_not_of("0123456789", pos);
        const std::size_t stop = end == std::string::npos ? text.size() : end;
        if (stop == pos || stop - pos > 4)
            return false;
        numbers[i] = std::atoll(text.substr(pos, stop - pos).c_str());
        if (i < 2) {
            if (stop >= text.size() || text[stop] != '/')
                return false;
            pos = stop + 1;
        } else if (stop != text.size()) {
            return false;
        }
    }
    return true;
}

}  // namespace

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
    long long n[3];
    if (!SplitNumbers(pEra ? text.substr(pEra->strName.size()) : text, n))
        return false;
    long long nYear = n[0];
    if (pEra) {
        if (n[0] < 1 || pEra->nStartYear == -1)
            return false;
        nYear = n[0] + pEra->nStartYear - 1;
        bool bHeld = pEra->nEndYear == -1 || nYear <= pEra->nEndYear;
        // The year after the era's last one, when a later era began in it.
        if (!bHeld && nYear == pEra->nEndYear + 1) {
            for (const ZelModelEra& other : eras)
                bHeld = bHeld || (other.nDiv == 0 && other.nStartYear == nYear);
        }
        if (!bHeld)
            return false;
    }
    if (!ZelModelIsRealDate(nYear, n[1], n[2]))
        return false;
    date = {static_cast<int>(nYear), static_cast<int>(n[1]), static_cast<int>(n[2])};
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
    const std::string text = (bWestern ? "" : era) + year + "/" + month + "/" + day;
    return ZelModelParseDateText(text, eras, date) ? ZelModelDateFault::good : ZelModelDateFault::notReal;
}
