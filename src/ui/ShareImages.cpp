#include "ShareImages.h"

#include "store/ImageManager.h"
#include "store/PictureDecoder.h"

ShareImages::ShareImages(QObject *parent)
    : QObject(parent)
{
}

QImage ShareImages::load(const QVariant &value)
{
    const QUuid uuid = value.canConvert<QUuid>() ? value.value<QUuid>() : QUuid(value.toString());
    if (uuid.isNull())
        return {};
    // Rows show pictures at most a few hundred points high: a scaled decode keeps a list of
    // big photos from holding each one at full size.
    return PictureDecoder::decodePreviewFile(ImageManager::shared().imageFileURL(uuid)).image;
}
