#pragma once

#include "storage/datadirs.h"

#include <QString>

namespace tarvelle {

// AppDir: where the data files are read (ends with a separator). SaveDir: where the
// player's poker.ini and poker.dat live; the same folder in the portable layout.
struct AppDirs {
    QString appDir;
    QString saveDir;
    DataDirs::Layout layout = DataDirs::Layout::Portable;
};

// overrideDir: the --data-dir folder, empty when not given.
AppDirs ResolveAppDirs(const QString& overrideDir = QString());

} // namespace tarvelle
