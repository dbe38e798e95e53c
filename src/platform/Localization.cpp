#include "Localization.h"

#include "PhraseBreaker.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace Localization {

namespace {

// The app's texts, wrapped as the language expects: Japanese between phrases, Korean between
// words (Unicode's line breaking would break either between any two characters).
class WrappingTranslator : public QTranslator
{
public:
    explicit WrappingTranslator(const QString &language) : m_language(language) {}

    QString translate(const char *context, const char *sourceText, const char *disambiguation, int n) const override
    {
        const QString text = QTranslator::translate(context, sourceText, disambiguation, n);
        if (text.isEmpty())
            return text;
        if (m_language == QLatin1String("ja")) {
            const PhraseBreaker *breaker = PhraseBreaker::japanese();
            return breaker ? breaker->keepingPhrasesTogether(text) : text;
        }
        if (m_language == QLatin1String("ko"))
            return PhraseBreaker::keepingWordsTogether(text);
        return text;
    }

private:
    QString m_language;
};

} // namespace

QString localeIdentifier(const QLocale &locale)
{
    QString identifier = QLocale::languageToCode(locale.language());
    if (locale.script() != QLocale::AnyScript)
        identifier += QLatin1Char('_') + QLocale::scriptToCode(locale.script());
    if (locale.territory() != QLocale::AnyTerritory)
        identifier += QLatin1Char('_') + QLocale::territoryToCode(locale.territory());
    return identifier;
}

QString languageFor(const QLocale &locale)
{
    const QString language = QLocale::languageToCode(locale.language());
    if (language == QLatin1String("zh"))
        return localeIdentifier(locale).contains(QLatin1String("zh_Hant")) ? QStringLiteral("zh_Hant")
                                                                           : QStringLiteral("zh_Hans");
    for (const char *shipped : {"es", "fr", "de", "ko", "ja"}) {
        if (language == QLatin1String(shipped))
            return language;
    }
    return QStringLiteral("en");
}

QString qtLanguageFor(const QLocale &locale)
{
    const QString language = languageFor(locale);
    if (language == QLatin1String("zh_Hans"))
        return QStringLiteral("zh_CN");
    if (language == QLatin1String("zh_Hant"))
        return QStringLiteral("zh_TW");
    return language;
}

bool install(const QLocale &locale)
{
    static std::unique_ptr<QTranslator> installed;
    static std::unique_ptr<QTranslator> installedQt;
    for (std::unique_ptr<QTranslator> *old : {&installed, &installedQt}) {
        if (*old) {
            QCoreApplication::removeTranslator(old->get());
            old->reset();
        }
    }
    // Qt's own texts (its file dialog, the text fields' menus) in the same language, where the
    // system has Qt's translations.
    const QString qtLanguage = qtLanguageFor(locale);
    if (qtLanguage != QLatin1String("en")) {
        auto qtTranslator = std::make_unique<QTranslator>();
        if (qtTranslator->load(QStringLiteral("qt_") + qtLanguage, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qtTranslator.get());
            installedQt = std::move(qtTranslator);
        }
    }
    auto translator = std::make_unique<WrappingTranslator>(languageFor(locale));
    if (!translator->load(QStringLiteral(":/i18n/stashline_%1.qm").arg(languageFor(locale))))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    return true;
}

} // namespace Localization
