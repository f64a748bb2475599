#include "controls/zel_cal_birth.h"

#include "controls/host_signals.h"
#include "controls/zel_field_text.h"
#include "controls/zel_messages.h"

BEGIN_MESSAGE_MAP(CZelCalBirth, CZelBirthYearFrame)
    ON_EN_KILLFOCUS(IDC_YEAR_EDIT, OnKillfocusYearEdit)
END_MESSAGE_MAP()

CZelCalBirth::CZelCalBirth(CWnd* pParent) : CZelBirthYearFrame(IDD_ZELCALBIRTH, pParent) {}

CZelCalBirth::~CZelCalBirth() = default;

void CZelCalBirth::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FORM_COMBO, m_FormCombo);
    DDX_Control(pDX, IDC_YEAR_EDIT, m_YearEdit);
}

// The year check when the field is left: any positive number of digits is
// taken (the range is tested only when the era list is switched).
void CZelCalBirth::OnKillfocusYearEdit()
{
    if (GoingAway())
        return;
    bool bZeroYear = false;
    {
        // The box's own focus changes find the stage held and check nothing.
        CZelCheckStage stage;
        if (!stage.Entered())
            return;
        CZelFieldText year(*this, IDC_YEAR_EDIT);
        if (!year.DigitsOnly()) {
            ZelMessageBox(this, ZEL_MSG_NOT_NUMERIC, MB_ICONSTOP, true);
            if (!StillHere())
                return;
            m_YearEdit.SetFocus();
            SendErrorMessage();
            return;
        }
        const int nYear = year.Value();
        if (nYear != 0) {
            m_date.nYear = nYear;
            return;
        }
        ZelMessageBox(GetParent(), ZEL_MSG_INVALID_INPUT, MB_ICONSTOP, true);
        if (!StillHere())
            return;
        m_YearEdit.SetFocus();
        bZeroYear = true;
    }
    // Told to the host once the stage is left.
    if (bZeroYear)
        SendErrorMessage();
}
