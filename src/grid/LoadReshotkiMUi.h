#pragma once
// Rebuilding the working grid and drawing it.
class frmForma;

namespace LoadReshotkiM {
// Rebuilds the working layers from the words, texts and solving state, sizes the field and redraws it.
void LoadGrid(frmForma& f);
} // namespace LoadReshotkiM
