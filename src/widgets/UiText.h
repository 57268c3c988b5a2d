#pragma once
// The one place where the program's cp1251 texts meet the window toolkit's strings.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

// cp1251 bytes -> text for a widget.
QString Q(std::string_view cp1251);
// Widget text -> cp1251 bytes; characters the code page cannot hold become "?". Use only for texts the
// user did not type (typed text is refused at the box, see TextBox).
std::string Cp(const QString& text);
// Widget text -> cp1251 bytes, or nothing when a character cannot be held.
std::optional<std::string> CpExact(const QString& text);
// True when every character of the text exists in cp1251.
bool FitsCp1251(const QString& text);
// A native path (UTF-8 bytes) <-> QString.
QString QPath(const std::string& path);
std::string NativePath(const QString& path);
// An extended interface text (index 76 and up) of the language in force, built-in English when the
// language file lacks it.
QString Tr(int index);
// A caption used as plain text: the "&" markers of keyboard access removed.
QString Plain(const QString& caption);
