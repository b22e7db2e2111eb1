// Training mode: a draw with a hold worth less than the best waits for the player's word,
// with both holds and what the choice costs.
#include "table/form1.h"

#include "table/coachpanel.h"

#include "engine/coach.h"

#include "widgets/accessibility.h"
#include "widgets/antialiaslabel.h"
#include "widgets/palette.h"
#include "widgets/language.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvelle {

namespace {

// The warning over the top of the play area, clear of the cards and their lamps.
const QRect kWarning(30, 14, 740, 200);

class TrainingWarning : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TrainingWarning)

public:
    explicit TrainingWarning(TForm1* table) : QWidget(table)
    {
        setObjectName(QStringLiteral("trainingWarning"));
        access::setName(this, tr("Training: not the best hold"));
        m_text = new QLabel(this);
        m_text->setObjectName(QStringLiteral("trainingText"));
        m_text->setWordWrap(true);
        m_text->setTextFormat(Qt::RichText);
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(15);
        m_text->setFont(f);
        QPalette p = m_text->palette();
        p.setColor(QPalette::WindowText, palette::InkBright);
        m_text->setPalette(p);
        auto* buttons = new QHBoxLayout;
        for (auto [name, caption] : {std::pair{"trainingDraw", QT_TR_NOOP("Draw anyway (Y)")},
                                     std::pair{"trainingBest", QT_TR_NOOP("Take the best hold (B)")},
                                     std::pair{"trainingChange", QT_TR_NOOP("Change my hold (N)")}}) {
            auto* b = new QPushButton(tr(caption), this);
            b->setObjectName(QString::fromLatin1(name));
            b->setFont(f);
            b->setFocusPolicy(Qt::NoFocus); // the keys go to the table, which maps Y, B and N
            b->setStyleSheet(QStringLiteral("QPushButton { color: rgb(105,170,174); background: rgb(15,53,66); "
                                            "border: 1px solid rgb(196,120,64); padding: 6px 12px; }"));
            buttons->addWidget(b);
            m_buttons.push_back(b);
        }
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(16, 12, 16, 12);
        layout->addWidget(m_text, 1);
        layout->addLayout(buttons);
        hide();
    }
    void setText(const QString& html) { m_text->setText(html); }
    QPushButton* button(int i) const { return m_buttons[size_t(i)]; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(9, 32, 40));
        p.setPen(QPen(QColor(196, 120, 64), 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }

private:
    QLabel* m_text = nullptr;
    std::vector<QPushButton*> m_buttons;
};

QString holdText(const std::array<int, 5>& cards, int mask)
{
    QStringList held;
    for (int k = 0; k < 5; ++k) {
        if ((mask >> k) & 1)
            held << TForm1::cardName(cardSuit(cards[size_t(k)] + 1), cardRank(cards[size_t(k)] + 1));
    }
    return held.isEmpty() ? QCoreApplication::translate("TrainingWarning", "nothing (draw five)")
                          : held.join(QStringLiteral(", "));
}

} // namespace

QWidget* makeTrainingWarning(TForm1* table)
{
    auto* w = new TrainingWarning(table);
    QObject::connect(w->button(0), &QPushButton::clicked, table, [table] { table->trainingChoice('Y'); });
    QObject::connect(w->button(1), &QPushButton::clicked, table, [table] { table->trainingChoice('B'); });
    QObject::connect(w->button(2), &QPushButton::clicked, table, [table] { table->trainingChoice('N'); });
    return w;
}

QRect trainingWarningRect()
{
    return kWarning;
}

bool TForm1::approveDraw()
{
    const CoachSettings& cs = coach->settings();
    const auto& advice = coach->coach().hand();
    // Autoplay never asks (the round does not), nor do Expert holds, which are the best.
    if (!cs.training || cs.expert || !advice)
        return true;
    const int mask = heldMask(m_hand);
    if (!trainingStops(*advice, mask, cs.threshold / 10000.0L)) {
        m_trainingWarning->hide();
        return true;
    }
    const std::array<int, 5>& cards = advice->cards();
    QStringList best;
    for (int m : advice->ranking()) {
        if (!advice->isBest(m))
            break;
        best << holdText(cards, m);
    }
    const auto perBet = [](long double v) { return localNumber(double(v), 4); };
    const long double cost = advice->value(advice->best()) - advice->value(mask);
    auto* w = static_cast<TrainingWarning*>(m_trainingWarning);
    w->setText(tr("<b>Not the best hold.</b><br>Yours: %1 &mdash; %2 per credit bet.<br>"
                  "Best: %3 &mdash; %4 per credit bet.<br>It costs %5 per credit bet, "
                  "%6 credits at this bet.")
                   .arg(holdText(cards, mask).toHtmlEscaped(), perBet(advice->value(mask)),
                        best.join(QStringLiteral("; or ")).toHtmlEscaped(),
                        perBet(advice->value(advice->best())), perBet(cost), perBet(cost * m_ct.Bet)));
    w->show();
    w->raise();
    if (auto* announcer = AntiAliasLabel1->findChild<access::Announcer*>())
        announcer->announce(tr("Not the best hold. Best: %1. It costs %2 per credit bet. Y draws "
                               "anyway, B takes the best hold, N lets you change it.")
                                .arg(best.value(0), perBet(cost)));
    return false;
}

bool TForm1::trainingShown() const
{
    return m_trainingWarning && m_trainingWarning->isVisible();
}

void TForm1::trainingChoice(char choice)
{
    if (!trainingShown())
        return;
    m_trainingWarning->hide();
    if (choice == 'N')
        return;
    if (choice == 'B') {
        // The best hold is set card by card, as the player's own clicks would set it.
        const auto& advice = coach->coach().hand();
        if (!advice)
            return;
        // Smart Hold's first click clears the proposal, so a second pass may be needed.
        const int best = advice->best();
        for (int pass = 0; pass < 3 && heldMask(m_hand) != best; ++pass) {
            for (int k = 1; k <= 5; ++k) {
                if (((best >> (k - 1)) & 1) != m_hand.Held[size_t(k)])
                    m_round.input(Input::CardClick, k);
            }
        }
    }
    m_round.input(Input::DealRelease, ForceDraw);
}

} // namespace tarvelle
