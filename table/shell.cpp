// The table shell: start-up sequence and screen checks, clocks, emblem, attract mode.
#include "table/form1.h"

#include "engine/coach.h"
#include "engine/durations.h"
#include "engine/evaluator.h"
#include "engine/paytable.h"

#include "widgets/antialiaslabel.h"
#include "widgets/cardimagery.h"
#include "widgets/image.h"
#include "widgets/lbspeedbutton.h"
#include "widgets/stringaligngrid.h"

#include "sound/waveplayer.h"

#include <QApplication>
#include <QTime>
#include <QTimer>

#include <cmath>

namespace tarvelle {

namespace {

struct Showcase {
    int ranks[5];
    int suits[5];
    int held; // how many cards from the left are held
    int handClass;
};

// One hand of each paying class, shown every ten seconds while nobody plays.
const Showcase kShowcase[10] = {
    {{11, 11, 7, 8, 9}, {1, 2, 1, 3, 4}, 2, ClassJacks},
    {{2, 2, 6, 6, 10}, {2, 3, 3, 4, 1}, 4, 3},
    {{4, 4, 4, 7, 8}, {3, 4, 1, 2, 1}, 3, 4},
    {{6, 7, 8, 9, 10}, {4, 1, 4, 2, 3}, 5, 5},
    {{2, 4, 6, 3, 9}, {2, 2, 2, 2, 2}, 5, 6},
    {{8, 8, 8, 11, 11}, {2, 3, 1, 4, 3}, 5, 7},
    {{12, 12, 12, 12, 10}, {2, 3, 1, 4, 3}, 5, 8},
    {{4, 5, 6, 7, 8}, {2, 2, 2, 2, 2}, 5, 9},
    {{10, 12, 13, 14, 11}, {3, 3, 3, 3, 3}, 5, 10},
    {{14, 14, 14, 14, 2}, {1, 2, 3, 4, 5}, 5, 11},
};

QString clockText(double days)
{
    const double frac = days - std::floor(days);
    const int minutes = int(frac * 24 * 60 + 1e-6) % (24 * 60);
    return QTime(minutes / 60, minutes % 60).toString(QStringLiteral("hh:mm"));
}

} // namespace

void TForm1::Timer1Timer()
{
    const QString now = QTime::currentTime().toString(QStringLiteral("hh:mm"));
    if (AntiAliasLabel7->text() != now)
        AntiAliasLabel7->setText(now);
    const QString elapsed = clockText(localDays() - m_gs.payout.StartTime);
    if (AntiAliasLabel9->text() != elapsed)
        AntiAliasLabel9->setText(elapsed);

    if (m_startTicks == 0)
        splash->show();
    if (m_startTicks < 100)
        ++m_startTicks;

    if (m_startTicks == 1) {
        const QSize screen = screenSize();
        const int depth = screenDepth();
        QString refusal;
        if (screen.width() < 800 || screen.height() < 600)
            refusal = tr("Minimum video mode required is 800x600 !");
        else if (depth > 0 && depth < 16) // depth 0: unknown, the check is skipped
            refusal = tr("Minimum color quality is 16 bits per pixel !");
        if (!refusal.isEmpty()) {
            Timer1->stop();
            mintro->setText(refusal);
            mintro->show();
            mintro->raise();
            // The message stays, then the program ends; nothing is saved.
            m_exitFrames.clear();
            m_exitFrame = 1;
            m_exitTimer->start(durations::ScreenRefusal);
            return;
        }
        m_sounds.play("intro");
    } else if (m_startTicks == 12) {
        splash->hide();
        mintro->hide();
        if (m_startTicks < 20)
            Image9->setPictureFrom(*desen, QRect(55, 51, 28, 29));
        for (QWidget* w : std::initializer_list<QWidget*>{red,
                                                          desen,
                                                          LbSpeedButton1,
                                                          LbSpeedButton2,
                                                          LbSpeedButton3,
                                                          LbSpeedButton4,
                                                          LbSpeedButton5,
                                                          proce,
                                                          autop,
                                                          betmax,
                                                          Image1,
                                                          Image2,
                                                          Image3,
                                                          Image4,
                                                          Image5,
                                                          off,
                                                          h1,
                                                          h2,
                                                          h3,
                                                          h4,
                                                          h5,
                                                          win_im,
                                                          bonus_im,
                                                          bet_im,
                                                          credit_im,
                                                          AntiAliasLabel1,
                                                          AntiAliasLabel2,
                                                          AntiAliasLabel3,
                                                          AntiAliasLabel4,
                                                          AntiAliasLabel5,
                                                          AntiAliasLabel6,
                                                          AntiAliasLabel7,
                                                          AntiAliasLabel8,
                                                          AntiAliasLabel9,
                                                          m_gameCaption})
            w->show();
        Image9->raise();
        m_emblemTicks = 0;
        m_idleTicks = 0;
        Timer3->start();
    } else if (m_startTicks == 13) {
        if (m_st.VoiceFx)
            m_sounds.play("welcome");
    } else if (m_startTicks == 20) {
        Image9->setPictureFrom(*Image6);
    }

    if (m_gs.dbl.DoubleActive)
        doubleLamps();
    describeHand(); // a double-up ended or autoplay stopped without a card or text to say so
}

void TForm1::Timer3Timer()
{
    m_emblemTicks = m_emblemTicks >= 600 ? 0 : uint16_t(m_emblemTicks + 1);
    switch (m_emblemTicks) {
    case 31:
        Image9->setPictureFrom(*Image7);
        break;
    case 32:
        Image9->setPictureFrom(*Image8);
        break;
    case 33:
        Image9->setPictureFrom(*Image10);
        break;
    case 34:
        Image9->setPictureFrom(*Image6);
        break;
    default:
        break;
    }
    // A big win waiting on the table keeps the emblem turning.
    if ((m_emblemTicks > 33 || m_emblemTicks < 30) && !m_gs.dbl.DoubleActive &&
        int64_t(m_ct.Win) >= int64_t(40) * m_ct.Bet)
        m_emblemTicks = 30;

    if (m_gs.HandActive || m_gs.dbl.DoubleActive || !isEnabled())
        m_idleTicks = 0;
    if (m_idleTicks < 10000)
        ++m_idleTicks;

    const int t = m_idleTicks;
    if (t == 600) {
        AntiAliasLabel6->setText(tr("Demo"));
        m_demoShown = true;
        clearShowcase();
    } else if (t >= 612 && t <= 1512 && (t - 612) % 100 == 0) {
        showShowcase((t - 612) / 100);
        if (t == 1512)
            m_idleTicks = 500;
    } else if (t >= 702 && t <= 1502 && (t - 702) % 100 == 0) {
        clearShowcase();
    }
}

void TForm1::clearShowcase()
{
    stheld();
    m_hand.clearHeld();
    AntiAliasLabel8->setText(QString());
    setText(Label::Message, HandNames[1]);
    showBacks();
}

void TForm1::showShowcase(int index)
{
    const Showcase& s = kShowcase[index];
    if (m_gs.casino && m_gs.casino->wild != Wild::Joker) {
        for (int k = 0; k < 5; ++k) {
            if (s.suits[k] == JokerSuit)
                return; // no Joker in this game's deck: that hand is left out
        }
    }
    for (int k = 1; k <= 5; ++k) {
        m_hand.Rank[size_t(k)] = uint8_t(s.ranks[k - 1]);
        m_hand.Suit[size_t(k)] = uint8_t(s.suits[k - 1]);
        m_hand.Held[size_t(k)] = k <= s.held ? 1 : 0;
        showCard(k);
    }
    showHoldLamps();
    // In a casino game the same cards are named and priced by that game.
    int cls = s.handClass;
    int64_t pays = Multiplier[size_t(cls)];
    if (m_gs.casino) {
        const std::array<int, 5> cards = handCards(m_hand);
        cls = GameClassifier(*m_gs.casino).classify(cards.data());
        pays = m_gs.casino->pay[size_t(cls)];
    }
    forma(cls); // silent: the idle count is past 500
    AntiAliasLabel8->setText(QString::number(pays));
}

void TForm1::outdemo()
{
    m_idleTicks = 0;
    if (m_demoShown) {
        m_demoShown = false;
        stheld();
        m_hand.clearHeld();
        AntiAliasLabel8->setText(QString());
        AntiAliasLabel6->setText(QStringLiteral("1"));
        setText(Label::Message, HandNames[1]);
    }
}

void TForm1::endProgram()
{
    m_ended = true;
    // exit() rather than quit(): quit() would first ask the windows to close, and the
    // table answers a close request with this very sequence.
    if (m_quitOnExit)
        QCoreApplication::exit(0);
}

} // namespace tarvelle
