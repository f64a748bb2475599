// Every int entry point of the era core with ints from the whole range:
// the calendar checks, the era record, date values, the display texts of
// dates, of periodic rules and of notification rules, and the era date.
// Each result is held against the plain calendar of calendar_model.h and
// the wording the texts must have.
#include "calendar_model.h"
#include "era/era_core.h"
#include "era/rule_wording.h"
#include "era_file_model.h"
#include "fuzz_check.h"
#include "fuzz_int_source.h"
#include "fuzz_scratch_dir.h"

#include <cstdio>
#include <string>

namespace {

std::string Ints(std::initializer_list<long long> values)
{
    std::string out = "(";
    for (const long long v : values)
        out += (out.size() > 1 ? ", " : "") + std::to_string(v);
    return out + ")";
}

std::string Text(const CString& str) { return std::string(static_cast<LPCSTR>(str), str.GetLength()); }

// The era table of the util below: the built-in table, written to a fresh
// era.dat by the first read.
CZelCalCtrlUtil& Util()
{
    static CZelCalCtrlUtil util;
    return util;
}

void CheckDayMaxAndRanges(FuzzedDataProvider& fdp)
{
    const int y = ZelFuzzInt(fdp), m = ZelFuzzInt(fdp), d = ZelFuzzInt(fdp);
    const int nExpected = m == 0 ? 30 : ZelModelDaysInMonth(y, m);
    ZEL_FUZZ_CHECK(CZelEra::GetDayMax(y, m) == nExpected, "GetDayMax" + Ints({y, m}));
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
    const std::string what = Ints({nDiv, nStart, nEnd, nYear});
    ZEL_FUZZ_CHECK(era.GetStartYear() == nStartRead && era.GetEndYear() == nEndRead, "years " + what);
    ZEL_FUZZ_CHECK(era.GetDiv() == nDiv && Text(era.GetEraname()) == strName.c_str(), "fields " + what);
    const int nLast = nEndRead == -1 ? 9999 : nEndRead;
    const bool bHolds = nDiv == 0 && nStartRead <= nYear && nYear <= nLast;
    ZEL_FUZZ_CHECK(era.ChkEra(nYear) == (bHolds ? 1 : 0), "ChkEra " + what);

    CZelEra copy(era), assigned;
    assigned = era;
    for (CZelEra* p : {&copy, &assigned}) {
        ZEL_FUZZ_CHECK(p->GetDiv() == nDiv && p->GetStartYear() == nStartRead && p->GetEndYear() == nEndRead &&
                           Text(p->GetEraname()) == strName.c_str() && p->ChkEra(nYear) == (bHolds ? 1 : 0),
                       "copy " + what);
    }
}

void CheckTextChecks(FuzzedDataProvider& fdp)
{
    // Texts as a field gives them: up to the first zero byte.
    std::string texts[3];
    for (std::string& s : texts) {
        s = fdp.ConsumeBool() ? std::to_string(ZelFuzzInt(fdp)) : fdp.ConsumeRandomLengthString(16);
        s = s.c_str();
    }
    const std::string& y = texts[0];
    const std::string& m = texts[1];
    const std::string& d = texts[2];
    const std::string what = ZelFuzzQuote(y) + " " + ZelFuzzQuote(m) + " " + ZelFuzzQuote(d);

    const bool bDigits = !y.empty() && y.find_first_not_of("0123456789") == std::string::npos;
    ZEL_FUZZ_CHECK(CZelEra::ChkNum(texts[0].data()) == (bDigits ? 1 : 0), "ChkNum " + what);
    const int nMonth = ZelModelDecimal(m);
    const bool bMonth = !m.empty() && nMonth >= 1 && nMonth <= 12;
    ZEL_FUZZ_CHECK(CZelEra::ChkMonth(texts[1].data(), 0) == (bMonth ? 1 : 0), "ChkMonth " + what);

    bool bDay;
    const int nYear = ZelModelDecimal(y), nDay = ZelModelDecimal(d);
    if (y.empty() || m.empty() || d.empty())
        bDay = false;
    else if (nYear == 0 || nMonth == 0)
        bDay = true;  // not judged yet
    else
        bDay = nYear >= 100 && nYear <= 9999 && bMonth && nDay >= 1 && nDay <= ZelModelDaysInMonth(nYear, nMonth);
    ZEL_FUZZ_CHECK(CZelEra::ChkDay(texts[0].data(), texts[1].data(), texts[2].data()) == (bDay ? 1 : 0),
                   "ChkDay " + what);

    int nNamed = 0;
    for (int i = 1; i <= 12; ++i) {
        if (d == std::to_string(i) + "月")
            nNamed = i;
    }
    ZEL_FUZZ_CHECK(CZelCalCtrlCom::GetStrToMonth(texts[2].data()) == nNamed, "GetStrToMonth " + what);
}

// A date value from six ints, checked against the calendar; returns it.
COleDateTime MakeDate(FuzzedDataProvider& fdp)
{
    const bool bDayOnly = fdp.ConsumeBool();
    const int y = ZelFuzzInt(fdp), m = ZelFuzzInt(fdp), d = ZelFuzzInt(fdp);
    const int h = bDayOnly ? 0 : ZelFuzzInt(fdp), mi = bDayOnly ? 0 : ZelFuzzInt(fdp), s = bDayOnly ? 0 : ZelFuzzInt(fdp);
    COleDateTime dt(y, m, d, h, mi, s);
    const bool bValid = ZelModelIsRealDate(y, m, d) && h >= 0 && h <= 23 && mi >= 0 && mi <= 59 && s >= 0 && s <= 59;
    const std::string what = "COleDateTime" + Ints({y, m, d, h, mi, s});
    ZEL_FUZZ_CHECK((dt.GetStatus() == COleDateTime::valid) == bValid, what);
    if (bValid) {
        ZEL_FUZZ_CHECK(dt.GetYear() == y && dt.GetMonth() == m && dt.GetDay() == d && dt.GetHour() == h &&
                           dt.GetMinute() == mi && dt.GetSecond() == s,
                       what + " reads back otherwise");
    } else {
        ZEL_FUZZ_CHECK(dt.GetYear() == -1 && dt.GetMonth() == -1 && dt.GetDay() == -1, what + " reads a day");
    }
    return dt;
}

void CheckDateValueFromDays(FuzzedDataProvider& fdp)
{
    const double value = fdp.ConsumeFloatingPoint<double>();
    const COleDateTime dt(value);
    if (dt.GetStatus() != COleDateTime::valid) {
        ZEL_FUZZ_CHECK(dt.GetYear() == -1, "invalid day value " + std::to_string(value) + " reads a year");
        return;
    }
    // A valid value reads as a real date and time that makes a value again.
    const int y = dt.GetYear(), m = dt.GetMonth(), d = dt.GetDay();
    ZEL_FUZZ_CHECK(ZelModelIsRealDate(y, m, d) && dt.GetHour() >= 0 && dt.GetHour() <= 23 && dt.GetMinute() >= 0 &&
                       dt.GetMinute() <= 59 && dt.GetSecond() >= 0 && dt.GetSecond() <= 59,
                   "day value " + std::to_string(value) + " reads " + Ints({y, m, d}));
    const int nWeekday = dt.GetDayOfWeek();
    ZEL_FUZZ_CHECK(nWeekday >= 1 && nWeekday <= 7, "weekday of " + std::to_string(value));
}

void CheckDisplayTexts(FuzzedDataProvider& fdp)
{
    const int nEra = fdp.ConsumeBool() ? 0 : ZelFuzzInt(fdp);
    const int y = ZelFuzzInt(fdp), m = ZelFuzzInt(fdp), d = ZelFuzzInt(fdp);
    const std::string expected = nEra != 0 ? ZelModelWesternText(y, m, d) : ZelModelDefaultEraText(y, m, d);
    ZEL_FUZZ_CHECK(Text(Util().FromEra(nEra, y, m, d)) == expected, "FromEra" + Ints({nEra, y, m, d}));

    const COleDateTime dt = MakeDate(fdp);
    const bool bValid = dt.GetStatus() == COleDateTime::valid;
    const int dy = bValid ? dt.GetYear() : -1, dm = bValid ? dt.GetMonth() : -1, dd = bValid ? dt.GetDay() : -1;
    const std::string strDate = nEra != 0 ? ZelModelWesternText(dy, dm, dd) : ZelModelDefaultEraText(dy, dm, dd);
    ZEL_FUZZ_CHECK(Text(Util().FromEra(nEra, dt)) == strDate, "FromEra of a date" + Ints({nEra, dy, dm, dd}));

    // The era date formats the same, through an era table read afresh.
    CEraDate eraDate(nEra, dt);
    CEraDate copy(eraDate);
    ZEL_FUZZ_CHECK(copy.GetEra() == nEra && copy.GetDate() == dt, "CEraDate copy");
    if (fdp.ConsumeBool())
        ZEL_FUZZ_CHECK(Text(copy.Format()) == strDate, "CEraDate::Format" + Ints({nEra, dy, dm, dd}));
    CEraDate assigned;
    assigned = eraDate;
    assigned.SetDate(COleDateTime());
    ZEL_FUZZ_CHECK(assigned.GetEra() == nEra && assigned.GetDate() == COleDateTime(), "CEraDate::SetDate");
    assigned.SetEraDate(y, dt);
    ZEL_FUZZ_CHECK(assigned.GetEra() == y && assigned.GetDate() == dt, "CEraDate::SetEraDate");
}

void CheckNotificationTexts(FuzzedDataProvider& fdp)
{
    const int bNotify = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange(0, 1) : ZelFuzzInt(fdp);
    const int nInterval = ZelFuzzInt(fdp);
    const COleDateTime dt = MakeDate(fdp);
    const bool bValid = dt.GetStatus() == COleDateTime::valid;
    const int m = bValid ? dt.GetMonth() : -1, d = bValid ? dt.GetDay() : -1;

    ZEL_FUZZ_CHECK(Text(Util().FromSettingNotify(bNotify)) == (bNotify ? "通知する" : "通知しない"),
                   "FromSettingNotify" + Ints({bNotify}));
    std::string expected;
    if (!bNotify) {
        expected = "通知しない";
    } else {
        if (nInterval == -1)
            expected = "毎年" + std::to_string(m) + "月" + std::to_string(d) + "日に";
        else if (nInterval == 1)
            expected = "毎月" + std::to_string(d) + "日に";
        else if (nInterval >= 2 && nInterval <= 12)
            expected = std::to_string(nInterval) + "ヶ月に1回の" + std::to_string(d) + "日に";
        expected += "通知する";
    }
    ZEL_FUZZ_CHECK(Text(Util().FromSettingNotifyAndInterval(bNotify, nInterval, dt)) == expected,
                   "FromSettingNotifyAndInterval" + Ints({bNotify, nInterval, m, d}));
}

void CheckRuleWording(FuzzedDataProvider& fdp)
{
    const int nInterval = ZelFuzzInt(fdp), m = ZelFuzzInt(fdp), d = ZelFuzzInt(fdp);
    const int bNotify = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange(0, 1) : ZelFuzzInt(fdp);
    const std::string strBefore = fdp.ConsumeRandomLengthString(8).c_str();
    const std::string what = Ints({nInterval, m, d});

    // The rule text field's wording; an interval of 0 leaves the text alone.
    std::string expected;
    if (nInterval == 0)
        expected = strBefore;
    else if (nInterval == -1)
        expected = "毎年" + std::to_string(m) + "月" + std::to_string(d) + "日";
    else if (nInterval >= 2)
        expected = std::to_string(nInterval) + "ヶ月に1回の" + std::to_string(d) + "日";
    else if (nInterval == 1)
        expected = "毎月" + std::to_string(d) + "日";
    else
        expected = "毎月1日";
    CString str(strBefore.c_str());
    ZelWordRule(nInterval, m, d, str);
    ZEL_FUZZ_CHECK(Text(str) == expected, "ZelWordRule" + what + " from " + ZelFuzzQuote(strBefore));

    // The notification sentence from plain ints: the wording above with に
    // for intervals -1 and 1 to 12 only.
    std::string sentence = "通知しない";
    if (bNotify) {
        const bool bWorded = nInterval == -1 || (nInterval >= 1 && nInterval <= 12);
        sentence = (bWorded ? expected + "に" : "") + "通知する";
    }
    ZEL_FUZZ_CHECK(Text(ZelNotifySentence(bNotify, nInterval, m, d)) == sentence,
                   "ZelNotifySentence" + Ints({bNotify, nInterval, m, d}));
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
        switch (fdp.ConsumeIntegralInRange(0, 6)) {
        case 0: CheckDayMaxAndRanges(fdp); break;
        case 1: CheckEraRecord(fdp); break;
        case 2: CheckTextChecks(fdp); break;
        case 3: CheckDateValueFromDays(fdp); break;
        case 4: CheckDisplayTexts(fdp); break;
        case 5: CheckNotificationTexts(fdp); break;
        default: CheckRuleWording(fdp); break;
        }
    }
    return 0;
}
