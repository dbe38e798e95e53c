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

CloudAsset CloudAsset::downloaded(const QString &localFilePath)
{
    CloudAsset asset(localFilePath);
    asset.m_downloaded = std::make_shared<DownloadedFile>(localFilePath);
    return asset;
}
