#include <QApplication>
#include <QGuiApplication>

#include "app/ExportCommand.h"
#include "app/MainM.h"

int main(int argc, char** argv) {
    if (ExportCommand::Asked(argc, argv)) {
        // The export draws and writes files without any window, so it needs no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName("Gridmora");
        return ExportCommand::Run(QGuiApplication::arguments());
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Gridmora");
    MainM::Main();
    return QApplication::exec();
}
