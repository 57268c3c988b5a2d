// Drawing speed of the field: a full rebuild and redraw of a crossword with every answer filled, and one
// change of the selected word. Runs off screen; prints the figures.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "app/DeystvieMUi.h"
#include "app/MainMUi.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "basics/Cp1251.h"
#include "display/ShowSlovoMUi.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/FieldGeometry.h"
#include "grid/LoadReshotkiMUi.h"
#include "grid/NewPoleMUi.h"
#include "grid/PoleMouseUpMUi.h"
#include "widgets/UiText.h"

namespace {

// An all-open crossword of n x n cells in authoring, every answer filled with letters that agree.
void makeCrossword(int n) {
    auto& d = Doc();
    d.GridWidth = d.GridHeight = n;
    d.GridLayers.Redim(n, n, 0);
    d.NoAnswers = 0;
    AnalizReshotkiM::ApplyWordTable(d, AnalizReshotkiM::FindWords(d));
    auto letter = [](int c, int r) { return Cp1251::Char(0xC0 + (c * 7 + r * 3) % 32); };
    for (int k = 1; k <= d.NumberCount; ++k)
        for (int dir = 0; dir <= 1; ++dir) {
            const int len = d.SlotTable.Get(k, 2, dir);
            if (len <= 0) continue;
            const int x = d.SlotTable.Get(k, 0, dir), y = d.SlotTable.Get(k, 1, dir);
            std::string s;
            for (int i = 0; i < len; ++i)
                s += letter(x + (dir == 0 ? i : 0), y + (dir == 1 ? i : 0));
            d.ClueTexts.SetAnswer(k, dir, s);
        }
    d.AppMode = Mode::Authoring;
    d.CurNumber = 0;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double fullRedrawMs(frmForma& form, int n, int runs) {
    makeCrossword(n);
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        LoadReshotkiM::LoadGrid(form);
        t.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return median(t);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir tmp;
    std::filesystem::copy(GRIDMORA_PROGRAM_DIR, tmp.path().toStdString(),
                          std::filesystem::copy_options::recursive);
    frmForma& form = *MainM::Main(tmp.path().toStdString() + "/");

    std::printf("build type: %s\n", GRIDMORA_BUILD_TYPE);
    std::printf("full LoadGrid + RedrawGrid, every answer filled (median):\n");
    std::printf("  100 x 100: %8.2f ms   (goal under 50 ms)\n", fullRedrawMs(form, 100, 7));
    std::printf("  300 x 300: %8.2f ms\n", fullRedrawMs(form, 300, 3));

    // One selection change on the 300 x 300 grid: the old word white, the new one yellow.
    auto& d = Doc();
    std::vector<double> t;
    // The across words start in column 0 of every row.
    auto rowWord = [&d](int r) { return d.GridLayers.Get(0, r, 2); };
    int prev = rowWord(0);
    for (int i = 0; i < 200; ++i) {
        const int next = rowWord((i * 37) % 300);
        QElapsedTimer timer;
        timer.start();
        ShowSlovoM::DrawWord(form, prev, 0, CellColor);
        ShowSlovoM::DrawWord(form, next, 0, SelectionColor);
        t.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        prev = next;
    }
    std::printf("selection change on 300 x 300 (two words of 300 cells): %6.3f ms   (goal under 2 ms)\n",
                median(t));

    // A click on a 1000 x 1000 grid being drawn (cell size 8) with the half-turn symmetry: the cell and its
    // partner toggled, the numbers that change repainted, the step put on the undo stack.
    d.GridWidth = d.GridHeight = 1000;
    d.GridLayers.Redim(1000, 1000, 0);
    d.AppMode = Mode::NewGrid;
    d.EditingGrid = false;
    Opt().CellSize = 8;
    form.findChild<QCheckBox*>("ChSimmetrija")->setChecked(true);
    form.findChild<QComboBox*>("cmbSymmetry")->setCurrentIndex(1);
    DeystvieM::ApplyMode(form);
    QElapsedTimer fieldTimer;
    fieldTimer.start();
    NewPoleM::NewField(form);
    const double fieldMs = static_cast<double>(fieldTimer.nsecsElapsed()) / 1e6;
    t.clear();
    for (int i = 0; i < 41; ++i) {
        const int c = (i * 97) % 1000, r = (i * 61) % 1000;
        const FieldGeometry::Box box = FieldGeometry::InnerBox(c, r, 8);
        QElapsedTimer timer;
        timer.start();
        PoleMouseUpM::FieldClick(form, box.Left + 1, box.Top + 1);
        t.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    const double firstClick = t.front();
    std::sort(t.begin(), t.end());
    std::printf("new 1000 x 1000 field with its numbers: %8.2f ms (one run)\n", fieldMs);
    std::printf(
        "click while drawing 1000 x 1000, half turn: first %.2f ms, min %.2f, median %.2f, max %.2f ms\n",
        firstClick, t.front(), t[t.size() / 2], t.back());
    std::fflush(stdout);
    std::_Exit(0); // no settings file is written
}
