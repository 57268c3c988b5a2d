// Print, print preview, PDF and ipuz through the real window: the menu items by mode, what the PDF holds
// (read back with the poppler tools where they are installed), and ipuz files out and in.
#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "GridHelpers.h"
#include "app/DeystvieMUi.h"
#include "basics/TextFile.h"
#include "document/frmChange.h"
#include "export/ExportCommands.h"
#include "export/IpuzFormat.h"
#include "export/PrintKross.h"
#include "lang/LanguageFile.h"
#include "widgets/FileMessages.h"

namespace {

using MsgBoxM::Answer;
namespace Index = ExportCommands::TextIndex;

std::string samplePath(const char* name) {
    return std::string(GRIDMORA_PROGRAM_DIR) + "/Samples/" + name;
}

// The output of a poppler tool, or nothing when the tool is not installed.
std::optional<QString> poppler(const char* tool, const QStringList& args) {
    const QString exe = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (exe.isEmpty()) return std::nullopt;
    QProcess p;
    p.start(exe, args);
    EXPECT_TRUE(p.waitForFinished(60000)) << tool;
    EXPECT_EQ(p.exitCode(), 0) << tool << ": " << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

#define NEEDS_POPPLER()                                                                                      \
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||                                             \
        QStandardPaths::findExecutable("pdffonts").isEmpty() ||                                              \
        QStandardPaths::findExecutable("pdftoppm").isEmpty())                                                \
    GTEST_SKIP() << "poppler-utils (pdftotext, pdffonts, pdftoppm) is not installed"

// The pages of a PDF file, counted by its page objects.
qsizetype pageCount(const std::string& pdf) {
    return QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size()))
        .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")));
}

QString squeezed(QString s) {
    return s.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

class PrintIpuzTest : public RingTest {
  protected:
    void SetUp() override {
        RingTest::SetUp();
        out_ = AppDir() + "out/";
        std::filesystem::create_directories(out_);
    }
    void TearDown() override {
        ExportCommands::SetPrintResponder({});
        RingTest::TearDown();
    }
    // Crossword -> Export to PDF with the path the dialog gives.
    void ExportPdf(const std::string& chosen) {
        fileAnswers.push_back(QPath(chosen));
        ui->KrossExportPdf->trigger();
        QApplication::processEvents();
    }
    void ExportIpuz(const std::string& chosen) {
        fileAnswers.push_back(QPath(chosen));
        ui->KrossExportIpuz->trigger();
        QApplication::processEvents();
    }
    // The job and the pages the PDF export of the document in work lays out.
    PrintKross::Job Job() const {
        return PrintKross::MakeJob(Doc(), Lang(), Opt(), ui->FileAnswersPage->isChecked());
    }
    static std::vector<PrintLayout::Page> Pages(const PrintKross::Job& job) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(PrintKross::PageLayout(QPageSize::A4));
        return PrintKross::Layout(writer, job);
    }
    struct Enabled {
        bool print, answersPage;
    };
    Enabled Items() const {
        const bool print = ui->FilePrint->isEnabled();
        EXPECT_EQ(ui->FilePrintPreview->isEnabled(), print);
        EXPECT_EQ(ui->KrossExportPdf->isEnabled(), print);
        EXPECT_EQ(ui->KrossExportIpuz->isEnabled(), print);
        return {print, ui->FileAnswersPage->isEnabled()};
    }
    std::string out_;
};

TEST_F(PrintIpuzTest, MenuItemsFollowTheModeAndTheLanguage) {
    Start();
    EXPECT_EQ(ui->FilePrint->text(), Tr(Index::Print));
    EXPECT_EQ(ui->FilePrint->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(ui->KrossExportIpuz->text(), Tr(Index::ExportIpuz));
    EXPECT_NE(Tr(Index::ExportIpuz), QString::fromUtf8(BuiltInText(Index::ExportIpuz).data())); // Russian
    auto expect = [&](const char* when, Enabled e) {
        SCOPED_TRACE(when);
        const Enabled got = Items();
        EXPECT_EQ(got.print, e.print);
        EXPECT_EQ(got.answersPage, e.answersPage);
    };
    expect("no crossword", {false, false});
    NewCrossword(3, 3);
    expect("drawing", {false, false});
    DrawGrid(kRing);
    GridReady();
    expect("authoring", {true, true});
    Doc().Modified = false;
    Open(samplePath("Зверинец.krw"));
    expect("solving a protected crossword", {true, false});
    Open(samplePath("Первый.krw"));
    expect("solving a crossword without password", {true, true});
    Open(samplePath("Сетка.krw"));
    expect("solving a bare grid", {true, false});
}

// The PDF of the window, read back: every clue as text (Cyrillic), embedded fonts, two pages with the
// answers page, and the numbers in their cells both as text and on the rendered page.
TEST_F(PrintIpuzTest, PdfHoldsTheCluesFontsAndNumbersInTheirCells) {
    NEEDS_POPPLER();
    Start();
    Open(samplePath("Первый.krw"));
    ASSERT_EQ(Doc().AppMode, Mode::Solve);
    ui->FileAnswersPage->setChecked(true);
    ExportPdf(out_ + "first");
    const std::string pdf = out_ + "first.pdf";
    ASSERT_TRUE(TextFile::Exists(pdf));
    const QString file = QPath(pdf);

    const QString text = squeezed(*poppler("pdftotext", {file, "-"}));
    for (int32_t n = 1; n <= Doc().NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d)
            if (Doc().WordLength(n, d) > 0) {
                EXPECT_TRUE(text.contains(squeezed(Q(Doc().ClueTexts.Clue(n, d))))) << n << "/" << d;
                EXPECT_TRUE(text.contains(Q(Cp1251::ToLower(Doc().ClueTexts.Answer(n, d)).substr(1))));
            }
    EXPECT_TRUE(text.contains(Q(Doc().KrossName)));
    EXPECT_TRUE(text.contains(Tr(Index::AnswersHeading)));

    const QStringList fonts = poppler("pdffonts", {file})->split('\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_FALSE(fonts.isEmpty());
    for (const QString& line : fonts) {
        const QStringList cols = line.split(' ', Qt::SkipEmptyParts);
        ASSERT_GE(cols.size(), 6);
        EXPECT_EQ(cols[cols.size() - 5], "yes") << line.toStdString(); // the emb column
    }

    // Where the layout puts the grid, in points from the page's corner.
    const PrintKross::Job job = Job();
    const std::vector<PrintLayout::Page> pages = Pages(job);
    ASSERT_EQ(pages.size(), 2u);
    const double margin = PrintKross::MarginMm * 72 / 25.4;
    const PrintLayout::GridItem grid = *pages[0].Grid;
    const PrintLayout::PaperGrid& g = job.Grid;
    auto cellAt = [&](double x, double y) {
        return std::pair{static_cast<int>(std::floor((x - margin - grid.X) / grid.Cell)),
                         static_cast<int>(std::floor((y - margin - grid.Y) / grid.Cell))};
    };

    // Every number the text layer holds on page 1's grid lies in the cell of that number.
    const QString boxes = *poppler("pdftotext", {"-bbox", "-f", "1", "-l", "1", file, "-"});
    const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(\d+)</word>)re"));
    std::set<int> found;
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const auto m = it.next();
        const auto [c, r] = cellAt((m.captured(1).toDouble() + m.captured(3).toDouble()) / 2,
                                   (m.captured(2).toDouble() + m.captured(4).toDouble()) / 2);
        if (c < 0 || r < 0 || c >= g.Width || r >= g.Height) continue; // a clue's number
        EXPECT_EQ(g.Numbers[g.At(c, r)], m.captured(5).toInt()) << "cell " << c << "," << r;
        found.insert(m.captured(5).toInt());
    }
    EXPECT_EQ(found.size(), static_cast<size_t>(Doc().NumberCount));

    // The rendered page: ink in the number corner of exactly the numbered cells, blocks black.
    constexpr int dpi = 144;
    poppler("pdftoppm",
            {"-r", QString::number(dpi), "-f", "1", "-l", "1", "-png", file, QPath(out_ + "page")});
    const QImage page(QPath(out_ + "page-1.png"));
    ASSERT_FALSE(page.isNull());
    auto px = [&](double pt) { return static_cast<int>(pt * dpi / 72.0); };
    for (int32_t r = 0; r < g.Height; ++r)
        for (int32_t c = 0; c < g.Width; ++c) {
            const double x = margin + grid.X + c * grid.Cell, y = margin + grid.Y + r * grid.Cell;
            const auto kind = g.Cells[g.At(c, r)];
            if (kind == PrintLayout::PaperGrid::Cell::Block) {
                EXPECT_LT(qGray(page.pixel(px(x + grid.Cell / 2), px(y + grid.Cell / 2))), 60)
                    << c << "," << r;
                continue;
            }
            if (kind != PrintLayout::PaperGrid::Cell::Letter) continue;
            int ink = 0;
            for (int yy = px(y + 0.12 * grid.Cell); yy < px(y + 0.4 * grid.Cell); ++yy)
                for (int xx = px(x + 0.12 * grid.Cell); xx < px(x + 0.4 * grid.Cell); ++xx)
                    ink += qGray(page.pixel(xx, yy)) < 128;
            EXPECT_EQ(ink > 0, g.Numbers[g.At(c, r)] > 0) << "cell " << c << "," << r;
        }
}

TEST_F(PrintIpuzTest, TurnedStylePrintsTheGridTurned) {
    NEEDS_POPPLER();
    Start();
    ui->OptionsStyle[1]->trigger();
    AuthorRing();
    ExportPdf(out_ + "turned.pdf");
    const QString boxes =
        *poppler("pdftotext", {"-bbox", "-f", "1", "-l", "1", QPath(out_ + "turned.pdf"), "-"});
    const std::vector<PrintLayout::Page> pages = Pages(Job());
    const PrintLayout::GridItem grid = *pages[0].Grid;
    const double margin = PrintKross::MarginMm * 72 / 25.4;
    // Number 1 starts КОТ and КИТ in the top-left cell; turned, it prints in the bottom-right one.
    const QRegularExpression one(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>1</word>)re"));
    const auto m = one.match(boxes);
    ASSERT_TRUE(m.hasMatch());
    EXPECT_EQ(static_cast<int>((m.captured(1).toDouble() - margin - grid.X) / grid.Cell), 2);
    EXPECT_EQ(static_cast<int>((m.captured(2).toDouble() - margin - grid.Y) / grid.Cell), 2);
}

TEST_F(PrintIpuzTest, PrintAndPreviewShowThePages) {
    Start();
    AuthorRing();
    // The answers page only when asked for.
    const std::string printed = out_ + "printed.pdf";
    auto printTo = [&](bool withAnswers) {
        ui->FileAnswersPage->setChecked(withAnswers);
        ExportCommands::SetPrintResponder([&](QPrinter& p) {
            EXPECT_EQ(p.pageLayout().pageSize().id(), QPageSize::A4);
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(QPath(printed));
            return true;
        });
        ui->FilePaperSize[0]->trigger();
        QTest::keyClick(form, Qt::Key_P, Qt::ControlModifier);
        QApplication::processEvents();
        return pageCount(ReadFile(printed));
    };
    EXPECT_EQ(printTo(false), 1);
    EXPECT_EQ(printTo(true), 2);
    // A cancelled print dialog prints nothing.
    std::filesystem::remove(printed);
    ExportCommands::SetPrintResponder([](QPrinter&) { return false; });
    ui->FilePrint->trigger();
    EXPECT_FALSE(TextFile::Exists(printed));

    int shown = -1;
    OnModal<QPrintPreviewDialog>([&](QPrintPreviewDialog& d) {
        auto* preview = d.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        QApplication::processEvents();
        shown = preview->pageCount();
        const QByteArray dir = qgetenv("GRIDMORA_SHOTS");
        if (!dir.isEmpty()) d.grab().save(QString::fromUtf8(dir) + "/print-preview.png");
        d.reject();
    });
    ui->FilePrintPreview->trigger();
    Activate();
    EXPECT_EQ(shown, 2);
}

TEST_F(PrintIpuzTest, PdfOfAProtectedCrosswordLeavesOutTheAnswers) {
    Start();
    Open(samplePath("Зверинец.krw"));
    ui->FileAnswersPage->setChecked(true); // checked earlier, but not available now
    ExportPdf(out_ + "zoo.pdf");
    EXPECT_EQ(pageCount(ReadFile(out_ + "zoo.pdf")), 1);

    // An existing file is replaced only after asking; No keeps it.
    WriteFile(out_ + "keep.pdf", "mine");
    Plan({Answer::No});
    ExportPdf(out_ + "keep.pdf");
    EXPECT_EQ(ReadFile(out_ + "keep.pdf"), "mine");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().style, MsgBoxM::Style::ReplaceFile);
}

// A crossword file through the window to ipuz and back is the same file, byte for byte.
TEST_F(PrintIpuzTest, IpuzOutAndInGivesTheSameCrosswordFile) {
    Start();
    const std::string original = samplePath("Первый.krw");
    Open(original);
    ExportIpuz(out_ + "first"); // ".ipuz" is added
    const std::string ipuz = ReadFile(out_ + "first.ipuz");
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(ipuz)).object();
    EXPECT_EQ(o["kind"].toArray().at(0).toString(), "http://ipuz.org/crossword#1");
    EXPECT_TRUE(o.contains("solution"));

    Open(out_ + "first.ipuz");
    const auto& d = Doc();
    EXPECT_EQ(d.AppMode, Mode::Authoring);
    EXPECT_TRUE(d.Modified);
    EXPECT_TRUE(d.KrossFile.empty());
    EXPECT_EQ(form->windowTitle(), DeystvieM::AuthoringCaption(*form));
    EXPECT_TRUE(ui->txtVoprosOtvet->isVisible());
    EXPECT_TRUE(ui->KrossCopyWord->isEnabled());
    // The open dialog offered ipuz files next to crossword files.
    ASSERT_FALSE(dialogs.empty());
    EXPECT_EQ(dialogs.back().filters.size(), 3);
    EXPECT_TRUE(dialogs.back().filters[1].endsWith("(*.ipuz)"));

    fileAnswers.push_back(QPath(out_ + "again.krw"));
    ui->FileSave->trigger();
    EXPECT_EQ(ReadFile(out_ + "again.krw"), ReadFile(original));
    EXPECT_FALSE(d.Modified);
}

TEST_F(PrintIpuzTest, IpuzOfAProtectedCrosswordSaysWhatItLeavesBehind) {
    Start();
    // Locked: no solution, and a notice.
    Open(samplePath("Зверинец.krw"));
    Plan({Answer::Ok});
    ExportIpuz(out_ + "locked.ipuz");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Tr(Index::AnswersLeftOut));
    EXPECT_FALSE(QJsonDocument::fromJson(QByteArray::fromStdString(ReadFile(out_ + "locked.ipuz")))
                     .object()
                     .contains("solution"));

    // Unlocked for editing: the solution goes out, the password stays behind, and the user is told.
    OnModal<frmChange>([](frmChange& dlg) {
        dlg.txtPassword->setText(QString::fromUtf8("кот"));
        QTest::mouseClick(dlg.kOK, Qt::LeftButton);
    });
    ui->KrossChange->trigger();
    Activate();
    ASSERT_EQ(Doc().AppMode, Mode::Authoring);
    Plan({Answer::Ok});
    ExportIpuz(out_ + "open.ipuz");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, Tr(Index::IpuzWithoutPassword));
    Doc().Modified = false;
    Open(out_ + "open.ipuz");
    EXPECT_TRUE(Doc().EditPassword.empty());
    EXPECT_EQ(Doc().ClueTexts.Answer(1, 0), cp("ЖУК"));
}

TEST_F(PrintIpuzTest, RefusedIpuzNamesItsReasonAndKeepsTheCrosswordInWork) {
    Start();
    Open(samplePath("Первый.krw"));
    const std::string bad = out_ + "other.ipuz";
    WriteFile(bad, R"({"kind":["http://ipuz.org/crossword#1"],"dimensions":{"width":3,"height":3},
        "puzzle":[[1,0,3],[0,"#",0],[2,0,0]]})");
    Plan({Answer::Ok});
    Open(bad);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].style, MsgBoxM::Style::Critical);
    EXPECT_EQ(messages[0].text,
              Plain(ui->File->title()) + " " + QPath(bad) + " " + Tr(Index::CannotOpen) + " " +
                  Tr(Index::FirstRefusal + static_cast<int>(IpuzFormat::Refusal::Numbering) - 1));
    EXPECT_EQ(Doc().AppMode, Mode::Solve);
    EXPECT_EQ(Doc().KrossFile, samplePath("Первый.krw"));

    // Not JSON at all: a file from a stranger.
    WriteFile(bad, std::string(3000, '[') + "\x01\xFF");
    Plan({Answer::Ok});
    Open(bad);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].text.endsWith(Tr(Index::FirstRefusal)));
    EXPECT_EQ(Doc().AppMode, Mode::Solve);
}

} // namespace
