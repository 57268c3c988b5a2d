#include "lang/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>
#include <QTranslator>

#include "widgets/UiText.h"

namespace QtTranslation {
namespace {

QPointer<QTranslator>& installed() {
    static QPointer<QTranslator> t;
    return t;
}

QString& current() {
    static QString c;
    return c;
}

QString stemOf(const QString& fileName) {
    return fileName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) ? fileName.chopped(4) : fileName;
}

// The language whose English name (and, when asked, native name) is the text; AnyLanguage for none.
QLocale::Language languageNamed(const QString& text, bool nativeToo) {
    const QString wanted = text.trimmed();
    if (wanted.isEmpty()) return QLocale::AnyLanguage;
    for (int i = QLocale::C + 1; i <= QLocale::LastLanguage; ++i) {
        const auto lang = static_cast<QLocale::Language>(i);
        if (QLocale::languageToString(lang).compare(wanted, Qt::CaseInsensitive) == 0) return lang;
    }
    if (!nativeToo) return QLocale::AnyLanguage;
    for (int i = QLocale::C + 1; i <= QLocale::LastLanguage; ++i) {
        const auto lang = static_cast<QLocale::Language>(i);
        const QLocale locale(lang);
        if (locale.language() == lang &&
            locale.nativeLanguageName().compare(wanted, Qt::CaseInsensitive) == 0)
            return lang;
    }
    return QLocale::AnyLanguage;
}

QString codeOf(QLocale::Language lang) {
    return QLocale::languageToCode(lang);
}

} // namespace

QString LanguageOf(const QString& fileName, const QString& displayName) {
    const QString stem = stemOf(fileName);
    if (const auto lang = languageNamed(stem, false); lang != QLocale::AnyLanguage) return codeOf(lang);
    if (const auto lang = languageNamed(displayName, true); lang != QLocale::AnyLanguage) return codeOf(lang);
    // A code: QLocale takes "ru", "ru_RU" and "pt-BR"; anything else gives the C locale.
    static const QRegularExpression code(QStringLiteral("^[A-Za-z]{2,3}([_-][A-Za-z0-9]{2,8})?$"));
    if (code.match(stem).hasMatch()) {
        const QLocale locale(stem);
        if (locale.language() != QLocale::C && locale.language() != QLocale::AnyLanguage)
            return stem.contains(QLatin1Char('_')) || stem.contains(QLatin1Char('-'))
                       ? locale.name()
                       : codeOf(locale.language());
    }
    return {};
}

void Follow(const std::string& fileName, const std::string& displayName) {
    auto* app = QCoreApplication::instance();
    if (!app) return;
    const QString language = LanguageOf(QPath(fileName), Q(displayName));
    if (installed()) {
        QCoreApplication::removeTranslator(installed());
        delete installed();
    }
    current().clear();
    // Dates, sizes and file types in the dialogs follow the language too.
    QLocale::setDefault(language.isEmpty() ? QLocale::system() : QLocale(language));
    if (language.isEmpty()) return;
    auto* t = new QTranslator(app);
    if (!t->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return;
    }
    QCoreApplication::installTranslator(t);
    installed() = t;
    current() = language;
}

QString Current() {
    return current();
}

} // namespace QtTranslation
