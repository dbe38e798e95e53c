#include "LaunchMode.h"

LaunchMode LaunchMode::parse(const QStringList &arguments, const QProcessEnvironment &environment)
{
    LaunchMode mode;
    mode.isUITesting = arguments.contains(QStringLiteral("-UI_TESTING"));
    mode.isTestRun = environment.contains(QStringLiteral("XCTestConfigurationFilePath"));
    if (!mode.usesInMemoryStore())
        return mode; // a normal run ignores "-mockState"
    const qsizetype flag = arguments.indexOf(QStringLiteral("-mockState"));
    if (flag >= 0 && flag + 1 < arguments.size())
        mode.mockState = arguments.at(flag + 1);
    return mode;
}
