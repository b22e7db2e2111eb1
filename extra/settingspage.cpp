#include "engine/money.h"
#include "engine/payoutcontrol.h"
#include "extra/figures.h"
#include "extra/form2.h"
#include "storage/cardfaces.h"
#include "storage/gamefiles.h"
#include "widgets/accessibility.h"
#include "widgets/antialiaslabel.h"
#include "widgets/cardimagery.h"
#include "widgets/image.h"
#include "widgets/language.h"
#include "widgets/palette.h"

#include <QMessageBox>

namespace tarvelle {

namespace {

const QColor& kItemNormal = palette::Item;
const QColor& kItemOver = palette::Ink;
const QColor& kAccountResetNormal = palette::AccountReset;
const QColor& kAccountResetOver = palette::Item;
const QColor& kHeading = palette::Heading;
const QColor& kValue = palette::Value;
const QColor& kInk = palette::Ink;
const QColor& kPanel = palette::Panel;
const QColor kUnavailable(50, 80, 90); // a caption that is not available, greyed on the ground

struct ToggleInfo {
    const char* caption;
    uint8_t Settings::*setting;
    int lampX, captionX, y;
};

// In the order of TForm2::Toggle.
const ToggleInfo kToggles[TForm2::ToggleCount] = {
    {QT_TRANSLATE_NOOP("tarvelle::TForm2", "Add Joker"), &Settings::Joker, 20, 68, 69},
    {QT_TRANSLATE_NOOP("tarvelle::TForm2", "Double Game"), &Settings::DoubleGame, 20, 68, 109},
    {QT_TRANSLATE_NOOP("tarvelle::TForm2", "Auto Double"), &Settings::AutoDouble, 20, 68, 149},
    {QT_TRANSLATE_NOOP("tarvelle::TForm2", "Red - Black"), &Settings::RedBlack, 20, 68, 189},
    {QT_TRANSLATE_NOOP("tarvelle::TForm2", "Auto Hold"), &Settings::AutoHold, 20, 68, 229},
    {QT_TRANSLATE_NOOP("tarvelle::TForm2", "Smart Hold"), &Settings::SmartHold, 20, 68, 269},
    {QT_TRANSLATE_NOOP("tarvelle::TForm2", "Sound FX"), &Settings::SoundFx, 20, 68, 309},
    {QT_TRANSLATE_NOOP("tarvelle::TForm2", "Voice FX"), &Settings::VoiceFx, 20, 68, 349},
    {QT_TRANSLATE_NOOP("tarvelle::TForm2", "Auto Bet"), &Settings::AutoBet, 20, 68, 389},
    {QT_TRANSLATE_NOOP("tarvelle::TForm2", "Hold High Card"), &Settings::HoldHighCard, 242, 292, 69},
    {QT_TRANSLATE_NOOP("tarvelle::TForm2", "Hold Open Inside Straight"), &Settings::HoldOpenInside, 242, 292,
     109},
    {QT_TRANSLATE_NOOP("tarvelle::TForm2", "Payout Rate"), &Settings::PayoutControl, 242, 292, 149},
};

const char* const kRateCaptions[TForm2::RateCount] = {"100 %", "90 %", "80 %", "70 %", "60 %", "50 %"};
const uint8_t kRates[TForm2::RateCount] = {100, 90, 80, 70, 60, 50};
const int kRateY[TForm2::RateCount] = {189, 228, 269, 309, 350, 387};

const QPoint kPreviewPos[TForm2::DeckCount] = {{617, 124}, {691, 124}, {617, 266}, {691, 266}};
const QPoint kDeckLampPos[TForm2::DeckCount] = {{627, 212}, {700, 212}, {627, 356}, {700, 356}};
// The card faces, under the backs: a lamp and a caption each.
const char* const kFaceCaptions[TForm2::FaceCount] = {QT_TRANSLATE_NOOP("tarvelle::TForm2", "Classic"),
                                                     QT_TRANSLATE_NOOP("tarvelle::TForm2", "Four colours")};
const int kFaceY[TForm2::FaceCount] = {384, 410};

TForm2::WarningHandler& warningHandler()
{
    static TForm2::WarningHandler handler = [](const QString& message) {
        QMessageBox::warning(nullptr, QStringLiteral("Tarvelle"), message);
    };
    return handler;
}

// A fixed-size caption with its own background, like the headings and values.
void showFigure(TAntiAliasLabel* label, int64_t value)
{
    label->setText(fitFigure(value, label->font(), label->width()));
}

void boxed(TAntiAliasLabel* label, int w, int h, const QColor& background, Qt::Alignment align)
{
    label->setAutoSize(false);
    shrinkToFit(label, label->text(), w - 4);
    label->resize(w, h);
    label->setTransparent(false);
    label->setColor(background);
    label->setAlignment(align);
}

// Clicks on an image control: a left press and release inside it.
template <typename F> void onImageClick(TImage* image, QObject* context, F f)
{
    QObject::connect(image, &TImage::mouseUp, context, [image, f](Qt::MouseButton b, QPoint pos) {
        if (b == Qt::LeftButton && image->rect().contains(pos))
            f();
    });
}

} // namespace

void TForm2::setWarningHandler(WarningHandler handler)
{
    warningHandler() = std::move(handler);
}

void TForm2::buildSettingsPage()
{
    auto& page = m_pageWidgets[1];
    for (int t = 0; t < ToggleCount; ++t) {
        const ToggleInfo& info = kToggles[t];
        auto* lamp = new TImage(this);
        lamp->setGeometry(info.lampX, info.y, 30, 23);
        setLamp(lamp, false);
        auto* label = caption(this, tr(info.caption), info.captionX, info.y);
        makeHover(label, kItemNormal, kItemOver);
        connect(label, &TAntiAliasLabel::clicked, this, [this, t] { toggleClick(t); });
        onImageClick(lamp, this, [this, t] { toggleClick(t); });
        m_toggleLamps[size_t(t)] = lamp;
        m_toggleLabels[size_t(t)] = label;
        page << lamp << label;
    }
    boxed(m_toggleLabels[TgPayoutControl], 159, 24, kHeading, Qt::AlignLeft);

    for (int i = 0; i < RateCount; ++i) {
        auto* lamp = new TImage(this);
        lamp->setGeometry(242, kRateY[i], 30, 23);
        setLamp(lamp, false);
        auto* label = caption(this, kRateCaptions[i], 292, kRateY[i]);
        makeHover(label, kItemNormal, kItemOver);
        connect(label, &TAntiAliasLabel::clicked, this, [this, i] { rateClick(i); });
        onImageClick(lamp, this, [this, i] { rateClick(i); });
        m_rateLamps[size_t(i)] = lamp;
        m_rateLabels[size_t(i)] = label;
        page << lamp << label;
    }

    // Made here, beside the rates, so Tab reaches it in the order the eye does.
    buildLanguageChoice();

    auto* decks = caption(this, tr("Decks"), 594, 70);
    boxed(decks, 159, 22, kHeading, Qt::AlignHCenter);
    decks->setFontColor(kInk);
    page << decks;
    for (int d = 0; d < DeckCount; ++d) {
        auto* preview = new TImage(this);
        preview->setGeometry(QRect(kPreviewPos[d], QSize(48, 72)));
        setArt(preview, QStringLiteral("deckprev%1").arg(d).toLatin1().constData(), 48, 72);
        preview->setCursor(Qt::PointingHandCursor);
        auto* lamp = new TImage(this);
        lamp->setGeometry(QRect(kDeckLampPos[d], QSize(30, 23)));
        setLamp(lamp, false);
        onImageClick(preview, this, [this, d] { deckClick(d); });
        onImageClick(lamp, this, [this, d] { deckClick(d); });
        m_deckPreviews[size_t(d)] = preview;
        m_deckLamps[size_t(d)] = lamp;
        page << preview << lamp;
    }

    buildFacesChoice();
    buildAccountPanel();
    page << Panel1;
}

void TForm2::buildFacesChoice()
{
    for (int i = 0; i < FaceCount; ++i) {
        auto* lamp = new TImage(this);
        lamp->setGeometry(600, kFaceY[i], 30, 23);
        setLamp(lamp, false);
        auto* label = caption(this, tr(kFaceCaptions[i]), 640, kFaceY[i]);
        makeHover(label, kItemNormal, kItemOver);
        connect(label, &TAntiAliasLabel::clicked, this, [this, i] { facesClick(i); });
        onImageClick(lamp, this, [this, i] { facesClick(i); });
        m_faceLamps[size_t(i)] = lamp;
        m_faceLabels[size_t(i)] = label;
        m_pageWidgets[1] << lamp << label;
    }
}

void TForm2::buildAccountPanel()
{
    Panel1 = new QWidget(this);
    Panel1->setGeometry(128, 438, 566, 141);
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, kPanel);
    Panel1->setPalette(pal);
    Panel1->setAutoFillBackground(true);

    auto heading = [this](const QString& text, int x, int y, int w) {
        auto* label = caption(Panel1, text, x, y);
        boxed(label, w, 24, kHeading, Qt::AlignHCenter);
        label->setFontColor(kInk);
        m_headings << label;
        return label;
    };
    auto value = [this](int x, int y, int w) {
        auto* label = caption(Panel1, "0", x, y);
        boxed(label, w, 24, kValue, Qt::AlignHCenter);
        label->setFontColor(kInk);
        return label;
    };
    heading(tr("My Account"), 34, 28, 159);
    m_accountValue = value(34, 55, 159);
    heading(tr("Credit"), 375, 28, 159);
    m_creditValue = value(375, 55, 159);
    heading(tr("Tarvelle Account"), 130, 99, 159);
    m_recordValue = value(289, 99, 152);

    auto button = [this](const QString& text, int y) {
        auto* label = caption(Panel1, text, 229, y);
        boxed(label, 117, 24, kHeading, Qt::AlignHCenter);
        makeHover(label, kItemNormal, kItemOver);
        for (auto [x, name] : {std::pair{220, "arrow_right"}, std::pair{351, "arrow_left"}}) {
            auto* arrow = new TImage(Panel1);
            arrow->setGeometry(x, y, 9, 24);
            setArt(arrow, name, 9, 24);
            m_buttonArrows[label] << arrow;
        }
        m_accountButtons << label;
        return label;
    };
    connect(button(tr("Insert 1000"), 28), &TAntiAliasLabel::clicked, this, &TForm2::insertClick);
    connect(button(tr("Cashout"), 55), &TAntiAliasLabel::clicked, this, &TForm2::cashoutClick);

    auto* reset = caption(Panel1, tr("Reset"), 445, 98);
    boxed(reset, 87, 24, kPanel, Qt::AlignHCenter);
    makeHover(reset, kAccountResetNormal, kAccountResetOver);
    m_accountButtons << reset;
    connect(reset, &TAntiAliasLabel::clicked, this, &TForm2::accountResetClick);
}

void TForm2::refreshSettingsPage()
{
    showTableGameControls();
    for (int t = 0; t < ToggleCount; ++t)
        setLamp(m_toggleLamps[size_t(t)], m_game.settings.*kToggles[t].setting != 0);
    showAccount();
    showFigure(m_recordValue, m_game.counters.AccountRecord);
    ratele();
    dk();
    showFaces();
}

// The casino game's own deck and pays decide what these switches would: they are shown, with
// their stored values, as not available, and nothing reaches them.
void TForm2::showTableGameControls()
{
    const bool off = m_game.casino.has_value();
    if (off == m_tableControlsOff)
        return;
    m_tableControlsOff = off;
    QList<std::pair<TAntiAliasLabel*, TImage*>> controls;
    for (int t = 0; t < ToggleCount; ++t)
        if (tableGameOnly(t))
            controls.append({m_toggleLabels[size_t(t)], m_toggleLamps[size_t(t)]});
    for (int i = 0; i < RateCount; ++i)
        controls.append({m_rateLabels[size_t(i)], m_rateLamps[size_t(i)]});
    for (const auto& [label, lamp] : std::as_const(controls)) {
        label->setEnabled(!off);
        lamp->setEnabled(!off);
        label->setFocusPolicy(off ? Qt::NoFocus : Qt::TabFocus);
        label->setFontColor(off ? kUnavailable : kItemNormal);
        label->setCursor(off ? Qt::ArrowCursor : Qt::PointingHandCursor);
        access::setDescription(label, off ? tr("Only for the table's own game") : QString());
        setLamp(lamp, lampLit(lamp));
    }
}

void TForm2::showAccount()
{
    const Counters& c = m_game.counters;
    showFigure(m_creditValue, c.Credit);
    showFigure(m_accountValue, Round::accountBalance(c));
}

QString TForm2::creditText() const
{
    return m_creditValue->text();
}

QString TForm2::myAccountText() const
{
    return m_accountValue->text();
}

QString TForm2::accountRecordText() const
{
    return m_recordValue->text();
}

void TForm2::toggleClick(int toggle)
{
    if (toggle < 0 || toggle >= ToggleCount || (m_game.casino && tableGameOnly(toggle)))
        return;
    const bool refused = (toggle == TgJoker && (m_game.HandActive || m_game.dbl.DoubleActive)) ||
                         (toggle == TgRedBlack && m_game.dbl.DoubleActive);
    if (refused) {
        errorSound();
        return;
    }
    // The sound is decided before the flip: turning "Sound FX" off still clicks.
    clickSound();
    uint8_t& value = m_game.settings.*kToggles[toggle].setting;
    const uint8_t before = value;
    value ^= 1;
    keepSettings();
    setLamp(m_toggleLamps[size_t(toggle)], before != 1);
}

void TForm2::rateClick(int index)
{
    if (index < 0 || index >= RateCount || !m_game.settings.PayoutControl || m_game.casino)
        return;
    clickSound();
    m_game.settings.PayoutRate = kRates[index];
    keepSettings();
    ratele();
}

void TForm2::ratele()
{
    for (TImage* lamp : m_rateLamps)
        setLamp(lamp, false);
    const uint8_t rate = NormalisePayoutRate(m_game.settings.PayoutRate);
    if (rate != m_game.settings.PayoutRate && !m_game.casino) {
        m_game.settings.PayoutRate = rate;
        keepSettings();
    }
    for (int i = 0; i < RateCount; ++i)
        if (kRates[i] == rate)
            setLamp(m_rateLamps[size_t(i)], true);
}

void TForm2::deckClick(int deck)
{
    if (deck < 0 || deck >= DeckCount)
        return;
    clickSound();
    m_game.settings.DeckNo = uint8_t(deck);
    keepSettings();
    m_lastBackWarning.clear(); // a choice always reports a missing file
    dk();
}

void TForm2::dk()
{
    for (TImage* lamp : m_deckLamps)
        setLamp(lamp, false);
    const int deck = m_game.settings.DeckNo;
    if (deck >= DeckCount)
        return;
    setLamp(m_deckLamps[size_t(deck)], true);
    QString error;
    if (m_cards.LoadCardBack(deck, &error)) {
        m_lastBackWarning.clear();
        return;
    }
    // Deck 0 is the back from the card file, which the table has already vouched for.
    if (deck == 0)
        return;
    const QString file = m_appDir + QStringLiteral("deck%1.bmp").arg(deck);
    QString message = tr("Cannot open the card back \"%1\".").arg(file);
    if (!error.isEmpty() && !error.contains(file))
        message += QLatin1Char('\n') + error;
    // Showing the Settings page again does not repeat the same warning.
    if (message == m_lastBackWarning)
        return;
    m_lastBackWarning = message;
    if (warningHandler())
        warningHandler()(message);
}

void TForm2::facesClick(int faces)
{
    if (faces < 0 || faces >= FaceCount)
        return;
    clickSound();
    const bool four = faces == 1;
    saveCardFaces(four ? CardFaces::FourColours : CardFaces::Classic, m_saveDir.toStdString());
    if (four != m_cards.fourColours()) {
        m_cards.setFourColours(four);
        emit cardFacesChanged();
    }
    showFaces();
}

void TForm2::showFaces()
{
    for (int i = 0; i < FaceCount; ++i)
        setLamp(m_faceLamps[size_t(i)], (i == 1) == m_cards.fourColours());
}

// Every change reaches the disk when it is made, before it is shown: a crash with the screen
// open undoes nothing.
void TForm2::keepSettings()
{
    saveini(m_game.settings, m_saveDir.toStdString(), &m_game.IoCode);
    emit settingsChanged();
}

void TForm2::keepCounters()
{
    // A casino game's money is in the counters while it is played: not the table's file.
    if (!m_game.casino)
        svct(m_game.counters, m_saveDir.toStdString(), &m_game.IoCode);
    emit countersChanged();
}

// The account operations are the round's; a screen without a table applies the same rules.
void TForm2::insertClick()
{
    if (m_round) {
        m_round->input(Input::Insert); // saves as it changes
    } else if (Round::insertCredit(m_game.counters)) {
        keepCounters();
        clickSound();
    } else {
        errorSound();
    }
    showAccount();
}

void TForm2::cashoutClick()
{
    if (m_round) {
        m_round->input(Input::Cashout);
    } else if (Round::cashoutCredit(m_game.counters)) {
        keepCounters();
        clickSound();
    } else {
        errorSound();
    }
    showAccount();
    showFigure(m_recordValue, m_game.counters.AccountRecord);
}

void TForm2::accountResetClick()
{
    if (m_round) {
        m_round->input(Input::AccountReset);
    } else {
        Round::resetAccount(m_game.counters);
        keepCounters();
    }
    pages(1);
}

} // namespace tarvelle
