#include "EncryptionProgress.h"

#include "diagnostics/AppLogger.h"
#include "platform/Utf8.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const QString sealingUnfinishedKey = QStringLiteral("sealingUnfinished");
const QString oldVersionsKey = QStringLiteral("oldVersionsMayRemain");
const QString movingToKey = QStringLiteral("movingTo");
const QString movedToKey = QStringLiteral("movedTo");
const QString movedFromKey = QStringLiteral("movedFrom");

QJsonObject readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? Utf8::parseJson(file.readAll()).object() : QJsonObject();
}

} // namespace

QString EncryptionProgress::filePath() const
{
    return QDir(m_directory).filePath(QStringLiteral("Encryption.json"));
}

EncryptionProgress::Note EncryptionProgress::read(const QString &databaseUrl) const
{
    const QJsonObject entry = readAll(filePath()).value(databaseUrl).toObject();
    return {entry.value(sealingUnfinishedKey).toBool(), entry.value(oldVersionsKey).toBool(), entry.value(movingToKey).toString(),
            entry.value(movedToKey).toString(), entry.value(movedFromKey).toString()};
}

void EncryptionProgress::write(const QString &databaseUrl, const Note &note)
{
    QJsonObject all = readAll(filePath());
    QJsonObject entry{{sealingUnfinishedKey, note.sealingUnfinished}, {oldVersionsKey, note.oldVersionsMayRemain}};
    for (const auto &[key, value] : {std::pair{movingToKey, note.movingTo}, {movedToKey, note.movedTo}, {movedFromKey, note.movedFrom}}) {
        if (!value.isEmpty())
            entry.insert(key, value);
    }
    all.insert(databaseUrl, entry);
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(all).toJson(QJsonDocument::Compact)) < 0 || !file.commit())
        AppLogger::error(AppLogger::cloudKit(), QStringLiteral("Could not note the encryption's progress"), file.errorString());
}
