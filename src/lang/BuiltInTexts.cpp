// The built-in English texts of the extended indexes. A language file written before a feature existed
// lacks that feature's texts; the window then shows these. Each feature owns a range of indexes, so
// features added side by side never reuse one another's numbers.
//
// The English of the original indexes (1..75) is the shipped English file itself, compiled in: the menus
// fall back to it when a language file leaves their captions empty.
#include "lang/BuiltInEnglish.h"
#include "lang/FileSafetyTexts.h"
#include "lang/LanguageFile.h"

std::string_view BuiltInCaption(int32_t index) {
    static const LanguageFileContent english = ParseLanguageFile(BuiltInEnglishFile());
    if (index < 1 || index > LanguageIndexCount) return {};
    const auto& e = english.Entries[static_cast<size_t>(index)];
    return e ? std::string_view(*e) : std::string_view();
}

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
    case 85:
        return "Gridmora, a crossword workshop: draw a grid, write its clues and answers, solve crosswords.";
    case 86:
        return "A crossword (.krw) or an answers file (.otv) to open.";
    case 87:
        return "Only one file can be opened at a time.";

    // 100..109: word lists and the word search
    case 100:
        return "Double-click a word or press Enter to put it into the answer box";

    // 110..114: the field's drawing
    case 110:
        return "cannot be written: the picture of the grid would be %1 pixels, and one picture holds at most "
               "32767 pixels a side and 268435456 pixels in all. Choose smaller cells in Options, Cells and "
               "Font.";

        // 115..149: authoring aids (undo and redo, editing the grid, symmetry, the clue overview)
    case 115:
        return "&Edit";
    case 116:
        return "&Undo";
    case 117:
        return "&Redo";
    case 118:
        return "Edit the &Grid";
    case 119:
        return "Clue &Overview";
    case 120:
        return "Clues";
    case 121:
        return "mirror";
    case 122:
        return "half turn (180\xB0)";
    case 123:
        return "No.";
    case 124:
        return "Letters";
    case 125:
        return "Clue";
    case 126:
        return "Answer";
    case 127:
        return "Across";
    case 128:
        return "Down";
    case 129:
        return "no answer";
    case 130:
        return "Discard the grid you are drawing?";
    case 131:
        return "These words are no longer in the grid; their clues and answers will be dropped:";
    case 132:
        return "Go on?";
    case 133:
        return "across";
    case 134:
        return "down";
    case 135:
        return "More words:";

    // 150..179: printing, PDF and ipuz
    case 150:
        return "&Print...";
    case 151:
        return "Print Pre&view...";
    case 152:
        return "Pape&r";
    case 153:
        return "A4";
    case 154:
        return "Letter";
    case 155:
        return "Print the A&nswers Page";
    case 156:
        return "E&xport to PDF...";
    case 157:
        return "Export to ip&uz...";
    case 158:
        return "Answers";
    case 159:
        return "PDF document";
    case 160:
        return "ipuz crossword";
    case 161:
        return "The ipuz file holds the answers but not the edit password: whoever opens it can read and "
               "change them.";
    case 162:
        return "The crossword is protected by a password, so its answers are left out.";
    case 163:
        return "cannot be opened:";
    case 164:
        return "it is not an ipuz file.";
    case 165:
        return "it is not a crossword.";
    case 166:
        return "it is larger than the program can hold.";
    case 167:
        return "its grid is not a plain rectangle: cells are missing, or letter cells belong to no word.";
    case 168:
        return "it has bars between cells.";
    case 169:
        return "a cell holds more than one letter.";
    case 170:
        return "it has letters that the Windows-1251 code page cannot hold.";
    case 171:
        return "its solution does not fit its grid.";
    case 172:
        return "its grid has no words.";
    case 173:
        return "its clue numbers differ from the numbering this program gives the grid.";
    case 174:
        return "its clues do not fit the words of its grid.";
    case 175:
        return "Usage: gridmora --export OUT FILE [--password PASSWORD] [--answers] [--paper A4|Letter]";
    case 176:
        return "cannot be written in this format: use .pdf, .ipuz, .htm, .html or .krw.";
    case 177:
        return "is protected by a password: give --password to export its answers.";
    case 178:
        return "holds no answers.";

    // 180..199: filling the grid from the word lists
    case 180:
        return "No fill exists with these letters and word lists. This word cannot be filled:";
    case 181:
        return "across";
    case 182:
        return "down";
    case 183:
        return "The fill was stopped.";
    case 184:
        return "No complete fill was found within the time limit.";
    case 185:
        return "The word lists hold no words.";
    case 186:
        return "cannot be read as a crossword.";
    case 187:
        return "could not be written.";
    case 188:
        return "Usage: gridmora --fill IN.krw OUT.krw [--time-limit SECONDS] [--seed N]";
    case 189:
        return "Fi&ll the grid";
    case 190:
        return "Fill a&gain";
    case 191:
        return "Filling the grid. Words placed:";
    case 192:
        return "Stop";
    case 193:
        return "Only with fillable crossings";
    case 194:
        return "Every word already has an answer.";
    case 195:
        return "Lists only the words that leave every crossing word fillable from the word lists";

    // 200..219: menus, dialogs and the about box
    case LangIndex::AboutVersion:
        return "Version";
    case LangIndex::AboutText:
        return "A crossword workshop: draw a grid, write the clues and answers, solve crosswords, print "
               "them and publish them as web pages.";
    case LangIndex::CellSizeTooSmall:
        return "The cell size is too small: it must be at least 1 pixel.";
    case LangIndex::ProtectionNote:
        return "The author, the password and the answers are not encrypted. They are only scrambled with a "
               "table made from the crossword's name, so anyone who has this program or knows its file "
               "format can read them. The password only keeps honest solvers from opening the answers for "
               "editing in this program, nothing more.";

    default:
        return {};
    }
}
