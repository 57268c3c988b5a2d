#pragma once
// The file dialogs. Every dialog opens in SamplesDir, and a confirmed one moves SamplesDir to the folder
// of the chosen file. A save dialog whose SamplesDir cannot be written (the samples of an installed
// program) opens in the user's documents folder instead.
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

namespace apiOpenSaveM {

// filter: pairs of description and pattern, all separated by NUL characters (cp1251). The first pair is
// selected. Returns the chosen full path, or an empty text when the user cancelled.
QString FileDialog(bool save, const QString& initialName, const std::string& filter);

// The folder a dialog opens in: SamplesDir, or for saving into a folder that cannot be written the
// user's documents folder (the home folder when there is none).
QString StartFolder(bool save);

// A file chosen without the dialog (given on the command line) moves SamplesDir as a confirmed dialog
// does.
void TakeChosenFile(const QString& path);

// The name filters the dialog offers for such a filter text, in order.
QStringList NameFilters(const std::string& filter);

// Replaces the real dialog (tests): gets save, the initial name, the name filters and the folder.
using Responder = std::function<QString(bool save, const QString& initialName, const QStringList& filters,
                                        const QString& folder)>;
void SetResponder(Responder responder);

} // namespace apiOpenSaveM
