#include "display/ClueOverview.h"

namespace ClueOverview {

bool ListsWords(int32_t m) {
    return HoldsCrossword(m);
}

std::vector<int32_t> Numbers(const KrossDocument& doc, int32_t d) {
    std::vector<int32_t> numbers;
    if (!ListsWords(doc.AppMode)) return numbers;
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        if (doc.WordLength(n, d) > 0) numbers.push_back(n);
    return numbers;
}

Entry EntryOf(const KrossDocument& doc, int32_t n, int32_t d) {
    Entry e;
    e.Number = n;
    e.Direction = d;
    e.Length = doc.WordLength(n, d);
    const bool solved = doc.SolvedWords.Get(n, d) == 1;
    switch (doc.AppMode) {
    case Mode::Authoring:
        e.Clue = doc.ClueTexts.Clue(n, d);
        e.Answer = doc.ClueTexts.Answer(n, d);
        if (e.Answer.empty()) e.Mark = WordMark::NoAnswer;
        break;
    case Mode::Solve:
        e.Clue = doc.ClueTexts.Clue(n, d);
        if (solved) {
            e.Answer = doc.ClueTexts.Answer(n, d);
            e.Mark = WordMark::Solved;
        }
        break;
    case Mode::SolveBare:
        if (solved) {
            e.Answer = doc.ClueTexts.Word(n, d);
            e.Mark = WordMark::Solved;
        }
        break;
    case Mode::Incomplete:
        e.Clue = doc.ClueTexts.Clue(n, d);
        break;
    default:
        break;
    }
    return e;
}

} // namespace ClueOverview
