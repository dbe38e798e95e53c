#include "GroupDirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace GroupDirectory {

namespace {

QString defaultPath()
{
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return dataHome.isEmpty() ? QString() : dataHome + QLatin1Char('/') + QLatin1String(groupIdentifier);
}

QString configuredPath()
{
    const QString directory = qEnvironmentVariable("STASHLINE_GROUP_DIR");
    return directory.isEmpty() ? defaultPath() : directory;
}

bool setMode(const std::filesystem::path &entry, std::filesystem::perms mode)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(entry, error);
    if (error || std::filesystem::is_symlink(status))
        return !error;
    if ((status.permissions() & std::filesystem::perms::mask) == mode)
        return true;
    std::filesystem::permissions(entry, mode, std::filesystem::perm_options::replace, error);
    return !error;
}

} // namespace

std::optional<QString> path()
{
    QString directory = configuredPath();
    if (directory.isEmpty())
        return std::nullopt;
    directory = QDir::cleanPath(QDir(directory).absolutePath());
    const QByteArray encoded = QFile::encodeName(directory);
    // The parents as the user's settings make them; the directory itself private from the start.
    QDir().mkpath(QFileInfo(directory).absolutePath());
    ::mkdir(encoded.constData(), 0700);
    struct stat status {};
    if (::stat(encoded.constData(), &status) != 0 || !S_ISDIR(status.st_mode)
        || ::access(encoded.constData(), W_OK | X_OK) != 0)
        return std::nullopt;
    if ((status.st_mode & 0077) != 0 && status.st_uid == ::getuid())
        makePrivate(directory);
    return directory;
}

bool makePrivate(const QString &directory)
{
    using std::filesystem::perms;
    const perms folderMode = perms::owner_all;
    const perms fileMode = perms::owner_read | perms::owner_write;
    const std::filesystem::path root(QFile::encodeName(directory).toStdString());
    bool done = setMode(root, folderMode);
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator entry(root, error), end; !error && entry != end; entry.increment(error)) {
        const std::filesystem::file_status status = entry->symlink_status(error);
        if (error)
            break;
        if (std::filesystem::is_directory(status))
            done = setMode(entry->path(), folderMode) && done;
        else if (std::filesystem::is_regular_file(status) || std::filesystem::is_socket(status))
            done = setMode(entry->path(), fileMode) && done;
    }
    return done && !error;
}

QString deviceName()
{
    const QString directory = QDir::cleanPath(QDir(configuredPath()).absolutePath());
    if (directory == QDir::cleanPath(QDir(defaultPath()).absolutePath()))
        return {};
    const QString name = QFileInfo(directory).fileName();
    const QString prefix = QLatin1String(groupIdentifier) + QLatin1Char('.');
    if (name.startsWith(prefix) && name.size() > prefix.size())
        return name.mid(prefix.size());
    return name;
}

} // namespace GroupDirectory
