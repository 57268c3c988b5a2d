#pragma once
// The selected word while authoring: highlighted, with its clue and answer in the input boxes.
namespace ShowVoprosOtvetM {
void ShowClueAndAnswer();
} // namespace ShowVoprosOtvetM
