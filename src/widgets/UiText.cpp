#include "widgets/UiText.h"

#include "app/ProgramState.h"
#include "basics/Cp1251.h"
#include "lang/LanguageFile.h"

QString Q(std::string_view cp1251) {
    const std::string utf8 = Cp1251::ToUtf8(cp1251);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string Cp(const QString& text) {
    return Cp1251::FromUtf8Lossy(text.toUtf8().toStdString());
}

std::optional<std::string> CpExact(const QString& text) {
    return Cp1251::FromUtf8(text.toUtf8().toStdString());
}

bool FitsCp1251(const QString& text) {
    return CpExact(text).has_value();
}

QString QPath(const std::string& path) {
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

std::string NativePath(const QString& path) {
    return path.toUtf8().toStdString();
}

QString Plain(const QString& caption) {
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

QString Tr(int index) {
    return Q(Text(Lang(), index));
}
