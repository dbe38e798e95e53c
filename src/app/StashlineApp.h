#pragma once

#include "LaunchMode.h"

#include <QObject>

#include <functional>
#include <memory>

class PersistentContainer;
class ShareListViewModel;

// The application entry: decides the launch mode, picks the store every later step works on and
// composes the one list model that every scene shows. One per process, built on the main thread
// before any window exists.
class StashlineApp : public QObject
{
    Q_OBJECT
public:
    // Normal run: the on-disk store (opened here; an unloadable store stops the process).
    // Test or UI-test run: the in-memory store, seeded with the mock state's demo items.
    // Stores the list model's factory: a normal run gives the model the process-wide cloud sync
    // interface (the process-wide CloudKitSyncManager, created on first use), a test or UI-test run a new PreviewSyncManager; both use
    // the container's main context and the user's current calendar. Nothing is built yet.
    StashlineApp(const QStringList &arguments, const QProcessEnvironment &environment, QObject *parent = nullptr);
    ~StashlineApp() override;

    // Names the application object (organisation, name, version) for settings, paths and
    // `--version`; the window and the command line alike.
    static void nameApplication();

    const LaunchMode &launchMode() const { return m_launchMode; }
    bool isUITesting() const { return m_launchMode.isUITesting; }
    bool isTestRun() const { return m_launchMode.isTestRun; }
    const std::optional<QString> &mockState() const { return m_launchMode.mockState; }
    PersistentContainer &container() const { return *m_container; }

    // The one list model, built by the stored factory on first use and kept as long as the
    // application object. Main thread.
    ShareListViewModel &viewModel();

private:
    LaunchMode m_launchMode;
    PersistentContainer *m_container = nullptr;
    std::function<std::unique_ptr<ShareListViewModel>()> m_viewModelFactory;
    std::unique_ptr<ShareListViewModel> m_viewModel;
};
