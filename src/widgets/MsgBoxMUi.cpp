#include "widgets/MsgBoxMUi.h"

#include <QApplication>
#include <QMessageBox>

#include "app/ProgramState.h"
#include "widgets/UiText.h"

namespace MsgBoxM {
namespace {

Responder& responder() {
    static Responder r;
    return r;
}

} // namespace

void SetResponder(Responder r) {
    responder() = std::move(r);
}

Answer Show(const QString& text, Style style) {
    if (responder()) return responder()(text, style);
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(Q(Lang().MsgTitle));
    box.setTextFormat(Qt::PlainText); // messages carry file names, paths and clues: text, never markup
    box.setText(text);
    switch (style) {
    case Style::Critical:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Style::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Style::SaveQuestion:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case Style::ReplaceFile:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    case Style::Confirm:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return style == Style::SaveQuestion                               ? Answer::Cancel
               : (style == Style::ReplaceFile || style == Style::Confirm) ? Answer::No
                                                                          : Answer::Ok;
    }
}

} // namespace MsgBoxM
