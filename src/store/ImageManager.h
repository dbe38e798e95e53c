#pragma once

#include <QImage>
#include <QString>
#include <QUuid>

#include <optional>

// Keeps the pictures of image items as JPEG files in "ShareImages" in the group directory, one
// file per picture named by its UUID in upper case with ".jpg". Items refer to a picture only
// by that UUID. Failures come back as the result or as one printed line with a fixed prefix;
// nothing throws. Main thread only.
class ImageManager
{
public:
    static inline const QString directoryName = QStringLiteral("ShareImages");

    // The process-wide instance. Stops the process with "Unable to locate shared app group
    // directory" when the group directory is unavailable.
    static ImageManager &shared();

    // An instance over the images directory inside `groupDirectory`, created if missing
    // (a failure prints "Error creating image directory: " and the instance works on).
    explicit ImageManager(const QString &groupDirectory);

    QString imagesDirectoryURL() const { return m_imagesDirectory; }
    QString imageFileURL(const QUuid &uuid) const;

    // Stores `picture` at full size as JPEG at quality 70 under a new random UUID. None for a
    // picture without pixels (nothing written) or when the file cannot be written ("Error
    // saving image: ").
    std::optional<QUuid> saveImage(const QImage &picture);

    // The picture in the UUID's file, turned upright by its EXIF orientation; none when the
    // file does not exist or cannot be decoded. Reads the file on every call.
    std::optional<QImage> loadImage(const QUuid &uuid) const;

    // Removes the UUID's file if it exists ("Error deleting image: " on failure).
    void deleteImage(const QUuid &uuid);

    // Moves `sourcePath` to the UUID's file, replacing an existing one ("Error moving
    // downloaded image: " on failure; the source then stays where it is).
    void moveDownloadedImage(const QString &sourcePath, const QUuid &uuid);

    // JPEG bytes of `picture` at quality 70 (transparent parts over white); empty when the
    // picture has no pixels or cannot be encoded.
    static QByteArray encodeJpeg(const QImage &picture);

    // Decodes picture bytes or a file at full size, applying the EXIF orientation; a null image
    // on failure or for a picture over PictureDecoder::maximumPixels.
    static QImage decodeImage(const QByteArray &bytes);
    static QImage decodeImageFile(const QString &path);

private:
    QString m_imagesDirectory;
};
