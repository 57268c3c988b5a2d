#include "document/SampleBuilder.h"

#include <map>
#include <utility>

#include "basics/Cp1251.h"
#include "basics/NumberText.h"
#include "basics/TextFile.h"
#include "document/GridLimits.h"
#include "document/KodKodirovkiM.h"
#include "document/SaveKrossM.h"
#include "grid/AddSlovoM.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/FoundNoOtvetM.h"
#include "grid/LoadReshotkiM.h"

namespace SampleBuilder {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::string lineError(size_t line, std::string_view what) {
    return "line " + NumberText::Plain(static_cast<int64_t>(line)) + ": " + std::string(what);
}

const char* directionName(int32_t d) {
    return d == 0 ? "across" : "down";
}

std::string wordName(int32_t n, int32_t d) {
    return "word " + NumberText::Plain(n) + " " + directionName(d);
}

std::string letterText(int32_t code) {
    return Cp1251::ToUtf8(std::string(1, Cp1251::Char(code)));
}

// "12 A ANSWER | clue" -> the word; false when the line has another shape.
bool parseWordLine(std::string_view line, SampleWord& w, std::string& answerUtf8, std::string& clueUtf8) {
    const size_t bar = line.find('|');
    if (bar == std::string_view::npos) return false;
    clueUtf8 = std::string(trim(line.substr(bar + 1)));
    std::string_view head = trim(line.substr(0, bar));

    const size_t numberEnd = head.find_first_of(" \t");
    if (numberEnd == std::string_view::npos) return false;
    const std::string_view number = head.substr(0, numberEnd);
    if (number.empty() || number.size() > 9 ||
        number.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    w.Number = NumberText::LeadingInt32(number).value_or(0);

    head = trim(head.substr(numberEnd));
    const size_t directionEnd = head.find_first_of(" \t");
    if (directionEnd != 1) return false;
    if (head[0] == 'A' || head[0] == 'a')
        w.Direction = 0;
    else if (head[0] == 'D' || head[0] == 'd')
        w.Direction = 1;
    else
        return false;

    answerUtf8 = std::string(trim(head.substr(directionEnd)));
    return !answerUtf8.empty();
}

} // namespace

ParseResult ParseDescription(std::string_view utf8) {
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
    const std::vector<std::string_view> lines = TextFile::SplitLines(utf8);

    SampleDescription desc;
    enum class Part { Header, Grid, Words } part = Part::Header;
    std::map<std::string, size_t> keysSeen; // key -> line
    bool gridSeen = false;
    auto fail = [](size_t line, std::string_view what) {
        return ParseResult{std::nullopt, lineError(line, what)};
    };

    for (size_t i = 0; i < lines.size(); ++i) {
        const size_t lineNo = i + 1;
        const std::string_view line = trim(lines[i]);
        if (line.empty()) continue;

        if (part == Part::Words || line == "words:") {
            if (line == "words:") {
                if (part == Part::Words) return fail(lineNo, "\"words:\" is given twice");
                if (!gridSeen) return fail(lineNo, "\"words:\" before \"grid:\"");
                part = Part::Words;
                continue;
            }
            SampleWord w;
            std::string answer, clue;
            if (!parseWordLine(line, w, answer, clue))
                return fail(lineNo, "expected \"<number> <A|D> <ANSWER> | <clue>\"");
            if (clue.empty()) return fail(lineNo, "the clue is empty");
            auto answerCp = Cp1251::FromUtf8(answer);
            auto clueCp = Cp1251::FromUtf8(clue);
            if (!answerCp || !clueCp)
                return fail(lineNo, "the text holds a character code page 1251 cannot hold");
            w.Answer = std::move(*answerCp);
            w.Clue = std::move(*clueCp);
            w.Line = static_cast<int32_t>(lineNo);
            desc.Words.push_back(std::move(w));
            continue;
        }

        if (part == Part::Grid) {
            if (line.find_first_not_of("#.") != std::string_view::npos)
                return fail(lineNo, "a grid row holds a character other than '#' and '.'");
            if (!desc.Grid.empty() && line.size() != desc.Grid[0].size())
                return fail(lineNo, "the grid row has " +
                                        NumberText::Plain(static_cast<int64_t>(line.size())) +
                                        " cells, the first row " +
                                        NumberText::Plain(static_cast<int64_t>(desc.Grid[0].size())));
            desc.Grid.emplace_back(line);
            continue;
        }

        if (line == "grid:") {
            part = Part::Grid;
            gridSeen = true;
            continue;
        }
        const size_t colon = line.find(':');
        if (colon == std::string_view::npos) return fail(lineNo, "expected \"key: value\" or \"grid:\"");
        const std::string key(trim(line.substr(0, colon)));
        const std::string_view value = trim(line.substr(colon + 1));
        if (key != "name" && key != "author" && key != "password" && key != "bare")
            return fail(lineNo, "unknown key \"" + key + "\"");
        if (auto seen = keysSeen.find(key); seen != keysSeen.end())
            return fail(lineNo, "\"" + key + "\" is given twice (first on line " +
                                    NumberText::Plain(static_cast<int64_t>(seen->second)) + ")");
        keysSeen[key] = lineNo;
        if (key == "bare") {
            if (value != "yes" && value != "no") return fail(lineNo, "\"bare\" takes yes or no");
            desc.Bare = value == "yes";
            continue;
        }
        auto text = Cp1251::FromUtf8(value);
        if (!text) return fail(lineNo, "the text holds a character code page 1251 cannot hold");
        (key == "name" ? desc.Name : key == "author" ? desc.Author : desc.Password) = std::move(*text);
    }

    const size_t end = lines.size() + 1;
    if (desc.Name.empty()) return fail(end, "the crossword has no name");
    if (desc.Grid.empty()) return fail(end, "the description has no grid");
    if (desc.Bare) {
        for (const char* key : {"author", "password"})
            if (auto seen = keysSeen.find(key); seen != keysSeen.end())
                return fail(seen->second, std::string("a bare grid stores no ") + key);
        if (!desc.Words.empty())
            return fail(static_cast<size_t>(desc.Words[0].Line), "a bare grid takes no words");
    } else if (desc.Author.empty()) {
        return fail(end, "a crossword with answers needs an author");
    }
    return {std::move(desc), {}};
}

BuildResult BuildDocument(const SampleDescription& description) {
    auto fail = [](std::string what) { return BuildResult{std::nullopt, std::move(what)}; };
    const auto& grid = description.Grid;
    const int64_t height = static_cast<int64_t>(grid.size());
    const int64_t width = grid.empty() ? 0 : static_cast<int64_t>(grid[0].size());
    if (!GridLimits::GridSizeFits(width, height)) return fail("the program cannot hold a grid of this size");
    for (const std::string& row : grid)
        if (static_cast<int64_t>(row.size()) != width) return fail("the grid rows differ in length");

    // A new crossword: the empty grid in the drawing mode, the tables of its name.
    KrossDocument doc;
    doc.GridWidth = static_cast<int32_t>(width);
    doc.GridHeight = static_cast<int32_t>(height);
    doc.GridLayers.Redim(doc.GridWidth, doc.GridHeight, 0);
    doc.AppMode = Mode::NewGrid;
    doc.NoAnswers = description.Bare ? 1 : 0;
    doc.KrossName = description.Name;
    KodKodirovkiM::BuildCodeTables(doc);

    // The grid is drawn, then analysed and numbered.
    for (int32_t r = 0; r < doc.GridHeight; ++r)
        for (int32_t c = 0; c < doc.GridWidth; ++c)
            doc.SetCell(c, r, grid[static_cast<size_t>(r)][static_cast<size_t>(c)] == '#' ? 1 : 0);
    AnalizReshotkiM::WordTable table = AnalizReshotkiM::FindWords(doc);
    if (table.NumberCount == 0) return fail("the grid has no word of two or more open cells");
    AnalizReshotkiM::ApplyWordTable(doc, std::move(table));
    LoadReshotkiM::BuildLayers(doc);

    // The file keeps only the cells of words; a lone open cell would come back blocked.
    for (int32_t r = 0; r < doc.GridHeight; ++r)
        for (int32_t c = 0; c < doc.GridWidth; ++c)
            if (grid[static_cast<size_t>(r)][static_cast<size_t>(c)] == '.' &&
                doc.GridLayers.Get(c, r, Layer::Across) == 0 && doc.GridLayers.Get(c, r, Layer::Down) == 0)
                return fail("the open cell in row " + NumberText::Plain(r + 1) + ", column " +
                            NumberText::Plain(c + 1) + " lies in no word");

    // The author enters the answers one by one.
    std::map<std::pair<int32_t, int32_t>, int32_t> given; // word -> line
    for (const SampleWord& w : description.Words) {
        const int32_t n = w.Number, d = w.Direction;
        const std::string name = wordName(n, d) + " (" + Cp1251::ToUtf8(w.Answer) + ")";
        const std::string where = ", line " + NumberText::Plain(w.Line);
        if (n < 1 || n > doc.NumberCount || (d != 0 && d != 1) || doc.WordLength(n, d) <= 0)
            return fail(name + where + ": the grid has no such word");
        if (auto seen = given.find({n, d}); seen != given.end())
            return fail(name + where + ": the word is given twice (first on line " +
                        NumberText::Plain(seen->second) + ")");
        given[{n, d}] = w.Line;

        const AddSlovoM::StoreVerdict verdict = AddSlovoM::CheckStore(doc, n, d, w.Answer);
        if (verdict.Kind == AddSlovoM::StoreCheck::Conflict)
            return fail(name + where + ": letter " + NumberText::Plain(verdict.Conflict.Index + 1) + " \"" +
                        letterText(verdict.Conflict.Typed) + "\" clashes with \"" +
                        letterText(verdict.Conflict.Crossing) + "\" of a crossing word");
        if (verdict.Kind == AddSlovoM::StoreCheck::Refused) {
            const size_t cells = static_cast<size_t>(doc.WordLength(n, d));
            if (w.Answer.size() != cells)
                return fail(name + where + ": the word has " +
                            NumberText::Plain(static_cast<int64_t>(cells)) + " cells, the answer " +
                            NumberText::Plain(static_cast<int64_t>(w.Answer.size())) + " letters");
            return fail(name + where + ": the answer holds a blank");
        }
        AddSlovoM::StoreAnswer(doc, n, d, w.Clue, w.Answer);
    }
    if (!description.Bare)
        if (auto missing = FoundNoOtvetM::FirstUnanswered(doc))
            return fail(wordName(missing->first, missing->second) + " has no answer");

    // The properties: author and edit password, scrambled under the tables of the name.
    if (!description.Bare) {
        doc.KrossAuthor = description.Author;
        doc.EditPassword = SaveKrossM::Scramble(doc, description.Password);
    }
    return {std::move(doc), {}};
}

BuildResult BuildFromText(std::string_view utf8) {
    ParseResult parsed = ParseDescription(utf8);
    if (!parsed.Description) return {std::nullopt, std::move(parsed.Error)};
    return BuildDocument(*parsed.Description);
}

} // namespace SampleBuilder
