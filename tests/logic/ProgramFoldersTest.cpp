// Where the program finds its data and keeps its settings: the portable folder, the installed layout and
// the user's settings folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "app/ProgramFolders.h"
#include "basics/TextFile.h"

namespace {

namespace fs = std::filesystem;

class ProgramFoldersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("gridmora-folders-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
        env_ = {(root_ / "config").string(), "/nonexistent-home", ""};
    }
    void TearDown() override {
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(root_, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(root_, ec);
    }
    std::string dir(const std::string& relative) {
        fs::create_directories(root_ / relative);
        return (root_ / relative).string();
    }
    std::string userFolder() const { return (root_ / "config").string() + "/gridmora/"; }
    fs::path root_;
    FolderEnvironment env_;
};

TEST_F(ProgramFoldersTest, TheUserSettingsFolder) {
    struct Row {
        const char* xdg;
        const char* home;
        const char* account;
        const char* folder;
    } rows[] = {
        {"/x/config", "/home/u", "/acct", "/x/config/gridmora/"},
        {"/x/config/", "/home/u", "/acct", "/x/config/gridmora/"},
        // A relative XDG_CONFIG_HOME is not to be used.
        {"config", "/home/u", "/acct", "/home/u/.config/gridmora/"},
        {"", "/home/u/", "/acct", "/home/u/.config/gridmora/"},
        // Without HOME (or with a relative one) the account's home serves.
        {"", "", "/acct", "/acct/.config/gridmora/"},
        {"", "u", "/acct", "/acct/.config/gridmora/"},
        // No home at all: no settings folder.
        {"", "", "", ""},
        {"", "", "acct", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.xdg) + " | " + r.home + " | " + r.account);
        EXPECT_EQ(UserSettingsFolder({r.xdg, r.home, r.account}), r.folder);
    }
}

TEST_F(ProgramFoldersTest, APortableFolderKeepsItsSettingsBesideItselfWhileItCanBeWritten) {
    const std::string program = dir("portable");
    dir("portable/Language");
    // An installed layout beside it does not matter: the binary's own folder comes first.
    dir("share/gridmora/Language");
    ProgramFolders f = LocateProgramFolders(program, env_);
    EXPECT_EQ(f.AppDir, program + "/");
    EXPECT_EQ(f.SettingsDir, program + "/");
    EXPECT_TRUE(f.Portable);

    // A read-only program folder (a CD, a folder the user may not write) keeps its data beside itself and
    // its settings in the user's folder, for the administrator as well.
    ASSERT_EQ(::chmod(program.c_str(), 0555), 0);
    f = LocateProgramFolders(program + "/", env_);
    EXPECT_EQ(f.AppDir, program + "/");
    EXPECT_EQ(f.SettingsDir, userFolder());
    EXPECT_FALSE(f.Portable);
}

TEST_F(ProgramFoldersTest, AnInstalledProgramFindsItsDataInShareAndKeepsItsSettingsWithTheUser) {
    const std::string bin = dir("usr/bin");
    const std::string data = dir("usr/share/gridmora");
    dir("usr/share/gridmora/Language");
    EXPECT_EQ(DataFromBinary(), "../share/gridmora");
    for (const std::string& b : {bin, bin + "/", bin + "//"}) {
        SCOPED_TRACE(b);
        // Even where the data folder can be written (an install into the user's own prefix) the settings
        // do not go into it.
        const ProgramFolders f = LocateProgramFolders(b, env_);
        EXPECT_EQ(f.AppDir, data + "/");
        EXPECT_EQ(f.SettingsDir, userFolder());
        EXPECT_FALSE(f.Portable);
    }
}

TEST_F(ProgramFoldersTest, WithoutLanguageFilesAnywhereTheBinarysFolderIsTheProgramFolder) {
    const std::string bin = dir("lonely/bin");
    const ProgramFolders f = LocateProgramFolders(bin, env_);
    EXPECT_EQ(f.AppDir, bin + "/");
    EXPECT_EQ(f.SettingsDir, userFolder());
    EXPECT_FALSE(f.Portable);
    // No home: no settings folder, the settings stay at their defaults.
    EXPECT_EQ(LocateProgramFolders(bin, {"", "", ""}).SettingsDir, "");
}

TEST_F(ProgramFoldersTest, FoldersAreMadeForTheOwnerOnlyAndReadOnlyOnesAreToldApart) {
    const std::string nested = (root_ / "home/.config/gridmora/").string();
    EXPECT_EQ(TextFile::MakeFolders(nested), TextFile::Error::None);
    struct stat st {};
    ASSERT_EQ(::stat(nested.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(TextFile::MakeFolders(nested), TextFile::Error::None) << "an existing folder is fine";
    EXPECT_TRUE(TextFile::FolderWritable(nested));

    // A file where a folder should be.
    const std::string file = (root_ / "home/plain").string();
    ASSERT_EQ(TextFile::WriteAll(file, "x"), TextFile::Error::None);
    EXPECT_EQ(TextFile::MakeFolders(file + "/gridmora"), TextFile::Error::Access);
    EXPECT_NE(TextFile::MakeFolders(file), TextFile::Error::None);
    EXPECT_FALSE(TextFile::FolderWritable(file));
    EXPECT_FALSE(TextFile::FolderWritable((root_ / "missing").string()));
    EXPECT_FALSE(TextFile::FolderWritable(""));

    // A folder without any write permission cannot take new folders or files.
    const std::string locked = dir("locked");
    ASSERT_EQ(::chmod(locked.c_str(), 0555), 0);
    EXPECT_FALSE(TextFile::FolderWritable(locked));
    if (::geteuid() != 0) {
        EXPECT_EQ(TextFile::MakeFolders(locked + "/gridmora"), TextFile::Error::Access);
    }
}

} // namespace
