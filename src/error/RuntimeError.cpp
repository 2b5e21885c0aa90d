#include "error/RuntimeError.h"

RuntimeError::RuntimeError(Kind kind, QString subject, QString detail)
    : m_kind(kind), m_subject(std::move(subject)), m_detail(std::move(detail))
{
    m_what = message().toStdString();
}

QString RuntimeError::kindText(Kind kind)
{
    switch (kind) {
    case Kind::FileNotFound: return QStringLiteral("File not found");
    case Kind::InputPastEndOfFile: return QStringLiteral("Input past end of file");
    case Kind::SubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case Kind::Overflow: return QStringLiteral("Overflow");
    case Kind::TypeMismatch: return QStringLiteral("Type mismatch");
    case Kind::NotAPicture: return QStringLiteral("Not a picture");
    case Kind::NoQuestions: return QStringLiteral("The question bank holds no questions");
    case Kind::InvalidAnswer: return QStringLiteral("Invalid answer");
    case Kind::Internal: return QStringLiteral("Internal error");
    }
    return QStringLiteral("Error");
}

QString RuntimeError::message() const
{
    QString text = kindText(m_kind);
    if (!m_subject.isEmpty())
        text += QStringLiteral(": ") + m_subject;
    if (!m_detail.isEmpty())
        text += QStringLiteral(" (") + m_detail + QLatin1Char(')');
    return text;
}
