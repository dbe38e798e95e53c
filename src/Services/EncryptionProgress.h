#pragma once

#include <QString>

// What this device remembers per account (by database URL) about turning encryption on, beside
// the key, so that a step a crash or a lost network cut short goes on at the next start: a
// sealing sweep left unfinished, a move to a new database under way (its target's name, chosen
// once), and afterwards where the account moved from or to and whether old, plain versions may
// remain on the server. One JSON file (Encryption.json) in the device's state folder, replaced
// atomically; a file that cannot be read counts as empty, one that cannot be written is logged.
// Main thread.
class EncryptionProgress
{
public:
    struct Note {
        bool sealingUnfinished = false;
        bool oldVersionsMayRemain = false;
        QString movingTo;  // a move to this database was started and has not ended
        QString movedTo;   // this device moved the account on to this database
        QString movedFrom; // the account came here from this database

        bool operator==(const Note &) const = default;
    };

    explicit EncryptionProgress(const QString &directory) : m_directory(directory) {}

    Note read(const QString &databaseUrl) const;
    void write(const QString &databaseUrl, const Note &note);

private:
    QString filePath() const;

    QString m_directory;
};
