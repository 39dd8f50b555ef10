#pragma once

#include "app/errors.h"
#include "players/settingsfile.h"

#include <sys/wait.h>
#include <unistd.h>

// Writing the settings file in a child process, so that a resource limit, a dropped identity or
// a kill stays there.

inline constexpr int Succeeded = 0;
inline constexpr int ChildSetUpFailed = 200;
inline constexpr int UnexpectedError = 201;

inline int errorCodeOf(const auto &operation)
{
    try {
        operation();
    } catch (const InOutError &error) {
        return error.code();
    }
    return Succeeded;
}

// Runs the write in a child process, so that a resource limit or a dropped identity stays there.
// Its exit status is the write's error number.
inline int errorCodeOfWriteInChild(const auto &setUp, const QString &path, const QStringList &lines)
{
    const pid_t child = fork();
    if (child == 0) {
        if (!setUp())
            _exit(ChildSetUpFailed);
        try {
            _exit(errorCodeOf([&] { writeSettingsFile(path, lines); }));
        } catch (...) {
            _exit(UnexpectedError);
        }
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return UnexpectedError;
    return WEXITSTATUS(status);
}

