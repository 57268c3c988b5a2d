#include "app/ExportCommand.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "app/ProgramState.h"
#include "basics/Cp1251.h"
#include "basics/TextFile.h"
#include "display/NewFontMUi.h"
#include "display/Surface.h"
#include "document/OpenKrossM.h"
#include "document/SaveKrossM.h"
#include "export/AnswersRule.h"
#include "export/CopyKrossM.h"
#include "export/CopyKrossMUi.h"
#include "export/ExportCommands.h"
#include "export/IpuzFormat.h"
#include "export/PrintKross.h"
#include "grid/LoadReshotkiM.h"
#include "lang/LanguageFile.h"
#include "widgets/FileMessages.h"
#include "widgets/UiText.h"

namespace ExportCommand {
namespace {

namespace Index = ExportCommands::TextIndex;

void say(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

// "File PATH tail": the file messages of the window, with the file named.
QString aboutFile(const std::string& path, const std::string& tail) {
    return FileMessages::Text(FileMessages::LanguageFileCaption(), path, tail);
}

void readFailed(const std::string& path, TextFile::Error error) {
    say(FileMessages::ReadFailureText(FileMessages::LanguageFileCaption(), error, path));
}

void writeFailed(const std::string& path, TextFile::Error error) {
    say(FileMessages::WriteFailureText(FileMessages::LanguageFileCaption(), error, path));
}

bool written(const std::string& path, std::string_view bytes) {
    const TextFile::Error error = TextFile::WriteAll(path, bytes);
    if (error == TextFile::Error::None) return true;
    writeFailed(path, error);
    return false;
}

// The crossword of FILE, read as the window would open it; nothing after the message when it cannot be.
std::optional<KrossDocument> readCrossword(const std::string& path) {
    std::string bytes;
    KrossDocument doc;
    if (IpuzFormat::IsIpuzPath(path)) {
        std::error_code ec;
        if (std::filesystem::file_size(path, ec) > IpuzFormat::MaxFileBytes && !ec) {
            say(ExportCommands::RefusalMessage(FileMessages::LanguageFileCaption(), path,
                                               static_cast<int>(IpuzFormat::Refusal::TooLarge)));
            return std::nullopt;
        }
        const TextFile::Error error = TextFile::ReadAll(path, bytes, IpuzFormat::MaxFileBytes);
        if (error != TextFile::Error::None) {
            readFailed(path, error);
            return std::nullopt;
        }
        const IpuzFormat::Refusal why = IpuzFormat::Read(bytes, doc);
        if (why != IpuzFormat::Refusal::None) {
            say(ExportCommands::RefusalMessage(FileMessages::LanguageFileCaption(), path,
                                               static_cast<int>(why)));
            return std::nullopt;
        }
        return doc;
    }
    const TextFile::Error error = TextFile::ReadAll(path, bytes);
    if (error != TextFile::Error::None) {
        readFailed(path, error);
        return std::nullopt;
    }
    if (OpenKrossM::ReadKrossText(bytes, doc, Opt().StyleIndex, path, Opt().CellSize).status !=
        OpenKrossM::KrossReadResult::Status::Ok) {
        readFailed(path, TextFile::Error::Other);
        return std::nullopt;
    }
    return doc;
}

std::string extensionOf(const std::string& path) {
    return QFileInfo(QPath(path)).suffix().toLower().toStdString();
}

struct Request {
    std::string Out, In;
    std::optional<std::string> Password; // UTF-8 as typed
    bool AnswersPage = false;
    QPageSize::PageSizeId Paper = QPageSize::A4;
};

int exportHtml(const Request& r, const KrossDocument& doc) {
    // The page shows the answers in the grid's picture: built as authoring builds them.
    auto& d = Doc();
    d = doc;
    d.AppMode = Mode::Authoring;
    d.ActiveStyle = 0;
    LoadReshotkiM::BuildLayers(d);
    Surface picture(Colors::Black);
    NewFontM::ApplyLetterFontTo(picture);
    const auto& t = Lang();
    CopyKrossM::PageInput in(d);
    in.KrossCaption = StripMnemonic(t.Captions[static_cast<size_t>(LangIndex::KrossMenu)]);
    in.LangAuthorWord = t.LangAuthorWord;
    in.AcrossHeading = t.Captions[static_cast<size_t>(LangIndex::AcrossHeading)];
    in.DownHeading = t.Captions[static_cast<size_t>(LangIndex::DownHeading)];
    auto tooLarge = [](const std::string& path) {
        say(CopyKrossM::TooLargeText(FileMessages::LanguageFileCaption(), path));
    };
    return CopyKrossM::WriteFiles(picture, CopyKrossM::DerivePaths(r.Out), in, writeFailed, tooLarge)
               ? Done
               : Failed;
}

int run(const Request& r) {
    const std::optional<KrossDocument> read = readCrossword(r.In);
    if (!read) return Failed;
    const KrossDocument& doc = *read;

    // The edit password unlocks the answers of a protected crossword; a wrong one is an error.
    bool unlocked = false;
    if (r.Password && doc.NoAnswers == 0 && !doc.EditPassword.empty()) {
        const auto typed = Cp1251::FromUtf8(*r.Password);
        if (!typed || *typed != OpenKrossM::Unscramble(doc, doc.EditPassword)) {
            say(Q(Lang().LangText[LangTextItem::WrongPasswordMsg]));
            return Failed;
        }
        unlocked = true;
    }
    const bool mayShow = AnswersMayLeave(doc, unlocked);
    auto refuseAnswers = [&] {
        say(aboutFile(r.In, Text(Lang(), doc.NoAnswers != 0 ? Index::NoAnswers : Index::NeedsPassword)));
        return Failed;
    };

    const std::string ext = extensionOf(r.Out);
    if (ext == "pdf") {
        if (r.AnswersPage && !mayShow) return refuseAnswers();
        const QByteArray pdf =
            PrintKross::Pdf(PrintKross::MakeJob(doc, Lang(), Opt(), r.AnswersPage), r.Paper);
        return written(r.Out, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size()))) ? Done
                                                                                                  : Failed;
    }
    if (ext == "ipuz") {
        if (!written(r.Out, IpuzFormat::Write(doc, mayShow))) return Failed;
        if (doc.NoAnswers == 0 && !doc.EditPassword.empty())
            say(Tr(mayShow ? Index::IpuzWithoutPassword : Index::AnswersLeftOut));
        return Done;
    }
    if (ext == "htm" || ext == "html") {
        if (!mayShow) return refuseAnswers();
        return exportHtml(r, doc);
    }
    if (ext == "krw") {
        // Written as the window saves it.
        std::string bytes;
        const TextFile::Error error = SaveKrossM::WriteKrossFile(r.Out, doc, bytes);
        if (error == TextFile::Error::None) return Done;
        writeFailed(r.Out, error);
        return Failed;
    }
    say(aboutFile(r.Out, Text(Lang(), Index::UnknownFormat)));
    return Failed;
}

} // namespace

QCommandLineOption Option() {
    return QCommandLineOption(QStringLiteral("export"), Tr(Index::CommandUsage), QStringLiteral("OUT"));
}

QList<QCommandLineOption> MoreOptions() {
    // --help shows them in the usage line of --export.
    QList<QCommandLineOption> options = {
        QCommandLineOption(QStringLiteral("password"), QString(), QStringLiteral("PASSWORD")),
        QCommandLineOption(QStringLiteral("answers")),
        QCommandLineOption(QStringLiteral("paper"), QString(), QStringLiteral("PAPER"))};
    for (auto& o : options)
        o.setFlags(QCommandLineOption::HiddenFromHelp);
    return options;
}

int Run(const QCommandLineParser& parser) {
    const QString paper = parser.value(QStringLiteral("paper")).toLower();
    if (parser.positionalArguments().size() != 1 || parser.value(QStringLiteral("export")).isEmpty() ||
        !(paper.isEmpty() || paper == QLatin1String("a4") || paper == QLatin1String("letter"))) {
        say(Tr(Index::CommandUsage));
        return Usage;
    }
    Request r;
    r.Out = NativePath(parser.value(QStringLiteral("export")));
    r.In = NativePath(parser.positionalArguments().first());
    if (parser.isSet(QStringLiteral("password")))
        r.Password = parser.value(QStringLiteral("password")).toStdString();
    r.AnswersPage = parser.isSet(QStringLiteral("answers"));
    r.Paper = paper.isEmpty()                    ? PrintKross::DefaultPaper()
              : paper == QLatin1String("letter") ? QPageSize::Letter
                                                 : QPageSize::A4;
    return run(r);
}

} // namespace ExportCommand
