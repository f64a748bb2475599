#include "afxfile.h"
#include "afx_mbcs.h"

#include <cerrno>
#include <climits>
#include <string>
#include <sys/stat.h>

#ifdef _WIN32
#  include <io.h>
#  include <share.h>
#else
#  include <fcntl.h>
#  include <unistd.h>
#endif

namespace {

// The file name as the C library takes it. Natively '\\' separates folders
// as on Windows; the second byte of a double-byte character is left alone
// (it may be 0x5C).
std::string HostPath(LPCSTR pszName)
{
    std::string path(pszName ? pszName : "");
#ifndef _WIN32
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (zelafx_detail::IsLeadByte(c))
            ++i;
        else if (c == '\\')
            path[i] = '/';
    }
#endif
    return path;
}

int CauseFromErrno(int err)
{
    switch (err) {
    case ENOENT: return CFileException::fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG: return CFileException::badPath;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return CFileException::accessDenied;
    case EMFILE:
    case ENFILE: return CFileException::tooManyOpenFiles;
    case ENOSPC: return CFileException::diskFull;
    case EINVAL:
    case ESPIPE: return CFileException::badSeek;
    case EIO: return CFileException::hardIO;
    default: return CFileException::generic;
    }
}

#ifdef _WIN32
int CauseFromWin32(DWORD err)
{
    switch (err) {
    case ERROR_FILE_NOT_FOUND: return CFileException::fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return CFileException::badPath;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return CFileException::accessDenied;
    case ERROR_SHARING_VIOLATION: return CFileException::sharingViolation;
    case ERROR_LOCK_VIOLATION: return CFileException::lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return CFileException::diskFull;
    default: return CFileException::generic;
    }
}
#else
// Makes a rename in the folder of pszPath durable. Best effort: some file
// systems refuse fsync on a folder, and the rename has happened either way.
void SyncParentFolder(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#endif

bool IsRegularFile(std::FILE* f)
{
#ifdef _WIN32
    struct _stat64 st;
    return _fstat64(_fileno(f), &st) == 0 && (st.st_mode & _S_IFMT) == _S_IFREG;
#else
    struct stat st;
    return fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode);
#endif
}

int Seek64(std::FILE* f, LONGLONG off, int origin)
{
#ifdef _WIN32
    return _fseeki64(f, off, origin);
#else
    return fseeko(f, static_cast<off_t>(off), origin);
#endif
}

LONGLONG Tell64(std::FILE* f)
{
#ifdef _WIN32
    return _ftelli64(f);
#else
    return static_cast<LONGLONG>(ftello(f));
#endif
}

}  // namespace

// ---- exceptions ----------------------------------------------------------------

CException::CException() = default;
CException::~CException() = default;
void CException::Delete() {}

CFileException::CFileException(int cause) : m_cause(cause) {}
CFileException::~CFileException() = default;

CMemoryException::CMemoryException() = default;
CMemoryException::~CMemoryException() = default;

// ---- CFile ---------------------------------------------------------------------

CFile::CFile() : m_pFile(nullptr) {}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : m_pFile(nullptr)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        throw error;
}

CFile::~CFile()
{
    if (m_pFile)
        std::fclose(m_pFile);
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_pFile) {
        std::fclose(m_pFile);
        m_pFile = nullptr;
    }
    const UINT access = nOpenFlags & (modeWrite | modeReadWrite);
    const char* mode;
    if (nOpenFlags & modeCreate)
        mode = access == modeWrite ? "wb" : "w+b";
    else
        mode = access == modeRead ? "rb" : "r+b";

    if (!lpszFileName || !*lpszFileName) {
        if (pError)
            pError->m_cause = CFileException::badPath;
        return FALSE;
    }
    errno = 0;
#ifdef _WIN32
    std::FILE* f = (nOpenFlags & shareExclusive) ? ::_fsopen(HostPath(lpszFileName).c_str(), mode, _SH_DENYRW)
                                                 : std::fopen(HostPath(lpszFileName).c_str(), mode);
#else
    std::FILE* f = std::fopen(HostPath(lpszFileName).c_str(), mode);
#endif
    if (!f) {
        if (pError)
            pError->m_cause = CauseFromErrno(errno);
        return FALSE;
    }
    if (!IsRegularFile(f)) {
        std::fclose(f);
        if (pError)
            pError->m_cause = CFileException::accessDenied;
        return FALSE;
    }
    m_pFile = f;
    if (pError)
        pError->m_cause = CFileException::none;
    return TRUE;
}

void CFile::ThrowIfClosed() const
{
    if (!m_pFile)
        throw CFileException(CFileException::invalidFile);
}

ULONGLONG CFile::GetLength() const
{
    ThrowIfClosed();
    const LONGLONG pos = Tell64(m_pFile);
    if (pos < 0 || Seek64(m_pFile, 0, SEEK_END) != 0)
        throw CFileException(CauseFromErrno(errno));
    const LONGLONG len = Tell64(m_pFile);
    if (len < 0 || Seek64(m_pFile, pos, SEEK_SET) != 0)
        throw CFileException(CauseFromErrno(errno));
    return static_cast<ULONGLONG>(len);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    ThrowIfClosed();
    int origin;
    switch (nFrom) {
    case begin: origin = SEEK_SET; break;
    case current: origin = SEEK_CUR; break;
    case end: origin = SEEK_END; break;
    default: throw CFileException(CFileException::badSeek);
    }
    if (Seek64(m_pFile, lOff, origin) != 0)
        throw CFileException(CFileException::badSeek);
    const LONGLONG pos = Tell64(m_pFile);
    if (pos < 0)
        throw CFileException(CFileException::badSeek);
    return static_cast<ULONGLONG>(pos);
}

void CFile::SeekToBegin() { Seek(0, begin); }

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    ThrowIfClosed();
    if (nCount == 0)
        return 0;
    if (!lpBuf)
        throw CFileException(CFileException::generic);
    errno = 0;
    const std::size_t n = std::fread(lpBuf, 1, nCount, m_pFile);
    if (n < nCount && std::ferror(m_pFile)) {
        const int err = errno;
        std::clearerr(m_pFile);
        throw CFileException(CauseFromErrno(err));
    }
    return static_cast<UINT>(n);
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    ThrowIfClosed();
    if (nCount == 0)
        return;
    if (!lpBuf)
        throw CFileException(CFileException::generic);
    if (std::fwrite(lpBuf, 1, nCount, m_pFile) < nCount) {
        std::clearerr(m_pFile);
        throw CFileException(CFileException::diskFull);
    }
}

void CFile::Close()
{
    if (!m_pFile)
        return;
    std::FILE* f = m_pFile;
    m_pFile = nullptr;
    if (std::fclose(f) != 0)
        throw CFileException(CFileException::diskFull);
}

void CFile::Flush()
{
    ThrowIfClosed();
    if (std::fflush(m_pFile) != 0)
        throw CFileException(CauseFromErrno(errno));
#ifdef _WIN32
    if (::_commit(::_fileno(m_pFile)) != 0)
#else
    if (::fsync(::fileno(m_pFile)) != 0)
#endif
        throw CFileException(CauseFromErrno(errno));
}

void CFile::Replace(LPCSTR lpszSource, LPCSTR lpszTarget)
{
    if (!lpszSource || !*lpszSource || !lpszTarget || !*lpszTarget)
        throw CFileException(CFileException::badPath);
#ifdef _WIN32
    if (!::MoveFileExA(lpszSource, lpszTarget, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw CFileException(CauseFromWin32(::GetLastError()));
#else
    const std::string target = HostPath(lpszTarget);
    if (std::rename(HostPath(lpszSource).c_str(), target.c_str()) != 0)
        throw CFileException(CauseFromErrno(errno));
    SyncParentFolder(target);
#endif
}

void CFile::Remove(LPCSTR lpszFileName)
{
    if (!lpszFileName || !*lpszFileName)
        throw CFileException(CFileException::badPath);
#ifdef _WIN32
    if (!::DeleteFileA(lpszFileName))
        throw CFileException(CauseFromWin32(::GetLastError()));
#else
    if (::unlink(HostPath(lpszFileName).c_str()) != 0)
        throw CFileException(CauseFromErrno(errno));
#endif
}

BOOL CFile::IsOpen() const { return m_pFile ? TRUE : FALSE; }

// ---- CFileFind -----------------------------------------------------------------

#ifdef _WIN32

CFileFind::CFileFind() : m_hFind(INVALID_HANDLE_VALUE) {}

CFileFind::~CFileFind() { Close(); }

BOOL CFileFind::FindFile(LPCSTR pstrName)
{
    Close();
    if (!pstrName || !*pstrName)
        return FALSE;
    WIN32_FIND_DATAA data;
    m_hFind = ::FindFirstFileA(pstrName, &data);
    if (m_hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    auto ticks = [](const FILETIME& ft) {
        return (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    };
    m_stamp.nSize = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    m_stamp.nLastWrite = ticks(data.ftLastWriteTime);
    m_stamp.nChanged = ticks(data.ftCreationTime);
    m_stamp.dwAttributes = data.dwFileAttributes;
    return TRUE;
}

BOOL CFileFind::IsDirectory() const
{
    return m_hFind != INVALID_HANDLE_VALUE && (m_stamp.dwAttributes & FILE_ATTRIBUTE_DIRECTORY) ? TRUE : FALSE;
}

void CFileFind::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE) {
        ::FindClose(m_hFind);
        m_hFind = INVALID_HANDLE_VALUE;
    }
    m_stamp = CFileStamp();
}

#else

CFileFind::CFileFind() : m_bFound(false), m_bDirectory(false) {}

CFileFind::~CFileFind() { Close(); }

// Only exact names are looked up; there are no wildcards here.
BOOL CFileFind::FindFile(LPCSTR pstrName)
{
    Close();
    if (!pstrName || !*pstrName)
        return FALSE;
    struct stat st;
    m_bFound = ::stat(HostPath(pstrName).c_str(), &st) == 0;
    m_bDirectory = m_bFound && S_ISDIR(st.st_mode);
    if (!m_bFound)
        return FALSE;
    // Seconds and nanoseconds since 1970 as 100 ns ticks since 1601.
    auto ticks = [](const struct timespec& ts) {
        const ULONGLONG kFrom1601To1970 = 116444736000000000ULL;
        return kFrom1601To1970 + static_cast<ULONGLONG>(ts.tv_sec) * 10000000ULL +
               static_cast<ULONGLONG>(ts.tv_nsec) / 100;
    };
    m_stamp.nSize = static_cast<ULONGLONG>(st.st_size);
    m_stamp.nLastWrite = ticks(st.st_mtim);
    m_stamp.nChanged = ticks(st.st_ctim);
    m_stamp.dwAttributes = static_cast<DWORD>(st.st_mode);
    m_stamp.nVolume = static_cast<ULONGLONG>(st.st_dev);
    m_stamp.nFileIndex = static_cast<ULONGLONG>(st.st_ino);
    return TRUE;
}

BOOL CFileFind::IsDirectory() const { return m_bDirectory ? TRUE : FALSE; }

void CFileFind::Close()
{
    m_bFound = m_bDirectory = false;
    m_stamp = CFileStamp();
}

#endif
