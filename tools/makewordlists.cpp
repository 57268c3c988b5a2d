// makewordlists: makes the word-search lists 2.dat .. 24.dat of a folder from UTF-8 word lists (one word
// per line) and hunspell dictionaries. The build makes the shipped lists with it; an author adds a list
// of their own with it.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "basics/NumberText.h"
#include "basics/TextFile.h"
#include "document/HunspellDictionary.h"
#include "document/WordListBuilder.h"
#include "document/WordSearch.h"

namespace {

using WordListBuilder::Letters;

int usage(const char* program) {
    std::fprintf(
        stderr,
        "usage: %s [--add] [--keep-yo] [SOURCE-OPTIONS] SOURCE ... OUTPUT-FOLDER\n"
        "Makes the word lists 2.dat .. 24.dat of the word search in OUTPUT-FOLDER (created when missing).\n"
        "  SOURCE               a UTF-8 text, one word per line\n"
        "  --hunspell DIC       a hunspell dictionary (.dic, with its .aff beside it): the stems without\n"
        "                       their affix flags, read in the encoding the .aff names\n"
        "Options that hold for the next SOURCE only:\n"
        "  --only=cyrillic      only entries written wholly in small Russian letters (a capitalised name\n"
        "                       or abbreviation is left out)\n"
        "  --only=latin         only entries written wholly in small Latin letters a..z\n"
        "  --sorted             the source's words in alphabetical order (otherwise in the source's order)\n"
        "Options for the whole run:\n"
        "  --add                keep the words of the lists already in OUTPUT-FOLDER, first, and add the\n"
        "                       new words after them (otherwise the lists are replaced)\n"
        "  --keep-yo            keep the letter YO (otherwise it is written as YE, as in crosswords)\n"
        "Words are written in capitals in code page 1251, each word once, the words of an earlier source\n"
        "first. Words cp1251 cannot hold, words with blanks, commas, hyphens or quotes and words of fewer\n"
        "than 2 or more than 24 letters are skipped.\n",
        program);
    return 2;
}

struct Source {
    std::string Path;
    bool Hunspell = false;
    WordListBuilder::SourceOptions Options;
    bool OptionsGiven = false; // --only or --sorted came before it
};

struct Arguments {
    std::vector<Source> Sources;
    std::string Folder;
    bool Add = false;
    bool KeepYo = false;
};

// The command line, or false when it is not one the tool understands.
bool parse(int argc, char** argv, Arguments& a) {
    Source next; // the options given for the source that comes next
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--add") {
            a.Add = true;
        } else if (arg == "--keep-yo") {
            a.KeepYo = true;
        } else if (arg == "--only=cyrillic" || arg == "--only=latin") {
            next.Options.Only = arg == "--only=latin" ? Letters::SmallLatin : Letters::SmallCyrillic;
            next.OptionsGiven = true;
        } else if (arg == "--sorted") {
            next.Options.Sorted = true;
            next.OptionsGiven = true;
        } else if (arg == "--hunspell") {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') return false;
            next.Path = argv[++i];
            next.Hunspell = true;
            a.Sources.push_back(next);
            next = {};
        } else if (arg.size() > 1 && arg[0] == '-') {
            return false;
        } else if (!arg.empty()) {
            next.Path = std::string(arg);
            a.Sources.push_back(next);
            next = {};
        } else {
            return false;
        }
    }
    // The last plain argument is the folder, not a source; source options must come before a source.
    if (next.OptionsGiven || a.Sources.empty() || a.Sources.back().Hunspell || a.Sources.back().OptionsGiven)
        return false;
    a.Folder = a.Sources.back().Path;
    a.Sources.pop_back();
    if (a.Sources.empty()) return false;
    for (auto& s : a.Sources)
        s.Options.YoAsE = !a.KeepYo;
    return true;
}

std::string affixFileOf(const std::string& dicPath) {
    const std::string base = dicPath.size() > 4 && dicPath.substr(dicPath.size() - 4) == ".dic"
                                 ? dicPath.substr(0, dicPath.size() - 4)
                                 : dicPath;
    return base + ".aff";
}

// Writes a file only when its bytes change, so that a build that makes the lists again does not touch
// what is already right.
bool writeIfChanged(const std::string& path, const std::string& bytes) {
    std::string old;
    if (TextFile::ReadAll(path, old) == TextFile::Error::None && old == bytes) return true;
    return TextFile::WriteAll(path, bytes) == TextFile::Error::None;
}

} // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (!parse(argc, argv, args)) return usage(argv[0]);

    WordListBuilder::Builder builder;
    if (args.Add) {
        for (int32_t length = WordSearch::MinLength; length <= WordSearch::MaxLength; ++length) {
            const std::string path = args.Folder + "/" + NumberText::Plain(length) + ".dat";
            std::string bytes;
            const TextFile::Error e = TextFile::ReadAll(path, bytes);
            if (e == TextFile::Error::NotFound) continue;
            if (e != TextFile::Error::None) {
                std::fprintf(stderr, "%s: cannot read %s\n", argv[0], path.c_str());
                return 1;
            }
            builder.AddWordListFile(bytes, static_cast<size_t>(length));
        }
    }
    for (const Source& source : args.Sources) {
        std::string text;
        if (TextFile::ReadAll(source.Path, text) != TextFile::Error::None) {
            std::fprintf(stderr, "%s: cannot read %s\n", argv[0], source.Path.c_str());
            return 1;
        }
        if (!source.Hunspell) {
            builder.AddEntries(WordListBuilder::PlainEntries(text), source.Options);
            continue;
        }
        const std::string affPath = affixFileOf(source.Path);
        std::string aff;
        if (TextFile::ReadAll(affPath, aff) != TextFile::Error::None) {
            std::fprintf(stderr, "%s: cannot read %s\n", argv[0], affPath.c_str());
            return 1;
        }
        const std::string encoding = HunspellDictionary::Encoding(aff);
        const auto utf8 = HunspellDictionary::ToUtf8(text, encoding);
        if (!utf8) {
            std::fprintf(stderr, "%s: %s: unknown encoding %s\n", argv[0], affPath.c_str(), encoding.c_str());
            return 1;
        }
        builder.AddEntries(HunspellDictionary::Stems(*utf8), source.Options);
    }

    std::error_code ec;
    std::filesystem::create_directories(args.Folder, ec);
    if (ec) {
        std::fprintf(stderr, "%s: cannot create %s: %s\n", argv[0], args.Folder.c_str(),
                     ec.message().c_str());
        return 1;
    }
    const WordListBuilder::WordLists& lists = builder.Lists();
    size_t total = 0;
    for (int32_t length = WordSearch::MinLength; length <= WordSearch::MaxLength; ++length) {
        const auto& words = lists.Words[static_cast<size_t>(length)];
        const std::string path = args.Folder + "/" + NumberText::Plain(length) + ".dat";
        if (!writeIfChanged(path, WordListBuilder::WordListFileText(words))) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], path.c_str());
            return 1;
        }
        total += words.size();
    }
    std::printf("%s: %zu words in %s (2.dat .. 24.dat); %zu duplicates dropped, %zu entries in other "
                "letters left out, %zu entries skipped\n",
                argv[0], total, args.Folder.c_str(), lists.Duplicates, lists.LeftOut, lists.Skipped);
    return 0;
}
