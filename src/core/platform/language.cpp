#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace atoz {

namespace {

constexpr char TranslationPrefix[] = "atoz_";

// "de" of "de", "de_AT", "de-AT" or "DE"; empty for anything else.
QString languageOf(const QString& name)
{
    const QString language = name.trimmed().section(u'-', 0, 0).section(u'_', 0, 0).toLower();
    return language.size() >= 2 && language.size() <= 3
            && std::all_of(language.begin(), language.end(), [](QChar c) { return c >= u'a' && c <= u'z'; })
        ? language
        : QString();
}

}  // namespace

QStringList ShippedLanguages()
{
    QStringList languages;
    const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("atoz_*.qm")}, QDir::Files);
    for (const QString& file : files)
        languages.append(file.mid(int(qstrlen(TranslationPrefix))).section(u'.', 0, 0));
    return languages;
}

QString ChooseLanguage(const QString& option, const QString& setting, const QStringList& systemLanguages,
                       const QStringList& shipped)
{
    const auto carried = [&shipped](const QString& name) {
        const QString language = languageOf(name);
        return shipped.contains(language) ? language : QString();
    };
    for (const QString& chosen : {option, setting}) {
        if (!chosen.trimmed().isEmpty()) {
            const QString language = carried(chosen);
            return language.isEmpty() ? QLatin1String(English) : language;
        }
    }
    for (const QString& system : systemLanguages) {
        if (languageOf(system) == QLatin1String(English))
            return QLatin1String(English);
        if (const QString language = carried(system); !language.isEmpty())
            return language;
    }
    return QLatin1String(English);
}

void SpeakLanguage(const QString& language)
{
    if (language == QLatin1String(English) || !QCoreApplication::instance())
        return;
    // The region is the system's where it speaks the same language, else the
    // one the book's translation is written for (Portugal's Portuguese, not
    // Brazil's, which Qt takes for "pt").
    auto* book = new QTranslator(QCoreApplication::instance());
    QLocale locale(language);
    if (book->load(QLatin1String(TranslationPrefix) + language, QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(book);
        if (languageOf(book->language()) == language)
            locale = QLocale(book->language());
    }
    const QLocale system = QLocale::system();
    if (languageOf(system.name()) == language)
        locale = system;
    QLocale::setDefault(locale);

    // Qt's catalogue for the language: qt_<language> gathers Qt's parts, or
    // holds them itself for a language whose parts Qt no longer keeps apart.
    // Where Qt has one for another region too, that one answers what the
    // region's own leaves out: an older catalogue may lack the words of
    // Qt's standard buttons, which are the same in both.
    const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QStringList regions =
        QDir(qtTranslations).entryList({QStringLiteral("qt_%1_*.qm").arg(language)}, QDir::Files, QDir::Name);
    for (const QString& region : regions) {
        auto* other = new QTranslator(QCoreApplication::instance());
        if (region.section(u'.', 0, 0).mid(3) != locale.name() && other->load(region, qtTranslations))
            QCoreApplication::installTranslator(other);
        else
            delete other;
    }
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qt"), QStringLiteral("_"), qtTranslations))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}

}  // namespace atoz
