#include "StashlineApp.h"

#include "platform/Localization.h"
#include "platform/PersistentContainer.h"
#include "store/ShareItem.h"

#include <QApplication>
#include <QQmlApplicationEngine>
#include <QQmlExtensionPlugin>
#include <QStringListModel>

Q_IMPORT_QML_PLUGIN(StashlinePlugin)

namespace {

QStringList liveTitles(ManagedObjectContext &context)
{
    FetchRequest request = ShareItem::fetchRequest();
    request.predicate = ShareItem::notMarkedForDeletionPredicate();
    QStringList titles;
    for (ManagedObject *object : context.execute(request).objects)
        titles.append(static_cast<ShareItem *>(object)->title());
    return titles;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationDomain(QStringLiteral("quellmar.com"));
    QApplication::setApplicationName(QStringLiteral("Stashline"));
    QApplication::setDesktopFileName(QStringLiteral("com.quellmar.Stashline"));
    Localization::install(QLocale());

    StashlineApp app(QApplication::arguments(), QProcessEnvironment::systemEnvironment());
    ManagedObjectContext &context = app.container().viewContext();

    QStringListModel titles(liveTitles(context));
    QObject::connect(&context, &ManagedObjectContext::didSave, &titles,
                     [&titles, &context] { titles.setStringList(liveTitles(context)); });

    QQmlApplicationEngine engine;
    engine.setInitialProperties({{QStringLiteral("titles"), QVariant::fromValue(&titles)}});
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Stashline/PlaceholderWindow.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    return application.exec();
}
