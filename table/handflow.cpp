// The round on the table: inputs go to the round, and what it asks for is drawn here.
#include "table/form1.h"

#include "table/coachpanel.h"

#include "engine/durations.h"

#include "storage/gamefiles.h"

#include "widgets/antialiaslabel.h"
#include "widgets/cardimagery.h"
#include "widgets/image.h"
#include "widgets/language.h"
#include "widgets/palette.h"
#include "widgets/stringaligngrid.h"

#include "sound/waveplayer.h"

namespace tarvelle {

void TForm1::pressButton(ArmedButton button)
{
    outdemo();
    m_round.input(Input::Press, button);
}

void TForm1::ImageMouseDown(int k)
{
    outdemo();
    m_round.input(Input::CardClick, k);
}

void TForm1::holdsProposed()
{
    coach->proposeHolds(m_hand);
}

void TForm1::holdChanged(int)
{
    m_trainingWarning->hide(); // the player changes the hold: the next press judges it anew
    coach->holdsChanged();
}

void TForm1::afterDeal()
{
    coach->dealShown();
    announceHand(false);
}

void TForm1::afterDraw()
{
    m_trainingWarning->hide();
    coach->drawEvaluated(m_gs.AutoAnimation != 0);
    announceHand(true);
}

// ---------------------------------------------------------------- drawing

TImage* TForm1::display(Display d) const
{
    switch (d) {
    case Display::Win:
        return win_im;
    case Display::Bonus:
        return bonus_im;
    case Display::Bet:
        return bet_im;
    case Display::Credit:
        return credit_im;
    }
    return nullptr;
}

TAntiAliasLabel* TForm1::label(Label l) const
{
    switch (l) {
    case Label::Message:
        return AntiAliasLabel1;
    case Label::Stage:
        return AntiAliasLabel6;
    case Label::Multiplier:
        return AntiAliasLabel8;
    }
    return nullptr;
}

void TForm1::drawValue(Display d, int32_t value, int brightness)
{
    m_imagery.nr(value, display(d), brightness);
}

void TForm1::setText(Label l, const std::string& text)
{
    // The round keeps the source text, so its checks never depend on the language shown.
    RoundEffects::setText(l, text);
    const QString shown = engineText(text);
    if (l == Label::Message) {
        // A casino game's longer names are set smaller; the table's own all fit at 27 pixels.
        QFont f = AntiAliasLabel1->font();
        int px = 27;
        f.setPixelSize(px);
        while (px > 14 && QFontMetrics(f).horizontalAdvance(shown) > AntiAliasLabel1->width())
            f.setPixelSize(--px);
        if (AntiAliasLabel1->font().pixelSize() != px)
            AntiAliasLabel1->setFont(f);
    }
    label(l)->setText(shown);
    describeHand();
}

void TForm1::dimMessage(bool dim)
{
    AntiAliasLabel1->setFontColor(dim ? palette::InkDim : palette::Ink);
}

void TForm1::play(CueName cue)
{
    m_sounds.play(cue);
}

void TForm1::showCard(int k)
{
    m_imagery.ShowCard(card(k), m_hand.Suit[size_t(k)], m_hand.Rank[size_t(k)]);
    m_faceDown[k] = false;
    describeHand();
    if (m_gs.dbl.DoubleActive)
        announceGuess(k);
}

void TForm1::showBacks()
{
    TImage* const cards[6] = {nullptr, Image1, Image2, Image3, Image4, Image5};
    m_imagery.ShowBacks(cards, m_hand);
    for (int k = 1; k <= 5; ++k)
        if (!m_hand.Held[size_t(k)])
            m_faceDown[k] = true;
    describeHand();
}

void TForm1::stheld()
{
    TImage* const lamps[6] = {nullptr, h1, h2, h3, h4, h5};
    m_imagery.stheld(lamps);
    for (uint8_t& kind : m_lampKind)
        kind = CardImagery::LampOff;
    describeHand();
}

void TForm1::showHoldLamps()
{
    TImage* const lamps[6] = {nullptr, h1, h2, h3, h4, h5};
    m_imagery.ShowHoldLamps(lamps, m_hand);
    for (int k = 1; k <= 5; ++k)
        m_lampKind[k] = m_hand.Held[size_t(k)] ? CardImagery::LampHeld : CardImagery::LampOff;
    describeHand();
}

void TForm1::showWinLamps()
{
    TImage* const lamps[6] = {nullptr, h1, h2, h3, h4, h5};
    m_imagery.ShowWinLamps(lamps, m_hand);
    for (int k = 1; k <= 5; ++k)
        m_lampKind[k] = m_hand.Held[size_t(k)] ? CardImagery::LampWin : CardImagery::LampOff;
    describeHand();
}

// ---------------------------------------------------------------- timers and files

void TForm1::startAnimation(bool autoplay)
{
    ClockTimer* timer = autoplay ? Timer5 : Timer4;
    timer->setInterval(durations::AnimationRest);
    timer->start();
}

void TForm1::revealPace(bool autoplay)
{
    (autoplay ? Timer5 : Timer4)->setInterval(durations::AnimationReveal);
}

void TForm1::stopAnimation(bool autoplay)
{
    ClockTimer* timer = autoplay ? Timer5 : Timer4;
    timer->stop();
    timer->setInterval(durations::AnimationRest);
}

void TForm1::autoplayTimer(bool on)
{
    if (on)
        Timer2->start();
    else
        Timer2->stop();
}

bool TForm1::oddsShown() const
{
    return sg1->isVisible();
}

void TForm1::save()
{
    // Each change is saved where it is decided; a save that would write the very record this
    // table wrote last is skipped, which spares a sync on most steps of a hand.
    if (m_gs.casino) {
        // A casino game's own file: poker.dat stays as the table's own game left it.
        const CasinoBook book{m_ct, m_gs.casinoCounts};
        if (m_lastSavedBook && *m_lastSavedBook == book)
            return;
        int io = 0;
        if (saveCasinoBook(*m_gs.casino, book, m_saveDir.toStdString(), &io))
            m_lastSavedBook = book;
        else
            m_lastSavedBook.reset();
        m_gs.IoCode = io;
        return;
    }
    const auto bytes = countersBytes(m_ct);
    if (m_lastSaved && *m_lastSaved == bytes)
        return;
    int io = 0;
    if (svct(m_ct, m_saveDir.toStdString(), &io))
        m_lastSaved = bytes;
    else
        m_lastSaved.reset();
    m_gs.IoCode = io;
}

void TForm1::saveSettings()
{
    int io = 0;
    saveini(m_st, m_saveDir.toStdString(), &io);
}

} // namespace tarvelle
