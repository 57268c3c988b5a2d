#include "grid/GridFillUi.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/ShowSlovoMUi.h"
#include "display/Surface.h"
#include "document/WordSearch.h"
#include "grid/AddSlovoMUi.h"
#include "grid/FillEngine.h"
#include "grid/FillWords.h"
#include "grid/GridFill.h"
#include "grid/ShowVoprosOtvetMUi.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

namespace GridFill {
namespace {

std::optional<uint64_t> fixedSeed;
uint64_t fillsWithFixedSeed = 0;
std::chrono::milliseconds timeLimit{0};

uint64_t nextSeed() {
    if (fixedSeed) return *fixedSeed + fillsWithFixedSeed++;
    std::random_device device;
    return (uint64_t{device()} << 32) ^ device() ^
           static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

// ---- the word lists, read once ----

// What the word-list files were when they were read: size and time of change of each (-1 when missing).
using ListStamps = std::vector<std::pair<intmax_t, int64_t>>;

ListStamps stampsOf(const std::string& appDir, const std::string& pathSep) {
    ListStamps stamps;
    for (int32_t length = FillWords::MinLength; length <= FillWords::MaxLength; ++length) {
        const std::filesystem::path path(WordSearch::WordListPath(appDir, pathSep, length));
        std::error_code ec1, ec2;
        const auto size = std::filesystem::file_size(path, ec1);
        const auto time = std::filesystem::last_write_time(path, ec2);
        stamps.emplace_back(ec1 ? -1 : static_cast<intmax_t>(size),
                            ec2 ? 0 : static_cast<int64_t>(time.time_since_epoch().count()));
    }
    return stamps;
}

std::mutex listsMutex;
std::string listsDir;
ListStamps listsStamps;
std::shared_ptr<const FillWords> lists;

std::shared_ptr<const FillWords> listsOf(const std::string& appDir, const std::string& pathSep) {
    ListStamps stamps = stampsOf(appDir, pathSep);
    std::lock_guard<std::mutex> lock(listsMutex);
    if (!lists || listsDir != appDir || listsStamps != stamps) {
        lists = std::make_shared<const FillWords>(FillWords::Load(appDir, pathSep));
        listsDir = appDir;
        listsStamps = std::move(stamps);
    }
    return lists;
}

// ---- the last fill, for Fill again ----

std::vector<FilledWord> lastFill;
const QUndoCommand* lastFillStep = nullptr; // the undo step that entered it

// True when the last fill is the latest step of the window's undo stack and every word of it still holds
// the answer the fill gave it: Fill again may then take it back by undoing that step.
bool lastFillOnTop(frmForma& f) {
    QUndoStack& history = f.History();
    if (lastFill.empty() || !lastFillStep || history.index() == 0 ||
        history.command(history.index() - 1) != lastFillStep)
        return false;
    const KrossDocument& d = Doc();
    for (const FilledWord& w : lastFill)
        if (d.ClueTexts.Answer(w.Number, w.Direction) != w.Answer) return false;
    return true;
}

// ---- one run ----

// What the worker thread and the window share.
struct Shared {
    std::atomic<bool> Cancel{false};
    std::atomic<int32_t> ToFill{0};
    std::atomic<int32_t> MostPlaced{0};
    // Written by the worker before it ends, read by the window after.
    FillEngine::Result Result;
    bool NoWordLists = false;
};

class FillRun : public QObject {
  public:
    // avoid: the answers of the fill that Fill again replaces, as the search gives them.
    FillRun(frmForma& f, GridProblem problem, bool takeBack, std::vector<std::string> avoid, int32_t toFill,
            const QString& caption)
        : QObject(&f), f_(f), problem_(std::move(problem)), takeBack_(takeBack),
          shared_(std::make_shared<Shared>()) {
        shared_->ToFill = toFill;
        buildDialog(caption, toFill);
        FillEngine::Options options;
        options.Seed = nextSeed();
        options.TimeLimit = timeLimit.count() > 0
                                ? timeLimit
                                : std::chrono::duration_cast<std::chrono::milliseconds>(WindowTimeLimit);
        options.Cancel = &shared_->Cancel;
        const std::shared_ptr<Shared> shared = shared_;
        options.OnProgress = [shared](const FillEngine::Progress& p) { shared->MostPlaced = p.MostPlaced; };
        // The search works on its own copy of the problem and the shared word lists: nothing of the window.
        thread_ = QThread::create([shared, problem = problem_.Problem, options, avoid = std::move(avoid),
                                   dir = Opt().AppDir, sep = Opt().PathSep]() mutable {
            const std::shared_ptr<const FillWords> words = listsOf(dir, sep);
            if (words->Total() == 0) {
                shared->NoWordLists = true;
                return;
            }
            // Fill again wants another fill: a fill equal to the one it replaces is searched again with
            // the next seeds, a few times, within the same time limit.
            const auto start = std::chrono::steady_clock::now();
            const auto limit = options.TimeLimit;
            for (int tries = 0;; ++tries) {
                shared->Result = FillEngine::Fill(problem, *words, options);
                if (avoid.empty() || shared->Result.Answers != avoid || tries == 7) break;
                const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::steady_clock::now() - start);
                if (spent >= limit) break;
                options.TimeLimit = limit - spent;
                ++options.Seed;
            }
        });
        thread_->setParent(this);
        connect(thread_, &QThread::finished, this, &FillRun::finish);
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, &FillRun::showProgress);
        timer->start(100);
        thread_->start();
    }

    // The window closes while the search runs: it is stopped, and the window waits for it.
    ~FillRun() override {
        shared_->Cancel = true;
        if (thread_) thread_->wait();
    }

  private:
    void buildDialog(const QString& caption, int32_t toFill) {
        dialog_ = new QDialog(&f_);
        dialog_->setObjectName("frmFill");
        dialog_->setWindowTitle(caption);
        dialog_->setWindowModality(Qt::WindowModal);
        auto* column = new QVBoxLayout(dialog_);
        label_ = new QLabel(dialog_);
        label_->setObjectName("lblFill");
        label_->setTextFormat(Qt::PlainText);
        bar_ = new QProgressBar(dialog_);
        bar_->setObjectName("prgFill");
        bar_->setRange(0, toFill);
        bar_->setValue(0);
        auto* stop = new QPushButton(Tr(FillText::Stop), dialog_);
        stop->setObjectName("kStop");
        stop->setAutoDefault(false);
        auto* row = new QHBoxLayout;
        row->addStretch(1);
        row->addWidget(stop);
        column->addWidget(label_);
        column->addWidget(bar_);
        column->addLayout(row);
        dialog_->setMinimumWidth(360);
        // Stop, Escape and closing the little window all stop the search.
        connect(stop, &QPushButton::clicked, dialog_, &QDialog::reject);
        connect(dialog_, &QDialog::rejected, this, [this] { shared_->Cancel = true; });
        showProgress();
        dialog_->show();
    }

    void showProgress() {
        const int32_t placed = shared_->MostPlaced, total = shared_->ToFill;
        label_->setText(Tr(FillText::Progress) + QStringLiteral(" ") + QString::number(placed) +
                        QStringLiteral(" / ") + QString::number(total));
        bar_->setValue(std::min(placed, total));
    }

    void finish() {
        dialog_->hide();
        dialog_->deleteLater();
        // The run is over before any message: a message box runs an event loop of its own.
        const std::shared_ptr<Shared> shared = shared_;
        const GridProblem problem = std::move(problem_);
        const bool takeBack = takeBack_;
        frmForma& f = f_;
        thread_->wait();
        deleteLater();
        Apply(f, problem, takeBack, *shared);
    }

    static void Apply(frmForma& f, const GridProblem& problem, bool takeBack, const Shared& shared);

    frmForma& f_;
    GridProblem problem_;
    bool takeBack_;
    std::shared_ptr<Shared> shared_;
    QThread* thread_ = nullptr;
    QDialog* dialog_ = nullptr;
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
};

QPointer<FillRun> running;

// Selects word (n, dir) as a click on it does.
void selectWord(frmForma& f, int32_t n, int32_t dir) {
    auto& d = Doc();
    if (d.CurNumber > 0) ShowSlovoM::DrawWord(f, d.CurNumber, d.CurDirection, CellColor);
    d.CurNumber = n;
    d.CurDirection = dir;
    ShowVoprosOtvetM::ShowClueAndAnswer(f);
}

void FillRun::Apply(frmForma& f, const GridProblem& problem, bool takeBack, const Shared& shared) {
    auto& d = Doc();
    if (d.AppMode != Mode::Authoring) return;
    if (shared.NoWordLists) {
        MsgBoxM::Show(Tr(FillText::NoWordLists), MsgBoxM::Style::Critical);
        return;
    }
    const FillEngine::Result& result = shared.Result;
    if (result.Kind != FillEngine::Outcome::Filled) {
        if (result.Kind == FillEngine::Outcome::Impossible && result.Unfillable >= 0 &&
            static_cast<size_t>(result.Unfillable) < problem.Words.size()) {
            const auto [n, dir] = problem.Words[static_cast<size_t>(result.Unfillable)];
            selectWord(f, n, dir);
        }
        MsgBoxM::Show(Q(OutcomeMessage(Lang(), problem, result)), MsgBoxM::Style::Information);
        return;
    }
    const std::vector<FilledWord> words = FilledWordsOf(problem, result);
    // The window was blocked while the search ran, so the crossword is as the search saw it; should it
    // not be, nothing changes. Fill again first undoes the fill it replaces.
    if (takeBack) {
        if (!lastFillOnTop(f)) return;
        f.History().undo();
    }
    // All or nothing: the whole fill must go in by the entry rules, tried first on a copy.
    KrossDocument trial = d;
    if (!EnterFill(trial, words)) {
        if (takeBack) f.History().redo();
        QApplication::beep();
        return;
    }
    std::vector<AddSlovoM::AnswerToStore> answers;
    for (const FilledWord& w : words)
        answers.push_back({w.Number, w.Direction, d.ClueTexts.Clue(w.Number, w.Direction), w.Answer});
    // One undo step for the whole fill.
    AddSlovoM::StoreAnswers(f, answers);
    lastFill = words;
    const QUndoStack& history = f.History();
    lastFillStep = history.index() > 0 ? history.command(history.index() - 1) : nullptr;
}

} // namespace

void FillGrid(frmForma& f, bool again) {
    auto& d = Doc();
    if (d.AppMode != Mode::Authoring || running) return;
    // Fill again searches the crossword as it was before the last fill, which it replaces.
    const bool takeBack = again && lastFillOnTop(f);
    GridProblem problem;
    if (takeBack) {
        KrossDocument before = d;
        TakeBackFill(before, lastFill);
        problem = ProblemOf(before);
    } else {
        problem = ProblemOf(d);
    }
    int32_t toFill = 0;
    for (const auto& s : problem.Problem.Slots)
        toFill += s.Answer.empty() ? 1 : 0;
    if (toFill == 0) {
        MsgBoxM::Show(Tr(FillText::NothingToFill), MsgBoxM::Style::Information);
        return;
    }
    // The answers of the last fill as the search would give them: per word of the problem.
    std::vector<std::string> avoid;
    if (takeBack) {
        avoid.resize(problem.Words.size());
        for (size_t i = 0; i < problem.Words.size(); ++i)
            for (const FilledWord& w : lastFill)
                if (problem.Words[i] == std::pair{w.Number, w.Direction}) avoid[i] = w.Answer;
    }
    running = new FillRun(f, std::move(problem), takeBack, std::move(avoid), toFill,
                          Plain(Tr(again ? FillText::FillAgain : FillText::FillCommand)));
}

bool Running() {
    return !running.isNull();
}

std::shared_ptr<const FillWords> WordLists() {
    return listsOf(Opt().AppDir, Opt().PathSep);
}

void FixSeed(std::optional<uint64_t> seed) {
    fixedSeed = seed;
    fillsWithFixedSeed = 0;
}

void SetTimeLimit(std::chrono::milliseconds limit) {
    timeLimit = limit;
}

} // namespace GridFill
