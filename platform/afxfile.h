// Exceptions, CFile (binary files over C stdio) and CFileFind (existence).
#pragma once

#include "afxbase.h"

#include <cstdint>
#include <cstdio>

#ifndef _WIN32
typedef std::int64_t LONGLONG;
#endif

// Exceptions are thrown and caught by value or reference; Delete() does
// nothing and is there for code written the platform's way.
class ZELAFX_API CException
{
public:
    CException();
    CException(const CException&) = default;
    CException& operator=(const CException&) = default;
    virtual ~CException();
    void Delete();
};

class ZELAFX_API CFileException : public CException
{
public:
    enum
    {
        none = 0,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none);
    ~CFileException() override;

    int m_cause;
};

class ZELAFX_API CMemoryException : public CException
{
public:
    CMemoryException();
    ~CMemoryException() override;
};

// Paths may use '\\' as separator in both builds. Files are always binary.
class ZELAFX_API CFile
{
public:
    enum OpenFlags
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,  // Windows: no other handle while open; natively ignored
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
        typeBinary = 0x8000
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile();
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);  // throws CFileException
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile();

    // FALSE on failure, with the cause in *pError when given. Only regular
    // files open; a directory fails with accessDenied. An open file is
    // closed first.
    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    // These throw CFileException when the file is not open or the call fails.
    ULONGLONG GetLength() const;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin();
    UINT Read(void* lpBuf, UINT nCount);  // fewer bytes at the end of the file
    void Write(const void* lpBuf, UINT nCount);  // a short write: diskFull
    void Close();  // throws when buffered data cannot be written
    // Writes buffered data through to the disk; throws when that fails.
    void Flush();

    // Moves lpszSource over lpszTarget in one step, replacing a file of that
    // name, and makes the move durable; throws CFileException when it fails,
    // and the target then stays as it was.
    static void Replace(LPCSTR lpszSource, LPCSTR lpszTarget);
    // Deletes a file; throws CFileException when it cannot.
    static void Remove(LPCSTR lpszFileName);

    BOOL IsOpen() const;

private:
    void ThrowIfClosed() const;

    std::FILE* m_pFile;
};

// What a directory entry tells of a file without opening it. Times count
// 100 ns since 1601 (UTC). A file rewritten in place or replaced changes at
// least one field, unless the rewrite falls within the timestamp's
// granularity or sets the times back on purpose.
struct CFileStamp
{
    ULONGLONG nSize = 0;
    ULONGLONG nLastWrite = 0;
    // Windows: the creation time; natively: the last change of the entry
    // (a write, a rename over it, a change of mode).
    ULONGLONG nChanged = 0;
    DWORD dwAttributes = 0;  // Windows attributes; natively the mode bits
    // Natively the device and inode number, which tell one file from another
    // whatever path reached it; a Windows listing does not tell them (0).
    ULONGLONG nVolume = 0;
    ULONGLONG nFileIndex = 0;

    bool operator==(const CFileStamp& o) const
    {
        return nSize == o.nSize && nLastWrite == o.nLastWrite && nChanged == o.nChanged &&
               dwAttributes == o.dwAttributes && nVolume == o.nVolume && nFileIndex == o.nFileIndex;
    }
};

// Tells whether a file or directory of the given name exists, and what its
// directory entry says of it.
class ZELAFX_API CFileFind
{
public:
    CFileFind();
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;
    ~CFileFind();

    BOOL FindFile(LPCSTR pstrName);
    // After a successful FindFile: TRUE when the name is a directory.
    BOOL IsDirectory() const;
    // The entry found by the last successful FindFile; all zero otherwise.
    const CFileStamp& GetStamp() const { return m_stamp; }
    void Close();

private:
#ifdef _WIN32
    HANDLE m_hFind;
#else
    bool m_bFound;
    bool m_bDirectory;
#endif
    CFileStamp m_stamp;
};
