#pragma once
// The scroll bars of the field.
namespace ProkrutkaM {
// Sizes, ranges and visibility of both scroll bars and the corner square, from the sizes of the field
// picture and of its container.
void UpdateScrollBars();
} // namespace ProkrutkaM
