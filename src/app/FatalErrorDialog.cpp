#include "FatalErrorDialog.h"

#include "platform/FatalError.h"

#include <QApplication>
#include <QMessageBox>

namespace FatalErrorDialog {

bool canPresent()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void present(const QString &line)
{
    QMessageBox box(QMessageBox::Critical, qtTrId("app.fatal.title"), qtTrId("app.fatal.message"), QMessageBox::Close);
    box.setObjectName(QStringLiteral("fatalErrorDialog"));
    box.setInformativeText(line);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

void install()
{
    if (canPresent())
        setFatalErrorPresenter(present);
}

} // namespace FatalErrorDialog
