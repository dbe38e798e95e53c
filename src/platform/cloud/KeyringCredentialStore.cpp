#include "KeyringCredentialStore.h"

#include <qt6keychain/keychain.h>

namespace {

void startJob(QKeychain::Job *job, const QString &key, CredentialStore::Completion completion)
{
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(key);
    QObject::connect(job, &QKeychain::Job::finished, job, [completion = std::move(completion)](QKeychain::Job *finished) {
        CredentialStore::Result result;
        const QKeychain::Error error = finished->error();
        result.ok = error == QKeychain::NoError || (error == QKeychain::EntryNotFound && !qobject_cast<QKeychain::ReadPasswordJob *>(finished));
        result.notFound = error == QKeychain::EntryNotFound;
        // Without a secret service on the session bus (or without a bus) the error is a generic
        // one; only a refusal means that a keyring is there.
        result.unavailable = !result.ok && !result.notFound && error != QKeychain::AccessDeniedByUser
            && error != QKeychain::AccessDenied;
        if (auto *read = qobject_cast<QKeychain::ReadPasswordJob *>(finished); read && result.ok)
            result.password = read->textData();
        if (!result.ok)
            result.problem = finished->errorString();
        completion(result);
    });
    job->start();
}

} // namespace

void KeyringCredentialStore::read(const QString &key, Completion completion)
{
    startJob(new QKeychain::ReadPasswordJob(serviceName), key, std::move(completion));
}

void KeyringCredentialStore::write(const QString &key, const QString &password, Completion completion)
{
    auto *job = new QKeychain::WritePasswordJob(serviceName);
    job->setTextData(password);
    startJob(job, key, std::move(completion));
}

void KeyringCredentialStore::remove(const QString &key, Completion completion)
{
    startJob(new QKeychain::DeletePasswordJob(serviceName), key, std::move(completion));
}
