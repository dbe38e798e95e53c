#include "StashlineApp.h"

#include "QmlEngineSetup.h"
#include "model/ShareListViewModel.h"
#include "platform/Localization.h"

#include <QApplication>
#include <QQmlApplicationEngine>
#include <QQmlExtensionPlugin>

Q_IMPORT_QML_PLUGIN(StashlinePlugin)

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationDomain(QStringLiteral("quellmar.com"));
    QApplication::setApplicationName(QStringLiteral("Stashline"));
    QApplication::setApplicationVersion(QStringLiteral(STASHLINE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("com.quellmar.Stashline"));
    Localization::install(QLocale());

    StashlineApp app(QApplication::arguments(), QProcessEnvironment::systemEnvironment());
    ShareListViewModel &viewModel = app.viewModel();

    // The list screen starts the first load and the cloud pulls when it is shown.
    QmlEngineSetup::applyStyle();
    QQmlApplicationEngine engine;
    QmlEngineSetup::install(engine);
    engine.setInitialProperties({{QStringLiteral("viewModel"), QVariant::fromValue(&viewModel)}});
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Stashline/MainWindow.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    return application.exec();
}
