// The crossword properties (author, name, edit password) and the unlock dialog.
#include "DialogHelpers.h"
#include "GridHelpers.h"
#include "app/DeystvieMUi.h"
#include "document/KodKodirovkiM.h"
#include "document/OpenKrossM.h"
#include "document/SaveKrossM.h"
#include "document/frmAbout.h"
#include "document/frmChange.h"
#include "grid/LoadReshotkiMUi.h"

namespace {

using MsgBoxM::Answer;

// A ring: 1 across and 1 down from the corner, 2 down on the right, 3 across at the bottom.
const std::vector<std::string> kRing = {"...", ".#.", "..."};

class PasswordDialogsTest : public GridWindowTest {
  protected:
    // The ring authored with answers for its first `count` words (in the order the program offers them).
    void AuthorRing(int count) {
        Author(kRing);
        const char* words[] = {"кот", "кол", "ток", "лук"};
        for (int i = 0; i < count; ++i) {
            TypeEnter(ui->txtVoprosOtvet, QStringLiteral("вопрос %1").arg(i + 1));
            TypeEnter(ui->txtOtvet, QString::fromUtf8(words[i]));
        }
    }
    // The crossword as a solver sees it after opening its file: mode 5 (or 6), turned style, some progress.
    void AsOpened(int mode, const char* password) {
        auto& d = Doc();
        d.EditPassword = SaveKrossM::Scramble(d, cp(password));
        d.KrossAuthor = cp("Автор");
        d.AppMode = mode;
        d.ActiveStyle = 1;
        d.SolvedWords.Set(1, 0, 1);
        d.SolvedCount = 1;
        d.Modified = false;
        LoadReshotkiM::LoadGrid(*form);
        DeystvieM::ApplyMode(*form);
        form->setWindowTitle(DeystvieM::SolvingCaption(*form));
    }
    static std::string Unscrambled(const std::string& scrambled) {
        return OpenKrossM::Unscramble(Doc(), scrambled);
    }
};

TEST_F(PasswordDialogsTest, PropertiesStartFromTheDocumentAndOkNeedsTwoEqualPasswords) {
    Start();
    Author(kRing);
    auto& d = Doc();
    d.KrossAuthor = cp("Иванов");
    d.EditPassword = SaveKrossM::Scramble(d, cp("Ключ"));
    d.Modified = true;
    const QString caption = form->windowTitle();
    OnModal<frmAbout>([this](frmAbout& a) {
        const auto& t = Lang();
        EXPECT_EQ(a.windowTitle(), Plain(ui->KrossAbout->text()));
        EXPECT_EQ(a.Label1->text(), Q(t.LangText[10]));
        EXPECT_EQ(a.Label2->text(), Q(t.LangText[11]));
        EXPECT_EQ(a.Label3->text(), Q(t.LangText[6]));
        EXPECT_EQ(a.Label4->text(), Q(t.LangText[12]));
        EXPECT_EQ(a.kNO->text(), Q(t.LangText[5]));
        EXPECT_TRUE(a.kOK->isDefault());
        EXPECT_EQ(a.txtNameAutor->text(), QStringLiteral("Иванов"));
        EXPECT_EQ(a.txtNameKross->text(), QStringLiteral("Тест"));
        EXPECT_EQ(a.txtPW->text(), QStringLiteral("Ключ"));
        EXPECT_EQ(a.txtPW2->text(), QStringLiteral("Ключ"));
        EXPECT_TRUE(a.kOK->isEnabled());
        DialogShot(&a, "properties-dialog");
        for (QLineEdit* box : {static_cast<QLineEdit*>(a.txtPW), static_cast<QLineEdit*>(a.txtPW2)})
            EXPECT_EQ(box->echoMode(), QLineEdit::Password);
        EXPECT_EQ(a.txtNameAutor->echoMode(), QLineEdit::Normal);

        struct Row {
            const char *author, *name, *pw, *pw2;
            bool ok;
        } rows[] = {
            {"А", "Н", "x", "x", true},   {"А", "Н", "x", "X", false}, // case counts
            {"А", "Н", "x", "x ", false}, {"", "Н", "x", "x", false},
            {"А", "", "x", "x", false},   {"А", "Н", "", "", false}, // a password is required
        };
        for (const auto& r : rows) {
            a.txtNameAutor->setText(QString::fromUtf8(r.author));
            a.txtNameKross->setText(QString::fromUtf8(r.name));
            a.txtPW->setText(QString::fromUtf8(r.pw));
            a.txtPW2->setText(QString::fromUtf8(r.pw2));
            EXPECT_EQ(a.kOK->isEnabled(), r.ok) << r.author << "|" << r.name << "|" << r.pw << "|" << r.pw2;
        }
        // Typed characters that cp1251 cannot hold are refused.
        a.txtNameAutor->clear();
        a.txtNameAutor->setFocus();
        TypeText(a.txtNameAutor, QStringLiteral("Пе日тров"));
        EXPECT_EQ(a.txtNameAutor->text(), QStringLiteral("Петров"));
        a.txtNameKross->setText(QStringLiteral("Тест"));
        a.txtPW->setText(QStringLiteral("Новый"));
        a.txtPW2->setText(QStringLiteral("Новый"));
        QTest::keyClick(a.txtPW2, Qt::Key_Return); // the default button
    });
    ui->KrossAbout->trigger();
    Activate();
    EXPECT_EQ(d.KrossAuthor, cp("Петров"));
    EXPECT_EQ(d.KrossName, cp("Тест"));
    EXPECT_EQ(d.EditPassword, SaveKrossM::Scramble(d, cp("Новый")));
    EXPECT_NE(d.EditPassword, cp("Новый")); // held scrambled
    EXPECT_EQ(Unscrambled(d.EditPassword), cp("Новый"));
    EXPECT_TRUE(d.Modified);
    EXPECT_EQ(d.AppMode, Mode::Authoring);
    EXPECT_EQ(form->windowTitle(), caption);
    EXPECT_EQ(messages.size(), 1u); // only the grid-ready question
}

TEST_F(PasswordDialogsTest, RenamingRebuildsTheTablesBeforeThePasswordIsScrambled) {
    Start();
    Author(kRing);
    auto& d = Doc();
    OnModal<frmAbout>([](frmAbout& a) {
        EXPECT_TRUE(a.txtPW->text().isEmpty()); // no password yet
        EXPECT_FALSE(a.kOK->isEnabled());
        a.txtNameAutor->setText(QStringLiteral("Автор"));
        a.txtNameKross->setText(QStringLiteral("Другое имя"));
        a.txtPW->setText(QStringLiteral("Пароль"));
        a.txtPW2->setText(QStringLiteral("Пароль"));
        QTest::mouseClick(a.kOK, Qt::LeftButton);
    });
    ui->KrossAbout->trigger();
    Activate();
    const auto renamed = KodKodirovkiM::MakeCodeTables(cp("Другое имя"));
    EXPECT_EQ(d.KrossName, cp("Другое имя"));
    EXPECT_EQ(d.CodeTable, renamed.Code);
    EXPECT_EQ(d.EditPassword, KodKodirovkiM::MapCodes(renamed.Code, cp("Пароль")));
    EXPECT_NE(d.EditPassword,
              KodKodirovkiM::MapCodes(KodKodirovkiM::MakeCodeTables(cp("Тест")).Code, cp("Пароль")));

    // Opened again the dialog reads the password back; OK with nothing changed scrambles it the same way.
    const std::string held = d.EditPassword;
    OnModal<frmAbout>([](frmAbout& a) {
        EXPECT_EQ(a.txtPW->text(), QStringLiteral("Пароль"));
        EXPECT_EQ(a.txtPW2->text(), QStringLiteral("Пароль"));
        QTest::mouseClick(a.kOK, Qt::LeftButton);
    });
    ui->KrossAbout->trigger();
    Activate();
    EXPECT_EQ(d.EditPassword, held);
}

TEST_F(PasswordDialogsTest, PropertiesCloseWithoutChangeByCancelOrEscapeInTheNameBoxes) {
    Start();
    Author(kRing);
    auto& d = Doc();
    // Without a name the stored password cannot be read: both boxes stay empty.
    d.KrossName.clear();
    d.KrossAuthor = cp("Автор");
    d.EditPassword = cp("\x01\x02");
    const KrossDocument before = d;
    const std::function<void(frmAbout&)> closers[] = {
        [](frmAbout& a) { QTest::mouseClick(a.kNO, Qt::LeftButton); },
        [](frmAbout& a) { QTest::keyClick(a.txtNameAutor, Qt::Key_Escape); },
        [](frmAbout& a) { QTest::keyClick(a.txtNameKross, Qt::Key_Escape); },
    };
    for (const auto& close : closers) {
        OnModal<frmAbout>([close](frmAbout& a) {
            EXPECT_TRUE(a.txtNameKross->text().isEmpty());
            EXPECT_TRUE(a.txtPW->text().isEmpty());
            EXPECT_TRUE(a.txtPW2->text().isEmpty());
            a.txtNameAutor->setText(QStringLiteral("Другой"));
            a.txtNameKross->setText(QStringLiteral("Имя"));
            a.txtPW->setText(QStringLiteral("p"));
            a.txtPW2->setText(QStringLiteral("p"));
            close(a);
            EXPECT_FALSE(a.isVisible());
        });
        ui->KrossAbout->trigger();
        Activate();
        EXPECT_EQ(d.KrossAuthor, before.KrossAuthor);
        EXPECT_EQ(d.KrossName, before.KrossName);
        EXPECT_EQ(d.EditPassword, before.EditPassword);
        EXPECT_EQ(d.CodeTable, before.CodeTable);
    }

    // Save without an author or a name asks for them first, and stops when they are still missing.
    d.KrossAuthor.clear();
    d.KrossName = cp("Тест");
    OnModal<frmAbout>([](frmAbout& a) { QTest::mouseClick(a.kNO, Qt::LeftButton); });
    ui->FileSave->trigger();
    Activate();
    EXPECT_TRUE(d.KrossAuthor.empty());
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(PasswordDialogsTest, TheRightPasswordUnlocksAuthoringAndAWrongOneIsRefused) {
    Start();
    AuthorRing(4);
    AsOpened(Mode::Solve, "Секрет");
    auto& d = Doc();
    // The solver's view is turned: only the solved 1 across shows, in the bottom row.
    const auto letter = [](const char* utf8) { return Cp1251::Code(cp(utf8)[0]); };
    ASSERT_EQ(d.GridLayers.Get(1, 2, Layer::Letter), letter("О"));
    ASSERT_EQ(d.GridLayers.Get(1, 0, Layer::Letter), 0);
    Plan({Answer::Ok, Answer::Ok});
    OnModal<frmChange>([this](frmChange& c) {
        const auto& t = Lang();
        EXPECT_EQ(c.windowTitle(), Plain(ui->KrossChange->text()));
        EXPECT_EQ(c.Label1->text(), Q(t.LangText[6]));
        EXPECT_EQ(c.kNO->text(), Q(t.LangText[5]));
        EXPECT_TRUE(c.kOK->isEnabled());
        EXPECT_TRUE(c.kOK->isDefault());
        EXPECT_EQ(c.txtPassword->echoMode(), QLineEdit::Password);
        c.txtPassword->setText(QStringLiteral("abc"));
        DialogShot(&c, "unlock-dialog");
        for (const char* wrong : {"секрет", ""}) {
            c.txtPassword->setText(QString::fromUtf8(wrong));
            QTest::mouseClick(c.kOK, Qt::LeftButton);
            EXPECT_TRUE(c.isVisible()) << wrong;
            EXPECT_EQ(Doc().AppMode, Mode::Solve);
        }
        ASSERT_EQ(messages.size(), 3u);
        for (size_t i = 1; i < 3; ++i) {
            EXPECT_EQ(messages[i].text, Q(t.LangText[7]));
            EXPECT_EQ(messages[i].style, MsgBoxM::Style::Information);
        }
        c.txtPassword->setFocus();
        c.txtPassword->clear();
        TypeText(c.txtPassword, QStringLiteral("Секрет"));
        QTest::keyClick(c.txtPassword, Qt::Key_Return);
        EXPECT_FALSE(c.isVisible());
    });
    ui->KrossChange->trigger();
    Activate();
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_EQ(d.AppMode, Mode::Authoring);
    EXPECT_EQ(d.ActiveStyle, 0);
    EXPECT_FALSE(d.Modified);
    EXPECT_EQ(d.SolvedCount, 1); // left as it was
    ASSERT_EQ(d.SolvedWords.Ubound0(), d.NumberCount);
    ASSERT_EQ(d.SolvedWords.Ubound1(), 1);
    for (int n = 0; n <= d.NumberCount; ++n)
        for (int dir = 0; dir <= 1; ++dir)
            EXPECT_EQ(d.SolvedWords.Get(n, dir), 0) << n << "," << dir;
    // Authoring layers: every answer is back in the grid, in the classic style.
    EXPECT_EQ(d.GridLayers.Get(1, 2, Layer::Letter), letter("У"));
    EXPECT_EQ(d.GridLayers.Get(1, 0, Layer::Letter), letter("О"));
    EXPECT_EQ(d.ViewSlotTable.Get(2, Slot::X, 1), 2);
    EXPECT_EQ(form->windowTitle(), Q(Lang().LangAppTitle + " " + Lang().LangModeAuthoring));
    EXPECT_EQ(ui->lblVoprosOtvet->text(), Q(Lang().LangAuthorPrompt));
    EXPECT_TRUE(ui->txtVoprosOtvet->isVisible());
    EXPECT_TRUE(ui->KrossAbout->isEnabled());
    EXPECT_FALSE(ui->KrossChange->isEnabled());
    // Every word has its answer: nothing is selected.
    EXPECT_EQ(d.CurNumber, 0);
    EXPECT_EQ(d.CurDirection, 1);
    EXPECT_EQ(CellPixel(1, 0, 1, 10), CellColor);
}

TEST_F(PasswordDialogsTest, WithoutAPasswordOnlyAnEmptyBoxUnlocks) {
    Start();
    AuthorRing(4);
    AsOpened(Mode::Solve, "");
    Plan({Answer::Ok});
    OnModal<frmChange>([](frmChange& c) {
        c.txtPassword->setText(QStringLiteral("x"));
        QTest::mouseClick(c.kOK, Qt::LeftButton);
        EXPECT_TRUE(c.isVisible());
        c.txtPassword->clear();
        QTest::mouseClick(c.kOK, Qt::LeftButton);
    });
    ui->KrossChange->trigger();
    Activate();
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(Doc().AppMode, Mode::Authoring);
}

TEST_F(PasswordDialogsTest, CancelEscapeOrTheSaveQuestionKeepTheSolvingMode) {
    Start();
    AuthorRing(4);
    AsOpened(Mode::Solve, "Секрет");
    auto& d = Doc();
    const std::function<void(frmChange&)> closers[] = {
        [](frmChange& c) { QTest::mouseClick(c.kNO, Qt::LeftButton); },
        [](frmChange& c) { QTest::keyClick(c.txtPassword, Qt::Key_Escape); },
    };
    for (const auto& close : closers) {
        OnModal<frmChange>([close](frmChange& c) {
            c.txtPassword->setText(QStringLiteral("Секрет"));
            close(c);
            EXPECT_FALSE(c.isVisible());
        });
        ui->KrossChange->trigger();
        Activate();
        EXPECT_EQ(d.AppMode, Mode::Solve);
        EXPECT_EQ(d.ActiveStyle, 1);
        EXPECT_EQ(d.SolvedWords.Get(1, 0), 1);
    }
    // Unsaved progress: Cancel at the save question opens no dialog at all.
    d.Modified = true;
    Plan({Answer::Cancel});
    ui->KrossChange->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, Q(Lang().LangSaveAnswersPrompt));
    EXPECT_EQ(d.AppMode, Mode::Solve);
}

TEST_F(PasswordDialogsTest, AnIncompleteCrosswordIsUnlockedFromTheOpenPath) {
    Start();
    AuthorRing(3); // 3 across has no answer
    AsOpened(Mode::Incomplete, "Секрет");
    OnModal<frmChange>([](frmChange& c) {
        c.txtPassword->setText(QStringLiteral("Секрет"));
        QTest::mouseClick(c.kOK, Qt::LeftButton);
    });
    form->KrossChange_Click(); // as the Open command calls it
    Activate();
    const auto& d = Doc();
    EXPECT_EQ(d.AppMode, Mode::Authoring);
    // The word without an answer is offered.
    EXPECT_EQ(d.CurNumber, 3);
    EXPECT_EQ(d.CurDirection, 0);
    EXPECT_EQ(ui->txtVoprosOtvet->text(), QString());
    EXPECT_EQ(ui->txtOtvet->text(), QString());
    EXPECT_EQ(CellPixel(1, 2, 1, 10), SelectionColor);
    EXPECT_EQ(CellPixel(2, 1, 1, 10), CellColor);
    EXPECT_EQ(QApplication::focusWidget(), ui->txtVoprosOtvet);
}

} // namespace
