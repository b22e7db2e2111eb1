// The coach panel: exact hold values at the table, the draw's verdict, the session's
// figures and the game's return as set.
#include "table/coachpanel.h"

#include "table/form1.h"

#include "engine/gamestate.h"
#include "widgets/accessibility.h"
#include "widgets/image.h"
#include "widgets/palette.h"
#include "widgets/language.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tarvelle {

namespace {

// The pay table's ground, writing and stripe.
const QColor& kBack = palette::Table;
const QColor& kInk = palette::InkBright;
const QColor& kLine = palette::Ink;
const QColor& kBright = palette::CardWhite;
const QColor& kRed = palette::CardRed;
const QColor& kWarn = palette::Warning;

constexpr int kRow = 13;
constexpr int kTop = 4;
constexpr int kLeft = 6;
constexpr int kCards = 40; // first card of a hold
constexpr int kCardStep = 25;
constexpr int kRows = 16;

QString cardText(int card)
{
    if (card == 52)
        return QStringLiteral("Jk");
    static const char* const ranks[13] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "A", "J", "Q", "K"};
    static const char16_t suits[4] = {u'\u2665', u'\u2666', u'\u2660', u'\u2663'}; // h d s c
    return QString::fromLatin1(ranks[card % 13]) + QChar(suits[card / 13]);
}

bool isRed(int card)
{
    return card != 52 && card / 13 < 2;
}

// The held cards of a hold, in position order; "nothing" when all five are drawn.
QString heldText(const std::array<int, 5>& cards, int mask)
{
    QStringList held;
    for (int p = 0; p < 5; ++p) {
        if (mask & (1 << p))
            held << cardText(cards[size_t(p)]);
    }
    return held.isEmpty() ? QCoreApplication::translate("tarvelle::CoachPanel", "nothing")
                          : held.join(QLatin1Char(' '));
}

QString perBet(long double v)
{
    return localNumber(double(v), 4);
}

QString credits(long double v)
{
    return localNumber(double(v), 2);
}

} // namespace

CoachPanel::CoachPanel(TForm1& table, GameState& gs, const std::string& saveDir)
    : QWidget(&table), m_table(table), m_gs(gs), m_saveDir(saveDir), m_settings(loadCoachSettings(saveDir)),
      m_returns([this](const ReturnSetting& s, const SettingReturn&) {
          QMetaObject::invokeMethod(
              this,
              [this, s] {
                  if (s == m_setting && m_lastReturnDelay < 0)
                      m_lastReturnDelay = double(m_sinceChange.nsecsElapsed()) / 1e9;
                  update();
              },
              Qt::QueuedConnection);
      })
{
    setObjectName(QStringLiteral("coach"));
    readHistory();
    setFixedSize(PanelWidth, PanelHeight);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);
    hide();
    // The panel comes up with the table, not over the splash.
    // Kept apart from the table: the filter may still be called while the table is torn down.
    m_backdrop = m_table.desen;
    if (m_backdrop)
        m_backdrop->installEventFilter(this);

    // The switch is painted by the panel; this child only takes the focus (Tab from the
    // table; a click does not focus it) and stands for it before screen readers.
    m_switch = new QWidget(this);
    m_switch->setObjectName(QStringLiteral("expertSwitch"));
    m_switch->setGeometry(expertSwitchRect());
    m_switch->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_switch->setFocusPolicy(Qt::TabFocus);
    m_switch->installEventFilter(this);
    access::install();
    access::setRole(m_switch, QAccessible::CheckBox);
    access::setName(m_switch, tr("Expert holds"));
    access::setChecked(m_switch, m_settings.expert);
    access::setAction(m_switch, [this] { setExpert(!m_settings.expert); });
    access::setName(this, tr("Coach (C)"));
    access::setRole(this, QAccessible::Table);
    access::setTable(this,
                     {[] { return kRows; }, [] { return 2; }, [this](int r, int c) { return cellText(r, c); },
                      [this](int r, int) { return QRect(0, kTop + r * kRow, width(), kRow); }});
}

CoachPanel::~CoachPanel() = default;

bool CoachPanel::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_switch && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut))
        update(); // its ring

    if (watched == m_backdrop && e->type() == QEvent::ShowToParent && !m_shown) {
        m_shown = true;
        if (m_settings.visible) {
            place();
            show();
            raise();
            m_following = true;
            watchSettings();
        }
    }
    return QWidget::eventFilter(watched, e);
}

// ---------------------------------------------------------------- the table's events

void CoachPanel::proposeHolds(Hand& hand)
{
    if (!m_settings.expert)
        return;
    setHeld(hand, advise(handCards(hand)).best());
}

const HandAdvice& CoachPanel::advise(const std::array<int, 5>& cards)
{
    if (m_gs.casino)
        return m_coach.dealt(cards, *m_gs.casino);
    return m_coach.dealt(cards, m_gs.settings.Joker != 0);
}

void CoachPanel::dealShown()
{
    m_dealt = handCards(m_gs.hand);
    advise(m_dealt);
    m_yours = heldMask(m_gs.hand);
    update();
}

void CoachPanel::holdsChanged()
{
    m_yours = heldMask(m_gs.hand);
    update();
}

void CoachPanel::drawEvaluated(bool autoplay)
{
    // The evaluator has marked the winning cards by now; the holds are the positions
    // that kept their dealt card.
    m_yours = keptMask(m_dealt, handCards(m_gs.hand));
    if (const auto review = m_coach.drawn(m_yours, m_gs.counters.Bet, !autoplay))
        record(*review, autoplay);
    update();
}

std::string CoachPanel::gameId() const
{
    return m_gs.casino ? m_gs.casino->id : tableGame(m_gs.settings.Joker != 0).id;
}

// Every reviewed hand goes to hands.log, autoplay's marked so: the figures and the review
// count the player's own draws only, as the session's do.
void CoachPanel::record(const DrawReview& review, bool autoplay)
{
    HandRecord r;
    r.time = QDateTime::currentSecsSinceEpoch();
    r.game = gameId();
    r.dealt = m_dealt;
    r.hold = review.yours;
    r.best = review.bestPlay ? review.yours : review.best;
    r.cost = review.bestPlay ? 0 : std::llround(double(review.bestValue - review.yourValue) * 1e6);
    r.bet = m_gs.counters.Bet;
    r.won = std::max(0, m_gs.counters.Win);
    r.autoplay = autoplay;
    bool rolled = false;
    if (!appendHand(m_saveDir, r, kHandHistoryLimit, &rolled))
        return;
    // A roll-over moved the oldest records into the totals: both are read again, or they
    // would be counted twice.
    if (rolled)
        readHistory();
    else
        m_history.push_back(r);
}

void CoachPanel::readHistory()
{
    HandHistory h = loadHands(m_saveDir);
    m_history = std::move(h.records);
    m_rolledOut = std::move(h.rolledOut);
}

// ---------------------------------------------------------------- showing, placing, saving

QPoint CoachPanel::defaultPlace(QSize screen)
{
    const QPoint o = TForm1::originFor(screen);
    if (o.x() >= PanelWidth + 4)
        return {o.x() - PanelWidth - 4, qMax(0, o.y() + 228)};
    return {qMax(0, o.x() + 4), qMax(0, o.y() + 4)};
}

void CoachPanel::place()
{
    const QSize screen = m_table.areaSize();
    QPoint p = defaultPlace(screen);
    if (m_settings.placed) {
        const QPoint saved(m_settings.left, m_settings.top);
        // A place saved on a larger screen is dropped rather than lost off the edge.
        if (saved.x() >= 0 && saved.y() >= 0 && saved.x() + width() <= screen.width() &&
            saved.y() + height() <= screen.height())
            p = saved;
    }
    move(p);
}

void CoachPanel::toggle()
{
    m_table.outdemo();
    m_settings.visible = !m_settings.visible;
    save();
    if (!m_shown)
        return;
    if (m_settings.visible) {
        place();
        show();
        raise();
        m_following = true;
        watchSettings();
    } else {
        hide();
        m_following = false;
    }
}

void CoachPanel::cycleTraining()
{
    static constexpr int kThresholds[] = {0, 200, 1000};
    if (!m_settings.training) {
        m_settings.training = true;
        m_settings.threshold = kThresholds[0];
    } else {
        const auto* it = std::find(std::begin(kThresholds), std::end(kThresholds), m_settings.threshold);
        if (it == std::end(kThresholds) || it + 1 == std::end(kThresholds))
            m_settings.training = false;
        else
            m_settings.threshold = *(it + 1);
    }
    save();
    update();
}

QString CoachPanel::trainingText() const
{
    if (!m_settings.training)
        return tr("Training off (T)");
    if (m_settings.threshold == 0)
        return tr("Training: every mistake (T)");
    return tr("Training: mistakes over %1 (T)").arg(localNumber(m_settings.threshold / 10000.0, 2));
}

void CoachPanel::setExpert(bool on)
{
    if (m_settings.expert == on)
        return;
    m_settings.expert = on;
    save();
    access::setChecked(m_switch, on);
    update();
}

void CoachPanel::save()
{
    saveCoachSettings(m_settings, m_saveDir);
}

ReturnSetting CoachPanel::currentSetting() const
{
    if (m_gs.casino)
        return {false, false, false, m_gs.casino};
    const Settings& s = m_gs.settings;
    return {s.Joker != 0, s.HoldHighCard != 0, s.HoldOpenInside != 0, std::nullopt};
}

void CoachPanel::followSettings()
{
    if (m_following)
        watchSettings();
}

void CoachPanel::watchSettings()
{
    const ReturnSetting now = currentSetting();
    if (!m_settingKnown || !(now == m_setting)) {
        m_setting = now;
        m_settingKnown = true;
        m_sinceChange.start();
        m_lastReturnDelay = m_returns.request(now) ? 0.0 : -1.0;
        update();
    }
    if (m_payoutShown != (m_gs.settings.PayoutControl != 0)) {
        m_payoutShown = m_gs.settings.PayoutControl != 0;
        update();
    }
}

std::optional<SettingReturn> CoachPanel::shownReturn() const
{
    if (!m_settingKnown)
        return std::nullopt;
    return m_returns.known(m_setting);
}

// ---------------------------------------------------------------- content

std::vector<CoachPanel::Line> CoachPanel::content() const
{
    std::vector<Line> out(kRows);
    out[0] = {tr("Coach"), -1, QString()};
    const auto& hand = m_coach.hand();
    if (!hand) {
        out[1].text = tr("Deal a hand to see the value of");
        out[2].text = tr("every hold, per credit bet.");
    } else {
        out[1] = {tr("Best holds"), -1, tr("per bet")};
        for (int i = 0; i < 5; ++i) {
            const int m = hand->ranking()[size_t(i)];
            out[size_t(2 + i)] = {QStringLiteral("%1.").arg(i + 1), m, perBet(hand->value(m))};
        }
        out[7] = {tr("Yours"), m_yours,
                  tr("%1  rank %2").arg(perBet(hand->value(m_yours))).arg(hand->rank(m_yours))};
        const auto& review = m_coach.lastReview();
        if (review && review->bestPlay) {
            out[8].text = tr("Best play");
        } else if (review) {
            out[8].text =
                tr("Best: %1 (%2),").arg(heldText(hand->cards(), review->best), perBet(review->bestValue));
            out[9].text =
                tr("yours: %1 (%2),").arg(heldText(hand->cards(), review->yours), perBet(review->yourValue));
            out[10].text = tr("cost: %1 credits").arg(credits(review->cost));
        } else {
            out[8].text = tr("Your hold is judged at the draw.");
        }
    }
    // The session's figures and the game's over every hand kept in hands.log.
    const auto figures = [](const QString& name, const SessionFigures& f) {
        return Line{tr("%1: %2 hands, %3 mistakes").arg(name).arg(f.hands).arg(f.mistakes), -1,
                    tr("%1 %, lost %2").arg(localNumber(f.accuracy(), 1)).arg(credits(f.creditsLost))};
    };
    out[11] = figures(tr("Session"), m_coach.figures());
    out[12] = figures(tr("All time"), allTime());
    const auto r = shownReturn();
    const QString working = tr("working...");
    out[13] = {tr("Game return, best holds"), -1,
               r ? QStringLiteral("%1 %").arg(localNumber(double(r->best * 100), 2)) : working};
    out[14] = {tr("Game return, table's holds"), -1,
               r ? QStringLiteral("%1 %").arg(localNumber(double(r->advisor * 100), 2)) : working};
    if (m_gs.settings.PayoutControl && !m_gs.casino)
        out[15].text = tr("Payout control on: values assume fair cards");
    else if (m_settings.training)
        out[15].text = trainingText();
    return out;
}

QStringList CoachPanel::lines() const
{
    QStringList out;
    const auto& hand = m_coach.hand();
    for (const Line& l : content()) {
        QString s = l.text;
        if (l.mask >= 0 && hand) {
            QStringList cards;
            for (int p = 0; p < 5; ++p) {
                const QString c = cardText(hand->cards()[size_t(p)]);
                cards << ((l.mask & (1 << p)) ? QStringLiteral("[%1]").arg(c) : c);
            }
            s += QLatin1Char(' ') + cards.join(QLatin1Char(' '));
        }
        if (!l.right.isEmpty())
            s += QStringLiteral(" | ") + l.right;
        out << s;
    }
    if (m_settings.expert)
        out[0] += tr(" | Expert holds: on");
    else
        out[0] += tr(" | Expert holds: off");
    return out;
}

QRect CoachPanel::expertSwitchRect() const
{
    return {PanelWidth - 112, kTop, 106, kRow};
}

void CoachPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kBack);
    // Rows a shade lighter every other line, as in the pay table.
    for (int r = 1; r < kRows; r += 2)
        p.fillRect(0, kTop + r * kRow, width(), kRow, palette::CoachRow);
    p.setPen(kLine);
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const QFont plain = font();
    QFont bold = plain;
    bold.setBold(true);
    const auto lines = content();
    const auto& hand = m_coach.hand();
    for (int r = 0; r < kRows; ++r) {
        const Line& l = lines[size_t(r)];
        const QRect row(kLeft, kTop + r * kRow, width() - 2 * kLeft, kRow);
        p.setFont(r == 0 ? bold : plain);
        p.setPen(r == 15 ? kWarn : kInk);
        p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, l.text);
        if (!l.right.isEmpty())
            p.drawText(row, Qt::AlignRight | Qt::AlignVCenter, l.right);
        if (l.mask < 0 || !hand)
            continue;
        for (int i = 0; i < 5; ++i) {
            const int c = hand->cards()[size_t(i)];
            const bool held = l.mask & (1 << i);
            QColor ink = isRed(c) ? kRed : kBright;
            if (!held)
                ink.setAlpha(70);
            p.setFont(held ? bold : plain);
            p.setPen(ink);
            const QRect cell(kCards + i * kCardStep, row.y(), kCardStep, kRow);
            p.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, cardText(c));
            if (held) {
                p.setPen(kLine);
                p.drawLine(cell.left(), cell.bottom(), cell.left() + kCardStep - 6, cell.bottom());
            }
        }
    }

    // The Expert holds switch: a box, ticked when on.
    const QRect sw = expertSwitchRect();
    const QRect box(sw.left(), sw.top() + 2, 9, 9);
    p.setFont(plain);
    p.setPen(kInk);
    p.drawRect(box);
    if (m_settings.expert)
        p.fillRect(box.adjusted(2, 2, -1, -1), kBright);
    p.drawText(sw.adjusted(14, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, tr("Expert holds"));
    // The keyboard's ring, only while the switch has the focus (the mouse never gives it).
    if (m_switch && m_switch->hasFocus()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kBright, 1));
        p.drawRoundedRect(QRectF(sw).adjusted(-3.5, -0.5, 1.5, 0.5), 3, 3);
    }
}

QString CoachPanel::cellText(int row, int column) const
{
    const auto lines = content();
    if (row < 0 || row >= int(lines.size()))
        return {};
    const Line& l = lines[size_t(row)];
    if (column == 1)
        return row == 0 ? (m_settings.expert ? tr("Expert holds: on") : tr("Expert holds: off")) : l.right;
    QString s = l.text;
    const auto& hand = m_coach.hand();
    if (l.mask >= 0 && hand) {
        QStringList held;
        for (int p = 0; p < 5; ++p)
            if (l.mask & (1 << p)) {
                const int c = hand->cards()[size_t(p)];
                held << TForm1::cardName(cardSuit(c + 1), cardRank(c + 1)); // index to code
            }
        s += QLatin1Char(' ') +
             (held.isEmpty() ? tr("hold nothing") : tr("hold %1").arg(held.join(QStringLiteral(", "))));
    }
    return s;
}

// Space or Enter on the focused switch flips it; Escape gives the keys back to the table.
void CoachPanel::keyPressEvent(QKeyEvent* e)
{
    if (m_switch && m_switch->hasFocus() && !e->isAutoRepeat()) {
        if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            m_table.outdemo();
            setExpert(!m_settings.expert);
            return;
        }
        if (e->key() == Qt::Key_Escape) {
            m_table.setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    QWidget::keyPressEvent(e);
}

// ---------------------------------------------------------------- mouse

void CoachPanel::mousePressEvent(QMouseEvent* e)
{
    m_table.outdemo();
    if (e->button() != Qt::LeftButton)
        return;
    if (expertSwitchRect().contains(e->position().toPoint())) {
        setExpert(!m_settings.expert);
        return;
    }
    m_drag = e->position().toPoint();
    m_dragging = true;
}

// Follows the pointer within the screen, as the pay table does.
void CoachPanel::mouseMoveEvent(QMouseEvent* e)
{
    m_table.outdemo();
    if (!m_dragging)
        return;
    const QPoint pos = e->position().toPoint();
    const QSize screen = m_table.areaSize();
    if (pos.x() != m_drag.x()) {
        const int left = x() + pos.x() - m_drag.x();
        if (left >= 0 && left < screen.width() - width())
            move(left, y());
    }
    if (pos.y() != m_drag.y()) {
        const int top = y() + pos.y() - m_drag.y();
        if (top >= 0 && top < screen.height() - height())
            move(x(), top);
    }
}

void CoachPanel::mouseReleaseEvent(QMouseEvent*)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    if (m_settings.placed && m_settings.left == x() && m_settings.top == y())
        return;
    m_settings.placed = true;
    m_settings.left = x();
    m_settings.top = y();
    save();
}

} // namespace tarvelle
