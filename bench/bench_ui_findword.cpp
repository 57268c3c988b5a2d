// How long the word-search window takes to fill its list. Runs off screen, the real windows.
//
// 1. The author's first search: in a fresh process, with a ten-letter word selected that no crossing
//    word has a letter in yet, the window opens on all "?" over the shipped Data/10.dat and fills its
//    list (open, read, match, lay out, paint). The first run after the page cache was dropped (when the
//    system permits it), then warm runs, each a new process (this program with --first). Goal: < 100 ms.
// 2. A generated Data/10.dat of 1,000,000 ten-letter words in a temporary program folder and, for each
//    pattern, the time of the search (file read, match, list model reset) and of the window events that
//    lay out and paint the list afterwards.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "app/MainMUi.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "document/frmFindWord.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

extern char** environ;

namespace {

constexpr int kWords = 1'000'000;
constexpr int kLength = 10;
constexpr int kRuns = 7;

// Capital Cyrillic letters А..Я are the cp1251 bytes 0xC0..0xDF.
std::string generatedWordList() {
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> letter(0xC0, 0xDF);
    std::string text = std::to_string(kWords) + "\r\n";
    text.reserve(text.size() + size_t{kWords} * kLength + 2);
    for (int i = 0; i < kWords * kLength; ++i)
        text += static_cast<char>(letter(rng));
    text += "\r\n";
    return text;
}

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

// The author's first search in this fresh process: a crossword being authored whose selected word, 1
// across, has ten cells and no crossing letters; the word-search command opens the window, which fills its
// pattern with "?" and searches. Prints the ms until the search is done and until the list is painted.
int firstSearch(const std::string& appDir) {
    MsgBoxM::SetResponder([](const QString&, MsgBoxM::Style) { return MsgBoxM::Answer::Ok; });
    frmForma* form = MainM::Main(appDir);
    auto& d = Doc();
    d.GridWidth = kLength;
    d.GridHeight = 1;
    d.NumberCount = 1;
    d.WordCount = 1;
    d.SlotTable.Redim(1, 2, 1);
    d.SlotTable.Set(1, Slot::Length, 0, kLength);
    d.AppMode = Mode::Authoring;
    d.CurNumber = 1;
    d.CurDirection = 0;
    QApplication::processEvents();
    QElapsedTimer t;
    t.start();
    QPointer<frmFindWord> window;
    frmFindWord* w = frmFindWord::ShowWindow(window, form, QString());
    const qint64 searched = t.nsecsElapsed();
    QApplication::processEvents();
    w->List1->viewport()->repaint();
    const qint64 painted = t.nsecsElapsed();
    std::printf("%.3f %.3f %d %s\n", ms(searched), ms(painted), w->Words->rowCount(),
                w->txtWord->text().toStdString().c_str());
    std::fflush(stdout);
    d.Modified = false;
    form->close();
    return 0;
}

// Runs this program again with args, its output to outPath; the output, or empty when it failed.
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
    // The off-screen platform's warnings; shown only when the run fails.
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

bool dropPageCache() {
    ::sync();
    FILE* f = std::fopen("/proc/sys/vm/drop_caches", "w");
    if (!f) return false;
    const bool ok = std::fputs("3\n", f) >= 0;
    return std::fclose(f) == 0 && ok;
}

// Part 1: the first search of a freshly opened window over the shipped ten-letter list.
bool benchFirstSearch(const std::string& appDir) {
    const std::string shipped = GRIDMORA_PROGRAM_DIR "/Data/10.dat";
    std::filesystem::create_directories(appDir + "Data");
    std::error_code ec;
    std::filesystem::copy_file(shipped, appDir + "Data/10.dat",
                               std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) {
        std::fprintf(stderr, "cannot copy %s: %s\n", shipped.c_str(), ec.message().c_str());
        return false;
    }
    const std::string outPath = appDir + "first.txt";
    const bool cold = dropPageCache();
    std::vector<double> searched, painted;
    int rows = 0;
    for (int run = 0; run <= kRuns; ++run) {
        const std::string out = runSelf({"--first", appDir}, outPath);
        double s = 0, p = 0;
        if (std::sscanf(out.c_str(), "%lf %lf %d", &s, &p, &rows) != 3) {
            std::fprintf(stderr, "the window's first search did not run\n");
            return false;
        }
        if (run == 0) {
            std::printf("first search of a fresh window, all \"?\" over the shipped 10.dat (%d words)\n",
                        rows);
            std::printf("  first run (%s): search %.1f ms, list painted %.1f ms\n",
                        cold ? "page cache dropped" : "NOT cold: dropping the page cache is not permitted", s,
                        p);
            continue;
        }
        searched.push_back(s);
        painted.push_back(p);
    }
    std::sort(searched.begin(), searched.end());
    std::sort(painted.begin(), painted.end());
    const double median = painted[painted.size() / 2];
    std::printf("  warm, %d new processes: search %.1f / %.1f / %.1f ms, list painted %.1f / %.1f / %.1f ms "
                "(min / median / max)\n",
                kRuns, searched.front(), searched[searched.size() / 2], searched.back(), painted.front(),
                median, painted.back());
    std::printf("  goal: the list filled in under 100 ms: %s\n\n",
                median < 100 && painted.back() < 100 ? "met" : "NOT met");
    return true;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--first") == 0) return firstSearch(argv[2]);

    std::printf("build type: %s; compiler %s\n\n", buildType().c_str(), __VERSION__);
    {
        QTemporaryDir firstDir;
        if (!firstDir.isValid() || !benchFirstSearch(NativePath(firstDir.path()) + "/")) return 1;
    }
    QTemporaryDir dir;
    if (!dir.isValid()) return 1;
    const std::string appDir = NativePath(dir.path()) + "/";
    std::filesystem::create_directories(appDir + "Data");
    {
        const std::string text = generatedWordList();
        std::ofstream(appDir + "Data/10.dat", std::ios::binary)
            .write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    // The folder has no language file: its message is answered here.
    MsgBoxM::SetResponder([](const QString&, MsgBoxM::Style) { return MsgBoxM::Answer::Ok; });
    frmForma* form = MainM::Main(appDir);
    QPointer<frmFindWord> window;
    frmFindWord* w = frmFindWord::ShowWindow(window, form, QString());
    QApplication::processEvents();

    std::printf("word list: %d words of %d letters (%.1f MB), %d runs per pattern, median [min] in ms\n",
                kWords, kLength, kWords * kLength / 1e6, kRuns);
    std::printf("%-12s %10s %18s %18s %18s\n", "pattern", "found", "search", "layout+paint", "total");
    const char* patterns[] = {"??????????", "А?????????", "?????????Я",
                              "??Р????А??", "К?Т?Р?А?Н?", "ЯЯЯЯЯЯЯЯЯЯ"};
    for (const char* p : patterns) {
        const QString pattern = QString::fromUtf8(p);
        std::vector<double> search, events, total;
        for (int run = 0; run < kRuns; ++run) {
            // Start from an empty list each time, so that every run fills it anew.
            w->txtWord->setText(QStringLiteral("?"));
            w->Words->Search(appDir + "Data/none.dat", "??");
            QApplication::processEvents();
            w->txtWord->setText(pattern);
            QElapsedTimer t;
            t.start();
            w->Search();
            const qint64 searched = t.nsecsElapsed();
            QApplication::processEvents();
            w->List1->viewport()->repaint();
            const qint64 done = t.nsecsElapsed();
            search.push_back(ms(searched));
            events.push_back(ms(done - searched));
            total.push_back(ms(done));
        }
        auto median = [](std::vector<double> v) {
            std::sort(v.begin(), v.end());
            return v[v.size() / 2];
        };
        auto least = [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); };
        const std::string padding(static_cast<size_t>(std::max<qsizetype>(0, 12 - pattern.size())), ' ');
        std::printf("%s%s %10d %10.1f [%5.1f] %10.1f [%5.1f] %10.1f [%5.1f]\n", p, padding.c_str(),
                    w->Words->rowCount(), median(search), least(search), median(events), least(events),
                    median(total), least(total));
    }

    // The whole list scrolled to its end and back.
    w->txtWord->setText(QStringLiteral("??????????"));
    w->Search();
    QApplication::processEvents();
    QElapsedTimer t;
    t.start();
    w->List1->scrollToBottom();
    QApplication::processEvents();
    w->List1->viewport()->repaint();
    const double bottom = ms(t.nsecsElapsed());
    t.restart();
    w->List1->setCurrentIndex(w->Words->index(kWords / 2));
    w->List1->scrollTo(w->List1->currentIndex());
    QApplication::processEvents();
    w->List1->viewport()->repaint();
    std::printf("scroll to the last of %d rows: %.1f ms; select and show the middle row: %.1f ms\n",
                w->Words->rowCount(), bottom, ms(t.nsecsElapsed()));
    std::fflush(stdout);
    form->close();
    return 0;
}
