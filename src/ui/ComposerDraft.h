#pragma once

#include "model/ShareInput.h"
#include "model/ShareListViewModel.h"
#include "store/ShareItem.h"

#include <QImage>
#include <QObject>
#include <QUrl>
#include <QUuid>
#include <QtQml/qqmlregistration.h>

// The input of the add sheet and the edit page: title, content, favourite flag and the attached
// image, handed as a ShareInput to the one path that adds and saves items (its rules decide when
// Add or Save may be pressed). Picking, pasting or dropping a picture that cannot be read or decoded, or that is
// larger than PictureDecoder::maximumPixels, leaves the current attachment as it was and says
// why in imageProblem. Nothing is written to the image store before Add or Save.
//
// Memory stays bounded for big photos: the draft keeps a picked file's bytes and shows a scaled
// preview (selectedImage); the full-size picture is decoded only while Add or Save stores it.
// Main thread.
class ComposerDraft : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(QString content READ content WRITE setContent NOTIFY contentChanged)
    Q_PROPERTY(bool isFavorite READ isFavorite WRITE setIsFavorite NOTIFY isFavoriteChanged)
    Q_PROPERTY(QImage selectedImage READ selectedImage NOTIFY selectedImageChanged)
    Q_PROPERTY(bool hasImage READ hasImage NOTIFY selectedImageChanged)
    Q_PROPERTY(QString imageProblem READ imageProblem NOTIFY imageProblemChanged)
    Q_PROPERTY(bool hasSelectedItem READ hasSelectedItem NOTIFY hasSelectedItemChanged)
    Q_PROPERTY(bool canAdd READ canAdd NOTIFY inputChanged)
    Q_PROPERTY(bool canSave READ canSave NOTIFY inputChanged)

public:
    explicit ComposerDraft(QObject *parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    QString content() const { return m_content; }
    void setContent(const QString &content);
    bool isFavorite() const { return m_isFavorite; }
    void setIsFavorite(bool isFavorite);
    // The attached picture as shown: scaled to fit PictureDecoder::previewSide.
    QImage selectedImage() const { return m_selectedImage; }
    // Why the last picture picked, pasted or dropped was not attached ("share.composer.image.*");
    // empty once a picture attaches or the image is removed.
    QString imageProblem() const { return m_imageProblem; }
    bool hasImage() const { return !m_selectedImage.isNull(); }
    // A picture was picked, pasted or dropped here (the picker's selection is present).
    bool hasSelectedItem() const { return m_hasSelectedItem; }

    // Add: trimmed content not empty, or an image attached; the title plays no part.
    bool canAdd() const;
    // Save: any of trimmed title, trimmed content or an attached image.
    bool canSave() const;

    // Seeds the draft from `item` for the edit page: its title, content, favourite flag and the
    // picture of its image identifier (none when the file is missing). Null changes nothing.
    Q_INVOKABLE void loadFromItem(ShareItem *item);

    // A picked file: marks the selection present, then decodes the file; returns false and
    // keeps the current image when it cannot be read or decoded.
    Q_INVOKABLE bool pickImageFile(const QUrl &fileUrl);
    // A picked picture already decoded (paste); a null image changes nothing and returns false.
    bool pickImage(const QImage &image);
    // The clipboard's picture, if it holds one; false otherwise (the caller pastes text).
    Q_INVOKABLE bool pasteImageFromClipboard();
    // The first of `urls` that is a local file decoding as a picture; false when none does.
    Q_INVOKABLE bool dropImageFiles(const QList<QUrl> &urls);
    // Clears the image and the selection together.
    Q_INVOKABLE void removeImage();

    // Add: writes the input as a new item through ShareInput::addTo and returns true; false,
    // touching nothing, when there is nothing to add or the picture cannot be stored (then
    // imageProblem says why).
    Q_INVOKABLE bool add(ShareListViewModel *model);
    // Save: writes the input to `item` through ShareInput::saveTo and returns true; false,
    // touching nothing, when there is nothing to save or a picture picked here cannot be stored.
    // A picture picked here is stored as a new file; the one the item had is kept by its
    // identifier; no picture clears it.
    Q_INVOKABLE bool save(ShareListViewModel *model, ShareItem *item);

signals:
    void titleChanged();
    void contentChanged();
    void isFavoriteChanged();
    void selectedImageChanged();
    void imageProblemChanged();
    void hasSelectedItemChanged();
    void inputChanged();

private:
    void setSelectedImage(const QImage &image);
    void setHasSelectedItem(bool hasSelectedItem);
    void setImageProblem(const QString &problem);
    // Attaches the picture in `bytes` when it decodes; otherwise sets imageProblem.
    bool attachBytes(const QByteArray &bytes);
    // The input as the add sheet or the edit page hands it over.
    ShareInput input() const;
    // Whether `outcome` wrote an item; sets imageProblem when the picture stopped it.
    bool accept(const ShareInput::Outcome &outcome);

    QString m_title;
    QString m_content;
    bool m_isFavorite = false;
    QImage m_selectedImage;  // the preview
    QByteArray m_pictureBytes; // the attached file's bytes, decoded in full only when stored
    QImage m_pastedPicture;    // a pasted picture, already decoded (no file behind it)
    QString m_imageProblem;
    bool m_hasSelectedItem = false;
    QUuid m_originalImageUUID;
};
