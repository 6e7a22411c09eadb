#pragma once

#include <QImage>

// A picture control that the clipboard commands can copy, clear and paste
// (the graph picture implements it).
class ClipboardPicture
{
public:
    virtual ~ClipboardPicture() = default;
    virtual QImage pictureImage() const = 0;
    virtual void clearPicture() = 0;
    virtual void setPicture(const QImage &image) = 0;
};
