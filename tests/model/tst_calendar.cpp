#include "model/Calendar.h"

#include <QTest>

class TestCalendar : public QObject
{
    Q_OBJECT
private slots:
    void abbreviatedDates_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("en_GB") << "en_GB" << "5 Mar 2024";
        QTest::newRow("ja_JP") << "ja_JP" << "2024年3月5日";
        QTest::newRow("ko_KR") << "ko_KR" << "2024년 3월 5일";
    }

    void abbreviatedDates()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        const Calendar calendar(QTimeZone("Asia/Tokyo"), QLocale(locale));
        QCOMPARE(calendar.abbreviatedDate(QDate(2024, 3, 5)), text);
    }

    void invalidTimeZoneHasNoStartOfDay()
    {
        const Calendar calendar(QTimeZone("Nowhere/Invalid"), QLocale(QLocale::English));
        const QDateTime now = QDateTime(QDate(2024, 3, 5), QTime(23, 30), Qt::UTC);
        QVERIFY(!calendar.startOfDay(now, -3).isValid());
        QCOMPARE(calendar.dayOf(now), QDate(2024, 3, 5));
    }
};

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
