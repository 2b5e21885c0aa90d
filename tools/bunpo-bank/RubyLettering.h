#pragma once

#include "MinchoText.h"
#include "RubyText.h"

#include <QColor>
#include <QPointF>
#include <QString>

class QPainter;

// Mincho lettering with readings: the text at one pixel size, each reading centred above its
// base at half that size. A reading wider than its base spreads the base's characters
// evenly under it instead of running into the neighbours. Every size here follows from the
// pixel size, so lettering for a larger picture is this at a larger size. Needs a
// QGuiApplication.
class RubyLettering
{
public:
    RubyLettering(int pixelSize, bool bold);

    // The characters of the text and its readings that no face can draw, each once.
    QString missing(const RubyText &text) const;
    QString familiesText() const { return m_base.familiesText(); }

    qreal width(const RubyText &text) const;
    qreal ascent() const { return m_base.ascent(); }
    qreal descent() const { return m_base.descent(); }
    // How far above the top of the text's em box the readings reach.
    qreal readingHeight() const;

    // Draws text with its baseline starting at origin, the readings above it.
    void draw(QPainter &painter, QPointF origin, const RubyText &text, const QColor &colour) const;

private:
    // From the text's baseline up to the readings' baseline: the readings' baseline lies a small
    // gap above the text's em box, since kana leave the em box below the baseline empty.
    qreal readingRise() const;
    qreal segmentWidth(const RubyText::Segment &segment) const;

    MinchoText m_base;
    MinchoText m_reading;
    qreal m_gap;
};
