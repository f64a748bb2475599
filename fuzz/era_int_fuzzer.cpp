// Every int entry point of the era core with ints from the whole range, against
// the plain calendar of models.h and the wording required.
#include "era/rule_wording.h"
#include "fuzz_check.h"

#include <string>

namespace {

std::string Ints(std::initializer_list<long long> values)
{
    std::string out;
    for (const long long v : values)
        out += " " + std::to_string(v);
    return out;
}
std::string Text(const CString& str) { return std::string(static_cast<LPCSTR>(str), str.GetLength()); }

// Its table: the built-in one, written to a fresh era.dat by the first read.
CZelCalCtrlUtil& Util()
{
    static CZelCalCtrlUtil util;
    return util;
}

void CheckDayMaxAndRanges(FuzzedDataProvider& fdp)
{
    const int y = ZelFuzzInt(fdp), m = ZelFuzzInt(fdp), d = ZelFuzzInt(fdp);
    ZEL_FUZZ_CHECK(CZelEra::GetDayMax(y, m) == (m == 0 ? 30 : ZelModelDaysInMonth(y, m)), "GetDayMax" + Ints({y, m}));
    ZEL_FUZZ_CHECK(CZelEra::ChkYear(y) == (y >= 100 && y <= 9999), "ChkYear" + Ints({y}));
    ZEL_FUZZ_CHECK(CZelCalCtrlCom::ChkInputDay(d) == (d >= 1 && d <= 31), "ChkInputDay" + Ints({d}));
}

void CheckEraRecord(FuzzedDataProvider& fdp)
{
    const int nDiv = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange(0, 1) : ZelFuzzInt(fdp);
    const std::string strName = fdp.ConsumeRandomLengthString(24);
    const int nStart = ZelFuzzInt(fdp), nEnd = ZelFuzzInt(fdp), nYear = ZelFuzzInt(fdp);
    CZelEra era;
    era.SetEraInfo(nDiv, strName.c_str(), nStart, nEnd);
    const int nStartRead = ZelModelYearAsRead(nStart), nEndRead = ZelModelYearAsRead(nEnd);
    const bool bHolds = nDiv == 0 && nStartRead <= nYear && nYear <= (nEndRead == -1 ? 9999 : nEndRead);
    ZEL_FUZZ_CHECK(era.GetStartYear() == nStartRead && era.GetEndYear() == nEndRead && era.GetDiv() == nDiv &&
                       Text(era.GetEraname()) == strName.c_str() && era.ChkEra(nYear) == (bHolds ? 1 : 0),
                   "era record" + Ints({nDiv, nStart, nEnd, nYear}));
}

void CheckTextChecks(FuzzedDataProvider& fdp)
{
    // Texts as a field gives them: up to the first zero byte.
    std::string t[3];
    for (std::string& s : t)
        s = (fdp.ConsumeBool() ? std::to_string(ZelFuzzInt(fdp)) : fdp.ConsumeRandomLengthString(16)).c_str();
    const std::string what = ZelFuzzQuote(t[0]) + " " + ZelFuzzQuote(t[1]) + " " + ZelFuzzQuote(t[2]);

    const bool bDigits = !t[0].empty() && t[0].find_first_not_of("0123456789") == std::string::npos;
    ZEL_FUZZ_CHECK(CZelEra::ChkNum(t[0].data()) == (bDigits ? 1 : 0), "ChkNum " + what);
    const int nYear = ZelModelDecimal(t[0]), nMonth = ZelModelDecimal(t[1]), nDay = ZelModelDecimal(t[2]);
    const bool bMonth = !t[1].empty() && nMonth >= 1 && nMonth <= 12;
    ZEL_FUZZ_CHECK(CZelEra::ChkMonth(t[1].data(), 0) == (bMonth ? 1 : 0), "ChkMonth " + what);
    bool bDay = false;
    if (!t[0].empty() && !t[1].empty() && !t[2].empty())
        bDay = nYear == 0 || nMonth == 0 || (bMonth && ZelModelIsRealDate(nYear, nMonth, nDay));  // 0: not judged yet
    ZEL_FUZZ_CHECK(CZelEra::ChkDay(t[0].data(), t[1].data(), t[2].data()) == (bDay ? 1 : 0), "ChkDay " + what);

    int nNamed = 12;
    while (nNamed > 0 && t[2] != std::to_string(nNamed) + "月")
        --nNamed;
    ZEL_FUZZ_CHECK(CZelCalCtrlCom::GetStrToMonth(t[2].data()) == nNamed, "GetStrToMonth " + what);
}

// A date value from six ints, checked against the calendar; returns it.
COleDateTime MakeDate(FuzzedDataProvider& fdp)
{
    const bool bDayOnly = fdp.ConsumeBool();
    const int y = ZelFuzzInt(fdp), m = ZelFuzzInt(fdp), d = ZelFuzzInt(fdp);
    const int h = bDayOnly ? 0 : ZelFuzzInt(fdp), mi = bDayOnly ? 0 : ZelFuzzInt(fdp), s = bDayOnly ? 0 : ZelFuzzInt(fdp);
    COleDateTime dt(y, m, d, h, mi, s);
    const bool bValid = ZelModelIsRealDate(y, m, d) && h >= 0 && h <= 23 && mi >= 0 && mi <= 59 && s >= 0 && s <= 59;
    // A date that is not valid reads -1 in every part.
    const std::string args = Ints({y, m, d, h, mi, s});
    const std::string got = Ints({dt.GetYear(), dt.GetMonth(), dt.GetDay(), dt.GetHour(), dt.GetMinute(), dt.GetSecond()});
    ZEL_FUZZ_CHECK((dt.GetStatus() == COleDateTime::valid) == bValid && got == (bValid ? args : Ints({-1, -1, -1, -1, -1, -1})),
                   "COleDateTime" + args + " reads " + got);
    return dt;
}

// A day count reads as a real date, or as nothing when it is not valid.
void CheckDateValueFromDays(FuzzedDataProvider& fdp)
{
    const COleDateTime dt(fdp.ConsumeFloatingPoint<double>());
    const int y = dt.GetYear(), m = dt.GetMonth(), d = dt.GetDay();
    ZEL_FUZZ_CHECK(dt.GetStatus() == COleDateTime::valid ? ZelModelIsRealDate(y, m, d) && dt.GetHour() <= 23 && dt.GetSecond() <= 59
                                                         : y == -1 && m == -1,
                   "day value " + std::to_string(static_cast<DATE>(dt)) + " reads " + Ints({y, m, d}));
}

void CheckDisplayTexts(FuzzedDataProvider& fdp)
{
    const int nEra = fdp.ConsumeBool() ? 0 : ZelFuzzInt(fdp);
    auto text = [nEra](int y, int m, int d) { return nEra != 0 ? ZelModelWesternText(y, m, d) : ZelModelDefaultEraText(y, m, d); };
    const int y = ZelFuzzInt(fdp), m = ZelFuzzInt(fdp), d = ZelFuzzInt(fdp);
    ZEL_FUZZ_CHECK(Text(Util().FromEra(nEra, y, m, d)) == text(y, m, d), "FromEra" + Ints({nEra, y, m, d}));
    // A date that is not valid shows as -1 each.
    const COleDateTime dt = MakeDate(fdp);
    ZEL_FUZZ_CHECK(Text(Util().FromEra(nEra, dt)) == text(dt.GetYear(), dt.GetMonth(), dt.GetDay()), "FromEra of a date");
}

// The rule's wording (interval 0 leaves the text alone) and the notification
// sentence: that wording with に for intervals -1 and 1 to 12 only.
void CheckRuleTexts(FuzzedDataProvider& fdp)
{
    const int bNotify = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange(0, 1) : ZelFuzzInt(fdp);
    const int nInterval = ZelFuzzInt(fdp);
    const std::string strBefore = fdp.ConsumeRandomLengthString(8).c_str();
    const COleDateTime dt = MakeDate(fdp);
    const bool bFromDate = fdp.ConsumeBool();
    const int m = bFromDate ? dt.GetMonth() : ZelFuzzInt(fdp), d = bFromDate ? dt.GetDay() : ZelFuzzInt(fdp);
    const std::string what = Ints({bNotify, nInterval, m, d});

    const std::string wording = nInterval == 0    ? strBefore
                                : nInterval == -1 ? "毎年" + std::to_string(m) + "月" + std::to_string(d) + "日"
                                : nInterval >= 2  ? std::to_string(nInterval) + "ヶ月に1回の" + std::to_string(d) + "日"
                                : nInterval == 1  ? "毎月" + std::to_string(d) + "日"
                                                  : "毎月1日";
    CString str(strBefore.c_str());
    ZelWordRule(nInterval, m, d, str);
    ZEL_FUZZ_CHECK(Text(str) == wording, "ZelWordRule" + what + " from " + ZelFuzzQuote(strBefore));

    const std::string sentence =
        !bNotify ? "通知しない" : (nInterval == -1 || (nInterval >= 1 && nInterval <= 12) ? wording + "に" : "") + "通知する";
    ZEL_FUZZ_CHECK(Text(ZelNotifySentence(bNotify, nInterval, m, d)) == sentence, "ZelNotifySentence" + what);
    if (bFromDate)
        ZEL_FUZZ_CHECK(Text(Util().FromSettingNotifyAndInterval(bNotify, nInterval, dt)) == sentence,
                       "FromSettingNotifyAndInterval" + what);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ZelFuzzEnterScratchDir();
    Util();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider fdp(data, size);
    for (int nStep = 0; nStep < 64 && fdp.remaining_bytes() > 0; ++nStep) {
        switch (fdp.ConsumeIntegralInRange(0, 5)) {
        case 0: CheckDayMaxAndRanges(fdp); break;
        case 1: CheckEraRecord(fdp); break;
        case 2: CheckTextChecks(fdp); break;
        case 3: CheckDateValueFromDays(fdp); break;
        case 4: CheckDisplayTexts(fdp); break;
        default: CheckRuleTexts(fdp); break;
        }
    }
    return 0;
}
