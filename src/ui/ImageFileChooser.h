#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class PortalFileChooser;
class QFileDialog;
class QWindow;

// The picture chooser of the composer, and the file choosers of export and import: the
// desktop's own file chooser through the XDG desktop portal where one runs on the session bus,
// else a QFileDialog, which uses the platform theme's dialog where the theme offers one and Qt's
// widget dialog otherwise. A portal that refuses the request falls back to the dialog as well.
// By default it opens a picture; `patterns` chooses other files, and `savesFile` asks for the
// name of a file to write instead (proposing `suggestedName`).
//
// open() never blocks; each open ends in exactly one fileChosen(url) or cancelled(). An open()
// while the chooser is open is ignored. Without a QApplication (no widgets) and no portal it
// ends at once in cancelled() and logs why. Main thread.
class ImageFileChooser : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(QString filterName READ filterName WRITE setFilterName NOTIFY filterNameChanged)
    Q_PROPERTY(bool isOpen READ isOpen NOTIFY isOpenChanged)
    Q_PROPERTY(QStringList patterns READ patterns WRITE setPatterns NOTIFY patternsChanged)
    Q_PROPERTY(bool savesFile MEMBER m_savesFile NOTIFY savesFileChanged)
    Q_PROPERTY(QString suggestedName MEMBER m_suggestedName NOTIFY suggestedNameChanged)

public:
    explicit ImageFileChooser(QObject *parent = nullptr);
    ~ImageFileChooser() override;

    // The file name patterns of the pictures the image store can decode.
    static QStringList imagePatterns();

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    QString filterName() const { return m_filterName; }
    void setFilterName(const QString &filterName);
    bool isOpen() const { return m_isOpen; }
    // The file name patterns offered; the picture patterns unless set.
    QStringList patterns() const { return m_patterns.isEmpty() ? imagePatterns() : m_patterns; }
    void setPatterns(const QStringList &patterns);

    // Opens the chooser over `window` (the window the request came from; null for none).
    Q_INVOKABLE void open(QWindow *window);

signals:
    void fileChosen(const QUrl &url);
    void cancelled();
    void titleChanged();
    void filterNameChanged();
    void isOpenChanged();
    void patternsChanged();
    void savesFileChanged();
    void suggestedNameChanged();

private:
    void openDialog();
    void finish(const QUrl &url);
    void setOpen(bool isOpen);

    QString m_title;
    QString m_filterName;
    bool m_isOpen = false;
    QStringList m_patterns;
    bool m_savesFile = false;
    QString m_suggestedName;
    QPointer<QWindow> m_window;
    PortalFileChooser *m_portal = nullptr;
    QPointer<QFileDialog> m_dialog;
};
