#pragma once

#include "LaunchMode.h"

#include <QObject>

class PersistentContainer;

// The application entry: decides the launch mode and picks the store every later step works on.
// One per process, built on the main thread before any window exists.
class StashlineApp : public QObject
{
    Q_OBJECT
public:
    // Normal run: the on-disk store (opened here; an unloadable store stops the process).
    // Test or UI-test run: the in-memory store, seeded with the mock state's demo items.
    StashlineApp(const QStringList &arguments, const QProcessEnvironment &environment, QObject *parent = nullptr);

    const LaunchMode &launchMode() const { return m_launchMode; }
    bool isUITesting() const { return m_launchMode.isUITesting; }
    bool isTestRun() const { return m_launchMode.isTestRun; }
    const std::optional<QString> &mockState() const { return m_launchMode.mockState; }
    PersistentContainer &container() const { return *m_container; }

private:
    LaunchMode m_launchMode;
    PersistentContainer *m_container = nullptr;
};
