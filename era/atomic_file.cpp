#include "atomic_file.h"

CZelAtomicFile::CZelAtomicFile(LPCSTR pszPath)
    : m_strPath(pszPath), m_strTempPath(m_strPath + ".tmp"), m_bPending(false)
{
}

CZelAtomicFile::~CZelAtomicFile() { Discard(); }

BOOL CZelAtomicFile::Open()
{
    Discard();
    // No other writer may share the temporary file while it is filled.
    if (!m_file.Open(m_strTempPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive |
                                         CFile::typeBinary))
        return FALSE;
    m_bPending = true;
    return TRUE;
}

void CZelAtomicFile::Write(const void* pData, UINT nCount) { m_file.Write(pData, nCount); }

void CZelAtomicFile::Commit()
{
    m_file.Flush();
    m_file.Close();
    CFile::Replace(m_strTempPath, m_strPath);
    m_bPending = false;
}

void CZelAtomicFile::Discard()
{
    if (!m_bPending)
        return;
    m_bPending = false;
    try {
        m_file.Close();
    } catch (CException& e) {
        e.Delete();
    }
    try {
        CFile::Remove(m_strTempPath);
    } catch (CException& e) {
        e.Delete();
    }
}
