// The HTML export through the window: file names, the two pictures, the page and unwritable targets.
#include <QImage>

#include "GridHelpers.h"
#include "basics/Cp1251.h"
#include "basics/TextFile.h"
#include "display/DigitGlyphs.h"
#include "display/frmRazKletok.h"
#include "export/CopyKrossM.h"
#include "export/CopyKrossMUi.h"

namespace {

using MsgBoxM::Answer;

// 1 across КОТ, 1 down КОЛ, 2 down ТОРТ, 3 across ЛИРА. Column 1 holds a block between two letters
// (enclosed) and one below them (outside); column 3 has blocks above and below its one letter.
const std::vector<std::string> kGrid = {"...#", ".#.#", "....", "##.#"};

class ExportTest : public GridWindowTest {
  protected:
    void SetUp() override {
        GridWindowTest::SetUp();
        out_ = AppDir() + "out";
        std::filesystem::create_directories(out_);
    }
    // The crossword above, with the answers given (an empty one is left out).
    void Crossword(const std::vector<const char*>& given = {"кот", "кол", "торт", "лира"}) {
        Author(kGrid);
        const char* clues[] = {"Домашний зверь", "Заострённая палка", "Сладкое блюдо",
                               "Музыкальный инструмент"};
        const int onlyIn[][2] = {{1, 0}, {0, 1}, {2, 1}, {1, 2}}; // a cell of that word alone
        const int word[][2] = {{1, 0}, {1, 1}, {2, 1}, {3, 0}};   // its number and direction
        for (size_t i = 0; i < given.size(); ++i) {
            if (*given[i] == 0) continue;
            ClickCell(onlyIn[i][0], onlyIn[i][1]);
            TypeEnter(ui->txtVoprosOtvet, QString::fromUtf8(clues[i]));
            TypeEnter(ui->txtOtvet, QString::fromUtf8(given[i]));
            EXPECT_EQ(Cp1251::ToLower(Doc().ClueTexts.Answer(word[i][0], word[i][1])), cp(given[i]));
        }
        Doc().KrossAuthor = cp("Иванов");
    }
    // Runs the export command with the path the dialog gives.
    void Export(const std::string& chosen) {
        fileAnswers.push_back(QPath(chosen));
        ui->KrossCopyWord->trigger();
        QApplication::processEvents();
    }
    static QImage Picture(const std::string& path) { return QImage(QPath(path)); }
    // Colour of a picture's pixel as 0x00BBGGRR.
    static int32_t At(const QImage& img, int x, int y) { return FromQColor(img.pixelColor(x, y)); }
    // True when every pixel of the box (inclusive) has the colour.
    static bool All(const QImage& img, int x1, int y1, int x2, int y2, int32_t bgr) {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if (At(img, x, y) != bgr) return false;
        return true;
    }
    // The cell at picture corner (x, y) is a letter cell: white inside, a black outline round it.
    static void ExpectLetterCell(const QImage& img, int x, int y, const char* what) {
        SCOPED_TRACE(what);
        EXPECT_TRUE(All(img, x, y, x + 20, y, Colors::Black));
        EXPECT_TRUE(All(img, x, y + 20, x + 20, y + 20, Colors::Black));
        EXPECT_TRUE(All(img, x, y, x, y + 20, Colors::Black));
        EXPECT_TRUE(All(img, x + 20, y, x + 20, y + 20, Colors::Black));
        EXPECT_EQ(At(img, x + 10, y + 4), Colors::White);
    }
    // The glyph of a one-digit number drawn from the white half of the strip at (x + 2, y + 2).
    static void ExpectNumber(const QImage& img, int x, int y, int digit) {
        const auto strip = DigitGlyphs::BuildStrip(1);
        for (int gy = 0; gy < 7; ++gy)
            for (int gx = 0; gx < 5; ++gx) {
                const bool ink = (strip.At(digit * 5 + gx, gy) & 0xFFFFFF) == 0;
                ASSERT_EQ(At(img, x + 2 + gx, y + 2 + gy), ink ? Colors::Black : Colors::White)
                    << "digit " << digit << " at " << gx << "," << gy;
            }
    }
    // Some pixel of the cell's lower part (where the letter sits) is neither white nor the outline.
    static bool HasInk(const QImage& img, int x, int y) {
        return !All(img, x + 1, y + 9, x + 19, y + 19, Colors::White);
    }
    std::string out_;
};

TEST_F(ExportTest, FileNamesFollowTheChosenPath) {
    Start();
    Crossword();
    Doc().KrossFile = AppDir() + "Samples/Мой кросс.krw";
    fileAnswers.push_back(QString()); // cancelled: nothing is written
    ui->KrossCopyWord->trigger();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_TRUE(dialogs[0].save);
    EXPECT_EQ(dialogs[0].name, QStringLiteral("Мой кросс"));
    EXPECT_EQ(dialogs[0].filters, apiOpenSaveM::NameFilters(CopyKrossM::DialogFilter()));
    EXPECT_TRUE(std::filesystem::is_empty(out_));

    std::filesystem::create_directories(out_ + "/my.site");
    const struct {
        std::string chosen, page, empty, filled;
    } cases[] = {
        {"/kross", "/kross.htm", "/kross.bmp", "/kross (ответы).bmp"},
        {"/web.html", "/web.html", "/web.bmp", "/web (ответы).bmp"},
        // A dot in a folder's name is not an extension: the pictures stay beside the page.
        {"/my.site/kross.htm", "/my.site/kross.htm", "/my.site/kross.bmp", "/my.site/kross (ответы).bmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        Export(out_ + c.chosen);
        EXPECT_TRUE(std::filesystem::exists(out_ + c.page));
        EXPECT_FALSE(Picture(out_ + c.empty).isNull());
        EXPECT_FALSE(Picture(out_ + c.filled).isNull());
        const std::string page = ReadFile(out_ + c.page);
        const std::string emptyName = c.empty.substr(c.empty.rfind('/') + 1);
        EXPECT_NE(page.find("<img src='" + emptyName + "'>"), std::string::npos);
        EXPECT_NE(page.find("<img src='" + cp(c.filled.substr(c.filled.rfind('/') + 1).c_str()) + "'>"),
                  std::string::npos);
    }
    EXPECT_EQ(messages.size(), 1u); // only the grid-ready question
}

TEST_F(ExportTest, PicturesShowTheCellsNumbersAndLetters) {
    Start();
    Crossword();
    Export(out_ + "/kross.htm");
    const QImage empty = Picture(out_ + "/kross.bmp");
    const QImage filled = Picture(out_ + "/kross (ответы).bmp");
    ASSERT_EQ(empty.size(), QSize(81, 81));
    ASSERT_EQ(filled.size(), QSize(81, 81));
    // Letter cells, numbered where a word starts.
    const int letterCells[][2] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {2, 1},
                                  {0, 2}, {1, 2}, {2, 2}, {3, 2}, {2, 3}};
    for (const auto& cell : letterCells) {
        const std::string where = std::to_string(cell[0]) + "," + std::to_string(cell[1]);
        ExpectLetterCell(empty, cell[0] * 20, cell[1] * 20, where.c_str());
        ExpectLetterCell(filled, cell[0] * 20, cell[1] * 20, where.c_str());
        EXPECT_FALSE(HasInk(empty, cell[0] * 20, cell[1] * 20)) << where; // no letters in the empty grid
        EXPECT_TRUE(HasInk(filled, cell[0] * 20, cell[1] * 20)) << where;
    }
    ExpectNumber(empty, 0, 0, 1);
    ExpectNumber(empty, 40, 0, 2);
    ExpectNumber(empty, 0, 40, 3);
    ExpectNumber(filled, 40, 0, 2);
    EXPECT_TRUE(All(empty, 21, 3, 39, 8, Colors::White)); // no number where no word starts
    // The enclosed block stays black; blocks the scan reaches from the top or bottom are white, unlined.
    EXPECT_TRUE(All(empty, 21, 21, 39, 39, Colors::Black));
    EXPECT_TRUE(All(empty, 21, 61, 39, 80, Colors::White)); // (1,3)
    EXPECT_TRUE(All(empty, 0, 61, 19, 80, Colors::White));  // (0,3)
    EXPECT_TRUE(All(empty, 61, 0, 80, 39, Colors::White));  // (3,0) and (3,1)
    EXPECT_TRUE(All(empty, 61, 61, 80, 80, Colors::White)); // (3,3)
    EXPECT_TRUE(All(filled, 21, 21, 39, 39, Colors::Black));
    // The letter sits right-aligned at the letter offset, as on the field.
    Surface& s = form->ExportPicture();
    const int w = s.TextWidth(QStringLiteral("О"));
    EXPECT_TRUE(All(filled, 21, 1, 20 + 20 - w - 3, 19, Colors::White));
    EXPECT_EQ(At(s.Image(), 1, 1), Colors::Black); // the surface is cleared afterwards

    // The page: the captions without their "&" markers, the clues, the answers.
    const std::string page = ReadFile(out_ + "/kross.htm");
    const std::string kross = Cp(Plain(ui->Kross->title()));
    ASSERT_NE(Cp(ui->Kross->title()), kross); // the Kross caption does carry a marker
    EXPECT_EQ(page.rfind("<html><head>", 0), 0u);
    EXPECT_NE(page.find("<title>" + kross + ": \"" + cp("Тест") + "\" " + Lang().LangAuthorWord + " " +
                        cp("Иванов") + "</title>"),
              std::string::npos);
    EXPECT_NE(page.find("<br><b>" + Cp(ui->lblGorizont->text()) + "</b>  1. " + cp("Домашний зверь") +
                        " 3. " + cp("Музыкальный инструмент")),
              std::string::npos);
    EXPECT_NE(page.find("<br><b>" + Cp(ui->lblVertikal->text()) + "</b>  1. " + cp("Заострённая палка") +
                        " 2. " + cp("Сладкое блюдо")),
              std::string::npos);
    EXPECT_NE(page.find(cp(" 1. Кот 3. Лира")), std::string::npos);
    EXPECT_NE(page.find(cp(" 1. Кол 2. Торт</body></html>\r\n")), std::string::npos);
}

TEST_F(ExportTest, HeadingsLoseTheirMarkers) {
    Start();
    Crossword();
    ui->lblGorizont->setText(QStringLiteral("&По горизонтали:"));
    ui->lblVertikal->setText(QStringLiteral("По &&вертикали:"));
    Export(out_ + "/k.htm");
    const std::string page = ReadFile(out_ + "/k.htm");
    EXPECT_NE(page.find(cp("<br><b>По горизонтали:</b> ")), std::string::npos);
    EXPECT_NE(page.find(cp("<br><b>По &amp;вертикали:</b> ")), std::string::npos);
}

TEST_F(ExportTest, ClassicStyleOffTurnsBothPictures) {
    Start();
    Crossword({"кот", "кол", "", "лира"}); // 2 down stays without answer
    ui->OptionsStyle[1]->trigger();        // while authoring only the setting changes
    ASSERT_EQ(Opt().StyleIndex, 1);
    ASSERT_EQ(Doc().ActiveStyle, 0);
    Export(out_ + "/k.htm");
    const QImage empty = Picture(out_ + "/k.bmp");
    const QImage filled = Picture(out_ + "/k (ответы).bmp");
    ASSERT_EQ(empty.size(), QSize(81, 81));
    // Cell (c, r) is drawn at ((3 - c) * 20, (3 - r) * 20).
    ExpectLetterCell(empty, 60, 60, "(0,0)");
    ExpectNumber(empty, 60, 60, 1);
    ExpectNumber(empty, 60, 20, 3);                         // (0,2)
    EXPECT_TRUE(All(empty, 41, 41, 59, 59, Colors::Black)); // the enclosed block (1,1)
    EXPECT_TRUE(All(empty, 40, 0, 60, 19, Colors::White));  // (1,3): outside
    // (2,1) and (2,3) are only in 2 down, which has no answer: no cells; (2,0) and (2,2) are letters.
    EXPECT_TRUE(All(empty, 20, 0, 39, 19, Colors::White));  // (2,3) outside
    EXPECT_TRUE(All(empty, 21, 41, 39, 59, Colors::Black)); // (2,1) between letters: black
    ExpectLetterCell(empty, 20, 60, "(2,0)");
    EXPECT_FALSE(HasInk(empty, 20, 60));
    EXPECT_TRUE(HasInk(filled, 20, 60));
    EXPECT_TRUE(HasInk(filled, 60, 60));
    const std::string page = ReadFile(out_ + "/k.htm");
    EXPECT_NE(page.find(cp(" 1. Кол 2. </body>")), std::string::npos); // the word without answer is listed
}

TEST_F(ExportTest, OneRowGrid) {
    Start();
    Author({"..#.."});
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Нота"));
    TypeEnter(ui->txtOtvet, QStringLiteral("ля")); // 2 across stays without answer
    Export(out_ + "/row");
    const QImage empty = Picture(out_ + "/row.bmp");
    const QImage filled = Picture(out_ + "/row (ответы).bmp");
    ASSERT_EQ(empty.size(), QSize(101, 21));
    ExpectLetterCell(empty, 0, 0, "(0,0)");
    ExpectLetterCell(empty, 20, 0, "(1,0)");
    ExpectNumber(empty, 0, 0, 1);
    EXPECT_TRUE(All(empty, 41, 0, 100, 20, Colors::White)); // the block and the open word: outside
    EXPECT_TRUE(HasInk(filled, 20, 0));
    EXPECT_TRUE(All(filled, 41, 0, 100, 20, Colors::White));
    EXPECT_TRUE(std::filesystem::exists(out_ + "/row.htm"));
}

TEST_F(ExportTest, AnUnwritableFileIsReportedAndNoPageClaimsSuccess) {
    Start();
    Crossword();
    const QString fileCaption = Plain(ui->File->title());
    const QString access = Q(Lang().LangAccessError);
    const QString write = Q(Lang().LangWriteError);
    const struct {
        const char* what;
        std::string chosen;                     // what the dialog gives
        std::string blocked;                    // a folder made where a file should go ("" none)
        std::string failing;                    // the path the message names
        bool emptyPicture, filledPicture, page; // what is written
        bool accessError;                       // else the write error
    } cases[] = {
        {"no such folder", out_ + "/none/k.htm", "", out_ + "/none/k.bmp", false, false, false, false},
        {"empty picture", out_ + "/a.htm", out_ + "/a.bmp", out_ + "/a.bmp", false, false, false, true},
        {"filled picture", out_ + "/b.htm", out_ + "/b (ответы).bmp", out_ + "/b (ответы).bmp", true, false,
         false, true},
        {"page", out_ + "/c.htm", out_ + "/c.htm", out_ + "/c.htm", true, true, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.blocked.empty()) std::filesystem::create_directories(c.blocked);
        messages.clear();
        Plan({Answer::Ok});
        Export(c.chosen);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text,
                  fileCaption + " " + QPath(c.failing) + " " + (c.accessError ? access : write));
        EXPECT_EQ(messages[0].style, MsgBoxM::Style::Critical);
        const auto paths = CopyKrossM::DerivePaths(c.chosen);
        EXPECT_EQ(TextFile::Exists(paths.EmptyPicturePath), c.emptyPicture);
        EXPECT_EQ(TextFile::Exists(paths.FilledPicturePath), c.filledPicture);
        EXPECT_EQ(TextFile::Exists(paths.PagePath), c.page);
    }
    // The program goes on: the same crossword exports once the target is writable.
    EXPECT_EQ(Doc().AppMode, Mode::Authoring);
    messages.clear();
    Export(out_ + "/d.htm");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(TextFile::Exists(out_ + "/d.htm"));
}

// Pictures too large for one bitmap are refused before anything is written, naming their size; the
// field itself shows such a grid. At smaller cells the same crossword exports.
TEST_F(ExportTest, PicturesTooLargeForOneBitmapAreRefusedWithTheirSize) {
    Start();
    Crossword();
    struct Case {
        int columns, rows, cellSize;
        bool fits;
    } cases[] = {
        {4, 1, 8191, true},                                // 32765 x 8192 = 268,410,880 pixels
        {4, 1, 8192, false},                               // 32769 pixels wide
        {4, 4, 8191, false},                               // 32765 x 32765: more than 2^28 pixels
        {32766, 1, 1, true},                               // 32767 x 2
        {32767, 1, 1, false},                              // 32768 wide
        {16383, 16383, 1, true}, {20000, 20000, 1, false}, // 400 Mpixels
        {0, 4, 20, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CopyKrossM::PicturesFit(c.columns, c.rows, c.cellSize), c.fits)
            << c.columns << "x" << c.rows << " at " << c.cellSize;

    auto cellSize = [this](int size) {
        OnModal<frmRazKletok>([size](frmRazKletok& k) {
            k.txtSzKletok->setText(QString::number(size));
            QTest::mouseClick(k.kOK, Qt::LeftButton);
        });
        ui->OptionsRazmerKF->trigger();
        Activate();
        ASSERT_EQ(Opt().CellSize, size);
    };
    cellSize(9000);
    EXPECT_EQ(ui->picPole->width(), 4 * 9000 + 10);
    messages.clear();
    Plan({Answer::Ok});
    Export(out_ + "/big.htm");
    ASSERT_EQ(messages.size(), 1u);
    QString text = Tr(CopyKrossM::TextIndex::PictureTooLarge);
    text.replace(QStringLiteral("%1"), QStringLiteral("36001 x 36001"));
    EXPECT_EQ(messages[0].text, Plain(ui->File->title()) + " " + QPath(out_ + "/big.bmp") + " " + text);
    EXPECT_EQ(messages[0].style, MsgBoxM::Style::Critical);
    for (const char* name : {"/big.htm", "/big.bmp", "/big (ответы).bmp"})
        EXPECT_FALSE(TextFile::Exists(out_ + name)) << name;

    cellSize(20);
    messages.clear();
    Export(out_ + "/small.htm");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Picture(out_ + "/small.bmp").size(), QSize(81, 81));
}

// Exports the sample crossword for the browser check (tests/html/check_export.sh) into the folder that
// GRIDMORA_EXPORT_DIR names; without it, into the test's own folder.
TEST_F(ExportTest, SamplePageForTheBrowser) {
    Start();
    Crossword();
    const char* dir = getenv("GRIDMORA_EXPORT_DIR");
    const std::string folder = dir && *dir ? std::string(dir) : out_;
    Export(folder + "/sample.htm");
    EXPECT_TRUE(TextFile::Exists(folder + "/sample.htm"));
    EXPECT_TRUE(TextFile::Exists(folder + "/sample.bmp"));
    EXPECT_TRUE(TextFile::Exists(folder + "/sample (ответы).bmp"));
}

} // namespace
