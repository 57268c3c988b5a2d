#pragma once
// The main window's commands that take a crossword out of the program and bring one in from another
// tool: print, print preview, PDF, ipuz out, ipuz in (through Crossword → Open).
#include <QString>
#include <functional>
#include <string>

class frmForma;
class QPrinter;

namespace ExportCommands {

// Language-file texts of these commands.
namespace TextIndex {
constexpr int Print = 150;
constexpr int PrintPreview = 151;
constexpr int Paper = 152;
constexpr int PaperA4 = 153;
constexpr int PaperLetter = 154;
constexpr int AnswersPage = 155;
constexpr int ExportPdf = 156;
constexpr int ExportIpuz = 157;
constexpr int AnswersHeading = 158;
constexpr int PdfDescription = 159;
constexpr int IpuzDescription = 160;
constexpr int IpuzWithoutPassword = 161;
constexpr int AnswersLeftOut = 162;
constexpr int CannotOpen = 163;
constexpr int FirstRefusal = 164; // the reasons of IpuzFormat::Refusal, NotIpuz .. Clues, in order
constexpr int CommandUsage = 175;
constexpr int UnknownFormat = 176;
constexpr int NeedsPassword = 177;
constexpr int NoAnswers = 178;
} // namespace TextIndex

// The window takes the captions of its items from TextIndex, and enables them for the mode in force
// (DeystvieM::LookOfMode): print, preview and both exports for a numbered crossword; the answers page
// where the answers may leave the program.

// File → Print: the print dialog, then the pages on the chosen printer.
void Print(frmForma& f);
// File → Print Preview: the pages in the preview window, which can print them too.
void PrintPreview(frmForma& f);
// Crossword → Export to PDF: asks for a file name (".pdf" added to a name without one), asks before
// replacing another file, writes the PDF on the paper chosen in the File menu.
void ExportPdf(frmForma& f);
// Crossword → Export to ipuz: the same for an ipuz file, with the solution where the answers may leave
// the program; says so when the edit password stays behind or the answers are left out.
void ExportIpuz(frmForma& f);

// "File /path/name cannot be opened: " and the reason the ipuz reader gave; fileCaption: the File
// menu's caption, plain.
QString RefusalMessage(const QString& fileCaption, const std::string& path, int refusal);
// The open dialog's filter: the crossword files, then ipuz files, then all files.
std::string OpenFilter();
// Opens an ipuz file as a new, unsaved crossword in authoring mode; a file it cannot hold is refused
// with its reason and the crossword in work stays as it was.
void OpenIpuz(frmForma& f, const std::string& path);

// The print dialog: in the program the real one; a test installs a responder that sets up the printer
// (for example to print into a PDF file) and answers true to print.
using PrintResponder = std::function<bool(QPrinter& printer)>;
void SetPrintResponder(PrintResponder responder);

} // namespace ExportCommands
