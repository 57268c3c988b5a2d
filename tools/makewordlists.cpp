// makewordlists: turns a UTF-8 word list (one word per line) into the program's word-list files
// 2.dat .. 24.dat in an output folder.
#include <cstdio>
#include <filesystem>
#include <string>

#include "basics/NumberText.h"
#include "basics/TextFile.h"
#include "document/WordListBuilder.h"
#include "document/WordSearch.h"

namespace {

int usage(const char* program) {
    std::fprintf(stderr,
                 "usage: %s WORDS.txt OUTPUT-FOLDER\n"
                 "  WORDS.txt      UTF-8 text, one word per line\n"
                 "  OUTPUT-FOLDER  receives 2.dat .. 24.dat (created when missing; existing files are "
                 "replaced)\n"
                 "Words are written in capitals in code page 1251, each once, in the order of the list.\n"
                 "Words cp1251 cannot hold and words with blanks, commas, hyphens or quotes are skipped.\n",
                 program);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::string(argv[1]).empty() || std::string(argv[2]).empty()) return usage(argv[0]);
    const std::string input = argv[1];
    const std::string folder = argv[2];

    std::string text;
    if (TextFile::ReadAll(input, text) != TextFile::Error::None) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], input.c_str());
        return 1;
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::fprintf(stderr, "%s: cannot create %s: %s\n", argv[0], folder.c_str(), ec.message().c_str());
        return 1;
    }

    const WordListBuilder::WordLists lists = WordListBuilder::BuildWordLists(text);
    size_t total = 0;
    for (int32_t length = WordSearch::MinLength; length <= WordSearch::MaxLength; ++length) {
        const auto& words = lists.Words[static_cast<size_t>(length)];
        const std::string path = folder + "/" + NumberText::Plain(length) + ".dat";
        if (TextFile::WriteAll(path, WordListBuilder::WordListFileText(words)) != TextFile::Error::None) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], path.c_str());
            return 1;
        }
        std::printf("%2d.dat %8zu words\n", length, words.size());
        total += words.size();
    }
    std::printf("%zu words written, %zu duplicates dropped, %zu lines skipped\n", total, lists.Duplicates,
                lists.Skipped);
    return 0;
}
