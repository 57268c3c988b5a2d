// How long opening a crossword takes until its field is painted, and what it costs in memory; then a
// scroll step and a selection change on the largest grid. Runs the real window off screen.
//
// The crosswords are made here: n x n cells with a block wherever (2c + 4r) mod 9 = 0, so every row and
// column has a block every nine cells and words of eight letters (about 222,000 words at 1000 x 1000),
// every answer filled with letters that agree at the crossings, a short clue for each. Each is saved as
// the program saves a crossword and opened through Crossword -> Open in a fresh process (this program with
// --open), which prints:
//   - open to painted: the file read, the crossword taken in, the layers built, the words drawn, the first
//     word shown selected and the visible part of the field painted;
//   - its phases measured again on the crossword now open: reading and taking in the file, building the
//     layers, the whole grid's rebuild and redraw (LoadGrid), one paint of the visible field;
//   - the peak memory of the process (getrusage ru_maxrss);
//   - for the largest grid also scroll steps (the vertical bar by one step, the horizontal bar by one
//     step, the mouse wheel, Shift + wheel) and selection changes by clicks on cells in view, each until
//     the field is painted.
// The window is 1600 x 1000 pixels, a full-screen window on a common monitor.
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "app/MainMUi.h"
#include "app/ProgramState.h"
#include "app/apiOpenSaveMUi.h"
#include "app/frmForma.h"
#include "basics/TextFile.h"
#include "display/FieldWidget.h"
#include "document/KodKodirovkiM.h"
#include "document/OpenKrossM.h"
#include "document/SaveKrossM.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/LoadReshotkiM.h"
#include "grid/LoadReshotkiMUi.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

extern char** environ;

namespace {

double ms(qint64 ns) {
    return static_cast<double>(ns) / 1e6;
}

std::string buildType() {
    std::string t = GRIDMORA_BUILD_TYPE;
    if (t.empty()) t = "(none)";
#ifdef __OPTIMIZE__
    t += ", optimised";
#else
    t += ", not optimised";
#endif
#ifdef __SANITIZE_ADDRESS__
    t += ", with AddressSanitizer";
#endif
    return t;
}

// ---- the crosswords ----

bool blocked(int c, int r) {
    return (2 * c + 4 * r) % 9 == 0;
}

std::string crosswordFile(int n) {
    KrossDocument d;
    d.GridWidth = d.GridHeight = n;
    d.GridLayers.Redim(n, n, 0);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            d.SetCell(c, r, blocked(c, r) ? 1 : 0);
    d.AppMode = Mode::NewGrid;
    d.NoAnswers = 0;
    AnalizReshotkiM::ApplyWordTable(d, AnalizReshotkiM::FindWords(d));
    d.KrossName = "Bench";
    d.KrossAuthor = "Bench";
    KodKodirovkiM::BuildCodeTables(d);
    // Capital Cyrillic letters, cp1251 0xC0..0xDF, a function of the cell so crossings agree.
    auto letter = [](int c, int r) { return static_cast<char>(0xC0 + (c * 7 + r * 3) % 32); };
    for (int k = 1; k <= d.NumberCount; ++k)
        for (int dir = 0; dir <= 1; ++dir) {
            const int len = d.WordLength(k, dir);
            if (len <= 0) continue;
            const int x = d.SlotTable.Get(k, 0, dir), y = d.SlotTable.Get(k, 1, dir);
            std::string s;
            for (int i = 0; i < len; ++i)
                s += letter(x + (dir == 0 ? i : 0), y + (dir == 1 ? i : 0));
            d.ClueTexts.SetAnswer(k, dir, s);
            d.ClueTexts.SetClue(k, dir, "Clue " + std::to_string(k) + (dir == 0 ? " across" : " down"));
        }
    return SaveKrossM::KrossFileText(d);
}

// ---- one open, in a fresh process ----

struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Lets the window handle what is pending and makes sure the field was painted.
void painted(FieldWidget& field, PaintCounter& counter) {
    const int before = counter.paints;
    QApplication::processEvents();
    if (counter.paints == before) field.repaint();
}

long peakKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

template <typename F> std::vector<double> timesMs(int count, F&& step) {
    std::vector<double> t;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer timer;
        timer.start();
        step(i);
        t.push_back(ms(timer.nsecsElapsed()));
    }
    return t;
}

void printTimes(const std::vector<double>& v) {
    std::vector<double> s = v;
    std::sort(s.begin(), s.end());
    std::printf(" %.3f %.3f %.3f", s.front(), s[s.size() / 2], s.back());
}

// Prints: status, open-to-painted ms, peak KB, then the phases, then (with extra) the scroll and
// selection figures as min / median / max triples.
int openOnce(const std::string& appDir, const std::string& path, int cellSize, bool extra) {
    int messages = 0;
    MsgBoxM::SetResponder([&messages](const QString& text, MsgBoxM::Style) {
        ++messages;
        std::fprintf(stderr, "message: %s\n", text.toStdString().c_str());
        return MsgBoxM::Answer::Ok;
    });
    apiOpenSaveM::SetResponder(
        [&path](bool, const QString&, const QStringList&, const QString&) { return QPath(path); });
    frmForma* form = MainM::Main(appDir);
    Opt().CellSize = cellSize;
    form->resize(1600, 1000);
    QApplication::processEvents();
    FieldWidget& field = form->Field();
    PaintCounter counter;
    field.installEventFilter(&counter);

    QElapsedTimer timer;
    timer.start();
    form->KrossOpen_Click();
    painted(field, counter);
    const double openMs = ms(timer.nsecsElapsed());
    const long peak = peakKb();
    auto& d = Doc();
    if (messages != 0 || d.AppMode != Mode::Solve) {
        std::printf("refused\n");
        return 0;
    }

    // The phases again, on the crossword now open.
    std::string bytes;
    KrossDocument copy;
    timer.restart();
    TextFile::ReadAll(path, bytes);
    OpenKrossM::ReadKrossText(bytes, copy, 0, path);
    const double readMs = ms(timer.nsecsElapsed());
    copy.AppMode = Mode::Solve;
    timer.restart();
    LoadReshotkiM::BuildLayers(copy);
    const double layersMs = ms(timer.nsecsElapsed());
    timer.restart();
    LoadReshotkiM::LoadGrid(*form);
    painted(field, counter);
    const double reloadMs = ms(timer.nsecsElapsed());
    timer.restart();
    field.repaint();
    const double paintMs = ms(timer.nsecsElapsed());
    std::printf("ok %.3f %ld %.3f %.3f %.3f %.3f", openMs, peak, readMs, layersMs, reloadMs, paintMs);

    if (extra) {
        auto* v = form->findChild<QScrollBar*>("VScroll1");
        auto* h = form->findChild<QScrollBar*>("HScroll1");
        auto* view = form->findChild<QWidget*>("picControl");
        // Into the middle of the grid first.
        v->setValue(v->maximum() / 2);
        h->setValue(h->maximum() / 2);
        painted(field, counter);
        auto barStep = [&](QScrollBar* bar) {
            return timesMs(20, [&](int i) {
                bar->setValue(bar->value() + (i % 2 == 0 ? 1 : -1) * bar->singleStep());
                painted(field, counter);
            });
        };
        printTimes(barStep(v));
        printTimes(barStep(h));
        // The wheel over the field: one notch (120) down and up again; with Shift sideways.
        auto wheel = [&](Qt::KeyboardModifiers mods) {
            return timesMs(20, [&](int i) {
                const QPoint at(view->width() / 2, view->height() / 2);
                const QPoint local = field.mapFrom(view, at);
                const int delta = i % 2 == 0 ? -120 : 120;
                QWheelEvent e(local, field.mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                              Qt::NoScrollPhase, false);
                QApplication::sendEvent(&field, &e);
                painted(field, counter);
            });
        };
        printTimes(wheel(Qt::NoModifier));
        printTimes(wheel(Qt::ShiftModifier));
        // Clicks on cells in view: each selects the words through the cell (the old ones back to white).
        const int cs = Opt().CellSize;
        const QPoint origin = field.mapFrom(view, QPoint(0, 0));
        printTimes(timesMs(40, [&](int i) {
            const int x = origin.x() + 40 + (i * 97) % 900, y = origin.y() + 40 + (i * 61) % 600;
            form->picPole_MouseDown(Qt::LeftButton, x + 0.5, y + 0.5);
            form->picPole_MouseUp(Qt::LeftButton, x + 0.5, y + 0.5);
            painted(field, counter);
        }));
        std::printf(" %d", cs);
    }
    std::printf("\n");
    std::fflush(stdout);
    d.Modified = false;
    std::_Exit(0); // no settings file is written
}

// ---- the parent ----

// Runs this program again with args, its output to outPath; the output's first line, or empty.
std::string runSelf(const std::vector<std::string>& args, const std::string& outPath) {
    const std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
    std::vector<char*> argv{const_cast<char*>(exe.c_str())};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    const std::string errPath = outPath + ".err";
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return {};
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::ifstream err(errPath);
        std::fprintf(stderr, "%s", std::string(std::istreambuf_iterator<char>(err), {}).c_str());
        return {};
    }
    std::ifstream in(outPath);
    std::string line;
    std::getline(in, line);
    return line;
}

struct Stats {
    double min = 0, median = 0, max = 0;
};
Stats stats(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return {v.front(), v[v.size() / 2], v.back()};
}

const char* verdict(bool met) {
    return met ? "met" : "NOT met";
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 6 && std::strcmp(argv[1], "--open") == 0)
        return openOnce(argv[2], argv[3], std::atoi(argv[4]), std::strcmp(argv[5], "extra") == 0);

    // Optional: the cell size (default 20) and the number of fresh processes per size (default 5).
    const int cellSize = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::printf("build type: %s; compiler %s\n", buildType().c_str(), __VERSION__);
    std::printf("cell size %d px, window 1600 x 1000, %d fresh processes per size (the first is the cold "
                "run), min / median / max in ms\n\n",
                cellSize, runs);

    QTemporaryDir dir;
    if (!dir.isValid()) return 1;
    const std::string appDir = NativePath(dir.path()) + "/";
    std::filesystem::copy(GRIDMORA_PROGRAM_DIR, appDir, std::filesystem::copy_options::recursive);
    const std::string outPath = appDir + "out.txt";

    for (int n : {100, 300, 1000}) {
        const std::string path = appDir + "bench" + std::to_string(n) + ".krw";
        {
            const std::string text = crosswordFile(n);
            std::ofstream(path, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
            KrossDocument probe;
            OpenKrossM::ReadKrossText(text, probe, 0, path);
            std::printf("%d x %d: %d words, file %.1f MB\n", n, n, probe.WordCount,
                        static_cast<double>(text.size()) / 1e6);
        }
        std::vector<double> open, read, layers, reload, paint, peak;
        std::vector<std::string> extras;
        double cold = 0;
        bool refused = false;
        for (int run = 0; run < runs; ++run) {
            const bool extra = n == 1000 && run == runs - 1;
            const std::string out =
                runSelf({"--open", appDir, path, std::to_string(cellSize), extra ? "extra" : "plain"}, outPath);
            if (out.rfind("refused", 0) == 0) {
                refused = true;
                break;
            }
            double o = 0, rd = 0, ly = 0, rl = 0, pt = 0;
            long pk = 0;
            int used = 0;
            if (std::sscanf(out.c_str(), "ok %lf %ld %lf %lf %lf %lf%n", &o, &pk, &rd, &ly, &rl, &pt, &used) < 6) {
                std::printf("  the open did not run\n");
                return 1;
            }
            if (run == 0) cold = o;
            open.push_back(o);
            read.push_back(rd);
            layers.push_back(ly);
            reload.push_back(rl);
            paint.push_back(pt);
            peak.push_back(static_cast<double>(pk) / 1024.0);
            if (extra) extras.push_back(out.substr(static_cast<size_t>(used)));
        }
        if (refused) {
            std::printf("  refused: the program does not open this grid at %d-px cells\n\n", cellSize);
            continue;
        }
        const Stats o = stats(open), p = stats(peak);
        std::printf("  open to painted: first run %.1f ms; all runs %.1f / %.1f / %.1f ms\n", cold, o.min,
                    o.median, o.max);
        auto line = [](const char* what, const std::vector<double>& v) {
            const Stats s = stats(v);
            std::printf("    %-44s %9.2f / %9.2f / %9.2f ms\n", what, s.min, s.median, s.max);
        };
        line("read and take in the file", read);
        line("build the layers", layers);
        line("rebuild and redraw the whole grid (LoadGrid)", reload);
        line("paint the visible field", paint);
        std::printf("  peak memory: %.1f / %.1f / %.1f MB\n", p.min, p.median, p.max);
        if (n == 300) std::printf("  goal 300 x 300 open to painted <= 100 ms: %s\n", verdict(o.median <= 100));
        if (n == 1000) {
            std::printf("  goal 1000 x 1000 open to painted <= 1 s: %s; peak memory <= 400 MB: %s\n",
                        verdict(o.median <= 1000), verdict(p.max <= 400));
            double f[15] = {};
            int cs = 0;
            if (!extras.empty() &&
                std::sscanf(extras.back().c_str(),
                            "%lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %d", &f[0], &f[1],
                            &f[2], &f[3], &f[4], &f[5], &f[6], &f[7], &f[8], &f[9], &f[10], &f[11], &f[12],
                            &f[13], &f[14], &cs) == 16) {
                const char* names[] = {"scroll step, vertical bar", "scroll step, horizontal bar",
                                       "scroll step, mouse wheel", "scroll step, Shift + wheel",
                                       "selection change (a click on a cell)"};
                std::printf("  on 1000 x 1000 (last process), min / median / max:\n");
                for (int i = 0; i < 5; ++i)
                    std::printf("    %-38s %7.3f / %7.3f / %7.3f ms\n", names[i], f[3 * i], f[3 * i + 1],
                                f[3 * i + 2]);
                const double scrollWorst = std::max({f[1], f[4], f[7], f[10]});
                std::printf("  goal scroll step <= 16 ms (median): %s; selection change < 2 ms (median): %s\n",
                            verdict(scrollWorst <= 16), verdict(f[13] < 2));
            }
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    return 0;
}
