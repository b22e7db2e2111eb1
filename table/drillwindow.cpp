// The drill: the player's past mistakes and hands of their patterns, judged exactly, with
// nothing at stake.
#include "table/drillwindow.h"

#include "table/coachpanel.h"
#include "table/form1.h"

#include "engine/analysis.h"
#include "engine/cards.h"
#include "storage/drillfile.h"
#include "widgets/accessibility.h"
#include "widgets/cardimagery.h"
#include "widgets/language.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvelle {

namespace {

QString cardSpoken(int card)
{
    return TForm1::cardName(cardSuit(card + 1), cardRank(card + 1));
}

QString perBet(long double v)
{
    return localNumber(double(v), 4);
}

} // namespace

DrillWindow::DrillWindow(QWidget* owner, const CardImagery& imagery)
    : QWidget(owner, Qt::Window)
    , m_imagery(imagery)
{
    setObjectName(QStringLiteral("drillWindow"));
    setWindowTitle(tr("Drill"));
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("drillTitle"));
    auto* cards = new QGridLayout;
    for (int p = 0; p < 5; ++p) {
        auto* card = new QPushButton(this);
        card->setObjectName(QStringLiteral("drillCard%1").arg(p + 1));
        card->setFlat(true);
        card->setFocusPolicy(Qt::NoFocus);
        card->setIconSize(QSize(CardImagery::CardWidth, CardImagery::CardHeight));
        card->setFixedSize(CardImagery::CardWidth + 8, CardImagery::CardHeight + 8);
        connect(card, &QPushButton::clicked, this, [this, p] { toggle(p + 1); });
        auto* mark = new QLabel(this);
        mark->setAlignment(Qt::AlignCenter);
        mark->setTextFormat(Qt::RichText);
        mark->setMinimumHeight(2 * mark->fontMetrics().height() + 4); // no jump when HELD shows
        m_cards[size_t(p)] = card;
        m_marks[size_t(p)] = mark;
        cards->addWidget(card, 0, p);
        cards->addWidget(mark, 1, p);
    }
    m_verdictLabel = new QLabel(this);
    m_verdictLabel->setObjectName(QStringLiteral("drillVerdict"));
    m_verdictLabel->setWordWrap(true);
    m_verdictLabel->setMinimumHeight(3 * fontMetrics().height());
    m_score = new QLabel(this);
    m_score->setObjectName(QStringLiteral("drillScore"));
    m_check = new QPushButton(this);
    m_check->setObjectName(QStringLiteral("drillCheck"));
    m_check->setDefault(true);
    connect(m_check, &QPushButton::clicked, this, &DrillWindow::check);
    auto* close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_score, 1);
    buttons->addWidget(m_check);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addLayout(cards);
    layout->addWidget(m_verdictLabel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize); // the cards are never squeezed
    access::setName(m_verdictLabel, tr("Verdict"));
}

void DrillWindow::start(const Game& game, std::vector<DrillHand> hands, const std::string& saveDir, uint64_t seed)
{
    m_drill.emplace(game, std::move(hands), seed);
    m_saveDir = saveDir;
    m_verdict.reset();
    m_title->setText(tr("Drill: %1. Hold the cards you would keep (1-5), then check (Enter). Nothing is at "
                        "stake; a hand answered right three times in a row leaves the drill.")
                         .arg(engineText(gameTitle(game.id))));
    m_title->setWordWrap(true);
    showHand();
    show();
    raise();
    activateWindow();
    m_check->setFocus(Qt::OtherFocusReason);
}

void DrillWindow::showHand()
{
    m_hold = 0;
    m_verdict.reset();
    if (m_drill && !m_drill->finished())
        m_shown = m_drill->current().cards;
    refresh();
}

void DrillWindow::toggle(int position)
{
    if (position < 1 || position > 5 || !m_drill || m_verdict || m_drill->finished())
        return;
    m_hold ^= 1 << (position - 1);
    refresh();
}

void DrillWindow::check()
{
    if (!m_drill)
        return;
    if (m_verdict) {
        showHand();
        return;
    }
    if (m_drill->finished())
        return;
    m_verdict = m_drill->answer(m_hold);
    saveDrillHands(m_saveDir, m_drill->game().id, m_drill->kept());
    refresh();
}

QString DrillWindow::verdictText() const
{
    if (!m_drill || (m_drill->finished() && !m_verdict))
        return m_drill && m_drill->asked() > 0
                   ? tr("The drill is done: every hand has been answered right three times in a row.")
                   : tr("No mistakes of this game to drill: the hand history has none left.");
    if (!m_verdict)
        return {};
    const DrillVerdict& v = *m_verdict;
    QString text;
    if (v.right) {
        text = tr("Right: this hold is worth %1 per credit bet, as much as any.").arg(perBet(v.yourValue));
    } else {
        QStringList best;
        for (int p = 0; p < 5; ++p)
            if (v.best & (1 << p))
                best << cardSpoken(m_shown[size_t(p)]);
        text = tr("Not the best: your hold is worth %1 per credit bet; the best, %2, is worth %3. "
                  "The mistake costs %4 per credit bet.")
                   .arg(perBet(v.yourValue), best.isEmpty() ? tr("drawing five new cards") : best.join(QStringLiteral(", ")),
                        perBet(v.bestValue), perBet(v.cost()));
    }
    if (v.retired)
        text += QLatin1Char(' ') + tr("Three times right in a row: this hand leaves the drill.");
    return text;
}

QString DrillWindow::scoreText() const
{
    if (!m_drill)
        return {};
    return tr("Score: %1 of %2 right; %3 hands left in the drill")
        .arg(m_drill->right())
        .arg(m_drill->asked())
        .arg(m_drill->left());
}

void DrillWindow::refresh()
{
    const bool empty = !m_drill || (m_drill->finished() && !m_verdict);
    for (int p = 0; p < 5; ++p) {
        QPushButton* card = m_cards[size_t(p)];
        const int c = m_shown[size_t(p)];
        card->setVisible(!empty);
        m_marks[size_t(p)]->setVisible(!empty);
        if (empty)
            continue;
        QIcon icon(QPixmap::fromImage(m_imagery.cardImage(c)));
        if (QImage hires = m_imagery.cardHires(c); !hires.isNull()) {
            QPixmap pm = QPixmap::fromImage(hires);
            pm.setDevicePixelRatio(2);
            icon.addPixmap(pm);
        }
        card->setIcon(icon);
        const bool held = m_hold & (1 << p);
        const bool best = m_verdict && (m_verdict->best & (1 << p));
        QString mark = held ? QStringLiteral("<b>%1</b>").arg(tr("HELD")) : QString();
        if (m_verdict)
            mark += QStringLiteral("<br><span style=\"color:%1\">%2</span>")
                        .arg(best ? QStringLiteral("#1a7f1a") : QStringLiteral("#888888"),
                             best ? tr("best: hold") : tr("best: draw"));
        m_marks[size_t(p)]->setText(mark);
        QString name = tr("Card %1: %2").arg(p + 1).arg(cardSpoken(c));
        if (held)
            name += QStringLiteral(", ") + tr("held");
        if (m_verdict)
            name += QStringLiteral(", ") + (best ? tr("the best hold keeps it") : tr("the best hold draws it"));
        access::setName(card, name);
    }
    m_verdictLabel->setText(verdictText());
    access::setDescription(m_verdictLabel, m_verdictLabel->text());
    m_score->setText(scoreText());
    m_check->setText(m_verdict ? tr("Next hand (Enter)") : tr("Check (Enter)"));
    m_check->setEnabled(!empty);
}

// 1-5 hold, Enter or Space checks, Escape or Q closes.
void DrillWindow::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_5) {
        toggle(key - Qt::Key_0);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        check();
    } else if (key == Qt::Key_Escape || key == Qt::Key_Q) {
        close();
    } else {
        QWidget::keyPressEvent(e);
    }
}

void DrillWindow::closeEvent(QCloseEvent* e)
{
    if (m_drill)
        saveDrillHands(m_saveDir, m_drill->game().id, m_drill->kept());
    QWidget::closeEvent(e);
}

// The drill of the game played: its logged mistakes with the streaks kept in drills.txt.
void TForm1::showDrill()
{
    outdemo();
    if (!m_drill)
        m_drill = new DrillWindow(this, m_imagery);
    Game game = m_gs.casino ? *m_gs.casino : tableGameWith(m_gs.settings.Joker != 0, coach->coach().pay());
    const std::string dir = m_saveDir.toStdString();
    const std::string id = coach->gameId();
    game.id = id; // the table's own game keeps its id whatever its pays
    m_drill->start(game, drillHands(coach->history(), id, loadDrillHands(dir, id)), dir,
                   uint64_t(QDateTime::currentMSecsSinceEpoch()));
}

} // namespace tarvelle
