#include "GroupDirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace GroupDirectory {

std::optional<QString> path()
{
    QString directory = qEnvironmentVariable("STASHLINE_GROUP_DIR");
    if (directory.isEmpty()) {
        const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (dataHome.isEmpty())
            return std::nullopt;
        directory = dataHome + QLatin1Char('/') + QLatin1String(groupIdentifier);
    }
    directory = QDir::cleanPath(QDir(directory).absolutePath());
    if (!QDir().mkpath(directory))
        return std::nullopt;
    const QFileInfo info(directory);
    if (!info.isDir() || ::access(QFile::encodeName(directory).constData(), W_OK | X_OK) != 0)
        return std::nullopt;
    return directory;
}

} // namespace GroupDirectory
