#include <QApplication>

#include "app/MainMUi.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Gridmora");
    MainM::Main();
    return QApplication::exec();
}
