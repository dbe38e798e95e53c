#pragma once

#include "store/ShareItem.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

// The system clipboard for the screens and the command line: "Copy" of a card, `stashline copy`
// and paste into the composer. Exposed to QML as the singleton "Clipboard". Main thread.
class Clipboard : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit Clipboard(QObject *parent = nullptr);

    // What Copy takes from an item: its link; else its picture when the item holds no text of its
    // own (a title alone names the picture, it is not what the user copies); else its text
    // (ShareItem::copyText).
    enum class CopyKind { link, text, picture, nothing };
    static CopyKind copyKind(const ShareItem &item);
    // Puts what copyKind() names on the clipboard and says what it was. A picture that is not on
    // this computer (yet) copies nothing; the clipboard then keeps what it held.
    static CopyKind copyShare(const ShareItem &item);
    // For the screens (an item given as a QML value): true when something was copied.
    Q_INVOKABLE static bool copyItem(QObject *item);

    // Puts plain text on the clipboard (nothing for empty text).
    Q_INVOKABLE static void setText(const QString &text);
    Q_INVOKABLE static QString text();
};
