#pragma once
// A click on the field, by mode: toggling cells while drawing, selecting words, showing clues.
class frmForma;

namespace PoleMouseUpM {
// (x, y): the release point in pixels of the field picture.
void FieldClick(frmForma& f, double x, double y);
} // namespace PoleMouseUpM
