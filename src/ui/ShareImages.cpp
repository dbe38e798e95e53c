#include "ShareImages.h"

#include "store/ImageManager.h"

ShareImages::ShareImages(QObject *parent)
    : QObject(parent)
{
}

QImage ShareImages::load(const QUuid &uuid)
{
    if (uuid.isNull())
        return {};
    return ImageManager::shared().loadImage(uuid).value_or(QImage());
}
