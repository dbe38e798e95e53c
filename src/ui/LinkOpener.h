#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// Opens item links in the user's handlers, but only web and mail links: an item's link may come
// from another device through the cloud, and a file: path, a javascript: address or a custom
// scheme would otherwise be run by whatever program claims it. Exposed to QML as the singleton
// "LinkOpener". The static functions run on any thread; open() on the main thread.
class LinkOpener : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit LinkOpener(QObject *parent = nullptr);

    // True for a valid http or https address with a host, or a valid mailto address; false for
    // every other scheme and for an empty or malformed URL.
    Q_INVOKABLE static bool isOpenable(const QUrl &url);

    // Hands an openable link to the desktop and returns whether the desktop took it; a link
    // that is not openable is not handed over and gives false.
    Q_INVOKABLE static bool open(const QUrl &url);

    // Why a link is not opened, for the row: "share.row.link.notOpened %1" with the link's scheme
    // ("file:"), or "share.row.link.malformed" when it has none. Empty for an openable link.
    Q_INVOKABLE static QString refusalText(const QUrl &url);
};
