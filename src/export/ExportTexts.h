#pragma once
// The language-file texts of the commands that take a crossword out of the program (print, PDF, ipuz)
// and of the command line. Plain numbers, so that the logic's description of the window's menus can name
// them too.
namespace ExportCommands {

namespace TextIndex {
constexpr int Print = 150;
constexpr int PrintPreview = 151;
constexpr int Paper = 152;
constexpr int PaperA4 = 153;
constexpr int PaperLetter = 154;
constexpr int AnswersPage = 155;
constexpr int ExportPdf = 156;
constexpr int ExportIpuz = 157;
constexpr int AnswersHeading = 158;
constexpr int PdfDescription = 159;
constexpr int IpuzDescription = 160;
constexpr int IpuzWithoutPassword = 161;
constexpr int AnswersLeftOut = 162;
constexpr int CannotOpen = 163;
constexpr int FirstRefusal = 164; // the reasons of IpuzFormat::Refusal, NotIpuz .. Clues, in order
constexpr int CommandUsage = 175;
constexpr int UnknownFormat = 176;
constexpr int NeedsPassword = 177;
constexpr int NoAnswers = 178;
} // namespace TextIndex

} // namespace ExportCommands
