#pragma once

#include "platform/cloud/CredentialStore.h"

// Passwords in the desktop's secret service (GNOME Keyring, KWallet) through QtKeychain, under
// the service name "Stashline". Never falls back to a plain-text file by itself: without a
// service (or a session bus) every operation answers `unavailable`; a refusal by the user or the
// keyring is not `unavailable`. Main thread (the jobs talk D-Bus from the
// event loop).
class KeyringCredentialStore : public CredentialStore
{
public:
    static inline const QString serviceName = QStringLiteral("Stashline");

    void read(const QString &key, Completion completion) override;
    void write(const QString &key, const QString &password, Completion completion) override;
    void remove(const QString &key, Completion completion) override;
};
