#pragma once

#include "base/errors.h"
#include "players/settingsfile.h"

#include <QByteArray>
#include <QString>

#include <sys/wait.h>
#include <unistd.h>

// Writing the settings file in a child process, so that a resource limit, a dropped identity, a
// failing system call or a kill stays there.

// The message of the file error that the operation raised, empty when it succeeded.
inline QString errorOf(const auto &operation)
{
    try {
        operation();
    } catch (const InOutError &error) {
        return error.message();
    }
    return {};
}

// Runs the write in a child process set up by setUp and returns errorOf the write, which the
// child passes back through a pipe.
inline QString errorOfWriteInChild(const auto &setUp, const QString &path, const QStringList &lines)
{
    int channel[2];
    if (pipe(channel) != 0)
        return QStringLiteral("no pipe to the child");
    const pid_t child = fork();
    if (child == 0) {
        ::close(channel[0]);
        QByteArray message = "the child could not set itself up";
        if (setUp()) {
            try {
                message = errorOf([&] { writeSettingsFile(path, lines); }).toUtf8();
            } catch (...) {
                message = "an unexpected error";
            }
        }
        const bool passed = ::write(channel[1], message.constData(), size_t(message.size()))
                == message.size();
        _exit(passed ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray message;
    char buffer[256];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, got);
    ::close(channel[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)
        || WEXITSTATUS(status) != 0)
        return QStringLiteral("the child ended without passing its result");
    return QString::fromUtf8(message);
}
