#include "BankPainter.h"

#include "BankLayout.h"
#include "LineBreaker.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

using namespace BankLayout;

namespace {

constexpr int TitleLeft = 3;
constexpr int ButtonLetteringWidth = 143;
constexpr int ButtonLetteringHeight = 32;
constexpr int ButtonSmallestPixels = 14;

QString codePoints(const QString &characters)
{
    QStringList parts;
    for (const char32_t c : characters.toUcs4())
        parts.append(QStringLiteral("%1 (U+%2)")
                         .arg(QString::fromUcs4(&c, 1))
                         .arg(uint(c), 4, 16, QLatin1Char('0'))
                         .toUpper());
    return parts.join(QStringLiteral(", "));
}

// The baseline that centres a line of Japanese text (its em box) on y.
template<typename Font>
qreal baselineFor(const Font &font, qreal y)
{
    return std::round(y + (font.ascent() - font.descent()) / 2);
}

// The baseline of a line in the band [bandTop, bandTop + bandHeight): its em box centred in
// the band, or, when it has readings, the readings and the em box together centred, so that
// the text moves down by half of what its readings take and stays clear of the next band.
qreal baselineInBand(const RubyLettering &font, const RubyText &text, qreal bandTop, qreal bandHeight)
{
    const qreal em = font.ascent() + font.descent();
    const qreal above = text.hasReadings() ? font.readingHeight() : 0.0;
    return std::round(bandTop + (bandHeight - above - em) / 2 + above + font.ascent());
}

QString missingMessage(const QString &what, const QString &absent, const QString &families)
{
    if (absent.isEmpty())
        return {};
    return QStringLiteral("%1 has a character that no installed Japanese font can draw: %2 (fonts tried: %3)")
        .arg(what, codePoints(absent), families);
}

RubyText parsed(const QString &notation)
{
    QString error;
    return RubyText::parse(notation, &error).value_or(RubyText::plainOnly(notation));
}

QImage canvas(int width, int height, QRgb background)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

// Moves path by whole pixels so that the middle of its ink lies on centre.
QPainterPath inkCentred(const QPainterPath &path, QPointF centre)
{
    const QRectF ink = path.boundingRect();
    return path.translated(std::round(centre.x() - ink.center().x()), std::round(centre.y() - ink.center().y()));
}

} // namespace

BankPainter::BankPainter()
    : m_questionFont(QuestionFontPixels, false)
    , m_choiceFont(ChoiceFontPixels, false)
    , m_smallChoiceFont(ChoiceRubyFontPixels, false)
    , m_numberFont(ChoiceFontPixels, true)
    , m_titleFont(TitleFontPixels, true)
{
}

QString BankPainter::missingText(const QString &what, const MinchoText &font, const QString &text) const
{
    return missingMessage(what, font.missing(text), font.familiesText());
}

QString BankPainter::missingText(const QString &what, const RubyLettering &font, const QString &text) const
{
    return missingMessage(what, font.missing(parsed(text)), font.familiesText());
}

QList<RubyText> BankPainter::questionLines(const QString &question) const
{
    return LineBreaker::twoLines(parsed(question), QuestionWidth - 2 * QuestionMargin,
                                 [this](const RubyText &s) { return m_questionFont.width(s); });
}

QString BankPainter::checkQuestion(const QString &question) const
{
    if (QString missing = missingText(QStringLiteral("the question"), m_questionFont, question); !missing.isEmpty())
        return missing;
    if (questionLines(question).isEmpty())
        return QStringLiteral("the question is too long for the two lines of its picture (%1 px of lettering, "
                              "two lines of %2 px)")
            .arg(std::ceil(m_questionFont.width(parsed(question))))
            .arg(QuestionWidth - 2 * QuestionMargin);
    return {};
}

QString BankPainter::checkChoice(const QString &choice, const QString &name) const
{
    if (QString missing = missingText(name, m_choiceFont, choice); !missing.isEmpty())
        return missing;
    const int room = ChoicesWidth - ChoiceTextLeft - ChoiceRightMargin;
    if (const qreal w = m_choiceFont.width(parsed(choice)); w > room)
        return QStringLiteral("%1 is too long for its row (%2 px of lettering, %3 px of room)")
            .arg(name)
            .arg(std::ceil(w))
            .arg(room);
    return {};
}

QString BankPainter::checkTitle(const QString &title) const
{
    if (QString missing = missingText(QStringLiteral("the title"), m_titleFont, title); !missing.isEmpty())
        return missing;
    const int room = TitleMaxWidth - 2 * TitleLeft;
    if (const qreal w = m_titleFont.width(title); w > room)
        return QStringLiteral("the title is too long for its picture (%1 px of lettering, %2 px of room)")
            .arg(std::ceil(w))
            .arg(room);
    return {};
}

QString BankPainter::checkButton(const QString &button) const
{
    if (QString missing = missingText(QStringLiteral("the button"), MinchoText(GradeButtonFontPixels, true), button);
        !missing.isEmpty())
        return missing;
    if (buttonPixelSize(button) < ButtonSmallestPixels)
        return QStringLiteral("the button text is too long for the %1 px wide grade button").arg(GradeButtonWidth);
    return {};
}

int BankPainter::buttonPixelSize(const QString &button) const
{
    // The largest size up to the usual one whose ink fits the button's face.
    for (int px = GradeButtonFontPixels; px >= ButtonSmallestPixels; --px) {
        QPainterPath path;
        MinchoText(px, true).addToPath(path, QPointF(0, 0), button);
        const QRectF ink = path.boundingRect();
        if (ink.width() <= ButtonLetteringWidth && ink.height() <= ButtonLetteringHeight)
            return px;
    }
    return ButtonSmallestPixels - 1;
}

QImage BankPainter::question(const QString &question) const
{
    const QList<RubyText> lines = questionLines(question);
    QImage image = canvas(QuestionWidth, QuestionLineHeight * int(std::max<qsizetype>(1, lines.size())), Navy);
    QPainter p(&image);
    prepare(p);
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const qreal baseline = baselineInBand(m_questionFont, lines.at(k), QuestionLineHeight * qreal(k),
                                              QuestionLineHeight);
        m_questionFont.draw(p, QPointF(QuestionMargin, baseline), lines.at(k), White);
    }
    return image;
}

QImage BankPainter::choices(const std::array<QString, 4> &choices) const
{
    std::array<RubyText, 4> rows;
    bool readings = false;
    for (int row = 0; row < ChoiceRows; ++row) {
        rows[size_t(row)] = parsed(choices[size_t(row)]);
        readings = readings || rows[size_t(row)].hasReadings();
    }
    const RubyLettering &font = readings ? m_smallChoiceFont : m_choiceFont;
    QImage image = canvas(ChoicesWidth, ChoicesHeight, Navy);
    QPainter p(&image);
    prepare(p);
    for (int row = 0; row < ChoiceRows; ++row) {
        // The middle of pixel row 15 (43, 71, 99) and between columns 13 and 14: where the
        // ring's centre falls, to within two pixels.
        const QPointF centre(NumberCentreX + 1.0, NumberTop + RowPitch * row + 0.5);
        QPainterPath number;
        m_numberFont.addToPath(number, QPointF(0, 0), QString::number(row + 1));
        p.fillPath(inkCentred(number, centre), QColor(Yellow));
        const RubyText &text = rows[size_t(row)];
        const qreal baseline = baselineInBand(font, text, centre.y() - RowPitch / 2.0, RowPitch);
        font.draw(p, QPointF(ChoiceTextLeft, baseline), text, White);
    }
    return image;
}

QImage BankPainter::title(const QString &title) const
{
    QImage image = canvas(TitleMaxWidth, TitleMaxHeight, BoardBlue);
    QPainter p(&image);
    prepare(p);
    QPainterPath path;
    m_titleFont.addToPath(path, QPointF(TitleLeft, baselineFor(m_titleFont, TitleMaxHeight / 2.0)), title);
    p.strokePath(path, QPen(QColor(Navy), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, QColor(Yellow));
    return image;
}

QImage BankPainter::gradeButton(const QString &button, bool highlighted) const
{
    QImage image = canvas(GradeButtonWidth, GradeButtonHeight, BoardBlue);
    QPainter p(&image);
    const QRectF face(0, 0, GradeButtonWidth, GradeButtonHeight);
    if (highlighted) {
        // Lit: a warm cream face inside a red frame, the lettering in red.
        QLinearGradient glow(0, 0, 0, GradeButtonHeight);
        glow.setColorAt(0.0, QColor(0xff, 0xff, 0xf0));
        glow.setColorAt(1.0, QColor(0xfc, 0xe8, 0x80));
        p.fillRect(QRect(0, 0, GradeButtonWidth, GradeButtonHeight), QColor(Qt::white));
        p.fillRect(QRect(1, 1, GradeButtonWidth - 2, GradeButtonHeight - 2), QColor(0xfc, 0x02, 0x04));
        p.fillRect(QRect(3, 3, GradeButtonWidth - 6, GradeButtonHeight - 6), glow);
    } else {
        p.fillRect(QRect(0, 0, GradeButtonWidth, GradeButtonHeight), QColor(Qt::white));
        p.fillRect(QRect(1, 1, GradeButtonWidth - 2, GradeButtonHeight - 2), QColor(BoardBlue));
    }
    prepare(p);
    QPainterPath path;
    MinchoText(buttonPixelSize(button), true).addToPath(path, QPointF(0, 0), button);
    path = inkCentred(path, face.center());
    if (highlighted) {
        // A hairline of the same red thickens the strokes against the light face.
        const QColor red(0xd0, 0x00, 0x10);
        p.strokePath(path, QPen(red, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(path, red);
    } else {
        p.fillPath(path, QColor(Yellow));
    }
    return image;
}
