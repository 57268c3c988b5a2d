#pragma once
// The messages of the file commands. Every one is built in one way: the caption of the File menu, a
// blank, the path (or file name) and a blank when the message names one, then the message's own text.
#include <QString>
#include <string>
#include <string_view>

#include "basics/TextFile.h"

namespace FileMessages {
// Whether a failure message names the file: always, or only when its cause is one of the named causes
// (a pipe or device, a full disk, a file that did not read back as meant), which always name it.
enum class ShowPath { Always, ForNamedCause };

// The File menu's caption as the language in force gives it, plain: for messages shown where there is no
// main window (the command line). The window's own caption is frmForma::FileCaption.
QString LanguageFileCaption();
// "<fileCaption> <path> <text>", the path and its blank left out when path is empty.
QString Text(const QString& fileCaption, const std::string& path, std::string_view text);
QString Text(const QString& fileCaption, const std::string& path, const QString& text);
// Asks before an existing file other than the document's own is replaced, and before the document's own
// file is replaced when someone else changed it on disk since the program last read or wrote it there;
// true when it may be written.
bool MayReplace(const QString& fileCaption, const std::string& path, const std::string& ownFile);
// Notes what the file at path holds (the bytes just read from it or written to it), for MayReplace.
void RememberFile(const std::string& path, std::string_view bytes);
// The text after "File caption, blank, path, blank" for the failures that name the file; empty for the
// others.
QString NamedCause(TextFile::Error err);
// The text of a file that could not be written: the access error, the write error or the named cause.
QString WriteFailureText(const QString& fileCaption, TextFile::Error err, const std::string& path,
                         ShowPath show = ShowPath::Always);
// The text of a file that could not be read: not found, the read error or the named cause.
QString ReadFailureText(const QString& fileCaption, TextFile::Error err, const std::string& path,
                        ShowPath show = ShowPath::Always);
// Reports a file that could not be written: the access error, the write error or the named cause.
void WriteFailed(const QString& fileCaption, TextFile::Error err, const std::string& path,
                 ShowPath show = ShowPath::Always);
// Reports a file that could not be read: not found, the read error or the named cause.
void ReadFailed(const QString& fileCaption, TextFile::Error err, const std::string& path,
                ShowPath show = ShowPath::Always);
} // namespace FileMessages
