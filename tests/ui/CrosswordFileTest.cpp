// Crossword files through the window: saving, the overwrite question, opening for solving, errors.
#include <sys/stat.h>

#include "GridHelpers.h"
#include "basics/TextFile.h"
#include "document/frmAbout.h"
#include "document/frmChange.h"

namespace {

class CrosswordFileTest : public RingTest {};

using MsgBoxM::Answer;

TEST_F(CrosswordFileTest, SaveAsksForANameOnceAndAddsTheExtension) {
    Start();
    AuthorRing();
    std::filesystem::create_directories(AppDir() + "john.doe");
    SaveAs(AppDir() + "john.doe/puzzle"); // a dot in the folder, none in the file name
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_TRUE(dialogs[0].save);
    EXPECT_EQ(dialogs[0].name, QStringLiteral("Тест"));
    EXPECT_EQ(dialogs[0].folder, QPath(AppDir() + "Samples"));
    ASSERT_GE(dialogs[0].filters.size(), 2);
    EXPECT_TRUE(dialogs[0].filters[0].endsWith("(*.krw)"));
    const std::string path = AppDir() + "john.doe/puzzle.krw";
    EXPECT_EQ(Doc().KrossFile, path);
    EXPECT_FALSE(Doc().Modified);
    EXPECT_TRUE(TextFile::Exists(path));
    EXPECT_EQ(Opt().SamplesDir, AppDir() + "john.doe"); // the dialog remembers its folder

    // The next Save writes the same file without asking.
    Doc().Modified = true;
    ui->FileSave->trigger();
    EXPECT_EQ(dialogs.size(), 1u);
    EXPECT_FALSE(Doc().Modified);
    EXPECT_TRUE(messages.size() == 1u); // only the grid-ready question so far
}

TEST_F(CrosswordFileTest, ReplacingAnotherFileAsksAndNoWritesNothing) {
    Start();
    AuthorRing();
    const std::string other = AppDir() + "other.krw";
    WriteFile(other, "old");
    Doc().KrossAuthor = cp("Автор");
    fileAnswers.push_back(QPath(other));
    Plan({Answer::No});
    ui->FileSaveAs->trigger();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].style, MsgBoxM::Style::ReplaceFile);
    EXPECT_EQ(messages[1].text,
              Plain(ui->File->title()) + " " + QPath(other) + Q(Lang().LangOverwritePrompt));
    EXPECT_EQ(ReadFile(other), "old");
    EXPECT_TRUE(Doc().KrossFile.empty());
    fileAnswers.push_back(QPath(other));
    Plan({Answer::Yes});
    ui->FileSaveAs->trigger();
    EXPECT_NE(ReadFile(other), "old");
    EXPECT_EQ(Doc().KrossFile, other);
}

TEST_F(CrosswordFileTest, AReadOnlyFileIsNotReplaced) {
    Start();
    AuthorRing();
    const std::string path = AppDir() + "locked.krw";
    SaveAs(path);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    const std::string before = ReadFile(path);
    Doc().Modified = true;
    Plan({Answer::Ok});
    ui->FileSave->trigger();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, Plain(ui->File->title()) + " " + Q(Lang().LangAccessError));
    EXPECT_EQ(messages[1].style, MsgBoxM::Style::Critical);
    EXPECT_TRUE(Doc().Modified);
    EXPECT_EQ(ReadFile(path), before);
}

TEST_F(CrosswordFileTest, OpeningEntersSolvingWithCaptionsAndSelection) {
    Start();
    AuthorRing();
    const std::string path = AppDir() + "ring.krw";
    SaveAs(path);
    Open(path);
    const auto& d = Doc();
    EXPECT_EQ(d.AppMode, 5);
    EXPECT_EQ(d.KrossFile, path);
    EXPECT_FALSE(d.Modified);
    EXPECT_TRUE(d.OtvFile.empty());
    EXPECT_EQ(d.KrossAuthor, cp("Автор"));
    EXPECT_EQ(d.ClueTexts.Answer(2, 1), cp("ТОК"));
    EXPECT_EQ(form->windowTitle(),
              Plain(ui->Kross->title()) + ": \"Тест\" " + Q(Lang().LangAuthorWord) + " Автор");
    EXPECT_EQ(ui->lblSlov->text(), Q(Lang().LangWordsLabel) + " 4");
    EXPECT_EQ(ui->lblVoprosOtvet->text(), Q(Lang().LangSolvePrompt));
    EXPECT_TRUE(ui->txtOtvet->isVisible());
    EXPECT_FALSE(ui->txtVoprosOtvet->isVisible());
    EXPECT_EQ(ui->txtOtvet->y(), 426);
    EXPECT_EQ(d.CurNumber, 1);
    EXPECT_EQ(d.CurDownNumber, 1);
    // Number 1 is shown with both its clues, and both words are selected; no letters are shown.
    EXPECT_EQ(ui->lblVopros[0]->text(), QStringLiteral("Мурлыка"));
    EXPECT_EQ(ui->lblVopros[1]->text(), QStringLiteral("Морской великан"));
    EXPECT_EQ(CellPixel(2, 0, 1, 10), SelectionColor);
    EXPECT_EQ(CellPixel(0, 2, 1, 10), SelectionColor);
    EXPECT_EQ(d.GridLayers.Get(1, 0, 3), 0);
    Shot("solving-opened");

    // A click on a cell shows the clues of both words through it.
    ClickCell(2, 2);
    EXPECT_EQ(d.CurNumber, 3);
    EXPECT_EQ(d.CurDownNumber, 2);
    EXPECT_EQ(ui->lblVopros[0]->text(), QStringLiteral("Часы говорят"));
    EXPECT_EQ(ui->lblVopros[1]->text(), QStringLiteral("Электричество"));
    EXPECT_EQ(CellPixel(0, 1, 1, 10), CellColor);
    EXPECT_EQ(CellPixel(2, 1, 1, 10), SelectionColor);
    ClickCell(1, 2); // only 3 across: the down label empties
    EXPECT_EQ(d.CurDownNumber, 0);
    EXPECT_TRUE(ui->lblVopros[1]->text().isEmpty());
}

TEST_F(CrosswordFileTest, AMissingFileIsReportedAndLeavesModeSeven) {
    Start();
    Plan({Answer::Ok});
    Open(AppDir() + "nowhere"); // ".krw" is added, the file does not exist
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Plain(ui->File->title()) + " " + Q(Lang().LangNotFoundError));
    EXPECT_EQ(messages[0].style, MsgBoxM::Style::Critical);
    EXPECT_EQ(Doc().AppMode, 7);
}

TEST_F(CrosswordFileTest, AHostileFileIsRefusedBeforeAnythingIsAllocated) {
    Start();
    const std::string path = AppDir() + "huge.krw";
    WriteFile(path, " 1 \r\nx\r\n 2000000000 \r\n 2000000000 \r\n 1 \r\n 1 \r\n");
    Plan({Answer::Ok});
    Open(path);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Plain(ui->File->title()) + " " + Q(Lang().LangReadError));
    EXPECT_EQ(Doc().AppMode, 7);
    EXPECT_EQ(Doc().GridWidth, 0);
}

TEST_F(CrosswordFileTest, ABareGridOpensInModeFourWithTheFirstWordSelected) {
    Start();
    Author(kRing, true);
    const std::string path = AppDir() + "bare.krw";
    fileAnswers.push_back(QPath(path));
    ui->FileSave->trigger(); // a bare grid needs no author
    const std::string bytes = ReadFile(path);
    EXPECT_EQ(TextFile::SplitLines(bytes).size(), 6u + 4u * 5u);
    Open(path);
    const auto& d = Doc();
    EXPECT_EQ(d.AppMode, 4);
    EXPECT_TRUE(d.ClueTexts.TwoDimensional());
    EXPECT_EQ(d.CurNumber, 1);
    EXPECT_EQ(d.CurDirection, 0);
    EXPECT_EQ(form->windowTitle(), Plain(ui->Kross->title()) + ": \"Тест\" (" + Q(Lang().LangText[4]) + ")");
    EXPECT_FALSE(ui->lblVopros[0]->isVisible());
    EXPECT_EQ(CellPixel(1, 0, 1, 10), SelectionColor);
}

TEST_F(CrosswordFileTest, AnIncompleteCrosswordIsLockedSavedReopenedAndUnlocked) {
    Start();
    AuthorRing(false); // 3 across has no answer yet
    // Save asks for author, name and password first.
    OnModal<frmAbout>([](frmAbout& a) {
        a.txtNameAutor->setText(QStringLiteral("Автор"));
        a.txtPW->setText(QStringLiteral("Пароль"));
        a.txtPW2->setText(QStringLiteral("Пароль"));
        QTest::mouseClick(a.kOK, Qt::LeftButton);
    });
    const std::string path = AppDir() + "locked.krw";
    fileAnswers.push_back(QPath(path));
    ui->FileSave->trigger();
    Activate();
    ASSERT_EQ(Doc().KrossFile, path);
    // Opened again it misses an answer: the notice, then straight into the password dialog.
    Plan({Answer::Ok, Answer::Ok});
    OnModal<frmChange>([](frmChange& c) {
        c.txtPassword->setText(QStringLiteral("пароль")); // the case counts: refused, the dialog stays
        QTest::mouseClick(c.kOK, Qt::LeftButton);
        EXPECT_TRUE(c.isVisible());
        c.txtPassword->setText(QStringLiteral("Пароль"));
        QTest::mouseClick(c.kOK, Qt::LeftButton);
    });
    Open(path);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[1].text, Q(Lang().LangText[8]));
    EXPECT_EQ(messages[2].text, Q(Lang().LangText[7]));
    const auto& d = Doc();
    EXPECT_EQ(d.AppMode, Mode::Authoring);
    EXPECT_EQ(d.CurNumber, 3); // the word without an answer is offered
    EXPECT_EQ(d.CurDirection, 0);
    EXPECT_EQ(form->windowTitle(), Q(Lang().LangAppTitle + " " + Lang().LangModeAuthoring));
}

} // namespace
