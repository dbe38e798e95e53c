#pragma once

#include "model/ShareListViewModel.h"
#include "platform/PersistentContainer.h"

#include <QObject>
#include <QTemporaryDir>
#include <QUrl>

class CountingSyncManager;

// What the screen tests drive: a list model over a fresh in-memory store with a sync interface
// that counts its calls, items made to order, the cloud notifications, and a picture file.
// Exposed to the tests as the singleton "Fixture" of "StashlineTest". Main thread.
class ScreenTestFixture : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ShareListViewModel *viewModel READ viewModel NOTIFY viewModelChanged)

public:
    explicit ScreenTestFixture(QObject *parent = nullptr);
    ~ScreenTestFixture() override;

    ShareListViewModel *viewModel() const { return m_model.get(); }

    // A new empty store and model.
    Q_INVOKABLE void reset();
    // An item created `ageDays` ago (fractions allowed), saved and loaded.
    Q_INVOKABLE QObject *addItem(const QString &title, const QString &content, const QString &contentType,
                                 int syncStatus, double ageDays, bool isFavorite);
    Q_INVOKABLE int storedItemCount() const;
    Q_INVOKABLE int retryCount() const;
    Q_INVOKABLE int downloadCount() const;
    Q_INVOKABLE void postSyncStart();
    Q_INVOKABLE void postSyncFinish(const QString &errorMessage);
    // A small PNG picture and a file that is not a picture.
    Q_INVOKABLE QUrl pictureFile() const;
    Q_INVOKABLE QUrl brokenPictureFile() const;

signals:
    void viewModelChanged();

private:
    QTemporaryDir m_directory;
    std::unique_ptr<PersistentContainer> m_container;
    std::shared_ptr<CountingSyncManager> m_sync;
    std::unique_ptr<ShareListViewModel> m_model;
};
