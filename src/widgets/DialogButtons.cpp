#include "widgets/DialogButtons.h"

DialogButtons MakeDialogButtons(QWidget* dialog, const QString& cancelCaption, const char* okName,
                                const char* cancelName) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(QString::fromLatin1(okName));
    auto* cancel = new QPushButton(cancelCaption, dialog);
    cancel->setObjectName(QString::fromLatin1(cancelName));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    cancel->setAutoDefault(false);
    return {ok, cancel};
}
