#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// The system clipboard for the screens: "Copy" in a card's menu and paste into the composer.
// Exposed to QML as the singleton "Clipboard". Main thread.
class Clipboard : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit Clipboard(QObject *parent = nullptr);

    // Puts plain text on the clipboard (nothing for empty text).
    Q_INVOKABLE static void setText(const QString &text);
    Q_INVOKABLE static QString text();
};
