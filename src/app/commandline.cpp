#include "app/commandline.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Qt's own options, which the application object reads and removes from the command line after
// this one has looked at it: a session manager restores the game with "-session NAME", and
// packagers and players choose a platform or a style. Those in the first list take a value.
const QStringList QtOptionsWithValue
        = u"-platform -platformpluginpath -platformtheme -plugin -qwindowgeometry -geometry "
          u"-qwindowtitle -title -qwindowicon -icon -session -style -stylesheet -display -name"_s
                  .split(u' ');
const QStringList QtOptionsAlone = u"-reverse -widgetcount -nograb -dograb -sync"_s.split(u' ');

// The number of arguments from index on that belong to Qt, or 0 when the argument is not one
// of its options. Qt takes them with one dash or two, and a value also after "=".
qsizetype qtArgumentsAt(const QStringList &arguments, qsizetype index)
{
    QString option = arguments[index];
    if (option.startsWith(u"--"))
        option.remove(0, 1);
    if (QtOptionsAlone.contains(option))
        return 1;
    const qsizetype assignment = option.indexOf(u'=');
    if (assignment > 0 && QtOptionsWithValue.contains(option.first(assignment)))
        return 1;
    if (QtOptionsWithValue.contains(option))
        return index + 1 < arguments.size() ? 2 : 1;
    return 0;
}

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
            "writable, and in $XDG_CONFIG_HOME/tovik/settings.cfg otherwise. Qt's own options,\n"
            "such as -platform NAME and -style NAME, are passed on to Qt.\n");
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
        if (const qsizetype qtArguments = qtArgumentsAt(arguments, index); qtArguments > 0) {
            index += qtArguments - 1;
            continue;
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
