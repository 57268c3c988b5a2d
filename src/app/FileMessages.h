#pragma once
// The messages of the file commands: they begin with the caption of the File menu and a blank.
#include <QString>
#include <string>
#include <string_view>

#include "basics/TextFile.h"

namespace FileMessages {
// The File menu's caption as plain text (the language file's, when there is no main window).
QString FileCaption();
// Asks before an existing file other than the document's own is replaced, and before the document's own
// file is replaced when someone else changed it on disk since the program last read or wrote it there;
// true when it may be written.
bool MayReplace(const std::string& path, const std::string& ownFile);
// Notes what the file at path holds (the bytes just read from it or written to it), for MayReplace.
void RememberFile(const std::string& path, std::string_view bytes);
// Reports a file that could not be written: the access error or the write error; a pipe or device, a
// full disk and a file that did not read back as meant are named with the file's path.
void WriteFailed(TextFile::Error err, const std::string& path);
// Reports a file that could not be read: not found or the read error; a pipe or device is named with the
// file's path.
void ReadFailed(TextFile::Error err, const std::string& path);
// The text after "File caption, blank, path, blank" for the failures that name the file; empty for the
// others.
QString NamedCause(TextFile::Error err);
// Reports a file that could not be written, naming it: the File caption, the path, then the access error,
// the write error or the named cause.
void WriteFailedAt(const std::string& path, TextFile::Error err);
} // namespace FileMessages
