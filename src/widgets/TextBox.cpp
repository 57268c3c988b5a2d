#include "widgets/TextBox.h"

#include <QKeyEvent>

#include "widgets/UiText.h"

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    // Pasted or otherwise inserted text that cp1251 cannot hold is taken back.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (FitsCp1251(t)) {
            lastGood_ = t;
            return;
        }
        const int cursor = lastCursor_;
        setText(lastGood_);
        setCursorPosition(std::min<int>(cursor, static_cast<int>(lastGood_.size())));
    });
    connect(this, &QLineEdit::cursorPositionChanged, this, [this](int, int now) {
        if (FitsCp1251(text())) lastCursor_ = now;
    });
}

int TextBox::KeyCode(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Enter;
    case Qt::Key_Escape:
        return Escape;
    case Qt::Key_Up:
        return Up;
    case Qt::Key_Down:
        return Down;
    default:
        return Other;
    }
}

void TextBox::keyPressEvent(QKeyEvent* e) {
    if (KeyDown && KeyDown(KeyCode(e->key()))) {
        e->accept();
        return;
    }
    const QString t = e->text();
    const bool ctrl = e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!t.isEmpty() && !ctrl && t[0].isPrint()) {
        const auto ucs = t.toUcs4();
        for (char32_t ch : ucs) {
            if (!FitsCp1251(QString::fromUcs4(&ch, 1)) || (KeyPress && !KeyPress(ch))) {
                e->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(e);
}

void TextBox::keyReleaseEvent(QKeyEvent* e) {
    if (KeyUp) KeyUp(KeyCode(e->key()));
    QLineEdit::keyReleaseEvent(e);
}
