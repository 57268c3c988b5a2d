#pragma once
// Documents for the grid tests, drawn as ASCII rows: '#' a blocked cell, '.' an open one.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "basics/Cp1251.h"
#include "document/KrossDocument.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/LoadReshotkiM.h"

namespace gridfixture {

// A document in the drawing mode with the grid of the rows (all rows the same length).
inline KrossDocument Drawn(const std::vector<std::string>& rows) {
    KrossDocument doc;
    doc.GridHeight = static_cast<int32_t>(rows.size());
    doc.GridWidth = rows.empty() ? 0 : static_cast<int32_t>(rows[0].size());
    doc.GridLayers.Redim(doc.GridWidth, doc.GridHeight, 0);
    doc.AppMode = Mode::NewGrid;
    for (int32_t r = 0; r < doc.GridHeight; ++r)
        for (int32_t c = 0; c < doc.GridWidth; ++c)
            doc.SetCell(c, r, rows[static_cast<size_t>(r)][static_cast<size_t>(c)] == '#' ? 1 : 0);
    return doc;
}

// The rows analysed and numbered, in authoring mode with its layers built.
inline KrossDocument Authoring(const std::vector<std::string>& rows) {
    KrossDocument doc = Drawn(rows);
    AnalizReshotkiM::ApplyWordTable(doc, AnalizReshotkiM::FindWords(doc));
    LoadReshotkiM::BuildLayers(doc);
    return doc;
}

// cp1251 bytes of a UTF-8 literal.
inline std::string Cp(std::string_view utf8) {
    return *Cp1251::FromUtf8(utf8);
}

// Layer 3 of the cells of one row, from column c0 on, as UTF-8 text ('_' for an empty cell).
inline std::string LettersAcross(const KrossDocument& doc, int32_t c0, int32_t r, int32_t count) {
    std::string s;
    for (int32_t c = c0; c < c0 + count; ++c) {
        const int32_t code = doc.GridLayers.Get(c, r, Layer::Letter);
        s += code == 0 ? std::string("_") : Cp1251::ToUtf8(std::string(1, Cp1251::Char(code)));
    }
    return s;
}

inline std::string LettersDown(const KrossDocument& doc, int32_t c, int32_t r0, int32_t count) {
    std::string s;
    for (int32_t r = r0; r < r0 + count; ++r) {
        const int32_t code = doc.GridLayers.Get(c, r, Layer::Letter);
        s += code == 0 ? std::string("_") : Cp1251::ToUtf8(std::string(1, Cp1251::Char(code)));
    }
    return s;
}

} // namespace gridfixture
