#include "afx.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

using CFileTest = ScratchDirTest;

TEST_F(CFileTest, CreateWriteAndReadBack)
{
    {
        CFile file;
        ASSERT_TRUE(file.Open("out.bin", CFile::modeCreate | CFile::modeWrite | CFile::typeBinary));
        EXPECT_TRUE(file.IsOpen());
        file.Write("ab\r\ncd\0e", 8);  // binary: CR LF and zero bytes kept
        file.Write("", 0);
        file.Close();
        EXPECT_FALSE(file.IsOpen());
        file.Close();  // closing twice is harmless
    }
    EXPECT_EQ(ReadBytes("out.bin"), std::string("ab\r\ncd\0e", 8));

    CFile file("out.bin", CFile::modeRead);
    EXPECT_EQ(file.GetLength(), 8u);
    char buf[16] = {};
    EXPECT_EQ(file.Read(buf, 3), 3u);
    EXPECT_EQ(std::string(buf, 3), "ab\r");
    // Past the end: what there is, then nothing.
    EXPECT_EQ(file.Read(buf, sizeof buf), 5u);
    EXPECT_EQ(std::string(buf, 5), std::string("\ncd\0e", 5));
    EXPECT_EQ(file.Read(buf, sizeof buf), 0u);
}

TEST_F(CFileTest, CreateReplacesAnExistingFile)
{
    WriteBytes("f.txt", "a long old content");
    {
        CFile file("f.txt", CFile::modeCreate | CFile::modeWrite);
        file.Write("new", 3);
    }  // the destructor closes and flushes
    EXPECT_EQ(ReadBytes("f.txt"), "new");
}

TEST_F(CFileTest, SeekAndLength)
{
    WriteBytes("f.bin", "0123456789");
    CFile file("f.bin", CFile::modeRead);
    EXPECT_EQ(file.Seek(4, CFile::begin), 4u);
    EXPECT_EQ(file.Seek(2, CFile::current), 6u);
    EXPECT_EQ(file.Seek(-3, CFile::end), 7u);
    // GetLength keeps the position.
    EXPECT_EQ(file.GetLength(), 10u);
    char c = 0;
    EXPECT_EQ(file.Read(&c, 1), 1u);
    EXPECT_EQ(c, '7');
    file.SeekToBegin();
    EXPECT_EQ(file.Read(&c, 1), 1u);
    EXPECT_EQ(c, '0');
    EXPECT_THROW(file.Seek(-1, CFile::begin), CFileException);
    EXPECT_THROW(file.Seek(0, 7), CFileException);
}

TEST_F(CFileTest, FailuresAreReportedOrThrown)
{
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open("missing.bin", CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Open("missing.bin", CFile::modeRead));  // no error object
    EXPECT_FALSE(file.Open("", CFile::modeRead, &error));
    EXPECT_FALSE(file.Open(nullptr, CFile::modeRead, &error));

    // A file in a folder that does not exist cannot be created.
    EXPECT_FALSE(file.Open(".\\nofolder\\x.bin", CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_NE(error.m_cause, CFileException::none);
    EXPECT_FALSE(std::filesystem::exists("nofolder"));

    // A directory is not a file, for reading or for writing.
    std::filesystem::create_directory("dir");
    EXPECT_FALSE(file.Open("dir", CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
    EXPECT_FALSE(file.Open("dir", CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_NE(error.m_cause, CFileException::none);

    try {
        CFile thrown("missing.bin", CFile::modeRead);
        ADD_FAILURE() << "opened a missing file";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
    }

    // Any use of a file that is not open throws.
    char buf[4];
    EXPECT_THROW(file.Read(buf, 4), CFileException);
    EXPECT_THROW(file.Write("x", 1), CFileException);
    EXPECT_THROW(file.GetLength(), CFileException);
    EXPECT_THROW(file.Seek(0, CFile::begin), CFileException);
    EXPECT_THROW(file.SeekToBegin(), CFileException);

    // Writing to a file opened for reading fails.
    WriteBytes("ro.bin", "abc");
    CFile readOnly("ro.bin", CFile::modeRead);
    EXPECT_THROW(readOnly.Write("xyz", 3), CFileException);
    EXPECT_EQ(ReadBytes("ro.bin"), "abc");
}

TEST_F(CFileTest, BackslashSeparatesFolders)
{
    MakeDataDir();
    {
        CFile file(".\\data\\x.dat", CFile::modeCreate | CFile::modeWrite);
        file.Write("ok", 2);
    }
    EXPECT_EQ(ReadBytes("data/x.dat"), "ok");

    CFileFind find;
    EXPECT_TRUE(find.FindFile(".\\data\\x.dat"));
    EXPECT_TRUE(find.FindFile("data/x.dat"));
    EXPECT_TRUE(find.FindFile(".\\data"));
    EXPECT_FALSE(find.FindFile(".\\data\\y.dat"));
    EXPECT_FALSE(find.FindFile(".\\nodata\\x.dat"));
    EXPECT_FALSE(find.FindFile(""));
    find.Close();
    find.Close();
}
