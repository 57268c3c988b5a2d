// Writing whole files: the old file survives every failure, and failures are told apart.
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Saving keeps what the user set up around a file: links, hard links, owner; it clears away what an
// interrupted save left; it refuses what is no file; and it never replaces a file with one that does
// not read back as meant.
TEST_F(TextFileWriteTest, WhatTheUserSetUpAroundAFileStays) {
    namespace fs = std::filesystem;
    struct Case {
        const char* name;
        std::function<void(const fs::path& dir)> setUp; // makes dir/a.krw (or what stands in its place)
        TextFile::ReadBackCheck check;
        TextFile::Error expected;
        std::function<void(const fs::path& dir)> verify;
    };
    auto readAt = [this](const fs::path& p) { return read(p.string()); };
    auto isLink = [](const fs::path& p) { return fs::is_symlink(fs::symlink_status(p)); };
    const Case cases[] = {
        {"symbolic link: the target is written, the link stays",
         [](const fs::path& d) {
             fs::create_directories(d / "real");
             std::FILE* f = std::fopen((d / "real/puzzle.krw").c_str(), "wb");
             std::fputs("old", f);
             std::fclose(f);
             fs::create_symlink("real/puzzle.krw", d / "a.krw");
         },
         {},
         TextFile::Error::None,
         [&](const fs::path& d) {
             EXPECT_TRUE(isLink(d / "a.krw"));
             EXPECT_EQ(fs::read_symlink(d / "a.krw"), "real/puzzle.krw");
             EXPECT_EQ(readAt(d / "real/puzzle.krw"), "new");
             EXPECT_EQ(std::distance(fs::directory_iterator(d / "real"), {}), 1);
         }},
        {"dangling symbolic link: its target is created",
         [](const fs::path& d) { fs::create_symlink("made.krw", d / "a.krw"); },
         {},
         TextFile::Error::None,
         [&](const fs::path& d) {
             EXPECT_TRUE(isLink(d / "a.krw"));
             EXPECT_EQ(readAt(d / "made.krw"), "new");
         }},
        {"hard link: both names still name one file",
         [](const fs::path& d) {
             std::FILE* f = std::fopen((d / "a.krw").c_str(), "wb");
             std::fputs("old contents, longer than the new", f);
             std::fclose(f);
             fs::create_hard_link(d / "a.krw", d / "b.krw");
         },
         {},
         TextFile::Error::None,
         [&](const fs::path& d) {
             EXPECT_EQ(readAt(d / "b.krw"), "new");
             EXPECT_EQ(fs::hard_link_count(d / "a.krw"), 2u);
             EXPECT_TRUE(fs::equivalent(d / "a.krw", d / "b.krw"));
         }},
        {"temporary files of an interrupted save are removed, nothing else",
         [](const fs::path& d) {
             for (const char* name : {"a.krw", "a.krw.tmp-Ab12Cd", "a.krw.tmp-short", "b.krw.tmp-Ab12Cd"}) {
                 std::FILE* f = std::fopen((d / name).c_str(), "wb");
                 std::fclose(f);
             }
         },
         {},
         TextFile::Error::None,
         [&](const fs::path& d) {
             EXPECT_FALSE(fs::exists(d / "a.krw.tmp-Ab12Cd"));
             EXPECT_TRUE(fs::exists(d / "a.krw.tmp-short"));
             EXPECT_TRUE(fs::exists(d / "b.krw.tmp-Ab12Cd"));
             EXPECT_EQ(readAt(d / "a.krw"), "new");
         }},
        {"a pipe is no file: refused at once, reading does not wait for a writer",
         [](const fs::path& d) { ASSERT_EQ(mkfifo((d / "a.krw").c_str(), 0644), 0); },
         {},
         TextFile::Error::NotRegular,
         [](const fs::path& d) {
             std::string out;
             EXPECT_EQ(TextFile::ReadAll((d / "a.krw").string(), out), TextFile::Error::NotRegular);
             EXPECT_EQ(fs::status(d / "a.krw").type(), fs::file_type::fifo);
         }},
        {"a file that does not read back as meant does not replace the old one",
         [](const fs::path& d) {
             std::FILE* f = std::fopen((d / "a.krw").c_str(), "wb");
             std::fputs("old", f);
             std::fclose(f);
         },
         [](std::string_view back) { return back != "new"; }, TextFile::Error::Mismatch,
         [&](const fs::path& d) {
             EXPECT_EQ(readAt(d / "a.krw"), "old");
             EXPECT_EQ(std::distance(fs::directory_iterator(d), {}), 1);
         }},
    };
    int i = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path d = dir_ / std::to_string(i++);
        fs::create_directories(d);
        c.setUp(d);
        bool checked = false;
        const TextFile::ReadBackCheck check = [&](std::string_view back) {
            checked = true;
            EXPECT_EQ(back, "new"); // the check sees the bytes as they came back from the disk
            return c.check ? c.check(back) : true;
        };
        EXPECT_EQ(TextFile::WriteAll((d / "a.krw").string(), "new", check), c.expected);
        EXPECT_EQ(checked, c.expected != TextFile::Error::NotRegular);
        c.verify(d);
    }
}

TEST_F(TextFileWriteTest, TheOwnerAndModeStay) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs the administrator";
    const auto p = path("theirs.krw");
    ASSERT_EQ(TextFile::WriteAll(p, "old"), TextFile::Error::None);
    ASSERT_EQ(chown(p.c_str(), 4321, 4322), 0);
    ASSERT_EQ(chmod(p.c_str(), 0664), 0);
    ASSERT_EQ(TextFile::WriteAll(p, "new"), TextFile::Error::None);
    struct stat st {};
    ASSERT_EQ(stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
    EXPECT_EQ(st.st_mode & 0777, 0664u);
    EXPECT_EQ(read(p), "new");
}

// A full disk is told apart from other write errors, and the old file stays. The test needs a small
// disk of its own: a memory file system mounted in a private mount namespace of a child process.
TEST_F(TextFileWriteTest, AFullDiskIsToldApart) {
    const std::string folder = path("small");
    std::filesystem::create_directories(folder);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
            _exit(77);
        const std::string p = folder + "/a.krw";
        if (TextFile::WriteAll(p, "old contents") != TextFile::Error::None) _exit(1);
        if (TextFile::WriteAll(p, std::string(200000, 'x')) != TextFile::Error::DiskFull) _exit(2);
        std::string back;
        if (TextFile::ReadAll(p, back) != TextFile::Error::None || back != "old contents") _exit(3);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no private mount namespace here";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(TextFileWriteTest, AStampTellsAChangeOfContent) {
    const std::string p =
        (std::filesystem::temp_directory_path() / ("gridmora-stamp-" + std::to_string(getpid()))).string();
    ASSERT_EQ(TextFile::WriteAll(p, "one"), TextFile::Error::None);
    const TextFile::Stamp one = TextFile::StampOf(p);
    EXPECT_TRUE(one.Exists);
    EXPECT_EQ(one, TextFile::StampOfBytes("one"));
    ASSERT_EQ(TextFile::WriteAll(p, "two"), TextFile::Error::None);
    EXPECT_NE(TextFile::StampOf(p), one); // same size, other content
    std::filesystem::remove(p);
    EXPECT_FALSE(TextFile::StampOf(p).Exists);
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
