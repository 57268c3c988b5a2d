#pragma once
// The messages of the file commands: they begin with the caption of the File menu and a blank.
#include <QString>

#include "basics/TextFile.h"

namespace FileMessages {
// The File menu's caption as plain text (the language file's, when there is no main window).
QString FileCaption();
// Asks before an existing file other than the document's own is replaced; true when it may be written.
bool MayReplace(const std::string& path, const std::string& ownFile);
// Reports a file that could not be written: the access error or the write error.
void WriteFailed(TextFile::Error err);
// The same, naming the file: the File caption, the path, then the access error or the write error.
void WriteFailedAt(const std::string& path, TextFile::Error err);
// Reports a file that could not be read: not found or the read error.
void ReadFailed(TextFile::Error err);
} // namespace FileMessages
