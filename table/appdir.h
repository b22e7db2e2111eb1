#pragma once

#include <QString>

namespace tarvelle {

// The folder of the running program, ending with a separator; the data files sit there.
QString AppDir();

} // namespace tarvelle
