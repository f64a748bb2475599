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

}  // namespace

std::vector<std::unique_ptr<GallerySample>> MakeGallerySamples(CWnd* pParent)
{
    std::vector<std::unique_ptr<GallerySample>> rows;
    rows.push_back(std::make_unique<NormSample>(pParent));
    return rows;
}
