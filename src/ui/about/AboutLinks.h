#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <optional>

// The links of the About screen: version text, feedback mail, localized website pages and the
// review target. Pure functions of their arguments plus QML conveniences over the running
// process. Exposed to QML as the singleton "AboutLinks". Main thread for the QML side.
class AboutLinks : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString appVersionText READ appVersionText CONSTANT)
    Q_PROPERTY(QString websiteRoot READ websiteRoot CONSTANT)

public:
    static inline const QString websiteRootAddress = QStringLiteral("https://stashline.quellmar.com/");

    explicit AboutLinks(QObject *parent = nullptr);

    // "<short version> (<build>)", with "1.0" and "1" standing in for a missing part.
    static QString appVersionText(const std::optional<QString> &shortVersion, const std::optional<QString> &build);
    // The running program's version text.
    static QString appVersionText();
    static QString websiteRoot() { return websiteRootAddress; }

    // "mailto:<email verbatim>?subject=<subject>&body=<body>", subject and body percent-encoded
    // with the query-allowed characters kept; the body starts with two line breaks and ends with
    // the system line. An invalid URL when the text does not parse.
    static QUrl feedbackMailURL(const QString &email, const QString &subject, const QString &versionText,
                                const QString &systemVersionText);
    Q_INVOKABLE static QUrl feedbackMailURL(const QString &email);

    // The website segment for the first preferred language ("en" when there is none):
    // "zh-Hans/", "zh-Hant/", "ja/", "ko/", "de-DE/", "fr-FR/", "es-MX/", else "en-US/".
    static QString websiteSegment(const QStringList &preferredLanguages);
    // root + segment + page.
    static QUrl websiteURL(const QString &root, const QString &page, const QStringList &preferredLanguages);
    Q_INVOKABLE static QUrl websiteURL(const QString &page);

    // `reviewURL` when valid, else `appStoreURL` (invalid when both are).
    Q_INVOKABLE static QUrl writeReviewTarget(const QUrl &reviewURL, const QUrl &appStoreURL);

    // The user's preferred languages as BCP 47 tags ("zh-Hant-TW").
    static QStringList preferredLanguages();
};
