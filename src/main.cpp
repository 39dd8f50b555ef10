#include "app/commandline.h"
#include "app/startup.h"
#include "players/settingslocation.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    CommandLine commandLine;
    if (!commandLineLetsTheGameStart(argc, argv, &commandLine))
        return commandLine.exitStatus();
    nameSettingsFile(commandLine.settingsFile());
    QApplication application(argc, argv);
    setUpApplication();
    return runProgram();
}
