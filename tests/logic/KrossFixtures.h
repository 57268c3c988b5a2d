#pragma once
// Small crosswords for the tests of the document files, drawn as ASCII grids.
#include <string>
#include <string_view>
#include <vector>

#include "basics/Cp1251.h"
#include "document/KodKodirovkiM.h"
#include "document/KrossDocument.h"

namespace fixtures {

inline std::string cp(std::string_view utf8) {
    return *Cp1251::FromUtf8(utf8);
}

// A crossword from rows of '.' (open) and '#' (blocked): words are runs of two or more open cells,
// numbered in reading order. ClueTexts is three-index and empty; nothing is solved; tables built.
inline KrossDocument GridDocument(const std::vector<std::string>& rows, int32_t noAnswers = 0,
                                  std::string_view nameUtf8 = "Test") {
    KrossDocument doc;
    doc.GridHeight = static_cast<int32_t>(rows.size());
    doc.GridWidth = static_cast<int32_t>(rows.at(0).size());
    doc.NoAnswers = noAnswers;
    doc.KrossName = cp(nameUtf8);
    auto open = [&](int32_t x, int32_t y) {
        return x >= 0 && y >= 0 && x < doc.GridWidth && y < doc.GridHeight &&
               rows[static_cast<size_t>(y)][static_cast<size_t>(x)] == '.';
    };
    struct Start {
        int32_t x, y, len[2];
    };
    std::vector<Start> starts;
    for (int32_t y = 0; y < doc.GridHeight; ++y)
        for (int32_t x = 0; x < doc.GridWidth; ++x) {
            if (!open(x, y)) continue;
            Start s{x, y, {0, 0}};
            for (int32_t d = 0; d <= 1; ++d) {
                if (open(x - (1 - d), y - d)) continue;
                int32_t len = 0;
                while (open(x + len * (1 - d), y + len * d))
                    ++len;
                if (len >= 2) s.len[d] = len;
            }
            if (s.len[0] || s.len[1]) starts.push_back(s);
        }
    doc.NumberCount = static_cast<int32_t>(starts.size());
    doc.SlotTable.Redim(doc.NumberCount, 2, 1);
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d) {
            const Start& s = starts[static_cast<size_t>(n - 1)];
            if (s.len[d] == 0) continue;
            doc.SlotTable(n, Slot::X, d) = s.x;
            doc.SlotTable(n, Slot::Y, d) = s.y;
            doc.SlotTable(n, Slot::Length, d) = s.len[d];
            ++doc.WordCount;
        }
    doc.ViewSlotTable = doc.SlotTable;
    doc.ClueTexts.Create3(doc.NumberCount);
    doc.SolvedWords.Redim(doc.NumberCount, 1);
    KodKodirovkiM::BuildCodeTables(doc);
    return doc;
}

// Lines joined with CR LF after each.
inline std::string Lines(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines)
        s += l + "\r\n";
    return s;
}

} // namespace fixtures
