#pragma once
// The command line's fill registered with the program's command line (CommandLine.cpp):
//
//   gridmora --fill IN.krw OUT.krw [--time-limit SECONDS] [--seed N]
//
// The work is FillCommand::Run (logic, FillCommand.h); this reads the parsed options, the word lists of
// the program's Data/ folder and the language in force.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>

namespace FillCommand {

// --fill IN: the option that chooses the fill.
QCommandLineOption Option();
// --time-limit, --seed: the options only the fill reads.
QList<QCommandLineOption> MoreOptions();

// Runs the fill the parsed command line asks for (its one positional argument is OUT). The settings and
// the language in force are loaded; creates no window.
int Run(const QCommandLineParser& parser);

} // namespace FillCommand
