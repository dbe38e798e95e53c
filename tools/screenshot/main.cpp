// Renders one screen to a PNG without a display: the offscreen platform and the software
// renderer, an in-memory store seeded with a mock state, and the chosen locale.

#include "ScreenScene.h"
#include "ScreenshotOptions.h"

#include "Services/EncryptionGate.h"
#include "Services/EncryptionManager.h"
#include "platform/Localization.h"
#include "platform/NotificationCenter.h"
#include "platform/cloud/CloudAccount.h"

#include <QApplication>
#include <QQmlExtensionPlugin>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTextStream>

Q_IMPORT_QML_PLUGIN(StashlinePlugin)

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
            << "usage: stashline-shot --screen main|list|history|trash|about|add|edit|panel|account "
               "--mock-state FULL|FAVORITES|EMPTY --locale ja_JP --out shot.png [--size 960x720] [--dark] "
               "[--extra-items] [--signed-out] [--encryption plain|locked|unlocked]\n";
        return 2;
    }

    // Pictures go to a directory of this run, never to the user's.
    QTemporaryDir groupDirectory;
    if (qEnvironmentVariableIsEmpty("STASHLINE_GROUP_DIR"))
        qputenv("STASHLINE_GROUP_DIR", groupDirectory.path().toLocal8Bit());

    // The screens are signed in to a demo account of a settings folder of this run, never the
    // user's, unless they are shown signed out.
    QTemporaryDir configDirectory;
    qputenv("XDG_CONFIG_HOME", configDirectory.path().toLocal8Bit());
    qunsetenv("STASHLINE_CLOUD_URL");
    if (!options->signedOut) {
        QString problem;
        CloudAccount::fromUrl(QStringLiteral("https://couch.example.com:6984/userdb-616c696365"))
            .withCredentials(QStringLiteral("alice"), QStringLiteral("demo"))
            .asLocalServer() // keeps the demo password out of the keyring
            .writeFile(CloudAccount::defaultFilePath(), true, &problem);
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stashline"));
    QApplication::setApplicationVersion(QStringLiteral(STASHLINE_VERSION));
    const QLocale locale(options->locale);
    QLocale::setDefault(locale);
    if (!Localization::install(locale))
        err << "stashline-shot: no translation for " << options->locale << "\n";

    if (!options->encryption.isEmpty()) {
        EncryptionManager::shared().showStateForPreview(options->encryption);
        // The list's banner learns it as from a key check of the sync engine.
        NotificationCenter::defaultCenter().post(CloudKeyNotification::didChange, nullptr,
                                                 {{CloudKeyNotification::lockedKey, options->encryption == QLatin1String("locked")},
                                                  {CloudKeyNotification::reasonKey, QStringLiteral("passphrase")}});
        QCoreApplication::processEvents();
    }

    ScreenScene scene(*options);
    if (!scene.build(&error)) {
        err << "stashline-shot: " << error << "\n";
        return 1;
    }
    const QImage image = scene.grab();
    if (image.isNull() || !image.save(options->outputPath, "PNG")) {
        err << "stashline-shot: could not write " << options->outputPath << "\n";
        return 1;
    }
    return 0;
}
