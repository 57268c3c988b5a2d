#include "export/IpuzFormat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "basics/Cp1251.h"
#include "document/GridLimits.h"
#include "document/KodKodirovkiM.h"
#include "document/TextLimits.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/WordPlace.h"

namespace IpuzFormat {
namespace {

constexpr const char* kVersion = "http://ipuz.org/v2";
constexpr const char* kKind = "http://ipuz.org/crossword#1";

QString fromCp(std::string_view cp1251) {
    const std::string utf8 = Cp1251::ToUtf8(cp1251);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The grid as the word table lays it out: which cells are letter cells, the number each word's first
// cell prints, and (for the solution) the letter of each cell.
struct CellTable {
    int32_t width = 0, height = 0;
    std::vector<unsigned char> open;
    std::vector<int32_t> number;
    std::vector<char> letter; // 0 = not known
    size_t at(int32_t c, int32_t r) const {
        return static_cast<size_t>(r) * static_cast<size_t>(width) + static_cast<size_t>(c);
    }
};

CellTable cellsOf(const KrossDocument& doc, bool withLetters) {
    CellTable t;
    t.width = std::max(doc.GridWidth, 0);
    t.height = std::max(doc.GridHeight, 0);
    const size_t cells = static_cast<size_t>(t.width) * static_cast<size_t>(t.height);
    t.open.assign(cells, 0);
    t.number.assign(cells, 0);
    t.letter.assign(cells, 0);
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d) {
            const auto place = PlaceOf(doc, doc.SlotTable, n, d);
            if (!place) continue;
            t.number[t.at(place->X, place->Y)] = n;
            const std::string answer = withLetters ? doc.ClueTexts.Answer(n, d) : std::string();
            const bool fills = answer.size() == static_cast<size_t>(place->Length);
            for (int32_t i = 0; i < place->Length; ++i) {
                const size_t k = t.at(place->Col(i), place->Row(i));
                t.open[k] = 1;
                if (fills && answer[static_cast<size_t>(i)] != 0)
                    t.letter[k] = answer[static_cast<size_t>(i)];
            }
        }
    return t;
}

// ---------------------------------------------------------------------------------------------------
// Reading

// A refusal travels up from deep inside the reader as an exception of this type only.
struct Refused {
    Refusal why;
};
[[noreturn]] void refuse(Refusal why) {
    throw Refused{why};
}

// The JSON arrays and objects in the bytes, counted without parsing (strings skipped), so that a file of
// millions of tiny arrays is refused before a JSON tree is built for it.
size_t countContainers(std::string_view bytes) {
    size_t count = 0;
    bool inString = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            ++count;
        }
    }
    return count;
}

// A whole number of 0 or more written as a JSON number or as a string of digits; nothing otherwise.
std::optional<int64_t> wholeNumber(const QJsonValue& v) {
    if (v.isDouble()) {
        const double x = v.toDouble();
        if (!(x >= 0 && x <= 2147483647.0) || x != std::floor(x)) return std::nullopt;
        return static_cast<int64_t>(x);
    }
    if (v.isString()) {
        const QString s = v.toString();
        if (s.isEmpty() || s.size() > 9) return std::nullopt;
        int64_t n = 0;
        for (QChar ch : s) {
            if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return std::nullopt;
            n = n * 10 + (ch.unicode() - '0');
        }
        return n;
    }
    return std::nullopt;
}

// A text of the file as cp1251: line breaks, tabs and other control characters become blanks (a crossword
// file holds each text on one line); a character cp1251 cannot hold refuses the file.
std::string textToCp(const QString& s) {
    std::string out;
    out.reserve(static_cast<size_t>(s.size()));
    for (char32_t u : s.toUcs4()) {
        if (u < 0x20 || u == 0x7F) {
            out += ' ';
            continue;
        }
        const auto code = Cp1251::FromUnicode(u);
        if (!code) refuse(Refusal::Charset);
        out += static_cast<char>(*code);
    }
    return out;
}

// An optional text field of the top object ("title", "author").
std::string optionalText(const QJsonObject& root, const char* key) {
    const QJsonValue v = root.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull()) return {};
    if (!v.isString()) refuse(Refusal::NotIpuz);
    return textToCp(v.toString());
}

const QJsonArray& rowsOf(const QJsonValue& v, QJsonArray& holder, int32_t width, int32_t height,
                         Refusal wrongSize) {
    if (!v.isArray()) refuse(Refusal::NotIpuz);
    holder = v.toArray();
    if (holder.size() != height) refuse(wrongSize);
    for (const QJsonValue& row : holder) {
        if (!row.isArray()) refuse(Refusal::NotIpuz);
        if (row.toArray().size() != width) refuse(wrongSize);
    }
    return holder;
}

// The grid description shared by every cell: what a block and an empty cell are written as, and the
// named styles a cell may refer to.
struct Conventions {
    QJsonValue block = QStringLiteral("#");
    QJsonValue empty = 0;
    QJsonObject styles;
};

bool sameValue(const QJsonValue& a, const QJsonValue& b) {
    if (a.isDouble() && b.isDouble()) return a.toDouble() == b.toDouble();
    if (a.isString() && b.isString()) return a.toString() == b.toString();
    return false;
}

// A cell's style, given in place or by name; bars between cells are something a crossword file cannot
// hold. Colours, circles and other looks are left behind.
void checkStyle(const QJsonValue& style, const Conventions& cv) {
    QJsonObject s;
    if (style.isObject())
        s = style.toObject();
    else if (style.isString())
        s = cv.styles.value(style.toString()).toObject();
    else if (!style.isUndefined() && !style.isNull())
        refuse(Refusal::NotIpuz);
    const QJsonValue barred = s.value(QLatin1String("barred"));
    if (barred.isString() && !barred.toString().isEmpty()) refuse(Refusal::Bars);
    if (!barred.isUndefined() && !barred.isNull() && !barred.isString()) refuse(Refusal::NotIpuz);
}

// A puzzle cell: a block, or a letter cell with its label (0 = none); a label that is not a whole number
// is a numbering of another kind.
struct PuzzleCell {
    bool block = false;
    int64_t label = 0;
};

PuzzleCell puzzleCell(QJsonValue v, const Conventions& cv) {
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        checkStyle(o.value(QLatin1String("style")), cv);
        v = o.contains(QLatin1String("cell")) ? o.value(QLatin1String("cell")) : cv.empty;
        if (v.isObject() || v.isArray()) refuse(Refusal::NotIpuz);
    }
    if (v.isNull() || v.isUndefined()) refuse(Refusal::Shape); // a cell left out of the rectangle
    if (sameValue(v, cv.block)) return {true, 0};
    if (sameValue(v, cv.empty)) return {false, 0};
    if (v.isString() && v.toString().isEmpty()) return {false, 0};
    if (!v.isDouble() && !v.isString()) refuse(Refusal::NotIpuz);
    const auto n = wholeNumber(v);
    if (!n) refuse(Refusal::Numbering);
    return {false, *n};
}

// A solution cell: a block, a letter (cp1251 code, upper case) or nothing known (0).
struct SolutionCell {
    bool block = false;
    char letter = 0;
};

SolutionCell solutionCell(QJsonValue v, const Conventions& cv) {
    if (v.isObject()) v = v.toObject().value(QLatin1String("value"));
    if (v.isNull() || v.isUndefined()) return {};
    if (v.isArray() || v.isObject() || v.isBool()) refuse(Refusal::NotIpuz);
    if (sameValue(v, cv.block)) return {true, 0};
    if (sameValue(v, cv.empty)) return {};
    if (!v.isString()) refuse(Refusal::NotIpuz);
    const QList<uint> letters = v.toString().toUcs4();
    if (letters.isEmpty() || (letters.size() == 1 && letters[0] == ' ')) return {};
    if (letters.size() > 1) refuse(Refusal::Rebus);
    const char32_t u = letters[0];
    if (u < 0x20 || u == 0x7F) refuse(Refusal::Solution); // no one can type such an answer
    const auto code = Cp1251::FromUnicode(u);
    if (!code) refuse(Refusal::Charset);
    return {false, static_cast<char>(Cp1251::ToUpper(*code))};
}

// The direction of a clue list: "Across" or "Down", optionally followed by ":" and a heading of its own.
int32_t directionOf(const QString& key) {
    const QString name = key.section(QLatin1Char(':'), 0, 0).trimmed();
    if (name.compare(QLatin1String("Across"), Qt::CaseInsensitive) == 0) return 0;
    if (name.compare(QLatin1String("Down"), Qt::CaseInsensitive) == 0) return 1;
    refuse(Refusal::Clues);
}

struct Clue {
    int64_t number = 0;
    std::string text;
};

Clue clueOf(const QJsonValue& v) {
    QJsonValue number, text;
    if (v.isArray()) {
        const QJsonArray a = v.toArray();
        if (a.size() < 2) refuse(Refusal::Clues);
        number = a.at(0);
        text = a.at(1);
    } else if (v.isObject()) {
        const QJsonObject o = v.toObject();
        if (o.contains(QLatin1String("numbers"))) refuse(Refusal::Clues); // one clue for several words
        number = o.value(QLatin1String("number"));
        text = o.value(QLatin1String("clue"));
        if (text.isUndefined() || text.isNull()) text = QString();
    } else if (v.isString()) {
        refuse(Refusal::Clues); // a clue without a number has no place in the grid
    } else {
        refuse(Refusal::NotIpuz);
    }
    if (!text.isString()) refuse(Refusal::NotIpuz);
    const auto n = wholeNumber(number);
    if (!n) refuse(Refusal::Clues); // no number, or a list of numbers for a clue of several words
    return {*n, textToCp(text.toString())};
}

QJsonDocument parse(std::string_view bytes) {
    if (bytes.size() > MaxFileBytes) refuse(Refusal::TooLarge);
    if (countContainers(bytes) > MaxContainers) refuse(Refusal::TooLarge);
    QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    // The first version of the format wrapped the object as ipuz({...}).
    const QByteArray trimmed = data.trimmed();
    if (trimmed.startsWith("ipuz(") && trimmed.endsWith(")")) data = trimmed.mid(5, trimmed.size() - 6);
    QJsonParseError error{};
    QJsonDocument json = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !json.isObject()) refuse(Refusal::NotIpuz);
    return json;
}

void checkKind(const QJsonObject& root) {
    const QJsonValue kind = root.value(QLatin1String("kind"));
    if (!kind.isArray()) refuse(Refusal::NotIpuz);
    for (const QJsonValue& k : kind.toArray()) {
        if (!k.isString()) refuse(Refusal::NotIpuz);
        const QString s = k.toString();
        if (s.startsWith(QLatin1String("http://ipuz.org/crossword")) ||
            s.startsWith(QLatin1String("https://ipuz.org/crossword")))
            return;
    }
    refuse(Refusal::NotCrossword);
}

Conventions conventionsOf(const QJsonObject& root) {
    Conventions cv;
    const QJsonValue block = root.value(QLatin1String("block"));
    if (!block.isUndefined()) {
        if (!block.isString()) refuse(Refusal::NotIpuz);
        cv.block = block;
    }
    const QJsonValue empty = root.value(QLatin1String("empty"));
    if (!empty.isUndefined()) {
        if (!empty.isString() && !empty.isDouble()) refuse(Refusal::NotIpuz);
        cv.empty = empty;
    }
    const QJsonValue styles = root.value(QLatin1String("styles"));
    if (styles.isObject()) cv.styles = styles.toObject();
    return cv;
}

Refusal readInto(std::string_view bytes, KrossDocument& out) {
    const QJsonDocument json = parse(bytes);
    const QJsonObject root = json.object();
    checkKind(root);
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isUndefined() && !version.isString()) refuse(Refusal::NotIpuz);

    // The grid's size, checked before anything of its size is made.
    const QJsonValue dims = root.value(QLatin1String("dimensions"));
    if (!dims.isObject()) refuse(Refusal::NotIpuz);
    const QJsonValue wv = dims.toObject().value(QLatin1String("width"));
    const QJsonValue hv = dims.toObject().value(QLatin1String("height"));
    if (!wv.isDouble() || !hv.isDouble()) refuse(Refusal::NotIpuz);
    const auto w64 = wholeNumber(wv), h64 = wholeNumber(hv);
    if (!w64 || !h64 || *w64 < 1 || *h64 < 1) {
        // A size beyond every grid is too large; a negative, zero or fractional one is no size at all.
        if (wv.toDouble() > 2147483647.0 || hv.toDouble() > 2147483647.0) refuse(Refusal::TooLarge);
        refuse(Refusal::NotIpuz);
    }
    if (!GridLimits::GridSizeFits(*w64, *h64)) refuse(Refusal::TooLarge);
    const auto width = static_cast<int32_t>(*w64), height = static_cast<int32_t>(*h64);

    const Conventions cv = conventionsOf(root);
    QJsonArray puzzleRows;
    rowsOf(root.value(QLatin1String("puzzle")), puzzleRows, width, height, Refusal::NotIpuz);

    KrossDocument doc;
    doc.GridWidth = width;
    doc.GridHeight = height;
    doc.GridLayers.Redim(width, height, 0);
    std::vector<int64_t> labels(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    auto at = [width](int32_t c, int32_t r) {
        return static_cast<size_t>(r) * static_cast<size_t>(width) + static_cast<size_t>(c);
    };
    for (int32_t r = 0; r < height; ++r) {
        const QJsonArray row = puzzleRows.at(r).toArray();
        for (int32_t c = 0; c < width; ++c) {
            const PuzzleCell cell = puzzleCell(row.at(c), cv);
            doc.SetCell(c, r, cell.block ? 1 : 0);
            labels[at(c, r)] = cell.label;
        }
    }

    // The solution's letters, and its blocks where the puzzle has them.
    std::vector<char> letters(labels.size(), 0);
    bool anyLetter = false;
    const QJsonValue solution = root.value(QLatin1String("solution"));
    if (!solution.isUndefined() && !solution.isNull()) {
        QJsonArray solutionRows;
        rowsOf(solution, solutionRows, width, height, Refusal::Solution);
        for (int32_t r = 0; r < height; ++r) {
            const QJsonArray row = solutionRows.at(r).toArray();
            for (int32_t c = 0; c < width; ++c) {
                const SolutionCell cell = solutionCell(row.at(c), cv);
                const bool block = doc.Cell(c, r) != 0;
                if (cell.block != block && (cell.block || cell.letter != 0)) refuse(Refusal::Solution);
                letters[at(c, r)] = cell.letter;
                anyLetter = anyLetter || cell.letter != 0;
            }
        }
    }

    // The program's own numbering of the same blocks must be the file's numbering.
    AnalizReshotkiM::WordTable words = AnalizReshotkiM::FindWords(doc);
    if (words.NumberCount == 0) refuse(Refusal::NoWords);
    std::vector<unsigned char> covered(labels.size(), 0);
    std::vector<int64_t> ours(labels.size(), 0);
    for (int32_t n = 1; n <= words.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d) {
            const int32_t len = words.SlotTable(n, Slot::Length, d);
            if (len <= 0) continue;
            const int32_t x = words.SlotTable(n, Slot::X, d), y = words.SlotTable(n, Slot::Y, d);
            ours[at(x, y)] = n;
            for (int32_t i = 0; i < len; ++i)
                covered[at(x + (1 - d) * i, y + d * i)] = 1;
        }
    for (size_t k = 0; k < labels.size(); ++k)
        if (labels[k] != ours[k]) refuse(Refusal::Numbering);
    for (int32_t r = 0; r < height; ++r)
        for (int32_t c = 0; c < width; ++c)
            if (doc.Cell(c, r) == 0 && !covered[at(c, r)]) refuse(Refusal::Shape);

    // Clues, each on a word the grid has, once.
    std::vector<Clue> clueList[2];
    const QJsonValue clues = root.value(QLatin1String("clues"));
    if (!clues.isUndefined() && !clues.isNull()) {
        if (!clues.isObject()) refuse(Refusal::NotIpuz);
        const QJsonObject lists = clues.toObject();
        for (auto it = lists.begin(); it != lists.end(); ++it) {
            const int32_t d = directionOf(it.key());
            if (!it.value().isArray()) refuse(Refusal::NotIpuz);
            for (const QJsonValue& entry : it.value().toArray())
                clueList[d].push_back(clueOf(entry));
        }
    }
    std::vector<unsigned char> given(static_cast<size_t>(words.NumberCount + 1) * 2, 0);
    for (int32_t d = 0; d <= 1; ++d)
        for (const Clue& clue : clueList[d]) {
            if (clue.number < 1 || clue.number > words.NumberCount) refuse(Refusal::Clues);
            const auto n = static_cast<int32_t>(clue.number);
            if (words.SlotTable(n, Slot::Length, d) <= 0) refuse(Refusal::Clues);
            unsigned char& seen = given[static_cast<size_t>(n) * 2 + static_cast<size_t>(d)];
            if (seen) refuse(Refusal::Clues);
            seen = 1;
        }

    // The crossword: bare when the file gives neither clues nor solution letters.
    // Texts are cut to what the window shows, as the crossword file's reader cuts them.
    doc.KrossName = TextLimits::Capped(optionalText(root, "title"));
    doc.KrossAuthor = TextLimits::Capped(optionalText(root, "author"));
    doc.NoAnswers = clueList[0].empty() && clueList[1].empty() && !anyLetter ? 1 : 0;
    AnalizReshotkiM::ApplyWordTable(doc, std::move(words));
    if (doc.NoAnswers == 0) {
        for (int32_t d = 0; d <= 1; ++d)
            for (Clue& clue : clueList[d])
                doc.ClueTexts.SetClue(clue.number, d, std::string(TextLimits::Capped(clue.text)));
        for (int32_t n = 1; n <= doc.NumberCount; ++n)
            for (int32_t d = 0; d <= 1; ++d) {
                const auto place = PlaceOf(doc, doc.SlotTable, n, d);
                if (!place) continue;
                std::string answer;
                for (int32_t i = 0; i < place->Length; ++i) {
                    const char ch = letters[at(place->Col(i), place->Row(i))];
                    if (ch == 0) break;
                    answer += ch;
                }
                if (answer.size() == static_cast<size_t>(place->Length))
                    doc.ClueTexts.SetAnswer(n, d, std::move(answer));
            }
    }
    KodKodirovkiM::BuildCodeTables(doc);
    doc.ActiveStyle = 0;
    out = std::move(doc);
    return Refusal::None;
}

} // namespace

bool IsIpuzPath(std::string_view path) {
    const std::string_view name =
        path.substr(path.rfind('/') == std::string_view::npos ? 0 : path.rfind('/') + 1);
    if (name.size() < 5) return false;
    std::string tail(name.substr(name.size() - 5));
    for (char& c : tail)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return tail == ".ipuz";
}

std::string Write(const KrossDocument& doc, bool withSolution) {
    const bool withAnswers = doc.NoAnswers == 0;
    const CellTable t = cellsOf(doc, withAnswers && withSolution);
    bool anyLetter = false;
    for (char ch : t.letter)
        anyLetter = anyLetter || ch != 0;

    QJsonObject root;
    root.insert(QLatin1String("version"), QLatin1String(kVersion));
    root.insert(QLatin1String("kind"), QJsonArray{QLatin1String(kKind)});
    if (!doc.KrossName.empty()) root.insert(QLatin1String("title"), fromCp(doc.KrossName));
    if (withAnswers && !doc.KrossAuthor.empty())
        root.insert(QLatin1String("author"), fromCp(doc.KrossAuthor));
    root.insert(QLatin1String("dimensions"),
                QJsonObject{{QLatin1String("width"), t.width}, {QLatin1String("height"), t.height}});

    const QJsonValue block = QStringLiteral("#");
    QJsonArray puzzle, solution;
    for (int32_t r = 0; r < t.height; ++r) {
        QJsonArray puzzleRow, solutionRow;
        for (int32_t c = 0; c < t.width; ++c) {
            const size_t k = t.at(c, r);
            puzzleRow.append(t.open[k] ? QJsonValue(t.number[k]) : block);
            if (!anyLetter) continue;
            if (!t.open[k])
                solutionRow.append(block);
            else if (t.letter[k] == 0)
                solutionRow.append(QJsonValue::Null);
            else
                solutionRow.append(fromCp(std::string_view(&t.letter[k], 1)));
        }
        puzzle.append(puzzleRow);
        if (anyLetter) solution.append(solutionRow);
    }
    root.insert(QLatin1String("puzzle"), puzzle);
    if (anyLetter) root.insert(QLatin1String("solution"), solution);

    if (withAnswers) {
        QJsonArray lists[2];
        for (int32_t n = 1; n <= doc.NumberCount; ++n)
            for (int32_t d = 0; d <= 1; ++d)
                if (PlaceOf(doc, doc.SlotTable, n, d))
                    lists[d].append(QJsonArray{n, fromCp(doc.ClueTexts.Clue(n, d))});
        root.insert(QLatin1String("clues"),
                    QJsonObject{{QLatin1String("Across"), lists[0]}, {QLatin1String("Down"), lists[1]}});
    }
    QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Compact);
    bytes += '\n';
    return bytes.toStdString();
}

Refusal Read(std::string_view bytes, KrossDocument& out) {
    try {
        return readInto(bytes, out);
    } catch (const Refused& r) {
        return r.why;
    }
}

} // namespace IpuzFormat
