// Test fixture: each test runs in a fresh empty current directory of its own,
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
        std::random_device rd;
        for (int attempt = 0; attempt < 100 && m_dir.empty(); ++attempt) {
            fs::path candidate = fs::temp_directory_path() / ("zel_core_" + std::to_string(rd()));
            if (fs::create_directory(candidate))
                m_dir = candidate;
        }
        ASSERT_FALSE(m_dir.empty()) << "no scratch directory";
        fs::current_path(m_dir);
    }

    void TearDown() override
    {
        namespace fs = std::filesystem;
        fs::current_path(m_previous);
        if (!m_dir.empty()) {
            std::error_code ec;
            fs::remove_all(m_dir, ec);
        }
    }

    static void MakeDataDir() { std::filesystem::create_directory("data"); }

    static void WriteBytes(const std::string& path, const std::string& bytes)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    static std::string ReadBytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // The era file of the current directory.
    static void WriteEraFile(const std::string& bytes)
    {
        MakeDataDir();
        WriteBytes("data/era.dat", bytes);
    }

    static std::string ReadEraFile() { return ReadBytes("data/era.dat"); }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_dir;
};
