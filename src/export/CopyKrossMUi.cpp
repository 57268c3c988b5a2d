#include "export/CopyKrossMUi.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <algorithm>
#include <string_view>

#include "app/ProgramState.h"
#include "app/apiOpenSaveMUi.h"
#include "app/frmForma.h"
#include "basics/Cp1251.h"
#include "basics/TextFile.h"
#include "display/CellPainter.h"
#include "display/NewFontMUi.h"
#include "display/Surface.h"
#include "export/CopyKrossM.h"
#include "grid/FieldGeometry.h"
#include "widgets/FileMessages.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

namespace CopyKrossM {
namespace {

FieldGeometry::ExportPlace cellPlace() {
    const auto& d = Doc();
    return {Opt().CellSize, d.GridWidth - 1, d.GridHeight - 1, Opt().StyleIndex != 0};
}

CellPainter::CellMetrics cellMetrics() {
    return {Opt().CellSize, std::clamp(Opt().NumberSize, 1, 3), NewFontM::LetterOffsetY};
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
    const FieldGeometry::ExportPlace at = cellPlace();
    const int32_t cs = at.CellSize;
    surface.SetBackground(Colors::Black);
    const int64_t width = FieldGeometry::ExportPictureSide(d.GridWidth, cs),
                  height = FieldGeometry::ExportPictureSide(d.GridHeight, cs);
    if (!PicturesFit(d.GridWidth, d.GridHeight, cs)) return false;
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
    for (int32_t c = 0; c <= at.LastColumn; ++c) {
        for (int32_t r = 0; r <= at.LastRow && letterAt(c, r) == 0; ++r)
            paintOutside(c, r);
        if (d.GridHeight > 1)
            for (int32_t r = at.LastRow; r >= 0 && letterAt(c, r) == 0; --r)
                paintOutside(c, r);
    }

    const CellPainter::CellMetrics metrics = cellMetrics();
    for (int32_t r = 0; r <= at.LastRow; ++r)
        for (int32_t c = 0; c <= at.LastColumn; ++c) {
            if (letterAt(c, r) <= 0) continue;
            CellPainter::DrawCell(surface, at.X(c), at.Y(r),
                                  {Colors::White, d.GridLayers.Get(c, r, Layer::Number), QString()}, metrics);
        }
    return true;
}

void DrawLetters(Surface& surface) {
    const FieldGeometry::ExportPlace at = cellPlace();
    const CellPainter::CellMetrics metrics = cellMetrics();
    for (int32_t r = 0; r <= at.LastRow; ++r)
        for (int32_t c = 0; c <= at.LastColumn; ++c) {
            const int32_t code = letterAt(c, r);
            if (code <= 0) continue;
            CellPainter::DrawLetter(surface, at.X(c), at.Y(r), CellPainter::LetterText(code), metrics);
        }
}

QString TooLargeText(const QString& fileCaption, const std::string& path) {
    const auto& d = Doc();
    const int32_t cs = Opt().CellSize;
    const std::string size = std::to_string(FieldGeometry::ExportPictureSide(d.GridWidth, cs)) + " x " +
                             std::to_string(FieldGeometry::ExportPictureSide(d.GridHeight, cs));
    QString text = Tr(TextIndex::PictureTooLarge);
    text.replace(QStringLiteral("%1"), QString::fromStdString(size));
    return FileMessages::Text(fileCaption, path, Cp(text));
}

bool WriteFiles(Surface& picture, const ExportPaths& paths, PageInput in, const FailureReport& failed,
                const TooLargeReport& tooLarge) {
    const auto& d = Doc();
    if (!PicturesFit(d.GridWidth, d.GridHeight, Opt().CellSize)) {
        tooLarge(paths.EmptyPicturePath);
        return false;
    }
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

void ExportHtml(frmForma& f) {
    const auto& d = Doc();
    const QString chosen =
        apiOpenSaveM::FileDialog(true, QPath(DefaultFileName(d.KrossFile)), DialogFilter());
    if (chosen.isEmpty()) return;
    PageInput in(d);
    in.KrossCaption = Cp(f.KrossCaption());
    in.LangAuthorWord = Lang().LangAuthorWord;
    in.AcrossHeading = Cp(f.AcrossHeading());
    in.DownHeading = Cp(f.DownHeading());
    WriteFiles(
        f.ExportPicture(), DerivePaths(NativePath(chosen)), in,
        [&f](const std::string& path, TextFile::Error error) {
            FileMessages::WriteFailed(f.FileCaption(), error, path);
        },
        [&f](const std::string& path) {
            MsgBoxM::Show(TooLargeText(f.FileCaption(), path), MsgBoxM::Style::Critical);
        });
}

} // namespace CopyKrossM
