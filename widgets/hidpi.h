// The double-size art for high-DPI screens.
#pragma once

#include <QImage>
#include <QString>

namespace tarvelle::hidpi {

// True where a screen shows more than one device pixel per picture pixel: only then is the
// double-size art loaded (it would cost memory and start-up time for nothing at scale 1).
bool wanted();
// The built-in ":/img/<name>@2x.png", or null when not wanted or not built in.
QImage picture(const QString& name);
// The double-size version of a card or back read from a file ("card07", "deck2"), but only
// while base is exactly the picture that version was drawn with; a player's own file has none.
QImage matching(const QString& name, const QImage& base);

} // namespace tarvelle::hidpi
