#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A graphical button: its face is its picture, centred and clipped to the button's fixed
// size; it draws no caption. Reports pointer movement over it when mouse tracking is on.
// Clicks only on a press and release that both reached it: Return, Enter and Space click once
// when let go, however long held, and the second press of a double click does nothing unless
// the first press was on this button too.
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
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    QPixmap m_picture;
    // The moments of the last two presses taken, for telling whose double click it is.
    quint64 m_lastPress = 0;
    quint64 m_pressBefore = 0;
    // A press that belongs to another button's double click: its release does nothing.
    bool m_ignoringPress = false;
};
