#include "AppStoreIconLoader.h"

#include "AppStoreLookupResponse.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QQmlEngine>
#include <QUrl>

#include <limits>

namespace {

constexpr int transferTimeoutMs = 15000;

// A transport error: no HTTP answer at all. An HTTP error status still carries a usable body.
bool isTransportError(QNetworkReply *reply)
{
    return reply->error() != QNetworkReply::NoError
        && !reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
}

} // namespace

AppStoreIconLoader &AppStoreIconLoader::shared()
{
    static AppStoreIconLoader *const loader = new AppStoreIconLoader;
    return *loader;
}

AppStoreIconLoader *AppStoreIconLoader::create(QQmlEngine *, QJSEngine *)
{
    AppStoreIconLoader *loader = &shared();
    QQmlEngine::setObjectOwnership(loader, QQmlEngine::CppOwnership);
    return loader;
}

AppStoreIconLoader::AppStoreIconLoader(QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
    const QString configured = qEnvironmentVariable("STASHLINE_STORE_LOOKUP_URL");
    m_lookupBaseAddress = configured.isEmpty() ? defaultLookupBaseAddress : configured;
    // The caches have no count or cost limit of their own.
    m_urlCache.setMaxCost(std::numeric_limits<int>::max());
    m_imageCache.setMaxCost(std::numeric_limits<int>::max());
}

void AppStoreIconLoader::clearCaches()
{
    m_urlCache.clear();
    m_imageCache.clear();
}

QNetworkReply *AppStoreIconLoader::get(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(transferTimeoutMs);
    ++m_requestCount;
    return m_network->get(request);
}

void AppStoreIconLoader::loadIcon(const QString &appID, QObject *receiver, Completion completion)
{
    const QString requestText = m_lookupBaseAddress + QLatin1String("lookup?id=") + appID;
    const QPointer<QObject> guard(receiver);
    const bool hasReceiver = receiver != nullptr;

    if (const QString *artwork = m_urlCache.object(requestText)) {
        if (const QImage *image = m_imageCache.object(*artwork)) {
            completion(*image);
            return;
        }
        fetchArtwork(*artwork, guard, hasReceiver, completion);
        return;
    }

    const QUrl requestURL(requestText, QUrl::StrictMode);
    if (!requestURL.isValid() || requestURL.scheme().isEmpty()) {
        completion(std::nullopt);
        return;
    }
    QNetworkReply *reply = get(requestURL);
    connect(reply, &QNetworkReply::finished, this, [this, reply, requestText, guard, hasReceiver, completion] {
        reply->deleteLater();
        if (hasReceiver && !guard)
            return;
        if (isTransportError(reply)) {
            completion(std::nullopt);
            return;
        }
        const std::optional<AppStoreLookupResponse> response = AppStoreLookupResponse::decode(reply->readAll());
        if (!response || response->results.isEmpty()) {
            completion(std::nullopt);
            return;
        }
        const QString artworkURL = response->results.first().artworkURL;
        m_urlCache.insert(requestText, new QString(artworkURL), 1);
        fetchArtwork(artworkURL, guard, hasReceiver, completion);
    });
}

void AppStoreIconLoader::fetchArtwork(const QString &artworkURL, const QPointer<QObject> &receiver, bool hasReceiver,
                                      const Completion &completion)
{
    const QUrl url(artworkURL, QUrl::StrictMode);
    if (artworkURL.isEmpty() || !url.isValid() || url.scheme().isEmpty()) {
        completion(std::nullopt);
        return;
    }
    if (const QImage *image = m_imageCache.object(artworkURL)) {
        completion(*image);
        return;
    }
    QNetworkReply *reply = get(url);
    connect(reply, &QNetworkReply::finished, this, [this, reply, artworkURL, receiver, hasReceiver, completion] {
        reply->deleteLater();
        const bool receiverGone = hasReceiver && !receiver;
        QImage image;
        if (isTransportError(reply) || !image.loadFromData(reply->readAll())) {
            if (!receiverGone)
                completion(std::nullopt);
            return;
        }
        // A decoded icon is kept even when the view that asked is gone.
        m_imageCache.insert(artworkURL, new QImage(image), 1);
        if (!receiverGone)
            completion(image);
    });
}
