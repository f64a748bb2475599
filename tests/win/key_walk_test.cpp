// Every control's key walk: from each stop of each face, Tab, Shift+Tab,
// Enter, Shift+Enter and Escape, with the host's neighbours and without;
// SetFocusCalCtrl to either end; UseControl greys a periodic control's stops.
#include "window_test.h"

#include "control_values.h"

#include <type_traits>

namespace {

using Stops = std::vector<int>;
Stops operator+(Stops a, const Stops& b) { return a.insert(a.end(), b.begin(), b.end()), a; }
const Stops kDate{IDC_FORM_COMBO, IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT}, kYear{IDC_FORM_COMBO, IDC_YEAR_EDIT};
const Stops kReg{IDC_BTN_REG}, kRule{IDC_BTN_SET, IDC_BTN_DAY};

// Shows face f of a control through a value handed in (a periodic control's
// face 0 is the date, 1 the rule); gives the stops of every face.
template <class T>
std::vector<Stops> Faces(T& c, int f)
{
    GiveValue(c, {0, 2002, 4, 7, 1, -f, COleDateTime(2002, 4, 7, 0, 0, 0)});
    const Stops date = std::is_base_of_v<CZelBirthYearFrame, T> ? kYear : kDate;
    const Stops box = kHasNotify<T> ? Stops{IDC_CHK_NOTIFY} : Stops{};
    if constexpr (std::is_base_of_v<CZelPeriodicFrame, T>)
        return {date + kReg + box, kRule + box};
    return {date + box};
}

template <class T>
class KeyWalkTest : public ControlTest<T> {};
TYPED_TEST_SUITE(KeyWalkTest, AllControls);

TYPED_TEST(KeyWalkTest, EveryKeyFromEveryStopWithAndWithoutNeighbours)
{
    // CZelCalRegNotNotify goes by the dialog's own key handling: the ends wrap
    // and never lead out, and Enter goes to the default button, not the walk.
    constexpr bool bWrap = std::is_same_v<TypeParam, CZelCalRegNotNotify>;
    const std::vector<Stops> faces = Faces(this->ctrl, 0);
    const HWND hPrev = this->host.Prev()->m_hWnd, hNext = this->host.Next()->m_hWnd;
    for (size_t f = 0; f < faces.size(); ++f) {
        const Stops& stops = faces[f];
        Faces(this->ctrl, static_cast<int>(f));
        for (bool bHost : {true, false}) {
            this->ctrl.SetParentCtrl(bHost ? this->host.Prev() : nullptr, bHost ? this->host.Next() : nullptr);
            for (size_t i = 0; i < stops.size(); ++i) {
                const HWND hFrom = this->Item(stops[i]);
                const HWND hBack = i > 0 ? this->Item(stops[i - 1])
                                   : bWrap ? this->Item(stops.back()) : bHost ? hPrev : hFrom;
                const HWND hOn = i + 1 < stops.size() ? this->Item(stops[i + 1])
                                 : bWrap ? this->Item(stops.front()) : bHost ? hNext : hFrom;
                const struct { UINT vk; bool bShift; HWND hTo; } keys[] = {
                    {VK_TAB, false, hOn}, {VK_TAB, true, hBack}, {VK_RETURN, false, hOn},
                    {VK_RETURN, true, hOn}, {VK_ESCAPE, false, hFrom}};
                for (const auto& key : keys) {
                    if (bWrap && key.vk == VK_RETURN)
                        continue;
                    SCOPED_TRACE(testing::Message() << "face " << f << ", key " << key.vk << (key.bShift ? "+Shift" : "")
                                 << " from " << stops[i] << (bHost ? ", neighbours" : ""));
                    if (i > 0)  // arriving from the stop before, as a user would
                        TestHost::Focus(this->Item(stops[i - 1]));
                    TestHost::Focus(hFrom);
                    ASSERT_EQ(TestHost::Focused(), hFrom);
                    TestHost::PressKey(key.vk, key.bShift);
                    EXPECT_EQ(TestHost::Focused(), key.hTo);
                }
            }
        }
        this->ctrl.SetFocusCalCtrl(1);
        EXPECT_EQ(TestHost::Focused(), this->Item(stops.front())) << f;
        this->ctrl.SetFocusCalCtrl(0);
        EXPECT_EQ(TestHost::Focused(), this->Item(stops.back())) << f;
        // The notification box is no field: Shift+Tab on it goes by the field
        // last entered when that was the era list.
        if (faces.size() == 1 && stops.back() == IDC_CHK_NOTIFY) {
            this->ctrl.SetParentCtrl(this->host.Prev(), this->host.Next());
            TestHost::Focus(this->Item(IDC_FORM_COMBO));
            TestHost::Focus(this->Item(IDC_CHK_NOTIFY));
            TestHost::PressKey(VK_TAB, true);
            EXPECT_EQ(TestHost::Focused(), hPrev);
        }
    }
    EXPECT_EQ(this->boxes.Count(), 0u);
    EXPECT_TRUE(::IsWindowVisible(this->host.Dialog()->m_hWnd)) << "Enter or Escape reached the host";
    if constexpr (std::is_base_of_v<CZelPeriodicFrame, TypeParam>) {
        Faces(this->ctrl, 0);
        for (int bEnable : {0, 1}) {
            this->ctrl.UseControl(bEnable);
            for (int nID : faces[0] + faces[1] + Stops{IDC_STR_EDIT})
                EXPECT_EQ(::IsWindowEnabled(this->Item(nID)) != FALSE, bEnable == 1) << nID;
        }
    }
}

}  // namespace
