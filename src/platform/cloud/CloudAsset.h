#pragma once

#include <QString>

#include <memory>

// A file attached to a record. Made from a local file for an upload; a downloaded asset
// exposes a local file that the database wrote before handing the record over. A downloaded
// file is removed when the last copy of its asset is gone, unless the file was moved away
// (moving it out is how a caller keeps it). Value type; any thread.
class CloudAsset
{
public:
    CloudAsset() = default;
    // An asset for upload from `localFilePath`; the file is read when the record is sent.
    explicit CloudAsset(const QString &localFilePath);

    // An asset whose file the database downloaded; the file is owned by the asset's copies.
    static CloudAsset downloaded(const QString &localFilePath, const QString &digest = {});
    // The picture the server already holds under `digest`, without its bytes: read, it names the
    // version of a picture that was not downloaded; sent, it keeps the server's attachment.
    static CloudAsset stub(const QString &digest);
    // The digest the server gives the bytes of the file at `path`: "md5-" and the base64 of
    // their MD5; empty when the file cannot be read.
    static QString fileDigest(const QString &path);

    QString fileURL() const { return m_path; }
    // The server's digest of the bytes ("md5-" and base64), when known.
    QString digest() const { return m_digest; }
    bool isStub() const { return m_path.isEmpty() && !m_digest.isEmpty(); }
    bool isNull() const { return m_path.isEmpty() && m_digest.isEmpty(); }

    friend bool operator==(const CloudAsset &a, const CloudAsset &b) { return a.m_path == b.m_path && a.m_digest == b.m_digest; }

private:
    struct DownloadedFile;
    QString m_path;
    QString m_digest;
    std::shared_ptr<DownloadedFile> m_downloaded;
};
