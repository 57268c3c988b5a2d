// How long the word-search window takes to fill its list from a word-list file of a million words.
// Runs off screen: a generated Data/10.dat of 1,000,000 ten-letter words in a temporary program folder,
// the real window, and for each pattern the time of the search (file read, match, list model reset) and
// of the window events that lay out and paint the list afterwards.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "app/MainMUi.h"
#include "app/frmForma.h"
#include "document/frmFindWord.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

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

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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
