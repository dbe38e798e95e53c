#include "Localization.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace Localization {

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

bool install(const QLocale &locale)
{
    static std::unique_ptr<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/stashline_%1.qm").arg(languageFor(locale))))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    return true;
}

} // namespace Localization
