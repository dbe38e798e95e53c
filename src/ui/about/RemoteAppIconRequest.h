#pragma once

#include <QImage>
#include <QObject>
#include <QtQml/qqmlregistration.h>

// The loading half of a remote app icon: whenever `appID` is set or changes it asks the shared
// AppStoreIconLoader for the icon and publishes the result in `image` (a null image while
// loading or when the load returned none). A load that finishes after the id changed again, or
// after the request is gone, is dropped. Main thread.
class RemoteAppIconRequest : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString appID READ appID WRITE setAppID NOTIFY appIDChanged)
    Q_PROPERTY(QImage image READ image NOTIFY imageChanged)
    Q_PROPERTY(bool hasImage READ hasImage NOTIFY imageChanged)

public:
    explicit RemoteAppIconRequest(QObject *parent = nullptr);

    QString appID() const { return m_appID; }
    void setAppID(const QString &appID);
    QImage image() const { return m_image; }
    bool hasImage() const { return !m_image.isNull(); }

signals:
    void appIDChanged();
    void imageChanged();

private:
    QString m_appID;
    QImage m_image;
    int m_generation = 0;
};
