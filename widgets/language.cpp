#include "widgets/language.h"

#include "widgets/stringaligngrid.h"

#include <QCoreApplication>
#include <QLocale>
#include <QFontMetrics>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

#include <array>

namespace tarvelle {

namespace {

constexpr std::array<const char*, 3> kTranslated = {"de", "fr", "es"};

QString& current()
{
    static QString language = QStringLiteral("en");
    return language;
}

bool translated(const QString& code)
{
    for (const char* t : kTranslated) {
        if (code == QLatin1String(t))
            return true;
    }
    return false;
}

} // namespace

QString uiLanguage()
{
    return current();
}

QString pickLanguage(const QString& choice, const QStringList& systemLanguages)
{
    if (choice == QLatin1String("en") || translated(choice))
        return choice;
    // The first language the desktop names that the game speaks; English ends the search,
    // so "en_GB:de" stays English.
    for (const QString& tag : systemLanguages) {
        const QString code = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (code == QLatin1String("en") || translated(code))
            return code;
    }
    return QStringLiteral("en");
}

bool loadTranslation(QTranslator& translator, const QString& language, const QString& folder)
{
    if (!translated(language))
        return false;
    // QTranslator checks the file's magic and structure; a damaged file does not load.
    return translator.load(QStringLiteral("tarvelle_") + language, folder) && !translator.isEmpty();
}

QString installLanguage(const QString& language)
{
    static QTranslator game;
    static QTranslator qt;
    if (!loadTranslation(game, language)) {
        current() = QStringLiteral("en");
        return current();
    }
    QCoreApplication::installTranslator(&game);
    if (qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    current() = language;
    return current();
}

void shrinkToFit(QWidget* widget, const QString& text, int width, int minPixels)
{
    QFont f = widget->font();
    if (f.pixelSize() <= 0 || uiLanguage() == QLatin1String("en"))
        return; // the English texts are the ones these places were drawn for
    const int start = f.pixelSize();
    while (f.pixelSize() > minPixels && QFontMetrics(f).horizontalAdvance(text) > width)
        f.setPixelSize(f.pixelSize() - 1);
    if (f.pixelSize() != start)
        widget->setFont(f);
}

void shrinkCellsToFit(TStringAlignGrid* grid)
{
    if (uiLanguage() == QLatin1String("en"))
        return;
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < grid->colCount(); ++c) {
            const QString text = grid->cell(c, r);
            QFont f = grid->font();
            const int room = grid->colWidth(c) - 4;
            if (text.isEmpty() || QFontMetrics(f).horizontalAdvance(text) <= room)
                continue;
            qreal size = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF();
            while (size > 7 && QFontMetrics(f).horizontalAdvance(text) > room) {
                size -= 0.5;
                if (f.pixelSize() > 0)
                    f.setPixelSize(int(size));
                else
                    f.setPointSizeF(size);
            }
            grid->setFontCell(c, r, f);
        }
    }
}

QString localNumber(double value, int decimals)
{
    const QString lang = current();
    if (lang == QLatin1String("en"))
        return QString::number(value, 'f', decimals);
    return QLocale(lang).toString(value, 'f', decimals);
}

QString localFigure(const QString& figure)
{
    const QString lang = current();
    if (lang == QLatin1String("en"))
        return figure;
    return QString(figure).replace(QLatin1Char('.'), QLocale(lang).decimalPoint());
}

QString engineText(std::string_view source)
{
    if (source.empty())
        return QString();
    const QByteArray key(source.data(), qsizetype(source.size()));
    return QCoreApplication::translate("Engine", key.constData());
}

} // namespace tarvelle
