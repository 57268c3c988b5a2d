// What a stranger's file, a pasted text or a changed disk can do to the window: nothing but what the user
// sees as text, a refusal with a message, or a question before a file is overwritten.
#include <QClipboard>
#include <QMessageBox>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "GridHelpers.h"
#include "basics/TextFile.h"
#include "display/frmRazKletok.h"
#include "document/OpenKrossMUi.h"
#include "document/SampleBuilder.h"
#include "document/SaveKrossM.h"
#include "document/frmAbout.h"
#include "document/frmChange.h"
#include "document/frmFindWord.h"
#include "export/ExportCommands.h"
#include "export/IpuzFormat.h"
#include "lang/FileSafetyTexts.h"

namespace {

using MsgBoxM::Answer;

class HostileInputTest : public RingTest {
  protected:
    // A crossword file built from a description (UTF-8 texts), written at path.
    void WriteCrossword(const std::string& path, const QString& name, const QString& author,
                        const QString& clue) {
        const std::string text = "name: " + name.toStdString() + "\nauthor: " + author.toStdString() +
                                 "\npassword:\ngrid:\n...\n.#.\n...\nwords:\n1 A КОТ | " +
                                 clue.toStdString() + "\n1 D КИТ | " + clue.toStdString() +
                                 "\n2 D ТОК | ток\n3 A ТИК | тик\n";
        const auto built = SampleBuilder::BuildFromText(text);
        ASSERT_TRUE(built.Document) << built.Error;
        WriteFile(path, SaveKrossM::KrossFileText(*built.Document));
    }
    // The label drawn as the same label showing the text as plain text: pixel for pixel.
    static void ExpectDrawnAsPlainText(QLabel* label, const QString& text) {
        EXPECT_EQ(label->text(), text);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        QLabel plain(label->parentWidget());
        plain.setTextFormat(Qt::PlainText);
        plain.setText(text);
        plain.setWordWrap(label->wordWrap());
        plain.setAlignment(label->alignment());
        plain.setGeometry(label->geometry());
        plain.show();
        EXPECT_EQ(label->grab().toImage(), plain.grab().toImage()) << text.toStdString();
    }
    // Puts text on the clipboard and pastes it into the box, as Ctrl+V does.
    static void Paste(QLineEdit* box, const QString& text) {
        QApplication::clipboard()->setText(text);
        box->selectAll();
        box->paste();
    }
};

// Markup in a crossword's name, author or clue, or in a file name, is shown as the characters it is made
// of: in the clue labels, the window caption, a message box and the word-search list.
TEST_F(HostileInputTest, MarkupIsShownAsText) {
    Start();
    const QString markups[] = {
        QStringLiteral("<b>жирный</b>"),
        QStringLiteral("<font color=red>красный</font>"),
        QStringLiteral("<img src='") + QPath(AppDir()) + QStringLiteral("Samples/x.png'>"),
        QStringLiteral("&amp; &lt;"),
        QStringLiteral("<i>a</i><br>b"),
    };
    for (const QString& m : markups) {
        SCOPED_TRACE(m.toStdString());
        const std::string path = AppDir() + "markup.krw";
        WriteCrossword(path, m, m, m);
        Open(path);
        ASSERT_EQ(Doc().AppMode, Mode::Solve);
        // The window caption.
        EXPECT_EQ(form->windowTitle(),
                  Plain(ui->Kross->title()) + ": \"" + m + "\" " + Q(Lang().LangAuthorWord) + " " + m);
        // Both clue labels.
        ExpectDrawnAsPlainText(ui->lblVopros[0], m);
        ExpectDrawnAsPlainText(ui->lblVopros[1], m);
    }

    // The word-search list shows a listed word as it stands in the word list, its labels plain text.
    std::string words = cp("<B>&AMP;");
    WriteFile(AppDir() + "Data/8.dat", "1\r\n" + words + "\r\n");
    Plan({Answer::Yes}); // the grid-ready question
    NewCrossword(8, 1);
    GridReady();
    ui->KrossFoundWord->trigger();
    QApplication::processEvents();
    frmFindWord* w = form->findChild<frmFindWord*>();
    ASSERT_NE(w, nullptr);
    QTest::keyClick(w->txtWord, Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_EQ(w->Words->rowCount(), 1);
    EXPECT_EQ(w->Words->index(0).data().toString(), QStringLiteral("<B>&AMP;"));
    for (QLabel* l : {w->Label1, w->Label2, w->Label3})
        EXPECT_EQ(l->textFormat(), Qt::PlainText);
    w->close();
    // A message box naming a file whose name is markup (a pipe: it cannot be opened): the real box
    // shows it as text.
    const std::string pipe = AppDir() + "<b>pipe<i>&amp;.krw";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    Doc().Modified = false; // no save-changes question before it
    MsgBoxM::SetResponder({});
    bool shown = false;
    OnModal<QMessageBox>([&](QMessageBox& box) {
        shown = true;
        auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_EQ(label->text(),
                  Plain(ui->File->title()) + " " + QPath(pipe) + " " + Tr(FileSafetyText::NotRegular));
        box.accept();
    });
    Open(pipe);
    EXPECT_TRUE(shown);
    EXPECT_EQ(Doc().AppMode, Mode::OpenFailed);
}

// A pasted line break never reaches a file: every text box turns it into a blank, and the crossword
// saved from such texts opens whole.
TEST_F(HostileInputTest, PastedLineBreaksNeverReachAFile) {
    Start();
    const QString pasted = QStringLiteral("a\r\nb\tc\x01\x7f");
    const QString held = QStringLiteral("a b c");

    // Every text box of the program.
    auto check = [&](const char* name, QLineEdit* box) {
        Paste(box, pasted);
        EXPECT_EQ(box->text(), held) << name;
    };
    {
        frmRazmer d(*form);
        check("frmRazmer.txtNameKross", d.txtNameKross);
        check("frmRazmer.txtX", d.txtX);
    }
    {
        frmRazKletok d(*form, QString());
        check("frmRazKletok.txtSzKletok", d.txtSzKletok);
    }
    {
        frmChange d(*form, QString());
        check("frmChange.txtPassword", d.txtPassword);
    }

    AuthorRing(false); // 3 across is left for the pasted clue
    check("txtVoprosOtvet", ui->txtVoprosOtvet);
    check("txtOtvet", ui->txtOtvet);
    // The clue of 3 across pasted in, the answer typed.
    Paste(ui->txtVoprosOtvet, QStringLiteral("bird\r\n 999 \r\n"));
    ui->txtOtvet->setText(QStringLiteral("тик"));
    ui->txtOtvet->setFocus();
    QTest::keyClick(ui->txtOtvet, Qt::Key_Return);
    EXPECT_EQ(Doc().ClueTexts.Clue(3, 0), "bird  999  ");

    // Name, author and password pasted into the properties dialog; then saved and opened again.
    OnModal<frmAbout>([&](frmAbout& a) {
        check("frmAbout.txtNameKross", a.txtNameKross);
        check("frmAbout.txtNameAutor", a.txtNameAutor);
        check("frmAbout.txtPW", a.txtPW);
        check("frmAbout.txtPW2", a.txtPW2);
        QTest::mouseClick(a.kOK, Qt::LeftButton);
    });
    ui->KrossAbout->trigger();
    Activate();
    const std::string path = AppDir() + "pasted.krw";
    fileAnswers.push_back(QPath(path));
    ui->FileSave->trigger();
    ASSERT_EQ(Doc().KrossFile, path);
    Open(path);
    const auto& d = Doc();
    EXPECT_EQ(d.AppMode, Mode::Solve);
    EXPECT_EQ(d.WordCount, 4);
    EXPECT_EQ(d.KrossName, "a b c");
    EXPECT_EQ(d.KrossAuthor, "a b c");
    EXPECT_EQ(d.ClueTexts.Clue(1, 0), cp("Мурлыка"));
    EXPECT_EQ(d.ClueTexts.Clue(3, 0), "bird  999  ");
    EXPECT_EQ(d.ClueTexts.Answer(3, 0), cp("ТИК"));
    EXPECT_EQ(d.ClueTexts.Answer(2, 1), cp("ТОК"));

    frmFindWord w(form);
    check("frmFindWord.txtWord", w.txtWord);
}

// A 40-byte file declaring 4,194,304 x 1 cells fits the program at a 1-pixel cell, but its field at the
// cell size in force would be 84 million pixels wide: it is refused before the layers of its four million
// cells are asked for.
TEST_F(HostileInputTest, AGridTooLargeForTheCellSizeIsRefusedWithoutTakingMemory) {
    Start();
    ASSERT_EQ(Opt().CellSize, 20);
    const std::string path = AppDir() + "wide.krw";
    WriteFile(path, " 1 \r\nx\r\n 4194304 \r\n 1 \r\n 0 \r\n 0 \r\n");

    // In a child with a limit on its address space: opening must not need more than a little.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        alarm(60);
        std::ifstream status("/proc/self/status");
        std::string line;
        unsigned long long vmKb = 0;
        while (std::getline(status, line))
            if (line.rfind("VmSize:", 0) == 0) vmKb = std::stoull(line.substr(7));
        const rlim_t limit = static_cast<rlim_t>(vmKb + (512ull << 10)) * 1024; // half a gigabyte more
        const struct rlimit r = {limit, limit};
        if (vmKb == 0 || setrlimit(RLIMIT_AS, &r) != 0) _exit(3);
        MsgBoxM::SetResponder([](const QString&, MsgBoxM::Style) { return Answer::Ok; });
        OpenKrossM::ReadKross(*form, path);
        _exit(Doc().AppMode == Mode::OpenFailed && Doc().GridWidth == 0 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << (WIFEXITED(status) ? "exit " + std::to_string(WEXITSTATUS(status))
                              : "signal " + std::to_string(WTERMSIG(status)));

    // Through the window: the read error and mode 7.
    Plan({Answer::Ok});
    Open(path);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Plain(ui->File->title()) + " " + Q(Lang().LangReadError));
    EXPECT_EQ(Doc().AppMode, Mode::OpenFailed);

    // An ipuz crossword is held to the same rule: 3 x 3 cells of 6,000,000 pixels make a field too large.
    const std::string ipuz = AppDir() + "ring.ipuz";
    std::filesystem::copy_file(GRIDMORA_SOURCE_DIR "/fuzz/corpus/ipuz/ring.ipuz", ipuz);
    Opt().CellSize = 6000000;
    Plan({Answer::Ok});
    Open(ipuz);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text,
              ExportCommands::RefusalMessage(form->FileCaption(), ipuz,
                                             static_cast<int>(IpuzFormat::Refusal::TooLarge)));
    EXPECT_EQ(Doc().GridWidth, 0);
    Opt().CellSize = 20;
}

// Saving keeps a symbolic link, and does not silently overwrite a crossword someone else changed on disk
// since it was opened or saved here.
TEST_F(HostileInputTest, SaveAsksBeforeOverwritingAChangeMadeOnDisk) {
    Start();
    AuthorRing();
    std::filesystem::create_directories(AppDir() + "real");
    const std::string target = AppDir() + "real/ring.krw";
    const std::string link = AppDir() + "ring.krw";
    std::filesystem::create_symlink("real/ring.krw", link);
    SaveAs(link);
    ASSERT_EQ(Doc().KrossFile, link);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    const std::string saved = ReadFile(target);
    EXPECT_FALSE(saved.empty());

    // Someone else changes the file.
    const std::string theirs = saved + "their change\r\n";
    WriteFile(target, theirs);
    Doc().Modified = true;
    Plan({Answer::No});
    ui->FileSave->trigger();
    ASSERT_EQ(messages.size(), 2u); // the grid-ready question, then this one
    EXPECT_EQ(messages[1].text,
              Plain(ui->File->title()) + " " + QPath(link) + " " + Tr(FileSafetyText::ChangedOnDisk));
    EXPECT_EQ(messages[1].style, MsgBoxM::Style::ReplaceFile);
    EXPECT_EQ(ReadFile(target), theirs);
    EXPECT_TRUE(Doc().Modified);

    Plan({Answer::Yes});
    ui->FileSave->trigger();
    EXPECT_EQ(ReadFile(target), saved);
    EXPECT_FALSE(Doc().Modified);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    // Saved here: the next save does not ask.
    Doc().Modified = true;
    ui->FileSave->trigger();
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_FALSE(Doc().Modified);

    // A pipe in place of the file is refused with its name, and the window goes on.
    std::filesystem::remove(target);
    ASSERT_EQ(mkfifo(target.c_str(), 0644), 0);
    Doc().Modified = true;
    Plan({Answer::Ok});
    ui->FileSave->trigger();
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[3].text,
              Plain(ui->File->title()) + " " + QPath(link) + " " + Tr(FileSafetyText::NotRegular));
    EXPECT_TRUE(Doc().Modified);
}

// Settings no dialog would allow go back to their defaults: the window starts as usual.
TEST_F(HostileInputTest, SettingsOutOfRangeStartTheDefaults) {
    WriteFile(AppDir() + "Gridmora Int.ini",
              "6.5\r\n../../etc/passwd\r\nArial\r\n-3 \r\nTrue\r\nFalse\r\nFalse\r\n"
              " 0 \r\n 0 \r\n 9 \r\n-1 \r\n");
    Start();
    EXPECT_EQ(Opt().LanguageFile, "Russian.txt");
    EXPECT_EQ(Opt().CellSize, 20);
    EXPECT_EQ(Opt().LetterFontSize, 10);
    EXPECT_EQ(Opt().NumberSize, 1);
    EXPECT_EQ(Opt().StyleIndex, 0);
    EXPECT_TRUE(ui->OptionsStyle[0]->isChecked());
    EXPECT_EQ(Plain(ui->File->title()), QStringLiteral("Файл"));
    EXPECT_TRUE(messages.empty());
}

} // namespace
