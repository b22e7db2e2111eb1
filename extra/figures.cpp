#include "extra/figures.h"

#include <QFontMetrics>

namespace tarvelle {

QString fitFigure(int64_t value, const QFont& font, int width)
{
    const QFontMetrics metrics(font);
    QString text = QString::number(value);
    static const char* const units[] = {"k", "M", "G", "T", "P", "E"};
    int64_t scaled = value;
    for (const char* unit : units) {
        if (metrics.horizontalAdvance(text) <= width)
            break;
        scaled /= 1000; // toward zero, so the shortened figure never claims more
        text = QStringLiteral("%1 %2").arg(scaled).arg(QLatin1String(unit));
    }
    return text;
}

} // namespace tarvelle
