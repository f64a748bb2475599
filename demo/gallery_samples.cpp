#include "gallery_samples.h"

CString GalleryDateText(int nDiv, int nYear, int nMonth, int nDay)
{
    CZelCalCtrlUtil util;
    CString text = util.FromEra(nDiv, nYear, nMonth, nDay);
    return text.IsEmpty() ? CString("(暦にない日付)") : text;
}

namespace {

// Creates a control of type T on the gallery dialog.
template <class T> void MakeControl(T& ctrl, CWnd* pParent)
{
    ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, 0, nullptr);
}

class NormSample : public GallerySample {
public:
    explicit NormSample(CWnd* pParent) : m_ctrl(pParent) { MakeControl(m_ctrl, pParent); }
    const char* Label() const override { return "全日付 (CZelCalNorm)"; }
    CZelDateFrame& Control() override { return m_ctrl; }
    void SetWesternSample() override { m_ctrl.SetChoiceData(1, 2002, 4, 7); }
    void SetEraSample() override { m_ctrl.SetChoiceData(0, 1989, 1, 8); }
    CString Read() override
    {
        int d, y, m, day;
        m_ctrl.GetChoiceData(d, y, m, day);
        CString s;
        s.Format("和暦/西暦=%d 年=%d 月=%d 日=%d → %s", d, y, m, day, (LPCSTR)GalleryDateText(d, y, m, day));
        return s;
    }
    void SetNeighbours(CWnd* pPrev, CWnd* pNext) override { m_ctrl.SetParentCtrl(pPrev, pNext); }

private:
    CZelCalNorm m_ctrl;
};


CString DateValueText(const COleDateTime& dt)
{
    if (dt.GetStatus() != COleDateTime::valid)
        return CString("(無効)");
    return dt.Format("%Y/%m/%d");
}

class NormCalSample : public GallerySample {
public:
    explicit NormCalSample(CWnd* pParent) : m_ctrl(pParent) { MakeControl(m_ctrl, pParent); }
    const char* Label() const override { return "日付チェック付き (CZelCalNormCal)"; }
    CZelDateFrame& Control() override { return m_ctrl; }
    void SetWesternSample() override { m_ctrl.SetChoiceData(1, 2000, 2, 29); }
    void SetEraSample() override { m_ctrl.SetChoiceData(0, 1995, 3, 15); }
    CString Read() override
    {
        int d, y, m, day;
        m_ctrl.GetChoiceData(d, y, m, day);
        CString s;
        s.Format("和暦/西暦=%d 年=%d 月=%d 日=%d → %s (日付として%s)", d, y, m, day,
                 (LPCSTR)GalleryDateText(d, y, m, day), m_ctrl.ChkDate() ? "正しい" : "誤り");
        return s;
    }
    void SetNeighbours(CWnd* pPrev, CWnd* pNext) override { m_ctrl.SetParentCtrl(pPrev, pNext); }

private:
    CZelCalNormCal m_ctrl;
};

class BirthSample : public GallerySample {
public:
    explicit BirthSample(CWnd* pParent) : m_ctrl(pParent) { MakeControl(m_ctrl, pParent); }
    const char* Label() const override { return "誕生年 (CZelCalBirth)"; }
    CZelDateFrame& Control() override { return m_ctrl; }
    void SetWesternSample() override { m_ctrl.SetChoiceData(1, 1975); }
    void SetEraSample() override { m_ctrl.SetChoiceData(0, 1975); }
    CString Read() override
    {
        int d, y;
        m_ctrl.GetChoiceData(d, y);
        CString s;
        s.Format("和暦/西暦=%d 年=%d", d, y);
        return s;
    }
    void SetNeighbours(CWnd* pPrev, CWnd* pNext) override { m_ctrl.SetParentCtrl(pPrev, pNext); }

private:
    CZelCalBirth m_ctrl;
};

class BirthNotifySample : public GallerySample {
public:
    explicit BirthNotifySample(CWnd* pParent) : m_ctrl(pParent) { MakeControl(m_ctrl, pParent); }
    const char* Label() const override { return "誕生年と通知 (CZelCalBirthNotify)"; }
    CZelDateFrame& Control() override { return m_ctrl; }
    void SetWesternSample() override { m_ctrl.SetChoiceData(1, 2001, 1); }
    void SetEraSample() override { m_ctrl.SetChoiceData(0, 1990, 1); }
    CString Read() override
    {
        int d, y, n;
        m_ctrl.GetChoiceData(d, y, n);
        CZelCalCtrlUtil util;
        CString s;
        s.Format("和暦/西暦=%d 年=%d 通知=%d (%s)", d, y, n, (LPCSTR)util.FromSettingNotify(n));
        return s;
    }
    void SetNeighbours(CWnd* pPrev, CWnd* pNext) override { m_ctrl.SetParentCtrl(pPrev, pNext); }

private:
    CZelCalBirthNotify m_ctrl;
};

class NormNotifySample : public GallerySample {
public:
    explicit NormNotifySample(CWnd* pParent) : m_ctrl(pParent) { MakeControl(m_ctrl, pParent); }
    const char* Label() const override { return "全日付と通知 (CZelCalNormNotify)"; }
    CZelDateFrame& Control() override { return m_ctrl; }
    void SetWesternSample() override { m_ctrl.SetChoiceData(1, 2002, 4, 7, 1); }
    void SetEraSample() override { m_ctrl.SetChoiceData(0, 1990, 4, 1, 1); }
    CString Read() override
    {
        int d, y, m, day, n;
        m_ctrl.GetChoiceData(d, y, m, day, n);
        CZelCalCtrlUtil util;
        CString s;
        s.Format("和暦/西暦=%d 年=%d 月=%d 日=%d 通知=%d → %s %s", d, y, m, day, n,
                 (LPCSTR)GalleryDateText(d, y, m, day), (LPCSTR)util.FromSettingNotify(n));
        return s;
    }
    void SetNeighbours(CWnd* pPrev, CWnd* pNext) override { m_ctrl.SetParentCtrl(pPrev, pNext); }

private:
    CZelCalNormNotify m_ctrl;
};

class RegSample : public GallerySample {
public:
    explicit RegSample(CWnd* pParent) : m_ctrl(pParent) { MakeControl(m_ctrl, pParent); }
    const char* Label() const override { return "定期の日付 (CZelCalReg)"; }
    CZelDateFrame& Control() override { return m_ctrl; }
    void SetWesternSample() override { m_ctrl.SetChoiceData(1, 2002, 4, 7, 0, COleDateTime()); }
    void SetEraSample() override
    {
        m_ctrl.SetChoiceData(0, 2001, 3, 15, -1, COleDateTime(2001, 3, 15, 0, 0, 0));
    }
    CString Read() override
    {
        int d, y, m, day, interval;
        COleDateTime dt;
        m_ctrl.GetChoiceData(d, y, m, day, interval, dt);
        CZelCalCtrlUtil util;
        CString s;
        s.Format("和暦/西暦=%d 年=%d 月=%d 日=%d 間隔=%d 日付値=%s → %s", d, y, m, day, interval,
                 (LPCSTR)DateValueText(dt), (LPCSTR)util.FromSettingNotifyAndInterval(1, interval, dt));
        return s;
    }
    void SetNeighbours(CWnd* pPrev, CWnd* pNext) override { m_ctrl.SetParentCtrl(pPrev, pNext); }

private:
    CZelCalReg m_ctrl;
};

// The two controls with a base date, a notification switch and a rule.
template <class T> class NotifyRuleSample : public GallerySample {
public:
    NotifyRuleSample(CWnd* pParent, const char* pszLabel) : m_ctrl(pParent), m_pszLabel(pszLabel)
    {
        MakeControl(m_ctrl, pParent);
    }
    const char* Label() const override { return m_pszLabel; }
    CZelDateFrame& Control() override { return m_ctrl; }
    CString Read() override
    {
        int d, y, m, day, n, interval;
        COleDateTime dt;
        m_ctrl.GetChoiceData(d, y, m, day, n, interval, dt);
        CZelCalCtrlUtil util;
        CString s;
        s.Format("基準日 和暦/西暦=%d 年=%d 月=%d 日=%d 通知=%d 間隔=%d 日付値=%s → %s", d, y, m, day, n,
                 interval, (LPCSTR)DateValueText(dt), (LPCSTR)util.FromSettingNotifyAndInterval(n, interval, dt));
        return s;
    }
    void SetNeighbours(CWnd* pPrev, CWnd* pNext) override { m_ctrl.SetParentCtrl(pPrev, pNext); }

protected:
    T m_ctrl;
    const char* m_pszLabel;
};

class RegNotifySample : public NotifyRuleSample<CZelCalRegNotify> {
public:
    explicit RegNotifySample(CWnd* pParent) : NotifyRuleSample(pParent, "定期と通知 (CZelCalRegNotify)") {}
    void SetWesternSample() override
    {
        m_ctrl.SetChoiceData(1, 2002, 5, 10, 1, -1, COleDateTime(2002, 3, 3, 0, 0, 0));
    }
    void SetEraSample() override { m_ctrl.SetChoiceData(0, 2001, 4, 1, 1, 0, COleDateTime()); }
};

class RegNotNotifySample : public NotifyRuleSample<CZelCalRegNotNotify> {
public:
    explicit RegNotNotifySample(CWnd* pParent)
        : NotifyRuleSample(pParent, "基準日なし可 (CZelCalRegNotNotify)")
    {
    }
    void SetWesternSample() override { m_ctrl.SetChoiceData(1, 0, 0, 0, 1, 0, COleDateTime()); }
    void SetEraSample() override
    {
        m_ctrl.SetChoiceData(0, 1990, 4, 1, 1, 3, COleDateTime(2000, 12, 10, 0, 0, 0));
    }
};

}  // namespace

std::vector<std::unique_ptr<GallerySample>> MakeGallerySamples(CWnd* pParent)
{
    std::vector<std::unique_ptr<GallerySample>> rows;
    rows.push_back(std::make_unique<NormSample>(pParent));
    rows.push_back(std::make_unique<NormCalSample>(pParent));
    rows.push_back(std::make_unique<BirthSample>(pParent));
    rows.push_back(std::make_unique<BirthNotifySample>(pParent));
    rows.push_back(std::make_unique<NormNotifySample>(pParent));
    rows.push_back(std::make_unique<RegSample>(pParent));
    rows.push_back(std::make_unique<RegNotifySample>(pParent));
    rows.push_back(std::make_unique<RegNotNotifySample>(pParent));
    return rows;
}
