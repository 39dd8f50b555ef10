#include "app/commandline.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

QString usage()
{
    return QStringLiteral(
            "Usage: tovik [OPTION]...\n"
            "Roll five dice up to three times a turn and score each turn in one of thirteen\n"
            "categories.\n"
            "\n"
            "  -h, --help           show this help and exit\n"
            "  -v, --version        show the version and exit\n"
            "      --settings FILE  keep the settings in FILE instead of the usual place\n"
            "\n"
            "Without --settings, the settings stay beside the program when its folder is\n"
            "writable, and in $XDG_CONFIG_HOME/tovik/settings.cfg otherwise.\n");
}

// Why the file cannot hold the settings, or an empty text when it can: it may be missing, but
// it must not be a folder and its folder must exist.
QString settingsFileFault(const QFileInfo &file)
{
    if (file.isDir())
        return QStringLiteral("it is a folder");
    if (!QFileInfo(file.absolutePath()).isDir())
        return QStringLiteral("its folder %1 does not exist").arg(file.absolutePath());
    return {};
}

} // namespace

CommandLine CommandLine::refused(const QString &reason)
{
    CommandLine commandLine;
    commandLine.m_request = Request::Refuse;
    commandLine.m_answer = QStringLiteral("tovik: %1\n").arg(reason) + usage();
    return commandLine;
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    const QString settingsOption = QStringLiteral("--settings");
    const QString settingsAssignment = settingsOption + u'=';
    CommandLine commandLine;
    for (qsizetype index = 0; index < arguments.size(); ++index) {
        const QString &argument = arguments[index];
        if (argument == u"-h" || argument == u"--help") {
            commandLine.m_request = Request::ShowHelp;
            commandLine.m_answer = usage();
            return commandLine;
        }
        if (argument == u"-v" || argument == u"--version") {
            commandLine.m_request = Request::ShowVersion;
            commandLine.m_answer = QStringLiteral("tovik " TOVIK_VERSION "\n");
            return commandLine;
        }
        QString file;
        if (argument == settingsOption) {
            if (++index == arguments.size())
                return refused(QStringLiteral("--settings needs a file name"));
            file = arguments[index];
        } else if (argument.startsWith(settingsAssignment)) {
            file = argument.sliced(settingsAssignment.size());
        } else {
            return refused(QStringLiteral("unknown argument '%1'").arg(argument));
        }
        if (file.isEmpty())
            return refused(QStringLiteral("--settings needs a file name"));
        const QFileInfo info(QDir::current(), file);
        const QString fault = settingsFileFault(info);
        if (!fault.isEmpty())
            return refused(QStringLiteral("cannot keep the settings in %1: %2").arg(file, fault));
        commandLine.m_settingsFile = QDir::cleanPath(info.absoluteFilePath());
    }
    return commandLine;
}

bool commandLineLetsTheGameStart(int argc, char *argv[], CommandLine *commandLine)
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    *commandLine = CommandLine::parse(arguments);
    if (commandLine->request() == CommandLine::Request::Play)
        return true;
    std::FILE *stream = commandLine->request() == CommandLine::Request::Refuse ? stderr : stdout;
    std::fputs(commandLine->answer().toLocal8Bit().constData(), stream);
    return false;
}
