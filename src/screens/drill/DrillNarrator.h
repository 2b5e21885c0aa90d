#pragma once

// What a learner who drills by ear hears on the Drill screen, as plain text.

#include <QString>
#include <QStringList>

// Composes what the Drill screen hands to a screen reader. A screen reader speaks the name
// and description of the control that takes the focus, and little else: so each text here
// goes with one of the focus moves the drill already makes (choice button 1 when a question
// appears, the next-question button after an answer), set before the focus moves. What
// happens between two focus moves (the halving, the end of a bonus) waits as news and is
// told with the next one.
//
// The question and choices pictures bring their text from the data folder (see setQuestion);
// everything else is composed from what the screen shows at that moment.
class DrillNarrator
{
public:
    // An answer's evaluation as the screen shows it.
    struct Judgement
    {
        bool right = false;
        int rightChoice = 1;  // 1..4; any other number is told as it is, without a choice text
        QString scoreText;    // the score label's text
        QString runText;      // the run label's text
        bool missLimit = false; // the balloon bursts; the score will be halved
        bool bonus = false;     // five right in a row: 1000 points
        bool pass = false;      // the drill is passed and ends
        QString note;           // the note on show after the answer, or empty
    };

    // A new question. questionText: the question picture's text; choicesText: the choices
    // picture's, one choice a line ("１　に", "２　で", ...), as bunpo-bank build writes it.
    // Either may be empty. A choices text in any other form (a folder built before the
    // choices came one a line) is told as it stands, and the choice buttons keep their numbers
    // alone.
    void setQuestion(const QString &questionText, const QString &choicesText);

    // "解答１　ふたり"; "解答１" while the choices' texts are not known.
    QString choiceName(int choice) const;
    // The four choices with their numbers on one line: "１　に、２　で、３　を、４　が".
    QString choicesLine() const;
    // For choice button 1 as the question appears: the news, the question, its choices. Takes
    // the news. Empty when there is nothing to say (the button's tooltip is then heard).
    QString questionDescription();

    // For the next-question button after an answer (or the focused control, when the answer
    // ends the drill): right or wrong, the right choice, score and run, what the evaluation
    // opens, and the note. Takes the news.
    QString judgement(const Judgement &j);

    // News, told with the next focus move.
    void scoreHalved(const QString &scoreText);
    void bonusEnded(const QString &scoreText, const QString &runText);
    // The pass that follows a bonus, told on the focused control (no focus move follows).
    QString passedAfterBonus();
    // The news gathered since the last focus move, emptied.
    QString takeNews();

    // The fixed texts, in plain Japanese like the screen's own lettering.
    static QString choiceNumber(int choice); // "１"
    static QString rightWord() { return QStringLiteral("正解。"); }
    static QString wrongWord() { return QStringLiteral("不正解。"); }
    static QString missLimitWords();
    static QString bonusWords();
    static QString passWords();

private:
    QString m_question;
    QString m_choicesAsCarried; // the choices text when it is not one choice a line
    QStringList m_choices;      // the four choices' texts, or empty
    QStringList m_news;
};
