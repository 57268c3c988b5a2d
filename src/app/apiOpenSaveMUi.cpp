#include "app/apiOpenSaveMUi.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/ProgramState.h"
#include "basics/TextFile.h"
#include "widgets/UiText.h"

namespace apiOpenSaveM {
namespace {
Responder& responder() {
    static Responder r;
    return r;
}
} // namespace

void SetResponder(Responder r) {
    responder() = std::move(r);
}

QStringList NameFilters(const std::string& filter) {
    QStringList parts;
    size_t start = 0;
    for (;;) {
        const size_t nul = filter.find('\0', start);
        parts << Q(filter.substr(start, nul == std::string::npos ? std::string::npos : nul - start));
        if (nul == std::string::npos) break;
        start = nul + 1;
    }
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        // The description usually repeats its patterns in parentheses; the dialog takes them from there.
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open > 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(open).trimmed();
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (auto& p : patterns)
            p = p.trimmed();
        filters << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return filters;
}

QString StartFolder(bool save) {
    const std::string& samples = Opt().SamplesDir;
    if (!save || TextFile::FolderWritable(samples)) return QPath(samples);
    // The samples of an installed program cannot take the user's files.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

void TakeChosenFile(const QString& path) {
    if (!path.isEmpty()) Opt().SamplesDir = NativePath(QFileInfo(path).absolutePath());
}

QString FileDialog(bool save, const QString& initialName, const std::string& filter) {
    const QStringList filters = NameFilters(filter);
    const QString folder = StartFolder(save);
    QString result;
    if (responder()) {
        result = responder()(save, initialName, filters, folder);
    } else {
        QFileDialog dialog(QApplication::activeWindow());
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        // The callers ask their own overwrite question.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        dialog.setDirectory(folder);
        dialog.setNameFilters(filters);
        if (!filters.isEmpty()) dialog.selectNameFilter(filters.first());
        if (!initialName.isEmpty()) dialog.selectFile(initialName);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            result = dialog.selectedFiles().first();
    }
    TakeChosenFile(result);
    return result;
}

} // namespace apiOpenSaveM
