// The language dialog: the language files by their display names, and switching the language.
#include <filesystem>
#include <unistd.h>

#include "DialogHelpers.h"
#include "WindowFixture.h"
#include "basics/TextFile.h"
#include "lang/frmLang.h"

namespace {

class LanguageDialogTest : public WindowTest {};

using MsgBoxM::Answer;

QStringList Entries(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

TEST_F(LanguageDialogTest, TheLanguageFilesAreListedInOrderAndTheChoiceSwitchesEveryCaption) {
    Start();
    const auto& t = Lang();
    OnModal<frmLang>([&t](frmLang& l) {
        EXPECT_EQ(Entries(l.DirT), QStringList({QStringLiteral("English"), QStringLiteral("Русский")}));
        EXPECT_EQ(Entries(l.File),
                  QStringList({QStringLiteral("English.txt"), QStringLiteral("Russian.txt")}));
        EXPECT_TRUE(l.DirT->selectedItems().isEmpty()); // not even the language in force
        EXPECT_TRUE(l.Inform->text().isEmpty());
        EXPECT_EQ(l.windowTitle(), Q(t.LangText[21]));
        EXPECT_EQ(l.Label1->text(), Q(t.LangText[22]));
        EXPECT_EQ(l.NO->text(), Q(t.LangText[5]));
        EXPECT_EQ(l.OK->text(), QStringLiteral("OK"));
        ClickListEntry(l.DirT, 1);
        EXPECT_EQ(l.Inform->text(), QStringLiteral("Russian.txt"));
        QTest::keyClick(l.DirT, Qt::Key_Up); // the keys move the selection too
        EXPECT_EQ(l.Inform->text(), QStringLiteral("English.txt"));
        EXPECT_EQ(l.File->currentRow(), 0);
        DialogShot(&l, "language-dialog");
        QTest::mouseClick(l.OK, Qt::LeftButton);
    });
    ui->OptionsLanguage->trigger();
    Activate();
    EXPECT_EQ(Opt().LanguageFile, "English.txt");
    EXPECT_EQ(ui->OptionsLanguage->text(), QStringLiteral("Language: English"));
    EXPECT_EQ(ui->File->title(), QStringLiteral("&File"));
    EXPECT_EQ(ui->Kross->title(), QStringLiteral("&Crossword"));
    EXPECT_EQ(ui->KrossNew->text(), QStringLiteral("&New..."));
    EXPECT_EQ(ui->lblStatistika->text(), QStringLiteral("Statistics"));
    EXPECT_EQ(Q(t.LangText[5]), QStringLiteral("Cancel"));

    // The choice is what the settings file keeps.
    form->close();
    QApplication::processEvents();
    form = nullptr;
    const std::string ini = ReadFile(AppDir() + "Gridmora Int.ini");
    const auto lines = TextFile::SplitLines(ini);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], "English.txt");
}

TEST_F(LanguageDialogTest, TheLanguageStaysWithoutAChoiceOrOnCancel) {
    Start();
    const std::function<void(frmLang&)> ways[] = {
        [](frmLang& l) { QTest::mouseClick(l.OK, Qt::LeftButton); }, // nothing selected
        [](frmLang& l) {
            ClickListEntry(l.DirT, 0);
            QTest::mouseClick(l.NO, Qt::LeftButton);
        },
        [](frmLang& l) {
            ClickListEntry(l.DirT, 0);
            QTest::keyClick(l.DirT, Qt::Key_Escape);
        },
    };
    for (size_t i = 0; i < std::size(ways); ++i) {
        SCOPED_TRACE(i);
        OnModal<frmLang>([way = ways[i]](frmLang& l) {
            way(l);
            EXPECT_FALSE(l.isVisible());
        });
        ui->OptionsLanguage->trigger();
        Activate();
        EXPECT_EQ(Opt().LanguageFile, "Russian.txt");
        EXPECT_EQ(ui->File->title(), Caption(3));
        EXPECT_EQ(ui->OptionsLanguage->text(), QStringLiteral("Language: Русский"));
    }
}

TEST_F(LanguageDialogTest, ADoubleClickChoosesTheEntry) {
    WriteFile(AppDir() + "Gridmora Int.ini", "6.5\r\nEnglish.txt\r\n");
    Start();
    ASSERT_EQ(Opt().LanguageFile, "English.txt");
    OnModal<frmLang>([](frmLang& l) {
        EXPECT_EQ(l.windowTitle(), QStringLiteral("Choose Language"));
        EXPECT_EQ(l.NO->text(), QStringLiteral("Cancel"));
        ClickListEntry(l.DirT, 1, true);
        EXPECT_FALSE(l.isVisible());
    });
    ui->OptionsLanguage->trigger();
    Activate();
    EXPECT_EQ(Opt().LanguageFile, "Russian.txt");
    EXPECT_EQ(ui->OptionsLanguage->text(), QStringLiteral("Language: Русский"));
    EXPECT_EQ(ui->File->title(), QStringLiteral("&Файл"));
}

TEST_F(LanguageDialogTest, AFileThatCannotBeReadKeepsEveryOtherNameBesideItsFile) {
    const std::string dir = AppDir() + "Language/";
    // A link to nowhere sorts first; a folder is no language file; a third language sorts last.
    ASSERT_EQ(symlink((dir + "missing/target.txt").c_str(), (dir + "Broken.txt").c_str()), 0);
    std::filesystem::create_directory(dir + "Folder.txt");
    WriteFile(dir + "Zulu.txt", "Zulu\r\n2,Zulu title\r\n3,&Zfile\r\n");
    WriteFile(dir + "notes.TXT", "Notes\r\n");
    Start();
    OnModal<frmLang>([](frmLang& l) {
        EXPECT_EQ(Entries(l.File),
                  QStringList({"Broken.txt", "English.txt", "Russian.txt", "Zulu.txt", "notes.TXT"}));
        EXPECT_EQ(Entries(l.DirT),
                  QStringList({"Broken.txt", "English", QStringLiteral("Русский"), "Zulu", "Notes"}));
        ClickListEntry(l.DirT, 3);
        EXPECT_EQ(l.Inform->text(), QStringLiteral("Zulu.txt"));
        QTest::mouseClick(l.OK, Qt::LeftButton);
    });
    ui->OptionsLanguage->trigger();
    Activate();
    EXPECT_EQ(Opt().LanguageFile, "Zulu.txt");
    EXPECT_EQ(ui->OptionsLanguage->text(), QStringLiteral("Language: Zulu"));
    EXPECT_EQ(ui->File->title(), QStringLiteral("&Zfile"));

    // Choosing the unreadable entry gives the loader's message; the language stays and the dialog closes.
    Plan({Answer::Ok});
    OnModal<frmLang>([](frmLang& l) {
        ClickListEntry(l.DirT, 0);
        QTest::mouseClick(l.OK, Qt::LeftButton);
        EXPECT_FALSE(l.isVisible());
    });
    ui->OptionsLanguage->trigger();
    Activate();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].style, MsgBoxM::Style::Critical);
    EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("Zfile ") + QPath(dir + "Broken.txt") + " "));
    EXPECT_EQ(Opt().LanguageFile, "Zulu.txt");
}

TEST_F(LanguageDialogTest, AfterAFailedFirstLoadTheDialogIsInEnglishNotEmpty) {
    WriteFile(AppDir() + "Gridmora Int.ini", "6.5\r\nMissing.txt\r\n");
    Plan({Answer::Ok}); // the loader's message
    Start();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("File ")));
    EXPECT_EQ(ui->Options->title(), QStringLiteral("&Options"));
    OnModal<frmLang>([](frmLang& l) {
        EXPECT_EQ(l.windowTitle(), QStringLiteral("Choose Language"));
        EXPECT_EQ(l.Label1->text(), QStringLiteral("Available languages:"));
        EXPECT_EQ(l.NO->text(), QStringLiteral("Cancel"));
        EXPECT_EQ(l.OK->text(), QStringLiteral("OK"));
        DialogShot(&l, "language-dialog-after-failed-load");
        ClickListEntry(l.DirT, 1, true);
    });
    ui->OptionsLanguage->trigger();
    Activate();
    EXPECT_EQ(Opt().LanguageFile, "Russian.txt");
    EXPECT_EQ(ui->Options->title(), QStringLiteral("&Параметры"));
}

TEST_F(LanguageDialogTest, WithoutALanguageInForceOrWithoutFilesTheCaptionsStayAsDesigned) {
    Start();
    Opt().LanguageFile.clear();
    OnModal<frmLang>([](frmLang& l) {
        EXPECT_EQ(l.DirT->count(), 2);
        EXPECT_EQ(l.windowTitle(), QStringLiteral("Select of language"));
        EXPECT_EQ(l.Label1->text(), QStringLiteral("List:"));
        EXPECT_EQ(l.NO->text(), QStringLiteral("Cancel"));
        QTest::mouseClick(l.NO, Qt::LeftButton);
    });
    ui->OptionsLanguage->trigger();
    Activate();

    Opt().LanguageFile = "Russian.txt";
    std::filesystem::remove_all(AppDir() + "Language");
    OnModal<frmLang>([](frmLang& l) {
        EXPECT_EQ(l.DirT->count(), 0);
        EXPECT_EQ(l.File->count(), 0);
        EXPECT_EQ(l.windowTitle(), QStringLiteral("Select of language"));
        QTest::mouseClick(l.OK, Qt::LeftButton);
        EXPECT_FALSE(l.isVisible());
    });
    ui->OptionsLanguage->trigger();
    Activate();
    EXPECT_EQ(Opt().LanguageFile, "Russian.txt");
    EXPECT_TRUE(messages.empty());
}

} // namespace
