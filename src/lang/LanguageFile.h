#pragma once
// Language files and the interface texts they supply.
//
// A language file is cp1251 text with CR LF lines: its first field is the language's display name, then
// come entry lines "index,text" (or "index text"). The index is 1..75 for the original texts and
// 76..ExtendedIndexLast for the texts of later features; the text is exactly the rest of the line after
// the single separator character, blanks and commas included. A later entry replaces an earlier one with
// the same index; other indexes, and lines that do not start with a decimal index, are skipped.
//
// A file written before a feature existed lacks its texts: an extended index that a file leaves out (or
// leaves empty) shows the built-in English text of BuiltInText, so older language files keep working.
//
// Captions of menus and buttons may carry "&" before the letter that opens them with Alt ("&Файл");
// "&&" stands for a literal "&". Wherever such a caption is shown as plain text (a window caption, a
// message, a file filter) the markers are removed with StripMnemonic.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int32_t LanguageIndexCount = 75;
// The last index a language file may give for the texts of later features (76 and up).
inline constexpr int32_t ExtendedIndexLast = 299;

struct LanguageFileContent {
    std::string DisplayName;
    std::array<std::optional<std::string>, ExtendedIndexLast + 1> Entries; // [0] unused; cp1251
};

// Reads a whole language file. Never fails: an empty or damaged file gives what could be read.
LanguageFileContent ParseLanguageFile(std::string_view bytes);

// Only the display name: the first field of the file (up to the first comma or line end; a field that
// begins with a double quote runs to the next one).
std::string LanguageDisplayName(std::string_view bytes);

// The program-wide texts of the interface, all cp1251.
struct InterfaceTexts {
    std::string DisplayName;
    // The text of every index as this load left it: 1..24 and 48..75 from this file (empty when it lacks
    // them), 25..47 the same as LangText.
    std::array<std::string, LanguageIndexCount + 1> Captions;
    std::string HelpFileName;             // 1
    std::string MsgTitle;                 // 2
    std::array<std::string, 23> LangText; // element k = index 25 + k; kept across loads when missing
    std::string LangAppTitle;             // 48
    std::string LangModeNewGrid;          // 49
    std::string LangModeAuthoring;        // 50
    std::string LangSolvePrompt;          // 51
    std::string LangAuthorPrompt;         // 52
    std::string LangWordsLabel;           // 54
    std::string LangAuthorWord;           // 55
    std::string LangSolvedMsg;            // 56
    std::string LangOverwritePrompt;      // " " + 58 + CR LF + 59
    std::string LangAccessError;          // 60
    std::string LangWriteError;           // 61
    std::string LangNotFoundError;        // 62
    std::string LangReadError;            // 63
    std::string LangNoWordsMsg;           // 64
    std::string LangCoordinates;          // 69
    std::string LangSaveKrossPrompt;      // 70
    std::string LangSaveAnswersPrompt;    // 71
    std::string LangLetterConflict;       // 72
    std::string LangFindWordCount;        // 74
    std::string KrwFilter;                // description, NUL, pattern pairs for the file dialogs
    std::string OtvFilter;
    // Texts 76..ExtendedIndexLast as this load left them: the file's text, or BuiltInText when the file
    // lacks it or leaves it empty. Read them through Text().
    std::array<std::string, ExtendedIndexLast - LanguageIndexCount> Extended;
};

// The built-in English text of an extended index (76..ExtendedIndexLast); empty for an index no feature
// uses. cp1251 (plain ASCII in practice).
std::string_view BuiltInText(int32_t index);

// The text of an extended index as the language in force gives it (the built-in one before any language
// was loaded); empty outside 76..ExtendedIndexLast.
std::string Text(const InterfaceTexts& t, int32_t index);

// The English text of an original index (1..LanguageIndexCount) as the shipped English language file
// gives it; the file is compiled into the program, so this needs no file at run time. Empty outside.
std::string_view BuiltInCaption(int32_t index);

// The caption of an original index as the window shows it on the menus and in the language dialog: the
// language's text, or BuiltInCaption when the language in force leaves it empty, so that a broken or
// half-written language file never hides the way to another language.
std::string CaptionOrEnglish(const InterfaceTexts& t, int32_t index);

// Language-file indexes of the captions, by what they caption. The rest of 48..74 have their own named
// texts in InterfaceTexts.
namespace LangIndex {
constexpr int32_t HelpFile = 1;
constexpr int32_t MsgTitle = 2;
constexpr int32_t FileMenu = 3;
constexpr int32_t FileOpenOtvet = 4;
constexpr int32_t FileSave = 5;
constexpr int32_t FileSaveAs = 6;
constexpr int32_t FileExit = 7;
constexpr int32_t KrossMenu = 8;
constexpr int32_t KrossNew = 9;
constexpr int32_t KrossOpen = 10;
constexpr int32_t KrossChange = 11;
constexpr int32_t GridReadyButton = 12; // kReshotkaGotova
constexpr int32_t KrossAbout = 13;
constexpr int32_t KrossFoundWord = 14;
constexpr int32_t KrossDelOtwet = 15;
constexpr int32_t KrossCopyWord = 16;
constexpr int32_t OptionsMenu = 17;
constexpr int32_t OptionsRazmerKF = 18;
constexpr int32_t StyleClassic = 19; // OptionsStyle item 0
constexpr int32_t StyleTurned = 20;  // OptionsStyle item 1
constexpr int32_t HelpMenu = 21;
constexpr int32_t HelpCallHelp = 22;
constexpr int32_t HelpAbout = 24;
constexpr int32_t FirstLangText = 25;
constexpr int32_t LastLangText = 47;
constexpr int32_t AnswerHeading = 53; // lblOtvet
constexpr int32_t OtvDescription = 57;
constexpr int32_t StatisticsHeading = 65; // lblStatistika
constexpr int32_t SymmetryBox = 66;       // ChSimmetrija
constexpr int32_t AcrossHeading = 67;     // lblGorizont
constexpr int32_t DownHeading = 68;       // lblVertikal
constexpr int32_t Coordinates = 69;       // lblKoordinaty
constexpr int32_t ClearFieldButton = 73;  // kClearPole
constexpr int32_t GridTooLargeMsg = 75;   // a new grid or cell size beyond what the field can hold
// Texts of the extended range for the dialogs and the about box.
constexpr int32_t AboutVersion = 200;     // the about box: "Version" before the version number
constexpr int32_t AboutText = 201;        // the about box: what the program does
constexpr int32_t CellSizeTooSmall = 202; // the cell dialog: a size of 0 or an empty box
constexpr int32_t ProtectionNote = 203;   // the properties dialog: what the password and scrambling do
} // namespace LangIndex

// The elements of LangText (element k is language index 25 + k), by what they say.
namespace LangTextItem {
constexpr size_t NewKrossTitle = 0; // the new-crossword dialog
constexpr size_t ColumnsLabel = 1;
constexpr size_t RowsLabel = 2;
constexpr size_t SizeHeading = 3;
constexpr size_t NoAnswersWording = 4; // its check box; also in the captions of modes 4 and 8
constexpr size_t CancelButton = 5;     // every dialog's Cancel
constexpr size_t PasswordLabel = 6;    // the properties and the password dialogs
constexpr size_t WrongPasswordMsg = 7;
constexpr size_t AnswerMissingMsg = 8; // a crossword opened with an answer missing
constexpr size_t WrongAnswerMsg = 9;
constexpr size_t NameLabel = 10;
constexpr size_t AuthorLabel = 11;
constexpr size_t RepeatPasswordLabel = 12;
constexpr size_t FoundWordsTitle = 13; // the word search
constexpr size_t PatternLabel = 14;
constexpr size_t FoundListLabel = 15;
constexpr size_t PatternTooLongMsg = 16;
constexpr size_t CellSizeLabel = 17; // the cell and font dialog
constexpr size_t NumberSizeLabel = 18;
constexpr size_t FontButton = 19;
constexpr size_t PreviewLabel = 20;
constexpr size_t LanguageTitle = 21; // the language dialog
constexpr size_t LanguageListLabel = 22;
} // namespace LangTextItem

// Takes a loaded file into the texts: indexes 1..24 and 48..75 are replaced (a missing one becomes
// empty); 25..47 replace only the LangText elements the file has; 76.. are the file's text or the
// built-in one. Builds both file filters (the crossword filter from the Kross menu's caption as the menu
// shows it, see CaptionOrEnglish).
void ApplyLanguage(const LanguageFileContent& f, InterfaceTexts& t);

// A caption as plain text: each single "&" removed, "&&" turned into "&".
std::string StripMnemonic(std::string_view caption);

// The letter a caption's marker names (the character after the first single "&"), upper case; nothing
// when the caption has no marker.
std::optional<unsigned char> MnemonicLetter(std::string_view caption);

// The caption of the language menu item: "Language: " and the display name.
std::string LanguageMenuCaption(std::string_view displayName);

// The pair of every file dialog's filter that lists all files, names without an extension included.
inline constexpr std::string_view AllFilesDescription = "All Files (*)";
inline constexpr std::string_view AllFilesPattern = "*";

// One file-dialog filter: description " (*.ext)" NUL "*.ext" NUL "All Files (*)" NUL "*". NUL characters
// inside the description are dropped so that they cannot split the filter.
std::string FileFilter(std::string_view description, std::string_view extension);

// lblSlov: LangWordsLabel and the count with a blank in its sign position ("Слов: 12").
std::string WordsLabelText(const InterfaceTexts& t, int64_t count);

// What the window shows about the crossword in work, for the mode captions.
struct ModeCaptionFacts {
    std::string KrossCaption; // caption of the Kross menu, markers already stripped
    std::string KrossName;
    std::string KrossAuthor;
    int32_t WordCount = 0;
    int32_t SolvedCount = 0;
};

enum class CaptionMoment {
    EnteringMode,    // the step that enters the mode sets the captions
    LanguageChanged, // a language load re-applies them for the mode in force
};

// The three mode-dependent captions; an empty optional leaves that caption as it is.
struct ModeCaptions {
    std::optional<std::string> Window;
    std::optional<std::string> WordsLabel;   // lblSlov
    std::optional<std::string> ClueOrAnswer; // lblVoprosOtvet
};

// Captions for AppMode appMode at the given moment. lblSlov counts WordCount - SolvedCount (WordCount in
// authoring); a crossword just opened passes SolvedCount 0.
ModeCaptions CaptionsOfMode(const InterfaceTexts& t, int32_t appMode, CaptionMoment moment,
                            const ModeCaptionFacts& facts);
