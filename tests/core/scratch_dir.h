// A fresh empty directory, the current one while the object lives, and the
// file helpers of the tests and the fuzz targets.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

inline void WriteBytes(const char* path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

inline std::string ReadBytes(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteEraFile(const std::string& bytes)
{
    std::filesystem::create_directory("data");
    WriteBytes("data/era.dat", bytes);
}

class ScratchDir
{
public:
    explicit ScratchDir(const std::filesystem::path& parent = std::filesystem::temp_directory_path())
        : m_previous(std::filesystem::current_path())
    {
        std::random_device rd;
        while (!std::filesystem::create_directory(m_dir = parent / ("zel_" + std::to_string(rd()))))
            ;
        std::filesystem::current_path(m_dir);
    }
    ~ScratchDir()
    {
        std::error_code ec;
        std::filesystem::current_path(m_previous, ec);
        std::filesystem::remove_all(m_dir, ec);
    }

private:
    std::filesystem::path m_previous, m_dir;
};

#ifndef ZEL_SCRATCH_DIR_ONLY  // not in the fuzz targets
#  include <gtest/gtest.h>
// Each test in a scratch directory of its own.
class ScratchDirTest : public ::testing::Test { ScratchDir m_scratch; };
#endif
