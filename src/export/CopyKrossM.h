#pragma once
// The HTML export of a crossword: one page and two pictures beside it, the empty grid and the grid with
// the answers. This file holds the parts that need no window: the names of the files and the page text.
//
// File names. The user picks a path P; the page, the two pictures and their names in the page follow
// from it:
//   page            P itself when P's file name holds a "."; otherwise P + ".htm"
//   empty grid      B + ".bmp"
//   filled grid     B + " (ответы).bmp"
// B is P without the extension of its file name. The extension starts at the LAST "." of the file name
// (the part after the last "/"), so "kross.v2.htm" gives "kross.v2", and a "." in a folder name never
// cuts the path ("/home/john.doe/kross.htm" gives "/home/john.doe/kross"). A file name whose only "." is
// its first character (a hidden file such as ".htm") has no extension and is kept whole.
//
// Page text. Texts of the crossword and of the language file are cp1251 bytes; the page is cp1251 too
// and declares it. Every text put into the page is escaped (& < > " ' become &amp; &lt; &gt; &quot;
// &#39;), so a clue such as "<script>" or "</title>" shows as written and cannot change the page.
#include <cstdint>
#include <string>
#include <string_view>

#include "document/KrossDocument.h"

namespace CopyKrossM {

struct ExportPaths {
    std::string PagePath;          // the HTML page
    std::string Base;              // B: the chosen path without the extension of its file name
    std::string EmptyPicturePath;  // B + ".bmp"
    std::string FilledPicturePath; // B + " (ответы).bmp"
    std::string EmptyPictureName;  // file name of the empty-grid picture, as the page refers to it
    std::string FilledPictureName; // file name of the filled-grid picture
};

// The page, base and picture paths for the path the user chose (native UTF-8 path, "/" between folders).
ExportPaths DerivePaths(const std::string& chosenPath);

// The name the save dialog proposes: the crossword file's name without folder and without its last four
// characters (the ".krw"); empty when there is no crossword file or its name is shorter than four
// characters. Characters are counted in UTF-8, so a Cyrillic name is never cut inside a letter.
std::string DefaultFileName(const std::string& krossFile);

// The filter of the save dialog: description / pattern pairs separated by NUL characters.
std::string DialogFilter();

// What the page is made of besides the crossword itself.
struct PageInput {
    explicit PageInput(const KrossDocument& doc) : Doc(doc) {}

    const KrossDocument& Doc;     // KrossName, KrossAuthor, NumberCount, SlotTable, ClueTexts
    std::string KrossCaption;     // caption of the Kross menu without its accelerator mark, cp1251
    std::string LangAuthorWord;   // the word put before the author's name, cp1251
    std::string AcrossHeading;    // caption of the across clues label, cp1251
    std::string DownHeading;      // caption of the down clues label, cp1251
    std::string EmptyPictureName; // file names of the two pictures (native UTF-8, no folder)
    std::string FilledPictureName;
};

// The whole page as cp1251 bytes: one line ending in CR LF with the title, author and name, the empty
// grid, the across and down clue lists, the "Ответы" heading with the filled grid, and the across and
// down answer lists. A list has an item for each number whose word in that direction has a length of 1
// or more; an item is the number with a blank in its sign position, ". " and the text.
std::string PageText(const PageInput& in);

// A cp1251 text made safe for the page: & < > " ' become entities; a CR or LF becomes a blank so the
// page stays one line.
std::string EscapeHtml(std::string_view text);

// The answer as the answer list shows it: the first character unchanged, then the last (length - 1)
// characters in lower case. An answer shorter than its word gives its first character followed by the
// rest of it in lower case (the first character is never repeated); an empty answer stays empty.
std::string AnswerItemText(std::string_view answer, int32_t length);

// Each picture is one bitmap of the whole grid, made in memory and then written as a BMP file: at most
// MaxPictureSide pixels on a side and MaxPicturePixels in all (1 GiB at 32 bits a pixel), which a grid of
// up to 818 x 818 cells reaches at the default 20-pixel cells.
constexpr int64_t MaxPictureSide = 32767;
constexpr int64_t MaxPicturePixels = int64_t{1} << 28;
// True when the pictures of a grid of columns x rows cells of cellSize pixels are within those limits.
bool PicturesFit(int64_t columns, int64_t rows, int64_t cellSize);

// A picture file name (native UTF-8) as the value of the page's src attribute: characters cp1251 holds
// are written in cp1251 and escaped like any text; characters it cannot hold, bytes that are not UTF-8,
// control characters and the characters that mean something in an address (% # ? : \) are written as
// %XX escapes of their UTF-8 bytes, so a browser finds the file whatever its name.
std::string PictureReference(std::string_view fileName);

} // namespace CopyKrossM
