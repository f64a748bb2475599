// Fixture: each test runs in a fresh empty current directory of its own,
// removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

class ScratchDirTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        m_previous = fs::current_path();
        for (std::random_device rd; m_dir.empty();) {
            const fs::path candidate = fs::temp_directory_path() / ("zel_core_" + std::to_string(rd()));
            if (fs::create_directory(candidate))
                m_dir = candidate;
        }
        fs::current_path(m_dir);
    }

    void TearDown() override
    {
        std::filesystem::current_path(m_previous);
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }

    static void WriteBytes(const char* path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

    static std::string ReadBytes(const char* path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    static void WriteEraFile(const std::string& bytes)
    {
        std::filesystem::create_directory("data");
        WriteBytes("data/era.dat", bytes);
    }

    std::filesystem::path m_previous, m_dir;
};
