// Renders one screen to a PNG without a display: the offscreen platform and the software
// renderer, an in-memory store seeded with a mock state, and the chosen locale.

#include "ScreenshotOptions.h"

#include "QmlEngineSetup.h"
#include "app/StashlineApp.h"
#include "model/ShareListViewModel.h"
#include "platform/Localization.h"
#include "platform/PersistentContainer.h"
#include "store/ImageManager.h"
#include "store/ShareItem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPalette>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlExtensionPlugin>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

Q_IMPORT_QML_PLUGIN(StashlinePlugin)

namespace {

QString hostSource(const ScreenshotOptions &options)
{
    const QString scope = options.mockState == QLatin1String("FAVORITES") ? QStringLiteral("favorites")
                                                                         : QStringLiteral("recent");
    QString content;
    if (options.screen == QLatin1String("about")) {
        content = QStringLiteral("ContentView { id: screen; anchors.fill: parent; viewModel: host.viewModel\n"
                                 "  Component.onCompleted: tabBar.currentIndex = 2 }\n"
                                 "property var tabBar: null\n");
        content = QStringLiteral("AboutView { anchors.fill: parent; feedbackEmail: \"support@quellmar.com\"\n"
                                 "  appStoreURL: \"https://apps.quellmar.com/app/stashline\"\n"
                                 "  termsOfUseURL: \"https://apps.quellmar.com/legal/standard-eula/\" }");
    } else if (options.screen == QLatin1String("history")) {
        content = QStringLiteral("HistoryView { anchors.fill: parent; viewModel: host.viewModel }");
    } else {
        QString after;
        if (options.screen == QLatin1String("add"))
            after = QStringLiteral("screen.showAddSheet()");
        else if (options.screen == QLatin1String("edit"))
            after = QStringLiteral("if (host.firstItem) screen.openEditor(host.firstItem)");
        content = QStringLiteral("ShareListView { id: screen; anchors.fill: parent; viewModel: host.viewModel\n"
                                 "  selectedScope: \"%1\"\n"
                                 "  Component.onCompleted: Qt.callLater(function() { %2 }) }")
                      .arg(scope, after);
    }
    return QStringLiteral("import QtQuick\nimport Stashline\n"
                          "Window { id: host; color: Theme.windowBackground\n"
                          "required property var viewModel\nproperty var firstItem: null\n%1\n}\n")
        .arg(content);
}

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x1e, 0x1e, 0x1e));
    palette.setColor(QPalette::WindowText, QColor(0xec, 0xec, 0xec));
    palette.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    palette.setColor(QPalette::AlternateBase, QColor(0x32, 0x32, 0x32));
    palette.setColor(QPalette::Text, QColor(0xec, 0xec, 0xec));
    palette.setColor(QPalette::Button, QColor(0x32, 0x32, 0x32));
    palette.setColor(QPalette::ButtonText, QColor(0xec, 0xec, 0xec));
    palette.setColor(QPalette::Highlight, QColor(0x0a, 0x84, 0xff));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::PlaceholderText, QColor(0x8a, 0x8a, 0x8a));
    return palette;
}

// A note waiting to upload, an image item whose upload failed, and older items syncing and
// synced, so every row state can be looked at.
void addExtraItems(ManagedObjectContext &context)
{
    const QDateTime now = QDateTime::currentDateTime();
    QImage picture(640, 400, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 640, 400);
    gradient.setColorAt(0, QColor(0x30, 0xe3, 0xd5));
    gradient.setColorAt(1, QColor(0x08, 0x12, 0x5d));
    painter.fillRect(picture.rect(), gradient);
    painter.end();
    const std::optional<QUuid> imageUUID = ImageManager::shared().saveImage(picture);

    struct Extra {
        QString title, content, type;
        int status;
        int ageHours;
        bool favorite;
        bool image;
    };
    const QList<Extra> extras = {
        {QString(), QStringLiteral("Pick up the parcel before Friday"), QStringLiteral("text"), 0, 1, false, false},
        {QStringLiteral("Whiteboard"), QStringLiteral(""), QStringLiteral("image"), 3, 3, true, true},
        {QStringLiteral("Conference notes"), QStringLiteral("Talks worth watching again"), QStringLiteral("text"), 1, 24 * 5, false, false},
        {QStringLiteral("<b>Markup</b> stays text"), QStringLiteral("https://example.org/"), QStringLiteral("url"), 2, 24 * 9, false, false},
    };
    for (const Extra &extra : extras) {
        ShareItem *item = ShareItem::insert(context);
        item->setUuid(QUuid::createUuid());
        item->setTitle(extra.title);
        item->setContent(extra.content);
        item->setContentType(extra.type);
        item->setCreatedAt(now.addSecs(-3600LL * extra.ageHours));
        item->setSyncStatusValue(qint16(extra.status));
        item->setIsFavorite(extra.favorite);
        if (extra.image && imageUUID)
            item->setImageUUID(*imageUUID);
    }
    context.save();
}

void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);

    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    QString error;
    const std::optional<ScreenshotOptions> options = ScreenshotOptions::parse(arguments, &error);
    QTextStream err(stderr);
    if (!options) {
        err << "stashline-shot: " << error << "\n"
            << "usage: stashline-shot --screen list|history|about|add|edit|panel "
               "--mock-state FULL|FAVORITES|EMPTY --locale ja_JP --out shot.png [--size 960x720] [--dark] "
               "[--extra-items]\n";
        return 2;
    }

    // Pictures go to a directory of this run, never to the user's.
    QTemporaryDir groupDirectory;
    if (qEnvironmentVariableIsEmpty("STASHLINE_GROUP_DIR"))
        qputenv("STASHLINE_GROUP_DIR", groupDirectory.path().toLocal8Bit());

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stashline"));
    QApplication::setApplicationVersion(QStringLiteral(STASHLINE_VERSION));
    const QLocale locale(options->locale);
    QLocale::setDefault(locale);
    if (!Localization::install(locale))
        err << "stashline-shot: no translation for " << options->locale << "\n";
    if (options->dark)
        QApplication::setPalette(darkPalette());
    QmlEngineSetup::applyStyle();

    // A UI-test run: the in-memory store seeded with the mock state, and a sync interface that
    // never reaches the cloud.
    StashlineApp app({QStringLiteral("stashline-shot"), QStringLiteral("-UI_TESTING"), QStringLiteral("-mockState"),
                      options->mockState},
                     QProcessEnvironment());
    ShareListViewModel &viewModel = app.viewModel();
    if (options->extraItems)
        addExtraItems(app.container().viewContext());
    viewModel.loadShares();
    ShareItem *firstItem = viewModel.shares().isEmpty() ? nullptr : viewModel.shares().first();

    QQmlEngine engine;
    QmlEngineSetup::install(engine);
    QQmlComponent component(&engine);
    component.setData(hostSource(*options).toUtf8(), QUrl(QStringLiteral("qrc:/stashline-shot/Host.qml")));
    if (component.isError()) {
        err << "stashline-shot: " << component.errorString() << "\n";
        return 1;
    }
    QObject *root = component.createWithInitialProperties(
        {{QStringLiteral("viewModel"), QVariant::fromValue(&viewModel)},
         {QStringLiteral("firstItem"), QVariant::fromValue(static_cast<QObject *>(firstItem))}});
    auto *window = qobject_cast<QQuickWindow *>(root);
    if (!window) {
        err << "stashline-shot: the screen could not be built: " << component.errorString() << "\n";
        return 1;
    }
    window->resize(options->effectiveSize());
    window->show();
    settle(600);

    const QImage image = window->grabWindow();
    if (image.isNull() || !image.save(options->outputPath, "PNG")) {
        err << "stashline-shot: could not write " << options->outputPath << "\n";
        return 1;
    }
    delete root;
    return 0;
}
