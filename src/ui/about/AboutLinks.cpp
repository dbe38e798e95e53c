#include "AboutLinks.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSysInfo>

namespace {

// Characters allowed in a URL query besides the unreserved ones.
const QByteArray queryAllowedExtras = QByteArrayLiteral("!$&'()*+,;=:@/?");

QString encodeQueryText(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text, queryAllowedExtras));
}

} // namespace

AboutLinks::AboutLinks(QObject *parent)
    : QObject(parent)
{
}

QString AboutLinks::appVersionText(const std::optional<QString> &shortVersion, const std::optional<QString> &build)
{
    const QString version = shortVersion && !shortVersion->isEmpty() ? *shortVersion : QStringLiteral("1.0");
    const QString buildText = build && !build->isEmpty() ? *build : QStringLiteral("1");
    return version + QLatin1String(" (") + buildText + QLatin1Char(')');
}

QString AboutLinks::appVersionText()
{
#ifdef STASHLINE_BUILD_NUMBER
    const std::optional<QString> build = QStringLiteral(STASHLINE_BUILD_NUMBER);
#else
    const std::optional<QString> build;
#endif
    const QString version = QCoreApplication::applicationVersion();
    return appVersionText(version.isEmpty() ? std::nullopt : std::optional<QString>(version), build);
}

QUrl AboutLinks::feedbackMailURL(const QString &email, const QString &subject, const QString &versionText,
                                 const QString &systemVersionText)
{
    QString encodedSubject = encodeQueryText(subject);
    if (encodedSubject.isEmpty())
        encodedSubject = QStringLiteral("Stashline%20-%20Support");
    const QString body = QLatin1String("\n\n---\nApp: Stashline ") + versionText + QLatin1String("\nSystem: ")
        + systemVersionText;
    const QString text = QLatin1String("mailto:") + email + QLatin1String("?subject=") + encodedSubject
        + QLatin1String("&body=") + encodeQueryText(body);
    return QUrl(text, QUrl::StrictMode);
}

QUrl AboutLinks::feedbackMailURL(const QString &email)
{
    return feedbackMailURL(email, qtTrId("about.feedback.subject"), appVersionText(),
                           QSysInfo::prettyProductName());
}

QString AboutLinks::websiteSegment(const QStringList &preferredLanguages)
{
    const QString language = preferredLanguages.isEmpty() ? QStringLiteral("en") : preferredLanguages.first();
    const auto startsWith = [&language](const char *prefix) { return language.startsWith(QLatin1String(prefix)); };
    if (startsWith("zh-Hans"))
        return QStringLiteral("zh-Hans/");
    if (startsWith("zh-Hant") || startsWith("zh-HK") || startsWith("zh-TW"))
        return QStringLiteral("zh-Hant/");
    if (startsWith("ja"))
        return QStringLiteral("ja/");
    if (startsWith("ko"))
        return QStringLiteral("ko/");
    if (startsWith("de"))
        return QStringLiteral("de-DE/");
    if (startsWith("fr"))
        return QStringLiteral("fr-FR/");
    if (startsWith("es"))
        return QStringLiteral("es-MX/");
    return QStringLiteral("en-US/");
}

QUrl AboutLinks::websiteURL(const QString &root, const QString &page, const QStringList &preferredLanguages)
{
    return QUrl(root + websiteSegment(preferredLanguages) + page, QUrl::StrictMode);
}

QUrl AboutLinks::websiteURL(const QString &page)
{
    return websiteURL(websiteRootAddress, page, preferredLanguages());
}

QUrl AboutLinks::writeReviewTarget(const QUrl &reviewURL, const QUrl &appStoreURL)
{
    return reviewURL.isValid() && !reviewURL.isEmpty() ? reviewURL : appStoreURL;
}

QStringList AboutLinks::preferredLanguages()
{
    QStringList languages;
    const QStringList uiLanguages = QLocale().uiLanguages();
    for (const QString &language : uiLanguages)
        languages.append(QString(language).replace(QLatin1Char('_'), QLatin1Char('-')));
    return languages;
}
