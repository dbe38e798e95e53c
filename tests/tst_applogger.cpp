#include "diagnostics/AppLogger.h"

#include <QLoggingCategory>
#include <QTest>

class TestAppLogger : public QObject
{
    Q_OBJECT
private:
    QList<LogEntry> m_entries;

private slots:
    void init()
    {
        m_entries.clear();
        LogSink::setCaptureForTesting([this](const LogEntry &entry) { m_entries.append(entry); });
        QLoggingCategory::setFilterRules(QString());
    }
    void cleanup() { LogSink::setCaptureForTesting({}); }

    void composeLine()
    {
        QCOMPARE(AppLogger::composeLine(QStringLiteral("Received"), QStringLiteral("The network is down"), QStringLiteral("a/b.cpp"),
                                        QStringLiteral("handleNotification()"), 427),
                 QStringLiteral("[b.cpp:427][handleNotification()] Received | ErrorDetail: The network is down"));
    }

    void functionName_data()
    {
        QTest::addColumn<QString>("signature");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no parameters") << "void CloudKitSyncManager::handleNotification()" << "handleNotification()";
        QTest::newRow("one parameter") << "void CloudKitSyncManager::mergeDownloadedRecords(const QList<CloudRecord>&)"
                                       << "mergeDownloadedRecords(_:)";
        QTest::newRow("template arguments with commas")
            << "static void A::b(const QMap<QString, int>&, std::function<void(int, int)>)" << "b(_:_:)";
        QTest::newRow("lambda reports its function")
            << "CloudKitSyncManager::uploadPendingItems()::<lambda(const CloudResult&)>" << "uploadPendingItems()";
    }
    void functionName()
    {
        QFETCH(QString, signature);
        QFETCH(QString, expected);
        QCOMPARE(AppLogger::functionName(signature.toUtf8().constData()), expected);
    }

    void levelsAndSink()
    {
        const int line = __LINE__ + 1;
        AppLogger::info(AppLogger::cloudKit(), QStringLiteral("Starting upload"));
        AppLogger::debug(AppLogger::cloudKit(), QStringLiteral("hidden by default"));
        AppLogger::error(AppLogger::general(), QStringLiteral("Failed"), QStringLiteral("quota"));
        QCOMPARE(m_entries.size(), 2);
        QCOMPARE(m_entries[0].subsystem, QStringLiteral("com.app.Stashline"));
        QCOMPARE(m_entries[0].category, QStringLiteral("CloudKitSync"));
        QCOMPARE(m_entries[0].level, LogLevel::Info);
        QCOMPARE(m_entries[0].line,
                 QStringLiteral("[tst_applogger.cpp:%1][levelsAndSink()] Starting upload").arg(line));
        QCOMPARE(m_entries[1].category, QStringLiteral("General"));
        QCOMPARE(m_entries[1].level, LogLevel::Error);
        QVERIFY(m_entries[1].line.endsWith(QStringLiteral("Failed | ErrorDetail: quota")));

        QLoggingCategory::setFilterRules(QStringLiteral("com.app.Stashline.CloudKitSync.debug=true\n"
                                                        "com.app.Stashline.UI.info=false"));
        AppLogger::debug(AppLogger::cloudKit(), QStringLiteral("now shown"));
        AppLogger::info(AppLogger::ui(), QStringLiteral("switched off"));
        AppLogger::log(AppLogger::coreData(), LogLevel::Fault, QStringLiteral("fault passes"));
        QCOMPARE(m_entries.size(), 4);
        QCOMPARE(m_entries[2].level, LogLevel::Debug);
        QCOMPARE(m_entries[3].level, LogLevel::Fault);
        QCOMPARE(m_entries[3].category, QStringLiteral("CoreData"));
    }
};

QTEST_GUILESS_MAIN(TestAppLogger)
#include "tst_applogger.moc"
