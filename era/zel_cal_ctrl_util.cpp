#include "zel_cal_ctrl_util.h"
#include "era_date_text.h"
#include "era_file_snapshot.h"
#include "rule_wording.h"

CZelCalCtrlUtil::CZelCalCtrlUtil()
{
    try {
        m_eraArray.RemoveAll();
        ZelReadEraTableNow(m_eraArray);
    } catch (...) {
        TRACE("CZelCalCtrlUtil::CZelCalCtrlUtil era table not loaded\n");
    }
}

CZelCalCtrlUtil::~CZelCalCtrlUtil() = default;

CString CZelCalCtrlUtil::FromEra(int nEra, int nYear, int nMonth, int nDay)
{
    try {
        CString strResult = ZelEraDateText(m_eraArray, nEra, nYear, nMonth, nDay);
        TRACE("FromEra=\"%s\"\n", static_cast<LPCSTR>(strResult));
        return strResult;
    } catch (...) {
        return CString();
    }
}

CString CZelCalCtrlUtil::FromEra(int nEra, const COleDateTime& date)
{
    return FromEra(nEra, date.GetYear(), date.GetMonth(), date.GetDay());
}

CString CZelCalCtrlUtil::FromSettingNotify(int bNotify)
{
    try {
        return CString(ZelNotifyWord(bNotify));
    } catch (...) {
        return CString();
    }
}

CString CZelCalCtrlUtil::FromSettingNotifyAndInterval(int bNotify, int nInterval, COleDateTime date)
{
    try {
        return ZelNotifySentence(bNotify, nInterval, date.GetMonth(), date.GetDay());
    } catch (...) {
        return CString();
    }
}
