#include "PictureDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>
#include <QImageReader>
#include <QLocale>

#include <cmath>

namespace PictureDecoder {
namespace {

// Bytes a decoded pixel takes at most in the formats photos decode to (32-bit RGB).
constexpr qint64 bytesPerPixel = 4;

Result read(QIODevice *device, bool preview)
{
    allowLargePictures();
    QImageReader reader(device);
    reader.setAutoTransform(true);
    Result result;
    result.pictureSize = reader.size();
    if (result.pictureSize.isValid()
        && qint64(result.pictureSize.width()) * qint64(result.pictureSize.height()) > maximumPixels) {
        result.problem = Result::Problem::tooLarge;
        return result;
    }
    if (preview && result.pictureSize.isValid()
        && (result.pictureSize.width() > previewSide || result.pictureSize.height() > previewSide))
        reader.setScaledSize(result.pictureSize.scaled(previewSide, previewSide, Qt::KeepAspectRatio));
    result.image = reader.read();
    result.problem = result.image.isNull() ? Result::Problem::unreadable : Result::Problem::none;
    return result;
}

Result readBytes(const QByteArray &bytes, bool preview)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(&buffer, preview);
}

Result readFile(const QString &path, bool preview)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return read(&file, preview);
}

} // namespace

void allowLargePictures()
{
    const int megabytes = int((maximumPixels * bytesPerPixel + (1 << 20) - 1) >> 20);
    if (QImageReader::allocationLimit() < megabytes)
        QImageReader::setAllocationLimit(megabytes);
}

std::optional<QByteArray> readChosenFile(const QString &path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.size() > maximumPixels * bytesPerPixel + (1 << 20) || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

Result decode(const QByteArray &bytes)
{
    return readBytes(bytes, false);
}

Result decodeFile(const QString &path)
{
    return readFile(path, false);
}

Result decodePreview(const QByteArray &bytes)
{
    return readBytes(bytes, true);
}

Result decodePreviewFile(const QString &path)
{
    return readFile(path, true);
}

QString describe(const Result &result)
{
    switch (result.problem) {
    case Result::Problem::none:
        return {};
    case Result::Problem::tooLarge: {
        const double megapixels = double(result.pictureSize.width()) * result.pictureSize.height() / 1e6;
        return qtTrId("share.composer.image.tooLarge %1 %2")
            .arg(QLocale().toString(std::round(megapixels)), QLocale().toString(maximumPixels / 1'000'000));
    }
    case Result::Problem::unreadable:
        return qtTrId("share.composer.image.unreadable");
    }
    return {};
}

} // namespace PictureDecoder
