#include "widgets/TextBox.h"

#include <QKeyEvent>
#include <algorithm>

#include "widgets/UiText.h"
#include "document/TextLimits.h"

namespace {
bool isControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}
} // namespace

QString TextBox::WithoutControls(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            continue; // CR LF: one blank
        if (c == u'\r' || c == u'\n' || c == u'\t')
            out += QLatin1Char(' ');
        else if (!isControl(c))
            out += text[i];
    }
    return out;
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(static_cast<int>(TextLimits::MaxText));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& t) {
        // A pasted line break would end up inside a line of a file and break it: control characters are
        // replaced or dropped at once (setting the text comes back here with the clean text).
        const QString clean = WithoutControls(t);
        if (clean != t) {
            const int cursor = cursorPosition() - static_cast<int>(t.size() - clean.size());
            setText(clean);
            setCursorPosition(std::clamp(cursor, 0, static_cast<int>(text().size())));
            return;
        }
        // Pasted or otherwise inserted text that cp1251 cannot hold is taken back.
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
