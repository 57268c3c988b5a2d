#pragma once
// The export without a window:
//
//   gridmora --export OUT FILE [--password PASSWORD] [--answers] [--paper A4|Letter]
//
// writes OUT from the crossword FILE (a crossword file, or an ipuz file when its name ends in .ipuz) in
// the format OUT's extension names: .pdf (the print; --answers adds the answers page), .ipuz, .htm or
// .html (the HTML export with its two pictures), .krw (a crossword file). Answers leave only as they do
// from the window: from a crossword without password, or with --password giving its edit password.
// Messages go to stderr in the language of the settings file; the exit code says how it went.
#include <QStringList>

namespace ExportCommand {

constexpr int Done = 0;
constexpr int Failed = 1; // a file could not be read or written, or was refused; the message says which
constexpr int Usage = 2;  // the arguments make no export

// True when the arguments (argv as main gets it) ask for the export: one of them is --export.
bool Asked(int argc, char** argv);

// Runs the export for the program's arguments (the program's own name first). Needs a QGuiApplication
// (fonts and painting); creates no window.
int Run(const QStringList& arguments);

} // namespace ExportCommand
