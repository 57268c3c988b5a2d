// The main window at start, its modes, the save-changes question and the settings file.
#include <QActionGroup>
#include <QKeySequence>
#include <QTest>
#include <sys/stat.h>

#include "WindowFixture.h"
#include "app/DeystvieMUi.h"
#include "app/OpURLUi.h"
#include "app/SaveFileINIMUi.h"
#include "basics/TextFile.h"
#include "lang/frmLang.h"

namespace {

class SpineTest : public WindowTest {};

using MsgBoxM::Answer;

TEST_F(SpineTest, StartsInModeZeroWithTheRussianCaptions) {
    Start();
    EXPECT_EQ(Doc().AppMode, 0);
    EXPECT_EQ(Opt().LanguageFile, "Russian.txt");
    ASSERT_FALSE(Lang().MsgTitle.empty());
    EXPECT_EQ(form->windowTitle(), Q(Lang().MsgTitle));
    struct Item {
        QString shown;
        int index;
    } items[] = {
        {ui->File->title(), 3},
        {ui->FileOpenOtvet->text(), 4},
        {ui->FileSave->text(), 5},
        {ui->FileSaveAs->text(), 6},
        {ui->FileExit->text(), 7},
        {ui->Kross->title(), 8},
        {ui->KrossNew->text(), 9},
        {ui->KrossOpen->text(), 10},
        {ui->KrossChange->text(), 11},
        {ui->kReshotkaGotova->text(), 12},
        {ui->KrossAbout->text(), 13},
        {ui->KrossFoundWord->text(), 14},
        {ui->KrossDelOtwet->text(), 15},
        {ui->KrossCopyWord->text(), 16},
        {ui->Options->title(), 17},
        {ui->OptionsRazmerKF->text(), 18},
        {ui->OptionsStyle[0]->text(), 19},
        {ui->OptionsStyle[1]->text(), 20},
        {ui->Help->title(), 21},
        {ui->HelpCallHelp->text(), 22},
        {ui->HelpAbout->text(), 24},
        {ui->lblOtvet->text(), 53},
        {ui->lblStatistika->text(), 65},
        {ui->ChSimmetrija->text(), 66},
        {ui->lblGorizont->text(), 67},
        {ui->lblVertikal->text(), 68},
        {ui->lblKoordinaty->text(), 69},
        {ui->kClearPole->text(), 73},
    };
    for (const auto& i : items) {
        EXPECT_FALSE(i.shown.isEmpty()) << i.index;
        EXPECT_EQ(i.shown, Caption(i.index)) << i.index;
    }
    EXPECT_EQ(ui->OptionsLanguage->text(), QStringLiteral("Language: Русский"));
    // Menus are reachable from the keyboard: every menu title carries a mnemonic.
    for (QMenu* m : {ui->File, ui->Kross, ui->Options, ui->Help})
        EXPECT_TRUE(m->title().contains(QLatin1Char('&'))) << m->title().toStdString();
}

TEST_F(SpineTest, MenuShortcutsAndEnabledStatesAtStart) {
    Start();
    struct Item {
        QAction* action;
        const char* shortcut;
        bool enabled;
    } items[] = {
        {ui->FileOpenOtvet, "Ctrl+O", true}, {ui->FileSave, "Ctrl+S", false},
        {ui->FileSaveAs, "", false},         {ui->FileExit, "", true},
        {ui->KrossNew, "Ctrl+N", true},      {ui->KrossOpen, "", true},
        {ui->KrossChange, "", false},        {ui->KrossAbout, "", false},
        {ui->KrossFoundWord, "F4", false},   {ui->KrossDelOtwet, "F8", false},
        {ui->KrossCopyWord, "", false},      {ui->OptionsRazmerKF, "", false},
        {ui->OptionsLanguage, "", true},     {ui->OptionsStyle[0], "", true},
        {ui->OptionsStyle[1], "", true},     {ui->HelpCallHelp, "F1", true},
        {ui->HelpAbout, "", true},
    };
    for (const auto& i : items) {
        EXPECT_EQ(i.action->shortcut(), QKeySequence(QString::fromLatin1(i.shortcut)))
            << i.action->objectName().toStdString();
        EXPECT_EQ(i.action->isEnabled(), i.enabled) << i.action->objectName().toStdString();
    }
    EXPECT_TRUE(ui->OptionsStyle[0]->isChecked());
    EXPECT_FALSE(ui->OptionsStyle[1]->isChecked());
    // Save is disabled at start: Ctrl+S does nothing (no question, no dialog).
    QTest::keyClick(form, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(SpineTest, SidePanelControlsSitAtTheirPlacesHidden) {
    Start();
    struct Item {
        QWidget* w;
        int y, h, width;
    } items[] = {
        {ui->ChSimmetrija, 80, 49, 137},    {ui->lblStatistika, 80, 24, 137},
        {ui->lblSlov, 100, 16, 137},        {ui->lblGorizont, 120, 16, 137},
        {ui->lblVopros[0], 136, 120, 137},  {ui->lblKoordinaty, 136, 16, 137},
        {ui->kClearPole, 168, 41, 137},     {ui->kReshotkaGotova, 224, 57, 137},
        {ui->lblVertikal, 256, 16, 137},    {ui->lblVopros[1], 272, 120, 137},
        {ui->lblVoprosOtvet, 392, 40, 142}, {ui->txtVoprosOtvet, 410, 24, 137},
        {ui->lblOtvet, 440, 16, 137},       {ui->txtOtvet, 458, 24, 137},
    };
    for (const auto& i : items) {
        const auto name = i.w->objectName().toStdString();
        EXPECT_FALSE(i.w->isVisible()) << name;
        EXPECT_EQ(i.w->geometry(), QRect(8, i.y, i.width, i.h)) << name;
    }
    EXPECT_EQ(ui->picControl->geometry().topLeft(), QPoint(155, 77));
}

TEST_F(SpineTest, ApplyModeShowsAndEnablesByMode) {
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
        ui->lblVopros[0]->setText("x");
        ui->txtOtvet->setText("abc");
        ui->KrossDelOtwet->setEnabled(true);
        Doc().AppMode = r.mode;
        DeystvieM::ApplyMode(*form);
        SCOPED_TRACE(r.mode);
        for (QWidget* w : {static_cast<QWidget*>(ui->ChSimmetrija), static_cast<QWidget*>(ui->lblKoordinaty),
                           static_cast<QWidget*>(ui->kReshotkaGotova), static_cast<QWidget*>(ui->kClearPole)})
            EXPECT_EQ(w->isVisible(), r.drawing);
        EXPECT_EQ(ui->lblSlov->isVisible(), r.stats);
        EXPECT_EQ(ui->lblStatistika->isVisible(), r.stats);
        EXPECT_EQ(ui->lblGorizont->isVisible(), r.clues);
        EXPECT_EQ(ui->lblVertikal->isVisible(), r.clues);
        EXPECT_EQ(ui->lblVopros[0]->isVisible(), r.clues);
        EXPECT_EQ(ui->lblVopros[1]->isVisible(), r.clues);
        EXPECT_TRUE(ui->lblVopros[0]->text().isEmpty());
        EXPECT_EQ(ui->lblVoprosOtvet->isVisible(), r.prompt);
        EXPECT_EQ(ui->txtVoprosOtvet->isVisible(), r.clueBox);
        EXPECT_EQ(ui->lblOtvet->isVisible(), r.clueBox);
        EXPECT_EQ(ui->txtOtvet->isVisible(), r.answerBox);
        EXPECT_TRUE(ui->txtOtvet->text().isEmpty());
        EXPECT_EQ(ui->txtOtvet->y(), r.answerTop);
        EXPECT_EQ(ui->FileSave->isEnabled(), r.save);
        EXPECT_EQ(ui->FileSaveAs->isEnabled(), r.save);
        EXPECT_EQ(ui->KrossChange->isEnabled(), r.change);
        EXPECT_EQ(ui->KrossAbout->isEnabled(), r.authoringCmds);
        EXPECT_EQ(ui->KrossFoundWord->isEnabled(), r.authoringCmds);
        EXPECT_EQ(ui->KrossCopyWord->isEnabled(), r.authoringCmds);
        EXPECT_FALSE(ui->KrossDelOtwet->isEnabled());
        EXPECT_EQ(ui->OptionsRazmerKF->isEnabled(), r.cellSize);
    }
}

TEST_F(SpineTest, ClosingWritesTheSettingsAndTheNextStartReadsThemBack) {
    Start();
    Opt().CellSize = 31;
    Opt().LetterFontName = cp("Arial, Narrow"); // a comma in the name must survive the round trip
    form->OptionsStyle_Click(1);
    form->close();
    QApplication::processEvents();
    form = nullptr;
    const std::string ini = ReadFile(AppDir() + "Gridmora Int.ini");
    const auto lines = TextFile::SplitLines(ini);
    // The 11 classic lines, then the symmetry of the drawing panel.
    ASSERT_EQ(lines.size(), 12u) << ini;
    EXPECT_EQ(lines[0], "6.5");
    EXPECT_EQ(lines[1], "Russian.txt");
    EXPECT_EQ(lines[8], " 31 ");
    EXPECT_EQ(lines[10], " 1 ");
    EXPECT_EQ(lines[11], " 0 ");
    EXPECT_EQ(ini.substr(ini.size() - 2), "\r\n");

    Start();
    EXPECT_EQ(Opt().CellSize, 31);
    EXPECT_EQ(Opt().StyleIndex, 1);
    EXPECT_EQ(Opt().LetterFontName, cp("Arial, Narrow"));
    EXPECT_TRUE(ui->OptionsStyle[1]->isChecked());
    EXPECT_FALSE(ui->OptionsStyle[0]->isChecked());
    EXPECT_EQ(Doc().ActiveStyle, 1);
}

TEST_F(SpineTest, AReadOnlySettingsFileIsReportedAndTheWindowStillCloses) {
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

TEST_F(SpineTest, SaveChangesQuestionByMode) {
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
            const int32_t result = SaveFileINIM::ConfirmSaveChanges(*form);
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
    EXPECT_EQ(SaveFileINIM::ConfirmSaveChanges(*form), 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(SpineTest, CancelAtTheCloseQuestionKeepsTheWindow) {
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

TEST_F(SpineTest, AMissingLanguageFileAtTheFirstStartIsReportedWithTheDesignCaption) {
    std::filesystem::remove(AppDir() + "Language/Russian.txt");
    Plan({Answer::Ok});
    Start();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].style, MsgBoxM::Style::Critical);
    EXPECT_EQ(messages[0].text, QStringLiteral("File ") + QPath(AppDir() + "Language/Russian.txt") + " ");
    EXPECT_EQ(Opt().LanguageFile, "Russian.txt");
}

TEST_F(SpineTest, ALanguageFileWithOnlyItsNameLeavesTheMenusInEnglishAndTheWayOutOpen) {
    WriteFile(AppDir() + "Language/Solo.txt", "Solo\r\n");
    WriteFile(AppDir() + "Gridmora Int.ini", "6.5\r\nSolo.txt\r\n");
    Start();
    EXPECT_EQ(Opt().LanguageFile, "Solo.txt");
    EXPECT_EQ(ui->OptionsLanguage->text(), QStringLiteral("Language: Solo"));
    // The texts are empty as the file left them; the menus show the English captions instead.
    EXPECT_TRUE(Lang().Captions[3].empty());
    struct Item {
        QString shown;
        const char* english;
    } items[] = {
        {ui->File->title(), "&File"},         {ui->FileSave->text(), "&Save"},
        {ui->Kross->title(), "&Crossword"},   {ui->KrossNew->text(), "&New..."},
        {ui->Options->title(), "&Options"},   {ui->OptionsStyle[1]->text(), "&Arabic Style"},
        {ui->Help->title(), "&Help"},         {ui->HelpAbout->text(), "&About Gridmora"},
        {ui->FilePrint->text(), "&Print..."}, {ui->KrossExportIpuz->text(), "Export to ip&uz..."},
    };
    for (const auto& i : items)
        EXPECT_EQ(i.shown, QString::fromLatin1(i.english));
    EXPECT_TRUE(ui->lblStatistika->text().isEmpty()); // the panel is no menu: as the file says
    EXPECT_TRUE(form->windowTitle().isEmpty() || form->windowTitle() == QApplication::applicationName());

    // Options -> Language, in English too, leads back to a complete language.
    OnModal<frmLang>([](frmLang& l) {
        EXPECT_EQ(l.windowTitle(), QStringLiteral("Choose Language"));
        EXPECT_EQ(l.Label1->text(), QStringLiteral("Available languages:"));
        EXPECT_EQ(l.NO->text(), QStringLiteral("Cancel"));
        const auto names = l.DirT->findItems(QStringLiteral("Русский"), Qt::MatchExactly);
        ASSERT_EQ(names.size(), 1);
        l.DirT->setCurrentItem(names[0]);
        QTest::mouseClick(l.OK, Qt::LeftButton);
    });
    ui->OptionsLanguage->trigger();
    Activate();
    EXPECT_EQ(Opt().LanguageFile, "Russian.txt");
    EXPECT_EQ(ui->File->title(), QStringLiteral("&Файл"));
}

TEST_F(SpineTest, TheStylesAreRadioItemsOfOneExclusiveGroup) {
    Start();
    QActionGroup* group = ui->OptionsStyle[0]->actionGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(ui->OptionsStyle[1]->actionGroup(), group);
    EXPECT_TRUE(group->isExclusive()); // the menu draws the items of an exclusive group as radio items
    EXPECT_EQ(group->actions().size(), 2);
    for (int i : {1, 1, 0}) {
        ui->OptionsStyle[static_cast<size_t>(i)]->trigger();
        EXPECT_TRUE(ui->OptionsStyle[static_cast<size_t>(i)]->isChecked()) << i;
        EXPECT_FALSE(ui->OptionsStyle[static_cast<size_t>(1 - i)]->isChecked()) << i;
        EXPECT_EQ(Opt().StyleIndex, i);
    }
}

TEST_F(SpineTest, StyleMenuMovesTheCheckAndOnlyTheCheckWhileAuthoring) {
    Start();
    ui->OptionsStyle[0]->trigger(); // the item already checked
    EXPECT_TRUE(ui->OptionsStyle[0]->isChecked());
    EXPECT_EQ(Opt().StyleIndex, 0);
    Doc().AppMode = 3;
    ui->OptionsStyle[1]->trigger();
    EXPECT_TRUE(ui->OptionsStyle[1]->isChecked());
    EXPECT_FALSE(ui->OptionsStyle[0]->isChecked());
    EXPECT_EQ(Opt().StyleIndex, 1);
    EXPECT_EQ(Doc().ActiveStyle, 0);
}

TEST_F(SpineTest, HelpOpensTheHelpDocumentAndAMissingOneIsSilent) {
    Start();
    QStringList opened;
    OpURL::SetOpener([&opened](const QString& t) { opened << t; });
    ui->HelpCallHelp->trigger();
    OpURL::SetOpener({});
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QPath(AppDir()) + Q(Lang().HelpFileName));
    Lang().HelpFileName = "missing.html";
    ui->HelpCallHelp->trigger(); // the real desktop call: nothing happens, nothing is reported
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
