// Filling the grids of bench/grids/ from real word lists, beside Qxw (Debian package qxw, run in batch
// mode) on the same grids and the same words, timed as whole processes in the same run.
//
//   bench_fill [--data FOLDER] [--seeds N] [--runs N] [--qxw-timeout S] [--russian-checked] [GRID ...]
//
// Word lists: the .dat files of FOLDER, by default those the build makes for the program folder's Data/
// (from Debian's hunspell-ru and wamerican: the Russian words, then the English ones).
//
// A Qxw alphabet holds Cyrillic or Latin letters, not both, so each grid is compared on the words of one
// alphabet, given to both programs: the "checked" grids (every letter in two words, the English-language
// kind) on the English words (qxw -a AZ), the "lattice" grids (many letters in one word only, the
// Russian kind) on the Russian words (qxw -a RU). Figures per grid:
//   fill    -- the fill in this process with the lists already in memory (what the window's Fill costs),
//              one run per seed with a 10 s limit: median and worst, and the share filled in 10 s;
//   --fill  -- the command line's fill as a whole process (reading the lists and the grid, filling,
//              writing), over several runs with different seeds, the first (cold) one shown apart;
//   qxw     -- qxw -b over the same grid and words as a whole process, the same way.
// Wall-clock times decide the goals; the processors' times (user + system) are shown beside them because
// the machine is shared. A last table fills every grid from the shipped lists of both alphabets.
// --russian-checked adds the hard case: the checked 15x15 grids from the Russian words (60 s limits).
// Goals: every 15x15 grid filled in under 1 s median, and the command line's fill faster than Qxw on each.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
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

double msSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// ---- Word lists ----

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
    double ms = 0;    // wall clock
    double cpuMs = 0; // user + system
    int status = -1;  // exit code, or -1 when killed at the timeout
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
    struct rusage usage {};
    for (;;) {
        const pid_t r = wait4(pid, &status, WNOHANG, &usage);
        if (r == pid) {
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            break;
        }
        if (msSince(t0) > timeoutS * 1000) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            run.status = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    run.ms = msSince(t0);
    run.cpuMs = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    return run;
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
        answers.push_back(doc.ClueTexts.Answer(n, d));
    return answers;
}

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The words of one alphabet, ready for both programs.
struct Lists {
    const char* name;
    const char* qxwAlphabet;
    std::string folder; // its .dat files, for the command line's fill
    FillWords words;
    std::set<std::string> set;
    std::string qxwDictionary; // UTF-8, one word a line
};

Lists makeLists(const char* name, const char* alphabet, const WordListBuilder::WordLists& lists,
                const std::string& folder) {
    // A program folder of its own: the lists in its Data/.
    Lists l{name, alphabet, folder, FillWords::FromFiles(writeLists(lists, folder + "/Data")), {}, {}};
    for (int32_t L = FillWords::MinLength; L <= FillWords::MaxLength; ++L)
        for (uint32_t w = 0; w < l.words.Count(L); ++w) {
            const std::string word = l.words.Word(L, w);
            l.set.insert(word);
            l.qxwDictionary += Cp1251::ToUtf8(word) + "\n";
        }
    return l;
}

// The words of the lists in one alphabet: Cyrillic capitals, or Latin ones.
WordListBuilder::WordLists partOf(const FillWords& all, bool cyrillic) {
    WordListBuilder::WordLists part;
    for (int32_t L = FillWords::MinLength; L <= FillWords::MaxLength; ++L)
        for (uint32_t w = 0; w < all.Count(L); ++w) {
            const std::string word = all.Word(L, w);
            if (std::all_of(word.begin(), word.end(), [&](char c) {
                    const unsigned char b = static_cast<unsigned char>(c);
                    return cyrillic ? b >= 0xC0 : (b >= 'A' && b <= 'Z');
                }))
                part.Words[static_cast<size_t>(L)].push_back(word);
        }
    return part;
}

struct InProcess {
    std::vector<double> ms, cpuMs; // failed runs count as infinitely long
    int filled = 0, runs = 0;
    bool valid = true;
};

InProcess fillInProcess(const Grid& g, const Lists& l, int seeds, int limitMs) {
    InProcess f;
    for (int s = 1; s <= seeds; ++s) {
        FillEngine::Options o;
        o.Seed = static_cast<uint64_t>(s);
        o.TimeLimit = std::chrono::milliseconds(limitMs);
        const auto t = Clock::now();
        const double c = threadCpuMs();
        const FillEngine::Result r = FillEngine::Fill(g.problem.Problem, l.words, o);
        const bool ok = r.Kind == FillEngine::Outcome::Filled;
        f.ms.push_back(ok ? msSince(t) : 1e12);
        f.cpuMs.push_back(ok ? threadCpuMs() - c : 1e12);
        ++f.runs;
        if (ok) {
            ++f.filled;
            f.valid = f.valid && validFill(g, r.Answers, l.set);
        }
    }
    return f;
}

std::string msText(double ms) {
    char buf[32];
    if (ms >= 1e11) return "  not filled";
    std::snprintf(buf, sizeof buf, "%9.1f ms", ms);
    return buf;
}

void printInProcess(const char* label, const InProcess& f, int limitS) {
    std::printf("    %-7s median %s (cpu %s)  worst %s  filled in %d s: %d/%d%s\n", label,
                msText(median(f.ms)).c_str(), msText(median(f.cpuMs)).c_str(),
                msText(*std::max_element(f.ms.begin(), f.ms.end())).c_str(), limitS, f.filled, f.runs,
                f.valid ? "" : "  INVALID FILL");
}

// Cold run, then median, min and max of the warm runs (all runs when there is only one).
void printProcesses(const char* label, const std::vector<ProcessRun>& runs, int filled) {
    if (runs.empty()) return;
    std::vector<double> wall, cpu;
    for (size_t k = runs.size() > 1 ? 1 : 0; k < runs.size(); ++k) {
        wall.push_back(runs[k].ms);
        cpu.push_back(runs[k].cpuMs);
    }
    std::printf(
        "    %-7s cold %9.1f ms   warm median %9.1f ms (cpu %9.1f)  min %9.1f  max %9.1f   filled %d/%zu\n",
        label, runs[0].ms, median(wall), median(cpu), *std::min_element(wall.begin(), wall.end()),
        *std::max_element(wall.begin(), wall.end()), filled, runs.size());
}

double warmMedian(const std::vector<ProcessRun>& runs) {
    std::vector<double> wall;
    for (size_t k = runs.size() > 1 ? 1 : 0; k < runs.size(); ++k)
        wall.push_back(runs[k].ms);
    return median(wall);
}

int childFill(int argc, char** argv) {
    // bench_fill --child FOLDER IN OUT SEED LIMIT: the command line's fill, as the program runs it, with
    // the word lists of FOLDER/Data.
    if (argc != 7) return 2;
    const FillWords words = FillWords::Load(std::string(argv[2]) + "/", "/");
    FillCommand::Request r;
    r.In = argv[3];
    r.Out = argv[4];
    r.Seed = std::strtoull(argv[5], nullptr, 10);
    r.TimeLimit = std::atof(argv[6]);
    return FillCommand::Run(r, words, InterfaceTexts{}, stderr);
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--child") == 0) return childFill(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    std::string dataFolder;
    int seeds = 9, runs = 5;
    double qxwTimeout = 60;
    bool russianChecked = false;
    std::vector<std::string> only;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--data" && i + 1 < argc)
            dataFolder = argv[++i];
        else if (a == "--seeds" && i + 1 < argc)
            seeds = std::max(1, std::atoi(argv[++i]));
        else if (a == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (a == "--qxw-timeout" && i + 1 < argc)
            qxwTimeout = std::atof(argv[++i]);
        else if (a == "--russian-checked")
            russianChecked = true;
        else
            only.push_back(a);
    }
    std::printf("bench_fill: build type %s\n", GRIDMORA_BUILD_TYPE);
    std::printf("the machine may be shared with other work: figures are noisy, repeat before trusting a "
                "difference\n");

    char tmpl[] = "/tmp/gridmora-fill-XXXXXX";
    if (!::mkdtemp(tmpl)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string tmp = tmpl;

    // The shipped lists, and their two alphabets apart.
    if (dataFolder.empty()) dataFolder = GRIDMORA_WORD_LISTS_DIR;
    const std::array<std::string, FillWords::MaxLength + 1> shippedFiles = readLists(dataFolder);
    auto t0 = Clock::now();
    const FillWords shipped = FillWords::FromFiles(shippedFiles);
    const double buildMs = msSince(t0);
    std::set<std::string> shippedSet;
    for (int32_t L = FillWords::MinLength; L <= FillWords::MaxLength; ++L)
        for (uint32_t w = 0; w < shipped.Count(L); ++w)
            shippedSet.insert(shipped.Word(L, w));
    const Lists ru = makeLists("Russian", "RU", partOf(shipped, true), tmp + "/ru");
    const Lists en = makeLists("English", "AZ", partOf(shipped, false), tmp + "/en");
    std::printf("word lists %s: %u words (ready for filling in %.0f ms), %u Russian, %u English\n",
                dataFolder.empty() ? "made from the dictionaries" : dataFolder.c_str(), shipped.Total(),
                buildMs, ru.words.Total(), en.words.Total());
    if (ru.words.Total() == 0 || en.words.Total() == 0) {
        std::fprintf(stderr, "%s: no Russian or no English words (build the word lists, or give --data)\n",
                     dataFolder.c_str());
        return 1;
    }
    for (const Lists* l : {&ru, &en})
        TextFile::WriteAll(tmp + "/" + l->name + ".txt", l->qxwDictionary);
    const bool haveQxw = ::access(QxwPath, X_OK) == 0;
    if (!haveQxw) std::printf("%s not found (apt-get install qxw): no comparison\n", QxwPath);

    std::vector<Grid> grids;
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(GRIDMORA_BENCH_GRIDS))
        if (e.path().extension() == ".txt") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const auto& f : files) {
        if (!only.empty() && std::find(only.begin(), only.end(), f.stem().string()) == only.end()) continue;
        if (auto g = loadGrid(f)) grids.push_back(std::move(*g));
    }
    const std::string selfPath = fs::read_symlink("/proc/self/exe").string();

    // One grid on one alphabet's words: this program in process and as a process, and Qxw.
    auto compare = [&](const Grid& g, const Lists& l, int limitS, double qxwLimit, bool goals) {
        const int32_t words = static_cast<int32_t>(g.problem.Problem.Slots.size());
        std::printf("\n%s: %dx%d, %d words, %s words\n", g.name.c_str(), g.width, g.height, words, l.name);
        const InProcess in = fillInProcess(g, l, seeds, limitS * 1000);
        printInProcess("fill", in, limitS);

        const std::string krw = tmp + "/" + g.name + ".krw", out = tmp + "/" + g.name + "-out.krw";
        TextFile::WriteAll(krw, SaveKrossM::KrossFileText(g.doc));
        std::vector<ProcessRun> cli;
        int cliFilled = 0;
        bool cliValid = true;
        for (int r = 0; r < runs; ++r) {
            fs::remove(out);
            const ProcessRun p = runProcess(
                {selfPath, "--child", l.folder, krw, out, std::to_string(r + 1), std::to_string(limitS)},
                tmp + "/child.txt", limitS + 30);
            cli.push_back(p);
            if (p.status == 0) {
                ++cliFilled;
                cliValid = cliValid && validFill(g, krwAnswers(out, g), l.set);
            }
        }
        printProcesses("--fill", cli, cliFilled);
        if (!cliValid) std::printf("    --fill wrote a fill that breaks the rules\n");

        std::vector<ProcessRun> qxw;
        int qxwFilled = 0;
        bool qxwValid = true;
        if (haveQxw) {
            const std::string deck = tmp + "/" + g.name + ".qxd", qout = tmp + "/qxw.txt";
            TextFile::WriteAll(deck, deckOf(g));
            for (int r = 0; r < runs; ++r) {
                const ProcessRun p =
                    runProcess({QxwPath, "-b", "-a", l.qxwAlphabet, "-d", tmp + "/" + l.name + ".txt", deck},
                               qout, qxwLimit);
                qxw.push_back(p);
                if (p.status == 0) {
                    ++qxwFilled;
                    qxwValid =
                        qxwValid && validFill(g, qxwAnswers(qout, g.problem.Problem.Slots.size()), l.set);
                }
                if (p.status == -1) break; // stopped at the limit: once is enough to know
            }
            printProcesses("qxw", qxw, qxwFilled);
            if (qxw.back().status == -1) std::printf("    qxw stopped after %.0f s\n", qxwLimit);
            if (!qxwValid) std::printf("    qxw gave a fill with a repeat or an unlisted word\n");
        }
        if (!goals) return true;
        bool met = true;
        if (g.width == 15 && g.height == 15) {
            const bool ok = median(in.ms) < 1000 && in.filled == in.runs;
            std::printf("    goal: filled in under 1 s median: %s\n", ok ? "met" : "NOT MET");
            met = ok;
        }
        if (haveQxw) {
            const bool qxwDone = qxwFilled == static_cast<int>(qxw.size());
            const bool faster =
                cliValid && cliFilled == runs && (!qxwDone || warmMedian(cli) < warmMedian(qxw));
            std::printf("    goal: faster than Qxw as a whole process (warm medians %.1f ms and %s): %s\n",
                        warmMedian(cli), qxwDone ? msText(warmMedian(qxw)).c_str() : "not filled",
                        faster ? "met" : "NOT MET");
            met = met && faster;
        }
        return met;
    };

    std::printf("\n%d seeds in this process; %d runs of each whole process (seeds 1..%d); Qxw stopped after "
                "%.0f s\n",
                seeds, runs, runs, qxwTimeout);
    bool goalsMet = true;
    for (const Grid& g : grids) {
        const bool checkedKind = g.name.rfind("checked", 0) == 0;
        goalsMet = compare(g, checkedKind ? en : ru, 10, qxwTimeout, true) && goalsMet;
    }
    if (russianChecked) {
        std::printf("\nthe hard case, not among the goals: checked 15x15 grids from the Russian words\n");
        for (const Grid& g : grids)
            if (g.name.rfind("checked15", 0) == 0) compare(g, ru, 60, 120, false);
    }

    std::printf(
        "\nfrom the shipped lists of both alphabets (Russian first, then English), in this process:\n");
    const Lists both{"both", "", dataFolder, FillWords::FromFiles(shippedFiles), shippedSet, {}};
    for (const Grid& g : grids) {
        const InProcess in = fillInProcess(g, both, seeds, 10000);
        std::printf("  %-12s", g.name.c_str());
        printInProcess("fill", in, 10);
    }

    fs::remove_all(tmp);
    std::printf("\ngoals %s\n", goalsMet ? "met" : "NOT all met");
    return goalsMet ? 0 : 1;
}
