#pragma once

#include <QString>

#include <functional>

// Where an account's password is kept apart from the account file: the desktop's secret service
// (KeyringCredentialStore) or, in tests, a stand-in. Every operation ends with exactly one
// completion, on the thread that started it.
// A store with no service behind it answers `unavailable`, so the caller can offer another
// place; nothing here ever logs or returns a password except read()'s own result.
class CredentialStore
{
public:
    struct Result {
        bool ok = false;
        bool unavailable = false; // no secret service answers (as opposed to a refusal or an error)
        bool notFound = false;    // read(): the service holds nothing under this key
        QString password;         // read() only
        QString problem;          // developer's description when !ok; never holds the password
    };
    using Completion = std::function<void(const Result &)>;

    virtual ~CredentialStore() = default;

    virtual void read(const QString &key, Completion completion) = 0;
    virtual void write(const QString &key, const QString &password, Completion completion) = 0;
    // Removing a key that is not there succeeds.
    virtual void remove(const QString &key, Completion completion) = 0;
};
