#include "grid/AddSlovoMUi.h"

#include "app/EditHistoryUi.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "basics/Cp1251.h"
#include "display/ShowSlovoMUi.h"
#include "grid/AddSlovoM.h"
#include "grid/FoundNoOtvetMUi.h"
#include "grid/ShowVoprosOtvetMUi.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/TextBox.h"
#include "widgets/UiText.h"

namespace AddSlovoM {

void AddWord(frmForma& f) {
    auto& d = Doc();
    const int32_t n = d.CurNumber, dir = d.CurDirection;
    const std::string answer = Cp1251::ToUpper(Cp(f.AnswerBox().text()));
    const std::string clue = Cp(f.ClueBox().text());
    const int32_t len = d.SlotTable.Get(n, 2, dir);
    EditHistory::WordState before = EditHistory::CaptureWord(d, n, dir);
    if (static_cast<int64_t>(answer.size()) == len) {
        const StoreVerdict v = CheckStore(d, n, dir, answer);
        if (v.Kind == StoreCheck::Refused) return;
        if (v.Kind == StoreCheck::Conflict) {
            const std::string text = Lang().LangLetterConflict + " " +
                                     std::string(1, Cp1251::Char(v.Conflict.Crossing)) + ", " +
                                     std::string(1, Cp1251::Char(v.Conflict.Typed));
            MsgBoxM::Show(Q(text), MsgBoxM::Style::Critical);
            f.AnswerBox().setSelection(v.Conflict.Index, 1);
            return;
        }
        StoreAnswer(d, n, dir, clue, answer);
        f.AnswerBox().setText(QString());
        ShowSlovoM::DrawWord(f, n, dir, CellColor);
    } else if (answer.empty()) {
        if (!RemoveAnswer(d, n, dir, clue)) return;
        ShowSlovoM::DrawWord(f, n, dir, CellColor);
    } else {
        return; // a wrong length is ignored without a message
    }
    f.ClueBox().setText(QString());
    d.CurDirection = 1 - dir;
    if (d.SlotTable.Get(n, 2, 1 - dir) > 0 && d.ClueTexts.Answer(n, 1 - dir).empty())
        ShowVoprosOtvetM::ShowClueAndAnswer(f);
    else
        FoundNoOtvetM::FindUnanswered(f);
    EditHistory::RecordWordEntry(f, std::move(before), {n, dir});
}

int32_t StoreAnswers(frmForma& f, const std::vector<AnswerToStore>& answers) {
    auto& d = Doc();
    if (d.AppMode != Mode::Authoring) return 0;
    std::vector<EditHistory::WordState> before;
    before.reserve(answers.size());
    for (const AnswerToStore& a : answers)
        before.push_back(EditHistory::CaptureWord(d, a.Number, a.Direction));
    int32_t stored = 0;
    for (const AnswerToStore& a : answers) {
        const std::string answer = Cp1251::ToUpper(a.Answer);
        if (CheckStore(d, a.Number, a.Direction, answer).Kind != StoreCheck::Ok) continue;
        StoreAnswer(d, a.Number, a.Direction, a.Clue, answer);
        ShowSlovoM::DrawWord(f, a.Number, a.Direction, CellColor);
        ++stored;
    }
    if (stored == 0) return 0;
    if (d.CurNumber > 0) ShowVoprosOtvetM::ShowClueAndAnswer(f);
    f.CluesChanged();
    EditHistory::RecordWords(f, std::move(before));
    return stored;
}

} // namespace AddSlovoM
