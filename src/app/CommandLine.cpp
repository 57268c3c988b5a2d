#include "app/CommandLine.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <QUrl>
#include <cstdio>

#include "app/ExportCommand.h"
#include "app/MainMUi.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "lang/LoadJazikMUi.h"
#include "widgets/FileMessages.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

namespace CommandLine {
namespace {

// The command line's own texts in the language files.
namespace TextIndex {
constexpr int Description = 85;  // what the program is, at the top of --help
constexpr int FileArgument = 86; // the FILE operand
constexpr int OneFileOnly = 87;  // more than one FILE given
} // namespace TextIndex

void print(FILE* to, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), to);
    if (!text.endsWith(QLatin1Char('\n'))) std::fputc('\n', to);
    std::fflush(to);
}

void usageError(const QString& text) {
    print(stderr, QStringLiteral("gridmora: ") + text);
}

// Message boxes without anybody to answer them: the text goes to stderr, the default answer is taken
// (No for a question, so nothing is replaced or saved unasked).
MsgBoxM::Answer defaultAnswer(MsgBoxM::Style style) {
    switch (style) {
    case MsgBoxM::Style::Critical:
    case MsgBoxM::Style::Information:
        return MsgBoxM::Answer::Ok;
    default:
        return MsgBoxM::Answer::No;
    }
}

// A window-less command's messages: the text alone.
MsgBoxM::Answer answerOnConsole(const QString& text, MsgBoxM::Style style) {
    print(stderr, text);
    return defaultAnswer(style);
}

// The test hook's messages, marked so that a test tells them from the toolkit's notes.
MsgBoxM::Answer answerMarked(const QString& text, MsgBoxM::Style style) {
    print(stderr, QStringLiteral("message: ") + text);
    return defaultAnswer(style);
}

// Loads the language in force before the command line is understood, so that help and errors speak it.
// Before a window a failure says nothing (the window's start reports it); without one it goes to stderr.
void loadLanguageTexts(bool window) {
    auto& o = Opt();
    if (window)
        MsgBoxM::SetResponder([](const QString&, MsgBoxM::Style) { return MsgBoxM::Answer::Ok; });
    else
        MsgBoxM::SetResponder(answerOnConsole);
    const std::string name = o.LanguageFile.empty() ? std::string("Russian.txt") : o.LanguageFile;
    LoadJazikM::LoadTexts(FileMessages::LanguageFileCaption(), name);
    if (window) MsgBoxM::SetResponder({});
}

} // namespace

QIcon ApplicationIcon() {
    QIcon embedded;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral(":/icons/%1.png").arg(size);
        if (QFile::exists(file)) embedded.addFile(file, QSize(size, size));
    }
    return QIcon::fromTheme(QStringLiteral(GRIDMORA_APP_ID), embedded);
}

namespace {

bool isHelpOrVersion(const QString& a) {
    static const QStringList names = {QStringLiteral("-h"), QStringLiteral("--help"),
                                      QStringLiteral("-?"), QStringLiteral("--help-all"),
                                      QStringLiteral("-v"), QStringLiteral("--version")};
    return names.contains(a);
}

void reportState() {
    const auto& d = Doc();
    const auto& o = Opt();
    print(stdout, QStringLiteral("AppMode %1\nKrossFile %2\nAppDir %3\nSettingsDir %4")
                      .arg(d.AppMode)
                      .arg(QPath(d.KrossFile), QPath(o.AppDir), QPath(o.SettingsDir)));
}

} // namespace

std::string LocalPath(const QString& argument) {
    QString path = argument;
    if (argument.startsWith(QLatin1String("file://"))) path = QUrl(argument).toLocalFile();
    return NativePath(QFileInfo(path).absoluteFilePath());
}

void OpenFile(frmForma& form, const std::string& path) {
    if (QPath(path).endsWith(QLatin1String(".otv"), Qt::CaseInsensitive))
        form.FileOpenOtvetWith(path);
    else
        form.KrossOpenWith(path);
}

std::vector<WindowlessCommand> WindowlessCommands() {
    // Each entry: the option that chooses the command, the options only it reads, its function.
    return {
        {ExportCommand::Option(), ExportCommand::MoreOptions(), ExportCommand::Run},
    };
}

bool NeedsDisplay(const QStringList& arguments) {
    const auto commands = WindowlessCommands();
    for (const QString& a : arguments) {
        if (a == QLatin1String("--")) break;
        if (isHelpOrVersion(a)) return false;
        for (const auto& c : commands)
            for (const QString& name : c.Option.names())
                if (a == QLatin1String("--") + name ||
                    a.startsWith(QLatin1String("--") + name + QLatin1Char('=')))
                    return false;
    }
    return true;
}

int Run(int argc, char** argv) {
    QStringList raw;
    for (int i = 1; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    const bool window = NeedsDisplay(raw);
    if (!window) {
        // Help, the version and the window-less commands need no display; their stderr carries their own
        // messages only, not the toolkit's notes about the session they run in.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg) print(stderr, text);
        });
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gridmora"));
    QApplication::setApplicationVersion(QStringLiteral(GRIDMORA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(GRIDMORA_APP_ID));
    QApplication::setWindowIcon(ApplicationIcon());

    MainM::LoadSettings();
    loadLanguageTexts(window);

    const auto commands = WindowlessCommands();
    QCommandLineParser parser;
    parser.setApplicationDescription(Tr(TextIndex::Description));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const auto& c : commands) {
        parser.addOption(c.Option);
        for (const auto& o : c.MoreOptions)
            parser.addOption(o);
    }
    parser.addPositionalArgument(QStringLiteral("FILE"), Tr(TextIndex::FileArgument),
                                 QStringLiteral("[FILE]"));

    if (!parser.parse(QCoreApplication::arguments())) {
        usageError(parser.errorText());
        return UsageError;
    }
    // --help-all adds the toolkit's own options; only the parser can print those, and it exits after.
    if (parser.isSet(QStringLiteral("help-all"))) parser.process(QCoreApplication::arguments());
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("Gridmora %1").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    for (const auto& c : commands)
        if (parser.isSet(c.Option)) return c.Run(parser);

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        usageError(Tr(TextIndex::OneFileOnly));
        return UsageError;
    }
    const bool closeAfterStart = qEnvironmentVariable(CloseAfterStartVariable) == QLatin1String("1");
    if (closeAfterStart) MsgBoxM::SetResponder(answerMarked);

    frmForma* form = MainM::StartWindow();
    const std::string file = files.isEmpty() ? std::string() : LocalPath(files.first());
    // The file opens once the window is up, from the event loop, as a menu command would.
    QTimer::singleShot(0, form, [form, file, closeAfterStart] {
        if (!file.empty()) OpenFile(*form, file);
        if (!closeAfterStart) return;
        reportState();
        QTimer::singleShot(0, form, &QWidget::close);
    });
    return QApplication::exec();
}

} // namespace CommandLine
