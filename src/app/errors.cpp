#include "app/errors.h"

#include "app/messageboxes.h"

TovikError::TovikError(QString message)
    : m_message(std::move(message)), m_what(m_message.toUtf8())
{
}

namespace {

constexpr qsizetype LongestQuotedText = 80;

// A malformed value can be a whole line of any length; the error box quotes only its start.
QString quotedStart(const QString &text)
{
    if (text.size() <= LongestQuotedText)
        return text;
    qsizetype end = LongestQuotedText;
    if (text[end - 1].isHighSurrogate())
        --end;
    return text.first(end) + u'\u2026';
}

} // namespace

ConversionError::ConversionError(const QString &text)
    : TovikError(QStringLiteral("'%1' is not a valid integer value").arg(quotedStart(text)))
{
}

InOutError::InOutError(int code) : TovikError(messageFor(code)), m_code(code) { }

QString InOutError::messageFor(int code)
{
    switch (code) {
    case 2:
        return QStringLiteral("File not found");
    case 3:
        return QStringLiteral("Invalid filename");
    case 4:
        return QStringLiteral("Too many open files");
    case 5:
        return QStringLiteral("File access denied");
    case 100:
        return QStringLiteral("Read beyond end of file");
    case 101:
        return QStringLiteral("Disk full");
    case 106:
        return QStringLiteral("Invalid numeric input");
    default:
        return QStringLiteral("I/O error %1").arg(code);
    }
}

QString errorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

void showErrorBox(const QString &message)
{
    MessageBoxes::error(errorBoxText(message));
}
