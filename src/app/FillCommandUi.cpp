#include "app/FillCommandUi.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/FillCommand.h"
#include "app/ProgramState.h"
#include "grid/GridFill.h"
#include "widgets/UiText.h"

namespace FillCommand {

QCommandLineOption Option() {
    return QCommandLineOption(QStringLiteral("fill"), Tr(FillText::Usage), QStringLiteral("IN"));
}

QList<QCommandLineOption> MoreOptions() {
    // --help shows them in the usage line of --fill.
    QList<QCommandLineOption> options = {
        QCommandLineOption(QStringLiteral("time-limit"), QString(), QStringLiteral("SECONDS")),
        QCommandLineOption(QStringLiteral("seed"), QString(), QStringLiteral("N"))};
    for (auto& o : options)
        o.setFlags(QCommandLineOption::HiddenFromHelp);
    return options;
}

int Run(const QCommandLineParser& parser) {
    // The arguments as the logic reads them: IN OUT, then the options given.
    std::vector<std::string> args = {NativePath(parser.value(QStringLiteral("fill")))};
    for (const QString& p : parser.positionalArguments())
        args.push_back(NativePath(p));
    for (const char* name : {"time-limit", "seed"})
        if (parser.isSet(QLatin1String(name))) {
            args.push_back(std::string("--") + name);
            args.push_back(parser.value(QLatin1String(name)).toStdString());
        }
    return Main(args, Opt().AppDir, Opt().PathSep, Lang(), stderr);
}

} // namespace FillCommand
