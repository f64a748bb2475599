#include "zel_cal_ctrl_util.h"
#include "zel_cal_ctrl_com.h"
#include "rule_wording.h"

CZelCalCtrlUtil::CZelCalCtrlUtil()
{
    try {
        m_eraArray.RemoveAll();
        CZelCalCtrlCom com;
        com.ReadEraInfo(m_eraArray);
    } catch (...) {
        TRACE("CZelCalCtrlUtil::CZelCalCtrlUtil era table not loaded\n");
    }
}

CZelCalCtrlUtil::~CZelCalCtrlUtil() = default;

CString CZelCalCtrlUtil::FromEra(int nEra, int nYear, int nMonth, int nDay)
{
    try {
        CString strResult;
        if (nEra != 0) {
            strResult.Format("%d/%02d/%02d", nYear, nMonth, nDay);
        } else {
            // The first Japanese era in table order whose years hold nYear.
            for (INT_PTR i = 0; i < m_eraArray.GetSize(); ++i) {
                CZelEra& era = m_eraArray.ElementAt(i);
                const int nFirst = era.GetStartYear();
                int nLast = era.GetEndYear();
                if (nLast <= 0)
                    nLast = 9999;
                if (era.GetDiv() == 0 && nFirst <= nYear && nYear <= nLast) {
                    // nFirst >= -1 and nYear <= 9999: no overflow.
                    strResult.Format("%s%d/%02d/%02d", static_cast<LPCSTR>(era.GetEraname()),
                                     nYear - nFirst + 1, nMonth, nDay);
                    break;
                }
            }
        }
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
