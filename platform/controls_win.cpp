// Thin wrappers of the standard controls and of GDI objects.
#include "afxwin.h"
#include "afx_text_win.h"

#include <vector>

void CEdit::LimitText(int nChars) { ::SendMessageA(m_hWnd, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0); }

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    ::SendMessageA(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
    if (!bNoScroll)
        ::SendMessageA(m_hWnd, EM_SCROLLCARET, 0, 0);
}

DWORD CEdit::GetSel() const { return static_cast<DWORD>(::SendMessageA(m_hWnd, EM_GETSEL, 0, 0)); }

void CEdit::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo)
{
    const std::wstring text = AfxWideFromText(lpszNewText);
    ::SendMessageW(m_hWnd, EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), reinterpret_cast<LPARAM>(text.c_str()));
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly)
{
    return static_cast<BOOL>(::SendMessageA(m_hWnd, EM_SETREADONLY, static_cast<WPARAM>(bReadOnly), 0));
}

int CComboBox::GetCount() const { return static_cast<int>(::SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0)); }
int CComboBox::GetCurSel() const { return static_cast<int>(::SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0)); }

int CComboBox::SetCurSel(int nSelect)
{
    return static_cast<int>(::SendMessageA(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(nSelect), 0));
}

int CComboBox::AddString(LPCSTR lpszString)
{
    const std::wstring text = AfxWideFromText(lpszString);
    return static_cast<int>(::SendMessageW(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void CComboBox::ResetContent() { ::SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0); }

// An item's text read wide and converted; FALSE for an index out of range.
static BOOL ReadItemText(HWND hCombo, int nIndex, CString& rString)
{
    rString.Empty();
    const LRESULT nWide = ::SendMessageW(hCombo, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex), 0);
    if (nWide == CB_ERR)
        return FALSE;
    std::vector<wchar_t> buf(static_cast<size_t>(nWide) + 1, L'\0');
    const LRESULT nRead =
        ::SendMessageW(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(buf.data()));
    if (nRead == CB_ERR)
        return FALSE;
    rString = AfxTextFromWide(buf.data(), static_cast<int>(nRead));
    return TRUE;
}

// Lengths and texts in bytes of code page 932, as the narrow list gives them.
int CComboBox::GetLBTextLen(int nIndex) const
{
    CString strText;
    return ReadItemText(m_hWnd, nIndex, strText) ? strText.GetLength() : CB_ERR;
}

// The buffer holds GetLBTextLen(nIndex) + 1 bytes at least, as the list's own
// message asks.
int CComboBox::GetLBText(int nIndex, LPSTR lpszText) const
{
    CString strText;
    if (!ReadItemText(m_hWnd, nIndex, strText))
        return CB_ERR;
    return AfxCopyText(strText, lpszText, strText.GetLength() + 1);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const { ReadItemText(m_hWnd, nIndex, rString); }

BOOL CComboBox::GetDroppedState() const
{
    return static_cast<BOOL>(::SendMessageA(m_hWnd, CB_GETDROPPEDSTATE, 0, 0));
}

void CComboBox::ShowDropDown(BOOL bShowIt)
{
    ::SendMessageA(m_hWnd, CB_SHOWDROPDOWN, static_cast<WPARAM>(bShowIt), 0);
}

int CButton::GetCheck() const { return static_cast<int>(::SendMessageA(m_hWnd, BM_GETCHECK, 0, 0)); }
void CButton::SetCheck(int nCheck) { ::SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck), 0); }

// ---- GDI ---------------------------------------------------------------------------

CGdiObject::~CGdiObject() { DeleteObject(); }

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    BOOL bResult = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return bResult;
}

CBrush::CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    DeleteObject();
    m_hObject = ::CreateSolidBrush(crColor);
    return m_hObject != nullptr;
}

COLORREF CDC::SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
COLORREF CDC::SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
int CDC::SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
