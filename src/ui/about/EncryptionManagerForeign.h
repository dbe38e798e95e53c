#pragma once

#include "Services/EncryptionManager.h"

#include <QQmlEngine>

// The process-wide EncryptionManager as the QML singleton "EncryptionManager"; the engine never
// owns it.
struct EncryptionManagerForeign {
    Q_GADGET
    QML_FOREIGN(EncryptionManager)
    QML_NAMED_ELEMENT(EncryptionManager)
    QML_SINGLETON
public:
    static EncryptionManager *create(QQmlEngine *, QJSEngine *)
    {
        EncryptionManager *manager = &EncryptionManager::shared();
        QJSEngine::setObjectOwnership(manager, QJSEngine::CppOwnership);
        return manager;
    }
};
