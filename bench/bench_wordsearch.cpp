// Word search over a 1,000,000-word list of 10-letter words, file reading included, beside
// `LC_ALL=C grep -c` over the same words one per line, run in the same process.
//
// Goal: one search, reading the file included, takes no longer than grep's whole run.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "basics/TextFile.h"
#include "document/WordSearch.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t WordCount = 1'000'000;
constexpr size_t Length = 10;
constexpr int Runs = 15;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

bool writeFile(const std::string& path, const std::string& bytes) {
    return TextFile::WriteAll(path, bytes) == TextFile::Error::None;
}

struct Pattern {
    const char* name;
    std::string pattern; // the search pattern, cp1251, "?" unknown
};

// The same pattern as a regular expression for grep: one line that is exactly the word.
std::string regexOf(const std::string& pattern) {
    std::string re = "^";
    for (char c : pattern)
        re += c == '?' ? '.' : c;
    re += '$';
    return re;
}

} // namespace

int main() {
    char tmpl[] = "/tmp/gridmora-bench-XXXXXX";
    if (!::mkdtemp(tmpl)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string dir = tmpl;
    const std::string datPath = dir + "/10.dat";
    const std::string linesPath = dir + "/10.txt";
    const std::string regexPath = dir + "/pattern.txt";
    const std::string countPath = dir + "/count.txt";

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
        {"1 known letter", keep({0})},
        {"3 known letters", keep({0, 4, 9})},
        {"10 known letters", sample},
        {"all \"?\"", std::string(Length, '?')},
    };

    std::printf("word list: %zu words of %zu letters, %zu bytes; best and median of %d runs\n", WordCount,
                Length, words.size(), Runs);
    std::printf("%-18s %9s %9s %10s %10s %10s %10s %10s %7s\n", "pattern", "found", "grep -c", "search ms",
                "(median)", "(reading)", "grep ms", "(median)", "ratio");

    std::string buffer; // reused: reading allocates only the first time
    std::vector<uint32_t> found;
    bool allMet = true;
    for (const auto& p : patterns) {
        if (!writeFile(regexPath, regexOf(p.pattern) + "\n")) return 1;
        const std::string command =
            "LC_ALL=C grep -c -f '" + regexPath + "' '" + linesPath + "' > '" + countPath + "'";
        // The two take turns, so that both see the same load of a shared machine.
        std::vector<double> ours, reading, theirs;
        for (int run = 0; run < Runs; ++run) {
            const auto start = Clock::now();
            if (TextFile::ReadAll(datPath, buffer) != TextFile::Error::None) {
                std::fprintf(stderr, "cannot read %s\n", datPath.c_str());
                return 1;
            }
            reading.push_back(msSince(start));
            WordSearch::FindWords(buffer, p.pattern, found);
            ours.push_back(msSince(start));

            const auto grepStart = Clock::now();
            const int rc = std::system(command.c_str());
            theirs.push_back(msSince(grepStart));
            if (rc != 0 && rc != 256) { // grep exits with 1 when nothing matches
                std::fprintf(stderr, "grep failed (%d)\n", rc);
                return 1;
            }
        }
        long grepCount = -1;
        std::string countText;
        if (TextFile::ReadAll(countPath, countText) == TextFile::Error::None)
            grepCount = std::atol(countText.c_str());

        const double best = *std::min_element(ours.begin(), ours.end());
        const double grepBest = *std::min_element(theirs.begin(), theirs.end());
        const double ratio = best / grepBest;
        allMet = allMet && ratio <= 1.0 && static_cast<long>(found.size()) == grepCount;
        std::printf("%-18s %9zu %9ld %10.2f %10.2f %10.2f %10.2f %10.2f %7.2f\n", p.name, found.size(),
                    grepCount, best, median(ours), *std::min_element(reading.begin(), reading.end()),
                    grepBest, median(theirs), ratio);
    }
    std::printf("search ms includes reading the file; (reading) is its best reading time alone\n");
    std::printf("ratio = search incl. reading / grep whole run (best times); goal <= 1.00: %s\n",
                allMet ? "met" : "NOT met");

    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return 0;
}
