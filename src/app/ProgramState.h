#pragma once
// The program-wide state: the one crossword document, the settings and the interface texts.
#include "app/SettingsFile.h"
#include "document/KrossDocument.h"
#include "lang/LanguageFile.h"

struct ProgramState {
    KrossDocument doc;
    Settings settings;
    InterfaceTexts texts;
};

// The state every window and command works on.
ProgramState& State();
inline KrossDocument& Doc() {
    return State().doc;
}
inline Settings& Opt() {
    return State().settings;
}
inline InterfaceTexts& Lang() {
    return State().texts;
}

// Back to a fresh start (used before the main window is created, and by tests).
void ResetState();
