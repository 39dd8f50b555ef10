#include "base/programmodules.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>
#include <QStringList>

namespace {

QString modulesFolder;

} // namespace

void findProgramModulesIn(const QString &folder)
{
    modulesFolder = folder;
}

QObject *loadProgramModule(const QString &fileName)
{
    const QDir program(QCoreApplication::applicationDirPath());
    const QStringList folders = modulesFolder.isEmpty()
            ? QStringList {program.path(), program.filePath(QStringLiteral(TOVIK_MODULE_FOLDER))}
            : QStringList {modulesFolder};
    for (const QString &folder : folders) {
        QPluginLoader loader(QDir(folder).filePath(fileName));
        if (QObject *module = loader.instance())
            return module;
    }
    return nullptr;
}
