#include "document/OpenKrossM.h"

#include <algorithm>

#include <utility>
#include <vector>

#include "document/GridLimits.h"
#include "document/KodKodirovkiM.h"
#include "document/KrossDocument.h"
#include "document/LineCursor.h"
#include "document/TextLimits.h"

namespace OpenKrossM {
namespace {

struct WordRecord {
    int32_t n, d, x, y, length;
};

// The word lies inside the arrays and inside the grid.
bool recordFits(const WordRecord& r, int32_t numberCount, int32_t width, int32_t height) {
    if (r.n < 1 || r.n > numberCount || r.d < 0 || r.d > 1) return false;
    if (r.x < 0 || r.y < 0 || r.length < 1) return false;
    const int64_t lastX = int64_t{r.x} + (r.d == 0 ? r.length - 1 : 0);
    const int64_t lastY = int64_t{r.y} + (r.d == 1 ? r.length - 1 : 0);
    return lastX < width && lastY < height;
}

} // namespace

std::string Unscramble(const KrossDocument& doc, std::string_view text) {
    return KodKodirovkiM::MapCodes(doc.DecodeTable, text);
}

KrossReadResult ReadKrossText(std::string_view bytes, KrossDocument& doc, int32_t styleIndex,
                              const std::string& path, int32_t cellSize) {
    KrossReadResult result;
    LineCursor in(bytes);

    // Header. Nothing is allocated by size until every size has been checked.
    const int32_t noAnswers = in.Number() != 0 ? 1 : 0;
    using TextLimits::Capped;
    const std::string_view name = Capped(in.Text());
    std::string_view password, scrambledAuthor;
    if (noAnswers == 0) {
        password = Capped(in.Text());
        scrambledAuthor = Capped(in.Text());
    }
    const int32_t width = in.Number();
    const int32_t height = in.Number();
    const int32_t numberCount = in.Number();
    const int32_t recordCount = in.Number();
    // The field is drawn at the cell size in force, so that is the size the grid must fit at.
    if (!GridLimits::GridFits(width, height, cellSize)) return result;
    if (numberCount < 0 || int64_t{numberCount} > int64_t{width} * height) return result;
    if (recordCount < 0 || int64_t{recordCount} > int64_t{numberCount} * 2) return result;
    // Every number needs a word record of at least ten bytes, so a small file cannot declare millions of
    // numbers and make the reader allocate for them. A generous slack still lets a cut file load as far
    // as it goes.
    if (numberCount > std::max<int64_t>(65536, static_cast<int64_t>(bytes.size() / 4))) return result;

    // Word records, into tables of their own; the document changes only once the file is read.
    Array3<int32_t> slots(numberCount, 2, 1);
    ClueTable clues;
    KodKodirovkiM::CodeTables tables;
    KodKodirovkiM::ByteTable decode{};
    std::vector<unsigned char> answered; // per word: its answer is present and fills it
    if (noAnswers == 0) {
        clues.Create3(numberCount);
        tables = KodKodirovkiM::MakeCodeTables(name);
        decode = KodKodirovkiM::ToBytes(tables.Decode);
        answered.assign(static_cast<size_t>(numberCount + 1) * 2, 0);
    }
    for (int32_t i = 0; i < recordCount && !in.AtEnd(); ++i) {
        WordRecord r{};
        r.n = in.Number();
        r.d = in.Number();
        r.x = in.Number();
        r.y = in.Number();
        r.length = in.Number();
        std::string_view clue, answer;
        if (noAnswers == 0) {
            clue = TextLimits::Capped(in.Text());
            answer = in.Text();
        }
        if (!recordFits(r, numberCount, width, height)) continue;
        slots(r.n, Slot::X, r.d) = r.x;
        slots(r.n, Slot::Y, r.d) = r.y;
        slots(r.n, Slot::Length, r.d) = r.length;
        if (noAnswers == 0) {
            clues.SetClue(r.n, r.d, std::string(clue));
            // Every piece of the program may rely on an answer filling its word exactly.
            const bool usable = answer.size() == static_cast<size_t>(r.length);
            clues.SetAnswer(r.n, r.d, usable ? KodKodirovkiM::MapCodes(decode, answer) : std::string());
            answered[static_cast<size_t>(r.n) * 2 + static_cast<size_t>(r.d)] = usable ? 1 : 0;
        }
    }

    int32_t words = 0;
    for (int32_t n = 1; n <= numberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d) {
            if (slots(n, Slot::Length, d) <= 0) continue;
            ++words;
            if (noAnswers == 0 && !answered[static_cast<size_t>(n) * 2 + static_cast<size_t>(d)])
                result.answerMissing = true;
        }

    // Commit.
    doc.NoAnswers = noAnswers;
    doc.KrossName.assign(name);
    if (noAnswers == 0) {
        // A bare grid keeps the tables, author and password it had: nothing of it is scrambled.
        doc.EditPassword.assign(password);
        doc.CodeTable = tables.Code;
        doc.DecodeTable = tables.Decode;
        doc.KrossAuthor = Unscramble(doc, scrambledAuthor);
        doc.ClueTexts = std::move(clues);
    }
    doc.GridWidth = width;
    doc.GridHeight = height;
    doc.NumberCount = numberCount;
    doc.WordCount = words;
    doc.SlotTable = std::move(slots);

    doc.KrossFile = path;
    if (noAnswers != 0)
        doc.AppMode = Mode::SolveBare;
    else
        doc.AppMode = result.answerMissing ? Mode::Incomplete : Mode::Solve;
    doc.ActiveStyle = styleIndex;
    doc.SolvedCount = 0;
    doc.Modified = false;
    doc.SolvedWords.Redim(numberCount, 1);
    doc.OtvFile.clear();
    doc.OtvKrossFile = doc.KrossFile;
    doc.OtvKrossName = doc.KrossName;
    doc.CurNumber = doc.WordLength(1, 0) >= 1 ? 1 : 0;
    doc.CurDownNumber = doc.WordLength(1, 1) >= 1 ? 1 : 0;

    result.status = KrossReadResult::Status::Ok;
    return result;
}

} // namespace OpenKrossM
