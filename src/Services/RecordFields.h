#pragma once

#include <QList>
#include <QString>

// The fields of a "ShareItem" record, in one table: their names and the type each must hold.
// Every reader and writer of records names fields through these constants.
namespace RecordField {

enum class Type { string, int64, timestamp, asset };

inline const QString uuid = QStringLiteral("uuid");
inline const QString title = QStringLiteral("title");
inline const QString content = QStringLiteral("content");
inline const QString contentType = QStringLiteral("contentType");
inline const QString isCompleted = QStringLiteral("isCompleted");
inline const QString dueDate = QStringLiteral("dueDate");
inline const QString createdAt = QStringLiteral("createdAt");
inline const QString isFavorite = QStringLiteral("isFavorite");
inline const QString isDeleted = QStringLiteral("isDeleted");
inline const QString modifiedAt = QStringLiteral("modifiedAt");
inline const QString trashedAt = QStringLiteral("trashedAt"); // when the item went to the trash; absent: not there
inline const QString imageAsset = QStringLiteral("imageAsset");

struct Description {
    QString name;
    Type type;
};

// Every field this version reads. A field of another name is ignored (a later version's); a
// field of these names holding another type makes the record unreadable. Flags ("isFavorite",
// "isDeleted", "isCompleted") may also come as doubles from other writers.
inline const QList<Description> &all()
{
    static const QList<Description> fields{
        {uuid, Type::string},        {title, Type::string},     {content, Type::string},
        {contentType, Type::string}, {isCompleted, Type::int64}, {dueDate, Type::timestamp},
        {createdAt, Type::timestamp}, {isFavorite, Type::int64}, {isDeleted, Type::int64},
        {modifiedAt, Type::timestamp}, {trashedAt, Type::timestamp}, {imageAsset, Type::asset},
    };
    return fields;
}

} // namespace RecordField
