#pragma once

#include <QString>
#include <exception>
#include <string>

// The one error type of the program: what failed, and the file or item it failed on.
// Thrown where the fault is found, caught by ErrorGuard; only a note, which must never stop a
// drill, is caught where it is read (the Drill screen names it on standard error instead).
class RuntimeError : public std::exception
{
public:
    enum class Kind {
        FileNotFound,
        InputPastEndOfFile,
        SubscriptOutOfRange,
        Overflow,
        TypeMismatch,
        NotAPicture,
        NoQuestions,
        InvalidAnswer,
        Internal,
    };

    // subject: the full path of the file, or the item, that the error is about.
    // detail: optional, e.g. "item 3" or "holds 0 questions".
    RuntimeError(Kind kind, QString subject, QString detail = {});

    Kind kind() const { return m_kind; }
    const QString &subject() const { return m_subject; }
    const QString &detail() const { return m_detail; }

    // "File not found: /opt/drill/answer/g4_1.ans"
    // "Type mismatch: /opt/drill/answer/g4_1.ans (item 3: \"x\")"
    QString message() const;
    static QString kindText(Kind kind);

    const char *what() const noexcept override { return m_what.c_str(); }

private:
    Kind m_kind;
    QString m_subject;
    QString m_detail;
    std::string m_what;
};
