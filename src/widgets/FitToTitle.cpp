#include "widgets/FitToTitle.h"

#include <QFontMetrics>
#include <QLayout>
#include <algorithm>

namespace {
// The window's icon, the close, maximise and minimise buttons and the spaces between them, as common
// title bars draw them.
constexpr int TitleBarFurniture = 120;
} // namespace

int TitleBarWidth(const QWidget& window) {
    return TitleBarWidth(window, window.windowTitle());
}

int TitleBarWidth(const QWidget& window, const QString& title) {
    QFont bold = window.font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title) + TitleBarFurniture;
}

void FitToTitle(QWidget& window) {
    FitToTitle(window, window.windowTitle());
}

void FitToTitle(QWidget& window, const QString& widestTitle) {
    QLayout* layout = window.layout();
    if (!layout) return;
    const bool fixed = layout->sizeConstraint() == QLayout::SetFixedSize;
    // The layout would set the window's minimum (or fixed) size again on every activation: it leaves that
    // to the window from here on.
    layout->setSizeConstraint(QLayout::SetDefaultConstraint);
    layout->activate();
    QSize least = layout->totalMinimumSize();
    least.setWidth(std::max(least.width(), TitleBarWidth(window, widestTitle)));
    if (fixed)
        window.setFixedSize(layout->totalSizeHint().expandedTo(least));
    else
        window.setMinimumSize(least); // a window already smaller grows to it
}
