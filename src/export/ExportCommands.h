#pragma once
// The main window's commands that take a crossword out of the program and bring one in from another
// tool: print, print preview, PDF, ipuz out, ipuz in (through Crossword → Open).
#include <QString>
#include <functional>
#include <string>

#include "export/ExportTexts.h"

class frmForma;
class QPrinter;

namespace ExportCommands {

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
