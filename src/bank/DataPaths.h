#pragma once

#include "bank/Sound.h"

#include <QString>
#include <utility>

// Forms every data path the program names: the base folder followed by a relative path that
// begins with a backslash, spelled in lower case, numbers in plain decimal digits
// ("\question\g3_4\q12.gif"). DataFile::locate turns such a path into a file of this system.
class DataPaths
{
public:
    explicit DataPaths(QString baseDir) : m_baseDir(std::move(baseDir)) {}

    QString answerFile(const QString &relativeAnswerFile) const { return m_baseDir + relativeAnswerFile; }
    QString titlePicture(const QString &gradeCode) const;
    QString questionPicture(const QString &gradeCode, int question) const;
    QString choicesPicture(const QString &gradeCode, int question) const;
    // A grade's notes: the folder "\note\g4_1", which a grade with notes has, and the note
    // picture "\note\g4_1\n3.gif" of question 3.
    QString noteFolder(const QString &gradeCode) const;
    QString notePicture(const QString &gradeCode, int question) const;
    // The highlighted picture "\title\r3.gif" or the plain one "\title\r3b.gif" of grade button n.
    QString gradeButtonPicture(int n, bool highlighted) const;
    QString sound(Sound sound) const;

    static QString soundFileName(Sound sound);

private:
    QString m_baseDir;
};
