#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A graphical button: its face is its picture, centred and clipped to the button's fixed
// size; it draws no caption. Reports pointer movement over it when mouse tracking is on.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_picture;
};
