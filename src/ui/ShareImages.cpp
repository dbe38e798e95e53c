#include "ShareImages.h"

#include "store/ImageManager.h"

ShareImages::ShareImages(QObject *parent)
    : QObject(parent)
{
}

QImage ShareImages::load(const QVariant &value)
{
    const QUuid uuid = value.canConvert<QUuid>() ? value.value<QUuid>() : QUuid(value.toString());
    if (uuid.isNull())
        return {};
    return ImageManager::shared().loadImage(uuid).value_or(QImage());
}
