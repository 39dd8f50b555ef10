#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <exception>
#include <utility>

// An error that reaches the user: it ends the event handler that raised it, and the handler's
// boundary (runHandler) shows its message in the error box.
class TovikError : public std::exception
{
public:
    explicit TovikError(QString message);
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_message;
    QByteArray m_what;
};

// A number that could not be read: "'<text>' is not a valid integer value", the text cut to its
// first 80 characters and an ellipsis when it is longer.
class ConversionError : public TovikError
{
public:
    explicit ConversionError(QStringView text);
};

// A failed file operation, known by its number: one of the program's own numbers below, or the
// number of a system error that has none of their meanings, shown as "I/O error <number>".
class InOutError : public TovikError
{
public:
    enum Code {
        FileNotFound = 2,
        InvalidFilename = 3,
        TooManyOpenFiles = 4,
        FileAccessDenied = 5,
        ReadBeyondEndOfFile = 100,
        DiskFull = 101,
        InvalidNumericInput = 106,
    };

    explicit InOutError(int code);
    // The error of a system call that failed with this errno value, told by its meaning.
    static InOutError fromSystemError(int error);
    static QString messageFor(int code);

private:
    explicit InOutError(const QString &message);
};

// The text of the error box: the message with a full stop added when its last character comes
// after "." in the character table.
QString errorBoxText(const QString &message);

void showErrorBox(const QString &message);

// Runs one event handler to its end or to its first error, which is reported in the error box.
// Returns false when the handler was ended by an error. Exceptions must not unwind through
// Qt's frames, so every handler that can fail is entered through here.
bool runHandler(const auto &handler)
{
    try {
        handler();
        return true;
    } catch (const TovikError &error) {
        showErrorBox(error.message());
    } catch (const std::exception &error) {
        showErrorBox(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

// Wraps a handler for connect(): errors it raises end it and are shown in the error box.
template<typename Handler> auto guarded(Handler handler)
{
    return [handler = std::move(handler)](auto &&...args) {
        runHandler([&] { handler(std::forward<decltype(args)>(args)...); });
    };
}
