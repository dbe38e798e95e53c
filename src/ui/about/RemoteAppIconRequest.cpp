#include "RemoteAppIconRequest.h"

#include "AppStoreIconLoader.h"

RemoteAppIconRequest::RemoteAppIconRequest(QObject *parent)
    : QObject(parent)
{
}

void RemoteAppIconRequest::setAppID(const QString &appID)
{
    if (appID == m_appID)
        return;
    m_appID = appID;
    emit appIDChanged();
    const int generation = ++m_generation;
    AppStoreIconLoader::shared().loadIcon(appID, this, [this, generation](std::optional<QImage> image) {
        if (generation != m_generation)
            return;
        m_image = image.value_or(QImage());
        emit imageChanged();
    });
}
