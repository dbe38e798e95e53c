#include "StashlineApp.h"

#include "model/ShareListViewModel.h"
#include "platform/Localization.h"
#include "store/ShareItem.h"

#include <QApplication>
#include <QQmlApplicationEngine>
#include <QQmlExtensionPlugin>
#include <QStringListModel>

Q_IMPORT_QML_PLUGIN(StashlinePlugin)

namespace {

QStringList liveTitles(const ShareListViewModel &viewModel)
{
    QStringList titles;
    for (const ShareItem *item : viewModel.shares())
        titles.append(item->title());
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
    ShareListViewModel &viewModel = app.viewModel();
    viewModel.loadShares();

    QStringListModel titles(liveTitles(viewModel));
    QObject::connect(&viewModel, &ShareListViewModel::sharesChanged, &titles,
                     [&titles, &viewModel] { titles.setStringList(liveTitles(viewModel)); });

    QQmlApplicationEngine engine;
    engine.setInitialProperties({{QStringLiteral("titles"), QVariant::fromValue(&titles)}});
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Stashline/PlaceholderWindow.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    return application.exec();
}
