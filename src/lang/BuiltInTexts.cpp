// The built-in English texts of the extended indexes. A language file written before a feature existed
// lacks that feature's texts; the window then shows these. Each feature owns a range of indexes, so
// features added side by side never reuse one another's numbers.
#include "lang/FileSafetyTexts.h"
#include "lang/LanguageFile.h"

std::string_view BuiltInText(int32_t index) {
    switch (index) {
    // 76..84: safe handling of received files and pasted text
    case FileSafetyText::ChangedOnDisk:
        return "has been changed on disk since it was opened or saved here. Overwrite it?";
    case FileSafetyText::NotRegular:
        return "is not a regular file (a pipe or a device); it cannot be opened or saved.";
    case FileSafetyText::DiskFull:
        return "could not be written: the disk is full.";
    case FileSafetyText::Mismatch:
        return "could not be saved: the written file did not read back as it should. The old file is kept.";

        // 85..99: the installed program (command line, settings folder, dialogs of the desktop)

        // 100..109: word lists and the word search

        // 110..114: the field's drawing

        // 115..149: authoring aids (undo and redo, editing the grid, symmetry, the clue overview)

        // 150..179: printing, PDF and ipuz

        // 180..199: filling the grid from the word lists

        // 200..219: menus, dialogs and the about box

    default:
        return {};
    }
}
