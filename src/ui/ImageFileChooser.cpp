#include "ImageFileChooser.h"

#include "platform/PortalFileChooser.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QWindow>

Q_LOGGING_CATEGORY(chooserLog, "com.quellmar.Stashline.chooser")

namespace {

// The portal's name for the window the chooser belongs to; empty where there is none to give.
QString portalWindowIdentifier(const QWindow *window)
{
    if (!window || QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    return QStringLiteral("x11:%1").arg(window->winId(), 0, 16);
}

} // namespace

ImageFileChooser::ImageFileChooser(QObject *parent)
    : QObject(parent)
{
}

ImageFileChooser::~ImageFileChooser()
{
    if (m_dialog)
        m_dialog->deleteLater();
}

QStringList ImageFileChooser::imagePatterns()
{
    return {QStringLiteral("*.png"), QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"), QStringLiteral("*.gif"),
            QStringLiteral("*.webp"), QStringLiteral("*.bmp"), QStringLiteral("*.heic"), QStringLiteral("*.tif"),
            QStringLiteral("*.tiff")};
}

void ImageFileChooser::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    emit titleChanged();
}

void ImageFileChooser::setFilterName(const QString &filterName)
{
    if (filterName == m_filterName)
        return;
    m_filterName = filterName;
    emit filterNameChanged();
}

void ImageFileChooser::setPatterns(const QStringList &patterns)
{
    if (patterns == m_patterns)
        return;
    m_patterns = patterns;
    emit patternsChanged();
}

void ImageFileChooser::setOpen(bool isOpen)
{
    if (isOpen == m_isOpen)
        return;
    m_isOpen = isOpen;
    emit isOpenChanged();
}

void ImageFileChooser::open(QWindow *window)
{
    if (m_isOpen)
        return;
    m_window = window;
    setOpen(true);

    if (!m_portal) {
        m_portal = new PortalFileChooser(QDBusConnection::sessionBus(), this);
        connect(m_portal, &PortalFileChooser::fileChosen, this, &ImageFileChooser::finish);
        connect(m_portal, &PortalFileChooser::cancelled, this, [this] { finish(QUrl()); });
        connect(m_portal, &PortalFileChooser::unavailable, this, [this](const QString &reason) {
            qCInfo(chooserLog) << "The desktop portal did not open the file chooser:" << reason;
            openDialog();
        });
    }
    const QString parentWindow = portalWindowIdentifier(window);
    if (m_portal->isAvailable()
        && (m_savesFile ? m_portal->saveFile(parentWindow, m_title, m_suggestedName)
                        : m_portal->openFile(parentWindow, m_title, m_filterName, patterns())))
        return;
    openDialog();
}

void ImageFileChooser::openDialog()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        qCWarning(chooserLog) << "No file chooser: there is no desktop portal and no widget application";
        finish(QUrl());
        return;
    }
    auto *dialog = new QFileDialog(nullptr, m_title);
    m_dialog = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(m_savesFile ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(m_savesFile ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilter(QStringLiteral("%1 (%2)").arg(m_filterName, patterns().join(QLatin1Char(' '))));
    const QString folder = QStandardPaths::writableLocation(m_patterns.isEmpty() ? QStandardPaths::PicturesLocation
                                                                                 : QStandardPaths::DocumentsLocation);
    dialog->setDirectory(QDir(folder).exists() ? folder : QDir::homePath());
    if (m_savesFile)
        dialog->selectFile(m_suggestedName);
    dialog->setWindowModality(Qt::ApplicationModal);
    // Qt's own dialog (no platform dialog here): the size, type and date columns as wide as
    // what they show, in any language, and the name column the rest.
    if (auto *details = dialog->findChild<QTreeView *>(QStringLiteral("treeView"))) {
        QHeaderView *header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
        dialog->resize(std::max(dialog->width(), 760), std::max(dialog->height(), 480));
    }
    // A native window first, so the dialog (or the theme's own) stays above the one it serves.
    dialog->winId();
    if (m_window && dialog->windowHandle())
        dialog->windowHandle()->setTransientParent(m_window);
    connect(dialog, &QDialog::finished, this, [this, dialog](int result) {
        const QList<QUrl> urls = dialog->selectedUrls();
        finish(result == QDialog::Accepted && !urls.isEmpty() ? urls.first() : QUrl());
    });
    dialog->open();
}

void ImageFileChooser::finish(const QUrl &url)
{
    if (!m_isOpen)
        return;
    m_dialog.clear();
    setOpen(false);
    if (url.isEmpty())
        emit cancelled();
    else
        emit fileChosen(url);
}
