#include "app/errors.h"

#include "app/messageboxes.h"

TovikError::TovikError(QString message)
    : m_message(std::move(message)), m_what(m_message.toUtf8())
{
}

ConversionError::ConversionError(const QString &text)
    : TovikError(QStringLiteral("'%1' is not a valid integer value").arg(text))
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
