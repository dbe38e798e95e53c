// Renders the application icon (an SVG) to the PNG sizes of the hicolor icon theme, for the
// package. Usage: stashline-icon-render ICON.svg OUTPUT_DIRECTORY SIZE...
// Writes OUTPUT_DIRECTORY/<size>x<size>/apps/<icon name>.png; exit code 1 when the SVG cannot be
// read or a file cannot be written.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: stashline-icon-render ICON.svg OUTPUT_DIRECTORY SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    const QString name = QFileInfo(arguments.at(1)).completeBaseName();
    for (const QString &sizeText : arguments.mid(3)) {
        const int size = sizeText.toInt();
        const QString directory = QStringLiteral("%1/%2x%2/apps").arg(arguments.at(2)).arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        if (size <= 0 || !QDir().mkpath(directory) || !image.save(directory + QLatin1Char('/') + name + QStringLiteral(".png"))) {
            std::fprintf(stderr, "cannot write the %s pixel icon to %s\n", qPrintable(sizeText), qPrintable(directory));
            return 1;
        }
    }
    return 0;
}
