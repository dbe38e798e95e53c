// Qt Quick tests of the screens: every tst_*.qml in this folder, with the Stashline module, the
// icon provider and the test fixture.

#include "QmlEngineSetup.h"
#include "ScreenTestFixture.h"

#include <QQmlEngine>
#include <QQmlExtensionPlugin>
#include <QTemporaryDir>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(StashlinePlugin)

class Setup : public QObject
{
    Q_OBJECT

public:
    Setup()
    {
        // Pictures go to a directory of this run.
        qputenv("STASHLINE_GROUP_DIR", m_groupDirectory.path().toLocal8Bit());
        QmlEngineSetup::applyStyle();
    }

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        QmlEngineSetup::install(*engine);
        // Built here, once the application object exists.
        if (!m_fixture)
            m_fixture = std::make_unique<ScreenTestFixture>();
        qmlRegisterSingletonInstance("StashlineTest", 1, 0, "Fixture", m_fixture.get());
    }

private:
    QTemporaryDir m_groupDirectory;
    std::unique_ptr<ScreenTestFixture> m_fixture;
};

QUICK_TEST_MAIN_WITH_SETUP(tst_screens, Setup)

#include "tst_screens.moc"
