#pragma once

#include <QLabel>

// A label that shows a number: its text in its font and text colour, centred across by its
// width, and from top to bottom by the ink of its digits rather than by the font's line, whose
// room for accents and descenders would make digits sit high.
// Draws no background and never wraps.
class NumberLabel : public QLabel
{
    Q_OBJECT
public:
    explicit NumberLabel(QWidget *parent);

    // The height, in the label's own pixels, on which the digits' ink is centred; half the
    // label's height unless set.
    void setMiddle(qreal y) { m_middle = y; update(); }
    qreal middle() const { return m_middle < 0 ? height() / 2.0 : m_middle; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal m_middle = -1;
};
