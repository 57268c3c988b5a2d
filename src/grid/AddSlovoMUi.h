#pragma once
// Storing or removing the selected word's answer and clue while authoring.
#include <cstdint>
#include <string>
#include <vector>

class frmForma;

namespace AddSlovoM {
// Takes the answer box and the clue box: an answer of the word's length is stored (a clashing letter is
// refused with a message and selected), an empty one removes the stored answer; then moves on.
void AddWord(frmForma& f);

// One answer of a fill: word (n, d), its clue and its answer (cp1251).
struct AnswerToStore {
    int32_t Number = 0;
    int32_t Direction = 0;
    std::string Clue;
    std::string Answer;
};
// Stores many answers at once (a fill of the grid) as one undo step: in order, each one the entry rules
// accept (CheckStore, against the answers stored before it) is stored with its clue and drawn; the others
// are skipped without a message. The selection stays. Returns how many were stored.
int32_t StoreAnswers(frmForma& f, const std::vector<AnswerToStore>& answers);
} // namespace AddSlovoM
