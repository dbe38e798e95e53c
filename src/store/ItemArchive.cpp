#include "ItemArchive.h"

#include "ShareItem.h"

#include "platform/Utf8.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace ItemArchive {
namespace {

constexpr qint64 blockBytes = 64 * 1024;

struct ArchiveFree {
    void operator()(archive *handle) const { archive_free(handle); }
};
using ArchiveHandle = std::unique_ptr<archive, ArchiveFree>;

QString libraryError(archive *handle)
{
    const char *text = archive_error_string(handle);
    return text ? QString::fromLocal8Bit(text) : QString();
}

la_ssize_t writeToSaveFile(archive *, void *target, const void *buffer, size_t length)
{
    auto *file = static_cast<QSaveFile *>(target);
    const qint64 written = file->write(static_cast<const char *>(buffer), qint64(length));
    return written == qint64(length) ? la_ssize_t(written) : -1;
}

// Starts an entry of `size` bytes; pictures are stored as they are (JPEG does not shrink).
bool writeHeader(archive *handle, const QString &name, qint64 size, bool compress)
{
    if (compress)
        archive_write_zip_set_compression_deflate(handle);
    else
        archive_write_zip_set_compression_store(handle);
    std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(), archive_entry_free);
    archive_entry_set_pathname_utf8(entry.get(), name.toUtf8().constData());
    archive_entry_set_size(entry.get(), size);
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    return archive_write_header(handle, entry.get()) == ARCHIVE_OK;
}

bool writeBytes(archive *handle, const QByteArray &bytes)
{
    return archive_write_data(handle, bytes.constData(), size_t(bytes.size())) == la_ssize_t(bytes.size());
}

bool writeFile(archive *handle, QFile &file)
{
    while (!file.atEnd()) {
        const QByteArray block = file.read(blockBytes);
        if (block.isEmpty() || !writeBytes(handle, block))
            return false;
    }
    return true;
}

QString pictureEntryName(const ArchivedItem &item)
{
    return picturesFolder + item.uuid.toString(QUuid::WithoutBraces).toUpper() + QStringLiteral(".jpg");
}

// Whether the file is a JPEG picture: its signature and a header Qt's JPEG reader accepts.
bool isJpeg(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.read(3).startsWith("\xFF\xD8\xFF"))
        return false;
    file.seek(0);
    QImageReader reader(&file, "jpeg");
    return reader.canRead() && reader.size().isValid();
}

// The items of the items file; an error when it is not one.
QString parseItems(const QByteArray &json, QList<ArchivedItem> *items)
{
    QJsonParseError parseError{};
    const QJsonDocument document = Utf8::parseJson(json, &parseError);
    const QJsonObject root = document.object();
    if (parseError.error != QJsonParseError::NoError || !document.isObject()
        || root.value(QStringLiteral("format")).toString() != formatName)
        return qtTrId("transfer.import.damaged");
    if (root.value(QStringLiteral("version")).toInt() > formatVersion)
        return qtTrId("transfer.import.newerVersion");
    const QJsonArray array = root.value(QStringLiteral("items")).toArray();
    items->reserve(array.size());
    for (const QJsonValue &value : array) {
        std::optional<ArchivedItem> item = ArchivedItem::fromJson(value.toObject());
        if (!item)
            return qtTrId("transfer.import.damaged");
        items->append(std::move(*item));
    }
    return {};
}

// Copies the current entry's data to `path`; false when the data is damaged or cannot be written.
bool unpackEntry(archive *handle, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(int(blockBytes), Qt::Uninitialized);
    for (;;) {
        const la_ssize_t read = archive_read_data(handle, block.data(), size_t(block.size()));
        if (read < 0)
            return false;
        if (read == 0)
            return true;
        if (file.write(block.constData(), read) != read)
            return false;
    }
}

} // namespace

bool looksLikeArchive(const QByteArray &head)
{
    return head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06");
}

WriteResult write(ManagedObjectContext &context, const QString &imagesDirectory, const QString &path)
{
    WriteResult result;
    // The items file first: every item, read one row at a time.
    QList<ArchivedItem> pictured;
    QJsonArray items;
    FetchRequest request = ShareItem::fetchRequest();
    request.predicate = ShareItem::notMarkedForDeletionPredicate();
    const std::optional<StoreError> readError = context.enumerateStoredObjects(request, [&](const ManagedObject &object) {
        ArchivedItem item = ArchivedItem::of(static_cast<const ShareItem &>(object), imagesDirectory);
        const bool hasPicture = !item.picture.isEmpty() && QFileInfo(item.picture).isFile();
        items.append(item.toJson(hasPicture ? pictureEntryName(item) : QString()));
        if (hasPicture) {
            item.title.clear(); // only the uuid and the file are needed from here on
            item.content.clear();
            pictured.append(std::move(item));
        }
        return true;
    });
    if (readError) {
        result.error = readError->description;
        return result;
    }
    const QByteArray json = QJsonDocument(QJsonObject{{QStringLiteral("format"), formatName},
                                                      {QStringLiteral("version"), formatVersion},
                                                      {QStringLiteral("items"), items}})
                                .toJson(QJsonDocument::Compact);
    const int itemCount = int(items.size());
    items = QJsonArray();

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = qtTrId("transfer.export.cannotWrite %1").arg(file.errorString());
        return result;
    }
    ArchiveHandle handle(archive_write_new());
    archive_write_set_format_zip(handle.get());
    const auto failed = [&](const QString &reason) {
        file.cancelWriting();
        result = WriteResult{0, 0, qtTrId("transfer.export.cannotWrite %1").arg(reason)};
        return result;
    };
    if (archive_write_open2(handle.get(), &file, nullptr, writeToSaveFile, nullptr, nullptr) != ARCHIVE_OK)
        return failed(libraryError(handle.get()));
    if (!writeHeader(handle.get(), itemsEntry, json.size(), true) || !writeBytes(handle.get(), json))
        return failed(file.error() != QFileDevice::NoError ? file.errorString() : libraryError(handle.get()));
    for (const ArchivedItem &item : std::as_const(pictured)) {
        QFile picture(item.picture);
        if (!picture.open(QIODevice::ReadOnly))
            continue; // removed since the items were read: the item goes without it
        if (!writeHeader(handle.get(), pictureEntryName(item), picture.size(), false) || !writeFile(handle.get(), picture))
            return failed(file.error() != QFileDevice::NoError ? file.errorString() : libraryError(handle.get()));
        ++result.pictures;
    }
    if (archive_write_close(handle.get()) != ARCHIVE_OK)
        return failed(libraryError(handle.get()));
    if (!file.commit())
        return failed(file.errorString());
    result.items = itemCount;
    return result;
}

ReadResult read(const QString &path, const QString &stagingDirectory)
{
    ReadResult result;
    ArchiveHandle handle(archive_read_new());
    archive_read_support_format_zip_seekable(handle.get()); // through the central directory: a cut archive is refused
    if (archive_read_open_filename(handle.get(), QFile::encodeName(path).constData(), size_t(blockBytes)) != ARCHIVE_OK) {
        result.error = qtTrId("transfer.import.damaged");
        return result;
    }
    bool hasItems = false;
    QHash<QString, QString> unpacked; // entry name to file
    archive_entry *entry = nullptr;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(handle.get(), &entry)) == ARCHIVE_OK) {
        const QString name = QString::fromUtf8(archive_entry_pathname_utf8(entry) ? archive_entry_pathname_utf8(entry) : "");
        const qint64 size = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : -1;
        if (name == itemsEntry && !hasItems) {
            if (size > maximumItemsBytes) {
                result.error = qtTrId("transfer.import.tooLarge %1").arg(name);
                return result;
            }
            QByteArray json;
            QByteArray block(int(blockBytes), Qt::Uninitialized);
            la_ssize_t read = 0;
            while ((read = archive_read_data(handle.get(), block.data(), size_t(block.size()))) > 0) {
                json.append(block.constData(), read);
                if (json.size() > maximumItemsBytes) {
                    result.error = qtTrId("transfer.import.tooLarge %1").arg(name);
                    return result;
                }
            }
            if (read < 0) {
                result.error = qtTrId("transfer.import.damaged");
                return result;
            }
            if (const QString problem = parseItems(json, &result.items); !problem.isEmpty()) {
                result.error = problem;
                return result;
            }
            hasItems = true;
        } else if (name.startsWith(picturesFolder)) {
            if (size > maximumPictureBytes) {
                result.error = qtTrId("transfer.import.tooLarge %1").arg(name);
                return result;
            }
            const QString file = stagingDirectory + QStringLiteral("/picture-%1.jpg").arg(unpacked.size());
            if (!unpackEntry(handle.get(), file)) {
                result.error = qtTrId("transfer.import.damaged");
                return result;
            }
            if (QFileInfo(file).size() > maximumPictureBytes) {
                result.error = qtTrId("transfer.import.tooLarge %1").arg(name);
                return result;
            }
            if (!isJpeg(file)) {
                result.error = qtTrId("transfer.import.notJpeg %1").arg(name);
                return result;
            }
            unpacked.insert(name, file);
        }
        // Other entries (a later version's) are passed over.
    }
    if (status != ARCHIVE_EOF || !hasItems) {
        result.error = qtTrId("transfer.import.damaged");
        result.items.clear();
        return result;
    }
    for (ArchivedItem &item : result.items) {
        if (item.picture.isEmpty())
            continue;
        if (!unpacked.contains(item.picture)) {
            result.error = qtTrId("transfer.import.damaged");
            result.items.clear();
            return result;
        }
        item.picture = unpacked.value(item.picture);
    }
    return result;
}

} // namespace ItemArchive
