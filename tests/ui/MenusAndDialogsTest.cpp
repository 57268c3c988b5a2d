// What a user meets first, in both shipped languages: the menus and the panel carry the captions the mode
// table describes (so the check of the language files' keys holds for the real window), every dialog is
// as wide as its title, "All Files" lists files without an extension, and the about box speaks the
// language in force.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <functional>
#include <memory>

#include "DialogHelpers.h"
#include "WindowFixture.h"
#include "app/ApiFontUi.h"
#include "app/DeystvieM.h"
#include "app/frmAboutBox.h"
#include "display/frmRazKletok.h"
#include "document/frmAbout.h"
#include "document/frmChange.h"
#include "document/frmFindWord.h"
#include "document/frmRazmer.h"
#include "export/CopyKrossM.h"
#include "export/ExportCommands.h"
#include "lang/LoadJazikMUi.h"
#include "lang/frmLang.h"
#include "widgets/FitToTitle.h"

namespace {

class MenusAndDialogsTest : public WindowTest {
  protected:
    // The shipped languages in turn: the program starts in Russian, then English is loaded.
    void ForEachLanguage(const std::function<void(const char*)>& check) {
        Start();
        check("ru");
        LoadJazikM::LoadLanguage(*form, "English.txt");
        ASSERT_EQ(Opt().LanguageFile, "English.txt");
        check("en");
    }
    // What the window shows for a caption of the table.
    static QString Shown(int32_t index) {
        return index <= LanguageIndexCount ? Q(CaptionOrEnglish(Lang(), index)) : Tr(index);
    }
};

// An item's name: a submenu's item is named by its menu.
QString ItemName(const QAction* a) {
    return a->menu() ? a->menu()->objectName() : a->objectName();
}

TEST_F(MenusAndDialogsTest, TheMenusAndThePanelAreThoseTheModeTableDescribes) {
    ForEachLanguage([this](const char* lang) {
        QStringList bar, barInTable;
        for (QAction* a : form->menuBar()->actions())
            bar << ItemName(a);
        for (const auto& m : DeystvieM::WindowMenus()) {
            if (m.OnMenuBar) barInTable << QString::fromLatin1(m.Menu.Name);
            const QMenu* menu = form->findChild<QMenu*>(QString::fromLatin1(m.Menu.Name));
            ASSERT_NE(menu, nullptr) << m.Menu.Name;
            EXPECT_EQ(menu->title(), Shown(m.Menu.Index)) << lang << " " << m.Menu.Name;
            QStringList items, itemsInTable;
            for (const QAction* a : menu->actions())
                if (!a->isSeparator()) items << ItemName(a);
            for (const auto& item : m.Items) {
                itemsInTable << QString::fromLatin1(item.Name);
                const QAction* a = nullptr;
                for (const QAction* candidate : menu->actions())
                    if (ItemName(candidate) == QString::fromLatin1(item.Name)) a = candidate;
                if (a && item.Index != 0) {
                    EXPECT_EQ(a->text(), Shown(item.Index)) << lang << " " << item.Name;
                }
            }
            EXPECT_EQ(items, itemsInTable) << lang << " " << m.Menu.Name;
        }
        EXPECT_EQ(bar, barInTable) << lang;

        // The panel's controls that a keyboard marker can reach, as each mode shows them.
        QWidget* panel = form->centralWidget();
        for (int32_t mode = 0; mode <= 8; ++mode) {
            const DeystvieM::ModeLook look = DeystvieM::LookOfMode(mode);
            form->ApplyLook(look);
            QStringList shown, shownInTable;
            for (QWidget* w : panel->findChildren<QWidget*>()) {
                const auto* label = qobject_cast<QLabel*>(w);
                const bool reachable = qobject_cast<QAbstractButton*>(w) || (label && label->buddy());
                if (reachable && w->isVisibleTo(form) && !ui->picControl->isAncestorOf(w))
                    shown << w->objectName();
            }
            for (const auto& p : DeystvieM::PanelCaptions()) {
                const auto* w = panel->findChild<QAbstractButton*>(QString::fromLatin1(p.Control.Name));
                ASSERT_NE(w, nullptr) << p.Control.Name;
                EXPECT_EQ(w->text(), Shown(p.Control.Index)) << lang << " " << p.Control.Name;
                if (look.*p.ShownBy) shownInTable << QString::fromLatin1(p.Control.Name);
            }
            shown.sort();
            shownInTable.sort();
            EXPECT_EQ(shown, shownInTable) << lang << " mode " << mode;
        }
    });
}

TEST_F(MenusAndDialogsTest, EveryDialogIsAsWideAsItsTitleAndItsCaptions) {
    ForEachLanguage([this](const char* lang) {
        const auto caption = [this](QAction* a) { return Plain(a->text()); };
        QPointer<frmFindWord> findWord;
        const std::pair<const char*, std::function<QWidget*()>> windows[] = {
            {"new-crossword", [this] { return new frmRazmer(*form); }},
            {"properties", [&] { return new frmAbout(form, caption(ui->KrossAbout)); }},
            {"unlock", [&] { return new frmChange(*form, caption(ui->KrossChange)); }},
            {"cells-and-font", [&] { return new frmRazKletok(*form, caption(ui->OptionsRazmerKF)); }},
            {"language", [this] { return new frmLang(*form); }},
            {"about", [this] { return new frmAboutBox(form); }},
            {"letter-font",
             [this] { return new ApiFont::LetterFontDialog(ApiFont::LetterFontChoice{}, form); }},
            {"word-search",
             [&] { return frmFindWord::ShowWindow(findWord, form, caption(ui->KrossFoundWord)); }},
        };
        for (const auto& [name, make] : windows) {
            const QPointer<QWidget> dialog = make();
            dialog->show();
            QApplication::processEvents();
            const std::string what = std::string(lang) + "-" + name;
            EXPECT_FALSE(dialog->windowTitle().isEmpty()) << what;
            EXPECT_GE(dialog->width(), TitleBarWidth(*dialog)) << what;
            EXPECT_GE(dialog->minimumWidth(), TitleBarWidth(*dialog)) << what;
            // No caption is cut: every label and button is at least as wide as its text needs.
            for (QWidget* w : dialog->findChildren<QWidget*>()) {
                const auto* label = qobject_cast<QLabel*>(w);
                const bool captioned = (label && !label->wordWrap()) || qobject_cast<QAbstractButton*>(w);
                if (captioned && w->isVisible()) {
                    EXPECT_GE(w->width(), w->sizeHint().width())
                        << what << " " << w->objectName().toStdString();
                }
            }
            DialogShot(dialog, (what + "-dialog").c_str());
            dialog->close();
            delete dialog.data();
        }
    });
}

TEST_F(MenusAndDialogsTest, AllFilesListsFilesWithoutAnExtensionToo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* file : {"Зима.krw", "Notes", "page.htm"}) {
        QFile f(dir.filePath(QString::fromUtf8(file)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ForEachLanguage([&dir](const char* lang) {
        const auto& t = Lang();
        // Crossword, answers, HTML, and Open's crossword-or-ipuz list: "All Files" comes last in each.
        const std::pair<std::string, qsizetype> lists[] = {{t.KrwFilter, 2},
                                                           {t.OtvFilter, 2},
                                                           {CopyKrossM::DialogFilter(), 2},
                                                           {ExportCommands::OpenFilter(), 3}};
        for (const auto& [filter, count] : lists) {
            const QStringList filters = apiOpenSaveM::NameFilters(filter);
            ASSERT_EQ(filters.size(), count) << lang;
            EXPECT_EQ(filters.back(), QStringLiteral("All Files (*)")) << lang;
            // The dialog lists what the patterns in the parentheses match.
            const QString all = filters.back();
            const qsizetype open = all.lastIndexOf(QLatin1Char('('));
            const QStringList patterns = all.mid(open + 1, all.size() - open - 2).split(QLatin1Char(' '));
            EXPECT_EQ(QDir(dir.path()).entryList(patterns, QDir::Files, QDir::Name),
                      QStringList(
                          {QStringLiteral("Notes"), QStringLiteral("page.htm"), QStringLiteral("Зима.krw")}))
                << lang;
        }
    });
}

TEST_F(MenusAndDialogsTest, TheAboutBoxSpeaksTheLanguageInForce) {
    const struct {
        const char* lang;
        const char* version;
        const char* start;
    } expected[] = {{"ru", "Версия ", "Мастерская кроссвордов"}, {"en", "Version ", "A crossword workshop"}};
    size_t k = 0;
    ForEachLanguage([&](const char* lang) {
        ASSERT_STREQ(lang, expected[k].lang);
        OnModal<frmAboutBox>([&](frmAboutBox& box) {
            EXPECT_EQ(box.windowTitle(), Plain(ui->HelpAbout->text()));
            const auto* version = box.findChild<QLabel*>("lblVersion");
            const auto* about = box.findChild<QLabel*>("lblAbout");
            ASSERT_TRUE(version && about);
            EXPECT_EQ(version->text(),
                      QString::fromUtf8(expected[k].version) + QStringLiteral(GRIDMORA_VERSION));
            EXPECT_TRUE(about->text().startsWith(QString::fromUtf8(expected[k].start))) << lang;
            box.accept();
        });
        ui->HelpAbout->trigger();
        Activate();
        ++k;
    });
    EXPECT_EQ(k, 2u);
}

TEST_F(MenusAndDialogsTest, ThePropertiesSayWhatThePasswordProtects) {
    const char* words[] = {"не зашифрованы", "not encrypted"};
    size_t k = 0;
    ForEachLanguage([&](const char* lang) {
        frmAbout a(form, Plain(ui->KrossAbout->text()));
        for (QWidget* w : std::initializer_list<QWidget*>{a.txtPW, a.txtPW2, a.Label3, a.Label4}) {
            EXPECT_TRUE(w->toolTip().contains(Tr(LangIndex::ProtectionNote).toHtmlEscaped())) << lang;
            EXPECT_TRUE(w->toolTip().contains(QString::fromUtf8(words[k]))) << lang;
        }
        ++k;
    });
}

} // namespace
