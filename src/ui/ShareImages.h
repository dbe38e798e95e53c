#pragma once

#include <QImage>
#include <QObject>
#include <QUuid>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

// The screens' view of the image store: loads the picture of an item's image identifier.
// Exposed to QML as the singleton "ShareImages". Main thread.
class ShareImages : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit ShareImages(QObject *parent = nullptr);

    // The picture stored under `uuid` (a QUuid or its text), scaled to a preview (see
    // PictureDecoder::decodePreview); a null image for a null or malformed identifier or a
    // missing or unreadable file (nothing is reported).
    Q_INVOKABLE static QImage load(const QVariant &uuid);
};
