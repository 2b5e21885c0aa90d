#pragma once

#include "MinchoText.h"
#include "RubyLettering.h"
#include "RubyText.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <array>

// Draws the data pictures of a bank from their text, to the sizes the Drill and Grade screens
// are laid out for (BankLayout), and says beforehand whether a text can be drawn and fits.
// Questions and choices may carry readings in ruby notation (RubyText); the source reader has
// checked that notation. `scale` draws a picture with that many pixels per pixel of the layout:
// the same lettering in the same places, rendered larger. The same text always gives the same
// pixels. Needs a QGuiApplication.
class BankPainter
{
public:
    BankPainter();

    // Each check returns what is wrong ("the question is too long for ..."), or an empty
    // string when the text can be drawn as it is. name: how the message calls the choice.
    QString checkQuestion(const QString &question) const;
    QString checkChoice(const QString &choice, const QString &name) const;
    QString checkTitle(const QString &title) const;
    QString checkButton(const QString &button) const;
    // The meaning and the note of a question, each on at most two lines of the note picture.
    QString checkMeaning(const QString &meaning) const;
    QString checkNote(const QString &note) const;

    // The question on one or two lines: 578 wide, 36 or 72 high, white on navy. A line with
    // readings sits lower in its band by what the readings need.
    QImage question(const QString &question, int scale = 1) const;
    // The four numbered rows: 578 x 113, white on navy, numbers where the right-answer ring falls.
    // When a row has readings, the rows' lettering is a little smaller and a row with readings
    // sits lower in its band, so that readings and text stay within the row.
    QImage choices(const std::array<QString, 4> &choices, int scale = 1) const;
    // The grade's title: 327 x 37, yellow lettering outlined in navy on the board's blue, which
    // is the picture's transparent colour.
    QImage title(const QString &title, int scale = 1) const;
    // A grade button, 163 x 51: plain (yellow on blue, white frame) or highlighted, in the
    // lettering of the built-in grade buttons.
    QImage gradeButton(const QString &button, bool highlighted, int scale = 1) const;

    // The heading of a note picture as it is drawn: "name — gloss", the gloss's last parts
    // (separated by "; ") left off while it is too long for one line, cut short with "…" if even
    // its first part is.
    QString noteHeading(const QString &name, const QString &gloss) const;
    // The note picture: 744 x 120, navy; the heading in yellow, then the meaning and the note in
    // white, their readings (if any) drawn over them as in the question. The heading is drawn as
    // given (noteHeading() makes it fit); meaning and note must pass their checks.
    QImage note(const QString &heading, const QString &meaning, const QString &note, int scale = 1) const;

    // The question's lines as question() sets them; empty when it does not fit.
    QList<RubyText> questionLines(const QString &question) const;

private:
    QString missingText(const QString &what, const MinchoText &font, const QString &text) const;
    QString missingText(const QString &what, const RubyLettering &font, const QString &text) const;

    RubyLettering m_questionFont;
    RubyLettering m_choiceFont;
    RubyLettering m_smallChoiceFont;
    MinchoText m_numberFont;
    MinchoText m_titleFont;
    MinchoText m_noteHeadingFont;
    RubyLettering m_noteFont;

    QString checkNoteText(const QString &text, const QString &what) const;
    QList<RubyText> noteLines(const QString &text, RubyText *rest) const;
};
