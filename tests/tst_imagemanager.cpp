#include "StdoutCapture.h"
#include "store/ImageManager.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QImage testPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(0, 0, width / 2, height / 2, Qt::red); // top-left marks the orientation
    return picture;
}

} // namespace

class TestImageManager : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_group;

private slots:
    void roundTripAtFullSize()
    {
        ImageManager images(m_group.path());
        QVERIFY(QFileInfo(m_group.filePath(QStringLiteral("ShareImages"))).isDir());
        const QImage picture = testPicture(1280, 960);
        const auto first = images.saveImage(picture);
        const auto second = images.saveImage(picture);
        QVERIFY(first && second && *first != *second);
        const QString path = images.imageFileURL(*first);
        QCOMPARE(QFileInfo(path).fileName(), first->toString(QUuid::WithoutBraces).toUpper() + QStringLiteral(".jpg"));
        QCOMPARE(QImageReader(path).format(), QByteArray("jpeg"));
        const auto loaded = images.loadImage(*first);
        QVERIFY(loaded);
        QCOMPARE(loaded->size(), QSize(1280, 960));
        QVERIFY(qRed(loaded->pixel(10, 10)) > 200 && qGreen(loaded->pixel(10, 10)) < 60);

        // A transparent picture is stored over white, not black.
        QImage transparent(8, 8, QImage::Format_ARGB32);
        transparent.fill(Qt::transparent);
        const auto clear = images.saveImage(transparent);
        QVERIFY(clear);
        QVERIFY(qGray(images.loadImage(*clear)->pixel(4, 4)) > 240);

        QVERIFY(!images.saveImage(QImage()));
    }

    void missingAndBrokenFilesAreQuiet()
    {
        ImageManager images(m_group.path());
        StdoutCapture capture;
        QVERIFY(!images.loadImage(QUuid::createUuid()));
        images.deleteImage(QUuid::createUuid());
        const QUuid broken = QUuid::createUuid();
        QFile file(images.imageFileURL(broken));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
        file.close();
        QVERIFY(!images.loadImage(broken));
        QCOMPARE(capture.text(), QByteArray());
    }

    void moveAndDelete()
    {
        ImageManager images(m_group.path());
        const auto existing = images.saveImage(testPicture(10, 10));
        QTemporaryDir downloads;
        const QString source = downloads.filePath(QStringLiteral("asset"));
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ImageManager::encodeJpeg(testPicture(30, 20)));
        file.close();
        images.moveDownloadedImage(source, *existing); // replaces the existing file
        QVERIFY(!QFile::exists(source));
        QCOMPARE(images.loadImage(*existing)->size(), QSize(30, 20));
        images.deleteImage(*existing);
        QVERIFY(!QFile::exists(images.imageFileURL(*existing)));

        StdoutCapture capture;
        const QUuid target = QUuid::createUuid();
        images.moveDownloadedImage(source, target);
        QVERIFY(capture.text().startsWith("Error moving downloaded image: "));
        QVERIFY(!QFile::exists(images.imageFileURL(target)));
    }

    void failureLines()
    {
        QTemporaryDir root;
        QFile blocker(root.filePath(QStringLiteral("plain-file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        {
            StdoutCapture capture;
            ImageManager images(root.filePath(QStringLiteral("plain-file/group")));
            QVERIFY(capture.text().startsWith("Error creating image directory: "));
        }
        {
            // "ShareImages" is a file, so nothing can be written into it.
            QFile clash(root.filePath(QStringLiteral("ShareImages")));
            QVERIFY(clash.open(QIODevice::WriteOnly));
            clash.close();
            ImageManager images(root.path());
            StdoutCapture capture;
            QVERIFY(!images.saveImage(testPicture(4, 4)));
            QVERIFY(capture.text().startsWith("Error saving image: "));
        }

        // The shared image store of a process without its group directory stops that process.
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("STASHLINE_GROUP_DIR"), root.filePath(QStringLiteral("plain-file/group")));
        environment.insert(QStringLiteral("TST_IMAGEMANAGER_CHILD"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(30000));
        QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
        QVERIFY(child.readAllStandardError().contains("Unable to locate shared app group directory"));
    }
};

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (qEnvironmentVariableIsSet("TST_IMAGEMANAGER_CHILD")) {
        ImageManager::shared();
        return 0;
    }
    TestImageManager test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_imagemanager.moc"
