#include "zel_cal_ctrl_com.h"
#include "atomic_file.h"
#include "decimal_value.h"
#include "era_text_scan.h"

#include <climits>
#include <cstring>
#include <new>
#include <vector>

namespace {

const char kEraFilePath[] = ".\\data\\era.dat";
const char kEraBackupPath[] = ".\\data\\era.dat.bak";

// The built-in era table. A year of 0 means none; the empty name ends it.
struct DefaultEraRow
{
    int nStartYear;
    int nEndYear;
    char szEraname[20];
    int nDiv;
};

const DefaultEraRow kDefaultEras[] = {
    {0, 0, "西暦", 1},
    {1989, 0, "平成", 0},
    {1926, 1988, "昭和", 0},
    {1912, 1925, "大正", 0},
    {1868, 1911, "明治", 0},
    {-1, -1, "", 0},
};

const char* const kMonthTexts[] = {"1月", "2月", "3月", "4月", "5月", "6月",
                                   "7月", "8月", "9月", "10月", "11月", "12月"};

}  // namespace

CZelCalCtrlCom::CZelCalCtrlCom() = default;

CZelCalCtrlCom::~CZelCalCtrlCom() = default;

int CZelCalCtrlCom::ReadEraInfo(CArray<CZelEra, CZelEra&>& arr)
{
    if (ReadEraFile(kEraFilePath, arr) == 1)
        return 1;
    // Records appended before a failure stay; the defaults follow them.
    try {
        DefaultDataSet(arr);
    } catch (...) {
        TRACE("CZelCalCtrlCom::ReadEraInfo default table not set\n");
    }
    // A file that is there but could not be read (a lock, a permission) is
    // first moved aside to .\data\era.dat.bak, which needs no read access,
    // so that its eras can be put back by hand. If it cannot be moved, it
    // stays as it is and nothing is written.
    bool bWrite = true;
    try {
        CFileFind find;
        if (find.FindFile(kEraFilePath)) {
            bWrite = false;
            if (!find.IsDirectory()) {
                CFile::Replace(kEraFilePath, kEraBackupPath);
                bWrite = true;
            }
        }
    } catch (CException& e) {
        TRACE("CZelCalCtrlCom::ReadEraInfo unreadable file not moved aside\n");
        e.Delete();
    } catch (...) {
        TRACE("CZelCalCtrlCom::ReadEraInfo unreadable file not moved aside\n");
    }
    if (bWrite)
        WriteFile(arr);
    return 0;
}

int CZelCalCtrlCom::ReadEraFile(LPCSTR pszPath, CArray<CZelEra, CZelEra&>& arr)
{
    try {
        {
            CFileFind find;
            if (!find.FindFile(pszPath))
                return 0;
        }
        CFile file;
        if (!file.Open(pszPath, CFile::modeRead | CFile::typeBinary))
            return -1;
        const ULONGLONG nLength = file.GetLength();
        if (nLength >= UINT_MAX)
            throw CMemoryException();
        // Zero-filled and one byte longer, so that the text ends with a zero.
        std::vector<char> text(static_cast<std::size_t>(nLength) + 1, '\0');
        file.SeekToBegin();
        file.Read(text.data(), static_cast<UINT>(nLength));
        GetEraData(arr, text.data());
        file.Close();
        return 1;
    } catch (CException& e) {
        TRACE("CZelCalCtrlCom::ReadEraFile file exception\n");
        e.Delete();
    } catch (const std::bad_alloc&) {
        TRACE("CZelCalCtrlCom::ReadEraFile memory exception\n");
    } catch (...) {
        TRACE("CZelCalCtrlCom::ReadEraFile exception\n");
    }
    return -1;
}

int CZelCalCtrlCom::WriteFile(CArray<CZelEra, CZelEra&>& arr) { return WriteEraFile(kEraFilePath, arr); }

int CZelCalCtrlCom::WriteEraFile(LPCSTR pszPath, CArray<CZelEra, CZelEra&>& arr)
{
    try {
        CZelAtomicFile file(pszPath);
        if (!file.Open())
            return 0;
        for (INT_PTR i = 0; i < arr.GetSize(); ++i) {
            CZelEra& era = arr.ElementAt(i);
            CString line;
            line.Format("%d,%d,%s,%d\r\n", era.GetStartYear(), era.GetEndYear(),
                        static_cast<LPCSTR>(era.GetEraname()), era.GetDiv());
            file.Write(static_cast<LPCSTR>(line), static_cast<UINT>(line.GetLength()));
        }
        file.Commit();
        return 1;
    } catch (CException& e) {
        TRACE("CZelCalCtrlCom::WriteFile file exception\n");
        e.Delete();
    } catch (const std::bad_alloc&) {
        TRACE("CZelCalCtrlCom::WriteFile memory exception\n");
    } catch (...) {
        TRACE("CZelCalCtrlCom::WriteFile exception\n");
    }
    return 0;
}

int CZelCalCtrlCom::KeepBackup(LPCSTR pszPath)
{
    try {
        CFile source;
        if (!source.Open(pszPath, CFile::modeRead | CFile::typeBinary))
            return 0;
        CZelAtomicFile backup(CString(pszPath) + ".bak");
        if (!backup.Open())
            return 0;
        std::vector<char> chunk(64 * 1024);
        for (UINT n; (n = source.Read(chunk.data(), static_cast<UINT>(chunk.size()))) > 0;)
            backup.Write(chunk.data(), n);
        backup.Commit();
        return 1;
    } catch (CException& e) {
        TRACE("CZelCalCtrlCom::KeepBackup file exception\n");
        e.Delete();
    } catch (...) {
        TRACE("CZelCalCtrlCom::KeepBackup exception\n");
    }
    return 0;
}

void CZelCalCtrlCom::BuiltInTable(CArray<CZelEra, CZelEra&>& arr) { DefaultDataSet(arr); }

void CZelCalCtrlCom::DefaultDataSet(CArray<CZelEra, CZelEra&>& arr)
{
    for (const DefaultEraRow* row = kDefaultEras; row->szEraname[0] != '\0'; ++row) {
        CZelEra era;
        era.SetEraInfo(row->nDiv, row->szEraname, row->nStartYear, row->nEndYear);
        arr.Add(era);
    }
}

// One record per line "first,last,name,flag" ended by CR and one more byte.
void CZelCalCtrlCom::GetEraData(CArray<CZelEra, CZelEra&>& arr, char* pText)
{
    ZelScanEraText(pText, [&arr](const ZelEraFields& fields) {
        CZelEra era;
        era.SetEraInfo(ZelDecimalValue(fields.strDiv), fields.strEraname, ZelDecimalValue(fields.strFirstYear),
                       ZelDecimalValue(fields.strLastYear));
        arr.Add(era);
    });
}

int CZelCalCtrlCom::ChkInputDay(int nDay) { return nDay >= 1 && nDay <= 31 ? 1 : 0; }

int CZelCalCtrlCom::GetStrToMonth(char* str)
{
    if (!str)
        return 0;
    for (int i = 0; i < 12; ++i) {
        if (std::strcmp(str, kMonthTexts[i]) == 0)
            return i + 1;
    }
    return 0;
}
