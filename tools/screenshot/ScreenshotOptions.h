#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// The command line of the screenshot tool:
//   --screen main|list|history|about|add|edit|panel  --mock-state FULL|FAVORITES|EMPTY
//   --locale ja_JP  --out shot.png  [--size 960x720]  [--dark]  [--extra-items]  [--signed-out]
struct ScreenshotOptions
{
    QString screen;
    QString mockState = QStringLiteral("FULL");
    QString locale = QStringLiteral("en_US");
    QString outputPath;
    std::optional<QSize> size;
    bool dark = false;
    bool extraItems = false; // adds a note, an image item and older items in every sync state
    QString encryption;      // "plain", "locked" or "unlocked": the account's encryption as shown
    bool signedOut = false;  // no account: the screens as they are before any sign-in

    static const QStringList screens;

    // The options, or none with a message in `error` for an unknown flag, a missing value, an
    // unknown screen or mock state, or a size that is not "<width>x<height>".
    static std::optional<ScreenshotOptions> parse(const QStringList &arguments, QString *error);

    // The screen's own size: 360x420 for the panel, 960x720 for every other screen.
    QSize effectiveSize() const;
};
