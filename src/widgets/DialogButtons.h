#pragma once
// The OK and Cancel buttons of the program's dialogs: OK keeps its caption in every language and is the
// default button (Enter presses it), Cancel takes its caption from the language file.
#include <QPushButton>
#include <QString>

struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
};

DialogButtons MakeDialogButtons(QWidget* dialog, const QString& cancelCaption, const char* okName = "kOK",
                                const char* cancelName = "kNO");
