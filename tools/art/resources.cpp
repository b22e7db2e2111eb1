#include "tools/art/resources.h"

#include <QFile>

namespace tarvelle {

bool artResourcesPresent()
{
    return QFile::exists(QStringLiteral(":/img/desen.png")) &&
           QFile::exists(QStringLiteral(":/snd/intro.wav"));
}

} // namespace tarvelle
