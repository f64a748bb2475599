// The key walk of every control placed in a host dialog, as one table: each
// face's stops in order and what lies beyond its ends. From each stop, Tab,
// Shift+Tab and Enter are pressed with the host's neighbours set and without;
// SetFocusCalCtrl reaches the first and last stop; on the periodic controls
// UseControl greys and restores every stop.
#include "window_test.h"

namespace {

// Where a key is expected to lead, besides a stop of the control.
const int kPrev = -1;  // the host's previous window
const int kNext = -2;  // the host's next window
const int kStay = -3;  // the focus stays where it was

struct Face {
    const char* pszName;
    std::vector<int> stops;
    bool bWrap;  // the ends wrap inside the control (no way out to the host)
};

COleDateTime Date(int y, int m, int d) { return COleDateTime(y, m, d, 0, 0, 0); }

// Each control's faces and how to show one; a face is shown by a value handed in.
template <class T> struct Walk;

const std::vector<int> kFullDate{IDC_FORM_COMBO, IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT};

template <> struct Walk<CZelCalNorm> {
    static std::vector<Face> Faces() { return {{"date", kFullDate, false}}; }
    static void Show(CZelCalNorm& c, int) { c.SetChoiceData(0, 2002, 4, 7); }
};
template <> struct Walk<CZelCalNormCal> {
    static std::vector<Face> Faces() { return {{"date", kFullDate, false}}; }
    static void Show(CZelCalNormCal& c, int) { c.SetChoiceData(0, 2002, 4, 7); }
};
template <> struct Walk<CZelCalBirth> {
    static std::vector<Face> Faces() { return {{"year", {IDC_FORM_COMBO, IDC_YEAR_EDIT}, false}}; }
    static void Show(CZelCalBirth& c, int) { c.SetChoiceData(0, 1975); }
};
template <> struct Walk<CZelCalBirthNotify> {
    static std::vector<Face> Faces() { return {{"year", {IDC_FORM_COMBO, IDC_YEAR_EDIT, IDC_CHK_NOTIFY}, false}}; }
    static void Show(CZelCalBirthNotify& c, int) { c.SetChoiceData(0, 1975, 1); }
};
template <> struct Walk<CZelCalNormNotify> {
    static std::vector<Face> Faces()
    {
        return {{"date", {IDC_FORM_COMBO, IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT, IDC_CHK_NOTIFY}, false}};
    }
    static void Show(CZelCalNormNotify& c, int) { c.SetChoiceData(0, 2002, 4, 7, 1); }
};
template <> struct Walk<CZelCalReg> {
    static std::vector<Face> Faces()
    {
        return {{"date", {IDC_FORM_COMBO, IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT, IDC_BTN_REG}, false},
                {"rule", {IDC_BTN_SET, IDC_BTN_DAY}, false}};
    }
    static void Show(CZelCalReg& c, int nFace)
    {
        c.SetChoiceData(0, 2002, 4, 7, nFace == 0 ? 0 : -1, Date(2002, 4, 7));
    }
};
template <> struct Walk<CZelCalRegNotify> {
    static std::vector<Face> Faces()
    {
        return {{"date", {IDC_FORM_COMBO, IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT, IDC_BTN_REG, IDC_CHK_NOTIFY},
                 false},
                {"rule", {IDC_BTN_SET, IDC_BTN_DAY, IDC_CHK_NOTIFY}, false}};
    }
    template <class TControl>
    static void Show(TControl& c, int nFace)
    {
        c.SetChoiceData(0, 2002, 4, 7, 1, nFace == 0 ? 0 : -1, Date(2002, 4, 7));
    }
};
// The same stops through the dialog's own key handling: Tab wraps inside and never leaves.
template <> struct Walk<CZelCalRegNotNotify> : Walk<CZelCalRegNotify> {
    static std::vector<Face> Faces()
    {
        std::vector<Face> faces = Walk<CZelCalRegNotify>::Faces();
        for (Face& face : faces)
            face.bWrap = true;
        return faces;
    }
};

template <class T>
class KeyWalkTest : public ControlTest<T> {
protected:
    // The window an expected target stands for.
    HWND Target(int nTarget, HWND hFrom)
    {
        switch (nTarget) {
        case kPrev: return this->host.Prev()->m_hWnd;
        case kNext: return this->host.Next()->m_hWnd;
        case kStay: return hFrom;
        default: return this->Item(nTarget);
        }
    }

    // Where Tab (forward) or Shift+Tab (back) leads from stop i of a face.
    static int Expected(const Face& face, size_t i, bool bBack, bool bNeighbours)
    {
        const size_t nLast = face.stops.size() - 1;
        if (bBack && i == 0)
            return face.bWrap ? face.stops[nLast] : (bNeighbours ? kPrev : kStay);
        if (!bBack && i == nLast)
            return face.bWrap ? face.stops[0] : (bNeighbours ? kNext : kStay);
        return face.stops[bBack ? i - 1 : i + 1];
    }

    // Focus on stop i, arriving from the stop before it as a user would.
    void StandOn(const Face& face, size_t i)
    {
        if (i > 0)
            TestHost::Focus(this->Item(face.stops[i - 1]));
        TestHost::Focus(this->Item(face.stops[i]));
    }
};

using AllPlaced = ::testing::Types<CZelCalNorm, CZelCalNormCal, CZelCalBirth, CZelCalBirthNotify, CZelCalNormNotify,
                                   CZelCalReg, CZelCalRegNotify, CZelCalRegNotNotify>;
TYPED_TEST_SUITE(KeyWalkTest, AllPlaced);

TYPED_TEST(KeyWalkTest, EveryKeyFromEveryStopWithAndWithoutNeighbours)
{
    const std::vector<Face> faces = Walk<TypeParam>::Faces();
    for (size_t f = 0; f < faces.size(); ++f) {
        const Face& face = faces[f];
        Walk<TypeParam>::Show(this->ctrl, static_cast<int>(f));
        TestHost::Pump();
        for (bool bNeighbours : {true, false}) {
            if (bNeighbours)
                this->ctrl.SetParentCtrl(this->host.Prev(), this->host.Next());
            else
                this->ctrl.SetParentCtrl(nullptr, nullptr);
            for (size_t i = 0; i < face.stops.size(); ++i) {
                const HWND hFrom = this->Item(face.stops[i]);
                // Enter walks forward, Shift or not; Escape does nothing.
                const struct { UINT vk; bool bShift; const char* pszKey; } keys[] = {
                    {VK_TAB, false, "Tab"}, {VK_TAB, true, "Shift+Tab"}, {VK_RETURN, false, "Enter"},
                    {VK_RETURN, true, "Shift+Enter"}, {VK_ESCAPE, false, "Escape"}};
                for (const auto& key : keys) {
                    // The dialog's own handling gives Enter to the default button, not to the walk.
                    if (face.bWrap && key.vk == VK_RETURN)
                        continue;
                    SCOPED_TRACE(testing::Message() << face.pszName << " face, " << key.pszKey << " from "
                                                    << face.stops[i] << (bNeighbours ? ", neighbours" : ""));
                    this->StandOn(face, i);
                    ASSERT_EQ(TestHost::Focused(), hFrom);
                    TestHost::PressKey(key.vk, key.bShift);
                    const int nExpected = key.vk == VK_ESCAPE ? kStay
                                                              : this->Expected(face, i, key.vk == VK_TAB && key.bShift,
                                                                               bNeighbours);
                    EXPECT_EQ(TestHost::Focused(), this->Target(nExpected, hFrom));
                }
            }
        }
        // SetFocusCalCtrl: non-zero the first stop, 0 the last.
        this->ctrl.SetFocusCalCtrl(1);
        EXPECT_EQ(TestHost::Focused(), this->Item(face.stops.front())) << face.pszName;
        this->ctrl.SetFocusCalCtrl(0);
        EXPECT_EQ(TestHost::Focused(), this->Item(face.stops.back())) << face.pszName;
    }
    EXPECT_EQ(this->boxes.Count(), 0u);
    EXPECT_TRUE(::IsWindowVisible(this->host.Dialog()->m_hWnd)) << "Enter or Escape reached the host";
}

// The notification box is no field: the walk knows it by the focus, while
// Shift+Tab goes by the field last entered when that was the era list.
template <class T>
class BoxWalkTest : public KeyWalkTest<T> {};
using WithBoxBesideFields = ::testing::Types<CZelCalBirthNotify, CZelCalNormNotify>;
TYPED_TEST_SUITE(BoxWalkTest, WithBoxBesideFields);

TYPED_TEST(BoxWalkTest, ShiftTabOnTheBoxAfterTheEraListLeadsBackToTheHost)
{
    TestHost::Focus(this->Item(IDC_FORM_COMBO));
    TestHost::Focus(this->Item(IDC_CHK_NOTIFY));
    TestHost::PressKey(VK_TAB, true);
    EXPECT_EQ(TestHost::Focused(), this->host.Prev()->m_hWnd);
}

// UseControl greys every stop of both faces and the rule text, and gives them back.
template <class T>
class PeriodicUseTest : public KeyWalkTest<T> {};
using Periodic = ::testing::Types<CZelCalReg, CZelCalRegNotify, CZelCalRegNotNotify>;
TYPED_TEST_SUITE(PeriodicUseTest, Periodic);

TYPED_TEST(PeriodicUseTest, UseControlGreysEveryStopAndTheRuleText)
{
    Walk<TypeParam>::Show(this->ctrl, 0);
    std::vector<int> items{IDC_STR_EDIT};
    for (const Face& face : Walk<TypeParam>::Faces())
        items.insert(items.end(), face.stops.begin(), face.stops.end());
    for (int bEnable : {0, 1}) {
        this->ctrl.UseControl(bEnable);
        for (int nID : items)
            EXPECT_EQ(::IsWindowEnabled(this->Item(nID)) != FALSE, bEnable == 1) << nID;
    }
}

}  // namespace
