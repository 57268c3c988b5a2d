#pragma once
// The working layers of a numbered grid: which words pass through each cell, the printed numbers and the
// letters shown.
#include <cstdint>

#include "document/KrossDocument.h"

namespace LoadReshotkiM {

// Number of the last layer for a mode: 5 while answers are entered (modes 3 and 4), else 3.
int32_t LastLayer(int32_t appMode);

// Rebuilds GridLayers (0..GridWidth x 0..GridHeight x 0..LastLayer(AppMode)) and ViewSlotTable from
// SlotTable, ClueTexts, SolvedWords, ActiveStyle and AppMode; nothing of the old layers is kept.
// ActiveStyle 1 shows the grid turned by half a turn with every word's text reversed. A word that does not
// lie inside the grid is left out entirely (no number, no cells, ViewSlotTable entry 0); a text shorter
// than its word fills only as many cells as it has characters.
void BuildLayers(KrossDocument& doc);

} // namespace LoadReshotkiM
