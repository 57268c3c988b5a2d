#pragma once
// The messages of the file commands. Every one is built in one way: the caption of the File menu, a
// blank, the path (or file name) and a blank when the message names one, then the message's own text.
#include <QString>
#include <string>
#include <string_view>

#include "basics/TextFile.h"

namespace FileMessages {
// The File menu's caption as the language in force gives it, plain: for messages shown where there is no
// main window (the command line). The window's own caption is frmForma::FileCaption.
QString LanguageFileCaption();
// "<fileCaption> <path> <text>", the path and its blank left out when path is empty.
QString Text(const QString& fileCaption, const std::string& path, std::string_view text);
// Asks before an existing file other than the document's own is replaced; true when it may be written.
bool MayReplace(const QString& fileCaption, const std::string& path, const std::string& ownFile);
// Reports a file that could not be written: the access error or the write error; path may be empty.
void WriteFailed(const QString& fileCaption, TextFile::Error err, const std::string& path = {});
// Reports a file that could not be read: not found or the read error; path may be empty.
void ReadFailed(const QString& fileCaption, TextFile::Error err, const std::string& path = {});
} // namespace FileMessages
