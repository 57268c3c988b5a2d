// Writing whole files: the old file survives every failure, and failures are told apart.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

#include "basics/TextFile.h"

namespace {

class TextFileWriteTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("gridmora-write-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::permissions(dir_ / "locked.krw", std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(dir_, ec);
    }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    std::string read(const std::string& p) const {
        std::string out;
        EXPECT_EQ(TextFile::ReadAll(p, out), TextFile::Error::None);
        return out;
    }
    size_t filesInFolder() const {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir_), {}));
    }
    std::filesystem::path dir_;
};

TEST_F(TextFileWriteTest, WritesAndReplacesKeepingThePermissions) {
    const auto p = path("a.krw");
    ASSERT_EQ(TextFile::WriteAll(p, "one\r\n"), TextFile::Error::None);
    EXPECT_EQ(read(p), "one\r\n");
    ASSERT_EQ(chmod(p.c_str(), 0640), 0);
    ASSERT_EQ(TextFile::WriteAll(p, "two\r\n"), TextFile::Error::None);
    EXPECT_EQ(read(p), "two\r\n");
    struct stat st {};
    ASSERT_EQ(stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(filesInFolder(), 1u); // no temporary file left behind
}

TEST_F(TextFileWriteTest, AReadOnlyFileIsAnAccessErrorAndStaysAsItWas) {
    const auto p = path("locked.krw");
    ASSERT_EQ(TextFile::WriteAll(p, "old"), TextFile::Error::None);
    ASSERT_EQ(chmod(p.c_str(), 0444), 0);
    EXPECT_EQ(TextFile::WriteAll(p, "new"), TextFile::Error::Access);
    EXPECT_EQ(read(p), "old");
    // A folder in place of the file is no file to write either.
    std::filesystem::create_directories(dir_ / "folder.krw");
    EXPECT_EQ(TextFile::WriteAll(path("folder.krw"), "x"), TextFile::Error::Access);
    // A folder that does not exist is a write error.
    EXPECT_EQ(TextFile::WriteAll(path("missing/x.krw"), "x"), TextFile::Error::Other);
}

TEST_F(TextFileWriteTest, AFailureWhileWritingLeavesTheOldFile) {
    const auto p = path("full.krw");
    ASSERT_EQ(TextFile::WriteAll(p, "old contents"), TextFile::Error::None);
    // A file size limit makes the writes fail part-way, as a full disk does.
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto err = TextFile::WriteAll(p, std::string(100000, 'x'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(err, TextFile::Error::Other);
    EXPECT_EQ(read(p), "old contents");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(TextFileWriteTest, NamesTheFileNameAloneDecidesAboutTheExtension) {
    struct Case {
        const char* path;
        bool dot;
    } cases[] = {{"/home/john.doe/puzzle", false},
                 {"/home/john/puzzle.krw", true},
                 {"puzzle", false},
                 {"/a.b/c.d/e", false},
                 {"/x/.hidden", true},
                 {"", false}};
    for (const auto& c : cases)
        EXPECT_EQ(TextFile::FileNameHasDot(c.path), c.dot) << c.path;
    EXPECT_EQ(TextFile::FileNameOf("/home/john.doe/puzzle"), "puzzle");
}

TEST_F(TextFileWriteTest, ReadMissingFilesAndTooLargeFiles) {
    std::string out = "x";
    EXPECT_EQ(TextFile::ReadAll("/nonexistent/dir/file.krw", out), TextFile::Error::NotFound);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(TextFile::ReadAll("/proc/self/cmdline", out, 1), TextFile::Error::Other);
}

} // namespace
