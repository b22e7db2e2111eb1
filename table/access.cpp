// The table for screen readers: every control named with its state, the keys of the round
// buttons, and a sentence for each dealt and final hand and each double-up card.
#include "table/form1.h"

#include "table/coachpanel.h"

#include "widgets/accessibility.h"
#include "widgets/antialiaslabel.h"
#include "widgets/cardimagery.h"
#include "widgets/image.h"
#include "widgets/lbspeedbutton.h"
#include "widgets/stringaligngrid.h"

namespace tarvelle {

QString TForm1::cardName(int suit, int rank)
{
    if (suit == JokerSuit)
        return tr("Joker");
    static const char* const ranks[13] = {
        QT_TR_NOOP("Two"),   QT_TR_NOOP("Three"), QT_TR_NOOP("Four"), QT_TR_NOOP("Five"), QT_TR_NOOP("Six"),
        QT_TR_NOOP("Seven"), QT_TR_NOOP("Eight"), QT_TR_NOOP("Nine"), QT_TR_NOOP("Ten"),  QT_TR_NOOP("Ace"),
        QT_TR_NOOP("Jack"),  QT_TR_NOOP("Queen"), QT_TR_NOOP("King")};
    static const char* const suits[4] = {QT_TR_NOOP("hearts"), QT_TR_NOOP("diamonds"), QT_TR_NOOP("spades"),
                                         QT_TR_NOOP("clubs")};
    if (suit < 1 || suit > 4 || rank < 2 || rank > 14)
        return QString();
    return tr("%1 of %2").arg(tr(ranks[rank - 2]), tr(suits[suit - 1]));
}

void TForm1::describeControls()
{
    access::install();
    const struct {
        TLbSpeedButton* button;
        char key;
    } buttons[] = {{LbSpeedButton1, 'S'}, {LbSpeedButton2, '\r'}, {LbSpeedButton3, '-'},
                   {LbSpeedButton4, '+'}, {LbSpeedButton5, 'D'},  {betmax, 'M'},
                   {autop, 'A'},          {proce, 'P'},           {off, 'X'}};
    for (const auto& b : buttons) {
        access::setRole(b.button, QAccessible::Button);
        const QChar key = QLatin1Char(b.key);
        access::setAction(b.button, [this, key] { FormKeyPress(key); });
    }
    access::setName(LbSpeedButton1, tr("Extra screen (S)"));
    access::setName(betmax, tr("Maximum bet (M)"));
    access::setName(autop, tr("Autoplay (A)"));
    access::setName(proce, tr("Pay table (P)"));
    access::setName(off, tr("Exit (X)"));

    for (int k = 1; k <= 5; ++k) {
        access::setRole(card(k), QAccessible::Button);
        access::setDescription(card(k), tr("Card %1: key %1 holds or releases it").arg(k));
        const QChar key = QLatin1Char(char('0' + k));
        access::setAction(card(k), [this, key] { FormKeyPress(key); });
        access::setRole(lamp(k), QAccessible::Graphic);
    }
    const struct {
        TImage* display;
        const char* label;
    } displays[] = {{win_im, QT_TR_NOOP("win")},
                    {bonus_im, QT_TR_NOOP("bonus")},
                    {bet_im, QT_TR_NOOP("bet")},
                    {credit_im, QT_TR_NOOP("credit")}};
    for (const auto& d : displays) {
        access::setRole(d.display, QAccessible::StaticText);
        access::setLabel(d.display, tr(d.label));
    }
    // The captions beside the displays are read with them.
    for (TAntiAliasLabel* caption : {AntiAliasLabel2, AntiAliasLabel3, AntiAliasLabel4, AntiAliasLabel5})
        access::setDecorative(caption);
    access::setLabel(AntiAliasLabel6, tr("Stage"));
    access::setLabel(AntiAliasLabel7, tr("Time"));
    access::setLabel(AntiAliasLabel8, tr("Multiplier"));
    access::setLabel(AntiAliasLabel9, tr("Playing time"));
    access::setRole(AntiAliasLabel1, QAccessible::StatusBar);
    new access::Announcer(AntiAliasLabel1);
    access::setName(sg1, tr("Pay table"));
    describeHand();
}

void TForm1::describeHand()
{
    const bool dbl = m_gs.dbl.DoubleActive != 0;
    const bool redBlack = m_st.RedBlack != 0;
    access::setName(LbSpeedButton2, dbl ? tr("Bank all (Enter)") : tr("Deal/Draw (Enter)"));
    access::setName(LbSpeedButton3, !dbl       ? tr("Bet down (-)")
                                    : redBlack ? tr("Guess red (-)")
                                               : tr("Guess low (-)"));
    access::setName(LbSpeedButton4, !dbl       ? tr("Bet up (+)")
                                    : redBlack ? tr("Guess black (+)")
                                               : tr("Guess high (+)"));
    access::setName(LbSpeedButton5, dbl ? tr("Bank half (D)") : tr("Double-up (D)"));
    access::setChecked(autop, m_gs.Autoplay != 0);
    access::setChecked(proce, sg1->isVisible());

    for (int k = 1; k <= 5; ++k) {
        QString lampText;
        QString held;
        if (dbl) {
            const int mark = m_gs.dbl.DoubleMarks[k];
            lampText = mark == 1 ? tr("double-up, this card") : mark == 2 ? tr("double-up, won") : tr("off");
        } else {
            switch (m_lampKind[k]) {
            case CardImagery::LampHeld:
                lampText = tr("held");
                held = tr(", held");
                break;
            case CardImagery::LampWin:
                lampText = tr("winning");
                held = tr(", winning");
                break;
            default:
                lampText = tr("off");
                break;
            }
        }
        access::setName(lamp(k), tr("Lamp %1: %2").arg(k).arg(lampText));
        const QString face =
            m_faceDown[k] ? tr("Face down") : cardName(m_hand.Suit[size_t(k)], m_hand.Rank[size_t(k)]);
        access::setName(card(k), face + held);
    }
}

void TForm1::announceHand(bool final)
{
    auto* announcer = AntiAliasLabel1->findChild<access::Announcer*>();
    if (!announcer)
        return;
    QStringList cards;
    for (int k = 1; k <= 5; ++k)
        cards << access::nameOf(card(k));
    QString hand = AntiAliasLabel1->text().trimmed();
    if (hand.isEmpty())
        hand = tr("nothing");
    QString text;
    if (!final)
        text = tr("Dealt: %1. %2.").arg(cards.join(QStringLiteral("; ")), hand);
    else if (m_ct.Win > 0)
        text = tr("Final hand: %1. %2, win %3.").arg(cards.join(QStringLiteral("; ")), hand).arg(m_ct.Win);
    else
        text = tr("Final hand: %1. No win.").arg(cards.join(QStringLiteral("; ")));
    announcer->announce(text + QLatin1Char(' ') + tr("Credit %1.").arg(m_ct.Credit));
}

// A double-up card turned over: the win it leaves (0 when the guess lost).
void TForm1::announceGuess(int k)
{
    if (auto* announcer = AntiAliasLabel1->findChild<access::Announcer*>())
        announcer->announce(tr("%1: win %2.").arg(access::nameOf(card(k))).arg(m_ct.Win));
}

} // namespace tarvelle
