#pragma once
// Windows as wide as their titles: the desktop cuts a title that is wider than its window, and a
// language's title may be longer than the window's contents.
#include <QWidget>

// The width the window's title needs on a title bar: the title in a bold face of the window's font, and
// room for the window's icon and the buttons of the title bar.
int TitleBarWidth(const QWidget& window);
// The same for a title the window may show.
int TitleBarWidth(const QWidget& window, const QString& title);

// Makes a window that has a layout at least as wide as its title needs and as its layout needs, and as
// high as its layout needs. Call it once the title and every caption are set, and again when the title
// changes. A layout that fixed the window's size keeps it fixed, at the new width.
void FitToTitle(QWidget& window);
// The same for the widest title the window will show, when its title changes while it is open.
void FitToTitle(QWidget& window, const QString& widestTitle);
