// Filling the grids of bench/grids/ from real word lists, beside Qxw (Debian package qxw, run in batch
// mode) on the same grids and the same words, timed as whole processes in the same run.
//
//   bench_fill [--data FOLDER] [--seeds N] [--runs N] [--qxw-timeout S] [GRID-NAME ...]
//
// Word lists: the .dat files of FOLDER (a program folder's Data/), or, by default, lists made the way the
// build makes them, from Debian's dictionaries: /usr/share/hunspell/ru_RU.dic (word stems, Ё as Е) first,
// then /usr/share/dict/american-english, words of letters only, upper case, cp1251, each once.
//
// Figures per grid:
//   fill        -- the fill in this process with the lists already in memory (what the window's Fill
//                  costs), one run per seed with a 10 s limit: median, worst, and the share filled in 10 s;
//   --fill      -- the command line's fill as a whole process (reading the lists and the grid, filling,
//                  writing), median and range over the runs, the first (cold) one shown apart;
//   qxw         -- qxw -b -a RU over the same grid and the Russian words, whole process, the same way.
// Both programs get the Russian words only, because a Qxw alphabet cannot hold Cyrillic and Latin together;
// a last table fills with both alphabets. Goals: every 15x15 grid filled in under 1 s median, and the
// command line's fill faster than Qxw on each grid.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/FillCommand.h"
#include "basics/Cp1251.h"
#include "basics/NumberText.h"
#include "basics/TextFile.h"
#include "document/KrossDocument.h"
#include "document/OpenKrossM.h"
#include "document/SaveKrossM.h"
#include "document/WordListBuilder.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/FillEngine.h"
#include "grid/FillWords.h"
#include "grid/GridFill.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

const char* const QxwPath = "/usr/games/qxw";
const char* const RussianDic = "/usr/share/hunspell/ru_RU.dic";
const char* const EnglishDic = "/usr/share/dict/american-english";

double msSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// ---- Word lists ----

// The dictionaries' words, one per line, UTF-8: Russian stems (the part before "/" of the .dic lines,
// Ё as Е) made of Cyrillic letters only, then English words of Latin letters only.
std::string dictionaryWords(bool russian, bool english) {
    std::string out, text;
    if (russian && TextFile::ReadAll(RussianDic, text) == TextFile::Error::None) {
        bool first = true;
        for (std::string_view line : TextFile::SplitLines(text)) {
            if (first) { // the count of entries
                first = false;
                continue;
            }
            std::string_view stem = line.substr(0, line.find('/'));
            const auto cp = Cp1251::FromUtf8(stem);
            if (!cp || cp->empty()) continue;
            std::string word = *cp;
            bool letters = true;
            for (char& c : word) {
                const unsigned char b = static_cast<unsigned char>(c);
                if (b == 0xA8)
                    c = static_cast<char>(0xC5); // Ё
                else if (b == 0xB8)
                    c = static_cast<char>(0xE5); // ё
                else if (b < 0xC0)
                    letters = false;
            }
            if (!letters) continue;
            out += Cp1251::ToUtf8(word);
            out += '\n';
        }
    }
    if (english && TextFile::ReadAll(EnglishDic, text) == TextFile::Error::None) {
        for (std::string_view line : TextFile::SplitLines(text)) {
            if (line.empty() || !std::all_of(line.begin(), line.end(), [](char c) {
                    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
                }))
                continue;
            out += line;
            out += '\n';
        }
    }
    return out;
}

// Writes the lists as 2.dat .. 24.dat into folder and returns their file bytes.
std::array<std::string, FillWords::MaxLength + 1> writeLists(const WordListBuilder::WordLists& lists,
                                                             const std::string& folder) {
    std::array<std::string, FillWords::MaxLength + 1> files;
    fs::create_directories(folder);
    for (int32_t L = FillWords::MinLength; L <= FillWords::MaxLength; ++L) {
        files[static_cast<size_t>(L)] =
            WordListBuilder::WordListFileText(lists.Words[static_cast<size_t>(L)]);
        TextFile::WriteAll(folder + "/" + NumberText::Plain(L) + ".dat", files[static_cast<size_t>(L)]);
    }
    return files;
}

std::array<std::string, FillWords::MaxLength + 1> readLists(const std::string& folder) {
    std::array<std::string, FillWords::MaxLength + 1> files;
    for (int32_t L = FillWords::MinLength; L <= FillWords::MaxLength; ++L)
        TextFile::ReadAll(folder + "/" + NumberText::Plain(L) + ".dat", files[static_cast<size_t>(L)]);
    return files;
}

// ---- Grids ----

struct Grid {
    std::string name;
    int32_t width = 0, height = 0;
    KrossDocument doc; // analysed, a bare grid
    GridFill::GridProblem problem;
};

std::optional<Grid> loadGrid(const fs::path& file) {
    std::string text;
    if (TextFile::ReadAll(file.string(), text) != TextFile::Error::None) return std::nullopt;
    std::vector<std::string> rows;
    for (std::string_view line : TextFile::SplitLines(text))
        if (!line.empty()) rows.emplace_back(line);
    if (rows.empty()) return std::nullopt;
    Grid g;
    g.name = file.stem().string();
    KrossDocument& doc = g.doc;
    doc.GridWidth = g.width = static_cast<int32_t>(rows[0].size());
    doc.GridHeight = g.height = static_cast<int32_t>(rows.size());
    doc.GridLayers.Redim(doc.GridWidth, doc.GridHeight, 0);
    doc.AppMode = Mode::NewGrid;
    doc.NoAnswers = 1;
    doc.KrossName = g.name;
    for (int32_t y = 0; y < doc.GridHeight; ++y)
        for (int32_t x = 0; x < doc.GridWidth; ++x)
            doc.SetCell(x, y, rows[static_cast<size_t>(y)][static_cast<size_t>(x)] == '#' ? 1 : 0);
    AnalizReshotkiM::ApplyWordTable(doc, AnalizReshotkiM::FindWords(doc));
    g.problem = GridFill::ProblemOf(doc);
    return g;
}

// The grid as a Qxw deck: one line per word, its cells named by their place.
std::string deckOf(const Grid& g) {
    std::string deck;
    for (const auto& s : g.problem.Problem.Slots) {
        for (int32_t i = 0; i < s.Length; ++i) {
            const int32_t x = s.X + (s.Direction == 0 ? i : 0), y = s.Y + (s.Direction == 0 ? 0 : i);
            deck += (i ? " c" : "c") + std::to_string(y * g.width + x);
        }
        deck += '\n';
    }
    return deck;
}

// A fill is a fill: words of the lists, crossing letters equal, no word twice.
bool validFill(const Grid& g, const std::vector<std::string>& answers,
               const std::set<std::string>& dictionary) {
    const auto& slots = g.problem.Problem.Slots;
    if (answers.size() != slots.size()) return false;
    std::map<std::pair<int32_t, int32_t>, char> cell;
    std::set<std::string> seen;
    for (size_t k = 0; k < slots.size(); ++k) {
        const auto& s = slots[k];
        const std::string& a = answers[k];
        if (a.size() != static_cast<size_t>(s.Length) || !dictionary.count(a) || !seen.insert(a).second)
            return false;
        for (int32_t i = 0; i < s.Length; ++i) {
            const auto key = std::pair{s.X + (s.Direction == 0 ? i : 0), s.Y + (s.Direction == 0 ? 0 : i)};
            auto [it, fresh] = cell.emplace(key, a[static_cast<size_t>(i)]);
            if (!fresh && it->second != a[static_cast<size_t>(i)]) return false;
        }
    }
    return true;
}

// ---- Processes ----

struct ProcessRun {
    double ms = 0;
    int status = -1; // exit code, or -1 when killed at the timeout
};

ProcessRun runProcess(const std::vector<std::string>& argv, const std::string& outFile, double timeoutS) {
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    ProcessRun run;
    pid_t pid = 0;
    const auto t0 = Clock::now();
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return run;
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    for (;;) {
        const pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid) {
            run.ms = msSince(t0);
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            return run;
        }
        if (msSince(t0) > timeoutS * 1000) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            run.ms = msSince(t0);
            run.status = -1;
            return run;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

// Qxw's answer lines: "W<k> WORD".
std::vector<std::string> qxwAnswers(const std::string& outFile, size_t words) {
    std::string text;
    TextFile::ReadAll(outFile, text);
    std::vector<std::string> answers(words);
    for (std::string_view line : TextFile::SplitLines(text)) {
        if (line.size() < 3 || line[0] != 'W') continue;
        const size_t blank = line.find(' ');
        if (blank == std::string_view::npos) continue;
        const size_t k = static_cast<size_t>(std::atoi(std::string(line.substr(1, blank - 1)).c_str()));
        if (k < words) answers[k] = Cp1251::ToUpper(Cp1251::FromUtf8Lossy(line.substr(blank + 1)));
    }
    return answers;
}

// The answers of a crossword file written by the command line's fill, in the order of the problem.
std::vector<std::string> krwAnswers(const std::string& file, const Grid& g) {
    std::string bytes;
    KrossDocument doc;
    std::vector<std::string> answers;
    if (TextFile::ReadAll(file, bytes) != TextFile::Error::None) return answers;
    if (OpenKrossM::ReadKrossText(bytes, doc, 0, file).status != OpenKrossM::KrossReadResult::Status::Ok)
        return answers;
    for (auto [n, d] : g.problem.Words)
        answers.push_back(doc.ClueTexts.Get(n, 1, d));
    return answers;
}

struct Figures {
    std::vector<double> ms;
    int filled = 0, runs = 0;
    bool allValid = true;
};

void printRange(const char* label, const std::vector<double>& ms) {
    if (ms.empty()) return;
    std::vector<double> rest(ms.begin() + 1, ms.end());
    std::printf("    %-8s cold %8.1f ms   warm median %8.1f  min %8.1f  max %8.1f ms\n", label, ms[0],
                median(rest.empty() ? ms : rest), *std::min_element(ms.begin(), ms.end()),
                *std::max_element(ms.begin(), ms.end()));
}

int childFill(int argc, char** argv) {
    // bench_fill --child DATA IN OUT SEED: the command line's fill, as the program runs it.
    if (argc != 6) return 2;
    const std::string data = argv[2];
    const FillWords words = FillWords::FromFiles(readLists(data));
    FillCommand::Request r;
    r.In = argv[3];
    r.Out = argv[4];
    r.Seed = std::strtoull(argv[5], nullptr, 10);
    r.TimeLimit = 600;
    return FillCommand::Run(r, words, InterfaceTexts{}, stderr);
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--child") == 0) return childFill(argc, argv);

    std::string dataFolder;
    int seeds = 9, runs = 5;
    double qxwTimeout = 60;
    bool verbose = false;
    std::vector<std::string> only;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--data" && i + 1 < argc)
            dataFolder = argv[++i];
        else if (a == "--seeds" && i + 1 < argc)
            seeds = std::atoi(argv[++i]);
        else if (a == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (a == "--verbose")
            verbose = true;
        else if (a == "--qxw-timeout" && i + 1 < argc)
            qxwTimeout = std::atof(argv[++i]);
        else
            only.push_back(a);
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("bench_fill: build type %s\n", GRIDMORA_BUILD_TYPE);
    std::printf("machine shared with other work: figures are noisy; repeat before trusting a difference\n");

    char tmpl[] = "/tmp/gridmora-fill-XXXXXX";
    if (!::mkdtemp(tmpl)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string tmp = tmpl;

    // The Russian lists (the comparison) and the shipped lists of both alphabets.
    std::array<std::string, FillWords::MaxLength + 1> ruFiles, allFiles;
    const std::string ruFolder = tmp + "/ru", allFolder = tmp + "/all";
    if (dataFolder.empty()) {
        ruFiles = writeLists(WordListBuilder::BuildWordLists(dictionaryWords(true, false)), ruFolder);
        allFiles = writeLists(WordListBuilder::BuildWordLists(dictionaryWords(true, true)), allFolder);
    } else {
        allFiles = readLists(dataFolder);
        // The Russian part of the given lists: words of Cyrillic capitals.
        WordListBuilder::WordLists ru;
        const FillWords all = FillWords::FromFiles(allFiles);
        for (int32_t L = FillWords::MinLength; L <= FillWords::MaxLength; ++L)
            for (uint32_t w = 0; w < all.Count(L); ++w) {
                std::string word = all.Word(L, w);
                if (std::all_of(word.begin(), word.end(),
                                [](char c) { return static_cast<unsigned char>(c) >= 0xC0; }))
                    ru.Words[static_cast<size_t>(L)].push_back(word);
            }
        ruFiles = writeLists(ru, ruFolder);
        writeLists(WordListBuilder::WordLists{}, allFolder); // unused
    }
    auto t0 = Clock::now();
    const FillWords ruWords = FillWords::FromFiles(ruFiles);
    const double buildMs = msSince(t0);
    const FillWords allWords = FillWords::FromFiles(allFiles);
    std::printf("word lists: %u Russian words (prepared for filling in %.0f ms), %u with English\n",
                ruWords.Total(), buildMs, allWords.Total());
    if (ruWords.Total() == 0) {
        std::fprintf(stderr, "no Russian words: is hunspell-ru installed?\n");
        return 1;
    }

    // Qxw's dictionary: the same Russian words, UTF-8, one a line.
    std::set<std::string> ruSet, allSet;
    std::string qxwDict;
    for (int32_t L = FillWords::MinLength; L <= FillWords::MaxLength; ++L) {
        for (uint32_t w = 0; w < ruWords.Count(L); ++w) {
            const std::string word = ruWords.Word(L, w);
            ruSet.insert(word);
            qxwDict += Cp1251::ToUtf8(word) + "\n";
        }
        for (uint32_t w = 0; w < allWords.Count(L); ++w)
            allSet.insert(allWords.Word(L, w));
    }
    const std::string dictPath = tmp + "/words.txt";
    TextFile::WriteAll(dictPath, qxwDict);
    const bool haveQxw = ::access(QxwPath, X_OK) == 0;
    if (!haveQxw) std::printf("%s not found (apt-get install qxw): its column stays empty\n", QxwPath);

    std::vector<Grid> grids;
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(GRIDMORA_BENCH_GRIDS))
        if (e.path().extension() == ".txt") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const auto& f : files) {
        if (!only.empty() && std::find(only.begin(), only.end(), f.stem().string()) == only.end()) continue;
        if (auto g = loadGrid(f)) grids.push_back(std::move(*g));
    }

    const char* self = "/proc/self/exe";
    std::string selfPath = fs::read_symlink(self).string();
    bool goalsMet = true;
    std::printf("\n%d seeds in this process (10 s limit each); %d runs of each whole process (first cold); "
                "Qxw stopped after %.0f s\n",
                seeds, runs, qxwTimeout);
    for (const Grid& g : grids) {
        int32_t words = static_cast<int32_t>(g.problem.Problem.Slots.size());
        std::printf("\n%s: %dx%d, %d words\n", g.name.c_str(), g.width, g.height, words);

        // In this process, lists in memory.
        Figures in;
        for (int s = 1; s <= seeds; ++s) {
            FillEngine::Options o;
            o.Seed = static_cast<uint64_t>(s);
            o.TimeLimit = std::chrono::milliseconds(10000);
            const auto t = Clock::now();
            const FillEngine::Result r = FillEngine::Fill(g.problem.Problem, ruWords, o);
            const double ms = msSince(t);
            if (verbose)
                std::printf(
                    "      seed %d: %s in %.1f ms, %llu words tried, %u restarts, at most %d of %d placed\n",
                    s, r.Kind == FillEngine::Outcome::Filled ? "filled" : "not filled", ms,
                    static_cast<unsigned long long>(r.Last.Steps), r.Last.Restarts, r.Last.MostPlaced,
                    r.Last.ToFill);
            ++in.runs;
            in.ms.push_back(r.Kind == FillEngine::Outcome::Filled ? ms : 1e9);
            if (r.Kind == FillEngine::Outcome::Filled) {
                ++in.filled;
                in.allValid = in.allValid && validFill(g, r.Answers, ruSet);
            }
        }
        const double inMedian = median(in.ms);
        std::printf(
            "    fill     median %8.1f ms  worst %s  filled in 10 s: %d/%d%s\n", inMedian,
            *std::max_element(in.ms.begin(), in.ms.end()) >= 1e9
                ? "   >10 s"
                : (std::to_string(static_cast<int>(*std::max_element(in.ms.begin(), in.ms.end()))) + " ms")
                      .c_str(),
            in.filled, in.runs, in.allValid ? "" : "  INVALID FILL");

        // The command line's fill, whole process.
        const std::string krw = tmp + "/" + g.name + ".krw", out = tmp + "/" + g.name + "-out.krw";
        TextFile::WriteAll(krw, SaveKrossM::KrossFileText(g.doc));
        std::vector<double> cli;
        bool cliOk = true;
        for (int r = 0; r < runs; ++r) {
            const ProcessRun p = runProcess({selfPath, "--child", ruFolder, krw, out, std::to_string(r + 1)},
                                            tmp + "/child.txt", 600);
            cli.push_back(p.ms);
            cliOk = cliOk && p.status == 0 && validFill(g, krwAnswers(out, g), ruSet);
        }
        printRange("--fill", cli);
        if (!cliOk) std::printf("    --fill did not always write a valid fill\n");

        // Qxw, whole process.
        std::vector<double> qxw;
        int qxwFilled = 0;
        bool qxwValid = true;
        if (haveQxw) {
            const std::string deck = tmp + "/" + g.name + ".qxd", qout = tmp + "/qxw.txt";
            TextFile::WriteAll(deck, deckOf(g));
            for (int r = 0; r < runs; ++r) {
                const ProcessRun p =
                    runProcess({QxwPath, "-b", "-a", "RU", "-d", dictPath, deck}, qout, qxwTimeout);
                qxw.push_back(p.status == -1 ? qxwTimeout * 1000 : p.ms);
                if (p.status == 0) {
                    ++qxwFilled;
                    qxwValid =
                        qxwValid && validFill(g, qxwAnswers(qout, g.problem.Problem.Slots.size()), ruSet);
                }
                if (p.status == -1 && r == 0) break; // one timeout is enough to know
            }
            printRange("qxw", qxw);
            std::printf("    qxw filled %d/%zu%s\n", qxwFilled, qxw.size(),
                        qxwValid ? "" : " (a fill that breaks the rules: repeats or unlisted words)");
        }

        const bool is15 = g.width == 15 && g.height == 15;
        const double cliMedian = median(std::vector<double>(cli.begin() + (cli.size() > 1), cli.end()));
        const double qxwMedian =
            qxw.empty() ? 0 : median(std::vector<double>(qxw.begin() + (qxw.size() > 1), qxw.end()));
        if (is15) {
            const bool ok = inMedian < 1000 && in.filled == in.runs;
            goalsMet = goalsMet && ok;
            std::printf("    goal 15x15 under 1 s median: %s\n", ok ? "met" : "NOT MET");
        }
        if (haveQxw) {
            const bool faster = cliOk && (cliMedian < qxwMedian || qxwFilled == 0);
            goalsMet = goalsMet && faster;
            std::printf("    goal faster than Qxw (whole process, warm medians %.1f vs %.1f ms): %s\n",
                        cliMedian, qxwMedian, faster ? "met" : "NOT MET");
        }
    }

    // Both alphabets: the lists as shipped.
    std::printf(
        "\nwith the shipped lists of both alphabets (Russian first, then English), in this process:\n");
    for (const Grid& g : grids) {
        Figures in;
        for (int s = 1; s <= seeds; ++s) {
            FillEngine::Options o;
            o.Seed = static_cast<uint64_t>(s);
            o.TimeLimit = std::chrono::milliseconds(10000);
            const auto t = Clock::now();
            const FillEngine::Result r = FillEngine::Fill(g.problem.Problem, allWords, o);
            const double ms = msSince(t);
            ++in.runs;
            in.ms.push_back(r.Kind == FillEngine::Outcome::Filled ? ms : 1e9);
            if (r.Kind == FillEngine::Outcome::Filled) {
                ++in.filled;
                in.allValid = in.allValid && validFill(g, r.Answers, allSet);
            }
        }
        std::printf("    %-12s median %8.1f ms  filled in 10 s: %d/%d%s\n", g.name.c_str(), median(in.ms),
                    in.filled, in.runs, in.allValid ? "" : "  INVALID FILL");
    }

    fs::remove_all(tmp);
    std::printf("\ngoals %s\n", goalsMet ? "met" : "NOT all met");
    return 0;
}
