#include "ScreenScene.h"

#include "platform/DesktopColorScheme.h"
#include "QmlEngineSetup.h"
#include "app/StashlineApp.h"
#include "model/ShareListViewModel.h"
#include "platform/PersistentContainer.h"
#include "store/ImageManager.h"
#include "store/ShareItem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QThread>

namespace {

QString hostSource(const ScreenshotOptions &options)
{
    const QString scope = options.mockState == QLatin1String("FAVORITES") ? QStringLiteral("favorites")
                                                                         : QStringLiteral("recent");
    QString content;
    if (options.screen == QLatin1String("main")) {
        content = QStringLiteral("ContentView { anchors.fill: parent; viewModel: host.viewModel }");
    } else if (options.screen == QLatin1String("about")) {
        content = QStringLiteral("AboutView { anchors.fill: parent; viewModel: host.viewModel; feedbackEmail: \"support@quellmar.com\"\n"
                                 "  appStoreURL: \"https://apps.quellmar.com/app/stashline\"\n"
                                 "  termsOfUseURL: \"https://apps.quellmar.com/legal/standard-eula/\" }");
    } else if (options.screen == QLatin1String("account")) {
        content = QStringLiteral("AccountView { anchors.fill: parent }");
    } else if (options.screen == QLatin1String("history")) {
        content = QStringLiteral("HistoryView { anchors.fill: parent; viewModel: host.viewModel }");
    } else if (options.screen == QLatin1String("trash")) {
        content = QStringLiteral("HistoryView { anchors.fill: parent; viewModel: host.viewModel; showsTrash: true }");
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
                          "required property ShareListViewModel viewModel\nproperty ShareItem firstItem: null\n%1\n}\n")
        .arg(content);
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

// Two items in Recently Deleted, one of them deleted four weeks ago.
void addTrashedItems(ManagedObjectContext &context)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QList<std::pair<QString, int>> trashed = {{QStringLiteral("Old boarding pass"), 27}, {QStringLiteral("Draft reply"), 1}};
    for (const auto &[title, days] : trashed) {
        ShareItem *item = ShareItem::insert(context);
        item->setTitle(title);
        item->setContent(QStringLiteral("Deleted %1 days ago").arg(days));
        item->setCreatedAt(now.addDays(-days - 2));
        item->setTrashedAt(now.addDays(-days));
        item->setSyncStatus(ShareItem::SyncStatus::synced);
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

ScreenScene::ScreenScene(ScreenshotOptions options)
    : m_options(std::move(options))
{
}

ScreenScene::~ScreenScene()
{
    m_root.reset(); // the window goes before the model it shows
}

bool ScreenScene::build(QString *error)
{
    // The system palette is kept from the first scene on, so a later light scene gets it back.
    static const QPalette systemPalette = QGuiApplication::palette();
    QApplication::setPalette(m_options.dark ? DesktopColorScheme::darkPalette() : systemPalette);
    QmlEngineSetup::applyStyle();

    // A UI-test run: the in-memory store seeded with the mock state, and a sync interface that
    // never reaches the cloud.
    m_app = std::make_unique<StashlineApp>(QStringList{QStringLiteral("stashline-shot"), QStringLiteral("-UI_TESTING"),
                                                       QStringLiteral("-mockState"), m_options.mockState},
                                           QProcessEnvironment());
    ShareListViewModel &viewModel = m_app->viewModel();
    if (m_options.extraItems)
        addExtraItems(m_app->container().viewContext());
    if (m_options.extraItems || m_options.screen == QLatin1String("trash"))
        addTrashedItems(m_app->container().viewContext());
    viewModel.loadShares();
    ShareItem *firstItem = viewModel.firstShare();

    m_engine = std::make_unique<QQmlEngine>();
    QmlEngineSetup::install(*m_engine);
    QQmlComponent component(m_engine.get());
    component.setData(hostSource(m_options).toUtf8(), QUrl(QStringLiteral("qrc:/stashline-shot/Host.qml")));
    m_root.reset(component.isError() ? nullptr
                                     : component.createWithInitialProperties(
                                           {{QStringLiteral("viewModel"), QVariant::fromValue(&viewModel)},
                                            {QStringLiteral("firstItem"), QVariant::fromValue(static_cast<QObject *>(firstItem))}}));
    m_window = qobject_cast<QQuickWindow *>(m_root.get());
    if (!m_window) {
        *error = QStringLiteral("the screen could not be built: ") + component.errorString();
        return false;
    }
    m_window->resize(m_options.effectiveSize());
    m_window->show();
    return true;
}

QImage ScreenScene::grab(int milliseconds)
{
    settle(milliseconds);
    return m_window ? m_window->grabWindow() : QImage();
}
