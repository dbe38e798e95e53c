#pragma once

#include "app/SingleInstance.h"

#include <QLocalSocket>
#include <QProcess>
#include <QTest>

// Starts the app in `process` on `environment` (its STASHLINE_GROUP_DIR is `group`); true once
// it is up, that is once its hand-over socket answers.
inline bool startApp(QProcess &process, const QProcessEnvironment &environment, const QString &group)
{
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(STASHLINE_EXECUTABLE), {});
    return process.waitForStarted() && QTest::qWaitFor(
               [&group] {
                   QLocalSocket probe;
                   probe.connectToServer(SingleInstance::serverName(group));
                   return probe.waitForConnected(200);
               },
               20000);
}
