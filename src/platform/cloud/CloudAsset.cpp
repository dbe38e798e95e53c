#include "CloudAsset.h"

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

CloudAsset CloudAsset::stub(const QString &digest)
{
    CloudAsset asset;
    asset.m_digest = digest;
    return asset;
}
