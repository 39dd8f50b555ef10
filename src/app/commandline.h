#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. "--help" and "--version" are answered without a display,
// before the application object exists, as Linux programs answer them; anything the program
// does not know is refused with the usage and exit status 2.
class CommandLine
{
public:
    enum class Request { Play, ShowHelp, ShowVersion, Refuse };

    // The arguments without the program's own name; relative paths are taken from the working
    // folder.
    static CommandLine parse(const QStringList &arguments);

    Request request() const { return m_request; }
    // The file named with --settings, absolute, or empty for the usual place.
    const QString &settingsFile() const { return m_settingsFile; }
    // What to print for every request but Play, ending with a line end.
    const QString &answer() const { return m_answer; }
    int exitStatus() const { return m_request == Request::Refuse ? UsageError : 0; }

    static constexpr int UsageError = 2;

private:
    static CommandLine refused(const QString &reason);

    Request m_request = Request::Play;
    QString m_settingsFile;
    QString m_answer;
};

// Parses the process's arguments. For every request but Play it prints the answer (help and
// version on standard output, refusals on standard error) and returns false; the program then
// ends with exitStatus().
bool commandLineLetsTheGameStart(int argc, char *argv[], CommandLine *commandLine);
