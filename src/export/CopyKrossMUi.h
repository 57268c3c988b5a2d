#pragma once
// The HTML export through the window: the save dialog, the two pictures drawn on the main window's
// export surface picCopyKross, and the page beside them (file names and page text: CopyKrossM.h).
#include <QString>
#include <functional>
#include <string>

#include "basics/TextFile.h"
#include "export/CopyKrossM.h"

class Surface;

class frmForma;

namespace CopyKrossM {

// Language-file texts of the export's pictures.
namespace TextIndex {
constexpr int PictureTooLarge = 110; // "%1" stands for the picture's size, "W x H" pixels
} // namespace TextIndex

// The export command. Asks for the page's path (a cancelled dialog writes nothing), writes the picture
// of the empty grid, the picture with the answers, then the page. A file that cannot be written is
// reported with the File menu's caption, its path and the access or write error, and the export stops
// there: when a picture fails, the page is not written, so no page ever refers to a missing picture.
void ExportHtml(frmForma& f);

// Reports a file of the export that could not be written.
using FailureReport = std::function<void(const std::string& path, TextFile::Error error)>;
// Reports the pictures of a grid too large for one bitmap each (PicturesFit), with the picture's path.
using TooLargeReport = std::function<void(const std::string& path)>;

// Writes the export's files at paths: the empty grid drawn on picture (whose letter font is set), the
// grid with its letters, then the page of in (the picture names are taken from paths). Pictures larger
// than one bitmap holds are reported before anything is written; otherwise the first file that cannot be
// written is reported and ends the export; false in both cases. Used by the export command and by the
// command line.
bool WriteFiles(Surface& picture, const ExportPaths& paths, PageInput in, const FailureReport& failed,
                const TooLargeReport& tooLarge);

// The message for pictures too large for one bitmap: the File caption, the picture's path and the text,
// with the picture's size in pixels.
QString TooLargeText(const QString& fileCaption, const std::string& path);

// The empty grid on surface: sized to the grid, black, the area outside the answered cells white, and
// every cell that shows a letter white with its outline and its clue number. Turned by 180 degrees when
// the classic style is not chosen. False when the surface cannot take the grid's size (nothing drawn).
bool DrawEmptyGrid(Surface& surface);
// The letters of the grid over what DrawEmptyGrid drew, placed as on the field.
void DrawLetters(Surface& surface);

} // namespace CopyKrossM
