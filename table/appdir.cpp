#include "table/appdir.h"

#include <QCoreApplication>
#include <QDir>

namespace tarvelle {

AppDirs ResolveAppDirs(const QString& overrideDir)
{
    DataDirInputs in;
    in.programDir = QCoreApplication::applicationDirPath().toStdString();
    if (in.programDir.empty())
        in.programDir = QDir::currentPath().toStdString();
    in.overrideDir = overrideDir.isEmpty() ? std::string() : QDir(overrideDir).absolutePath().toStdString();
    in.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME").toStdString();
    in.home = QDir::homePath().toStdString();
    const DataDirs dirs = resolveDataDirs(in);
    return {QString::fromStdString(dirs.dataDir), QString::fromStdString(dirs.saveDir), dirs.layout};
}

} // namespace tarvelle
