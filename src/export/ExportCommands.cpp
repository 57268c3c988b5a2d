#include "export/ExportCommands.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <filesystem>

#include "app/ProgramState.h"
#include "app/apiOpenSaveMUi.h"
#include "app/frmForma.h"
#include "basics/TextFile.h"
#include "document/GridLimits.h"
#include "export/AnswersRule.h"
#include "export/CopyKrossM.h"
#include "export/IpuzFormat.h"
#include "export/PrintKross.h"
#include "grid/AnalizReshotkiMUi.h"
#include "widgets/FileMessages.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

namespace ExportCommands {
namespace {

PrintResponder& printResponder() {
    static PrintResponder r;
    return r;
}

bool numbered(int32_t mode) {
    return HoldsCrossword(mode);
}

QPageSize::PageSizeId chosenPaper(const frmForma& f) {
    return f.PaperChoice() == 1 ? QPageSize::Letter : QPageSize::A4;
}

PrintKross::Job jobOf(const frmForma& f) {
    const auto& d = Doc();
    return PrintKross::MakeJob(d, Lang(), Opt(), f.AnswersPageChosen() && AnswersMayLeave(d));
}

void setUpPrinter(QPrinter& printer, const frmForma& f) {
    printer.setPageLayout(PrintKross::PageLayout(chosenPaper(f)));
    printer.setDocName(Q(Doc().KrossName));
}

// The save dialog for an export: proposes the crossword file's name (or the crossword's name), adds the
// extension to a name without one and asks before replacing another file. Empty when abandoned.
std::string chooseTarget(const frmForma& f, int descriptionIndex, const char* extension) {
    const auto& d = Doc();
    std::string proposed = CopyKrossM::DefaultFileName(d.KrossFile);
    const QString name = proposed.empty() ? Q(d.KrossName) : QPath(proposed);
    const std::string filter = FileFilter(Text(Lang(), descriptionIndex), extension);
    std::string path = NativePath(apiOpenSaveM::FileDialog(true, name, filter));
    if (path.empty()) return {};
    if (!TextFile::FileNameHasDot(path)) path += std::string(".") + extension;
    if (!FileMessages::MayReplace(f.FileCaption(), path, std::string())) return {};
    return path;
}

// Writes the file; false after the message when it could not be written.
bool written(const frmForma& f, const std::string& path, std::string_view bytes) {
    const TextFile::Error error = TextFile::WriteAll(path, bytes);
    if (error == TextFile::Error::None) return true;
    FileMessages::WriteFailed(f.FileCaption(), error, path);
    return false;
}

void refuse(const frmForma& f, const std::string& path, IpuzFormat::Refusal why) {
    MsgBoxM::Show(RefusalMessage(f.FileCaption(), path, static_cast<int>(why)), MsgBoxM::Style::Critical);
}

} // namespace

void Print(frmForma& f) {
    if (!numbered(Doc().AppMode)) return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, f);
    bool accepted = false;
    if (printResponder()) {
        accepted = printResponder()(printer);
    } else {
        QPrintDialog dialog(&printer, &f);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (accepted) PrintKross::Paint(printer, jobOf(f));
}

void PrintPreview(frmForma& f) {
    if (!numbered(Doc().AppMode)) return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, f);
    const PrintKross::Job job = jobOf(f);
    QPrintPreviewDialog dialog(&printer, &f);
    QString title = f.PrintPreviewCaption();
    while (title.endsWith(QLatin1Char('.')))
        title.chop(1);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&job](QPrinter* p) { PrintKross::Paint(*p, job); });
    dialog.exec();
}

void ExportPdf(frmForma& f) {
    if (!numbered(Doc().AppMode)) return;
    const std::string path = chooseTarget(f, TextIndex::PdfDescription, "pdf");
    if (path.empty()) return;
    const QByteArray pdf = PrintKross::Pdf(jobOf(f), chosenPaper(f));
    written(f, path, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
}

void ExportIpuz(frmForma& f) {
    const auto& d = Doc();
    if (!numbered(d.AppMode)) return;
    const std::string path = chooseTarget(f, TextIndex::IpuzDescription, "ipuz");
    if (path.empty()) return;
    const bool withSolution = AnswersMayLeave(d);
    if (!written(f, path, IpuzFormat::Write(d, withSolution))) return;
    if (d.NoAnswers == 0 && !d.EditPassword.empty())
        MsgBoxM::Show(Tr(withSolution ? TextIndex::IpuzWithoutPassword : TextIndex::AnswersLeftOut),
                      MsgBoxM::Style::Information);
}

std::string OpenFilter() {
    // The crossword pair first (it is selected), then ipuz, then the rest of the crossword filter.
    const std::string& krw = Lang().KrwFilter;
    size_t cut = krw.find('\0');
    if (cut != std::string::npos) cut = krw.find('\0', cut + 1);
    const std::string ipuz = FileFilter(Text(Lang(), TextIndex::IpuzDescription), "ipuz");
    const std::string ipuzPair = ipuz.substr(0, ipuz.find('\0', ipuz.find('\0') + 1));
    if (cut == std::string::npos) return krw + std::string(1, '\0') + ipuzPair;
    return krw.substr(0, cut) + std::string(1, '\0') + ipuzPair + krw.substr(cut);
}

void OpenIpuz(frmForma& f, const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > IpuzFormat::MaxFileBytes) {
        refuse(f, path, IpuzFormat::Refusal::TooLarge);
        return;
    }
    std::string bytes;
    const TextFile::Error error = TextFile::ReadAll(path, bytes, IpuzFormat::MaxFileBytes);
    if (error != TextFile::Error::None) {
        FileMessages::ReadFailed(f.FileCaption(), error, path, FileMessages::ShowPath::ForNamedCause);
        return;
    }
    KrossDocument imported;
    IpuzFormat::Refusal why = IpuzFormat::Read(bytes, imported);
    // The field is drawn at the cell size in force: a grid too large for it is refused like a crossword
    // file's, before any of its memory is taken.
    if (why == IpuzFormat::Refusal::None &&
        !GridLimits::GridFits(imported.GridWidth, imported.GridHeight, Opt().CellSize))
        why = IpuzFormat::Refusal::TooLarge;
    if (why != IpuzFormat::Refusal::None) {
        refuse(f, path, why);
        return;
    }
    Doc() = std::move(imported);
    f.ForgetEdits();
    f.Form_Resize();
    AnalizReshotkiM::ShowAnalysedGrid(f);
}

QString RefusalMessage(const QString& fileCaption, const std::string& path, int refusal) {
    const InterfaceTexts& t = Lang();
    return FileMessages::Text(fileCaption, path,
                              Text(t, TextIndex::CannotOpen) + " " +
                                  Text(t, TextIndex::FirstRefusal + refusal - 1));
}

void SetPrintResponder(PrintResponder responder) {
    printResponder() = std::move(responder);
}

} // namespace ExportCommands
