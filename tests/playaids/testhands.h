#pragma once

#include "engine/cards.h"
#include "engine/cardtext.h"
#include "engine/random.h"

#include <QString>
#include <QStringList>
#include <QTest>

#include <array>

namespace testhands {

// "Ah" style names, as engine/cardtext.h reads them.
inline int code(const QString& name)
{
    const int c = tarvelle::cardCodeFromName(name.toStdString());
    Q_ASSERT(c != 0);
    return c;
}

inline tarvelle::Hand hand(const QString& text)
{
    const QStringList names = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    Q_ASSERT(names.size() == 5);
    tarvelle::Hand h;
    for (int i = 1; i <= 5; ++i)
        h.setCard(i, code(names.at(i - 1)));
    return h;
}

inline QString held(const tarvelle::Hand& h)
{
    QString s;
    for (int i = 1; i <= 5; ++i)
        s += QLatin1Char(h.Held[i] ? '1' : '0');
    return s;
}

// A seeded source; every test draws from its own.
inline tarvelle::RandomSource source(uint32_t seed)
{
    tarvelle::RandomSource rng;
    rng.seed(seed);
    return rng;
}

// Two sources are in the same state when both generators give the same next values.
inline bool sameState(tarvelle::RandomSource a, tarvelle::RandomSource b)
{
    return a.system().seed() == b.system().seed() && a.rmar().RanmarNext() == b.rmar().RanmarNext();
}

} // namespace testhands
