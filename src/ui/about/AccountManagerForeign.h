#pragma once

#include "Services/AccountManager.h"

#include <QQmlEngine>

// The process-wide AccountManager as the QML singleton "AccountManager"; the engine never owns it.
struct AccountManagerForeign {
    Q_GADGET
    QML_FOREIGN(AccountManager)
    QML_NAMED_ELEMENT(AccountManager)
    QML_SINGLETON
public:
    static AccountManager *create(QQmlEngine *, QJSEngine *)
    {
        AccountManager *manager = &AccountManager::shared();
        QJSEngine::setObjectOwnership(manager, QJSEngine::CppOwnership);
        return manager;
    }
};
