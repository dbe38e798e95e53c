#include "CloudAsset.h"

#include <QCryptographicHash>
#include <QFile>

struct CloudAsset::DownloadedFile {
    explicit DownloadedFile(const QString &filePath)
        : path(filePath)
    {
    }
    ~DownloadedFile() { QFile::remove(path); }
    QString path;
};

CloudAsset::CloudAsset(const QString &localFilePath)
    : m_path(localFilePath)
{
}

CloudAsset CloudAsset::downloaded(const QString &localFilePath, const QString &digest)
{
    CloudAsset asset(localFilePath);
    asset.m_downloaded = std::make_shared<DownloadedFile>(localFilePath);
    asset.m_digest = digest;
    return asset;
}

QString CloudAsset::fileDigest(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return QStringLiteral("md5-") + QString::fromLatin1(hash.result().toBase64());
}

CloudAsset CloudAsset::stub(const QString &digest)
{
    CloudAsset asset;
    asset.m_digest = digest;
    return asset;
}
