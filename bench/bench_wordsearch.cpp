// Word search over a 1,000,000-word list of 10-letter words, reading the file included, beside grep over
// the same words one per line (`grep -c` with LC_ALL=C, started as a process of its own without a shell).
//
// Ours is the window's search: the file read piece by piece and matched, the words found copied out. It is
// timed three ways: the first search of a fresh process (its buffer not yet allocated; the process is this
// program started again with --once, timing itself from before the read to after the match), warm searches
// in one process that reuse their buffer, and a cold first search after the page cache was dropped (when
// the system permits it; grep gets a cold run too). grep is timed from its start to its exit.
//
// Goal: for 1, 3 and 10 known letters, one search including the read takes at most half of grep's whole
// run (medians, both for the first search of a fresh process and for warm searches).
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "basics/TextFile.h"
#include "document/WordSearch.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t WordCount = 1'000'000;
constexpr size_t Length = 10;
constexpr int Runs = 11;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Spread {
    double min = 0, median = 0, max = 0;
};
Spread spread(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return {v.front(), v[v.size() / 2], v.back()};
}

bool writeFile(const std::string& path, const std::string& bytes) {
    return TextFile::WriteAll(path, bytes) == TextFile::Error::None;
}

// Runs a program (no shell) with its standard output going to outPath; the time from start to exit in
// ms, or a negative number when it could not run. exitCode receives its exit status.
double runProcess(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv,
                  const std::string& outPath, int& exitCode) {
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const auto& e : extraEnv)
        envp.push_back(const_cast<char*>(e.c_str()));
    for (char** e = environ; *e; ++e)
        envp.push_back(*e);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    const auto start = Clock::now();
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    const double ms = msSince(start);
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return ms;
}

// Empties the page cache, so that the next read comes from the disk. False when not permitted.
bool dropPageCache() {
    ::sync();
    FILE* f = std::fopen("/proc/sys/vm/drop_caches", "w");
    if (!f) return false;
    const bool ok = std::fputs("3\n", f) >= 0;
    return std::fclose(f) == 0 && ok;
}

std::string readText(const std::string& path) {
    std::string s;
    TextFile::ReadAll(path, s);
    return s;
}

// One search in this fresh process, as the word-search window makes it: read the file, match, copy out
// the words found.
int searchOnce(const std::string& path, const std::string& pattern) {
    const auto start = Clock::now();
    std::string buffer;
    WordSearch::FoundWords found;
    if (!WordSearch::SearchFile(path, pattern, found, buffer)) return 1;
    std::printf("%.3f %zu\n", msSince(start), found.Count());
    return 0;
}

// The same pattern as a regular expression for grep: one line that is exactly the word.
std::string regexOf(const std::string& pattern) {
    std::string re = "^";
    for (char c : pattern)
        re += c == '?' ? '.' : c;
    re += '$';
    return re;
}

std::string buildType() {
    std::string t = GRIDMORA_BUILD_TYPE;
    if (t.empty()) t = "(none)";
#ifdef __OPTIMIZE__
    t += ", optimised";
#else
    t += ", not optimised";
#endif
#ifdef __SANITIZE_ADDRESS__
    t += ", with AddressSanitizer";
#endif
    return t;
}

struct Pattern {
    const char* name;
    std::string pattern; // the search pattern, cp1251, "?" unknown
    bool hasGoal;
};

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--once") == 0) return searchOnce(argv[2], argv[3]);

    char tmpl[] = "/tmp/gridmora-bench-XXXXXX";
    if (!::mkdtemp(tmpl)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string dir = tmpl;
    const std::string datPath = dir + "/10.dat";
    const std::string linesPath = dir + "/10.txt";
    const std::string outPath = dir + "/out.txt";

    // Random capitals А..Я (cp1251 0xC0..0xDF), always the same words.
    std::mt19937 rng(20240611);
    std::string words(WordCount * Length, '\0');
    for (char& c : words)
        c = static_cast<char>(0xC0 + rng() % 32);
    std::string lines;
    lines.reserve(WordCount * (Length + 1));
    for (size_t w = 0; w < WordCount; ++w) {
        lines.append(words, w * Length, Length);
        lines += '\n';
    }
    if (!writeFile(datPath, std::to_string(WordCount) + "\r\n" + words + "\r\n") ||
        !writeFile(linesPath, lines)) {
        std::fprintf(stderr, "cannot write the test files in %s\n", dir.c_str());
        return 1;
    }

    // Known letters taken from one word of the list, so every pattern finds something.
    const std::string sample = words.substr(777'777 * Length, Length);
    auto keep = [&](std::initializer_list<size_t> positions) {
        std::string p(Length, '?');
        for (size_t i : positions)
            p[i] = sample[i];
        return p;
    };
    const Pattern patterns[] = {
        {"1 known letter", keep({0}), true},
        {"3 known letters", keep({0, 4, 9}), true},
        {"10 known letters", sample, true},
        {"all \"?\"", std::string(Length, '?'), false},
    };
    const std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();

    std::printf("build type: %s; compiler %s\n", buildType().c_str(), __VERSION__);
    std::printf("word list: %zu words of %zu letters, %zu bytes; %d runs each, min/median/max in ms\n",
                WordCount, Length, words.size(), Runs);
    const bool canDrop = dropPageCache();
    std::printf("cold runs: %s\n\n", canDrop ? "page cache dropped before each (sync; drop_caches = 3)"
                                             : "NOT cold: dropping the page cache is not permitted here, so "
                                               "'cold' is only a fresh process");
    std::printf("%-17s %8s %8s | %-22s | %-22s | %-22s | %6s %6s | %7s %7s\n", "pattern", "found", "grep -c",
                "first search, fresh", "warm search", "grep whole process", "first", "warm", "cold", "cold");
    std::printf("%-17s %8s %8s | %-22s | %-22s | %-22s | %13s | %15s\n", "", "", "", "process (read+match)",
                "(read+match)", "", "ratio to grep", "ours   grep");

    std::string buffer; // reused by the warm searches, as the window reuses its own
    WordSearch::FoundWords found;
    bool warmMet = true, firstMet = true, allCounted = true;
    double worstFirst = 0, worstWarm = 0;
    for (const auto& p : patterns) {
        const std::vector<std::string> grepArgs = {"grep", "-c", "-e", regexOf(p.pattern), linesPath};
        const std::vector<std::string> onceArgs = {exe, "--once", datPath, p.pattern};
        const std::vector<std::string> cEnv = {"LC_ALL=C"};
        int code = 0;
        // The time the fresh process measured itself: from before the read to after the match.
        auto firstSearch = [&] {
            return runProcess(onceArgs, {}, outPath, code) >= 0 && code == 0
                       ? std::atof(readText(outPath).c_str())
                       : -1.0;
        };

        // The first runs: nothing of the files in memory.
        dropPageCache();
        const double coldOurs = firstSearch();
        dropPageCache();
        const double coldGrep = runProcess(grepArgs, cEnv, outPath, code);

        // Then in turns, so that each sees the same load of a shared machine.
        std::vector<double> first, warm, grep;
        long ourCount = -1, grepCount = -1;
        for (int run = 0; run < Runs; ++run) {
            first.push_back(firstSearch());
            const std::string once = readText(outPath);
            ourCount = std::atol(once.c_str() + std::min(once.size(), once.find(' ') + 1));

            const auto start = Clock::now();
            if (!WordSearch::SearchFile(datPath, p.pattern, found, buffer)) {
                std::fprintf(stderr, "cannot read %s\n", datPath.c_str());
                return 1;
            }
            warm.push_back(msSince(start));

            const double g = runProcess(grepArgs, cEnv, outPath, code);
            if (g < 0 || (code != 0 && code != 1)) { // grep exits with 1 when nothing matches
                std::fprintf(stderr, "grep failed (%d)\n", code);
                return 1;
            }
            grep.push_back(g);
            grepCount = std::atol(readText(outPath).c_str());
        }
        const Spread f = spread(first), w = spread(warm), g = spread(grep);
        const double firstRatio = f.median / g.median, warmRatio = w.median / g.median;
        const bool counted = static_cast<long>(found.Count()) == grepCount && ourCount == grepCount;
        if (p.hasGoal) {
            warmMet = warmMet && warmRatio <= 0.5;
            firstMet = firstMet && firstRatio <= 0.5;
            worstWarm = std::max(worstWarm, warmRatio);
            worstFirst = std::max(worstFirst, firstRatio);
        }
        allCounted = allCounted && counted;
        std::printf(
            "%-17s %8zu %8ld | %6.2f %6.2f %6.2f   | %6.2f %6.2f %6.2f   | %6.2f %6.2f %6.2f   | %6.2f "
            "%6.2f | %7.2f %7.2f%s\n",
            p.name, found.Count(), grepCount, f.min, f.median, f.max, w.min, w.median, w.max, g.min, g.median,
            g.max, firstRatio, warmRatio, coldOurs, coldGrep, counted ? "" : "  COUNTS DIFFER");
    }
    std::printf(
        "\nratio = median search incl. reading / median grep whole process; goal <= 0.50 for 1, 3 and 10 "
        "known letters:\n");
    std::printf("  warm searches: %s (worst %.2f)\n", warmMet ? "met" : "NOT met", worstWarm);
    std::printf("  first search of a fresh process: %s (worst %.2f)\n", firstMet ? "met" : "NOT met",
                worstFirst);
    std::printf("  counts equal to grep's: %s\n", allCounted ? "yes" : "NO");

    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return 0;
}
