#include "lang/LanguageFile.h"

#include "basics/Cp1251.h"
#include "basics/NumberText.h"
#include "basics/TextFile.h"
#include "document/KrossDocument.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// One entry line: blanks, a decimal index, one separator (comma or space) and the text up to the line
// end. A line without a decimal index before its separator gives nothing.
void readEntry(std::string_view line, LanguageFileContent& f) {
    size_t i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    const size_t start = i;
    int32_t index = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
        if (index <= ExtendedIndexLast) index = index * 10 + (line[i] - '0'); // larger stays out of range
        ++i;
    }
    if (i == start) return;
    if (i < line.size() && line[i] != ',' && line[i] != ' ') return; // "12abc": not an index
    if (index < 1 || index > ExtendedIndexLast) return;
    const std::string_view text = i < line.size() ? line.substr(i + 1) : std::string_view();
    f.Entries[static_cast<size_t>(index)] = std::string(text);
}

const std::string& entryOrEmpty(const LanguageFileContent& f, int32_t index) {
    static const std::string empty;
    const auto& e = f.Entries[static_cast<size_t>(index)];
    return e ? *e : empty;
}

std::string quoted(std::string_view s) {
    std::string out = "\"";
    out += s;
    out += '"';
    return out;
}

// K: "N" -- the start of the window caption of a crossword in work.
std::string krossTitle(const ModeCaptionFacts& facts) {
    std::string s(facts.KrossCaption);
    s += ": ";
    s += quoted(facts.KrossName);
    return s;
}

std::string bareTitle(const InterfaceTexts& t, const ModeCaptionFacts& facts) {
    return krossTitle(facts) + " (" + StripMnemonic(t.LangText[LangTextItem::NoAnswersWording]) + ")";
}

std::string authorTitle(const InterfaceTexts& t, const ModeCaptionFacts& facts) {
    std::string s = krossTitle(facts);
    s += ' ';
    s += t.LangAuthorWord;
    s += ' ';
    s += facts.KrossAuthor;
    return s;
}

} // namespace

LanguageFileContent ParseLanguageFile(std::string_view bytes) {
    LanguageFileContent f;
    TextFile::FieldReader r(bytes);
    if (!r.Text(f.DisplayName)) return f;
    // Entries follow the display name directly: whatever stands after a comma on the first line is read
    // as an entry line too (and usually skipped, having no index).
    std::string line;
    while (r.RestOfLine(line))
        readEntry(line, f);
    return f;
}

std::string LanguageDisplayName(std::string_view bytes) {
    TextFile::FieldReader r(bytes);
    std::string name;
    r.Text(name);
    return name;
}

std::string StripMnemonic(std::string_view caption) {
    std::string out;
    out.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            out += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            out += '&';
            ++i;
        }
    }
    return out;
}

std::optional<unsigned char> MnemonicLetter(std::string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return Cp1251::ToUpper(static_cast<unsigned char>(caption[i + 1]));
        ++i; // "&&" is a literal "&"
    }
    return std::nullopt;
}

std::string LanguageMenuCaption(std::string_view displayName) {
    std::string s = "Language: ";
    s += displayName;
    return s;
}

std::string FileFilter(std::string_view description, std::string_view extension) {
    std::string s;
    for (char c : description)
        if (c != '\0') s += c;
    const std::string pattern = "*." + std::string(extension);
    s += " (" + pattern + ")";
    s += '\0';
    s += pattern;
    s += '\0';
    s += AllFilesDescription;
    s += '\0';
    s += AllFilesPattern;
    return s;
}

void ApplyLanguage(const LanguageFileContent& f, InterfaceTexts& t) {
    t.DisplayName = f.DisplayName;
    for (int32_t i = 1; i <= LanguageIndexCount; ++i) {
        auto& caption = t.Captions[static_cast<size_t>(i)];
        if (i >= LangIndex::FirstLangText && i <= LangIndex::LastLangText) {
            auto& kept = t.LangText[static_cast<size_t>(i - LangIndex::FirstLangText)];
            if (const auto& e = f.Entries[static_cast<size_t>(i)]) kept = *e;
            caption = kept;
        } else {
            caption = entryOrEmpty(f, i);
        }
    }
    auto c = [&](int32_t i) -> const std::string& { return t.Captions[static_cast<size_t>(i)]; };
    t.HelpFileName = c(1);
    t.MsgTitle = c(2);
    t.KrwFilter = FileFilter(StripMnemonic(CaptionOrEnglish(t, LangIndex::KrossMenu)), "krw");
    t.LangAppTitle = c(48);
    t.LangModeNewGrid = c(49);
    t.LangModeAuthoring = c(50);
    t.LangSolvePrompt = c(51);
    t.LangAuthorPrompt = c(52);
    t.LangWordsLabel = c(54);
    t.LangAuthorWord = c(55);
    t.LangSolvedMsg = c(56);
    t.OtvFilter = FileFilter(c(LangIndex::OtvDescription), "otv");
    t.LangOverwritePrompt = " " + c(58) + "\r\n" + c(59);
    t.LangAccessError = c(60);
    t.LangWriteError = c(61);
    t.LangNotFoundError = c(62);
    t.LangReadError = c(63);
    t.LangNoWordsMsg = c(64);
    t.LangCoordinates = c(69);
    t.LangSaveKrossPrompt = c(70);
    t.LangSaveAnswersPrompt = c(71);
    t.LangLetterConflict = c(72);
    t.LangFindWordCount = c(74);
    for (int32_t i = LanguageIndexCount + 1; i <= ExtendedIndexLast; ++i) {
        const auto& e = f.Entries[static_cast<size_t>(i)];
        t.Extended[static_cast<size_t>(i - LanguageIndexCount - 1)] =
            e && !e->empty() ? *e : std::string(BuiltInText(i));
    }
}

std::string Text(const InterfaceTexts& t, int32_t index) {
    if (index <= LanguageIndexCount || index > ExtendedIndexLast) return {};
    const std::string& s = t.Extended[static_cast<size_t>(index - LanguageIndexCount - 1)];
    return s.empty() ? std::string(BuiltInText(index)) : s;
}

std::string CaptionOrEnglish(const InterfaceTexts& t, int32_t index) {
    if (index < 1 || index > LanguageIndexCount) return {};
    const std::string& own = t.Captions[static_cast<size_t>(index)];
    return own.empty() ? std::string(BuiltInCaption(index)) : own;
}

std::string WordsLabelText(const InterfaceTexts& t, int64_t count) {
    return t.LangWordsLabel + NumberText::Signed(count);
}

ModeCaptions CaptionsOfMode(const InterfaceTexts& t, int32_t appMode, CaptionMoment moment,
                            const ModeCaptionFacts& facts) {
    ModeCaptions m;
    const int64_t open = int64_t{facts.WordCount} - facts.SolvedCount;
    const bool entering = moment == CaptionMoment::EnteringMode;
    switch (appMode) {
    case Mode::None:
        m.Window = t.MsgTitle;
        break;
    case Mode::NewGrid:
        m.Window = t.LangAppTitle + " " + t.LangModeNewGrid;
        break;
    case Mode::Authoring:
        m.Window = t.LangAppTitle + " " + t.LangModeAuthoring;
        m.WordsLabel = WordsLabelText(t, facts.WordCount);
        m.ClueOrAnswer = t.LangAuthorPrompt;
        break;
    case Mode::SolveBare:
        m.Window = bareTitle(t, facts);
        m.WordsLabel = WordsLabelText(t, open);
        m.ClueOrAnswer = t.LangSolvePrompt;
        break;
    case Mode::Incomplete:
        // Set when the crossword is opened, like a complete one; a language change leaves it alone.
        if (!entering) break;
        [[fallthrough]];
    case Mode::Solve:
        m.Window = authorTitle(t, facts);
        m.WordsLabel = WordsLabelText(t, open);
        m.ClueOrAnswer = t.LangSolvePrompt;
        break;
    case Mode::BareAuthoring:
        m.Window = entering ? bareTitle(t, facts) : krossTitle(facts);
        m.WordsLabel = WordsLabelText(t, open);
        break;
    default: // 1 and 7 show nothing of their own
        break;
    }
    return m;
}
