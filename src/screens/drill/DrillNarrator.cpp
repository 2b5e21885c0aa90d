#include "screens/drill/DrillNarrator.h"

namespace {

// The wide space that parts the number from its choice, as on the choices picture.
const QString WideSpace = QStringLiteral("\u3000");

// Joins the parts of one text: each ends in its own full stop, so none is added here.
QString joined(const QStringList &parts)
{
    QStringList kept;
    for (const QString &part : parts)
        if (!part.isEmpty())
            kept.append(part);
    return kept.join(WideSpace);
}

// A text of several lines (a note: heading, meaning, why) as one, its lines kept apart.
QString oneLine(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = line.trimmed();
    return joined(lines);
}

} // namespace

QString DrillNarrator::choiceNumber(int choice)
{
    // Full-width, as the choice buttons and the choices picture show them.
    QString text;
    for (const QChar c : QString::number(choice))
        text.append(c.isDigit() ? QChar(0xFF10 + c.digitValue()) : c);
    return text;
}

QString DrillNarrator::missLimitWords()
{
    return QStringLiteral("５回まちがえたので、風船が割れました。得点が半分になります。");
}

QString DrillNarrator::bonusWords()
{
    return QStringLiteral("５問続けて正解しました。ボーナス　1000点！");
}

QString DrillNarrator::passWords()
{
    return QStringLiteral("合格です！　ドリルはこれで終わりです。");
}

void DrillNarrator::setQuestion(const QString &questionText, const QString &choicesText)
{
    m_question = questionText.trimmed();
    m_choices.clear();
    m_choicesAsCarried.clear();

    // One choice a line, each after its number and a wide space; anything else is carried as
    // it stands.
    QStringList lines = choicesText.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = line.trimmed();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QStringList texts;
    if (lines.size() == 4) {
        for (int c = 1; c <= 4; ++c) {
            const QString &line = lines.at(c - 1);
            const QString head = choiceNumber(c) + WideSpace;
            const QString text = line.mid(head.size()).trimmed();
            if (!line.startsWith(head) || text.isEmpty())
                break;
            texts.append(text);
        }
    }
    if (texts.size() == 4)
        m_choices = texts;
    else
        m_choicesAsCarried = lines.join(QStringLiteral("、"));
}

QString DrillNarrator::choiceName(int choice) const
{
    const QString name = QStringLiteral("解答") + choiceNumber(choice);
    if (choice < 1 || choice > m_choices.size())
        return name;
    return name + WideSpace + m_choices.at(choice - 1);
}

QString DrillNarrator::choicesLine() const
{
    if (m_choices.isEmpty())
        return m_choicesAsCarried;
    QStringList items;
    for (int c = 1; c <= 4; ++c)
        items.append(choiceNumber(c) + WideSpace + m_choices.at(c - 1));
    return items.join(QStringLiteral("、"));
}

QString DrillNarrator::questionDescription()
{
    return joined({takeNews(), m_question, choicesLine()});
}

QString DrillNarrator::judgement(const Judgement &j)
{
    QString right = QStringLiteral("答えは") + WideSpace + choiceNumber(j.rightChoice);
    if (j.rightChoice >= 1 && j.rightChoice <= m_choices.size())
        right += WideSpace + m_choices.at(j.rightChoice - 1);
    right += QStringLiteral("。");
    const QString scoreAndRun = QStringLiteral("得点%1%2点、連続%1%3。").arg(WideSpace, j.scoreText, j.runText);
    // The news came first: the score told here already holds a halving told with it.
    return joined({takeNews(), j.right ? rightWord() : wrongWord(), right, scoreAndRun,
                   j.missLimit ? missLimitWords() : QString(), j.bonus ? bonusWords() : QString(),
                   j.pass ? passWords() : QString(), oneLine(j.note)});
}

void DrillNarrator::scoreHalved(const QString &scoreText)
{
    m_news.append(QStringLiteral("得点が半分になりました。得点%1%2点。").arg(WideSpace, scoreText));
}

void DrillNarrator::bonusEnded(const QString &scoreText, const QString &runText)
{
    m_news.append(QStringLiteral("ボーナスが入りました。得点%1%2点、連続%1%3。").arg(WideSpace, scoreText, runText));
}

QString DrillNarrator::passedAfterBonus()
{
    return joined({takeNews(), passWords()});
}

QString DrillNarrator::takeNews()
{
    const QString news = joined(m_news);
    m_news.clear();
    return news;
}
