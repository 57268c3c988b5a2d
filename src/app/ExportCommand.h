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
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>

namespace ExportCommand {

constexpr int Done = 0;
constexpr int Failed = 1; // a file could not be read or written, or was refused; the message says which
constexpr int Usage = 2;  // the arguments make no export

// --export OUT: the option that chooses the export on the program's command line.
QCommandLineOption Option();
// --password, --answers, --paper: the options only the export reads.
QList<QCommandLineOption> MoreOptions();

// Runs the export the parsed command line asks for (its one positional argument is FILE). The settings
// and the language in force are loaded; needs a QGuiApplication (fonts and painting); creates no window.
int Run(const QCommandLineParser& parser);

} // namespace ExportCommand
