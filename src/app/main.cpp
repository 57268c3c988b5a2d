#include <QApplication>
#include <QGuiApplication>
#include <cstdio>

#include "app/ExportCommand.h"
#include "app/MainM.h"

int main(int argc, char** argv) {
    if (ExportCommand::Asked(argc, argv)) {
        // The export draws and writes files without any window, so it needs no display; its stderr carries
        // its own messages only, not the toolkit's notes about the session it runs in.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", text.toUtf8().constData());
        });
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName("Gridmora");
        return ExportCommand::Run(QGuiApplication::arguments());
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Gridmora");
    MainM::Main();
    return QApplication::exec();
}
