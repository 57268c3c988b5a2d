#include "app/ExportCommand.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "app/MainMUi.h"
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
    say(aboutFile(path,
                  error == TextFile::Error::NotFound ? Lang().LangNotFoundError : Lang().LangReadError));
}

void writeFailed(const std::string& path, TextFile::Error error) {
    say(aboutFile(path, error == TextFile::Error::Access ? Lang().LangAccessError : Lang().LangWriteError));
}

bool written(const std::string& path, std::string_view bytes) {
    const TextFile::Error error = TextFile::WriteAll(path, bytes);
    if (error == TextFile::Error::None) return true;
    writeFailed(path, error);
    return false;
}

// The texts of the language the settings name (Russian when they name none). Without a readable
// language file the built-in texts remain.
void loadLanguage() {
    auto& o = Opt();
    const std::string name = o.LanguageFile.empty() ? std::string("Russian.txt") : o.LanguageFile;
    std::string bytes;
    if (TextFile::ReadAll(o.AppDir + "Language" + o.PathSep + name, bytes, size_t{4} << 20) ==
        TextFile::Error::None)
        ApplyLanguage(ParseLanguageFile(bytes), Lang());
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
    if (OpenKrossM::ReadKrossText(bytes, doc, Opt().StyleIndex, path).status !=
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
    if (ext == "krw") return written(r.Out, SaveKrossM::KrossFileText(doc)) ? Done : Failed;
    say(aboutFile(r.Out, Text(Lang(), Index::UnknownFormat)));
    return Failed;
}

} // namespace

bool Asked(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--export") == 0 || std::strncmp(argv[i], "--export=", 9) == 0) return true;
    return false;
}

int Run(const QStringList& arguments) {
    MainM::LoadSettings();
    loadLanguage();

    QCommandLineParser parser;
    const QCommandLineOption exportOption(QStringLiteral("export"), QString(), QStringLiteral("OUT"));
    const QCommandLineOption passwordOption(QStringLiteral("password"), QString(),
                                            QStringLiteral("PASSWORD"));
    const QCommandLineOption answersOption(QStringLiteral("answers"));
    const QCommandLineOption paperOption(QStringLiteral("paper"), QString(), QStringLiteral("PAPER"));
    parser.addOptions({exportOption, passwordOption, answersOption, paperOption});
    parser.addPositionalArgument(QStringLiteral("FILE"), QString());
    const bool parsed = parser.parse(arguments);
    const QString paper = parser.value(paperOption).toLower();
    if (!parsed || !parser.isSet(exportOption) || parser.positionalArguments().size() != 1 ||
        parser.value(exportOption).isEmpty() ||
        !(paper.isEmpty() || paper == QLatin1String("a4") || paper == QLatin1String("letter"))) {
        if (!parsed) say(parser.errorText());
        say(Tr(Index::CommandUsage));
        return Usage;
    }
    Request r;
    r.Out = NativePath(parser.value(exportOption));
    r.In = NativePath(parser.positionalArguments().first());
    if (parser.isSet(passwordOption)) r.Password = parser.value(passwordOption).toStdString();
    r.AnswersPage = parser.isSet(answersOption);
    r.Paper = paper.isEmpty()                    ? PrintKross::DefaultPaper()
              : paper == QLatin1String("letter") ? QPageSize::Letter
                                                 : QPageSize::A4;
    return run(r);
}

} // namespace ExportCommand
