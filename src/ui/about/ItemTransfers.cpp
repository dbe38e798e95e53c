#include "ItemTransfers.h"

#include "model/ItemTransfer.h"
#include "model/ShareListViewModel.h"
#include "store/ImageManager.h"

#include <QDate>

ItemTransfers::ItemTransfers(QObject *parent) : QObject(parent) {}

void ItemTransfers::setViewModel(ShareListViewModel *viewModel)
{
    if (viewModel == m_viewModel)
        return;
    m_viewModel = viewModel;
    emit viewModelChanged();
}

QString ItemTransfers::suggestedExportName()
{
    return QStringLiteral("Stashline %1.zip").arg(QDate::currentDate().toString(Qt::ISODate));
}

void ItemTransfers::exportTo(const QUrl &file)
{
    if (!m_viewModel || !file.isLocalFile())
        return finish(false, qtTrId("transfer.notLocal"));
    QString path = file.toLocalFile();
    if (!path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
        path += QStringLiteral(".zip");
    const ItemTransfer::Result result = ItemTransfer::exportTo(*m_viewModel, ImageManager::shared(), path);
    finish(result.isDone, result.message);
}

void ItemTransfers::importFrom(const QUrl &file)
{
    if (!m_viewModel || !file.isLocalFile())
        return finish(false, qtTrId("transfer.notLocal"));
    const ItemTransfer::Result result = ItemTransfer::importFrom(*m_viewModel, ImageManager::shared(), file.toLocalFile());
    finish(result.isDone, result.message);
}

void ItemTransfers::finish(bool isDone, const QString &message)
{
    m_isError = !isDone;
    m_message = message;
    emit messageChanged();
}
