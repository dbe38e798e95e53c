#pragma once

#include "model/ShareSearchModel.h"

#include <QtQml/qqmlregistration.h>

// The search model as a screen makes it for its search field (ShareSearchModel), registered
// with the screens' module itself so compiled QML knows its type.
class ShareSearch : public ShareSearchModel
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit ShareSearch(QObject *parent = nullptr) : ShareSearchModel(parent) {}
};
