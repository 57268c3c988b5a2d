// Drawing speed of the field: a full rebuild and redraw of a crossword with every answer filled, and one
// change of the selected word. Runs off screen; prints the figures.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "app/MainMUi.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "basics/Cp1251.h"
#include "display/ShowSlovoMUi.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/LoadReshotkiMUi.h"
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
    std::fflush(stdout);
    std::_Exit(0); // no settings file is written
}
