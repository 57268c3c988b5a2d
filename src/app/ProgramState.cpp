#include "app/ProgramState.h"

ProgramState& State() {
    static ProgramState state;
    return state;
}

void ResetState() {
    State() = ProgramState{};
}
