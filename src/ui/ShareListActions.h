#pragma once

#include <QObject>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The list model's item operations for QML, which hands the model and the items over as plain
// objects: each casts them and calls the model; a null or foreign object does nothing.
// Exposed to QML as the singleton "ShareListActions". Main thread.
class ShareListActions : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit ShareListActions(QObject *parent = nullptr);

    Q_INVOKABLE static void toggleFavorite(QObject *model, QObject *item);
    // Soft-deletes the items of `items` that are ShareItems, in one operation.
    Q_INVOKABLE static void deleteShares(QObject *model, const QVariantList &items);
    Q_INVOKABLE static void retryShare(QObject *model, QObject *item);
};
