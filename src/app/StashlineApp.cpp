#include "StashlineApp.h"

#include "PreviewSyncManager.h"
#include "Services/CloudKitSyncManager.h"
#include "Services/EncryptionManager.h"
#include "demo/MockState.h"
#include "model/ShareListViewModel.h"
#include "platform/GroupDirectory.h"
#include "store/PersistenceController.h"

#include <QCoreApplication>

StashlineApp::StashlineApp(const QStringList &arguments, const QProcessEnvironment &environment, QObject *parent)
    : QObject(parent), m_launchMode(LaunchMode::parse(arguments, environment))
{
    if (!m_launchMode.usesInMemoryStore()) {
        // What the store, the pictures and the instance lock left open to others (a picture a
        // download wrote, files of an earlier version) is the user's alone again.
        if (const auto group = GroupDirectory::path())
            GroupDirectory::makePrivate(*group);
        m_container = &PersistenceController::sharedContainer();
        m_viewModelFactory = [context = &m_container->viewContext()] {
            // The account's data key is read before the engine's first pass, and every change of
            // keys (a passphrase entered, a start-over here) has it check the account again.
            EncryptionManager &encryption = EncryptionManager::shared();
            CloudKitSyncManager &sync = CloudKitSyncManager::shared();
            QObject::connect(&encryption, &EncryptionManager::keysChanged, &sync, &CloudKitSyncManager::keysChanged,
                             Qt::UniqueConnection);
            QObject::connect(&encryption, &EncryptionManager::startedOver, &sync, &CloudKitSyncManager::rejoinAfterStartOver,
                             Qt::UniqueConnection);
            // The engine is process-wide and outlives every list model: the model only borrows it.
            std::shared_ptr<SyncManagerProtocol> engine(&sync, [](SyncManagerProtocol *) {});
            return std::make_unique<ShareListViewModel>(*context, Calendar::current(), std::move(engine));
        };
        return;
    }
    m_container = &PersistenceController::previewContainer();
    if (m_launchMode.mockState)
        MockState::populateMockState(*m_launchMode.mockState, m_container->viewContext());
    m_viewModelFactory = [context = &m_container->viewContext()] {
        return std::make_unique<ShareListViewModel>(*context, Calendar::current(),
                                                    std::make_shared<PreviewSyncManager>());
    };
}

StashlineApp::~StashlineApp() = default;

void StashlineApp::nameApplication()
{
    QCoreApplication::setOrganizationDomain(QStringLiteral("quellmar.com"));
    QCoreApplication::setApplicationName(QStringLiteral("Stashline"));
    QCoreApplication::setApplicationVersion(QStringLiteral(STASHLINE_VERSION));
}

ShareListViewModel &StashlineApp::viewModel()
{
    if (!m_viewModel)
        m_viewModel = m_viewModelFactory();
    return *m_viewModel;
}
