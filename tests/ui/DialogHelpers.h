#pragma once
// Small helpers for the window tests of the modal dialogs.
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

// Saves a picture of a dialog when GRIDMORA_SHOTS names a folder (for looking at by eye).
inline void DialogShot(QWidget* dialog, const char* name) {
    const QByteArray dir = qgetenv("GRIDMORA_SHOTS");
    if (dir.isEmpty()) return;
    QApplication::processEvents();
    dialog->grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
}

// Clicks (or double-clicks) the entry of a list at row. A double click arrives as the desktop sends it:
// press, release, press, the double-click event, release.
inline void ClickListEntry(QListWidget* list, int row, bool twice = false) {
    QWidget* v = list->viewport();
    const QPoint at = list->visualItemRect(list->item(row)).center();
    auto send = [v, at](QEvent::Type type, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(at), QPointF(v->mapToGlobal(at)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(v, &e);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    if (!twice) return;
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
}
