// The main window's command handlers: menus, focus, unload.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QUndoStack>

#include "app/DeystvieMUi.h"
#include "app/EditHistoryUi.h"
#include "app/OpURLUi.h"
#include "app/ProgramState.h"
#include "app/SaveFileINIMUi.h"
#include "app/frmAboutBox.h"
#include "app/frmForma.h"
#include "basics/Cp1251.h"
#include "basics/NumberText.h"
#include "display/FieldWidget.h"
#include "display/ShowSlovoMUi.h"
#include "display/frmRazKletok.h"
#include "document/OpenKrossMUi.h"
#include "document/OpenOtvetyMUi.h"
#include "document/SaveKrossMUi.h"
#include "document/SaveOtvetyMUi.h"
#include "document/frmAbout.h"
#include "document/frmChange.h"
#include "document/frmFindWord.h"
#include "document/frmRazmer.h"
#include "export/CopyKrossMUi.h"
#include "export/ExportCommands.h"
#include "grid/AddSlovoMUi.h"
#include "grid/AnalizReshotkiMUi.h"
#include "grid/FieldGeometry.h"
#include "grid/GridEditUi.h"
#include "grid/LoadReshotkiMUi.h"
#include "grid/NewPoleMUi.h"
#include "grid/PoleMouseUpMUi.h"
#include "lang/frmLang.h"
#include "solve/ProverkaOtvetaM.h"
#include "solve/ProverkaOtvetaMUi.h"
#include "solve/SelVoprosMUi.h"
#include "solve/VvodOtvetaMUi.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

namespace {

// A crossword with answers needs a name and an author before it is saved.
bool hasNameAndAuthor(frmForma& f) {
    auto& d = Doc();
    if (d.NoAnswers == 0 && (d.KrossAuthor.empty() || d.KrossName.empty())) {
        f.KrossAbout_Click();
        if (d.KrossAuthor.empty() || d.KrossName.empty()) return false;
    }
    return true;
}

} // namespace

void frmForma::FileOpenOtvet_Click() {
    FileOpenOtvetWith(std::nullopt);
}

void frmForma::FileOpenOtvetWith(const std::optional<std::string>& chosen) {
    if (GridEdit::DrawingToLose() && !GridEdit::ConfirmDiscardDrawing()) return;
    if (SaveFileINIM::ConfirmSaveChanges(*this) != 0) return;
    OpenOtvetyM::OpenOtvety(*this, chosen);
}

void frmForma::FileSave_Click() {
    const auto& d = Doc();
    if (IsAuthoringMode(d.AppMode)) {
        if (!hasNameAndAuthor(*this)) return;
        if (!d.KrossFile.empty())
            SaveKrossM::WriteKross(*this, d.KrossFile);
        else
            SaveKrossM::SaveKrossAs(*this);
    } else if (IsSolvingMode(d.AppMode)) {
        if (!d.OtvFile.empty())
            SaveOtvetyM::WriteOtvety(*this, d.OtvFile);
        else
            SaveOtvetyM::SaveOtvetyAs(*this);
    }
}

void frmForma::FileSaveAs_Click() {
    const int32_t m = Doc().AppMode;
    if (IsAuthoringMode(m)) {
        if (!hasNameAndAuthor(*this)) return;
        SaveKrossM::SaveKrossAs(*this);
    } else if (IsSolvingMode(m)) {
        SaveOtvetyM::SaveOtvetyAs(*this);
    }
}

void frmForma::FilePrint_Click() {
    ExportCommands::Print(*this);
}

void frmForma::FilePrintPreview_Click() {
    ExportCommands::PrintPreview(*this);
}

void frmForma::FileExit_Click() {
    close();
}

void frmForma::Form_Unload(bool& cancel) {
    // Closing while the grid of a crossword is edited would lose its unsaved work without a word.
    if (GridEdit::UnsavedWorkInDrawing() && !GridEdit::ConfirmDiscardDrawing()) {
        cancel = true;
        return;
    }
    if (SaveFileINIM::ConfirmSaveChanges(*this) == 1) {
        cancel = true;
        return;
    }
    SaveFileINIM::SaveSettings(*this);
}

void frmForma::EditUndo_Click() {
    if (!history_->canUndo()) return;
    history_->undo();
    afterHistoryStep();
}

void frmForma::EditRedo_Click() {
    if (!history_->canRedo()) return;
    history_->redo();
    afterHistoryStep();
}

void frmForma::EditGrid_Click() {
    GridEdit::EditGrid(*this);
}

void frmForma::Kross_Click() {
    const auto& d = Doc();
    if (d.AppMode == Mode::Authoring)
        KrossDelOtwet->setEnabled(!d.ClueTexts.Answer(d.CurNumber, d.CurDirection).empty());
    else if (d.AppMode == Mode::SolveBare)
        KrossDelOtwet->setEnabled(d.SolvedWords.Get(d.CurNumber, d.CurDirection) == 1);
}

void frmForma::KrossNew_Click() {
    // A grid being drawn cannot be saved: New asks before throwing it away.
    if (GridEdit::DrawingToLose() && !GridEdit::ConfirmDiscardDrawing()) return;
    if (SaveFileINIM::ConfirmSaveChanges(*this) != 0) return;
    frmRazmer dialog(*this);
    dialog.exec();
}

void frmForma::KrossOpen_Click() {
    KrossOpenWith(std::nullopt);
}

void frmForma::KrossOpenWith(const std::optional<std::string>& chosen) {
    // Like New, opening another crossword would throw away a grid being drawn.
    if (GridEdit::DrawingToLose() && !GridEdit::ConfirmDiscardDrawing()) return;
    if (SaveFileINIM::ConfirmSaveChanges(*this) != 0) return;
    OpenKrossM::OpenKross(*this, chosen);
    auto& d = Doc();
    if (d.AppMode == Mode::Incomplete) KrossChange_Click();
    if (d.AppMode == Mode::SolveBare) {
        // The solver's own words of a bare grid.
        d.ClueTexts.Create2(d.NumberCount);
        d.CurNumber = 1;
        d.CurDirection = d.ViewSlotTable.Get(1, 2, 0) == 0 ? 1 : 0;
        ShowSlovoM::DrawWord(*this, d.CurNumber, d.CurDirection, SelectionColor);
    }
}

void frmForma::KrossChange_Click() {
    if (SaveFileINIM::ConfirmSaveChanges(*this) != 0) return;
    frmChange dialog(*this, Plain(KrossChange->text()));
    dialog.exec();
}

void frmForma::KrossAbout_Click() {
    const EditHistory::Identity before = EditHistory::CaptureIdentity(Doc());
    frmAbout dialog(this, Plain(KrossAbout->text()));
    if (dialog.exec() == QDialog::Accepted && IsAuthoringMode(Doc().AppMode))
        EditHistory::RecordProperties(*this, before);
}

void frmForma::KrossFoundWord_Click() {
    // A word found goes into the answer box, which gets the focus: Enter there stores it as typed.
    frmFindWord::ShowWindow(findWord_, this, Plain(KrossFoundWord->text()), [this](const QString& word) {
        txtOtvet->setText(word);
        raise();
        activateWindow();
        txtOtvet->setFocus();
    });
}

void frmForma::KrossDelOtwet_Click() {
    auto& d = Doc();
    // The shortcut reaches here without the menu being opened: the condition is tested now.
    if (!ProverkaOtvetaM::CanDeleteAnswer(d, d.CurNumber, d.CurDirection)) return;
    if (MsgBoxM::Show(Plain(KrossDelOtwet->text()) + QStringLiteral("?"), MsgBoxM::Style::Confirm) !=
        MsgBoxM::Answer::Yes)
        return;
    const int32_t n = d.CurNumber, dir = d.CurDirection;
    const EditHistory::WordState before = EditHistory::CaptureWord(d, n, dir);
    if (!ProverkaOtvetaM::DeleteAnswer(d, n, dir)) return;
    ShowSlovoM::DrawWord(*this, n, dir, SelectionColor);
    if (d.AppMode == Mode::Authoring) {
        lblVopros[static_cast<size_t>(dir)]->setText(QString());
        txtOtvet->setText(QString());
        txtVoprosOtvet->setText(QString());
        EditHistory::RecordAnswerDeleted(*this, before);
    } else {
        lblSlov->setText(DeystvieM::WordsCaption(int64_t{d.WordCount} - d.SolvedCount));
        CluesChanged();
    }
}

void frmForma::KrossCopyWord_Click() {
    CopyKrossM::ExportHtml(*this);
}

void frmForma::KrossExportPdf_Click() {
    ExportCommands::ExportPdf(*this);
}

void frmForma::KrossExportIpuz_Click() {
    ExportCommands::ExportIpuz(*this);
}

void frmForma::OptionsRazmerKF_Click() {
    frmRazKletok dialog(*this, Plain(OptionsRazmerKF->text()));
    dialog.exec();
}

void frmForma::OptionsLanguage_Click() {
    frmLang dialog(*this);
    dialog.exec();
}

void frmForma::OptionsStyle_Click(int index) {
    auto& o = Opt();
    auto& d = Doc();
    if (index == o.StyleIndex) {
        OptionsStyle[static_cast<size_t>(index)]->setChecked(true);
        return;
    }
    if (o.StyleIndex >= 0 && o.StyleIndex <= 1)
        OptionsStyle[static_cast<size_t>(o.StyleIndex)]->setChecked(false);
    OptionsStyle[static_cast<size_t>(index)]->setChecked(true);
    o.StyleIndex = index;
    if (IsSolvingMode(d.AppMode)) {
        d.ActiveStyle = index;
        LoadReshotkiM::LoadGrid(*this);
    }
}

void frmForma::HelpCallHelp_Click() {
    setCursor(Qt::WaitCursor);
    OpURL::OpenDocument(QPath(Opt().AppDir) + Q(Lang().HelpFileName));
    unsetCursor();
}

void frmForma::HelpAbout_Click() {
    frmAboutBox box(this);
    box.exec();
}

void frmForma::picControl_GotFocus() {
    const auto& d = Doc();
    if (d.AppMode == Mode::Authoring && d.NoAnswers == 0) {
        if (txtVoprosOtvet->isVisible()) txtVoprosOtvet->setFocus();
    } else if (IsSolvingMode(d.AppMode)) {
        if (txtOtvet->isVisible()) txtOtvet->setFocus();
    }
}

void frmForma::picPole_GotFocus() {
    const auto& d = Doc();
    if (d.AppMode == Mode::Authoring && d.NoAnswers == 0)
        txtVoprosOtvet->setFocus();
    else if (IsSolvingMode(d.AppMode))
        txtOtvet->setFocus();
}

void frmForma::picPole_MouseDown(Qt::MouseButton, double, double) {
    FieldPressed = 1;
}

void frmForma::picPole_MouseUp(Qt::MouseButton, double x, double y) {
    const int32_t m = Doc().AppMode;
    if (FieldPressed == 1 && TakesFieldClicks(m)) PoleMouseUpM::FieldClick(*this, x, y);
    FieldPressed = 0;
}

void frmForma::picPole_MouseMove(double x, double y) {
    const auto& d = Doc();
    if (d.AppMode != Mode::NewGrid) return;
    const int32_t cs = Opt().CellSize;
    const int32_t col = FieldGeometry::PointerColumn(x, cs, d.GridWidth);
    const int32_t row = FieldGeometry::PointerRow(y, cs, d.GridHeight);
    lblKoordinaty->setText(Q(FieldGeometry::CoordinatesCaption(Lang().LangCoordinates, col, row)));
}

void frmForma::kClearPole_Click() {
    if (MsgBoxM::Show(Plain(kClearPole->text()) + QStringLiteral("?"), MsgBoxM::Style::Confirm) !=
        MsgBoxM::Answer::Yes)
        return;
    auto& d = Doc();
    const std::vector<EditHistory::CellChange> opened = EditHistory::BlockedCellsOpened(d);
    d.GridLayers.Fill(0);
    NewPoleM::NewField(*this);
    if (!opened.empty()) EditHistory::RecordClearField(*this, opened);
}

void frmForma::kReshotkaGotova_Click() {
    if (MsgBoxM::Show(Plain(kReshotkaGotova->text()) + QStringLiteral("?"), MsgBoxM::Style::Confirm) !=
        MsgBoxM::Answer::Yes)
        return;
    AnalizReshotkiM::AnalyseGrid(*this);
}

void frmForma::txtVoprosOtvet_Change() {
    const auto& d = Doc();
    if (d.AppMode == Mode::Authoring && (d.CurDirection == 0 || d.CurDirection == 1))
        lblVopros[static_cast<size_t>(d.CurDirection)]->setText(txtVoprosOtvet->text());
}

bool frmForma::txtVoprosOtvet_KeyDown(int key) {
    if (key != TextBox::Enter) return false;
    const auto& d = Doc();
    if (!txtVoprosOtvet->text().isEmpty() && d.CurNumber != 0 && d.AppMode == Mode::Authoring) {
        if (!txtOtvet->text().isEmpty())
            AddSlovoM::AddWord(*this);
        else
            txtOtvet->setFocus();
    }
    return true;
}

bool frmForma::txtOtvet_KeyPress(char32_t ch) {
    return ch != U' ';
}

bool frmForma::txtOtvet_KeyDown(int key) {
    if (key != TextBox::Enter) return false;
    auto& d = Doc();
    if (d.AppMode == Mode::Authoring) {
        if (d.CurNumber != 0) {
            if (!txtVoprosOtvet->text().isEmpty())
                AddSlovoM::AddWord(*this);
            else
                txtVoprosOtvet->setFocus();
        }
        return true;
    }
    const QString t = txtOtvet->text();
    if (t.isEmpty() || !IsSolvingMode(d.AppMode)) return true;
    const int64_t len = t.size();
    // A text that starts with a number selects that clue; a number too large for the program is no clue.
    const auto value = NumberText::LeadingInt32(Cp(t));
    if (!value) return true;
    const int32_t v = *value;
    if (d.AppMode == Mode::SolveBare) {
        if (v == 0) {
            if (len == d.SlotTable.Get(d.CurNumber, 2, d.CurDirection)) VvodOtvetaM::EnterAnswer(*this, t);
        } else if (v >= 1 && v <= d.NumberCount) {
            const bool crossing = d.SlotTable.Get(v, 2, 1 - d.CurDirection) != 0;
            if (v != d.CurNumber || crossing) {
                ShowSlovoM::DrawWord(*this, d.CurNumber, d.CurDirection, CellColor);
                if (crossing) d.CurDirection = 1 - d.CurDirection;
                d.CurNumber = v;
                ShowSlovoM::DrawWord(*this, v, d.CurDirection, SelectionColor);
                txtOtvet->clear();
            }
        }
    } else {
        if (v == 0)
            ProverkaOtvetaM::CheckAnswer(*this, t);
        else if (v >= 1 && v <= d.NumberCount)
            SelVoprosM::SelectClue(*this, v);
    }
    return true;
}

void frmForma::Form_Resize() {
    if (isMinimized()) return;
    if (ScaleWidth() < 300) {
        // Narrower than the side panel allows: the window snaps back to an outer width of 300 pixels.
        const int frame = frameGeometry().width() - width();
        resize(std::max(1, 300 - frame), height());
    }
    const int w = std::max(0, ScaleWidth() - 155), h = std::max(0, ScaleHeight() - 77);
    picControl->setGeometry(155, 77, w, h);
    VScroll1->move(std::max(0, w - 17), 0);
    HScroll1->move(0, std::max(0, h - 17));
    PctrUgol->setGeometry(std::max(0, w - 17), std::max(0, h - 17), 17, 17);
    UpdateScrollBars();
}

void frmForma::HScroll1_Change() {
    picPole->move(-HScroll1->value(), picPole->y());
}

void frmForma::VScroll1_Change() {
    picPole->move(picPole->x(), -VScroll1->value());
}
