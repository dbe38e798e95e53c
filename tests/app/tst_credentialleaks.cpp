// A run of the real app, given its account in STASHLINE_CLOUD_URL with debug logging on: the
// password shows up in none of its outputs, not in its environment as other processes see it,
// and not on its command line; signed in, with a wrong password and with the server gone.
#include "AppProcess.h"

#include <QFile>
#include <QLocalSocket>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QUuid>

#include <csignal>

namespace {

QString fixtureServerUrl()
{
    QFile file(QStringLiteral(STASHLINE_CLOUD_SERVER_URL_FILE));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

bool createDatabase(const QUrl &url)
{
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(url.toString(QUrl::RemoveUserInfo)));
    request.setRawHeader("Authorization", "Basic " + (url.userName() + QLatin1Char(':') + url.password()).toUtf8().toBase64());
    const std::unique_ptr<QNetworkReply> reply(manager.put(request, QByteArray()));
    static_cast<void>(QTest::qWaitFor([&reply] { return reply->isFinished(); }, 20000));
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 201;
}

QByteArray readProcFile(qint64 pid, const char *name)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every form a password could take in a leak: plain, percent-encoded, inside a Basic header.
QList<QByteArray> secretForms(const QString &user, const QString &password)
{
    return {password.toUtf8(), QUrl::toPercentEncoding(password),
            (user + QLatin1Char(':') + password).toUtf8().toBase64()};
}

} // namespace

class TestCredentialLeaks : public QObject
{
    Q_OBJECT
private slots:
    void passwordStaysInsideTheProcess_data()
    {
        QTest::addColumn<QString>("accountUrl"); // %1 stands for a fresh database name

        const QUrl server(fixtureServerUrl());
        QVERIFY2(server.isValid() && !server.password().isEmpty(), "the cloud_server fixture is not running");
        const QString wrong = QStringLiteral("Wrong-%1").arg(QRandomGenerator::global()->generate64(), 0, 36);
        QUrl withWrongPassword = server;
        withWrongPassword.setPassword(wrong);
        QTest::newRow("signed in") << server.toString() + QStringLiteral("/%1");
        QTest::newRow("wrong password") << withWrongPassword.toString() + QStringLiteral("/%1");
        QTest::newRow("server gone") << QStringLiteral("http://alice:%1@127.0.0.1:1/%2").arg(wrong, QStringLiteral("%1"));
    }
    void passwordStaysInsideTheProcess()
    {
        QFETCH(QString, accountUrl);
        const QString database = QStringLiteral("leaks-") + QUuid::createUuid().toString(QUuid::Id128);
        const QUrl account(accountUrl.arg(database));
        if (account.port() != 1)
            QVERIFY(createDatabase(QUrl(fixtureServerUrl() + QLatin1Char('/') + database)));

        QTemporaryDir group;
        QProcessEnvironment settings = QProcessEnvironment::systemEnvironment();
        settings.remove(QStringLiteral("XCTestConfigurationFilePath"));
        settings.insert(QStringLiteral("STASHLINE_GROUP_DIR"), group.path());
        settings.insert(QStringLiteral("XDG_CONFIG_HOME"), group.filePath(QStringLiteral("config")));
        settings.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        settings.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=true"));
        settings.insert(QStringLiteral("STASHLINE_LOG_SINK"), QStringLiteral("stderr"));
        settings.insert(QStringLiteral("STASHLINE_CLOUD_URL"), account.toString());

        QProcess app;
        QVERIFY(startApp(app, settings, group.path()));
        // Long enough for the subscription, the change feed and a download (or their failures).
        QTest::qWait(2500);

        const QByteArray environment = readProcFile(app.processId(), "environ");
        const QByteArray commandLine = readProcFile(app.processId(), "cmdline");
        QVERIFY(environment.contains("STASHLINE_GROUP_DIR="));
        ::kill(pid_t(app.processId()), SIGTERM);
        QVERIFY(app.waitForFinished(20000));
        const QByteArray output = app.readAllStandardOutput() + app.readAllStandardError();
        QVERIFY2(output.contains("CloudKitSync"),
                 "the run logged nothing, so the check would prove nothing");

        for (const QByteArray &secret : secretForms(account.userName(), account.password())) {
            QVERIFY2(!output.contains(secret), "the password is in the app's output");
            QVERIFY2(!environment.contains(secret), "the password is in the app's environment");
            QVERIFY2(!commandLine.contains(secret), "the password is on the app's command line");
        }
    }
};

QTEST_GUILESS_MAIN(TestCredentialLeaks)
#include "tst_credentialleaks.moc"
