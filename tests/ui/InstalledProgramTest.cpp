// The program as a desktop application: its data in share/gridmora and its settings in the user's folder
// when installed, files given on the command line, and the toolkit's own texts in the interface language.
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <filesystem>
#include <sys/stat.h>

#include "DialogHelpers.h"
#include "WindowFixture.h"
#include "app/ApiFontUi.h"
#include "app/CommandLine.h"
#include "basics/TextFile.h"
#include "document/SaveOtvetyMUi.h"
#include "lang/QtTranslation.h"
#include "lang/frmLang.h"

namespace {

namespace fs = std::filesystem;
using MsgBoxM::Answer;

// Sets an environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)) {
        old_ = qgetenv(name);
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

  private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

void setWritable(const fs::path& root, bool writable) {
    const mode_t add = writable ? 0200 : 0;
    std::error_code ec;
    auto apply = [&](const fs::path& p) {
        struct stat st {};
        if (::stat(p.c_str(), &st) == 0) ::chmod(p.c_str(), (st.st_mode & 07777 & ~0222u) | add);
    };
    apply(root);
    for (auto it = fs::recursive_directory_iterator(root, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        apply(it->path());
}

class InstalledProgramTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(prefix_.isValid() && home_.isValid());
        prefix = NativePath(prefix_.path());
        home = NativePath(home_.path());
        data = prefix + "/share/gridmora/";
        fs::create_directories(prefix + "/bin");
        fs::create_directories(data);
        for (const char* part : {"Language", "Samples", "Data", "help-ru.html", "help-en.html"})
            fs::copy(fs::path(GRIDMORA_PROGRAM_DIR) / part, fs::path(data) / part,
                     fs::copy_options::recursive);
        setWritable(prefix, false);
    }
    void TearDown() override {
        WindowTest::TearDown();
        setWritable(prefix, true);
    }
    // Starts the program as if its binary lay in prefix/bin.
    void StartInstalled() {
        form = MainM::Main(prefix + "/bin");
        ui = std::make_unique<MainControls>(form);
        Activate();
    }
    void CloseWindow() {
        form->close();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        form = nullptr;
        ui.reset();
    }
    std::string settingsFolder() const { return home + "/.config/gridmora/"; }

    std::string prefix, home, data;

  private:
    QTemporaryDir prefix_, home_;
};

TEST_F(InstalledProgramTest, ReadsItsDataFromShareAndKeepsItsSettingsInTheUsersFolder) {
    const ScopedEnv h("HOME", QByteArray::fromStdString(home));
    const ScopedEnv x("XDG_CONFIG_HOME", QByteArray());
    StartInstalled();
    EXPECT_EQ(Opt().AppDir, data);
    EXPECT_EQ(Opt().SamplesDir, data + "Samples");
    EXPECT_EQ(Opt().SettingsDir, settingsFolder());
    EXPECT_EQ(Opt().LanguageFile, "Russian.txt") << "the first start reads the defaults";
    EXPECT_EQ(ui->OptionsLanguage->text(), QStringLiteral("Language: Русский"));
    EXPECT_TRUE(messages.empty());
    ui->OptionsStyle[1]->trigger();
    ASSERT_EQ(Opt().StyleIndex, 1);

    // Opening starts among the samples; saving, which cannot go there, in the user's documents.
    fs::create_directories(home + "/Documents");
    fileAnswers = {QString(), QString()};
    ui->KrossOpen->trigger();
    form->KrossOpenWith(data + "Samples/First.krw");
    ASSERT_EQ(Doc().AppMode, Mode::Solve);
    ui->FileSaveAs->trigger();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_FALSE(dialogs[0].save);
    EXPECT_EQ(dialogs[0].folder, QPath(data + "Samples"));
    EXPECT_TRUE(dialogs[1].save);
    EXPECT_EQ(dialogs[1].folder, QPath(home + "/Documents"));
    fs::remove(home + "/Documents");
    EXPECT_EQ(apiOpenSaveM::StartFolder(true), QPath(home)) << "no documents folder: the home folder";

    // The ordinary close writes the settings into the user's folder, made for the purpose.
    CloseWindow();
    EXPECT_TRUE(messages.empty());
    const std::string ini = ReadFile(settingsFolder() + "Gridmora Int.ini");
    ASSERT_FALSE(ini.empty());
    EXPECT_EQ(TextFile::SplitLines(ini)[10], " 1 ");
    EXPECT_FALSE(fs::exists(data + "Gridmora Int.ini"));
    EXPECT_FALSE(fs::exists(prefix + "/bin/Gridmora Int.ini"));

    // ... and the next start reads them from there.
    StartInstalled();
    EXPECT_EQ(Opt().StyleIndex, 1);
    EXPECT_TRUE(ui->OptionsStyle[1]->isChecked());
}

TEST_F(InstalledProgramTest, ASettingsFolderThatCannotBeMadeIsReportedAtTheClose) {
    const ScopedEnv h("HOME", QByteArray());
    // XDG_CONFIG_HOME leads through a plain file: the settings folder cannot be made.
    const ScopedEnv x("XDG_CONFIG_HOME", QByteArray::fromStdString(home + "/file/config"));
    WriteFile(home + "/file", "x");
    StartInstalled();
    EXPECT_EQ(Opt().SettingsDir, home + "/file/config/gridmora/");
    EXPECT_TRUE(messages.empty()) << "a settings file that cannot be read is a missing one";
    Plan({Answer::Ok});
    CloseWindow();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].style, MsgBoxM::Style::Critical);
    EXPECT_TRUE(messages[0].text.startsWith(Plain(Caption(3)) + " Gridmora Int.ini "))
        << messages[0].text.toStdString();
}

TEST_F(InstalledProgramTest, APortableProgramFolderKeepsItsSettingsBesideItself) {
    QTemporaryDir config;
    const ScopedEnv x("XDG_CONFIG_HOME", config.path().toUtf8());
    Start();
    EXPECT_EQ(Opt().AppDir, AppDir());
    EXPECT_EQ(Opt().SettingsDir, AppDir());
    EXPECT_EQ(apiOpenSaveM::StartFolder(true), QPath(AppDir() + "Samples"));
    form->close();
    QApplication::processEvents();
    form = nullptr;
    EXPECT_EQ(ReadFile(AppDir() + "Gridmora Int.ini").substr(0, 5), "6.5\r\n");
    EXPECT_FALSE(fs::exists(NativePath(config.path()) + "/gridmora"));
}

TEST_F(InstalledProgramTest, AFileGivenOnTheCommandLineOpensAsTheMenuCommandsDo) {
    Start();
    const std::string samples = AppDir() + "Samples/";
    const std::string first = samples + "First.krw";

    // The command line's forms of a name.
    QDir::setCurrent(QPath(AppDir()));
    EXPECT_EQ(CommandLine::LocalPath(QStringLiteral("Samples/First.krw")), first);
    EXPECT_EQ(CommandLine::LocalPath(QUrl::fromLocalFile(QPath(first)).toString()), first);

    // A crossword: solving, and the dialogs move to its folder as after choosing it in the dialog.
    Opt().SamplesDir = "/";
    CommandLine::OpenFile(*form, first);
    EXPECT_EQ(Doc().AppMode, Mode::Solve);
    EXPECT_EQ(Doc().KrossFile, first);
    EXPECT_EQ(Opt().SamplesDir, AppDir() + "Samples");
    EXPECT_EQ(form->windowTitle().contains(QStringLiteral("First")), true);
    EXPECT_TRUE(messages.empty());

    // Answers (in any letter case of the extension): as Ctrl+O.
    const std::string otv = samples + "first answers.OTV";
    SaveOtvetyM::WriteOtvety(*form, otv);
    ASSERT_TRUE(TextFile::Exists(otv));
    CommandLine::OpenFile(*form, AppDir() + "Samples/Сетка.krw");
    ASSERT_NE(Doc().KrossFile, first);
    CommandLine::OpenFile(*form, otv);
    EXPECT_EQ(Doc().KrossFile, first);
    EXPECT_EQ(Doc().OtvFile, otv);
    EXPECT_EQ(Doc().AppMode, Mode::Solve);
    EXPECT_TRUE(messages.empty());

    // Files that cannot be read get the program's own read messages.
    fs::create_directories(samples + "folder.krw");
    struct Row {
        std::string path;
        const std::string& tail;
    } rows[] = {{samples + "missing.krw", Lang().LangNotFoundError},
                {samples + "folder.krw", Lang().LangReadError}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.path);
        messages.clear();
        Plan({Answer::Ok});
        CommandLine::OpenFile(*form, r.path);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].style, MsgBoxM::Style::Critical);
        EXPECT_EQ(messages[0].text, Plain(Caption(3)) + " " + Q(r.tail));
        EXPECT_EQ(Doc().AppMode, Mode::OpenFailed);
    }
}

// The buttons of a real message box, read while it is open, then No.
QStringList messageBoxButtons() {
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no message box";
            return;
        }
        texts << box->button(QMessageBox::Yes)->text() << box->button(QMessageBox::No)->text();
        box->button(QMessageBox::No)->click();
    });
    MsgBoxM::SetResponder({});
    EXPECT_EQ(MsgBoxM::Show(QStringLiteral("?"), MsgBoxM::Style::Confirm), Answer::No);
    return texts;
}

TEST_F(InstalledProgramTest, TheToolkitsOwnTextsFollowTheInterfaceLanguage) {
    Start();
    auto choose = [this](const char* file) {
        OnModal<frmLang>([file](frmLang& l) {
            const auto found = l.File->findItems(QString::fromLatin1(file), Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1);
            ClickListEntry(l.DirT, l.File->row(found.first()));
            QTest::mouseClick(l.OK, Qt::LeftButton);
        });
        ui->OptionsLanguage->trigger();
        Activate();
        ASSERT_EQ(Opt().LanguageFile, file);
    };
    auto fontDialogTexts = [] {
        ApiFont::LetterFontDialog dialog(ApiFont::StartChoice(Opt()), nullptr);
        return QStringList{dialog.windowTitle(), dialog.Bold->text(), dialog.CancelButton->text()};
    };
    struct Row {
        const char* file;
        QString language;
        QStringList buttons, fontDialog;
    } rows[] = {
        {"Russian.txt", "ru", {"&Да", "&Нет"}, {"Выбор шрифта", "Полужирный", "Отмена"}},
        {"English.txt", "en", {"&Yes", "&No"}, {"Select Font", "Bold", "Cancel"}},
        {"Russian.txt", "ru", {"&Да", "&Нет"}, {"Выбор шрифта", "Полужирный", "Отмена"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.file);
        choose(r.file);
        EXPECT_EQ(QtTranslation::Current(), r.language);
        EXPECT_EQ(messageBoxButtons(), r.buttons);
        EXPECT_EQ(fontDialogTexts(), r.fontDialog);
    }
    MsgBoxM::SetResponder([](const QString&, MsgBoxM::Style) { return Answer::Ok; });
}

TEST_F(InstalledProgramTest, QtTranslationWhichLanguageALanguageFileSpeaks) {
    struct Row {
        const char* file;
        const char* displayName; // UTF-8
        const char* language;
    } rows[] = {
        {"Russian.txt", "Русский", "ru"},
        {"English.txt", "English", "en"},
        {"german.TXT", "", "de"},        // the file name as an English language name, any case
        {"Mine.txt", "Русский", "ru"},   // the display name as a native name
        {"Mine.txt", "Ukrainian", "uk"}, // ... or as an English one
        {"uk.txt", "Мой язык", "uk"},    // the file name as a code
        {"pt_BR.txt", "", "pt_BR"},
        {"Custom.txt", "Custom", ""}, // nothing names a language: the toolkit's English
        {"xx.txt", "", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.file);
        EXPECT_EQ(QtTranslation::LanguageOf(QString::fromLatin1(r.file), QString::fromUtf8(r.displayName)),
                  QString::fromLatin1(r.language));
    }
}

TEST_F(InstalledProgramTest, CommandLineOnlyTheWindowNeedsADisplayAndTheIconIsBuiltIn) {
    struct Row {
        QStringList arguments;
        bool display;
    } rows[] = {
        {{}, true},
        {{"First.krw"}, true},
        {{"--help"}, false},
        {{"-h"}, false},
        {{"--version"}, false},
        {{"First.krw", "-v"}, false},
        {{"--export", "out.pdf", "First.krw"}, false},
        {{"--export=out.pdf", "First.krw"}, false},
        {{"--exported.krw"}, true},
        {{"--", "--help"}, true}, // after "--" everything is a file
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.arguments.join(' ').toStdString());
        EXPECT_EQ(CommandLine::NeedsDisplay(r.arguments), r.display);
    }
    const QIcon icon = CommandLine::ApplicationIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(256, 256)));
}

} // namespace
