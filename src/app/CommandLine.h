#pragma once
// The program's command line: gridmora [FILE], --help, --version and the commands that run without a
// window.
//
// A window-less command is one function that reads the parsed command line and returns the exit code;
// it is registered in WindowlessCommands() (CommandLine.cpp), with the option that chooses it and the
// options only it reads. Before it runs, the settings and the language in force are loaded as for the
// window, so its texts speak the user's language, and every message box prints its text on stderr and
// takes its default answer instead of waiting for one. It runs on the off-screen platform unless
// QT_QPA_PLATFORM says otherwise, so it needs no display; its operands are the parser's
// positionalArguments().
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QIcon>
#include <QList>
#include <QStringList>
#include <string>
#include <vector>

class frmForma;

namespace CommandLine {

struct WindowlessCommand {
    QCommandLineOption Option;                    // chooses the command, e.g. --export OUT
    QList<QCommandLineOption> MoreOptions;        // options only this command reads, e.g. --password PW
    int (*Run)(const QCommandLineParser& parser); // the exit code
};

// Every window-less command, in the one place where they are registered. The descriptions come from the
// language in force, so the list is built when asked for.
std::vector<WindowlessCommand> WindowlessCommands();

// Exit code of a command line that cannot be understood (an unknown option, two files).
inline constexpr int UsageError = 2;

// The program: understands the command line and prints help, the version or its error, runs a
// window-less command, or starts the window and opens the FILE given (.otv as Ctrl+O does, anything
// else as Kross -> Open does). Returns the exit code.
int Run(int argc, char** argv);

// A FILE operand as an absolute local path; a file:// address is taken as its path.
std::string LocalPath(const QString& argument);

// Opens a FILE in the window with the steps of the menu commands, the file dialog left out: a name
// ending in ".otv" (any letter case) as File -> Open answers (Ctrl+O), anything else as Kross -> Open.
void OpenFile(frmForma& form, const std::string& path);

// The window's icon: the desktop theme's icon of the application id, else the one built in.
QIcon ApplicationIcon();

// Whether the arguments (without the program name) need a display: not for --help, --version or a
// window-less command.
bool NeedsDisplay(const QStringList& arguments);

// Test hook. With GRIDMORA_CLOSE_AFTER_START=1 in the environment the program starts as usual and opens
// its FILE, answers every message box with its default after printing "message: TEXT" on stderr, prints
// what it holds ("AppMode", "KrossFile", "AppDir", "SettingsDir" lines) on stdout and then closes its
// window through the ordinary close, so the settings are written exactly as on a user's close.
inline constexpr const char* CloseAfterStartVariable = "GRIDMORA_CLOSE_AFTER_START";

} // namespace CommandLine
