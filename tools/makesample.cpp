// makesample: writes a sample crossword file (.krw) from a plain UTF-8 description, building it the way the
// program builds a crossword while it is authored (see document/SampleBuilder.h for the description).
#include <cstdio>
#include <string>

#include "basics/TextFile.h"
#include "document/SampleBuilder.h"
#include "document/SaveKrossM.h"

namespace {

int usage(const char* program) {
    std::fprintf(
        stderr,
        "usage: %s DESCRIPTION.txt OUTPUT.krw\n"
        "  DESCRIPTION.txt  UTF-8 text:\n"
        "                     name: <crossword name>\n"
        "                     author: <author>\n"
        "                     password: <plain edit password, may be empty>\n"
        "                     bare: yes|no      (optional; yes = a numbered grid without answers)\n"
        "                     grid:\n"
        "                     <rows of '#' (blocked) and '.' (open)>\n"
        "                     words:\n"
        "                     <number> <A|D> <ANSWER> | <clue>\n"
        "                   Every word of the grid needs an answer, and crossing answers must agree.\n"
        "                   A bare grid takes no author, password or words.\n"
        "  OUTPUT.krw       the crossword file (replaced when it exists)\n",
        program);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::string(argv[1]).empty() || std::string(argv[2]).empty()) return usage(argv[0]);
    const std::string input = argv[1];
    const std::string output = argv[2];

    std::string text;
    if (TextFile::ReadAll(input, text) != TextFile::Error::None) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], input.c_str());
        return 1;
    }
    const SampleBuilder::BuildResult built = SampleBuilder::BuildFromText(text);
    if (!built.Document) {
        std::fprintf(stderr, "%s: %s: %s\n", argv[0], input.c_str(), built.Error.c_str());
        return 1;
    }
    const KrossDocument& doc = *built.Document;
    if (TextFile::WriteAll(output, SaveKrossM::KrossFileText(doc)) != TextFile::Error::None) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], output.c_str());
        return 1;
    }
    std::printf("%s: %d x %d, %d numbers, %d words%s\n", output.c_str(), doc.GridWidth, doc.GridHeight,
                doc.NumberCount, doc.WordCount, doc.NoAnswers != 0 ? ", no answers" : "");
    return 0;
}
