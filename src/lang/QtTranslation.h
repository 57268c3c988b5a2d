#pragma once
// Qt's own texts (the buttons of message boxes, the file, font and colour dialogs, the text boxes'
// menus) follow the interface language: the toolkit's translation for the language file in force.
//
// Which language a language file speaks is decided by, in order:
//   1. its file name without ".txt", as the English name of a language: "Russian.txt" -> ru,
//      "English.txt" -> en, "German.txt" -> de (any letter case);
//   2. its display name (the file's first field), as the English or the native name of a language:
//      "Русский" -> ru;
//   3. its file name without ".txt", as a language code: "uk.txt" -> uk, "pt_BR.txt" -> pt_BR.
// A file that none of them names keeps the toolkit's built-in English texts.
#include <QString>
#include <string>

namespace QtTranslation {

// The locale name of the language a language file speaks ("ru", "en", "pt_BR"), or empty.
QString LanguageOf(const QString& fileName, const QString& displayName);

// Puts the toolkit's translation of the language file's language in force, in place of the one before:
// qtbase_<language>.qm from the toolkit's translations folder, and makes the language the default
// locale (dates and file types in the dialogs). A language without a translation leaves the built-in
// English texts; a file that names no language also leaves the system's locale. fileName is native,
// displayName cp1251.
void Follow(const std::string& fileName, const std::string& displayName);

// The locale name of the translation in force; empty for the built-in English texts.
QString Current();

} // namespace QtTranslation
