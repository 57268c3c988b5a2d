// The main window at start, its modes, the save-changes question and the settings file.
#include <QKeySequence>
#include <QTest>
#include <sys/stat.h>

#include "WindowFixture.h"
#include "app/DeystvieM.h"
#include "app/OpURL.h"
#include "app/SaveFileINIM.h"
#include "basics/TextFile.h"

namespace {

using MsgBoxM::Answer;

TEST_F(WindowTest, StartsInModeZeroWithTheRussianCaptions) {
    Start();
    EXPECT_EQ(Doc().AppMode, 0);
    EXPECT_EQ(Opt().LanguageFile, "Russian.txt");
    ASSERT_FALSE(Lang().MsgTitle.empty());
    EXPECT_EQ(form->windowTitle(), Q(Lang().MsgTitle));
    struct Item {
        QString shown;
        int index;
    } items[] = {
        {form->File->title(), 3},
        {form->FileOpenOtvet->text(), 4},
        {form->FileSave->text(), 5},
        {form->FileSaveAs->text(), 6},
        {form->FileExit->text(), 7},
        {form->Kross->title(), 8},
        {form->KrossNew->text(), 9},
        {form->KrossOpen->text(), 10},
        {form->KrossChange->text(), 11},
        {form->kReshotkaGotova->text(), 12},
        {form->KrossAbout->text(), 13},
        {form->KrossFoundWord->text(), 14},
        {form->KrossDelOtwet->text(), 15},
        {form->KrossCopyWord->text(), 16},
        {form->Options->title(), 17},
        {form->OptionsRazmerKF->text(), 18},
        {form->OptionsStyle[0]->text(), 19},
        {form->OptionsStyle[1]->text(), 20},
        {form->Help->title(), 21},
        {form->HelpCallHelp->text(), 22},
        {form->HelpAbout->text(), 24},
        {form->lblOtvet->text(), 53},
        {form->lblStatistika->text(), 65},
        {form->ChSimmetrija->text(), 66},
        {form->lblGorizont->text(), 67},
        {form->lblVertikal->text(), 68},
        {form->lblKoordinaty->text(), 69},
        {form->kClearPole->text(), 73},
    };
    for (const auto& i : items) {
        EXPECT_FALSE(i.shown.isEmpty()) << i.index;
        EXPECT_EQ(i.shown, Caption(i.index)) << i.index;
    }
    EXPECT_EQ(form->OptionsLanguage->text(), QStringLiteral("Language: Русский"));
    // Menus are reachable from the keyboard: every menu title carries a mnemonic.
    for (QMenu* m : {form->File, form->Kross, form->Options, form->Help})
        EXPECT_TRUE(m->title().contains(QLatin1Char('&'))) << m->title().toStdString();
}

TEST_F(WindowTest, MenuShortcutsAndEnabledStatesAtStart) {
    Start();
    struct Item {
        QAction* action;
        const char* shortcut;
        bool enabled;
    } items[] = {
        {form->FileOpenOtvet, "Ctrl+O", true}, {form->FileSave, "Ctrl+S", false},
        {form->FileSaveAs, "", false},         {form->FileExit, "", true},
        {form->KrossNew, "Ctrl+N", true},      {form->KrossOpen, "", true},
        {form->KrossChange, "", false},        {form->KrossAbout, "", false},
        {form->KrossFoundWord, "F4", false},   {form->KrossDelOtwet, "F8", false},
        {form->KrossCopyWord, "", false},      {form->OptionsRazmerKF, "", false},
        {form->OptionsLanguage, "", true},     {form->OptionsStyle[0], "", true},
        {form->OptionsStyle[1], "", true},     {form->HelpCallHelp, "F1", true},
        {form->HelpAbout, "", true},
    };
    for (const auto& i : items) {
        EXPECT_EQ(i.action->shortcut(), QKeySequence(QString::fromLatin1(i.shortcut)))
            << i.action->objectName().toStdString();
        EXPECT_EQ(i.action->isEnabled(), i.enabled) << i.action->objectName().toStdString();
    }
    EXPECT_TRUE(form->OptionsStyle[0]->isChecked());
    EXPECT_FALSE(form->OptionsStyle[1]->isChecked());
    // Save is disabled at start: Ctrl+S does nothing (no question, no dialog).
    QTest::keyClick(form, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(WindowTest, SidePanelControlsSitAtTheirPlacesHidden) {
    Start();
    struct Item {
        QWidget* w;
        int y, h, width;
    } items[] = {
        {form->ChSimmetrija, 80, 49, 137},    {form->lblStatistika, 80, 24, 137},
        {form->lblSlov, 100, 16, 137},        {form->lblGorizont, 120, 16, 137},
        {form->lblVopros[0], 136, 120, 137},  {form->lblKoordinaty, 136, 16, 137},
        {form->kClearPole, 168, 41, 137},     {form->kReshotkaGotova, 224, 57, 137},
        {form->lblVertikal, 256, 16, 137},    {form->lblVopros[1], 272, 120, 137},
        {form->lblVoprosOtvet, 392, 40, 142}, {form->txtVoprosOtvet, 410, 24, 137},
        {form->lblOtvet, 440, 16, 137},       {form->txtOtvet, 458, 24, 137},
    };
    for (const auto& i : items) {
        const auto name = i.w->objectName().toStdString();
        EXPECT_FALSE(i.w->isVisible()) << name;
        EXPECT_EQ(i.w->geometry(), QRect(8, i.y, i.width, i.h)) << name;
    }
    EXPECT_EQ(form->picControl->geometry().topLeft(), QPoint(155, 77));
}

TEST_F(WindowTest, ApplyModeShowsAndEnablesByMode) {
    Start();
    struct Row {
        int mode;
        bool drawing, stats, clues, prompt, clueBox, answerBox;
        int answerTop;
        bool save, change, authoringCmds, cellSize;
    } rows[] = {
        // mode draw  stats  clues  prompt clueBx answBx top  save   change author cell
        {0, false, false, false, false, false, false, 426, false, false, false, false},
        {1, false, false, false, false, false, false, 426, false, false, false, true},
        {2, true, false, false, false, false, false, 426, false, false, false, true},
        {3, false, true, true, true, true, true, 458, true, false, true, true},
        {4, false, true, false, true, false, true, 426, true, false, false, true},
        {5, false, true, true, true, false, true, 426, true, true, false, true},
        {6, false, true, false, false, false, false, 426, true, true, false, true},
        {7, false, true, false, false, false, false, 426, true, false, false, true},
        {8, false, true, false, false, false, false, 426, true, false, false, true},
    };
    for (const auto& r : rows) {
        form->lblVopros[0]->setText("x");
        form->txtOtvet->setText("abc");
        form->KrossDelOtwet->setEnabled(true);
        Doc().AppMode = r.mode;
        DeystvieM::ApplyMode();
        SCOPED_TRACE(r.mode);
        for (QWidget* w :
             {static_cast<QWidget*>(form->ChSimmetrija), static_cast<QWidget*>(form->lblKoordinaty),
              static_cast<QWidget*>(form->kReshotkaGotova), static_cast<QWidget*>(form->kClearPole)})
            EXPECT_EQ(w->isVisible(), r.drawing);
        EXPECT_EQ(form->lblSlov->isVisible(), r.stats);
        EXPECT_EQ(form->lblStatistika->isVisible(), r.stats);
        EXPECT_EQ(form->lblGorizont->isVisible(), r.clues);
        EXPECT_EQ(form->lblVertikal->isVisible(), r.clues);
        EXPECT_EQ(form->lblVopros[0]->isVisible(), r.clues);
        EXPECT_EQ(form->lblVopros[1]->isVisible(), r.clues);
        EXPECT_TRUE(form->lblVopros[0]->text().isEmpty());
        EXPECT_EQ(form->lblVoprosOtvet->isVisible(), r.prompt);
        EXPECT_EQ(form->txtVoprosOtvet->isVisible(), r.clueBox);
        EXPECT_EQ(form->lblOtvet->isVisible(), r.clueBox);
        EXPECT_EQ(form->txtOtvet->isVisible(), r.answerBox);
        EXPECT_TRUE(form->txtOtvet->text().isEmpty());
        EXPECT_EQ(form->txtOtvet->y(), r.answerTop);
        EXPECT_EQ(form->FileSave->isEnabled(), r.save);
        EXPECT_EQ(form->FileSaveAs->isEnabled(), r.save);
        EXPECT_EQ(form->KrossChange->isEnabled(), r.change);
        EXPECT_EQ(form->KrossAbout->isEnabled(), r.authoringCmds);
        EXPECT_EQ(form->KrossFoundWord->isEnabled(), r.authoringCmds);
        EXPECT_EQ(form->KrossCopyWord->isEnabled(), r.authoringCmds);
        EXPECT_FALSE(form->KrossDelOtwet->isEnabled());
        EXPECT_EQ(form->OptionsRazmerKF->isEnabled(), r.cellSize);
    }
}

TEST_F(WindowTest, ClosingWritesTheSettingsAndTheNextStartReadsThemBack) {
    Start();
    Opt().CellSize = 31;
    Opt().LetterFontName = cp("Arial, Narrow"); // a comma in the name must survive the round trip
    form->OptionsStyle_Click(1);
    form->close();
    QApplication::processEvents();
    form = nullptr;
    const std::string ini = ReadFile(AppDir() + "Gridmora Int.ini");
    const auto lines = TextFile::SplitLines(ini);
    ASSERT_EQ(lines.size(), 11u) << ini;
    EXPECT_EQ(lines[0], "6.5");
    EXPECT_EQ(lines[1], "Russian.txt");
    EXPECT_EQ(lines[8], " 31 ");
    EXPECT_EQ(lines[10], " 1 ");
    EXPECT_EQ(ini.substr(ini.size() - 2), "\r\n");

    Start();
    EXPECT_EQ(Opt().CellSize, 31);
    EXPECT_EQ(Opt().StyleIndex, 1);
    EXPECT_EQ(Opt().LetterFontName, cp("Arial, Narrow"));
    EXPECT_TRUE(form->OptionsStyle[1]->isChecked());
    EXPECT_FALSE(form->OptionsStyle[0]->isChecked());
    EXPECT_EQ(Doc().ActiveStyle, 1);
}

TEST_F(WindowTest, AReadOnlySettingsFileIsReportedAndTheWindowStillCloses) {
    const std::string ini = AppDir() + "Gridmora Int.ini";
    WriteFile(ini, "6.5\r\nRussian.txt\r\n");
    ASSERT_EQ(chmod(ini.c_str(), 0444), 0);
    Start();
    QPointer<frmForma> window = form;
    Plan({Answer::Ok});
    form->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    form = nullptr;
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].style, MsgBoxM::Style::Critical);
    EXPECT_EQ(messages[0].text, Plain(Caption(3)) + " Gridmora Int.ini " + Q(Lang().LangAccessError));
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(ReadFile(ini), "6.5\r\nRussian.txt\r\n");
}

TEST_F(WindowTest, SaveChangesQuestionByMode) {
    Start();
    struct Row {
        int mode;
        bool asks;
        bool kross; // which question
    } rows[] = {{0, false, false}, {2, false, false}, {3, true, true},   {4, true, false},
                {5, true, false},  {6, false, false}, {7, false, false}, {8, true, true}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.mode);
        for (Answer a : {Answer::Yes, Answer::No, Answer::Cancel}) {
            Doc().AppMode = r.mode;
            Doc().Modified = true;
            Doc().NoAnswers = 1; // Save in an authoring mode then needs no properties
            messages.clear();
            if (r.asks) Plan({a});
            // Yes runs Save, whose file dialog is cancelled here: the question still returns 0.
            if (r.asks && a == Answer::Yes) fileAnswers.push_back(QString());
            dialogs.clear();
            const int32_t result = SaveFileINIM::ConfirmSaveChanges();
            EXPECT_EQ(dialogs.size(), r.asks && a == Answer::Yes ? 1u : 0u);
            if (!r.asks) {
                EXPECT_TRUE(messages.empty());
                EXPECT_EQ(result, 0);
                continue;
            }
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].style, MsgBoxM::Style::SaveQuestion);
            EXPECT_EQ(messages[0].text,
                      Q(r.kross ? Lang().LangSaveKrossPrompt : Lang().LangSaveAnswersPrompt));
            EXPECT_EQ(result, a == Answer::Cancel ? 1 : 0);
        }
    }
    Doc().Modified = false;
    Doc().AppMode = 3;
    messages.clear();
    EXPECT_EQ(SaveFileINIM::ConfirmSaveChanges(), 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(WindowTest, CancelAtTheCloseQuestionKeepsTheWindow) {
    Start();
    Doc().AppMode = 5;
    Doc().Modified = true;
    Plan({Answer::Cancel});
    form->close();
    QApplication::processEvents();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(TextFile::Exists(AppDir() + "Gridmora Int.ini"));
    Plan({Answer::No});
    form->close();
    QApplication::processEvents();
    form = nullptr;
    EXPECT_TRUE(TextFile::Exists(AppDir() + "Gridmora Int.ini"));
}

TEST_F(WindowTest, AMissingLanguageFileAtTheFirstStartIsReportedWithTheDesignCaption) {
    std::filesystem::remove(AppDir() + "Language/Russian.txt");
    Plan({Answer::Ok});
    Start();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].style, MsgBoxM::Style::Critical);
    EXPECT_EQ(messages[0].text, QStringLiteral("File ") + QPath(AppDir() + "Language/Russian.txt") + " ");
    EXPECT_EQ(Opt().LanguageFile, "Russian.txt");
}

TEST_F(WindowTest, ALanguageFileWithOnlyItsNameEmptiesTheCaptions) {
    WriteFile(AppDir() + "Language/Solo.txt", "Solo\r\n");
    WriteFile(AppDir() + "Gridmora Int.ini", "6.5\r\nSolo.txt\r\n");
    Start();
    EXPECT_EQ(Opt().LanguageFile, "Solo.txt");
    EXPECT_EQ(form->OptionsLanguage->text(), QStringLiteral("Language: Solo"));
    EXPECT_TRUE(form->File->title().isEmpty());
    EXPECT_TRUE(form->KrossNew->text().isEmpty());
    EXPECT_TRUE(form->windowTitle().isEmpty() || form->windowTitle() == QApplication::applicationName());
}

TEST_F(WindowTest, StyleMenuMovesTheCheckAndOnlyTheCheckWhileAuthoring) {
    Start();
    form->OptionsStyle[0]->trigger(); // the item already checked
    EXPECT_TRUE(form->OptionsStyle[0]->isChecked());
    EXPECT_EQ(Opt().StyleIndex, 0);
    Doc().AppMode = 3;
    form->OptionsStyle[1]->trigger();
    EXPECT_TRUE(form->OptionsStyle[1]->isChecked());
    EXPECT_FALSE(form->OptionsStyle[0]->isChecked());
    EXPECT_EQ(Opt().StyleIndex, 1);
    EXPECT_EQ(Doc().ActiveStyle, 0);
}

TEST_F(WindowTest, HelpOpensTheHelpDocumentAndAMissingOneIsSilent) {
    Start();
    QStringList opened;
    OpURL::SetOpener([&opened](const QString& t) { opened << t; });
    form->HelpCallHelp->trigger();
    OpURL::SetOpener({});
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QPath(AppDir()) + Q(Lang().HelpFileName));
    Lang().HelpFileName = "missing.html";
    form->HelpCallHelp->trigger(); // the real desktop call: nothing happens, nothing is reported
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
