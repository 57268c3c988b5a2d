#pragma once
// The largest grid the program holds. The field is drawn on one raster surface whose coordinates the
// painter handles only up to 32767 pixels on a side; the surface and the cell arrays must also fit in
// memory comfortably.
#include <cstdint>

#include "grid/FieldGeometry.h"

namespace GridLimits {

constexpr int64_t MaxSurfaceSide = 32767;              // pixels on either side of a drawing surface
constexpr int64_t MaxSurfacePixels = int64_t{1} << 28; // 256 Mpixels = 1 GiB at 32 bits a pixel
constexpr int64_t MaxCells = int64_t{1} << 22;         // 4,194,304 cells

// True when a grid of w x h cells with the given cell size can be held and drawn.
constexpr bool GridFits(int64_t w, int64_t h, int64_t cellSize) {
    if (w < 1 || h < 1 || cellSize < 1) return false;
    if (w > MaxCells || h > MaxCells || w * h > MaxCells) return false;
    if (cellSize > MaxSurfaceSide) return false;
    const int64_t pw = FieldGeometry::DrawingFieldSide(w, cellSize),
                  ph = FieldGeometry::DrawingFieldSide(h, cellSize);
    return pw <= MaxSurfaceSide && ph <= MaxSurfaceSide && pw * ph <= MaxSurfacePixels;
}

// True when a grid of w x h cells can be held at all (any cell size of 1 or more).
constexpr bool GridSizeFits(int64_t w, int64_t h) {
    return GridFits(w, h, 1);
}

} // namespace GridLimits
