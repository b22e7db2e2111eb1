#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

class QTranslator;
class QWidget;

namespace tarvelle {

class TStringAlignGrid;

// The language the player sees: "en", "de", "fr" or "es". English until
// installLanguage() has loaded another one.
QString uiLanguage();

// The language for a choice kept in language.cfg ("system" or a code) and the desktop's
// preferred languages (QLocale::system().uiLanguages(): LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
QString pickLanguage(const QString& choice, const QStringList& systemLanguages);

// Loads the game's translation for `language` from `folder` (the embedded one by default).
// False, with the translator left empty, for English or a missing or damaged file.
bool loadTranslation(QTranslator& translator, const QString& language,
                     const QString& folder = QStringLiteral(":/i18n"));

// Installs the translation (and Qt's own, for the standard buttons) for the whole program;
// whatever fails to load leaves English in place. Returns the language now shown.
QString installLanguage(const QString& language);

// Sets the widget's font smaller, down to minPixels, until `text` fits `width`: a longer
// translation keeps to the place the English one was drawn for. English is left alone.
void shrinkToFit(QWidget* widget, const QString& text, int width, int minPixels = 11);

// The same for each cell of a grid whose text overflows its column, in the languages other
// than English (whose texts the grids were laid out for).
void shrinkCellsToFit(TStringAlignGrid* grid);

// A figure with `decimals` places as the player's language writes it ("0,8866" in German);
// English keeps its plain form, without group separators.
QString localNumber(double value, int decimals);
// A figure the engine wrote ("15.90") with the language's decimal sign.
QString localFigure(const QString& figure);

// A text the engine handed out (hand names, game titles, round messages), translated.
QString engineText(std::string_view source);

} // namespace tarvelle
