// Crossword file speed: a 300 x 300 crossword with every cell open and every answer filled is written,
// saved, then read from disk and parsed. The parse should cost no more than three times the read.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "basics/TextFile.h"
#include "document/KodKodirovkiM.h"
#include "document/KrossDocument.h"
#include "document/OpenKrossM.h"
#include "document/SaveKrossM.h"

namespace {

constexpr int32_t Side = 300;
constexpr int Rounds = 41;

// Every row an across word and every column a down word, numbered in reading order: the top-left cell
// starts both, the rest of the top row start down words, the rest of the left column across words.
KrossDocument openCrossword() {
    KrossDocument doc;
    doc.GridWidth = doc.GridHeight = Side;
    doc.KrossName = "Bench";
    doc.KrossAuthor = "Author";
    KodKodirovkiM::BuildCodeTables(doc);
    doc.NumberCount = 2 * Side - 1;
    doc.SlotTable.Redim(doc.NumberCount, 2, 1);
    doc.ClueTexts.Create3(doc.NumberCount);
    auto letter = [](int32_t x, int32_t y) { return static_cast<char>(0xC0 + (x * 7 + y * 3) % 32); };
    auto place = [&](int32_t n, int32_t d, int32_t x, int32_t y) {
        doc.SlotTable(n, Slot::X, d) = x;
        doc.SlotTable(n, Slot::Y, d) = y;
        doc.SlotTable(n, Slot::Length, d) = Side;
        std::string answer;
        for (int32_t i = 0; i < Side; ++i)
            answer += letter(x + i * (1 - d), y + i * d);
        doc.ClueTexts.SetClue(n, d, "Clue of word " + std::to_string(n) + (d ? " down" : " across"));
        doc.ClueTexts.SetAnswer(n, d, answer);
        ++doc.WordCount;
    };
    place(1, 0, 0, 0);
    place(1, 1, 0, 0);
    for (int32_t x = 1; x < Side; ++x)
        place(x + 1, 1, x, 0);
    for (int32_t y = 1; y < Side; ++y)
        place(Side + y, 0, 0, y);
    return doc;
}

// Median time of a step, in microseconds.
double median(const std::function<void()>& step) {
    std::vector<double> t;
    for (int i = 0; i < Rounds; ++i) {
        const auto a = std::chrono::steady_clock::now();
        step();
        const auto b = std::chrono::steady_clock::now();
        t.push_back(std::chrono::duration<double, std::micro>(b - a).count());
    }
    std::nth_element(t.begin(), t.begin() + Rounds / 2, t.end());
    return t[Rounds / 2];
}

} // namespace

int main() {
    const KrossDocument doc = openCrossword();
    std::string bytes;
    const double write = median([&] { bytes = SaveKrossM::KrossFileText(doc); });

    const std::string path = (std::filesystem::temp_directory_path() / "gridmora_bench_files.krw").string();
    if (TextFile::WriteAll(path, bytes) != TextFile::Error::None) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    std::string fromDisk;
    const double read = median([&] { TextFile::ReadAll(path, fromDisk); });
    std::filesystem::remove(path);
    if (fromDisk != bytes) {
        std::fprintf(stderr, "the file read back differs\n");
        return 1;
    }

    // As in the program, every read replaces the crossword held before (and frees its texts).
    KrossDocument target;
    bool ok = true;
    const double parse = median([&] {
        const auto r = OpenKrossM::ReadKrossText(fromDisk, target, 0, path);
        ok = ok && r.status == OpenKrossM::KrossReadResult::Status::Ok;
    });
    ok = ok && target.WordCount == doc.WordCount && target.ClueTexts == doc.ClueTexts;
    if (!ok) {
        std::fprintf(stderr, "the file did not read back\n");
        return 1;
    }

    // The floor of the parse: every answer character goes through the substitution table.
    std::vector<std::string> scrambled;
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d)
            if (doc.WordLength(n, d) > 0)
                scrambled.push_back(SaveKrossM::Scramble(doc, doc.ClueTexts.Answer(n, d)));
    const KodKodirovkiM::ByteTable decode = KodKodirovkiM::ToBytes(doc.DecodeTable);
    size_t mapped = 0;
    const double unscramble = median([&] {
        for (const std::string& s : scrambled)
            mapped += KodKodirovkiM::MapCodes(decode, s).size();
    });

    std::printf("crossword %d x %d, %d words, file %zu bytes (median of %d rounds)\n", Side, Side,
                doc.WordCount, bytes.size(), Rounds);
    std::printf("  KrossFileText  %10.1f us\n", write);
    std::printf("  ReadAll        %10.1f us\n", read);
    std::printf("  ReadKrossText  %10.1f us\n", parse);
    std::printf("    of which the answers' unscrambling alone %10.1f us (%zu characters)\n", unscramble,
                mapped / Rounds);
    std::printf("  parse / read bytes = %.2f (goal: 3 or less)\n", parse / read);
    std::printf("  parse without the unscrambling / read bytes = %.2f\n", (parse - unscramble) / read);
    return 0;
}
