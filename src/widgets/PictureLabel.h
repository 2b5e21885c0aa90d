#pragma once

#include "widgets/BuiltinPicture.h"

#include <QLabel>

// An image control: shows a picture at one screen pixel per picture pixel (one logical pixel
// per two for a picture of twice the density) and takes the picture's logical size, its
// position unchanged. Transparent pixels show what lies below. Pointer
// movement over it belongs to it: it never reaches the window behind. A left-button press and
// release both on it are a click.
class PictureLabel : public QLabel
{
    Q_OBJECT
public:
    explicit PictureLabel(QWidget *parent);

    // A picture that is not a built-in one: it stays when the window changes density.
    void setPicture(const QPixmap &picture);
    // The built-in picture of this path at this density; it follows showBuiltinPictureFor().
    void setBuiltinPicture(const QString &resourcePath, qreal devicePixelRatio);
    // Loads the built-in picture on show again for this density; any other picture stays.
    void showBuiltinPictureFor(qreal devicePixelRatio);
    bool hasPicture() const { return !m_shown.picture().isNull(); }
    const QPixmap &picture() const { return m_shown.picture(); }
    // The resource path of the built-in picture on show; empty for any other picture.
    const QString &builtinPicture() const { return m_shown.builtinPath(); }

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showPicture();

    ShownPicture m_shown;
    bool m_pressed = false; // the left button went down on it
};
