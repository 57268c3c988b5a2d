#include "app/FillCommand.h"

#include <charconv>
#include <cmath>
#include <random>

#include "basics/Cp1251.h"
#include "basics/TextFile.h"
#include "document/KodKodirovkiM.h"
#include "document/KrossDocument.h"
#include "document/OpenKrossM.h"
#include "document/SaveKrossM.h"
#include "grid/FillEngine.h"
#include "grid/GridFill.h"
#include "grid/LoadReshotkiM.h"
#include "lang/FileSafetyTexts.h"

namespace FillCommand {
namespace {

void say(std::FILE* err, const std::string& cp1251) {
    std::fprintf(err, "%s\n", Cp1251::ToUtf8(cp1251).c_str());
}

// A file name as the messages show it: paths are UTF-8, the texts cp1251.
std::string shown(const std::string& path) {
    return Cp1251::FromUtf8Lossy(path);
}

// The message after the file name when OUT could not be written: the named causes, or the plain failure.
int32_t writeFailure(TextFile::Error error) {
    switch (error) {
    case TextFile::Error::NotRegular:
        return FileSafetyText::NotRegular;
    case TextFile::Error::DiskFull:
        return FileSafetyText::DiskFull;
    case TextFile::Error::Mismatch:
        return FileSafetyText::Mismatch;
    default:
        return FillText::WriteFailed;
    }
}

std::optional<double> seconds(const std::string& s) {
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v) || v <= 0) return std::nullopt;
    return v;
}

std::optional<uint64_t> seed(const std::string& s) {
    uint64_t v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

} // namespace

bool Asked(int argc, char** argv) {
    return argc >= 2 && std::string(argv[1]) == "--fill";
}

std::optional<Request> ParseArguments(const std::vector<std::string>& args) {
    Request r;
    std::vector<std::string> files;
    bool limitGiven = false, seedGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--time-limit" || a == "--seed") {
            if (i + 1 >= args.size()) return std::nullopt;
            const std::string& value = args[++i];
            if (a == "--time-limit") {
                const auto v = seconds(value);
                if (!v || limitGiven) return std::nullopt;
                r.TimeLimit = *v;
                limitGiven = true;
            } else {
                const auto v = seed(value);
                if (!v || seedGiven) return std::nullopt;
                r.Seed = *v;
                seedGiven = true;
            }
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            return std::nullopt;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2 || files[0].empty() || files[1].empty()) return std::nullopt;
    r.In = files[0];
    r.Out = files[1];
    return r;
}

int Run(const Request& r, const FillWords& words, const InterfaceTexts& texts, std::FILE* err) {
    std::string bytes;
    KrossDocument doc;
    if (TextFile::ReadAll(r.In, bytes) != TextFile::Error::None ||
        OpenKrossM::ReadKrossText(bytes, doc, 0, r.In).status != OpenKrossM::KrossReadResult::Status::Ok) {
        say(err, shown(r.In) + " " + Text(texts, FillText::ReadFailed));
        return Failed;
    }
    if (doc.NoAnswers != 0) {
        // A bare grid becomes a crossword with answers: empty clues, no author or password yet, and the
        // scrambling tables of its name.
        doc.NoAnswers = 0;
        doc.ClueTexts.Create3(doc.NumberCount);
        KodKodirovkiM::BuildCodeTables(doc);
    }
    // Authoring, as after unlocking: the answers are entered into the working layers.
    doc.AppMode = Mode::Authoring;
    doc.ActiveStyle = 0;
    doc.SolvedWords.Redim(doc.NumberCount, 1);
    doc.SolvedCount = 0;
    LoadReshotkiM::BuildLayers(doc);

    const GridFill::GridProblem problem = GridFill::ProblemOf(doc);
    bool anyToFill = false;
    for (const auto& s : problem.Problem.Slots)
        anyToFill = anyToFill || s.Answer.empty();
    if (anyToFill && words.Total() == 0) {
        say(err, Text(texts, FillText::NoWordLists));
        return Failed;
    }
    FillEngine::Options options;
    options.Seed = r.Seed ? *r.Seed : std::random_device{}();
    options.TimeLimit = std::chrono::milliseconds(static_cast<int64_t>(std::ceil(r.TimeLimit * 1000)));
    const FillEngine::Result result = FillEngine::Fill(problem.Problem, words, options);
    if (result.Kind != FillEngine::Outcome::Filled) {
        say(err, GridFill::OutcomeMessage(texts, problem, result));
        return result.Kind == FillEngine::Outcome::Impossible ? NoFill : TimedOut;
    }
    if (!GridFill::EnterFill(doc, GridFill::FilledWordsOf(problem, result))) {
        // The fill always agrees with the crossword it was made for; this guards the writer all the same.
        say(err, GridFill::OutcomeMessage(texts, problem, FillEngine::Result{}));
        return NoFill;
    }
    // Written as the window saves it.
    const TextFile::Error error = SaveKrossM::WriteKrossFile(r.Out, doc, bytes);
    if (error != TextFile::Error::None) {
        say(err, shown(r.Out) + " " + Text(texts, writeFailure(error)));
        return Failed;
    }
    return Done;
}

int Main(const std::vector<std::string>& args, const std::string& appDir, const std::string& pathSep,
         const InterfaceTexts& texts, std::FILE* err) {
    const auto r = ParseArguments(args);
    if (!r) {
        say(err, Text(texts, FillText::Usage));
        return BadUsage;
    }
    return Run(*r, FillWords::Load(appDir, pathSep), texts, err);
}

} // namespace FillCommand
