#pragma once

#include "widgets/BuiltinPicture.h"

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

    // A face that is not a built-in picture: it stays when the window changes density.
    void setPicture(const QPixmap &picture);
    // The built-in picture of this path at this density; it follows showBuiltinPictureFor().
    void setBuiltinPicture(const QString &resourcePath, qreal devicePixelRatio);
    // Loads the built-in face again for this density; any other face stays.
    void showBuiltinPictureFor(qreal devicePixelRatio);
    const QPixmap &picture() const { return m_shown.picture(); }
    // The resource path of the built-in face; empty for any other picture.
    const QString &builtinPicture() const { return m_shown.builtinPath(); }

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
    ShownPicture m_shown;
    // The moments of the last two presses taken, for telling whose double click it is.
    quint64 m_lastPress = 0;
    quint64 m_pressBefore = 0;
    // A press that belongs to another button's double click: its release does nothing.
    bool m_ignoringPress = false;
};
