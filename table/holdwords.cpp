// The hold patterns of the strategy chart in the reader's language. The engine composes
// them in English from a small grammar (a head, then modifiers); the same pieces are
// translated here and put together again. A pattern outside the grammar stays English.
#include "table/holdwords.h"

#include "widgets/language.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace tarvelle {

namespace {

struct Piece {
    const char* pattern; // anchored where the reading has got to
    const char* text;    // the translated template; %1, %2 are the captures
};

// Ranks as the patterns name them; figures stay as they are.
QString rankWord(const QString& rank)
{
    static const char* const names[] = {QT_TRANSLATE_NOOP("HoldWords", "Ace"), QT_TRANSLATE_NOOP("HoldWords", "King"),
                                        QT_TRANSLATE_NOOP("HoldWords", "Queen"), QT_TRANSLATE_NOOP("HoldWords", "Jack")};
    for (const char* n : names) {
        if (rank == QLatin1String(n))
            return QCoreApplication::translate("HoldWords", n);
    }
    return rank;
}

const Piece kHeads[] = {
    {"discard everything", QT_TRANSLATE_NOOP("HoldWords", "discard everything")},
    {"keep all five \\(no win\\)", QT_TRANSLATE_NOOP("HoldWords", "keep all five (no win)")},
    {"a pair", QT_TRANSLATE_NOOP("HoldWords", "a pair")},
    {"high pair", QT_TRANSLATE_NOOP("HoldWords", "high pair")},
    {"low pair", QT_TRANSLATE_NOOP("HoldWords", "low pair")},
    {"two pair", QT_TRANSLATE_NOOP("HoldWords", "two pair")},
    {"three of a kind", QT_TRANSLATE_NOOP("HoldWords", "three of a kind")},
    {"four of a kind", QT_TRANSLATE_NOOP("HoldWords", "four of a kind")},
    {"(four|three|two|one) deuces? alone", nullptr},
    {"the Joker alone", QT_TRANSLATE_NOOP("HoldWords", "the Joker alone")},
    {"the Joker and an? (\\w+)", QT_TRANSLATE_NOOP("HoldWords", "the Joker and %1")},
    {"(four|three|pair of) (Aces|2s to 4s|5s to Kings|5s to 10s|Jacks to Kings)", nullptr},
    {"(Ace|King|Queen|Jack) alone", QT_TRANSLATE_NOOP("HoldWords", "%1 alone")},
    {"suited (\\w+)", QT_TRANSLATE_NOOP("HoldWords", "suited %1")},
    {"unsuited (\\w+)", QT_TRANSLATE_NOOP("HoldWords", "unsuited %1")},
    {"(\\d) to a royal flush", QT_TRANSLATE_NOOP("HoldWords", "%1 to a royal flush")},
    {"(\\d) to a straight flush", QT_TRANSLATE_NOOP("HoldWords", "%1 to a straight flush")},
    {"(\\d) to a flush", QT_TRANSLATE_NOOP("HoldWords", "%1 to a flush")},
    {"(\\d) to an outside straight", QT_TRANSLATE_NOOP("HoldWords", "%1 to an outside straight")},
    {"(\\d) to an inside straight", QT_TRANSLATE_NOOP("HoldWords", "%1 to an inside straight")},
    {"(\\d) to a straight", QT_TRANSLATE_NOOP("HoldWords", "%1 to a straight")},
};

// The groups of "four Aces", "pair of 5s to 10s", "three deuces alone".
const char* const kGroups[] = {
    QT_TRANSLATE_NOOP("HoldWords", "four deuces alone"), QT_TRANSLATE_NOOP("HoldWords", "three deuces alone"),
    QT_TRANSLATE_NOOP("HoldWords", "two deuces alone"),  QT_TRANSLATE_NOOP("HoldWords", "one deuce alone"),
    QT_TRANSLATE_NOOP("HoldWords", "four Aces"),         QT_TRANSLATE_NOOP("HoldWords", "three Aces"),
    QT_TRANSLATE_NOOP("HoldWords", "pair of Aces"),      QT_TRANSLATE_NOOP("HoldWords", "four 2s to 4s"),
    QT_TRANSLATE_NOOP("HoldWords", "three 2s to 4s"),    QT_TRANSLATE_NOOP("HoldWords", "pair of 2s to 4s"),
    QT_TRANSLATE_NOOP("HoldWords", "four 5s to Kings"),  QT_TRANSLATE_NOOP("HoldWords", "three 5s to Kings"),
    QT_TRANSLATE_NOOP("HoldWords", "pair of 5s to 10s"), QT_TRANSLATE_NOOP("HoldWords", "pair of Jacks to Kings"),
    QT_TRANSLATE_NOOP("HoldWords", "four Jacks to Kings"), QT_TRANSLATE_NOOP("HoldWords", "three Jacks to Kings"),
    QT_TRANSLATE_NOOP("HoldWords", "four 5s to 10s"),    QT_TRANSLATE_NOOP("HoldWords", "three 5s to 10s"),
    QT_TRANSLATE_NOOP("HoldWords", "pair of 5s to Kings"),
};

const Piece kModifiers[] = {
    {" with the Joker", QT_TRANSLATE_NOOP("HoldWords", " with the Joker")},
    {" with one deuce", QT_TRANSLATE_NOOP("HoldWords", " with one deuce")},
    {" with two deuces", QT_TRANSLATE_NOOP("HoldWords", " with two deuces")},
    {" with a flush penalty", QT_TRANSLATE_NOOP("HoldWords", " with a flush penalty")},
    {" with a straight penalty", QT_TRANSLATE_NOOP("HoldWords", " with a straight penalty")},
    {" with flush and straight penalties", QT_TRANSLATE_NOOP("HoldWords", " with flush and straight penalties")},
    {", no penalty card", QT_TRANSLATE_NOOP("HoldWords", ", no penalty card")},
    {", fits 1 straight", QT_TRANSLATE_NOOP("HoldWords", ", fits 1 straight")},
    {", fits (\\d) straights", QT_TRANSLATE_NOOP("HoldWords", ", fits %1 straights")},
    {", which needs a 2", QT_TRANSLATE_NOOP("HoldWords", ", which needs a 2")},
    {", (\\d) needing a 2", QT_TRANSLATE_NOOP("HoldWords", ", %1 needing a 2")},
    {", no gaps", QT_TRANSLATE_NOOP("HoldWords", ", no gaps")},
    {", 1 gap", QT_TRANSLATE_NOOP("HoldWords", ", 1 gap")},
    {", (\\d) gaps", QT_TRANSLATE_NOOP("HoldWords", ", %1 gaps")},
    {", no high cards", QT_TRANSLATE_NOOP("HoldWords", ", no high cards")},
    {", 1 high card", QT_TRANSLATE_NOOP("HoldWords", ", 1 high card")},
    {", (\\d) high cards", QT_TRANSLATE_NOOP("HoldWords", ", %1 high cards")},
    {", inside", QT_TRANSLATE_NOOP("HoldWords", ", inside")},
    {", open", QT_TRANSLATE_NOOP("HoldWords", ", open")},
};

// Reads one piece at `at`; the translated piece, or a null string.
QString readPiece(const Piece& p, const QString& text, qsizetype& at)
{
    const QRegularExpression re(QLatin1String(p.pattern), QRegularExpression::NoPatternOption);
    const QRegularExpressionMatch m =
        re.match(text, at, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    if (!m.hasMatch())
        return QString();
    at = m.capturedEnd();
    if (!p.text) {
        const QString whole = m.captured(0);
        for (const char* g : kGroups) {
            if (whole == QLatin1String(g))
                return QCoreApplication::translate("HoldWords", g);
        }
        return QString();
    }
    QString out = QCoreApplication::translate("HoldWords", p.text);
    for (int i = 1; i <= m.lastCapturedIndex(); ++i)
        out = out.arg(rankWord(m.captured(i)));
    return out;
}

} // namespace

QString holdPatternText(const QString& pattern)
{
    // Without a translation of the grammar the engine's own words are the right ones.
    const char* probe = "%1 to a flush";
    if (QCoreApplication::translate("HoldWords", probe) == QLatin1String(probe))
        return pattern;
    static const QRegularExpression dealt(QStringLiteral("^dealt (.+)$"));
    if (const auto m = dealt.match(pattern); m.hasMatch())
        return QCoreApplication::translate("HoldWords", "dealt %1").arg(engineText(m.captured(1).toStdString()));
    qsizetype at = 0;
    QString out;
    for (const Piece& head : kHeads) {
        qsizetype end = 0;
        const QString piece = readPiece(head, pattern, end);
        if (!piece.isNull() && (end == pattern.size() || pattern[end] == QLatin1Char(',') ||
                                pattern[end] == QLatin1Char(' '))) {
            out = piece;
            at = end;
            break;
        }
    }
    if (out.isNull())
        return pattern;
    while (at < pattern.size()) {
        QString piece;
        for (const Piece& mod : kModifiers) {
            qsizetype end = at;
            piece = readPiece(mod, pattern, end);
            if (!piece.isNull()) {
                at = end;
                break;
            }
        }
        if (piece.isNull())
            return pattern; // a piece this reading does not know: English rather than half of it
        out += piece;
    }
    return out;
}

} // namespace tarvelle
