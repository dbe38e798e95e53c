#include "StashlineApp.h"

#include "demo/MockState.h"
#include "store/PersistenceController.h"

StashlineApp::StashlineApp(const QStringList &arguments, const QProcessEnvironment &environment, QObject *parent)
    : QObject(parent), m_launchMode(LaunchMode::parse(arguments, environment))
{
    if (!m_launchMode.usesInMemoryStore()) {
        m_container = &PersistenceController::sharedContainer();
        return;
    }
    m_container = &PersistenceController::previewContainer();
    if (m_launchMode.mockState)
        MockState::populateMockState(*m_launchMode.mockState, m_container->viewContext());
}
