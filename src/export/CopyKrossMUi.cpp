#include "export/CopyKrossMUi.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <string_view>

#include "app/FileMessages.h"
#include "app/MsgBoxM.h"
#include "app/ProgramState.h"
#include "app/UiText.h"
#include "app/apiOpenSaveM.h"
#include "app/frmForma.h"
#include "basics/Cp1251.h"
#include "basics/TextFile.h"
#include "display/NewFontM.h"
#include "display/ShowSlovoM.h"
#include "display/Surface.h"
#include "document/GridLimits.h"
#include "export/CopyKrossM.h"

namespace CopyKrossM {
namespace {

// Where cell (c, r) is drawn: no margin; the turned style puts the last column and row first.
struct CellPlace {
    int32_t cellSize;
    int32_t lastColumn, lastRow;
    bool turned;
    int32_t X(int32_t c) const { return (turned ? lastColumn - c : c) * cellSize; }
    int32_t Y(int32_t r) const { return (turned ? lastRow - r : r) * cellSize; }
};

CellPlace cellPlace() {
    const auto& d = Doc();
    return {Opt().CellSize, d.GridWidth - 1, d.GridHeight - 1, Opt().StyleIndex != 0};
}

int32_t letterAt(int32_t c, int32_t r) {
    return Doc().GridLayers.Get(c, r, Layer::Letter);
}

// The surface's bitmap as a BMP file, written whole or not at all.
TextFile::Error writePicture(const Surface& surface, const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "BMP");
    if (!writer.write(surface.Image())) return TextFile::Error::Other;
    return TextFile::WriteAll(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

} // namespace

bool DrawEmptyGrid(Surface& surface) {
    const auto& d = Doc();
    const CellPlace at = cellPlace();
    const int32_t cs = at.cellSize;
    surface.SetBackground(Colors::Black);
    const int64_t width = int64_t{d.GridWidth} * cs + 1, height = int64_t{d.GridHeight} * cs + 1;
    if (width > GridLimits::MaxSurfaceSide || height > GridLimits::MaxSurfaceSide) return false;
    surface.Resize(static_cast<int>(width), static_cast<int>(height));
    QCoreApplication::processEvents();
    surface.Clear();
    // A bitmap the platform could not make keeps its old size: such a picture is not worth saving.
    if (surface.Width() != width || surface.Height() != height) return false;

    // The outside area: from the top and from the bottom of every column up to its first letter cell.
    // Blocks enclosed between letter cells stay black.
    auto paintOutside = [&](int32_t c, int32_t r) {
        surface.FillBox(at.X(c), at.Y(r), at.X(c) + cs, at.Y(r) + cs, Colors::White);
    };
    for (int32_t c = 0; c <= at.lastColumn; ++c) {
        for (int32_t r = 0; r <= at.lastRow && letterAt(c, r) == 0; ++r)
            paintOutside(c, r);
        if (d.GridHeight > 1)
            for (int32_t r = at.lastRow; r >= 0 && letterAt(c, r) == 0; --r)
                paintOutside(c, r);
    }

    for (int32_t r = 0; r <= at.lastRow; ++r)
        for (int32_t c = 0; c <= at.lastColumn; ++c) {
            if (letterAt(c, r) <= 0) continue;
            const int32_t x = at.X(c), y = at.Y(r);
            surface.FillBox(x, y, x + cs, y + cs, Colors::White);
            surface.Outline(x, y, x + cs, y + cs, Colors::Black);
            const int32_t number = d.GridLayers.Get(c, r, Layer::Number);
            if (number > 0) ShowSlovoM::DrawNumber(x, y, number, surface);
        }
    return true;
}

void DrawLetters(Surface& surface) {
    const CellPlace at = cellPlace();
    for (int32_t r = 0; r <= at.lastRow; ++r)
        for (int32_t c = 0; c <= at.lastColumn; ++c) {
            const int32_t code = letterAt(c, r);
            if (code <= 0) continue;
            const QString letter = Q(std::string(1, Cp1251::Char(code)));
            surface.DrawText(at.X(c) + at.cellSize - surface.TextWidth(letter) - 2,
                             at.Y(r) + NewFontM::LetterOffsetY, letter);
        }
}

bool WriteFiles(Surface& picture, const ExportPaths& paths, PageInput in, const FailureReport& failed) {
    // Writes one file; false (after the report) when it could not be written.
    auto writeOrReport = [&failed](const std::string& path, auto write) {
        const TextFile::Error error = write();
        if (error == TextFile::Error::None) return true;
        failed(path, error);
        return false;
    };
    const bool drawn = DrawEmptyGrid(picture);
    bool written = writeOrReport(paths.EmptyPicturePath, [&] {
        return drawn ? writePicture(picture, paths.EmptyPicturePath) : TextFile::Error::Other;
    });
    if (written) {
        QCoreApplication::processEvents();
        DrawLetters(picture);
        written = writeOrReport(paths.FilledPicturePath,
                                [&] { return writePicture(picture, paths.FilledPicturePath); });
        QCoreApplication::processEvents();
    }
    picture.Clear();
    // A page whose pictures are missing is not written: the report above already said which one failed.
    if (!written) return false;
    in.EmptyPictureName = paths.EmptyPictureName;
    in.FilledPictureName = paths.FilledPictureName;
    return writeOrReport(paths.PagePath, [&] { return TextFile::WriteAll(paths.PagePath, PageText(in)); });
}

void ExportHtml() {
    frmForma* f = MainForm();
    if (!f) return;
    const auto& d = Doc();
    const QString chosen =
        apiOpenSaveM::FileDialog(true, QPath(DefaultFileName(d.KrossFile)), DialogFilter());
    if (chosen.isEmpty()) return;
    PageInput in(d);
    in.KrossCaption = Cp(Plain(f->Kross->title()));
    in.LangAuthorWord = Lang().LangAuthorWord;
    in.AcrossHeading = Cp(Plain(f->lblGorizont->text()));
    in.DownHeading = Cp(Plain(f->lblVertikal->text()));
    WriteFiles(f->picCopyKross, DerivePaths(NativePath(chosen)), in, FileMessages::WriteFailedAt);
}

} // namespace CopyKrossM
