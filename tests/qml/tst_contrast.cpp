// Every text of every screen, drawn in a dark and in a light palette, is read back from the
// pixels: the colour around it is its background, its strongest pixel its colour, and the two
// must reach 4.5:1 (placeholders 3:1).
#include "ColorContrast.h"
#include "ScreenScene.h"
#include "platform/Localization.h"

#include <QApplication>
#include <QHash>
#include <QQmlExtensionPlugin>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>

Q_IMPORT_QML_PLUGIN(StashlinePlugin)

namespace {

struct ShownText
{
    QString text;
    QRect area;
    bool isPlaceholder = false;
};

bool isTextItem(const QQuickItem *item)
{
    return item->inherits("QQuickText") || item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit");
}

// The part of `item` its text is painted in, in window pixels, or an empty rect when any of it
// is clipped away or hidden.
QRect paintedArea(QQuickItem *item, const QRect &windowArea)
{
    const qreal contentWidth = std::min(item->property("contentWidth").toReal(), item->width());
    const qreal contentHeight = std::min(item->property("contentHeight").toReal(), item->height());
    const int alignment = item->property("horizontalAlignment").toInt();
    qreal left = 0;
    if (alignment & Qt::AlignRight)
        left = item->width() - contentWidth;
    else if (alignment & Qt::AlignHCenter)
        left = (item->width() - contentWidth) / 2;
    QRectF area = item->mapRectToScene(QRectF(left, 0, contentWidth, contentHeight));
    for (QQuickItem *ancestor = item->parentItem(); ancestor; ancestor = ancestor->parentItem()) {
        if (ancestor->clip() && !ancestor->mapRectToScene(ancestor->boundingRect()).contains(area))
            return {};
    }
    const QRect pixels = area.toAlignedRect();
    return windowArea.contains(pixels) ? pixels : QRect();
}

bool isShown(const QQuickItem *item)
{
    qreal opacity = 1;
    for (const QQuickItem *at = item; at; at = at->parentItem()) {
        if (!at->isVisible() || !at->isEnabled())
            return false;
        opacity *= at->opacity();
    }
    return opacity > 0.05;
}

void collectTexts(QQuickItem *item, const QRect &windowArea, QList<ShownText> *texts)
{
    if (!item->isVisible())
        return;
    if (isTextItem(item) && isShown(item)) {
        const QString text = item->property("text").toString().trimmed();
        const QRect area = paintedArea(item, windowArea);
        if (!text.isEmpty() && area.width() > 2 && area.height() > 4) {
            const bool isPlaceholder = item->inherits("QQuickPlaceholderText")
                || item->objectName() == QLatin1String("contentPlaceholder");
            texts->append({text, area, isPlaceholder});
        }
    }
    for (QQuickItem *child : item->childItems())
        collectTexts(child, windowArea, texts);
}

// The background is the commonest colour on the rim of the area; the text's colour is the pixel
// inside that differs most from it.
double measuredContrast(const QImage &image, const QRect &area, QColor *background, QColor *foreground)
{
    QHash<QRgb, int> rim;
    const QRect box = area.adjusted(-1, -1, 1, 1).intersected(image.rect());
    for (int x = box.left(); x <= box.right(); ++x) {
        ++rim[image.pixel(x, box.top())];
        ++rim[image.pixel(x, box.bottom())];
    }
    for (int y = box.top(); y <= box.bottom(); ++y) {
        ++rim[image.pixel(box.left(), y)];
        ++rim[image.pixel(box.right(), y)];
    }
    QRgb commonest = 0;
    int most = -1;
    for (auto it = rim.cbegin(); it != rim.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            commonest = it.key();
        }
    }
    *background = QColor::fromRgb(commonest);
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = QColor::fromRgb(image.pixel(x, y));
            const double ratio = ColorContrast::ratio(pixel, *background);
            if (ratio > best) {
                best = ratio;
                *foreground = pixel;
            }
        }
    }
    return best;
}

// The items a modal sheet or dialog shows, when one is open; else the whole window.
QQuickItem *shownRoot(QQuickWindow *window)
{
    for (QObject *popup : window->findChildren<QObject *>()) {
        if (popup->inherits("QQuickPopup") && popup->property("modal").toBool() && popup->property("opened").toBool()) {
            if (auto *content = qvariant_cast<QQuickItem *>(popup->property("contentItem")))
                return content->parentItem();
        }
    }
    return window->contentItem();
}

} // namespace

class TestContrast : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("STASHLINE_GROUP_DIR", m_groupDirectory.path().toLocal8Bit());
    }

    void everyTextReadsOnItsBackground_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("mockState");
        QTest::addColumn<bool>("dark");
        for (const QString &screen : ScreenshotOptions::screens) {
            QTest::addRow("%s dark", qPrintable(screen)) << screen << "FULL" << true;
            QTest::addRow("%s light", qPrintable(screen)) << screen << "FULL" << false;
        }
        // The empty list: its invitation and the button on the brand gradient.
        QTest::addRow("empty list dark") << "list" << "EMPTY" << true;
        QTest::addRow("empty list light") << "list" << "EMPTY" << false;
    }
    void everyTextReadsOnItsBackground()
    {
        QFETCH(QString, screen);
        QFETCH(QString, mockState);
        QFETCH(bool, dark);
        ScreenshotOptions options;
        options.screen = screen;
        options.mockState = mockState;
        options.dark = dark;
        options.extraItems = mockState != QLatin1String("EMPTY");
        ScreenScene scene(options);
        QString error;
        QVERIFY2(scene.build(&error), qPrintable(error));
        const QImage image = scene.grab(800).convertToFormat(QImage::Format_RGB32);
        const qreal scale = image.width() / qreal(scene.window()->width());
        QCOMPARE(scale, 1.0);

        QList<ShownText> texts;
        collectTexts(shownRoot(scene.window()), image.rect(), &texts);
        QVERIFY2(texts.size() >= 5, qPrintable(QStringLiteral("only %1 texts found").arg(texts.size())));
        QStringList failures;
        for (const ShownText &shown : texts) {
            QColor background;
            QColor foreground;
            const double ratio = measuredContrast(image, shown.area, &background, &foreground);
            const double needed = shown.isPlaceholder ? 3.0 : 4.5;
            if (ratio < needed)
                failures.append(QStringLiteral("\"%1\": %2:1 (%3 on %4), needs %5:1")
                                    .arg(shown.text.left(40))
                                    .arg(ratio, 0, 'f', 2)
                                    .arg(foreground.name(), background.name())
                                    .arg(needed));
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1String("\n"))));
    }

private:
    QTemporaryDir m_groupDirectory;
};

int main(int argc, char *argv[])
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication application(argc, argv);
    Localization::install(QLocale(QStringLiteral("en_US")));
    TestContrast test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_contrast.moc"
