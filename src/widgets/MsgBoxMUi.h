#pragma once
// Every message box of the program goes through here. In the program the real dialog is shown; a test
// installs a responder that records each message and returns the planned answer.
#include <QString>
#include <functional>

namespace MsgBoxM {

enum class Style {
    Critical,     // stop sign, OK
    Information,  // information icon, OK
    SaveQuestion, // exclamation icon, Yes / No / Cancel, Yes the default
    ReplaceFile,  // warning icon, Yes / No, No the default
    Confirm,      // warning icon, Yes / No, Yes the default: before a destructive command
};

enum class Answer { Ok, Yes, No, Cancel };

// Shows text with the title MsgTitle in the given style and returns the user's answer.
Answer Show(const QString& text, Style style);

using Responder = std::function<Answer(const QString& text, Style style)>;
// Replaces the real dialog (an empty function restores it).
void SetResponder(Responder responder);

} // namespace MsgBoxM
