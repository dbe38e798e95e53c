// The account page's state behind the screen: where the password goes after a sign-in (the
// keyring, or with the user's consent the account file), an older account file's password
// moving to the keyring, and account files that cannot be used staying as they were.
#include "CloudTestSupport.h"

#include "PrivateSessionBus.h"
#include "Services/AccountManager.h"
#include "platform/cloud/CredentialStore.h"
#include "platform/cloud/KeyringCredentialStore.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <unistd.h>

using namespace CloudTestSupport;

namespace {

// A keyring in memory that answers from the event loop, or, when `unavailable`, as a desktop
// without a secret service does.
class MemoryCredentialStore : public CredentialStore
{
public:
    QHash<QString, QString> passwords;
    bool unavailable = false;

    void read(const QString &key, Completion completion) override
    {
        answer(completion, [this, key](Result &result) {
            result.notFound = !passwords.contains(key);
            result.ok = !result.notFound;
            result.password = passwords.value(key);
        });
    }
    void write(const QString &key, const QString &password, Completion completion) override
    {
        answer(completion, [this, key, password](Result &result) {
            passwords.insert(key, password);
            result.ok = true;
        });
    }
    void remove(const QString &key, Completion completion) override
    {
        answer(completion, [this, key](Result &result) {
            passwords.remove(key);
            result.ok = true;
        });
    }

private:
    void answer(const Completion &completion, std::function<void(Result &)> work)
    {
        QTimer::singleShot(0, [this, completion, work] {
            Result result;
            result.unavailable = unavailable;
            if (!unavailable)
                work(result);
            completion(result);
        });
    }
};

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isPrivate(const QString &path)
{
    return QFile::permissions(path) == (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
}

} // namespace

class TestAccountManager : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_directory;
    MemoryCredentialStore *m_store = nullptr; // owned by m_manager
    std::unique_ptr<AccountManager> m_manager;

    QString path() const { return m_directory->filePath(QStringLiteral("Stashline/account.json")); }

    void writeFile(const QByteArray &content, QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner)
    {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        QVERIFY(file.setPermissions(permissions));
    }

private slots:
    void init()
    {
        qunsetenv("STASHLINE_CLOUD_URL");
        m_directory = std::make_unique<QTemporaryDir>();
        auto store = std::make_unique<MemoryCredentialStore>();
        m_store = store.get();
        m_manager = std::make_unique<AccountManager>(std::move(store), path());
    }

    void passwordGoesToTheKeyringOrWithConsentToTheFile_data()
    {
        QTest::addColumn<bool>("keyringAnswers");
        QTest::newRow("keyring") << true;
        QTest::newRow("no keyring, kept in the file") << false;
    }
    void passwordGoesToTheKeyringOrWithConsentToTheFile()
    {
        QFETCH(bool, keyringAnswers);
        QVERIFY2(!serverUrl().isEmpty(), "the cloud_server fixture did not start");
        const QUrl server(serverUrl());
        m_store->unavailable = !keyringAnswers;
        m_manager->load();
        QCOMPARE(m_manager->state(), QStringLiteral("signedOut"));
        QSignalSpy changed(m_manager.get(), &AccountManager::accountChanged);
        m_manager->signIn(server.toString(QUrl::RemoveUserInfo), server.userName(), server.password(), QStringLiteral("accounts"));
        QTRY_VERIFY(!m_manager->isBusy());
        if (!keyringAnswers) {
            QVERIFY(m_manager->isKeyringOfferPending());
            QVERIFY(!m_manager->message().isEmpty());
            QVERIFY(!QFile::exists(path())); // nothing written before the user agrees
            QVERIFY(changed.isEmpty());
            m_manager->keepPasswordInFile();
        }
        QCOMPARE(changed.size(), 1);
        QCOMPARE(m_manager->state(), QStringLiteral("signedIn"));
        QCOMPARE(changed.first().first().value<CloudAccount>().passwordForTesting(), server.password());
        const QJsonObject file = readJson(path());
        QCOMPARE(file.value(QStringLiteral("username")).toString(), server.userName());
        QVERIFY(isPrivate(path()));
        QCOMPARE(file.contains(QStringLiteral("password")), !keyringAnswers);
        QCOMPARE(m_store->passwords.value(m_manager->account().credentialKey()), keyringAnswers ? server.password() : QString());
        QVERIFY(!readBytes(path()).contains(server.password().toUtf8()) || !keyringAnswers);
    }

    // An account file with its password from an earlier version: the password moves to the
    // keyring, the file keeps the rest; a file without one reads it back from the keyring.
    void passwordMovesToTheKeyringAndIsReadBack()
    {
        writeFile(QJsonDocument(QJsonObject{{QStringLiteral("url"), QStringLiteral("https://couch.example.com/db")},
                                            {QStringLiteral("username"), QStringLiteral("alice")},
                                            {QStringLiteral("password"), QStringLiteral("se:cr\"et")}})
                      .toJson());
        m_manager->load();
        QTRY_VERIFY(!readJson(path()).contains(QStringLiteral("password")));
        QCOMPARE(readJson(path()).value(QStringLiteral("username")).toString(), QStringLiteral("alice"));
        QVERIFY(isPrivate(path()));
        QCOMPARE(m_manager->account().passwordForTesting(), QStringLiteral("se:cr\"et"));

        auto store = std::make_unique<MemoryCredentialStore>();
        store->passwords = m_store->passwords;
        AccountManager restarted(std::move(store), path());
        restarted.load();
        QCOMPARE(restarted.state(), QStringLiteral("signedIn"));
        QCOMPARE(restarted.account().passwordForTesting(), QStringLiteral("se:cr\"et"));

        AccountManager withoutKeyring(std::make_unique<MemoryCredentialStore>(), path());
        withoutKeyring.load();
        QCOMPARE(withoutKeyring.state(), QStringLiteral("problem"));
        QVERIFY(withoutKeyring.message().contains(QLatin1String("keyring")));
    }

    // The desktop's keyring through QtKeychain, on a session bus of this test's own: where no
    // secret service runs the store says "unavailable", so the page can offer the file; once a
    // real one (GNOME Keyring, unlocked for the test) runs, a password of any characters goes in,
    // comes back the same and can be removed.
    void keyringThroughTheSecretService()
    {
        // The bus lives as long as this process: the secret-service client ends the process
        // when its session bus goes away.
        static auto *bus = new PrivateSessionBus;
        const QString address = bus->start();
        if (address.isEmpty())
            QSKIP("no dbus-daemon to start a private session bus");
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toLocal8Bit());
        KeyringCredentialStore keyring;
        std::optional<CredentialStore::Result> written;
        keyring.write(QStringLiteral("alice@https://couch.example.com/"), QStringLiteral("Pa55-never-shown"),
                      [&written](const CredentialStore::Result &result) { written = result; });
        QTRY_VERIFY_WITH_TIMEOUT(written.has_value(), 30000);
        QVERIFY(!written->ok);
        QVERIFY2(written->unavailable, qPrintable(written->problem));
        QVERIFY(!written->problem.contains(QLatin1String("Pa55-never-shown")));

        QTemporaryDir home;
        QProcess keyringDaemon;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
            environment.insert(QString::fromLatin1(variable), home.path());
        keyringDaemon.setProcessEnvironment(environment);
        // In a session of its own: when it ends it signals its whole process group.
        keyringDaemon.setChildProcessModifier([] { ::setsid(); });
        keyringDaemon.start(QStringLiteral("gnome-keyring-daemon"),
                            {QStringLiteral("--foreground"), QStringLiteral("--unlock"), QStringLiteral("--components=secrets")});
        QVERIFY2(keyringDaemon.waitForStarted(), "gnome-keyring is needed (scripts/setup installs it)");
        keyringDaemon.write("unlock-for-the-test");
        keyringDaemon.closeWriteChannel();
        const auto stop = qScopeGuard([&keyringDaemon] {
            keyringDaemon.terminate();
            keyringDaemon.waitForFinished();
        });
        const QString key = QStringLiteral("alice@https://couch.example.com/");
        const QString password = QStringLiteral("p\"a:ss w'ord \u00e9\u00df\u6f22\U0001F511");
        // The daemon claims its name on the bus a moment after it starts.
        // The daemon claims its name on the bus a moment after it starts.
        QDBusConnection keyringBus = QDBusConnection::connectToBus(address, QStringLiteral("keyring check"));
        QTRY_VERIFY_WITH_TIMEOUT(keyringBus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.secrets")), 20000);
        std::optional<CredentialStore::Result> stored;
        keyring.write(key, password, [&stored](const CredentialStore::Result &result) { stored = result; });
        QTRY_VERIFY_WITH_TIMEOUT(stored.has_value(), 10000);
        QVERIFY2(stored->ok, qPrintable(stored->problem));
        std::optional<CredentialStore::Result> read;
        keyring.read(key, [&read](const CredentialStore::Result &result) { read = result; });
        QTRY_VERIFY_WITH_TIMEOUT(read.has_value(), 10000);
        QVERIFY2(read->ok, qPrintable(read->problem));
        QCOMPARE(read->password, password);
        std::optional<CredentialStore::Result> removed;
        keyring.remove(key, [&removed](const CredentialStore::Result &result) { removed = result; });
        QTRY_VERIFY_WITH_TIMEOUT(removed.has_value() && removed->ok, 10000);
        read.reset();
        keyring.read(key, [&read](const CredentialStore::Result &result) { read = result; });
        QTRY_VERIFY_WITH_TIMEOUT(read.has_value(), 10000);
        QVERIFY(!read->ok && read->notFound);
    }

    void unusableFileIsExplainedAndKept_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("permissions");
        const int ownerOnly = int(QFile::ReadOwner | QFile::WriteOwner);
        QTest::newRow("broken JSON") << QByteArray("{\"url\": \"https://h/db\", \"username\": ") << ownerOnly;
        QTest::newRow("readable by others") << QByteArray("{\"url\": \"https://h/db\", \"username\": \"u\", \"password\": \"p\"}")
                                            << int(ownerOnly | QFile::ReadOther);
    }
    void unusableFileIsExplainedAndKept()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, permissions);
        writeFile(content, QFile::Permissions(permissions));
        m_manager->load();
        QCOMPARE(m_manager->state(), QStringLiteral("problem"));
        QVERIFY(!m_manager->message().isEmpty());
        QVERIFY(!m_manager->message().contains(path()));
        m_manager->signOut();
        QCoreApplication::processEvents();
        QCOMPARE(readBytes(path()), content);
        QVERIFY(m_store->passwords.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAccountManager)
#include "tst_accountmanager.moc"
