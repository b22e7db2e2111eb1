#include "extra/chartpage.h"

#include "widgets/language.h"
#include "widgets/palette.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMetaObject>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace tarvelle {

namespace {

// The expected line and the bands are smooth: this many points draw them at any length.
constexpr int64_t kCurvePoints = 1000;

// A line longer than this many points is drawn by its envelope: a full history would
// otherwise take a third of a second to draw.
constexpr qsizetype kLinePoints = 4000;

// The first point, then each run of points as its lowest and highest in the order they came,
// and the last: no peak is lost.
QList<QPointF> envelope(const QList<QPointF>& line)
{
    if (line.size() <= kLinePoints)
        return line;
    const qsizetype run = (line.size() - 1 + kLinePoints / 2 - 1) / (kLinePoints / 2);
    QList<QPointF> out{line.front()};
    out.reserve(kLinePoints + 3);
    for (qsizetype at = 1; at < line.size(); at += run) {
        const qsizetype end = std::min(line.size(), at + run);
        qsizetype low = at, high = at;
        for (qsizetype i = at; i < end; ++i) {
            low = line[i].y() < line[low].y() ? i : low;
            high = line[i].y() > line[high].y() ? i : high;
        }
        out.append(line[std::min(low, high)]);
        if (low != high)
            out.append(line[std::max(low, high)]);
    }
    if (out.back() != line.back())
        out.append(line.back());
    return out;
}

QFont chartFont(int pixels)
{
    QFont f("Arial");
    f.setPixelSize(pixels);
    return f;
}

bool sameGame(const Game& a, const Game& b)
{
    return a.id == b.id && a.wild == b.wild && a.classCount == b.classCount && a.keys == b.keys &&
           a.pay == b.pay;
}

void styleAxis(QValueAxis* axis, const QString& title)
{
    axis->setTitleText(title);
    axis->setTitleFont(chartFont(13));
    axis->setTitleBrush(palette::Ink);
    axis->setLabelsFont(chartFont(12));
    axis->setLabelsColor(palette::Ink);
    axis->setLabelFormat("%.0f");
    axis->setGridLineColor(palette::Heading);
    axis->setLinePenColor(palette::Item);
    axis->setMinorGridLineVisible(false);
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

} // namespace

BankrollChart::BankrollChart(GameState& game, QWidget* parent) : QWidget(parent), m_game(game)
{
    m_chart = new QChart;
    m_chart->setBackgroundRoundness(0);
    m_chart->setBackgroundBrush(palette::Table);
    m_chart->setBackgroundPen(Qt::NoPen);
    m_chart->setPlotAreaBackgroundBrush(palette::Panel);
    m_chart->setPlotAreaBackgroundVisible(true);
    m_chart->setTitleFont(chartFont(15));
    m_chart->setTitleBrush(palette::Ink);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->legend()->setFont(chartFont(13));
    m_chart->legend()->setLabelColor(palette::Ink);

    m_axisX = new QValueAxis;
    m_axisY = new QValueAxis;
    styleAxis(m_axisX, tr("Hands"));
    styleAxis(m_axisY, tr("Credits"));
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
    m_chart->addAxis(m_axisY, Qt::AlignLeft);

    // Back to front: the wide band, the narrow one, the expected line, the history, the session.
    const char* bandNames[2] = {QT_TR_NOOP("± 1 standard deviation"), QT_TR_NOOP("± 2 standard deviations")};
    for (int sd = 2; sd >= 1; --sd) {
        auto* upper = new QLineSeries(this);
        auto* lower = new QLineSeries(this);
        m_edges[sd - 1][1] = upper;
        m_edges[sd - 1][0] = lower;
        auto* band = new QAreaSeries(upper, lower);
        band->setName(tr(bandNames[sd - 1]));
        band->setBrush(withAlpha(palette::Ink, sd == 1 ? 70 : 36));
        band->setPen(Qt::NoPen);
        m_bands[sd - 1] = band;
        m_chart->addSeries(band);
    }
    m_expected = new QLineSeries;
    m_expected->setName(tr("Expected"));
    m_expected->setPen(QPen(palette::Warning, 1.5, Qt::DashLine));
    m_history = new QLineSeries;
    m_history->setName(tr("Kept history"));
    m_history->setPen(QPen(palette::MenuOver, 1.2));
    m_session = new QLineSeries;
    m_session->setName(tr("This session"));
    m_session->setPen(QPen(palette::CardWhite, 1.5));
    for (QAbstractSeries* s :
         {static_cast<QAbstractSeries*>(m_expected), static_cast<QAbstractSeries*>(m_history),
          static_cast<QAbstractSeries*>(m_session)})
        m_chart->addSeries(s);
    for (QAbstractSeries* s : m_chart->series()) {
        s->attachAxis(m_axisX);
        s->attachAxis(m_axisY);
    }

    m_view = new QChartView(m_chart, this);
    m_view->setRenderHint(QPainter::Antialiasing); // vectors: crisp at any display scale
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setBackgroundBrush(palette::Table);
    m_view->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

BankrollChart::~BankrollChart()
{
    // Its result is posted to this object, which must outlive the call.
    if (m_worker.joinable())
        m_worker.join();
}

QLineSeries* BankrollChart::bandEdge(int sd, bool upper) const
{
    return sd == 1 || sd == 2 ? m_edges[sd - 1][upper ? 1 : 0] : nullptr;
}

void BankrollChart::setKeptHands(std::vector<HandRecord> hands)
{
    m_kept = std::move(hands);
}

void BankrollChart::setSpan(ChartSpan span)
{
    m_span = span;
}

void BankrollChart::refresh()
{
    const Game& played = m_game.casino ? *m_game.casino : tableGame(m_game.settings.Joker != 0);
    if (!sameGame(played, m_shown) || m_shown.id.empty()) {
        m_shown = played;
        m_figures.reset();
        wantFigures(played);
    }
    redraw();
}

void BankrollChart::wantFigures(const Game& game)
{
    // One worker at a time; a game chosen meanwhile is worked out when it is done.
    if (!m_working)
        startWorker(game);
}

void BankrollChart::startWorker(const Game& game)
{
    m_working = game;
    m_worker = std::thread([this, game] {
        ReturnOptions o;
        o.game = game;
        const GameReturn r = gameReturn(o);
        QMetaObject::invokeMethod(
            this, [this, game, r] { figuresArrived(game, r); }, Qt::QueuedConnection);
    });
}

void BankrollChart::figuresArrived(const Game& game, const GameReturn& figures)
{
    m_worker.join();
    m_working.reset();
    if (sameGame(game, m_shown)) {
        m_figures = figures;
        redraw();
    } else {
        startWorker(m_shown);
    }
}

void BankrollChart::redraw()
{
    // One line of money over the hands and the bet of each: the session's from the trail the
    // round keeps, the history's from the kept hands' wins less their bets, from 0. The kept
    // hands leave out the double-up, a gamble of its own the game's return does not count.
    QList<QPointF> line;
    std::vector<double> bets;
    double start = 0;
    if (m_span == ChartSpan::Session) {
        const std::vector<int64_t>& trail = m_game.creditTrail;
        const size_t n = trail.size();
        // The bets the round kept with the trail; any hand without one is taken at the bet now.
        const std::vector<uint16_t>& kept = m_game.betTrail;
        start = double(n > 0 ? m_game.trailStart : int64_t(m_game.counters.Credit) + m_game.counters.Win);
        line.reserve(qsizetype(n > 0 ? n + 1 : 0));
        if (n > 0)
            line.append({0, start});
        for (size_t i = 0; i < n; ++i) {
            line.append({double(i + 1), double(trail[i])});
            bets.push_back(kept.size() == n ? double(kept[i]) : double(m_game.counters.Bet));
        }
    } else {
        int64_t money = 0;
        for (const HandRecord& r : m_kept) {
            if (r.game != m_shown.id)
                continue;
            if (line.isEmpty())
                line.append({0, 0});
            money += r.won - r.bet;
            line.append({double(line.size()), double(money)});
            bets.push_back(double(r.bet));
        }
    }
    const bool history = m_span == ChartSpan::History;
    line = envelope(line);
    m_session->replace(history ? QList<QPointF>() : line);
    m_history->replace(history ? line : QList<QPointF>());
    for (QLegendMarker* m : m_chart->legend()->markers(m_history))
        m->setVisible(history);
    for (QLegendMarker* m : m_chart->legend()->markers(m_session))
        m->setVisible(!history);
    m_axisY->setTitleText(history ? tr("Credits won") : tr("Credits"));

    const auto n = int64_t(bets.size());
    QList<QPointF> expected;
    QList<QPointF> edges[2][2];
    QString title = engineText(gameTitle(m_shown.id));
    if (m_figures && n > 0) {
        const double rate = double(m_figures->rate);
        const double sd = double(m_figures->deviation);
        const int64_t step = std::max<int64_t>(1, (n + kCurvePoints - 1) / kCurvePoints);
        double staked = 0;
        double squares = 0;
        for (int64_t i = 0; i <= n; ++i) {
            if (i > 0) {
                staked += bets[size_t(i - 1)];
                squares += bets[size_t(i - 1)] * bets[size_t(i - 1)];
            }
            if (i % step != 0 && i != n)
                continue;
            const double mean = start + staked * (rate - 1);
            const double spread = sd * std::sqrt(squares);
            expected.append({double(i), mean});
            for (int k = 1; k <= 2; ++k) {
                edges[k - 1][1].append({double(i), mean + k * spread});
                edges[k - 1][0].append({double(i), mean - k * spread});
            }
        }
    }
    if (m_figures)
        title += tr(": return %1 %, standard deviation %2 a hand per credit bet")
                     .arg(localNumber(double(m_figures->rate) * 100, 2))
                     .arg(localNumber(double(m_figures->deviation), 2));
    if (history)
        title += tr("<br><small>Kept history of this game: %1 hands, the double-up left out.</small>").arg(n);
    // The control deals the table's game tighter than its figures, which assume a fair deck.
    if (!m_game.casino && m_game.settings.PayoutControl)
        title += tr("<br><small>Payout rate control is on: the table pays less than this.</small>");
    m_chart->setTitle(title);
    m_expected->replace(expected);
    for (int sd = 0; sd < 2; ++sd)
        for (int up = 0; up < 2; ++up)
            m_edges[sd][up]->replace(edges[sd][up]);

    // The axes hold everything drawn.
    double low = start;
    double high = start;
    for (const QList<QPointF>* list : {&line, &edges[1][0], &edges[1][1]})
        for (const QPointF& p : *list) {
            low = std::min(low, p.y());
            high = std::max(high, p.y());
        }
    if (high - low < 10) {
        low -= 5;
        high += 5;
    }
    m_axisX->setRange(0, double(std::max<int64_t>(n, 10)));
    m_axisY->setRange(low, high);
    m_axisX->applyNiceNumbers();
    m_axisY->applyNiceNumbers();
}

} // namespace tarvelle
