#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QString>

class QPainter;
class QPainterPath;

// Mincho lettering at one pixel size, laid out by us rather than by Qt's font merging, so that
// each character is drawn by a Mincho face that really has it: the face FontPicker chooses
// first, then Noto Serif CJK JP for the characters it lacks. A character that neither has is
// reported instead of being drawn as an empty box. Needs a QGuiApplication.
class MinchoText
{
public:
    MinchoText(int pixelSize, bool bold);

    // The characters of text that no face can draw, each once; empty when all can be drawn.
    QString missing(const QString &text) const;

    // The families tried, for messages: "IPAexMincho, Noto Serif CJK JP".
    QString familiesText() const;

    qreal width(const QString &text) const;
    qreal ascent() const;
    qreal descent() const;

    // Draws text with its baseline starting at origin. Characters no face has are skipped.
    void draw(QPainter &painter, QPointF origin, const QString &text, const QColor &colour) const;
    // The outlines of the same lettering, for outlined or ink-centred drawing.
    void addToPath(QPainterPath &path, QPointF origin, const QString &text) const;

private:
    struct Run
    {
        int face;
        QString text;
    };
    QList<Run> runs(const QString &text) const;
    int faceFor(char32_t c) const;

    QList<QFont> m_faces;
    // faceFor's answers: asking the font system costs more than the rest of a layout.
    mutable QHash<char32_t, int> m_faceOf;
};
