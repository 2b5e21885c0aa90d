#include "bank/DataPaths.h"

QString DataPaths::titlePicture(const QString &gradeCode) const
{
    return m_baseDir + QStringLiteral("\\title\\") + gradeCode + QStringLiteral(".gif");
}

QString DataPaths::questionPicture(const QString &gradeCode, int question) const
{
    return m_baseDir + QStringLiteral("\\question\\") + gradeCode + QStringLiteral("\\q") + QString::number(question)
           + QStringLiteral(".gif");
}

QString DataPaths::choicesPicture(const QString &gradeCode, int question) const
{
    return m_baseDir + QStringLiteral("\\choices\\") + gradeCode + QStringLiteral("\\a") + QString::number(question)
           + QStringLiteral(".gif");
}

QString DataPaths::noteFolder(const QString &gradeCode) const
{
    return m_baseDir + QStringLiteral("\\note\\") + gradeCode;
}

QString DataPaths::notePicture(const QString &gradeCode, int question) const
{
    return noteFolder(gradeCode) + QStringLiteral("\\n") + QString::number(question) + QStringLiteral(".gif");
}

QString DataPaths::gradeButtonPicture(int n, bool highlighted) const
{
    return m_baseDir + QStringLiteral("\\title\\r") + QString::number(n)
           + (highlighted ? QStringLiteral(".gif") : QStringLiteral("b.gif"));
}

QString DataPaths::soundFileName(Sound sound)
{
    switch (sound) {
    case Sound::Correct: return QStringLiteral("o.wav");
    case Sound::Wrong: return QStringLiteral("x.wav");
    case Sound::Burst: return QStringLiteral("pan.wav");
    case Sound::NoGood: return QStringLiteral("dame.wav");
    case Sound::Pass: return QStringLiteral("gokaku.wav");
    }
    return {};
}

QString DataPaths::sound(Sound which) const
{
    return m_baseDir + QStringLiteral("\\sound\\") + soundFileName(which);
}
