#pragma once

// The panel under the Drill screen's board that shows the note of the question on show.

#include <QLabel>
#include <QPixmap>
#include <QSize>
#include <QString>

// The note panel: 744 x 120 pixels in the navy of the question and choices panels, added
// under the board of a grade that has notes. It shows a note picture at its top-left corner,
// one screen pixel per picture pixel (a twice-density picture at its logical size), or
// nothing but its navy. Its accessible name is the note's text; it never takes the focus.
class NotePanel : public QLabel
{
    Q_OBJECT
public:
    static constexpr QSize Size{744, 120};
    static constexpr QRgb Navy = 0xFF000080;

    explicit NotePanel(QWidget *parent);

    // picture: of Size at its logical size; text: its plain text, the panel's accessible name.
    void showNote(const QPixmap &picture, const QString &text);
    // Back to the empty navy panel with no name.
    void clear();

    bool isShowingNote() const { return !m_picture.isNull(); }
    const QPixmap &picture() const { return m_picture; }
    const QString &text() const { return m_text; }

private:
    QPixmap m_picture;
    QString m_text;
};
