// The letter-font dialog and the cell and font settings dialog.
#include <QColorDialog>

#include "DialogHelpers.h"
#include "GridHelpers.h"
#include "app/ApiFontUi.h"
#include "display/CellPainter.h"
#include "display/NewFontMUi.h"
#include "display/frmRazKletok.h"

namespace {

using ApiFont::LetterFontChoice;
using MsgBoxM::Answer;

const std::vector<std::string> kRing = {"...", ".#.", "..."};

class CellFontDialogTest : public GridWindowTest {
  protected:
    void TearDown() override {
        ApiFont::SetResponder({});
        GridWindowTest::TearDown();
    }
    // The font dialog answers with this choice (or Cancel when empty), recording where it started.
    void FontAnswer(std::optional<LetterFontChoice> choice) {
        ApiFont::SetResponder([this, choice](const LetterFontChoice& start) {
            fontStarts.push_back(start);
            return choice;
        });
    }
    // Types into the size box as a user does.
    static void TypeSize(frmRazKletok& k, const char* keys) {
        k.txtSzKletok->setFocus();
        k.txtSzKletok->selectAll();
        QTest::keyClick(k.txtSzKletok, Qt::Key_Backspace);
        QTest::keyClicks(k.txtSzKletok, QString::fromUtf8(keys));
    }
    static int32_t Preview(frmRazKletok& k, int x, int y) { return k.picKletka->S.Pixel(x, y); }

    std::vector<LetterFontChoice> fontStarts;
};

// The letter-font settings the dialogs may change.
struct LetterFont {
    std::string name;
    int32_t size, color;
    bool bold, italic, underline;
    bool operator==(const LetterFont&) const = default;
};
LetterFont LetterFontOf(const Settings& s) {
    return {s.LetterFontName, s.LetterFontSize,   s.LetterFontColor,
            s.LetterFontBold, s.LetterFontItalic, s.LetterFontUnderline};
}

TEST_F(CellFontDialogTest, ChooseLetterFontWritesAConfirmedChoiceOnly) {
    Start();
    auto& o = Opt();
    const LetterFontChoice chosen{QStringLiteral("DejaVu Serif"), 12, true, true, false, true, 0x000000FF};
    FontAnswer(chosen);
    EXPECT_GT(ApiFont::ChooseLetterFont(), 0);
    ASSERT_EQ(fontStarts.size(), 1u);
    const LetterFontChoice defaults{QStringLiteral("MS Sans Serif"), 10, true, false, false, false, 0};
    EXPECT_EQ(fontStarts[0], defaults);
    EXPECT_EQ(o.LetterFontName, "DejaVu Serif");
    EXPECT_EQ(o.LetterFontSize, 12);
    EXPECT_TRUE(o.LetterFontBold);
    EXPECT_TRUE(o.LetterFontItalic);
    EXPECT_FALSE(o.LetterFontUnderline);
    EXPECT_TRUE(o.LetterFontStrikeout);
    EXPECT_EQ(o.LetterFontColor, 255); // red as 0x00BBGGRR

    // Cancel changes nothing; the next dialog starts from what the settings now say.
    const Settings before = o;
    FontAnswer(std::nullopt);
    EXPECT_EQ(ApiFont::ChooseLetterFont(), 0);
    EXPECT_EQ(o, before);
    EXPECT_EQ(fontStarts[1], chosen);

    // A face whose name the settings cannot hold keeps the face in force; the rest is taken.
    FontAnswer(LetterFontChoice{QStringLiteral("字体"), 9, false, false, true, false, 0x00FF0000});
    EXPECT_EQ(ApiFont::ChooseLetterFont(), 1);
    EXPECT_EQ(o.LetterFontName, "DejaVu Serif");
    EXPECT_EQ(o.LetterFontSize, 9);
    EXPECT_TRUE(o.LetterFontUnderline);
    EXPECT_EQ(o.LetterFontColor, 0x00FF0000);
}

TEST_F(CellFontDialogTest, TheRealFontDialogStartsFromTheSettingsAndReportsTheChoice) {
    Start();
    auto& o = Opt();
    o.LetterFontName = "DejaVu Sans";
    o.LetterFontSize = 11;
    o.LetterFontItalic = true;
    OnModal<ApiFont::LetterFontDialog>([](ApiFont::LetterFontDialog& f) {
        EXPECT_EQ(f.FontFamily->currentText(), QStringLiteral("DejaVu Sans"));
        for (int i = 0; i < f.FontFamily->count(); ++i)
            EXPECT_TRUE(FitsCp1251(f.FontFamily->itemText(i)));
        EXPECT_EQ(f.FontSize->value(), 11);
        EXPECT_TRUE(f.Bold->isChecked());
        EXPECT_TRUE(f.Italic->isChecked());
        EXPECT_FALSE(f.Underline->isChecked());
        EXPECT_FALSE(f.Strikeout->isChecked());
        const int serif = f.FontFamily->findText(QStringLiteral("DejaVu Serif"));
        ASSERT_GE(serif, 0);
        f.FontFamily->setCurrentIndex(serif);
        f.FontSize->setValue(14);
        f.Bold->click();
        f.Underline->click();
        // The colour button opens the colour dialog; blue is picked there.
        QTimer::singleShot(0, [] {
            auto* picker = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(picker, nullptr);
            picker->setCurrentColor(QColor(0, 0, 255));
            picker->accept();
        });
        QTest::mouseClick(f.ColorButton, Qt::LeftButton);
        // The sample shows the choice.
        EXPECT_EQ(f.Sample->font().family(), QStringLiteral("DejaVu Serif"));
        EXPECT_EQ(f.Sample->font().pointSize(), 14);
        EXPECT_TRUE(f.Sample->font().underline());
        EXPECT_FALSE(f.Sample->font().bold());
        EXPECT_EQ(f.Sample->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        DialogShot(&f, "letter-font-dialog");
        QTest::mouseClick(f.OkButton, Qt::LeftButton);
    });
    EXPECT_EQ(ApiFont::ChooseLetterFont(), 1);
    EXPECT_EQ(o.LetterFontName, "DejaVu Serif");
    EXPECT_EQ(o.LetterFontSize, 14);
    EXPECT_FALSE(o.LetterFontBold);
    EXPECT_TRUE(o.LetterFontItalic);
    EXPECT_TRUE(o.LetterFontUnderline);
    EXPECT_FALSE(o.LetterFontStrikeout);
    EXPECT_EQ(o.LetterFontColor, 0x00FF0000);

    // Cancel after changes: nothing is written.
    const Settings before = o;
    OnModal<ApiFont::LetterFontDialog>([](ApiFont::LetterFontDialog& f) {
        f.FontSize->setValue(30);
        f.Strikeout->click();
        QTest::mouseClick(f.CancelButton, Qt::LeftButton);
    });
    EXPECT_EQ(ApiFont::ChooseLetterFont(), 0);
    EXPECT_EQ(o, before);

    // A face this system only substitutes stays on offer, so OK keeps it.
    o.LetterFontName = "MS Sans Serif";
    OnModal<ApiFont::LetterFontDialog>([](ApiFont::LetterFontDialog& f) {
        EXPECT_EQ(f.FontFamily->currentText(), QStringLiteral("MS Sans Serif"));
        QTest::keyClick(f.FontSize, Qt::Key_Return);
    });
    EXPECT_EQ(ApiFont::ChooseLetterFont(), 1);
    EXPECT_EQ(o.LetterFontName, "MS Sans Serif");
}

TEST_F(CellFontDialogTest, TheSizeBoxTakesDigitsAndThePreviewFollowsSizesAboveTen) {
    Start();
    NewCrossword(3, 3);
    OnModal<frmRazKletok>([this](frmRazKletok& k) {
        const auto& t = Lang();
        EXPECT_EQ(k.windowTitle(), Plain(ui->OptionsRazmerKF->text()));
        EXPECT_EQ(k.Label1->text(), Q(t.LangText[17]));
        EXPECT_EQ(k.Label2->text(), Q(t.LangText[18]));
        EXPECT_EQ(k.kFont->text(), Q(t.LangText[19]));
        EXPECT_EQ(k.Label3->text(), Q(t.LangText[20]));
        EXPECT_EQ(k.kNO->text(), Q(t.LangText[5]));
        EXPECT_EQ(k.kOK->text(), QStringLiteral("OK"));
        ASSERT_EQ(k.SzNomer->count(), 3);
        EXPECT_EQ(k.SzNomer->itemText(2), QStringLiteral("x3"));
        EXPECT_EQ(k.SzNomer->currentIndex(), 0);
        EXPECT_EQ(k.txtSzKletok->text(), QStringLiteral("20"));
        // A 20-pixel cell from (5, 5) with the glyph of "1" copied to (7, 7): "..#.." on its top row.
        EXPECT_EQ(Preview(k, 5, 12), Colors::Black);
        EXPECT_EQ(Preview(k, 25, 12), Colors::Black);
        EXPECT_EQ(Preview(k, 12, 25), Colors::Black);
        EXPECT_EQ(Preview(k, 15, 12), Colors::White);
        EXPECT_EQ(Preview(k, 9, 7), Colors::Black);
        EXPECT_EQ(Preview(k, 8, 7), Colors::White);
        EXPECT_EQ(Preview(k, 2, 2), k.picKletka->S.Background());

        TypeSize(k, "3a -0.");
        EXPECT_EQ(k.txtSzKletok->text(), QStringLiteral("30"));
        EXPECT_EQ(Preview(k, 35, 12), Colors::Black);
        EXPECT_EQ(Preview(k, 25, 12), Colors::White);
        // Down to 10 or less: the preview keeps the last size above 10.
        for (const char* keys : {"3", "10", "7"}) {
            TypeSize(k, keys);
            EXPECT_EQ(Preview(k, 35, 12), Colors::Black) << keys;
            EXPECT_EQ(Preview(k, 25, 12), Colors::White) << keys;
        }
        TypeSize(k, "11");
        EXPECT_EQ(Preview(k, 16, 12), Colors::Black);
        EXPECT_EQ(Preview(k, 35, 12), k.picKletka->S.Background());

        // The number size shows the larger glyph at once (the letter sits clear of it in a larger cell).
        TypeSize(k, "40");
        k.SzNomer->setCurrentIndex(2);
        DialogShot(&k, "cell-size-dialog");
        const Surface& strip = CellPainter::DigitStrip(3);
        int differ = 0;
        for (int y = 0; y < strip.Height(); ++y)
            for (int x = 0; x < 15; ++x)
                differ += Preview(k, 7 + x, 7 + y) != strip.Pixel(15 + x, y);
        EXPECT_EQ(differ, 0);
        QTest::mouseClick(k.kNO, Qt::LeftButton);
    });
    ui->OptionsRazmerKF->trigger();
    Activate();
    EXPECT_EQ(Opt().CellSize, 20);
    EXPECT_EQ(Opt().NumberSize, 1);
}

TEST_F(CellFontDialogTest, OkWhileDrawingKeepsEveryMarkAtTheNewSize) {
    Start();
    NewCrossword(4, 3);
    DrawGrid({"#...", ".#..", "...#"});
    OnModal<frmRazKletok>([](frmRazKletok& k) {
        TypeSize(k, "30");
        k.SzNomer->setCurrentIndex(1);
        QTest::mouseClick(k.kOK, Qt::LeftButton);
    });
    ui->OptionsRazmerKF->trigger();
    Activate();
    EXPECT_EQ(Opt().CellSize, 30);
    EXPECT_EQ(Opt().NumberSize, 2);
    EXPECT_EQ(ui->picPole->size(), QSize(4 * 30 + 15, 3 * 30 + 15));
    const bool marked[3][4] = {
        {true, false, false, false}, {false, true, false, false}, {false, false, false, true}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) {
            const int32_t want = marked[r][c] ? Colors::Green : Colors::White;
            EXPECT_EQ(CellPixel(c, r, 1, 1), want) << c << "," << r;
            EXPECT_EQ(CellPixel(c, r, 29, 29), want) << c << "," << r;
            EXPECT_EQ(CellPixel(c, r, 0, 15), Colors::Black) << c << "," << r; // grid line
        }
    EXPECT_EQ(FieldPixel(5 + 4 * 30, 5 + 3 * 30), Colors::Black);
    EXPECT_EQ(FieldPixel(5 + 4 * 30 + 1, 20), Colors::FieldBack);
    // Clicks land on the cells of the new size.
    ClickCell(2, 0);
    EXPECT_EQ(Doc().Cell(2, 0), 1);
    EXPECT_EQ(CellPixel(2, 0, 15, 15), Colors::Green);
}

TEST_F(CellFontDialogTest, OkWhileAuthoringAppliesTheFontAndRedrawsAtTheNewSizeKeepingTheSelection) {
    Start();
    Author(kRing);
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Домашний зверь"));
    TypeEnter(ui->txtOtvet, QStringLiteral("кот"));
    ClickCell(2, 1); // 2 down
    ASSERT_EQ(Doc().CurNumber, 2);
    ASSERT_EQ(Doc().CurDirection, 1);
    FontAnswer(LetterFontChoice{QStringLiteral("DejaVu Sans"), 14, true, false, false, false, 0x000000FF});
    OnModal<frmRazKletok>([](frmRazKletok& k) {
        TypeSize(k, "30");
        QTest::mouseClick(k.kFont, Qt::LeftButton);
        EXPECT_EQ(k.picKletka->S.Font().pointSize(), 14);
        EXPECT_EQ(k.picKletka->S.TextColor(), 0x000000FF);
        QTest::mouseClick(k.kOK, Qt::LeftButton);
    });
    ui->OptionsRazmerKF->trigger();
    Activate();
    const auto& d = Doc();
    EXPECT_EQ(Opt().CellSize, 30);
    EXPECT_EQ(d.CurNumber, 2);
    EXPECT_EQ(d.CurDirection, 1);
    const FieldWidget& field = *ui->picPole;
    EXPECT_EQ(field.size(), QSize(3 * 30 + 10, 3 * 30 + 10));
    EXPECT_EQ(field.LetterFont().pointSize(), 14);
    EXPECT_EQ(field.LetterColor(), 0x000000FF);
    EXPECT_EQ(NewFontM::LetterOffsetY, 30 - field.TextHeight(QStringLiteral("0")));
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(CellPixel(2, r, 3, 25), SelectionColor) << r;
    EXPECT_EQ(CellPixel(0, 1, 3, 25), CellColor);
    EXPECT_EQ(CellPixel(1, 1, 15, 15), Colors::FieldBack);
    EXPECT_EQ(FieldPixel(5 + 30, 5 + 75), Colors::Black); // the outline between cells at the new size
    // The letters are drawn in the new colour.
    int red = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            red += CellPixel(1, 0, x, y) == 0x000000FF;
    EXPECT_GT(red, 0);
}

TEST_F(CellFontDialogTest, ClosingWithoutOkGivesTheLetterFontBack) {
    Start();
    Author(kRing);
    const LetterFont before = LetterFontOf(Opt());
    const std::function<void(frmRazKletok&)> closers[] = {
        [](frmRazKletok& k) { QTest::mouseClick(k.kNO, Qt::LeftButton); },
        [](frmRazKletok& k) { QTest::keyClick(k.txtSzKletok, Qt::Key_Escape); },
        [](frmRazKletok& k) { k.close(); },
    };
    int size = 15;
    for (const auto& close : closers) {
        ++size;
        FontAnswer(
            LetterFontChoice{QStringLiteral("DejaVu Serif"), size, false, true, true, false, 0x000000FF});
        OnModal<frmRazKletok>([close, size](frmRazKletok& k) {
            TypeSize(k, "40");
            QTest::mouseClick(k.kFont, Qt::LeftButton);
            EXPECT_EQ(Opt().LetterFontSize, size);
            close(k);
        });
        ui->OptionsRazmerKF->trigger();
        Activate();
        EXPECT_EQ(LetterFontOf(Opt()), before) << size;
        EXPECT_EQ(Opt().CellSize, 20);
        // The export picture keeps the font last chosen.
        EXPECT_EQ(form->ExportPicture().Font().pointSize(), size);
        EXPECT_EQ(ui->picPole->LetterFont().pointSize(), before.size);
    }
}

TEST_F(CellFontDialogTest, ASizeBelowOneOrTooLargeForTheFieldIsRefused) {
    Start();
    Author(kRing);
    ASSERT_EQ(ui->picPole->width(), 3 * 20 + 10);
    Plan({Answer::Ok, Answer::Ok, Answer::Ok, Answer::Ok});
    OnModal<frmRazKletok>([this](frmRazKletok& k) {
        // 3 cells of 5592401 pixels and the margin make a field wider than 2^24 - 1 pixels.
        for (const char* size : {"0", "", "5592401", "99999999999"}) {
            TypeSize(k, size);
            QTest::mouseClick(k.kOK, Qt::LeftButton);
            EXPECT_TRUE(k.isVisible()) << size;
            EXPECT_FALSE(k.confirmed);
            EXPECT_EQ(Opt().CellSize, 20);
        }
        ASSERT_EQ(messages.size(), 5u);
        // 0 and an empty box are too small; the others too large for the field.
        for (size_t i = 1; i < messages.size(); ++i) {
            EXPECT_EQ(messages[i].text, i <= 2 ? Tr(LangIndex::CellSizeTooSmall) : Q(Lang().Captions[75]))
                << i;
            EXPECT_EQ(messages[i].style, MsgBoxM::Style::Critical);
        }
        EXPECT_EQ(messages[1].text,
                  QStringLiteral("Размер клетки слишком мал: он должен быть не меньше 1 пикселя."));
        TypeSize(k, "1");
        QTest::mouseClick(k.kOK, Qt::LeftButton);
        EXPECT_FALSE(k.isVisible());
    });
    ui->OptionsRazmerKF->trigger();
    Activate();
    EXPECT_EQ(Opt().CellSize, 1);
    EXPECT_EQ(ui->picPole->width(), 3 + 10);
}

} // namespace
