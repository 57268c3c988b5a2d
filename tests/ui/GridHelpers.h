#pragma once
// Steps of the author's road through the real window, for the window tests.
#include <QTest>
#include <string>
#include <vector>

#include "WindowFixture.h"
#include "document/frmRazmer.h"

class GridWindowTest : public WindowTest {
  protected:
    // Kross -> New, the size dialog filled in and confirmed.
    void NewCrossword(int cols, int rows, const QString& name = QStringLiteral("Тест"), bool bare = false) {
        OnModal<frmRazmer>([=](frmRazmer& d) {
            d.txtX->setText(QString::number(cols));
            d.txtY->setText(QString::number(rows));
            d.txtNameKross->setText(name);
            d.chNoOtvet->setChecked(bare);
            QTest::mouseClick(d.kOK, Qt::LeftButton);
        });
        ui->KrossNew->trigger();
        Activate();
    }
    // Blocks the cells marked "#" in rows of an ASCII grid ("." open), by clicking them.
    void DrawGrid(const std::vector<std::string>& rows) {
        ui->ChSimmetrija->setChecked(false);
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c)
                if (rows[r][c] == '#') ClickCell(static_cast<int>(c), static_cast<int>(r));
    }
    // The grid-ready button, confirmed.
    void GridReady() {
        Plan({MsgBoxM::Answer::Yes});
        QTest::mouseClick(ui->kReshotkaGotova, Qt::LeftButton);
        QApplication::processEvents();
    }
    // A new crossword from an ASCII grid, analysed.
    void Author(const std::vector<std::string>& rows, bool bare = false) {
        NewCrossword(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), QStringLiteral("Тест"),
                     bare);
        DrawGrid(rows);
        GridReady();
    }
    // Types text into a box and presses Enter, as a user does.
    void TypeEnter(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->clear();
        TypeText(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        QApplication::processEvents();
    }
};

// A small crossword with every answer, authored through the window:
//   К О Т     1 across КОТ, 1 down КИТ, 2 down ТОК, 3 across ТИК
//   И # О
//   Т И К
class RingTest : public GridWindowTest {
  protected:
    static inline const std::vector<std::string> kRing = {"...", ".#.", "..."};
    void AuthorRing(bool allAnswers = true) {
        Author(kRing);
        TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Мурлыка"));
        TypeEnter(ui->txtOtvet, QStringLiteral("кот"));
        TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Морской великан"));
        TypeEnter(ui->txtOtvet, QStringLiteral("кит"));
        TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Электричество"));
        TypeEnter(ui->txtOtvet, QStringLiteral("ток"));
        if (!allAnswers) return;
        TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Часы говорят"));
        TypeEnter(ui->txtOtvet, QStringLiteral("тик"));
    }
    // Saves the authored crossword through File -> Save to path (author set beforehand).
    void SaveAs(const std::string& path) {
        Doc().KrossAuthor = cp("Автор");
        fileAnswers.push_back(QPath(path));
        ui->FileSave->trigger();
    }
    // Kross -> Open of path.
    void Open(const std::string& path) {
        fileAnswers.push_back(QPath(path));
        ui->KrossOpen->trigger();
        Activate();
    }
};
