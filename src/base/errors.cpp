#include "base/errors.h"

#include "base/messageboxes.h"

#include <cerrno>

TovikError::TovikError(QString message) : m_message(std::move(message)), m_what(m_message.toUtf8())
{
}

namespace {

constexpr qsizetype LongestQuotedText = 80;

// A malformed value can be a whole line of any length; the error box quotes only its start.
QString quotedStart(QStringView text)
{
    if (text.size() <= LongestQuotedText)
        return text.toString();
    qsizetype end = LongestQuotedText;
    if (text[end - 1].isHighSurrogate())
        --end;
    return text.first(end).toString() + u'\u2026';
}

QString numberedIoError(int number)
{
    return QStringLiteral("I/O error %1").arg(number);
}

} // namespace

ConversionError::ConversionError(QStringView text)
    : TovikError(QStringLiteral("'%1' is not a valid integer value").arg(quotedStart(text)))
{
}

InOutError::InOutError(int code) : TovikError(messageFor(code)) { }

InOutError::InOutError(const QString &message) : TovikError(message) { }

InOutError InOutError::fromSystemError(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return InOutError(FileAccessDenied);
    case ENOENT:
        return InOutError(FileNotFound);
    case ENAMETOOLONG:
    case ENOTDIR:
    case ELOOP:
    case EINVAL:
        return InOutError(InvalidFilename);
    case EMFILE:
    case ENFILE:
        return InOutError(TooManyOpenFiles);
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return InOutError(DiskFull);
    default:
        // The system's numbers overlap the program's own, so the message is made here.
        return InOutError(numberedIoError(error));
    }
}

QString InOutError::messageFor(int code)
{
    switch (code) {
    case FileNotFound:
        return QStringLiteral("File not found");
    case InvalidFilename:
        return QStringLiteral("Invalid filename");
    case TooManyOpenFiles:
        return QStringLiteral("Too many open files");
    case FileAccessDenied:
        return QStringLiteral("File access denied");
    case ReadBeyondEndOfFile:
        return QStringLiteral("Read beyond end of file");
    case DiskFull:
        return QStringLiteral("Disk full");
    case InvalidNumericInput:
        return QStringLiteral("Invalid numeric input");
    default:
        return numberedIoError(code);
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
