#pragma once

#include <QString>

namespace tarvelle {

// Reads appDir + "help.htm" for the help viewer, at most the size cap, and passes it only
// when the page and every picture it names are fit to show. Otherwise returns an empty
// string and, in problem, why (a missing file included).
QString loadHelpPage(const QString& appDir, QString* problem);

} // namespace tarvelle
