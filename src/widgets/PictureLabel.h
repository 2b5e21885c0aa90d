#pragma once

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

    void setPicture(const QPixmap &picture);
    bool hasPicture() const { return !m_picture.isNull(); }
    const QPixmap &picture() const { return m_picture; }

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    bool m_pressed = false; // the left button went down on it
};
