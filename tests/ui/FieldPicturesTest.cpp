// The pictures the program draws, pinned pixel for pixel: the field in each mode and style, the cell
// dialog's preview and the two export pictures, compared with the PNGs in tests/ui/golden/.
//
// A new case is one row of a table below: a name (the golden file's name) and the steps that reach the
// picture through the window. Run the tests once with GRIDMORA_UPDATE_GOLDEN=1 to write the PNG of a new
// case, look at it, and commit it; a deliberate change of look updates the PNGs the same way and says so
// in its commit message. A picture that differs is saved beside the build (the path is in the failure).
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <functional>

#include "GridHelpers.h"
#include "basics/Cp1251.h"
#include "display/frmRazKletok.h"

namespace {

using MsgBoxM::Answer;

QString goldenPath(const std::string& name) {
    return QString::fromUtf8(GRIDMORA_SOURCE_DIR) + "/tests/ui/golden/" + QString::fromStdString(name) +
           ".png";
}

// Compares a picture with its golden PNG (or writes the PNG when GRIDMORA_UPDATE_GOLDEN is set).
void ExpectGolden(const QImage& picture, const std::string& name) {
    ASSERT_FALSE(picture.isNull()) << name;
    const QImage actual = picture.convertToFormat(QImage::Format_RGB32);
    if (!qgetenv("GRIDMORA_UPDATE_GOLDEN").isEmpty()) {
        ASSERT_TRUE(actual.save(goldenPath(name), "PNG")) << name;
        return;
    }
    const QImage golden = QImage(goldenPath(name)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(golden.isNull()) << "no golden picture " << goldenPath(name).toStdString()
                                  << " (GRIDMORA_UPDATE_GOLDEN=1 writes it)";
    int differ = 0, firstX = -1, firstY = -1;
    if (golden.size() == actual.size())
        for (int y = 0; y < actual.height(); ++y)
            for (int x = 0; x < actual.width(); ++x)
                if ((actual.pixel(x, y) & 0xFFFFFF) != (golden.pixel(x, y) & 0xFFFFFF) && differ++ == 0) {
                    firstX = x;
                    firstY = y;
                }
    if (golden.size() == actual.size() && differ == 0) return;
    const QString kept = QDir::tempPath() + "/gridmora-golden-" + QString::fromStdString(name) + ".png";
    actual.save(kept, "PNG");
    ADD_FAILURE() << name << ": " << actual.width() << "x" << actual.height() << " drawn, " << golden.width()
                  << "x" << golden.height() << " expected; " << differ << " pixels differ, the first at ("
                  << firstX << "," << firstY << "); the picture drawn is " << kept.toStdString();
}

// 1 across КОТ, 1 down КОЛ, 2 down ТОРТ, 3 across ЛИРА: not symmetric, so the turned style shows, with a
// block enclosed by letters at (1,1) and blocks at the edges.
const std::vector<std::string> kGrid = {"...#", ".#.#", "....", "##.#"};
// Every cell open, 12 x 2: 13 words, numbered up to two digits.
const std::vector<std::string> kNumbers = {"............", "............"};

struct PictureCase;

class FieldPicturesTest : public GridWindowTest, public ::testing::WithParamInterface<PictureCase> {
  public:
    using GridWindowTest::Author;
    using GridWindowTest::ClickCell;
    using GridWindowTest::DrawGrid;
    using GridWindowTest::NewCrossword;

    // The field as the widget paints it, the whole of it.
    QImage Field() {
        QApplication::processEvents();
        return ui->picPole->grab().toImage();
    }
    // Options -> Cell size and fonts with the cell size and number size (1..3) given, confirmed.
    void CellSettings(int cellSize, int numberSize) {
        OnModal<frmRazKletok>([=](frmRazKletok& k) {
            k.txtSzKletok->setText(QString::number(cellSize));
            k.SzNomer->setCurrentIndex(numberSize - 1);
            QTest::mouseClick(k.kOK, Qt::LeftButton);
        });
        ui->OptionsRazmerKF->trigger();
        Activate();
    }
    // The grid above authored with the answers given in the order 1 across, 1 down, 2 down, 3 across
    // (an empty one left out); each word is picked by clicking a cell that only it passes through.
    void Authored(const std::vector<const char*>& given = {"кот", "кол", "торт", "лира"}) {
        Author(kGrid);
        const int onlyIn[][2] = {{1, 0}, {0, 1}, {2, 1}, {1, 2}};
        for (size_t i = 0; i < given.size(); ++i) {
            if (*given[i] == 0) continue;
            ClickCell(onlyIn[i][0], onlyIn[i][1]);
            TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Вопрос %1").arg(i + 1));
            TypeEnter(ui->txtOtvet, QString::fromUtf8(given[i]));
        }
        Doc().KrossAuthor = cp("Автор");
    }
    // The crossword saved and opened for solving in the style given (0 classic, 1 turned).
    void Solving(int style, bool bare) {
        if (bare)
            Author(kGrid, true);
        else
            Authored();
        const std::string path = AppDir() + "pictures.krw";
        fileAnswers.push_back(QPath(path));
        ui->FileSave->trigger();
        if (style != Opt().StyleIndex) ui->OptionsStyle[static_cast<size_t>(style)]->trigger();
        fileAnswers.push_back(QPath(path));
        ui->KrossOpen->trigger();
        Activate();
    }
    void Enter(const char* text) { TypeEnter(ui->txtOtvet, QString::fromUtf8(text)); }
    // The cell dialog's preview with the cell size and number size given, while a grid is drawn.
    QImage Preview(int cellSize, int numberSize) {
        NewCrossword(3, 3);
        QImage shown;
        OnModal<frmRazKletok>([&](frmRazKletok& k) {
            k.txtSzKletok->setText(QString::number(cellSize));
            k.SzNomer->setCurrentIndex(numberSize - 1);
            QApplication::processEvents();
            shown = k.picKletka->grab().toImage();
            QTest::mouseClick(k.kNO, Qt::LeftButton);
        });
        ui->OptionsRazmerKF->trigger();
        Activate();
        return shown;
    }
    // One of the two export pictures of the authored crossword in the style given.
    QImage Exported(int style, bool filled) {
        Authored();
        if (style != Opt().StyleIndex) ui->OptionsStyle[static_cast<size_t>(style)]->trigger();
        const std::string base = AppDir() + "kross";
        fileAnswers.push_back(QPath(base + ".htm"));
        ui->KrossCopyWord->trigger();
        QApplication::processEvents();
        return QImage(QPath(base + (filled ? " (ответы).bmp" : ".bmp")));
    }
};

// ---- the cases ----

// A picture and how it is reached through the window.
struct PictureCase {
    const char* name; // the golden file: tests/ui/golden/<name>.png
    std::function<QImage(FieldPicturesTest&)> picture;
};

// Test names and failures name the case.
void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.name;
}

// The field after some steps.
PictureCase field(const char* name, std::function<void(FieldPicturesTest&)> steps) {
    return {name, [steps](FieldPicturesTest& t) {
                steps(t);
                return t.Field();
            }};
}

const PictureCase kCases[] = {
    // Drawing a new grid: blocked cells green.
    field("field_drawing",
          [](FieldPicturesTest& t) {
              t.NewCrossword(4, 4);
              t.DrawGrid(kGrid);
          }),
    // The same marks painted again at another cell size.
    field("field_drawing_cell27",
          [](FieldPicturesTest& t) {
              t.NewCrossword(4, 4);
              t.DrawGrid(kGrid);
              t.CellSettings(27, 2);
          }),
    // Authoring: three answers in, the fourth word selected by the program (its numbers on yellow).
    field("field_authoring_selected",
          [](FieldPicturesTest& t) {
              t.Authored({"кот", "кол", "торт", ""});
          }),
    // Authoring with every answer, a word selected by a click.
    field("field_authoring_clicked",
          [](FieldPicturesTest& t) {
              t.Authored();
              t.ClickCell(2, 3);
          }),
    // The same redrawn at a larger cell with the largest numbers.
    field("field_authoring_cell30_numbers3",
          [](FieldPicturesTest& t) {
              t.Authored();
              t.ClickCell(2, 3);
              t.CellSettings(30, 3);
          }),
    // A bare grid after numbering, each number size.
    field("field_bare_numbers1", [](FieldPicturesTest& t) { t.Author(kNumbers, true); }),
    field("field_bare_numbers2",
          [](FieldPicturesTest& t) {
              t.Author(kNumbers, true);
              t.CellSettings(20, 2);
          }),
    field("field_bare_numbers3",
          [](FieldPicturesTest& t) {
              t.Author(kNumbers, true);
              t.CellSettings(30, 3);
          }),
    // Solving, both styles: 1 across solved, 1 down still selected.
    field("field_solving_classic",
          [](FieldPicturesTest& t) {
              t.Solving(0, false);
              t.Enter("1");
              t.Enter("кот");
          }),
    // The turned style takes the letters in the order shown.
    field("field_solving_turned",
          [](FieldPicturesTest& t) {
              t.Solving(1, false);
              t.Enter("1");
              t.Enter("ток");
          }),
    // Solving a bare grid, both styles: one word written in, the next one selected.
    field("field_solving_bare_classic",
          [](FieldPicturesTest& t) {
              t.Solving(0, true);
              t.Enter("кот");
          }),
    field("field_solving_bare_turned",
          [](FieldPicturesTest& t) {
              t.Solving(1, true);
              t.Enter("кот");
          }),
    // The cell dialog's preview.
    {"preview_cell20_numbers1", [](FieldPicturesTest& t) { return t.Preview(20, 1); }},
    {"preview_cell40_numbers3", [](FieldPicturesTest& t) { return t.Preview(40, 3); }},
    // The export pictures, both styles.
    {"export_empty_classic", [](FieldPicturesTest& t) { return t.Exported(0, false); }},
    {"export_filled_classic", [](FieldPicturesTest& t) { return t.Exported(0, true); }},
    {"export_empty_turned", [](FieldPicturesTest& t) { return t.Exported(1, false); }},
    {"export_filled_turned", [](FieldPicturesTest& t) { return t.Exported(1, true); }},
};

TEST_P(FieldPicturesTest, MatchesItsGoldenPicture) {
    Start();
    const QImage picture = GetParam().picture(*this);
    EXPECT_LE(messages.size(), 1u); // the grid-ready question at most
    ExpectGolden(picture, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Golden, FieldPicturesTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PictureCase>& i) {
                             return std::string(i.param.name);
                         });

} // namespace
