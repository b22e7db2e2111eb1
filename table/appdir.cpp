#include "appdir.h"

#include <QCoreApplication>
#include <QDir>

namespace tarvelle {

QString AppDir()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (dir.isEmpty())
        dir = QDir::currentPath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

} // namespace tarvelle
