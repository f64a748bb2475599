#include "afxdate.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace {

using namespace std::chrono;

constexpr sys_days kOleEpoch = sys_days{year{1899} / December / 30};
constexpr int kSecondsPerDay = 24 * 60 * 60;

// The representable range: 0100-01-01 to 9999-12-31.
constexpr int kFirstDay = static_cast<int>((sys_days{year{100} / January / 1} - kOleEpoch).count());
constexpr int kLastDay = static_cast<int>((sys_days{year{9999} / December / 31} - kOleEpoch).count());

struct DayAndTime
{
    year_month_day ymd;
    int nSecondOfDay;
};

// Splits a date value into calendar day and second of the day (rounded to
// the nearest second). False when it is not a finite value in range.
bool Split(double dt, DayAndTime& out)
{
    if (!std::isfinite(dt) || dt <= kFirstDay - 1.0 || dt >= kLastDay + 1.0)
        return false;
    const double whole = std::trunc(dt);
    const double fraction = std::fabs(dt - whole);
    int nDay = static_cast<int>(whole);
    int nSecond = static_cast<int>(std::lround(fraction * kSecondsPerDay));
    if (nSecond >= kSecondsPerDay) {
        nSecond -= kSecondsPerDay;
        ++nDay;
    }
    if (nDay < kFirstDay || nDay > kLastDay)
        return false;
    out.ymd = year_month_day{kOleEpoch + days{nDay}};
    out.nSecondOfDay = nSecond;
    return true;
}

void AppendNumber(CString& out, int nValue, int nWidth)
{
    CString part;
    part.Format("%0*d", nWidth, nValue);
    out += part;
}

}  // namespace

COleDateTime::COleDateTime() : m_dt(0.0), m_status(valid) {}

COleDateTime::COleDateTime(DATE dtSrc) : m_dt(dtSrc), m_status(valid)
{
    DayAndTime parts;
    if (!Split(dtSrc, parts))
        m_status = invalid;
}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
    : m_dt(0.0), m_status(valid)
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    // Checked before the chrono types see them: they hold narrower ranges.
    const bool inRange = nYear >= 100 && nYear <= 9999 && nMonth >= 1 && nMonth <= 12 && nDay >= 1 &&
                         nDay <= 31 && nHour >= 0 && nHour <= 23 && nMin >= 0 && nMin <= 59 && nSec >= 0 &&
                         nSec <= 59;
    const year_month_day ymd = inRange ? year{nYear} / month{static_cast<unsigned>(nMonth)} /
                                             day{static_cast<unsigned>(nDay)}
                                       : year_month_day{};
    if (!inRange || !ymd.ok()) {
        m_status = invalid;
        return 1;
    }
    const double nDays = static_cast<double>((sys_days{ymd} - kOleEpoch).count());
    const double fraction = (nHour * 3600.0 + nMin * 60.0 + nSec) / kSecondsPerDay;
    m_dt = nDays >= 0 ? nDays + fraction : nDays - fraction;
    m_status = valid;
    return 0;
}

int COleDateTime::SetDate(int nYear, int nMonth, int nDay) { return SetDateTime(nYear, nMonth, nDay, 0, 0, 0); }

int COleDateTime::GetYear() const
{
    DayAndTime p;
    return m_status == valid && Split(m_dt, p) ? static_cast<int>(p.ymd.year()) : -1;
}

int COleDateTime::GetMonth() const
{
    DayAndTime p;
    return m_status == valid && Split(m_dt, p) ? static_cast<int>(static_cast<unsigned>(p.ymd.month())) : -1;
}

int COleDateTime::GetDay() const
{
    DayAndTime p;
    return m_status == valid && Split(m_dt, p) ? static_cast<int>(static_cast<unsigned>(p.ymd.day())) : -1;
}

int COleDateTime::GetHour() const
{
    DayAndTime p;
    return m_status == valid && Split(m_dt, p) ? p.nSecondOfDay / 3600 : -1;
}

int COleDateTime::GetMinute() const
{
    DayAndTime p;
    return m_status == valid && Split(m_dt, p) ? p.nSecondOfDay / 60 % 60 : -1;
}

int COleDateTime::GetSecond() const
{
    DayAndTime p;
    return m_status == valid && Split(m_dt, p) ? p.nSecondOfDay % 60 : -1;
}

int COleDateTime::GetDayOfWeek() const
{
    DayAndTime p;
    if (m_status != valid || !Split(m_dt, p))
        return -1;
    return static_cast<int>(weekday{sys_days{p.ymd}}.c_encoding()) + 1;
}

COleDateTime::DateTimeStatus COleDateTime::GetStatus() const { return m_status; }

void COleDateTime::SetStatus(DateTimeStatus status) { m_status = status; }

COleDateTime::operator DATE() const { return m_dt; }

bool COleDateTime::operator==(const COleDateTime& other) const
{
    return m_status == other.m_status && m_dt == other.m_dt;
}

bool COleDateTime::operator!=(const COleDateTime& other) const { return !(*this == other); }

COleDateTime COleDateTime::GetCurrentTime()
{
#ifdef _WIN32
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return COleDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
#else
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local)) {
        COleDateTime bad;
        bad.SetStatus(invalid);
        return bad;
    }
    // A leap second (tm_sec 60) is taken as the second before it.
    return COleDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                        local.tm_sec > 59 ? 59 : local.tm_sec);
#endif
}

CString COleDateTime::Format(LPCSTR pFormat) const
{
    DayAndTime p;
    CString out;
    if (m_status != valid || !pFormat || !Split(m_dt, p))
        return out;
    const int nYear = static_cast<int>(p.ymd.year());
    for (const char* s = pFormat; *s; ++s) {
        if (*s != '%' || s[1] == '\0') {
            out += *s;
            continue;
        }
        switch (*++s) {
        case 'Y': AppendNumber(out, nYear, 4); break;
        case 'y': AppendNumber(out, nYear % 100, 2); break;
        case 'm': AppendNumber(out, static_cast<int>(static_cast<unsigned>(p.ymd.month())), 2); break;
        case 'd': AppendNumber(out, static_cast<int>(static_cast<unsigned>(p.ymd.day())), 2); break;
        case 'H': AppendNumber(out, p.nSecondOfDay / 3600, 2); break;
        case 'M': AppendNumber(out, p.nSecondOfDay / 60 % 60, 2); break;
        case 'S': AppendNumber(out, p.nSecondOfDay % 60, 2); break;
        case '%': out += '%'; break;
        default:
            out += '%';
            out += *s;
            break;
        }
    }
    return out;
}
