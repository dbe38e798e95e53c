#include "CloudAccount.h"

#include "platform/cloud/CloudError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <cstdlib>
#include <cstring>
#include <optional>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 largestAccountFile = 64 * 1024;
constexpr const char *urlVariable = "STASHLINE_CLOUD_URL";

// The value takeFromEnvironment() took; written once before any other thread exists.
// "localhost" or an address of the loopback network (127.0.0.0/8, ::1).
bool isLoopbackHost(const QString &host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

std::optional<QString> &takenUrl()
{
    static std::optional<QString> url;
    return url;
}

} // namespace

CloudAccount CloudAccount::invalid(const QString &problem, const QString &detail)
{
    CloudAccount account;
    account.m_problem = problem;
    account.m_problemDetail = detail;
    return account;
}

QString CloudAccount::defaultFilePath()
{
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return configHome + QStringLiteral("/Stashline/account.json");
}

CloudAccount CloudAccount::load()
{
    return load(defaultFilePath());
}

CloudAccount CloudAccount::load(const QString &filePath)
{
    const std::optional<QString> variable = qEnvironmentVariableIsSet(urlVariable) ? std::optional(qEnvironmentVariable(urlVariable))
                                                                                  : takenUrl();
    if (!variable)
        return fromFile(filePath);
    CloudAccount account = fromUrl(*variable);
    account.m_source = Source::environment;
    return account;
}

void CloudAccount::takeFromEnvironment()
{
    char *value = std::getenv(urlVariable);
    if (!value)
        return;
    takenUrl() = QString::fromLocal8Bit(value);
    // The text lives in the environment block the kernel shows in /proc/<pid>/environ; wipe it
    // there before dropping the variable from the list children inherit.
    explicit_bzero(value, std::strlen(value));
    ::unsetenv(urlVariable);
}

CloudAccount CloudAccount::fromUrl(const QString &urlText)
{
    const QUrl url(urlText.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty())
        return invalid(CloudError::localized("cloud.account.badUrl",
                                             "The cloud account address is not a valid http or https address."));
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    if (path.isEmpty())
        return invalid(CloudError::localized("cloud.account.noDatabase",
                                             "The cloud account address names no database (for example https://host/mydb)."));
    if (url.hasQuery() || url.hasFragment())
        return invalid(CloudError::localized("cloud.account.extraParts",
                                             "The cloud account address must not have a query or fragment."));
    // Plain HTTP would carry the password in clear over the network; only this machine may be
    // reached that way.
    if (scheme == QLatin1String("http") && !isLoopbackHost(url.host()))
        return invalid(CloudError::localized("cloud.account.insecure",
                                             "The cloud account address uses http:// with the server %1, which would "
                                             "send your password unencrypted. Use https:// (http:// is accepted only "
                                             "for this computer, such as 127.0.0.1 or localhost).")
                           .arg(url.host()));

    CloudAccount account;
    account.m_userName = url.userName(QUrl::FullyDecoded);
    account.m_password = url.password(QUrl::FullyDecoded);
    QUrl database = url;
    database.setUserInfo(QString());
    database.setPath(path);
    account.m_databaseUrl = database;
    return account;
}

CloudAccount CloudAccount::fromFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return invalid(CloudError::localized("cloud.account.none", "No cloud account is set up yet."),
                       QStringLiteral("STASHLINE_CLOUD_URL is not set and there is no account file %1").arg(path));
    const QString unreadable = CloudError::localized("cloud.account.unreadable", "The cloud account settings cannot be read.");
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return invalid(unreadable, QStringLiteral("the account file %1 is not a readable file").arg(path));
    if (status.st_mode & (S_IRWXG | S_IRWXO))
        return invalid(CloudError::localized("cloud.account.tooOpen", "The cloud account settings can be read by other "
                                                                      "users of this computer, so they are not used."),
                       QStringLiteral("the account file %1 is readable by other users; make it private with: chmod 600 %1")
                           .arg(path));
    QFile file(path);
    if (info.size() > largestAccountFile || !file.open(QIODevice::ReadOnly))
        return invalid(unreadable, QStringLiteral("the account file %1 is too large or cannot be opened").arg(path));

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    const QJsonObject object = document.object();
    if (parseError.error != QJsonParseError::NoError || !object.value(QStringLiteral("url")).isString())
        return invalid(CloudError::localized("cloud.account.malformed", "The cloud account settings are not valid."),
                       QStringLiteral("the account file %1 needs a JSON object with \"url\"").arg(path));

    CloudAccount account = fromUrl(object.value(QStringLiteral("url")).toString());
    if (!account.isValid())
        return account;
    if (object.contains(QStringLiteral("username")))
        account.m_userName = object.value(QStringLiteral("username")).toString();
    if (object.contains(QStringLiteral("password")))
        account.m_password = object.value(QStringLiteral("password")).toString();
    account.m_source = Source::file;
    account.m_isLocalServer = object.value(QStringLiteral("localServer")).toBool();
    account.m_isPasswordElsewhere = !account.m_userName.isEmpty() && !object.contains(QStringLiteral("password"));
    return account;
}

QUrl CloudAccount::serverUrl() const
{
    QUrl root = m_databaseUrl;
    QString path = root.path();
    path.truncate(path.lastIndexOf(QLatin1Char('/')) + 1);
    root.setPath(path.isEmpty() ? QStringLiteral("/") : path);
    return root;
}

QString CloudAccount::databaseName() const
{
    const QString path = m_databaseUrl.path();
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QByteArray CloudAccount::authorizationHeader() const
{
    if (m_userName.isEmpty())
        return {};
    return "Basic " + (m_userName + QLatin1Char(':') + m_password).toUtf8().toBase64();
}

CloudAccount CloudAccount::withCredentials(const QString &userName, const QString &password) const
{
    CloudAccount account = *this;
    account.m_userName = userName;
    account.m_password = password;
    account.m_isPasswordElsewhere = false;
    return account;
}

CloudAccount CloudAccount::asLocalServer() const
{
    CloudAccount account = *this;
    account.m_isLocalServer = true;
    return account;
}

CloudAccount CloudAccount::withDatabaseName(const QString &name) const
{
    CloudAccount account = *this;
    QString path = m_databaseUrl.path(QUrl::FullyEncoded);
    path.truncate(path.lastIndexOf(QLatin1Char('/')) + 1);
    account.m_databaseUrl.setPath(path + QString::fromLatin1(QUrl::toPercentEncoding(name)), QUrl::TolerantMode);
    return account;
}

QString CloudAccount::credentialKey() const
{
    return m_userName + QLatin1Char('@') + serverUrl().toString();
}

bool CloudAccount::writeFile(const QString &path, bool includePassword, QString *problem) const
{
    QJsonObject object{{QStringLiteral("url"), displayUrl()}, {QStringLiteral("username"), m_userName}};
    if (includePassword)
        object.insert(QStringLiteral("password"), m_password);
    if (m_isLocalServer)
        object.insert(QStringLiteral("localServer"), true);
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()) || ::chmod(QFile::encodeName(info.absolutePath()).constData(), 0700) != 0) {
        *problem = QStringLiteral("the folder %1 cannot be created or made private").arg(info.absolutePath());
        return false;
    }
    // Created private, so the password is never in a file others can read, then renamed over
    // the old file, so a failed write leaves the old account as it was.
    const QString temporaryPath = path + QStringLiteral(".new");
    QFile::remove(temporaryPath);
    QFile file(temporaryPath);
    const QByteArray bytes = QJsonDocument(object).toJson();
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner)
        || file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0) {
        *problem = QStringLiteral("the account file %1 cannot be written: %2").arg(path, file.errorString());
        file.remove();
        return false;
    }
    file.close();
    if (::rename(QFile::encodeName(temporaryPath).constData(), QFile::encodeName(path).constData()) != 0) {
        *problem = QStringLiteral("the account file %1 cannot be replaced").arg(path);
        QFile::remove(temporaryPath);
        return false;
    }
    return true;
}
