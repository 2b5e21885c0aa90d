#include "BankPainter.h"

#include "BankLayout.h"
#include "GradeButtonFace.h"
#include "LineBreaker.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

using namespace BankLayout;

namespace {

constexpr int TitleLeft = 3;

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
qreal baselineInBand(const RubyLettering &font, bool readings, qreal bandTop, qreal bandHeight)
{
    const qreal em = font.ascent() + font.descent();
    const qreal above = readings ? font.readingHeight() : 0.0;
    return std::round(bandTop + (bandHeight - above - em) / 2 + above + font.ascent());
}

qreal baselineInBand(const RubyLettering &font, const RubyText &text, qreal bandTop, qreal bandHeight)
{
    return baselineInBand(font, text.hasReadings(), bandTop, bandHeight);
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

// A picture `scale` times width x height; prepare() lets its painter draw in the layout's pixels.
QImage canvas(int width, int height, QRgb background, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

void prepare(QPainter &p, int scale)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    // The lettering and its places are set in the layout's pixels and rendered at the scale.
    if (scale != 1)
        p.scale(scale, scale);
}

// The grade button's text in the Mincho faces of MinchoText, bold.
GradeButtonFace::Outline buttonOutline(const QString &button)
{
    return [button](QPainterPath &path, int px) { MinchoText(px, true).addToPath(path, QPointF(0, 0), button); };
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
    , m_noteHeadingFont(NoteHeadingFontPixels, true)
    , m_noteFont(NoteFontPixels, false)
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
    if (GradeButtonFace::pixelSize(buttonOutline(button)) < GradeButtonFace::SmallestPixels)
        return QStringLiteral("the button text is too long for the %1 px wide grade button").arg(GradeButtonWidth);
    return {};
}

QImage BankPainter::question(const QString &question, int scale) const
{
    const QList<RubyText> lines = questionLines(question);
    QImage image = canvas(QuestionWidth, QuestionLineHeight * int(std::max<qsizetype>(1, lines.size())), Navy, scale);
    QPainter p(&image);
    prepare(p, scale);
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const qreal baseline = baselineInBand(m_questionFont, lines.at(k), QuestionLineHeight * qreal(k),
                                              QuestionLineHeight);
        m_questionFont.draw(p, QPointF(QuestionMargin, baseline), lines.at(k), White);
    }
    return image;
}

QImage BankPainter::choices(const std::array<QString, 4> &choices, int scale) const
{
    std::array<RubyText, 4> rows;
    bool readings = false;
    for (int row = 0; row < ChoiceRows; ++row) {
        rows[size_t(row)] = parsed(choices[size_t(row)]);
        readings = readings || rows[size_t(row)].hasReadings();
    }
    const RubyLettering &font = readings ? m_smallChoiceFont : m_choiceFont;
    QImage image = canvas(ChoicesWidth, ChoicesHeight, Navy, scale);
    QPainter p(&image);
    prepare(p, scale);
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

QImage BankPainter::title(const QString &title, int scale) const
{
    QImage image = canvas(TitleMaxWidth, TitleMaxHeight, BoardBlue, scale);
    QPainter p(&image);
    prepare(p, scale);
    QPainterPath path;
    m_titleFont.addToPath(path, QPointF(TitleLeft, baselineFor(m_titleFont, TitleMaxHeight / 2.0)), title);
    p.strokePath(path, QPen(QColor(Navy), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, QColor(Yellow));
    return image;
}

QImage BankPainter::gradeButton(const QString &button, bool highlighted, int scale) const
{
    return GradeButtonFace::draw(buttonOutline(button), highlighted, scale);
}

QList<RubyText> BankPainter::noteLines(const QString &text, RubyText *rest) const
{
    return LineBreaker::fill(parsed(text), NoteWidth - 2 * NoteMargin, NoteMaxLines,
                             [this](const RubyText &s) { return m_noteFont.width(s); }, rest);
}

QString BankPainter::checkNoteText(const QString &text, const QString &what) const
{
    if (QString missing = missingText(what, m_noteFont, text); !missing.isEmpty())
        return missing;
    RubyText rest;
    noteLines(text, &rest);
    if (!rest.isEmpty())
        return QStringLiteral("%1 is too long for its two lines in the note picture: %2 px of lettering more than "
                              "fit (\"%3\" is left over; lines of %4 px)")
            .arg(what)
            .arg(std::ceil(m_noteFont.width(rest)))
            .arg(rest.plain())
            .arg(NoteWidth - 2 * NoteMargin);
    return {};
}

QString BankPainter::checkMeaning(const QString &meaning) const
{
    return checkNoteText(meaning, QStringLiteral("the meaning"));
}

QString BankPainter::checkNote(const QString &note) const
{
    return checkNoteText(note, QStringLiteral("the note"));
}

QString BankPainter::noteHeading(const QString &name, const QString &gloss) const
{
    const qreal room = NoteWidth - 2 * NoteMargin;
    const QString lead = name + QStringLiteral(" — ");
    QStringList parts = gloss.split(QStringLiteral("; "));
    while (parts.size() > 1 && m_noteHeadingFont.width(lead + parts.join(QStringLiteral("; "))) > room)
        parts.removeLast();
    QString heading = lead + parts.join(QStringLiteral("; "));
    if (m_noteHeadingFont.width(heading) <= room)
        return heading;
    const QString ellipsis = QStringLiteral("…");
    while (!heading.isEmpty() && m_noteHeadingFont.width(heading + ellipsis) > room) {
        heading.chop(1);
        if (!heading.isEmpty() && heading.back().isHighSurrogate())
            heading.chop(1);
    }
    return heading.trimmed() + ellipsis;
}

QImage BankPainter::note(const QString &heading, const QString &meaning, const QString &note, int scale) const
{
    QImage image = canvas(NoteWidth, NoteHeight, Navy, scale);
    QPainter p(&image);
    prepare(p, scale);
    m_noteHeadingFont.draw(p, QPointF(NoteMargin, baselineFor(m_noteHeadingFont, NoteTop + NoteHeadingHeight / 2.0)),
                           heading, QColor(Yellow));
    qreal top = NoteTop + NoteHeadingHeight;
    for (const QString &text : {meaning, note}) {
        // The lines of a text with readings all sit as low as the line with them, evenly spaced.
        const QList<RubyText> lines = noteLines(text, nullptr);
        const bool readings = std::any_of(lines.begin(), lines.end(), [](const RubyText &l) { return l.hasReadings(); });
        for (const RubyText &line : lines) {
            m_noteFont.draw(p, QPointF(NoteMargin, baselineInBand(m_noteFont, readings, top, NoteLineHeight)), line,
                            White);
            top += NoteLineHeight;
        }
        top += NoteGap;
    }
    return image;
}
