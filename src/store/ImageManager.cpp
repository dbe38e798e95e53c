#include "ImageManager.h"

#include "platform/FatalError.h"
#include "platform/GroupDirectory.h"
#include "store/PictureDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

#include <filesystem>
#include <system_error>

namespace {

QString describe(const std::error_code &error)
{
    return QString::fromStdString(error.message());
}

} // namespace

ImageManager &ImageManager::shared()
{
    static ImageManager *instance = [] {
        const auto group = GroupDirectory::path();
        if (!group)
            fatalError(QStringLiteral("Unable to locate shared app group directory"));
        return new ImageManager(*group); // process-wide, kept until exit
    }();
    return *instance;
}

ImageManager::ImageManager(const QString &groupDirectory)
    : m_imagesDirectory(groupDirectory + QLatin1Char('/') + directoryName)
{
    const std::filesystem::path directory(QFile::encodeName(m_imagesDirectory).toStdString());
    std::error_code error;
    if (!std::filesystem::exists(directory, error)) {
        std::filesystem::create_directories(directory, error);
        if (!error) // pictures are the user's alone, like the store
            std::filesystem::permissions(directory, std::filesystem::perms::owner_all, std::filesystem::perm_options::replace, error);
        if (error)
            printLine(QStringLiteral("Error creating image directory: ") + describe(error));
    }
}

QString ImageManager::imageFileURL(const QUuid &uuid) const
{
    return m_imagesDirectory + QLatin1Char('/') + uuid.toString(QUuid::WithoutBraces).toUpper()
           + QStringLiteral(".jpg");
}

QByteArray ImageManager::encodeJpeg(const QImage &picture)
{
    if (picture.isNull())
        return {};
    QImage opaque = picture;
    if (picture.hasAlphaChannel()) {
        opaque = QImage(picture.size(), QImage::Format_RGB32);
        opaque.setDevicePixelRatio(picture.devicePixelRatio());
        opaque.fill(Qt::white);
        QPainter painter(&opaque);
        painter.drawImage(0, 0, picture);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(70);
    if (!writer.write(opaque))
        return {};
    return bytes;
}

QImage ImageManager::decodeImage(const QByteArray &bytes)
{
    return PictureDecoder::decode(bytes).image;
}

QImage ImageManager::decodeImageFile(const QString &path)
{
    return PictureDecoder::decodeFile(path).image;
}

std::optional<QUuid> ImageManager::saveImage(const QImage &picture)
{
    const QUuid uuid = QUuid::createUuid();
    const QString path = imageFileURL(uuid);
    const QByteArray jpeg = encodeJpeg(picture);
    if (jpeg.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner) || file.write(jpeg) != jpeg.size() || !file.flush()) {
        const QString description = file.errorString();
        file.close();
        file.remove();
        printLine(QStringLiteral("Error saving image: ") + description);
        return std::nullopt;
    }
    return uuid;
}

std::optional<QImage> ImageManager::loadImage(const QUuid &uuid) const
{
    const QString path = imageFileURL(uuid);
    if (!QFileInfo::exists(path))
        return std::nullopt;
    QImage picture = decodeImageFile(path);
    if (picture.isNull())
        return std::nullopt;
    return picture;
}

void ImageManager::deleteImage(const QUuid &uuid)
{
    const std::filesystem::path path(QFile::encodeName(imageFileURL(uuid)).toStdString());
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return;
    if (!std::filesystem::remove(path, error) || error)
        printLine(QStringLiteral("Error deleting image: ") + describe(error));
}

void ImageManager::moveDownloadedImage(const QString &sourcePath, const QUuid &uuid)
{
    const std::filesystem::path destination(QFile::encodeName(imageFileURL(uuid)).toStdString());
    const std::filesystem::path source(QFile::encodeName(sourcePath).toStdString());
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(destination, error))) {
        std::filesystem::remove(destination, error);
        if (error) {
            printLine(QStringLiteral("Error moving downloaded image: ") + describe(error));
            return;
        }
    }
    std::filesystem::rename(source, destination, error);
    if (error == std::errc::cross_device_link) {
        // Another file system: copy beside the destination, then move the complete copy into
        // place, so a picture file is never seen half written.
        error.clear();
        std::error_code ignored;
        std::filesystem::path partial = destination;
        partial += ".part";
        if (std::filesystem::copy_file(source, partial, std::filesystem::copy_options::overwrite_existing, error)) {
            std::filesystem::rename(partial, destination, error);
            if (!error)
                std::filesystem::remove(source, error);
            else
                std::filesystem::remove(partial, ignored);
        }
    }
    if (error)
        printLine(QStringLiteral("Error moving downloaded image: ") + describe(error));
}
