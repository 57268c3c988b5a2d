#include "app/OpURLUi.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace OpURL {
namespace {
std::function<void(const QString&)>& opener() {
    static std::function<void(const QString&)> o;
    return o;
}
} // namespace

void SetOpener(std::function<void(const QString&)> o) {
    opener() = std::move(o);
}

void OpenDocument(const QString& target) {
    if (opener()) {
        opener()(target);
        return;
    }
    const QUrl url = target.contains(QLatin1String("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return;
    QDesktopServices::openUrl(url);
}
} // namespace OpURL
