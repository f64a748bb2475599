// CZelAtomicFile: replaces a file in one step. The new bytes go to
// "<path>.tmp" in the same folder, are flushed to the disk, and only then
// moved over the path. Until Commit succeeds the old file stays byte for
// byte as it was; a temporary file left by an interrupted write is
// overwritten and moved away by the next write.
#pragma once

#include "afx.h"

class CZelAtomicFile
{
public:
    explicit CZelAtomicFile(LPCSTR pszPath);
    CZelAtomicFile(const CZelAtomicFile&) = delete;
    CZelAtomicFile& operator=(const CZelAtomicFile&) = delete;
    // An uncommitted temporary file is closed and deleted.
    ~CZelAtomicFile();

    // Creates the temporary file; FALSE when it cannot be made.
    BOOL Open();
    // These throw CFileException (Commit also when the move fails).
    void Write(const void* pData, UINT nCount);
    void Commit();

private:
    void Discard();

    CString m_strPath;
    CString m_strTempPath;
    CFile m_file;
    bool m_bPending;
};
