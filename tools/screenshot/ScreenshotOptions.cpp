#include "ScreenshotOptions.h"

#include <QRegularExpression>

const QStringList ScreenshotOptions::screens = {QStringLiteral("main"), QStringLiteral("list"), QStringLiteral("history"), QStringLiteral("trash"),
                                                QStringLiteral("about"), QStringLiteral("add"),
                                                QStringLiteral("edit"), QStringLiteral("panel"), QStringLiteral("account")};

std::optional<ScreenshotOptions> ScreenshotOptions::parse(const QStringList &arguments, QString *error)
{
    ScreenshotOptions options;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString &flag = arguments.at(index);
        if (flag == QLatin1String("--dark")) {
            options.dark = true;
            continue;
        }
        if (flag == QLatin1String("--extra-items")) {
            options.extraItems = true;
            continue;
        }
        if (flag == QLatin1String("--signed-out")) {
            options.signedOut = true;
            continue;
        }
        if (index + 1 >= arguments.size()) {
            *error = QStringLiteral("missing value after %1").arg(flag);
            return std::nullopt;
        }
        const QString value = arguments.at(++index);
        if (flag == QLatin1String("--screen")) {
            options.screen = value;
        } else if (flag == QLatin1String("--mock-state")) {
            options.mockState = value;
        } else if (flag == QLatin1String("--locale")) {
            options.locale = value;
        } else if (flag == QLatin1String("--encryption")) {
            if (!QStringList{QStringLiteral("plain"), QStringLiteral("locked"), QStringLiteral("unlocked")}.contains(value)) {
                *error = QStringLiteral("--encryption must be plain, locked or unlocked");
                return std::nullopt;
            }
            options.encryption = value;
        } else if (flag == QLatin1String("--out")) {
            options.outputPath = value;
        } else if (flag == QLatin1String("--size")) {
            static const QRegularExpression sizePattern(QStringLiteral("^(\\d{2,5})x(\\d{2,5})$"));
            const QRegularExpressionMatch match = sizePattern.match(value);
            if (!match.hasMatch()) {
                *error = QStringLiteral("size must be <width>x<height>, got \"%1\"").arg(value);
                return std::nullopt;
            }
            options.size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
        } else {
            *error = QStringLiteral("unknown option %1").arg(flag);
            return std::nullopt;
        }
    }
    if (!screens.contains(options.screen)) {
        *error = QStringLiteral("--screen must be one of %1").arg(screens.join(QLatin1Char('|')));
        return std::nullopt;
    }
    if (!QStringList{QStringLiteral("FULL"), QStringLiteral("FAVORITES"), QStringLiteral("EMPTY")}.contains(
            options.mockState)) {
        *error = QStringLiteral("--mock-state must be FULL, FAVORITES or EMPTY");
        return std::nullopt;
    }
    if (options.outputPath.isEmpty()) {
        *error = QStringLiteral("--out is required");
        return std::nullopt;
    }
    return options;
}

QSize ScreenshotOptions::effectiveSize() const
{
    if (size)
        return *size;
    return screen == QLatin1String("panel") ? QSize(360, 420) : QSize(960, 720);
}
