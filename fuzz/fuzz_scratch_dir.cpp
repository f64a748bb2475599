#include "fuzz_scratch_dir.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include <unistd.h>

namespace {

std::filesystem::path& ScratchDir()
{
    static std::filesystem::path dir;
    return dir;
}

// In memory where the system offers it: a file truncated and written again
// is flushed to disk on close (ext4), which made every run wait for the disk.
std::filesystem::path ScratchParent()
{
    std::error_code ec;
    const std::filesystem::path shm = "/dev/shm";
    if (std::filesystem::is_directory(shm, ec) && ::access(shm.c_str(), W_OK) == 0)
        return shm;
    return std::filesystem::temp_directory_path();
}

void RemoveScratchDir()
{
    std::error_code ec;
    std::filesystem::current_path(std::filesystem::temp_directory_path(ec), ec);
    std::filesystem::remove_all(ScratchDir(), ec);
}

}  // namespace

void ZelFuzzEnterScratchDir()
{
    if (!ScratchDir().empty())
        return;
    std::string pattern = (ScratchParent() / "zel_fuzz_XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::abort();
    }
    ScratchDir() = pattern;
    std::atexit(RemoveScratchDir);
    std::filesystem::current_path(ScratchDir());
    std::filesystem::create_directory("data");
}

void ZelFuzzWriteFile(const char* pszPath, const std::string& bytes)
{
    std::ofstream out(pszPath, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", pszPath);
        std::abort();
    }
}

bool ZelFuzzReadFile(const char* pszPath, std::string& bytes)
{
    std::ifstream in(pszPath, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), {});
    return true;
}

std::vector<std::string> ZelFuzzListDir(const char* pszPath)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(pszPath))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
