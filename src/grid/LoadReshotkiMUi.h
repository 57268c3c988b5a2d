#pragma once
// Rebuilding the working grid and drawing it.
namespace LoadReshotkiM {
// Rebuilds the working layers from the words, texts and solving state, sizes the field and redraws it.
void LoadGrid();
} // namespace LoadReshotkiM
