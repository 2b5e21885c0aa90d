#include "widgets/PictureLabel.h"

#include <QMouseEvent>

PictureLabel::PictureLabel(QWidget *parent) : QLabel(parent)
{
    setAttribute(Qt::WA_NoMousePropagation);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setScaledContents(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureLabel::setPicture(const QPixmap &picture)
{
    m_shown.set(picture);
    showPicture();
}

void PictureLabel::setBuiltinPicture(const QString &resourcePath, qreal devicePixelRatio)
{
    m_shown.setBuiltin(resourcePath, devicePixelRatio);
    showPicture();
}

void PictureLabel::showBuiltinPictureFor(qreal devicePixelRatio)
{
    if (m_shown.reloadFor(devicePixelRatio))
        showPicture();
}

void PictureLabel::showPicture()
{
    const QPixmap &picture = m_shown.picture();
    setPixmap(picture);
    if (!picture.isNull())
        resize(picture.deviceIndependentSize().toSize()); // a twice-density picture keeps its logical size
}

void PictureLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
    if (m_pressed)
        event->accept();
}

void PictureLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}
