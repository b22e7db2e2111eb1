// The built-in art, and its double-size version for high-DPI screens.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace tarvelle {

// The built-in ":/img/<name>.png" of either window, in the language of the assets where it has
// words. One missing from the program shows as a plain plate of the table's colour, fallback
// in size, so the window still comes up.
QImage builtinPicture(const QString& name, QSize fallback);
// ":/img/<language>/<name>.png" where the language has its own picture, else ":/img/<name>.png".
QString builtinPicturePath(const QString& name, const QString& language);

} // namespace tarvelle

namespace tarvelle::hidpi {

// True where a screen shows more than one device pixel per picture pixel: only then is the
// double-size art loaded (it would cost memory and start-up time for nothing at scale 1).
bool wanted();
// The built-in ":/img/<name>@2x.png" (in the language of the assets, as above), or null when
// not wanted or not built in.
QImage picture(const QString& name);
// Whether the double-size picture name ("card07", "deck2") was drawn from exactly base: a card or
// back the player replaced with his own has no double-size version.
bool matches(const QString& name, const QImage& base);
// Whether base is exactly the built-in picture name was drawn from, whatever the screen.
bool builtIn(const QString& name, const QImage& base);

} // namespace tarvelle::hidpi
