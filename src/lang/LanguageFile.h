#pragma once
// The texts of the interface, read from a language file.
#include <array>
#include <optional>
#include <string>
#include <string_view>

struct LanguageFileContent {
    std::string DisplayName;
    std::array<std::optional<std::string>, 76> Entries;
};

struct InterfaceTexts {
    std::string DisplayName;
    std::array<std::string, 76> Captions;
    std::string HelpFileName, MsgTitle;
    std::array<std::string, 23> LangText;
    std::string LangAppTitle, LangModeNewGrid, LangModeAuthoring, LangSolvePrompt, LangAuthorPrompt,
        LangWordsLabel, LangAuthorWord, LangSolvedMsg, LangOverwritePrompt, LangAccessError, LangWriteError,
        LangNotFoundError, LangReadError, LangNoWordsMsg, LangCoordinates, LangSaveKrossPrompt,
        LangSaveAnswersPrompt, LangLetterConflict, LangFindWordCount, KrwFilter, OtvFilter;
};

LanguageFileContent ParseLanguageFile(std::string_view bytes);
void ApplyLanguage(const LanguageFileContent& f, InterfaceTexts& t);
std::string StripMnemonic(std::string_view s);
