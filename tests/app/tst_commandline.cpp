// The command line as a user meets it: the `stashline` executable run against a temporary group
// directory, with no running instance (the command works on the store itself) and with one (the
// command is handed to it), plus the launch that waits out a command holding the store.
#include "AppProcess.h"

#include "app/StashRequest.h"
#include "model/ShareListViewModel.h"
#include "platform/PersistentContainer.h"
#include "platform/Utf8.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

namespace {

struct Result {
    int exitCode = -1;
    QByteArray output;
    QByteArray error;
};

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir m_group;
    QProcessEnvironment m_environment;

    Result run(const QStringList &arguments, const QByteArray &input = {})
    {
        QProcess process;
        process.setProcessEnvironment(m_environment);
        process.start(QStringLiteral(STASHLINE_EXECUTABLE), arguments);
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(60000))
            return {};
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

    // `arguments` with standard output on a terminal; what the terminal received.
    QByteArray runOnTerminal(const QStringList &arguments)
    {
        int terminal = -1;
        int side = -1;
        if (::openpty(&terminal, &side, nullptr, nullptr, nullptr) != 0)
            return "<no terminal>";
        QProcess process;
        process.setProcessEnvironment(m_environment);
        process.setChildProcessModifier([side] { ::dup2(side, STDOUT_FILENO); });
        process.start(QStringLiteral(STASHLINE_EXECUTABLE), arguments);
        process.waitForFinished(60000);
        ::close(side);
        QByteArray received;
        ::fcntl(terminal, F_SETFL, O_NONBLOCK);
        char buffer[4096];
        for (ssize_t size; (size = ::read(terminal, buffer, sizeof buffer)) > 0;)
            received.append(buffer, size);
        ::close(terminal);
        return received.replace("\r\n", "\n");
    }

    // Writes an item with `title` straight into the store, as a download from another device would.
    void storeItemTitled(const QString &title)
    {
        std::optional<StoreError> error;
        auto container = PersistenceController::openOnDiskContainer(m_group.filePath(QStringLiteral("Stashline.sqlite")), &error);
        QVERIFY(container);
        ShareListViewModel::insertShare(container->viewContext(), title, QStringLiteral("x"), QStringLiteral("text"), {},
                                        false, QDateTime::currentDateTimeUtc());
        QCOMPARE(container->viewContext().save(), std::nullopt);
    }

    QJsonArray listed()
    {
        const Result result = run({QStringLiteral("list"), QStringLiteral("--json")});
        return Utf8::parseJson(result.output).array(); // Qt's own parser would drop a leading U+FEFF
    }

private slots:
    void init()
    {
        QVERIFY(m_group.isValid());
        QDir(m_group.path()).removeRecursively();
        QDir().mkpath(m_group.path());
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("STASHLINE_GROUP_DIR"), m_group.path());
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_group.filePath(QStringLiteral("config")));
        m_environment.remove(QStringLiteral("STASHLINE_CLOUD_URL"));
    }

    // Bad usage exits 2, a refused input 1 with the reason, and neither writes an item.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("message");
        const QString textFile = QStringLiteral(__FILE__);
        QTest::newRow("no text") << QStringList{QStringLiteral("add")} << QByteArray() << 2 << QByteArray("add needs");
        QTest::newRow("two sources") << QStringList{QStringLiteral("add"), QStringLiteral("--clipboard"), QStringLiteral("x")}
                                     << QByteArray() << 2 << QByteArray("one of");
        QTest::newRow("unknown option") << QStringList{QStringLiteral("add"), QStringLiteral("--bogus"), QStringLiteral("x")}
                                        << QByteArray() << 2 << QByteArray("bogus");
        QTest::newRow("unknown long option") << QStringList{QStringLiteral("--bogus")} << QByteArray() << 2
                                             << QByteArray("--help");
        QTest::newRow("mistyped command") << QStringList{QStringLiteral("ad"), QStringLiteral("x")} << QByteArray() << 2
                                          << QByteArray("'ad' is no command");
        QTest::newRow("both scopes") << QStringList{QStringLiteral("list"), QStringLiteral("--favorites"),
                                                    QStringLiteral("--history")}
                                     << QByteArray() << 2 << QByteArray("one of");
        QTest::newRow("search without a query") << QStringList{QStringLiteral("list"), QStringLiteral("--search")}
                                                << QByteArray() << 2 << QByteArray("--search");
        QTest::newRow("search for nothing") << QStringList{QStringLiteral("list"), QStringLiteral("--search"), QStringLiteral(" ")}
                                            << QByteArray() << 2 << QByteArray("needs a QUERY");
        QTest::newRow("blank stdin") << QStringList{QStringLiteral("add"), QStringLiteral("-")} << QByteArray(" \n\t")
                                     << 1 << QByteArray("Nothing to add");
        QTest::newRow("invalid UTF-8") << QStringList{QStringLiteral("add"), QStringLiteral("-")}
                                       << QByteArray("caf\xe9 \xff\xfe") << 1 << QByteArray("not UTF-8");
        QTest::newRow("missing picture") << QStringList{QStringLiteral("add"), QStringLiteral("--image"),
                                                        QStringLiteral("/nonexistent.png")}
                                         << QByteArray() << 1 << QByteArray("/nonexistent.png");
        QTest::newRow("not a picture") << QStringList{QStringLiteral("add"), QStringLiteral("--image"), textFile}
                                       << QByteArray() << 1 << QByteArray("tst_commandline.cpp");
        QTest::newRow("no such item") << QStringList{QStringLiteral("copy"), QStringLiteral("7")} << QByteArray() << 1
                                      << QByteArray("no item 7");
        QTest::newRow("no item link") << QStringList{QStringLiteral("open"), QStringLiteral("bogus")} << QByteArray()
                                      << 1 << QByteArray("neither");
        const QString account = QStringLiteral("account");
        QTest::newRow("account verb") << QStringList{account, QStringLiteral("lock")} << QByteArray() << 2
                                      << QByteArray("not 'lock'");
        QTest::newRow("sign-in without a user") << QStringList{account, QStringLiteral("sign-in"), QStringLiteral("https://h")}
                                                << QByteArray("pw\n") << 2 << QByteArray("--user");
        QTest::newRow("status with an argument") << QStringList{account, QStringLiteral("status"), QStringLiteral("x")}
                                                 << QByteArray() << 2 << QByteArray("no arguments");
        QTest::newRow("no passphrase") << QStringList{account, QStringLiteral("unlock")} << QByteArray("\n") << 2
                                       << QByteArray("No passphrase");
        QTest::newRow("encrypt signed out") << QStringList{account, QStringLiteral("encrypt")}
                                            << QByteArray("long enough passphrase\n") << 1 << QByteArray("Sign in");
        QTest::newRow("delete what") << QStringList{QStringLiteral("delete")} << QByteArray() << 2 << QByteArray("delete");
        QTest::newRow("restore from an empty trash") << QStringList{QStringLiteral("restore"), QStringLiteral("1")} << QByteArray()
                                                     << 1 << QByteArray("Recently Deleted is empty");
        QTest::newRow("trash and history") << QStringList{QStringLiteral("list"), QStringLiteral("--trash"), QStringLiteral("--history")}
                                           << QByteArray() << 2 << QByteArray("--trash");
        QTest::newRow("export where") << QStringList{QStringLiteral("export")} << QByteArray() << 2 << QByteArray("FILE");
        QTest::newRow("import an unknown format") << QStringList{QStringLiteral("import"), textFile} << QByteArray() << 1
                                                  << QByteArray("not a file Stashline can import");
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, message);
        const Result result = run(arguments, input);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.error.contains(message), result.error.constData());
        QVERIFY(result.output.isEmpty());
        QCOMPARE(listed().size(), 0);
    }

    // `account status` without an account says so, as text and as JSON, and `stashline add`
    // needs no account at all.
    void accountStatusSignedOut()
    {
        const Result text = run({QStringLiteral("account"), QStringLiteral("status")});
        QVERIFY2(text.exitCode == 0, text.error.constData());
        QVERIFY2(text.output.contains("Not signed in"), text.output.constData());
        const Result json = run({QStringLiteral("account"), QStringLiteral("status"), QStringLiteral("--json")});
        QCOMPARE(json.exitCode, 0);
        const QJsonObject status = QJsonDocument::fromJson(json.output).object();
        QCOMPARE(status.value(QStringLiteral("signedIn")), QJsonValue(false));
        QCOMPARE(status.value(QStringLiteral("encrypted")), QJsonValue(false));
        QCOMPARE(run({QStringLiteral("add"), QStringLiteral("kept here")}).exitCode, 0);
        QCOMPARE(listed().size(), 1);
    }

    // Without a running instance: notes, links, favourites, pictures and a 10 MB pipe are stored
    // as pending items, listed as the screens group them, and copied by number or UUID.
    void addListAndCopyWithoutInstance()
    {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        const QString picturePath = m_group.filePath(QStringLiteral("photo.png"));
        QVERIFY(picture.save(picturePath));
        const QByteArray big = QByteArray(10 * 1024 * 1024, 'x') + "\n";

        QCOMPARE(run({QStringLiteral("add"), QStringLiteral("buy"), QStringLiteral("milk")}).exitCode, 0);
        QCOMPARE(run({QStringLiteral("add"), QStringLiteral("--title"), QStringLiteral("Docs"), QStringLiteral("--favorite"),
                      QStringLiteral("https://example.com/a")})
                     .exitCode,
                 0);
        QCOMPARE(run({QStringLiteral("add"), QStringLiteral("-i"), picturePath}).exitCode, 0);
        const QString markedTitle = QStringLiteral("\uFEFFmarked"); // U+FEFF is text here, no byte order mark
        QCOMPARE(run({QStringLiteral("add"), QStringLiteral("--title"), markedTitle, QStringLiteral("x")}).exitCode, 0);
        const Result piped = run({QStringLiteral("add"), QStringLiteral("-")}, big);
        QCOMPARE(piped.exitCode, 0);

        QJsonArray items = listed();
        QCOMPARE(items.size(), 5);
        QCOMPARE(items.at(0)[QStringLiteral("uuid")].toString() + QLatin1Char('\n'), QString::fromUtf8(piped.output));
        QCOMPARE(items.at(0)[QStringLiteral("content")].toString().size(), 10 * 1024 * 1024); // trimmed, whole
        QCOMPARE(items.takeAt(1)[QStringLiteral("title")].toString(), markedTitle);
        QCOMPARE(items.at(1)[QStringLiteral("kind")].toString(), QStringLiteral("image"));
        QCOMPARE(items.at(1)[QStringLiteral("title")].toString(), QStringLiteral("photo.png")); // as Open With titles it
        QCOMPARE(items.at(2)[QStringLiteral("kind")].toString(), QStringLiteral("url"));
        QCOMPARE(items.at(2)[QStringLiteral("title")].toString(), QStringLiteral("Docs"));
        QVERIFY(items.at(2)[QStringLiteral("favorite")].toBool());
        QCOMPARE(items.at(3)[QStringLiteral("content")].toString(), QStringLiteral("buy milk"));
        for (const QJsonValue &item : items) {
            QCOMPARE(item[QStringLiteral("syncStatus")].toString(), QStringLiteral("pending"));
            QCOMPARE(item[QStringLiteral("group")].toString(), QStringLiteral("recent"));
        }
        QCOMPARE(QDir(m_group.filePath(QStringLiteral("ShareImages"))).entryList(QDir::Files).size(), 1);

        const Result text = run({QStringLiteral("list")});
        QCOMPARE(text.exitCode, 0);
        QVERIFY(text.output.startsWith("Today\n"));
        QVERIFY2(text.output.contains("   4 ★ url   pending Docs — https://example.com/a\n"), text.output.constData());

        QVERIFY(run({QStringLiteral("copy"), QStringLiteral("4")}).output.contains("https://example.com/a"));
        const QString uuid = items.at(3)[QStringLiteral("uuid")].toString();
        QCOMPARE(run({QStringLiteral("copy"), uuid.toUpper()}).exitCode, 0);
    }

    // delete moves to the trash (out of every list and search), list --trash numbers the trash on
    // its own, restore brings an item back; export and import carry every item, the trash
    // included, into another store, and a second import adds nothing.
    void trashAndTransfer()
    {
        for (const char *text : {"first note", "second note", "third note"})
            QCOMPARE(run({QStringLiteral("add"), QString::fromLatin1(text)}).exitCode, 0);
        const QString secondUuid = listed().at(1)[QStringLiteral("uuid")].toString();
        const Result deleted = run({QStringLiteral("delete"), QStringLiteral("2")});
        QCOMPARE(deleted.exitCode, 0);
        QVERIFY2(deleted.output.contains("second note"), deleted.output.constData());
        QCOMPARE(listed().size(), 2);
        QCOMPARE(run({QStringLiteral("list"), QStringLiteral("--search"), QStringLiteral("second")}).exitCode, 1);
        QCOMPARE(run({QStringLiteral("copy"), secondUuid}).exitCode, 1); // in the trash: restore first
        const Result trash = run({QStringLiteral("list"), QStringLiteral("--trash"), QStringLiteral("--json")});
        const QJsonArray trashed = Utf8::parseJson(trash.output).array();
        QCOMPARE(trashed.size(), 1);
        QCOMPARE(trashed.at(0)[QStringLiteral("uuid")].toString(), secondUuid);
        QCOMPARE(trashed.at(0)[QStringLiteral("index")].toInt(), 1);
        QVERIFY(!trashed.at(0)[QStringLiteral("trashed")].toString().isEmpty());
        QVERIFY(run({QStringLiteral("list"), QStringLiteral("--trash"), QStringLiteral("--search"), QStringLiteral("second")})
                    .output.contains("second note"));
        QCOMPARE(run({QStringLiteral("delete"), QStringLiteral("1")}).exitCode, 0);
        QCOMPARE(run({QStringLiteral("restore"), secondUuid}).exitCode, 0);
        QCOMPARE(run({QStringLiteral("restore"), QStringLiteral("5")}).exitCode, 1);
        QCOMPARE(listed().size(), 2);

        const QString archive = m_group.filePath(QStringLiteral("all.zip"));
        QCOMPARE(run({QStringLiteral("export"), archive}).exitCode, 0);
        const QJsonArray before = listed();
        const QString firstGroup = m_environment.value(QStringLiteral("STASHLINE_GROUP_DIR"));
        QTemporaryDir other;
        m_environment.insert(QStringLiteral("STASHLINE_GROUP_DIR"), other.path());
        const Result imported = run({QStringLiteral("import"), archive});
        QCOMPARE(imported.exitCode, 0);
        QVERIFY2(imported.output.contains("New: 3"), imported.output.constData());
        QCOMPARE(listed(), before);
        QCOMPARE(run({QStringLiteral("list"), QStringLiteral("--trash"), QStringLiteral("--json")}).output.count("\"uuid\""), 1);
        QVERIFY(run({QStringLiteral("import"), archive}).output.contains("New: 0"));
        m_environment.insert(QStringLiteral("STASHLINE_GROUP_DIR"), firstGroup);
    }

    // Adds started together each get the store in turn: none fails, none is lost.
    void concurrentAddsLoseNothing()
    {
        QList<QProcess *> processes;
        for (int index = 0; index < 8; ++index) {
            auto *process = new QProcess(this);
            process->setProcessEnvironment(m_environment);
            process->start(QStringLiteral(STASHLINE_EXECUTABLE), {QStringLiteral("add"), QString::number(index)});
            processes.append(process);
        }
        for (QProcess *process : std::as_const(processes)) {
            QVERIFY(process->waitForFinished(60000));
            QCOMPARE(process->exitCode(), 0);
            delete process;
        }
        QCOMPARE(listed().size(), 8);
    }

    // With the app running, the command is carried out by it: the item is in its list, the
    // clipboard is its clipboard, and files a file manager sends become one item each.
    void handsOverToTheRunningInstance()
    {
        QCOMPARE(run({QStringLiteral("add"), QStringLiteral("before")}).exitCode, 0);
        // A command holding the store for a moment does not make the app give up on it.
        QLockFile commandLock(m_group.filePath(QStringLiteral("Stashline.lock")));
        QVERIFY(commandLock.tryLock(0));
        QProcess app;
        app.setProcessEnvironment(m_environment);
        app.start(QStringLiteral(STASHLINE_EXECUTABLE), {});
        QVERIFY(app.waitForStarted());
        QTest::qWait(500);
        commandLock.unlock();
        QVERIFY(QTest::qWaitFor(
            [this] {
                QLocalSocket probe;
                probe.connectToServer(SingleInstance::serverName(m_group.path()));
                return probe.waitForConnected(200);
            },
            20000));

        const Result added = run({QStringLiteral("add"), QStringLiteral("--title"), QStringLiteral("\uFEFFT"),
                                  QStringLiteral("running")});
        QCOMPARE(added.exitCode, 0);
        QCOMPARE(run({QStringLiteral("copy"), QStringLiteral("1")}).exitCode, 0);
        QCOMPARE(run({QStringLiteral("add"), QStringLiteral("--clipboard")}).exitCode, 0);

        const QString textFile = m_group.filePath(QStringLiteral("note.txt"));
        QFile file(textFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("from the file manager\n");
        file.close();
        // A missing file is reported on its own line, like a file that is no picture or text;
        // the others are added.
        const QString missing = m_group.filePath(QStringLiteral("gone.png"));
        const Result sent = run({textFile, missing, QStringLiteral("https://example.org/x"),
                                 QStringLiteral(STASHLINE_EXECUTABLE)});
        QCOMPARE(sent.exitCode, 1);
        QCOMPARE(sent.output.count('\n'), 2);
        QVERIFY2(sent.error.contains("stashline: " + missing.toUtf8() + ": There is no such file.\n"
                                     STASHLINE_EXECUTABLE ": This file is neither a picture nor text.\n"),
                 sent.error.constData());

        // A line on the socket that is no request is refused with the reason, and changes nothing.
        for (const QByteArray &line : {QByteArray("not json\n"), QByteArray("{\"command\":\"add\",\"title\":5}\n"),
                                       QByteArray("{\"command\":\"add\",\"text\":\"a\",\"clipboard\":true}\n"),
                                       QByteArray("{\"command\":\"erase\"}\n")}) {
            const SingleInstance::Exchange refused = SingleInstance::sendLine(m_group.path(), line, 20000);
            QVERIFY(refused.reply);
            QCOMPARE(refused.reply->exitCode, 2);
            QVERIFY2(!refused.reply->error.isEmpty(), line.constData());
        }

        // A search the running app finds nothing for ends with 1 here too.
        QCOMPARE(run({QStringLiteral("list"), QStringLiteral("--search"), QStringLiteral("zebra")}).exitCode, 1);
        QCOMPARE(run({QStringLiteral("list"), QStringLiteral("--search"), QStringLiteral("running")}).exitCode, 0);

        QCOMPARE(app.state(), QProcess::Running);
        const QJsonArray items = listed();
        QCOMPARE(items.size(), 5);
        QStringList sentItems;
        for (int index : {0, 1})
            sentItems << items.at(index)[QStringLiteral("title")].toString() + QLatin1Char('|')
                    + items.at(index)[QStringLiteral("content")].toString();
        sentItems.sort();
        QCOMPARE(sentItems, (QStringList{QStringLiteral("note.txt|from the file manager"),
                                         QStringLiteral("|https://example.org/x")}));
        QCOMPARE(items.at(2)[QStringLiteral("content")].toString(), QStringLiteral("running")); // the clipboard
        QCOMPARE(items.at(3)[QStringLiteral("uuid")].toString() + QLatin1Char('\n'), QString::fromUtf8(added.output));
        QCOMPARE(items.at(3)[QStringLiteral("title")].toString(), QStringLiteral("\uFEFFT"));
        QCOMPARE(items.at(4)[QStringLiteral("content")].toString(), QStringLiteral("before"));

        ::kill(pid_t(app.processId()), SIGTERM);
        QVERIFY(app.waitForFinished(20000));
        // What the app saved is in the store for the next command.
        QCOMPARE(listed().size(), 5);
    }

    // `list --search` finds with the screens' words and filters, keeps the list's numbers and
    // sections with the best match first, and ends with 1 when nothing matches.
    void listSearches()
    {
        for (const QString &title : {QStringLiteral("Budget notes"), QStringLiteral("Groceries"), QStringLiteral("x"),
                                      QStringLiteral("Yearly budget")})
            storeItemTitled(title);
        {
            std::optional<StoreError> error;
            auto container = PersistenceController::openOnDiskContainer(m_group.filePath(QStringLiteral("Stashline.sqlite")), &error);
            QVERIFY(container);
            ShareListViewModel::insertShare(container->viewContext(), QStringLiteral("Receipt"),
                                            QStringLiteral("the budget, paid"), QStringLiteral("text"), {}, true,
                                            QDateTime::currentDateTimeUtc());
            QCOMPARE(container->viewContext().save(), std::nullopt);
        }
        const Result found = run({QStringLiteral("list"), QStringLiteral("--search"), QStringLiteral("BUDGET")});
        QCOMPARE(found.exitCode, 0);
        const QList<QByteArray> lines = found.output.trimmed().split('\n');
        QCOMPARE(lines.size(), 4); // the section and three items, the content match last
        QVERIFY2(lines.at(3).contains("Receipt") && !lines.at(1).contains("Receipt") && !lines.at(2).contains("Receipt"),
                 found.output.constData());
        QVERIFY(lines.at(3).trimmed().startsWith("1 ")); // the numbers of the whole list
        QVERIFY(found.output.contains("   5   text  pending Budget notes"));

        const Result json = run({QStringLiteral("list"), QStringLiteral("--json"), QStringLiteral("--search"),
                                 QStringLiteral("budget is:fav")});
        QCOMPARE(json.exitCode, 0);
        const QJsonArray favourites = Utf8::parseJson(json.output).array();
        QCOMPARE(favourites.size(), 1);
        QCOMPARE(favourites.at(0)[QStringLiteral("index")].toInt(), 1);

        const Result none = run({QStringLiteral("list"), QStringLiteral("--search"), QStringLiteral("zebra")});
        QCOMPARE(none.exitCode, 1);
        QVERIFY(none.output.isEmpty());
        QVERIFY2(none.error.contains("zebra"), none.error.constData());
        QCOMPARE(run({QStringLiteral("list"), QStringLiteral("--history"), QStringLiteral("--search"), QStringLiteral("budget")})
                     .exitCode,
                 1);
    }

    // Copy and open find the item before they look for a desktop: "no item 99" comes first.
    void itemComesBeforeTheDesktop()
    {
        for (const char *variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            m_environment.remove(QLatin1String(variable));
        Result result = run({QStringLiteral("copy"), QStringLiteral("99")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.error.contains("no item 99"), result.error.constData());
        QCOMPARE(run({QStringLiteral("add"), QStringLiteral("note")}).exitCode, 0);
        result = run({QStringLiteral("open"), QStringLiteral("1")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.error.contains("No desktop session"), result.error.constData());
    }

    // A title from another device can neither send commands to the terminal nor hide what
    // follows: what a terminal would obey or not show is printed escaped. JSON and pipes get the
    // title as it is.
    void listEscapesWhatATerminalWouldObey()
    {
        const QString title = QStringLiteral("a\x1b]0;owned\x07") + QChar(0) + QChar(0x9b)
            + QStringLiteral("b\u202Ec\u200Bd \U0001F468\u200D\U0001F469");
        storeItemTitled(title);
        const QByteArray shown = runOnTerminal({QStringLiteral("list")});
        QVERIFY2(shown.contains(QStringLiteral("a\\x1B]0;owned\\x07\\x00\\u009Bb\\u202Ec\\u200Bd "
                                               "\U0001F468\u200D\U0001F469")
                                    .toUtf8()),
                 shown.constData());
        QVERIFY(!shown.contains('\x1b') && !shown.contains('\x07') && !shown.contains('\0'));
        const QJsonArray json = QJsonDocument::fromJson(runOnTerminal({QStringLiteral("list"), QStringLiteral("--json")})).array();
        QCOMPARE(json.at(0)[QStringLiteral("title")].toString(), title);
        QVERIFY(run({QStringLiteral("list")}).output.contains(title.toUtf8()));
    }

    // Help and usage errors speak the user's language, like every other message.
    void helpAndUsageErrorsAreTranslated()
    {
        for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            m_environment.remove(QLatin1String(variable));
        m_environment.insert(QStringLiteral("LANG"), QStringLiteral("ja_JP.UTF-8"));
        const Result help = run({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(QString::fromUtf8(help.output).startsWith(QStringLiteral("使い方: stashline")), help.output.constData());
        const Result usage = run({QStringLiteral("list"), QStringLiteral("--bogus")});
        QCOMPARE(usage.exitCode, 2);
        QCOMPARE(QString::fromUtf8(usage.error),
                 QStringLiteral("stashline: 不明なオプション「--bogus」\n詳しくは「stashline --help」を実行してください。\n"));
    }

    // Every field of every kind of request survives the socket's JSON.
    void requestsSurviveTheSocket()
    {
        StashRequest add = StashRequest::ofKind(StashRequest::Kind::add);
        add.title = QStringLiteral("\uFEFFt");
        add.imagePath = QStringLiteral("/a b.png");
        add.isFavorite = true;
        StashRequest send = StashRequest::ofKind(StashRequest::Kind::send);
        send.targets = QStringList{QStringLiteral("/x"), QStringLiteral("https://e.org")};
        send.isFavorite = true;
        StashRequest list = StashRequest::ofKind(StashRequest::Kind::list);
        list.scope = StashRequest::Scope::history;
        list.asJson = true;
        list.search = QStringLiteral("is:fav \"two words\"");
        StashRequest open = StashRequest::ofKind(StashRequest::Kind::open);
        open.item = QStringLiteral("3");
        for (const StashRequest &request : {StashRequest(), StashRequest::ofKind(StashRequest::Kind::panel), add, send, list, open})
            QCOMPARE(StashRequest::fromJson(request.toJson()).request, std::make_optional(request));
        const StashReply reply{1, QStringLiteral("\uFEFFout"), QStringLiteral("err"), QStringLiteral("u")};
        QCOMPARE(StashReply::fromJson(reply.toJson()), std::make_optional(reply));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
