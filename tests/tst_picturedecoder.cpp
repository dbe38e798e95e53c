#include "PictureSamples.h"
#include "store/PictureDecoder.h"

#include <QImageReader>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Problem = PictureDecoder::Result::Problem;

// Photos far beyond Qt's default 128 MB decode limit are accepted up to 200 megapixels; larger
// ones are refused from their header with a message; previews decode scaled.
class TestPictureDecoder : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); } // numbers in messages as "3600"

    void limitsAndProblems_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("message"); // what describe() says
        QTest::newRow("just over 200 megapixels") << PictureSamples::jpegClaiming(QSize(20000, 10001))
                                                  << int(Problem::tooLarge) << "share.composer.image.tooLarge 200 200";
        QTest::newRow("far over") << PictureSamples::jpegClaiming(QSize(60000, 60000)) << int(Problem::tooLarge)
                                  << "share.composer.image.tooLarge 3600 200";
        QTest::newRow("not a picture") << QByteArray("plain text, no picture") << int(Problem::unreadable)
                                       << "share.composer.image.unreadable";
        QTest::newRow("empty") << QByteArray() << int(Problem::unreadable) << "share.composer.image.unreadable";
    }
    void limitsAndProblems()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, problem);
        QFETCH(QString, message);
        for (const auto &result : {PictureDecoder::decode(bytes), PictureDecoder::decodePreview(bytes)}) {
            QCOMPARE(int(result.problem), problem);
            QVERIFY(result.image.isNull());
            QCOMPARE(PictureDecoder::describe(result), message);
        }
        // The limit leaves room for the largest accepted picture at four bytes a pixel.
        QVERIFY(qint64(QImageReader::allocationLimit()) << 20 >= PictureDecoder::maximumPixels * 4);
    }

    // A chosen file is read only when it can hold a picture: a device that never ends, a folder
    // or a file larger than the largest picture (sparse here, so it takes no disk) is refused
    // before a byte is read.
    void chosenFilesAreReadOnlyWhenThePictureCouldFit()
    {
        QTemporaryDir directory;
        QFile huge(directory.filePath(QStringLiteral("movie.mkv")));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 30));
        QFile small(directory.filePath(QStringLiteral("note.txt")));
        QVERIFY(small.open(QIODevice::WriteOnly) && small.write("words") == 5);
        small.close();
        QVERIFY(!PictureDecoder::readChosenFile(huge.fileName()));
        QVERIFY(!PictureDecoder::readChosenFile(QStringLiteral("/dev/zero")));
        QVERIFY(!PictureDecoder::readChosenFile(directory.path()));
        QCOMPARE(PictureDecoder::readChosenFile(small.fileName()), QByteArray("words"));
    }

};

QTEST_GUILESS_MAIN(TestPictureDecoder)
#include "tst_picturedecoder.moc"
