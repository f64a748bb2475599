// Base of the tests of one date control: the control made with Create inside
// the host dialog between the two host fields (its neighbours), and the
// owners the library asks for its message boxes.
#pragma once

#include <string>
#include <utility>

#include "box_owner_probe.h"
#include "controls/zel_messages.h"
#include "window_test.h"

// The selection of an edit field as [start, end).
inline std::pair<int, int> Selected(HWND hEdit)
{
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageA(hEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    return {static_cast<int>(dwStart), static_cast<int>(dwEnd)};
}

// Positions of the built-in era table in every era list.
enum EraPos { kWestern = 0, kHeisei = 1, kShowa = 2, kTaisho = 3, kMeiji = 4 };

template <class TControl>
class DateControlTest : public WindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owners.Installed());
        ASSERT_TRUE(ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), host.Dialog(), 1000,
                                nullptr));
        host.Place(ctrl);
        ctrl.SetParentCtrl(host.Prev(), host.Next());
    }

    HWND Item(int nID) const { return ::GetDlgItem(ctrl.m_hWnd, nID); }
    std::string Text(int nID) const { return TestHost::Text(Item(nID)); }
    int Sel() const { return TestHost::Selection(Item(IDC_FORM_COMBO)); }
    void SetText(int nID, const char* pszText)
    {
        ::SetDlgItemTextA(ctrl.m_hWnd, nID, pszText);
        TestHost::Pump();
    }
    // The user selects the whole field and types over it (nothing: deletes it).
    void TypeOver(int nID, const char* pszText)
    {
        TestHost::Focus(Item(nID));
        ::SendMessageA(Item(nID), EM_SETSEL, 0, -1);
        if (*pszText == '\0')
            TestHost::PressKey(VK_DELETE);
        else
            TestHost::Type(pszText);
    }

    MessageBoxOwnerProbe owners;
    TControl ctrl;
};
