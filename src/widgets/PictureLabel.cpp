#include "widgets/PictureLabel.h"

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
    m_picture = picture;
    setPixmap(picture);
    if (!picture.isNull())
        resize(picture.deviceIndependentSize().toSize()); // a twice-density picture keeps its logical size
}
