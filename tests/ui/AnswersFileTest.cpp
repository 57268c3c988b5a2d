// Answers files through the window, and the whole road from authoring to a restored solution.
#include "GridHelpers.h"
#include "basics/TextFile.h"

namespace {

using MsgBoxM::Answer;

class AnswersFileTest : public RingTest {
  protected:
    void Enter(const QString& text) { TypeEnter(ui->txtOtvet, text); }
    void SaveAnswers(const std::string& path) {
        fileAnswers.push_back(QPath(path));
        ui->FileSave->trigger();
    }
    void OpenAnswers(const std::string& path) {
        fileAnswers.push_back(QPath(path));
        ui->FileOpenOtvet->trigger();
        Activate();
    }
    QString WordsLeft(int n) { return Q(Lang().LangWordsLabel) + " " + QString::number(n); }
};

TEST_F(AnswersFileTest, AuthorSaveReopenSolveSaveAnswersAndRestore) {
    Start();
    AuthorRing();
    const std::string kross = AppDir() + "Samples/ring.krw";
    SaveAs(kross);
    Open(kross);
    Enter(QStringLiteral("кит"));
    Enter(QStringLiteral("кот"));
    ASSERT_EQ(Doc().SolvedCount, 2);
    // Save in a solving mode writes an answers file, proposing the crossword's name.
    SaveAnswers(AppDir() + "Samples/progress");
    ASSERT_EQ(dialogs.size(), 3u);
    EXPECT_EQ(dialogs[2].name, QStringLiteral("ring"));
    EXPECT_TRUE(dialogs[2].filters[0].endsWith("(*.otv)"));
    const std::string otv = AppDir() + "Samples/progress.otv";
    EXPECT_EQ(Doc().OtvFile, otv);
    EXPECT_FALSE(Doc().Modified);
    EXPECT_EQ(ReadFile(otv),
              "ring.krw\r\n" + cp("Тест") + "\r\n 0 \r\n 3 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n");

    // A fresh start: the answers bring their crossword back from the samples folder.
    form->close();
    QApplication::processEvents();
    form = nullptr;
    Start();
    messages.clear();
    OpenAnswers(otv);
    const auto& d = Doc();
    EXPECT_EQ(d.AppMode, 5);
    EXPECT_EQ(d.KrossFile, kross);
    EXPECT_EQ(d.OtvFile, otv);
    EXPECT_EQ(d.SolvedCount, 2);
    EXPECT_EQ(ui->lblSlov->text(), WordsLeft(2));
    EXPECT_EQ(d.CurNumber, 0); // the first open word is 2 down
    EXPECT_EQ(d.CurDownNumber, 2);
    EXPECT_NE(d.GridLayers.Get(1, 0, 3), 0); // the solved letters are shown again
    EXPECT_TRUE(messages.empty());
    Shot("answers-restored");

    // Solve the rest; the last word is reported; saving goes to the same answers file without asking.
    Enter(QStringLiteral("ток"));
    Plan({Answer::Ok});
    Enter(QStringLiteral("тик"));
    EXPECT_EQ(messages.back().text, Q(Lang().LangSolvedMsg));
    ui->FileSave->trigger();
    EXPECT_EQ(dialogs.size(), 4u);
    // Opening the answers of a fully solved crossword reports it at once and leaves mode 0.
    Plan({Answer::Ok});
    OpenAnswers(otv);
    EXPECT_EQ(messages.back().text, Q(Lang().LangSolvedMsg));
    EXPECT_EQ(d.AppMode, 0);
}

TEST_F(AnswersFileTest, TheSameCrosswordIsNotReloadedAndZeroRecordsKeepTheMarks) {
    Start();
    AuthorRing();
    const std::string elsewhere = AppDir() + "elsewhere.krw"; // not in the samples folder
    SaveAs(elsewhere);
    Open(elsewhere);
    Enter(QStringLiteral("кит"));
    const std::string otv = AppDir() + "zero.otv";
    WriteFile(otv, "gone.krw\r\n" + cp("Тест") + "\r\n 0 \r\n 3 \r\n 0 \r\n");
    Plan({Answer::No}); // the progress is not saved
    OpenAnswers(otv);
    const auto& d = Doc();
    EXPECT_EQ(d.KrossFile, elsewhere); // not reloaded, although gone.krw does not exist
    EXPECT_EQ(d.SolvedWords.Get(1, 1), 1);
    EXPECT_EQ(d.SolvedCount, 1);
    EXPECT_EQ(d.CurNumber, 1); // number 1 still has its across word open
    EXPECT_EQ(d.CurDownNumber, 0);
    EXPECT_EQ(messages.size(), 2u); // grid ready, the save question
}

TEST_F(AnswersFileTest, AnswersOfAnotherCrosswordWithFoldersInItsNameStayInTheSamplesFolder) {
    Start();
    Plan({Answer::Ok});
    const std::string otv = AppDir() + "evil.otv";
    WriteFile(otv, "..\\..\\..\\etc\\passwd\r\nOther\r\n 0 \r\n 3 \r\n 0 \r\n");
    OpenAnswers(otv);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Plain(ui->File->title()) + " " + Q(Lang().LangNotFoundError));
    // The dialog moved the samples folder to the answers file's folder; only the file name is used.
    EXPECT_EQ(Doc().OtvKrossFile, AppDir() + "passwd");
    EXPECT_EQ(Doc().AppMode, 0);
    EXPECT_EQ(form->windowTitle(), Q(Lang().MsgTitle));
}

TEST_F(AnswersFileTest, AnswersThatDoNotFitTheCrosswordAreRefused) {
    Start();
    AuthorRing();
    const std::string kross = AppDir() + "ring.krw";
    SaveAs(kross);
    Open(kross);
    const std::string otv = AppDir() + "wrong.otv";
    WriteFile(otv, "ring.krw\r\n" + cp("Тест") + "\r\n 0 \r\n 7 \r\n 1 \r\n 1 \r\n 0 \r\n");
    Plan({Answer::Ok});
    OpenAnswers(otv);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, Plain(ui->File->title()) + " " + Q(Lang().LangReadError));
    EXPECT_EQ(Doc().SolvedCount, 0);
    EXPECT_EQ(Doc().AppMode, 5);
    EXPECT_TRUE(Doc().OtvFile.empty());
}

TEST_F(AnswersFileTest, BareGridAnswersKeepTheTypedWords) {
    Start();
    Author(kRing, true);
    const std::string kross = AppDir() + "Samples/bare.krw";
    fileAnswers.push_back(QPath(kross));
    ui->FileSave->trigger();
    Open(kross);
    Enter(QStringLiteral("кот"));
    Enter(QStringLiteral("кит"));
    const std::string otv = AppDir() + "Samples/bare.otv";
    SaveAnswers(otv);
    EXPECT_EQ(ReadFile(otv), "bare.krw\r\n" + cp("Тест") + "\r\n 1 \r\n 3 \r\n 2 \r\n 1 \r\n 0 \r\n" +
                                 cp("КОТ") + "\r\n 1 \r\n 1 \r\n" + cp("КИТ") + "\r\n");
    // Another crossword in between; the answers bring the bare grid back with its words.
    Plan({Answer::No});
    Author({".."});
    OpenAnswers(otv);
    const auto& d = Doc();
    EXPECT_EQ(d.AppMode, 4);
    EXPECT_EQ(d.SolvedCount, 2);
    EXPECT_EQ(d.ClueTexts.Word(1, 0), cp("КОТ"));
    EXPECT_EQ(d.GridLayers.Get(0, 2, 3), Cp1251::Code(cp("Т")[0]));
    EXPECT_EQ(d.CurNumber, 2); // the first word not entered, selected for typing
    EXPECT_EQ(d.CurDirection, 1);
    Enter(QStringLiteral("ток"));
    EXPECT_EQ(d.SolvedCount, 3);
}

} // namespace
