#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class ShareListViewModel;

// Export… and Import… of the About page: carries out what the file chooser chose through
// ItemTransfer and publishes the sentence that tells how it went. Main thread.
class ItemTransfers : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(ShareListViewModel *viewModel READ viewModel WRITE setViewModel NOTIFY viewModelChanged)
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)
    Q_PROPERTY(bool isError READ isError NOTIFY messageChanged)

public:
    explicit ItemTransfers(QObject *parent = nullptr);

    ShareListViewModel *viewModel() const { return m_viewModel; }
    void setViewModel(ShareListViewModel *viewModel);
    QString message() const { return m_message; }
    bool isError() const { return m_isError; }

    // The file name export proposes: "Stashline YYYY-MM-DD.zip".
    Q_INVOKABLE static QString suggestedExportName();
    // `file` is a local file URL; anything else is refused with a message.
    Q_INVOKABLE void exportTo(const QUrl &file);
    Q_INVOKABLE void importFrom(const QUrl &file);

signals:
    void viewModelChanged();
    void messageChanged();

private:
    void finish(bool isDone, const QString &message);

    QPointer<ShareListViewModel> m_viewModel;
    QString m_message;
    bool m_isError = false;
};
