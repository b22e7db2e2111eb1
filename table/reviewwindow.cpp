// The mistake review (R): the player's costly holds of the game played, kept in hands.log.
#include "table/reviewwindow.h"

#include "table/coachpanel.h"
#include "table/form1.h"

#include "engine/cards.h"
#include "engine/game.h"
#include "widgets/accessibility.h"
#include "widgets/language.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvelle {

namespace {

QString glyph(int card)
{
    if (card == 52)
        return QStringLiteral("Jk");
    static const char* const ranks[13] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "A", "J", "Q", "K"};
    static const char16_t suits[4] = {u'\u2665', u'\u2666', u'\u2660', u'\u2663'}; // h d s c
    return QString::fromLatin1(ranks[card % 13]) + QChar(suits[card / 13]);
}

// The five cards, the held ones in brackets.
QString holdText(const std::array<int, 5>& cards, int mask)
{
    QStringList out;
    for (int p = 0; p < 5; ++p) {
        const QString c = glyph(cards[size_t(p)]);
        out << ((mask & (1 << p)) ? QStringLiteral("[%1]").arg(c) : c);
    }
    return out.join(QLatin1Char(' '));
}

// The same said in words.
QString holdSpoken(const std::array<int, 5>& cards, int mask)
{
    QStringList held;
    for (int p = 0; p < 5; ++p)
        if (mask & (1 << p)) {
            const int c = cards[size_t(p)];
            held << TForm1::cardName(cardSuit(c + 1), cardRank(c + 1));
        }
    return held.isEmpty() ? QCoreApplication::translate("tarvelle::ReviewWindow", "nothing")
                          : held.join(QStringLiteral(", "));
}

QString costText(const HandRecord& r)
{
    return QCoreApplication::translate("tarvelle::ReviewWindow", "Cost %1 credits (%2 per credit, bet %3)")
        .arg(double(r.creditsLost()), 0, 'f', 2)
        .arg(double(r.cost) / 1e6, 0, 'f', 4)
        .arg(r.bet);
}

} // namespace

ReviewWindow::ReviewWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("reviewWindow"));
    setWindowTitle(tr("Mistakes"));
    m_figures = new QLabel(this);
    m_figures->setObjectName(QStringLiteral("reviewFigures"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("reviewList"));
    m_list->setAlternatingRowColors(true);
    m_list->setFocusPolicy(Qt::StrongFocus);
    QFont mono = m_list->font();
    mono.setStyleHint(QFont::TypeWriter);
    mono.setFamily(QStringLiteral("DejaVu Sans Mono"));
    m_list->setFont(mono);
    access::setName(m_list, tr("Mistakes"));
    m_toggle = new QPushButton(this);
    m_toggle->setObjectName(QStringLiteral("reviewOrder"));
    auto* close = new QPushButton(tr("Close"), this);
    connect(m_toggle, &QPushButton::clicked, this, [this] {
        setOrder(m_order == MistakeOrder::Costliest ? MistakeOrder::Newest : MistakeOrder::Costliest);
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_toggle);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_figures);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(560, 520);
}

void ReviewWindow::showMistakes(const std::vector<HandRecord>& history, const std::string& game)
{
    m_history = history;
    m_game = game;
    fill();
    show();
    raise();
    activateWindow();
    m_list->setFocus(Qt::OtherFocusReason);
}

void ReviewWindow::setOrder(MistakeOrder order)
{
    m_order = order;
    fill();
}

void ReviewWindow::fill()
{
    const SessionFigures f = allTimeFigures(m_history, m_game);
    const QString title = engineText(gameTitle(m_game));
    m_figures->setText(tr("%1, all time: %2 hands, %3 mistakes, accuracy %4 %, %5 credits lost")
                           .arg(title)
                           .arg(f.hands)
                           .arg(f.mistakes)
                           .arg(f.accuracy(), 0, 'f', 1)
                           .arg(double(f.creditsLost), 0, 'f', 2));
    access::setName(m_figures, m_figures->text());
    const bool costliest = m_order == MistakeOrder::Costliest;
    m_toggle->setText(costliest ? tr("Costliest first (O)") : tr("Newest first (O)"));
    access::setName(m_toggle, costliest ? tr("Order: costliest first; press for newest first")
                                        : tr("Order: newest first; press for costliest first"));
    m_list->clear();
    const auto list = mistakes(m_history, m_game, m_order);
    for (const HandRecord& r : list) {
        const QString when =
            QDateTime::fromSecsSinceEpoch(r.time).toString(QStringLiteral("yyyy-MM-dd hh:mm"));
        const QString text = tr("%1, %2\n  Dealt %3\n  Yours %4\n  Best  %5")
                                 .arg(costText(r), when, holdText(r.dealt, 0), holdText(r.dealt, r.hold),
                                      holdText(r.dealt, r.best));
        auto* item = new QListWidgetItem(text, m_list);
        item->setData(Qt::AccessibleTextRole,
                      tr("%1, %2. You held %3; the best hold: %4.")
                          .arg(costText(r), when, holdSpoken(r.dealt, r.hold), holdSpoken(r.dealt, r.best)));
    }
    if (list.empty())
        new QListWidgetItem(tr("No mistakes kept for this game."), m_list);
    m_list->setCurrentRow(0);
}

QStringList ReviewWindow::entries() const
{
    QStringList out;
    for (int i = 0; i < m_list->count(); ++i)
        out << m_list->item(i)->text();
    return out;
}

// The list scrolls with the arrows and the page keys; Escape or R closes, O turns the order.
void ReviewWindow::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_R) {
        close();
        return;
    }
    if (e->key() == Qt::Key_O) {
        m_toggle->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TForm1::showReview()
{
    outdemo();
    if (!m_review)
        m_review = new ReviewWindow(this);
    m_review->showMistakes(coach->history(), coach->gameId());
}

} // namespace tarvelle
