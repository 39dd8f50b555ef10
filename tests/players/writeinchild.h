#pragma once

#include "base/errors.h"
#include "players/settingsfile.h"

#include <QByteArray>
#include <QString>

#include <grp.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

// Saving in a child process, so that a resource limit, a dropped identity, a failing system call
// or a kill stays there.

inline constexpr uid_t NobodyId = 65534;

// Root passes every permission check, so a child that meets one gives up root first. The child
// is also a member of the group besides its own.
inline bool becomeNobodyInGroup(gid_t group)
{
    return geteuid() != 0
            || (setgroups(1, &group) == 0 && setgid(NobodyId) == 0 && setuid(NobodyId) == 0);
}

inline bool becomeNobody()
{
    return becomeNobodyInGroup(NobodyId);
}

#if defined(__x86_64__)
inline constexpr quint32 SystemCallArchitecture = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
inline constexpr quint32 SystemCallArchitecture = AUDIT_ARCH_AARCH64;
#endif

// Makes every later call of one system call in this process fail with the error, as a file
// system that refuses it would.
inline bool failSystemCall(int call, int error)
{
    sock_filter filter[] = {
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SystemCallArchitecture, 1, 0),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, quint32(call), 0, 1),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (quint32(error) & SECCOMP_RET_DATA)),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program {static_cast<unsigned short>(std::size(filter)), filter};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0
            && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

// The message of the error that the operation raised, empty when it succeeded.
inline QString errorOf(const auto &operation)
{
    try {
        operation();
    } catch (const TovikError &error) {
        return error.message();
    }
    return {};
}

// Runs the operation in a child process set up by setUp and returns errorOf the operation, which
// the child passes back through a pipe.
inline QString errorInChild(const auto &setUp, const auto &operation)
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
                message = errorOf(operation).toUtf8();
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

inline QString errorOfWriteInChild(const auto &setUp, const QString &path, const QStringList &lines)
{
    return errorInChild(setUp, [&] { writeSettingsFile(path, lines); });
}
