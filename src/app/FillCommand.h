#pragma once
// The command line's fill, without any window:
//   gridmora --fill IN.krw OUT.krw [--time-limit SECONDS] [--seed N]
// reads IN with the program's reader, fills every word without an answer from the word lists and writes
// OUT with the program's writer. A bare grid becomes a crossword with answers and empty clues; the name,
// the author and the edit password stay. On failure nothing is written and the reason goes to the error
// stream, in the language of the texts given (cp1251 texts, written out as UTF-8).
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "grid/FillWords.h"
#include "lang/LanguageFile.h"

namespace FillCommand {

// Exit codes.
constexpr int Done = 0;     // OUT written, every word has an answer
constexpr int Failed = 1;   // IN unreadable, OUT unwritable, or no word lists
constexpr int BadUsage = 2; // the arguments are wrong
constexpr int NoFill = 3;   // no fill exists with the letters and lists (the word is named)
constexpr int TimedOut = 4; // the time limit passed first

// Seconds the fill may take when the command line gives no limit.
constexpr double DefaultTimeLimit = 60;

struct Request {
    std::string In, Out;
    double TimeLimit = DefaultTimeLimit; // seconds, more than 0
    std::optional<uint64_t> Seed;        // none: a new seed each run
};

// True when the program's arguments (argv as main gets it) ask for the fill: the first one is --fill.
bool Asked(int argc, char** argv);

// The arguments after "--fill": IN OUT, then "--time-limit S" and "--seed N" in any order. Nothing when
// they do not fit.
std::optional<Request> ParseArguments(const std::vector<std::string>& args);

// Fills r.In into r.Out from words; messages go to err. Returns one of the exit codes.
int Run(const Request& r, const FillWords& words, const InterfaceTexts& texts, std::FILE* err);

// The whole command in one call: parses args (those after "--fill"), reads the word lists of the
// program folder (appDir + "Data" + pathSep) and runs; prints the usage text on bad arguments.
int Main(const std::vector<std::string>& args, const std::string& appDir, const std::string& pathSep,
         const InterfaceTexts& texts, std::FILE* err);

} // namespace FillCommand
