#pragma once
// A fixture that starts the program in a temporary copy of the program folder, answers every message box
// from a plan, and fails on a message nobody planned.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <array>
#include <deque>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "app/MainMUi.h"
#include "app/ProgramState.h"
#include "app/apiOpenSaveMUi.h"
#include "app/frmForma.h"
#include "basics/Cp1251.h"
#include "display/FieldWidget.h"
#include "grid/FieldGeometry.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/TextBox.h"
#include "widgets/UiText.h"

// The main window's widgets, found by their object names: the window keeps them to itself.
struct MainControls {
    explicit MainControls(QWidget* w) : window(w) {
        for (size_t i = 0; i < 2; ++i) {
            OptionsStyle[i] = find<QAction>("OptionsStyle" + std::to_string(i));
            lblVopros[i] = find<QLabel>("lblVopros" + std::to_string(i));
        }
    }
    template <typename T> T* find(const std::string& name) const {
        T* found = window->findChild<T*>(QString::fromStdString(name));
        EXPECT_NE(found, nullptr) << "no " << name << " in the main window";
        return found;
    }
    QWidget* window;
    QMenu* File = find<QMenu>("File");
    QAction* FileOpenOtvet = find<QAction>("FileOpenOtvet");
    QAction* FileSave = find<QAction>("FileSave");
    QAction* FileSaveAs = find<QAction>("FileSaveAs");
    QAction* FilePrint = find<QAction>("FilePrint");
    QAction* FilePrintPreview = find<QAction>("FilePrintPreview");
    QMenu* FilePaper = find<QMenu>("FilePaper");
    std::array<QAction*, 2> FilePaperSize{find<QAction>("FilePaperSize0"), find<QAction>("FilePaperSize1")};
    QAction* FileAnswersPage = find<QAction>("FileAnswersPage");
    QAction* FileExit = find<QAction>("FileExit");
    QMenu* Kross = find<QMenu>("Kross");
    QAction* KrossNew = find<QAction>("KrossNew");
    QAction* KrossOpen = find<QAction>("KrossOpen");
    QAction* KrossChange = find<QAction>("KrossChange");
    QAction* KrossAbout = find<QAction>("KrossAbout");
    QAction* KrossFoundWord = find<QAction>("KrossFoundWord");
    QAction* KrossDelOtwet = find<QAction>("KrossDelOtwet");
    QAction* KrossCopyWord = find<QAction>("KrossCopyWord");
    QAction* KrossExportPdf = find<QAction>("KrossExportPdf");
    QAction* KrossExportIpuz = find<QAction>("KrossExportIpuz");
    QMenu* Options = find<QMenu>("Options");
    QAction* OptionsRazmerKF = find<QAction>("OptionsRazmerKF");
    QAction* OptionsLanguage = find<QAction>("OptionsLanguage");
    std::array<QAction*, 2> OptionsStyle{};
    QMenu* Help = find<QMenu>("Help");
    QAction* HelpCallHelp = find<QAction>("HelpCallHelp");
    QAction* HelpAbout = find<QAction>("HelpAbout");
    QWidget* picControl = find<QWidget>("picControl");
    FieldWidget* picPole = find<FieldWidget>("picPole");
    QScrollBar* HScroll1 = find<QScrollBar>("HScroll1");
    QScrollBar* VScroll1 = find<QScrollBar>("VScroll1");
    QWidget* PctrUgol = find<QWidget>("PctrUgol");
    QCheckBox* ChSimmetrija = find<QCheckBox>("ChSimmetrija");
    QLabel* lblKoordinaty = find<QLabel>("lblKoordinaty");
    QPushButton* kClearPole = find<QPushButton>("kClearPole");
    QPushButton* kReshotkaGotova = find<QPushButton>("kReshotkaGotova");
    QLabel* lblStatistika = find<QLabel>("lblStatistika");
    QLabel* lblSlov = find<QLabel>("lblSlov");
    QLabel* lblGorizont = find<QLabel>("lblGorizont");
    QLabel* lblVertikal = find<QLabel>("lblVertikal");
    std::array<QLabel*, 2> lblVopros{};
    QLabel* lblVoprosOtvet = find<QLabel>("lblVoprosOtvet");
    TextBox* txtVoprosOtvet = find<TextBox>("txtVoprosOtvet");
    QLabel* lblOtvet = find<QLabel>("lblOtvet");
    TextBox* txtOtvet = find<TextBox>("txtOtvet");
};

struct ShownMessage {
    QString text;
    MsgBoxM::Style style;
};

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        appDir_ = NativePath(tmp_.path()) + "/";
        std::filesystem::copy(GRIDMORA_PROGRAM_DIR, appDir_,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        MsgBoxM::SetResponder([this](const QString& text, MsgBoxM::Style style) {
            messages.push_back({text, style});
            if (answers.empty()) {
                ADD_FAILURE() << "unplanned message: " << text.toStdString();
                return style == MsgBoxM::Style::SaveQuestion ? MsgBoxM::Answer::Cancel
                       : style == MsgBoxM::Style::Critical || style == MsgBoxM::Style::Information
                           ? MsgBoxM::Answer::Ok
                           : MsgBoxM::Answer::No;
            }
            auto a = answers.front();
            answers.pop_front();
            return a;
        });
        apiOpenSaveM::SetResponder(
            [this](bool save, const QString& name, const QStringList& filters, const QString& folder) {
                dialogs.push_back({save, name, filters, folder});
                if (fileAnswers.empty()) {
                    ADD_FAILURE() << "unplanned file dialog";
                    return QString();
                }
                auto a = fileAnswers.front();
                fileAnswers.pop_front();
                return a;
            });
    }

    void TearDown() override {
        if (form) {
            Doc().Modified = false;
            answers.clear();
            MsgBoxM::SetResponder([](const QString&, MsgBoxM::Style) { return MsgBoxM::Answer::Ok; });
            form->close();
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        MsgBoxM::SetResponder({});
        apiOpenSaveM::SetResponder({});
    }

    frmForma* Start() {
        form = MainM::Main(appDir_);
        ui = std::make_unique<MainControls>(form);
        Activate();
        return form;
    }

    // Runs script on the modal dialog of type T that the next command opens.
    template <typename T> void OnModal(std::function<void(T&)> script) {
        QTimer::singleShot(0, [script] { TryModal<T>(script, 500); });
    }
    // The command may run event loops of its own before its dialog opens: waits for the dialog.
    template <typename T> static void TryModal(std::function<void(T&)> script, int left) {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            script(*dialog);
            return;
        }
        if (left <= 0) {
            ADD_FAILURE() << "no modal dialog of the expected type";
            if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
            return;
        }
        QTimer::singleShot(10, [script, left] { TryModal<T>(script, left - 1); });
    }

    // Types text key by key (any characters, Cyrillic included).
    static void TypeText(QWidget* w, const QString& text) {
        for (QChar ch : text) {
            const Qt::Key key = ch == QLatin1Char(' ') ? Qt::Key_Space : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Press, w, key, QString(ch), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, w, key, QString(ch), Qt::NoModifier);
        }
    }

    // Clicks the middle of cell (c, r) of the field.
    void ClickCell(int c, int r) {
        const int cs = Opt().CellSize;
        const FieldGeometry::Box cell = FieldGeometry::CellBox(c, r, cs);
        QTest::mouseClick(ui->picPole, Qt::LeftButton, Qt::NoModifier,
                          QPoint(cell.Left + cs / 2, cell.Top + cs / 2));
    }
    // Colour (0x00BBGGRR) of the field's pixel inside cell (c, r), dx/dy pixels from its corner.
    int32_t CellPixel(int c, int r, int dx = 3, int dy = 3) {
        const FieldGeometry::Box cell = FieldGeometry::CellBox(c, r, Opt().CellSize);
        return FieldPixel(cell.Left + dx, cell.Top + dy);
    }
    // Colour (0x00BBGGRR) of pixel (x, y) of the field as the widget paints it; -1 outside the field.
    int32_t FieldPixel(int x, int y) {
        const QImage shown = ui->picPole->grab(QRect(x, y, 1, 1)).toImage();
        if (shown.isNull() || shown.width() < 1 || shown.height() < 1) return -1;
        return FromQColor(shown.pixelColor(0, 0));
    }
    // Saves a picture of the main window when GRIDMORA_SHOTS names a folder (for looking at by eye).
    void Shot(const char* name) {
        const QByteArray dir = qgetenv("GRIDMORA_SHOTS");
        if (dir.isEmpty() || !form) return;
        QApplication::processEvents();
        form->grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
    }

    // The off-screen platform has no window manager to give the activation back after a dialog closes.
    void Activate() {
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form));
        QApplication::processEvents();
    }

    // Answers the next message boxes, in order.
    void Plan(std::initializer_list<MsgBoxM::Answer> a) { answers.insert(answers.end(), a); }

    std::string AppDir() const { return appDir_; }
    std::string ReadFile(const std::string& path) {
        std::string out;
        FILE* f = fopen(path.c_str(), "rb");
        if (!f) return out;
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, f)) > 0)
            out.append(buf, n);
        fclose(f);
        return out;
    }
    void WriteFile(const std::string& path, const std::string& bytes) {
        FILE* f = fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr) << path;
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }
    // A caption of the loaded language, as the window shows it.
    static QString Caption(int index) { return Q(Lang().Captions[static_cast<size_t>(index)]); }
    static std::string cp(const char* utf8) { return *Cp1251::FromUtf8(utf8); }

    frmForma* form = nullptr;
    std::unique_ptr<MainControls> ui; // the window's widgets, once started
    std::vector<ShownMessage> messages;
    std::deque<MsgBoxM::Answer> answers;
    struct Dialog {
        bool save;
        QString name;
        QStringList filters;
        QString folder;
    };
    std::vector<Dialog> dialogs;
    std::deque<QString> fileAnswers;

  private:
    QTemporaryDir tmp_;
    std::string appDir_;
};
