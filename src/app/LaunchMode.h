#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

// How this run was started, decided once from the process arguments and environment.
struct LaunchMode {
    bool isUITesting = false;             // "-UI_TESTING" among the arguments
    bool isTestRun = false;               // "XCTestConfigurationFilePath" in the environment, any value
    std::optional<QString> mockState;     // the argument after the first "-mockState", test runs only

    // A test or UI-test run: in-memory store and a sync interface that never reaches the cloud.
    bool usesInMemoryStore() const { return isUITesting || isTestRun; }

    static LaunchMode parse(const QStringList &arguments, const QProcessEnvironment &environment);
};
