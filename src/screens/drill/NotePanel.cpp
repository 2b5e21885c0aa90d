#include "screens/drill/NotePanel.h"

#include <QPalette>

NotePanel::NotePanel(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("notePanel"));
    setFixedSize(Size);
    setFrameShape(QFrame::NoFrame);
    setMargin(0);
    setIndent(0);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setScaledContents(false);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoMousePropagation);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(Navy));
    setPalette(palette);
    setAutoFillBackground(true);
}

void NotePanel::showNote(const QPixmap &picture, const QString &text)
{
    m_picture = picture;
    m_text = text;
    setPixmap(picture);
    // The setter raises its accessibility event: a screen reader hears of the note without a
    // focus move.
    setAccessibleName(text);
}

void NotePanel::clear()
{
    m_picture = QPixmap();
    m_text.clear();
    QLabel::clear();
    setAccessibleName(QString());
}
