#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// Decodes pictures for the image store and the screens within a bounded amount of memory.
//
// A full-size decode is for storing a picture (one at a time, on the main thread); everything
// shown on screen decodes scaled, so a list of 50-megapixel photos costs a few megabytes a row.
// Pictures up to maximumPixels are accepted (a 200-megapixel picture needs about 800 MB while
// it is decoded, so the decoder's allocation limit is raised to match); a larger one is refused
// from its header, before a single pixel is decoded. EXIF orientation is applied. Any thread.
namespace PictureDecoder {

inline constexpr qint64 maximumPixels = 200'000'000;
// The longest side of a preview decode: sharp on the largest card of a high-density screen.
inline constexpr int previewSide = 2048;

struct Result {
    enum class Problem { none, unreadable, tooLarge };
    QImage image;              // null unless problem is none
    Problem problem = Problem::unreadable;
    QSize pictureSize;         // from the header, when it could be read
};

// Raises the process-wide image allocation limit so that pictures up to maximumPixels decode
// (Qt's default refuses anything over 128 MB, about 32 megapixels). Called by every decode here;
// call it before other code decodes pictures (the clipboard).
void allowLargePictures();

// The bytes of a file the user chose, or nothing when it is not a regular file that can be read
// or is larger than any picture within maximumPixels can be (an uncompressed one at 32 bits a
// pixel), so a video, a disk image or a device is refused before it fills the memory.
std::optional<QByteArray> readChosenFile(const QString &path);

// The picture at full size.
Result decode(const QByteArray &bytes);
Result decodeFile(const QString &path);

// The picture scaled to fit inside previewSide x previewSide (never enlarged), decoded at that
// size where the format allows (JPEG), so memory stays near the preview's own size.
Result decodePreview(const QByteArray &bytes);
Result decodePreviewFile(const QString &path);

// The problem as a sentence for the composer ("share.composer.image.tooLarge %1",
// "share.composer.image.unreadable"); empty for none.
QString describe(const Result &result);

} // namespace PictureDecoder
