#include "QmlEngineSetup.h"

#include "SymbolImageProvider.h"

#include <QQmlEngine>
#include <QQuickWindow>
#include <QQuickStyle>

void QmlEngineSetup::applyDefaultRenderer()
{
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") && qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

void QmlEngineSetup::applyStyle()
{
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
}

void QmlEngineSetup::install(QQmlEngine &engine)
{
    // The module lives under this resource prefix; Qt 6.4 does not search it by default.
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    if (!engine.imageProvider(SymbolImageProvider::providerId))
        engine.addImageProvider(SymbolImageProvider::providerId, new SymbolImageProvider);
}
