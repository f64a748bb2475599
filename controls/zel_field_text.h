// A field's text as the controls read it: through a 256-byte buffer, with its
// decimal value and the digits-only check the era record gives.
#pragma once

#include "afxwin.h"
#include "era/era_core.h"

class CZelFieldText {
public:
    CZelFieldText(const CWnd& dlg, int nID) { dlg.GetDlgItemText(nID, m_sz, sizeof m_sz); }

    char* Text() { return m_sz; }
    bool IsEmpty() const { return m_sz[0] == '\0'; }
    int Value() const { return ZelDecimalValue(m_sz); }
    bool DigitsOnly() { return CZelEra::ChkNum(m_sz) != 0; }

private:
    char m_sz[256] = {};
};
