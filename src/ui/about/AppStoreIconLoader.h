#pragma once

#include <QCache>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QQmlEngine;
class QJSEngine;

// Fetches the icon of a store application by its store id: asks the lookup service
// ("<base>lookup?id=<id>") for the artwork address, downloads and decodes the artwork, and keeps
// both in memory (lookup request -> artwork address, artwork address -> image) until the process
// ends. Failures (transport errors, JSON that does not decode, an empty "results", undecodable
// image bytes) end with no image and are never cached, so the next load asks again. The HTTP
// status is not examined: any body that decodes is used. One shared instance, main thread only;
// transfers never block the thread.
class AppStoreIconLoader : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using Completion = std::function<void(std::optional<QImage>)>;

    // The lookup service used unless STASHLINE_STORE_LOOKUP_URL names another.
    static inline const QString defaultLookupBaseAddress = QStringLiteral("https://apps.quellmar.com/store/");

    static AppStoreIconLoader &shared();
    static AppStoreIconLoader *create(QQmlEngine *, QJSEngine *);

    // The base the request text starts with (ends with "/").
    QString lookupBaseAddress() const { return m_lookupBaseAddress; }
    void setLookupBaseAddress(const QString &baseAddress) { m_lookupBaseAddress = baseAddress; }

    // Loads the icon for `appID` (appended to the request verbatim) and calls `completion` on
    // the main thread with the image or none; synchronously when both caches hold it. The
    // completion is dropped if `receiver` is destroyed first.
    void loadIcon(const QString &appID, QObject *receiver, Completion completion);

    // How many HTTP requests the loader has started (for tests and diagnostics).
    int requestCount() const { return m_requestCount; }
    // Empties both caches (tests; the system may also drop entries).
    void clearCaches();

private:
    explicit AppStoreIconLoader(QObject *parent = nullptr);
    void fetchArtwork(const QString &artworkURL, const QPointer<QObject> &receiver, bool hasReceiver,
                      const Completion &completion);
    QNetworkReply *get(const QUrl &url);

    QString m_lookupBaseAddress;
    QNetworkAccessManager *m_network = nullptr;
    QCache<QString, QString> m_urlCache;
    QCache<QString, QImage> m_imageCache;
    int m_requestCount = 0;
};
