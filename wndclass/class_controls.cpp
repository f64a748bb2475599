#include "wndclass/class_controls.h"

#include "ZelCalCtrl.h"
#include "wndclass/value_rules.h"

namespace zelcal {

namespace {

// ---- values of each class ---------------------------------------------------------

bool FullDateTaken(const ZELCALVALUE& v)
{
    return v.dwFlags == 0 && IsCalendar(v.nDiv) && IsRealDate(v.nYear, v.nMonth, v.nDay);
}

bool YearTaken(const ZELCALVALUE& v)
{
    return v.dwFlags == 0 && IsCalendar(v.nDiv) && v.nYear >= 100 && v.nYear <= 9999;
}

// The periodic controls: a date, or all zeros for today's.
bool PeriodicDateTaken(const ZELCALVALUE& v)
{
    if (!IsCalendar(v.nDiv) || !IsInterval(v.nInterval))
        return false;
    if (IsZeroDate(v))
        return true;
    // A rule's month and day need not lie in the year given.
    return v.nInterval == 0 ? IsRealDate(v.nYear, v.nMonth, v.nDay)
                            : v.nYear >= 100 && v.nYear <= 9999 && IsMonthDay(v.nMonth, v.nDay);
}

COleDateTime MonthDay(int nMonth, int nDay) { return COleDateTime(2000, nMonth, nDay, 0, 0, 0); }

void ReadMonthDay(const COleDateTime& date, ZELCALVALUE& v)
{
    const bool bValid = date.GetStatus() == COleDateTime::valid && date.GetMonth() > 0;
    v.nRuleMonth = bValid ? date.GetMonth() : 0;
    v.nRuleDay = bValid ? date.GetDay() : 0;
}

// The two full-date classes (a date and nothing else).
template <class T>
concept FullDateOnly = requires(T& c, int& n) { c.GetChoiceData(n, n, n, n); };

template <FullDateOnly T>
void ReadValue(T& c, ZELCALVALUE& v)
{
    c.GetChoiceData(v.nDiv, v.nYear, v.nMonth, v.nDay);
}
void ReadValue(CZelCalBirth& c, ZELCALVALUE& v) { c.GetChoiceData(v.nDiv, v.nYear); }
void ReadValue(CZelCalBirthNotify& c, ZELCALVALUE& v) { c.GetChoiceData(v.nDiv, v.nYear, v.bNotify); }
void ReadValue(CZelCalNormNotify& c, ZELCALVALUE& v)
{
    c.GetChoiceData(v.nDiv, v.nYear, v.nMonth, v.nDay, v.bNotify);
}
void ReadValue(CZelCalReg& c, ZELCALVALUE& v)
{
    COleDateTime date;
    c.GetChoiceData(v.nDiv, v.nYear, v.nMonth, v.nDay, v.nInterval, date);
    ReadMonthDay(date, v);
}
void ReadValue(CZelCalRegNotify& c, ZELCALVALUE& v)
{
    COleDateTime date;
    c.GetChoiceData(v.nDiv, v.nYear, v.nMonth, v.nDay, v.bNotify, v.nInterval, date);
    ReadMonthDay(date, v);
}
void ReadValue(CZelCalRegNotNotify& c, ZELCALVALUE& v)
{
    COleDateTime date;
    c.GetChoiceData(v.nDiv, v.nYear, v.nMonth, v.nDay, v.bNotify, v.nInterval, date);
    if (IsZeroDate(v)) {
        v.dwFlags = ZCVF_NONE;  // the date value is then only "now"
        return;
    }
    ReadMonthDay(date, v);
}

template <FullDateOnly T>
bool WriteValue(T& c, const ZELCALVALUE& v)
{
    if (!FullDateTaken(v))
        return false;
    c.SetChoiceData(v.nDiv, v.nYear, v.nMonth, v.nDay);
    return true;
}
bool WriteValue(CZelCalNormNotify& c, const ZELCALVALUE& v)
{
    if (!FullDateTaken(v) || !IsSwitch(v.bNotify))
        return false;
    c.SetChoiceData(v.nDiv, v.nYear, v.nMonth, v.nDay, v.bNotify);
    return true;
}
bool WriteValue(CZelCalBirth& c, const ZELCALVALUE& v)
{
    if (!YearTaken(v))
        return false;
    c.SetChoiceData(v.nDiv, v.nYear);
    return true;
}
bool WriteValue(CZelCalBirthNotify& c, const ZELCALVALUE& v)
{
    if (!YearTaken(v) || !IsSwitch(v.bNotify))
        return false;
    c.SetChoiceData(v.nDiv, v.nYear, v.bNotify);
    return true;
}
bool WriteValue(CZelCalReg& c, const ZELCALVALUE& v)
{
    // The second date value: the date 日時 brings back, or none (0, 0).
    const bool bNoBase = v.nRuleMonth == 0 && v.nRuleDay == 0;
    if (v.dwFlags != 0 || !PeriodicDateTaken(v) || (!bNoBase && !IsMonthDay(v.nRuleMonth, v.nRuleDay)))
        return false;
    c.SetChoiceData(v.nDiv, v.nYear, v.nMonth, v.nDay, v.nInterval,
                    bNoBase ? COleDateTime() : MonthDay(v.nRuleMonth, v.nRuleDay));
    return true;
}
bool NotifyRuleTaken(const ZELCALVALUE& v)
{
    return PeriodicDateTaken(v) && IsSwitch(v.bNotify) &&
           (v.nInterval == 0 || IsMonthDay(v.nRuleMonth, v.nRuleDay));
}
COleDateTime NotifyRuleDate(const ZELCALVALUE& v)
{
    return v.nInterval == 0 ? COleDateTime() : MonthDay(v.nRuleMonth, v.nRuleDay);
}
bool WriteValue(CZelCalRegNotify& c, const ZELCALVALUE& v)
{
    if (v.dwFlags != 0 || !NotifyRuleTaken(v))
        return false;
    c.SetChoiceData(v.nDiv, v.nYear, v.nMonth, v.nDay, v.bNotify, v.nInterval, NotifyRuleDate(v));
    return true;
}
bool WriteValue(CZelCalRegNotNotify& c, const ZELCALVALUE& v)
{
    ZELCALVALUE given = v;
    if (given.dwFlags == ZCVF_NONE)
        given.nYear = given.nMonth = given.nDay = 0;  // the control's way of saying "なし"
    else if (given.dwFlags != 0)
        return false;
    if (!NotifyRuleTaken(given))
        return false;
    c.SetChoiceData(given.nDiv, given.nYear, given.nMonth, given.nDay, given.bNotify, given.nInterval,
                    NotifyRuleDate(given));
    return true;
}

// ---- the operations ------------------------------------------------------------------

template <class T>
class ControlOf final : public ClassControl {
public:
    explicit ControlOf(CWnd* pParent) : m_ctrl(pParent) {}

    CZelDateFrame& Frame() override { return m_ctrl; }
    void Read(ZELCALVALUE& value) override { ReadValue(m_ctrl, value); }
    bool Write(const ZELCALVALUE& value) override { return WriteValue(m_ctrl, value); }
    void UseControl(int bEnable) override { m_ctrl.UseControl(bEnable); }
    void SetFocusCalCtrl(int bFirst) override { m_ctrl.SetFocusCalCtrl(bFirst); }

    LRESULT CancelBkColor() override
    {
        if constexpr (requires(T& t) { t.cancelBkColor(0); }) {
            m_ctrl.cancelBkColor(0);
            ::InvalidateRect(m_ctrl.m_hWnd, nullptr, TRUE);
            return ZCR_DONE;
        }
        return ZCR_UNSUPPORTED;
    }
    LRESULT ChkDate() override
    {
        if constexpr (requires(T& t) { t.ChkDate(); })
            return m_ctrl.ChkDate();
        return ZCR_UNSUPPORTED;
    }
    LRESULT CheckDate(int bFocus) override
    {
        if constexpr (requires(T& t) { t.CheckDate(0); })
            return m_ctrl.CheckDate(bFocus);
        return ZCR_UNSUPPORTED;
    }

private:
    T m_ctrl;
};

template <class T>
std::unique_ptr<ClassControl> Make(CWnd* pParent)
{
    return std::make_unique<ControlOf<T>>(pParent);
}

struct ClassEntry {
    const wchar_t* pszName;
    std::unique_ptr<ClassControl> (*pfnMake)(CWnd* pParent);
};

const ClassEntry kClasses[] = {
    {ZELCAL_CLASS_NORM_W, &Make<CZelCalNorm>},
    {ZELCAL_CLASS_NORMCAL_W, &Make<CZelCalNormCal>},
    {ZELCAL_CLASS_BIRTH_W, &Make<CZelCalBirth>},
    {ZELCAL_CLASS_BIRTHNOTIFY_W, &Make<CZelCalBirthNotify>},
    {ZELCAL_CLASS_NORMNOTIFY_W, &Make<CZelCalNormNotify>},
    {ZELCAL_CLASS_REG_W, &Make<CZelCalReg>},
    {ZELCAL_CLASS_REGNOTIFY_W, &Make<CZelCalRegNotify>},
    {ZELCAL_CLASS_REGNOTNOTIFY_W, &Make<CZelCalRegNotNotify>},
};

}  // namespace

static_assert(sizeof kClasses / sizeof kClasses[0] == kClassCount);

const wchar_t* ClassName(int nClass)
{
    return nClass >= 0 && nClass < kClassCount ? kClasses[nClass].pszName : nullptr;
}

int ClassIndex(const wchar_t* pszName)
{
    for (int i = 0; i < kClassCount; ++i)
        if (::lstrcmpiW(kClasses[i].pszName, pszName) == 0)
            return i;
    return -1;
}

std::unique_ptr<ClassControl> MakeClassControl(int nClass, CWnd* pParent)
{
    if (nClass < 0 || nClass >= kClassCount)
        return nullptr;
    return kClasses[nClass].pfnMake(pParent);
}

}  // namespace zelcal
