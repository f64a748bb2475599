#include "fuzz_check.h"

#include "scratch_dir.h"

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

void ZelFuzzFail(const char* pszFile, int nLine, const char* pszWhat, const std::string& strDetail)
{
    std::fprintf(stderr, "%s:%d: expectation failed: %s\n  %s\n", pszFile, nLine, pszWhat, strDetail.c_str());
    std::abort();
}

std::string ZelFuzzQuote(const std::string& bytes)
{
    std::string out = "\"";
    char hex[8];
    for (const unsigned char c : bytes) {
        const bool bPlain = c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
        std::snprintf(hex, sizeof hex, bPlain ? "%c" : "\\x%02X", c);
        out += hex;
    }
    return out + "\"";
}

void ZelFuzzEnterScratchDir()
{
    // In memory where the system offers it: a file truncated and written
    // again is flushed to disk on close (ext4), which made every run wait.
    static ScratchDir dir(::access("/dev/shm", W_OK) == 0 ? std::filesystem::path("/dev/shm")
                                                         : std::filesystem::temp_directory_path());
    std::filesystem::create_directory("data");
}

std::vector<ZelModelEra> ZelFuzzRowsOf(CArray<CZelEra, CZelEra&>& arr, INT_PTR nFirst)
{
    std::vector<ZelModelEra> rows;
    for (INT_PTR i = nFirst; i < arr.GetSize(); ++i) {
        const CString strName = arr[i].GetEraname();
        rows.push_back({arr[i].GetDiv(), std::string(static_cast<LPCSTR>(strName), strName.GetLength()),
                        arr[i].GetStartYear(), arr[i].GetEndYear()});
    }
    return rows;
}

std::string ZelFuzzDescribe(const std::vector<ZelModelEra>& eras)
{
    std::string out = std::to_string(eras.size()) + " records:";
    for (const ZelModelEra& era : eras)
        out += " {" + std::to_string(era.nDiv) + "," + ZelFuzzQuote(era.strName) + "," +
               std::to_string(era.nStartYear) + "," + std::to_string(era.nEndYear) + "}";
    return out;
}
