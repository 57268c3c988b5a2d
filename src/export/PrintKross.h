#pragma once
// The printed crossword drawn with a painter on a paged device: a printer, the print preview or a PDF
// writer. Everything is drawn as vectors: grid lines and fills, and the numbers, letters and texts as
// text in embedded fonts, so that the PDF prints sharp at any size and its text can be searched.
// Needs the window toolkit's painting (a QGuiApplication), never a window.
#include <QByteArray>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <vector>

#include "export/PrintLayout.h"

class QPagedPaintDevice;
struct KrossDocument;
struct InterfaceTexts;
struct Settings;

namespace PrintKross {

// Everything a print needs: the pages' texts and lists, the grid as paper shows it, the letter font.
struct Job {
    PrintLayout::Content Content;
    PrintLayout::PaperGrid Grid;
    QFont LetterFont;
};

// The print of the document in the language in force: the name, "author word" and author, the list
// headings of the clue labels, the grid turned when the chosen style is the turned one (as the HTML
// export does). answersPage adds the page with the answers; the caller has checked AnswersMayLeave.
Job MakeJob(const KrossDocument& doc, const InterfaceTexts& texts, const Settings& settings,
            bool answersPage);

// Draws the job's pages on the device from its current page on, laid out in the device's printable area.
void Paint(QPagedPaintDevice& device, const Job& job);
// The pages as Paint lays them out on the device, in points from the printable area's top-left corner.
std::vector<PrintLayout::Page> Layout(QPagedPaintDevice& device, const Job& job);

// The paper a new print starts on: Letter where the system's measures are American, A4 elsewhere.
QPageSize::PageSizeId DefaultPaper();

// Every print has margins of this many millimetres on every side.
constexpr double MarginMm = 15;

// The page of every print and PDF: portrait, the margins above.
QPageLayout PageLayout(QPageSize::PageSizeId paper);

// The bytes of a PDF file of the job on the given paper.
QByteArray Pdf(const Job& job, QPageSize::PageSizeId paper);

} // namespace PrintKross
