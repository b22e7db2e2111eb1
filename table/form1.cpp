// Creation of the main table: the controls, their places and the game state at start.
#include "table/form1.h"

#include "table/coachpanel.h"
#include "table/systemclock.h"

#include "engine/durations.h"

#include "storage/cardfaces.h"
#include "storage/gamefiles.h"

#include "widgets/accessibility.h"
#include "widgets/antialiaslabel.h"
#include "widgets/cardimagery.h"
#include "widgets/hidpi.h"
#include "widgets/image.h"
#include "widgets/lbspeedbutton.h"
#include "widgets/palette.h"
#include "widgets/stringaligngrid.h"

#include "sound/waveplayer.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tarvelle {

namespace {

TAntiAliasLabel* makeLabel(QWidget* parent, const QString& name, int pixelSize, bool bold,
                           Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop)
{
    auto* l = new TAntiAliasLabel(parent);
    l->setObjectName(name);
    l->setAutoSize(false);
    l->setTransparent(true);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    l->setFont(f);
    l->setFontColor(palette::Ink);
    l->setAlignment(align);
    return l;
}

TImage* makeImage(QWidget* parent, const QString& name)
{
    auto* img = new TImage(parent);
    img->setObjectName(name);
    return img;
}

TLbSpeedButton* makeButton(QWidget* parent, const QString& name)
{
    auto* b = new TLbSpeedButton(parent);
    b->setObjectName(name);
    b->setFlat(true);
    b->setTransparent(true);
    b->setLayout(TLbSpeedButton::blcenter);
    b->setAlignment(TLbSpeedButton::taCenter);
    return b;
}

} // namespace

TForm1::TForm1(GameState& gs, SoundBank& sounds, CardImagery& imagery, const QString& appDir,
               const QString& saveDir, QWidget* parent)
    : QWidget(parent), m_gs(gs), m_st(gs.settings), m_ct(gs.counters), m_hand(gs.hand), m_sounds(sounds),
      m_imagery(imagery), m_systemClock(std::make_unique<SystemClock>()), m_clock(m_systemClock.get()),
      m_round(gs, *this, *m_clock), m_appDir(appDir), m_saveDir(saveDir)
{
    access::install(); // before the first control is described to a screen reader
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tarvelle"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);

    createControls();
    coach = new CoachPanel(*this, m_gs, m_saveDir.toStdString());
    describeControls();
    formCreate();
}

TForm1::~TForm1()
{
    finishOddsWork();
}

TImage* TForm1::card(int k) const
{
    TImage* const cards[] = {nullptr, Image1, Image2, Image3, Image4, Image5};
    return (k >= 1 && k <= 5) ? cards[k] : nullptr;
}

TImage* TForm1::lamp(int k) const
{
    TImage* const lamps[] = {nullptr, h1, h2, h3, h4, h5};
    return (k >= 1 && k <= 5) ? lamps[k] : nullptr;
}

void TForm1::setArt(TImage* img, const QString& name, QSize fallback) const
{
    img->setPicture(builtinPicture(name, fallback), hidpi::picture(name));
}

void TForm1::setArt(TLbSpeedButton* button, const QString& name, QSize fallback) const
{
    button->setGlyph(builtinPicture(name, fallback), hidpi::picture(name));
}

// Controls in the order the table is built: backdrop, splash, table picture, then
// everything that lies on the table.
void TForm1::createControls()
{
    red = makeImage(this, QStringLiteral("red"));
    red->setStretch(true);
    setArt(red, QStringLiteral("red"), {4, 600});
    splash = makeImage(this, QStringLiteral("splash"));
    setArt(splash, QStringLiteral("splash"), {800, 600});
    desen = makeImage(this, QStringLiteral("desen"));
    setArt(desen, QStringLiteral("desen"), {800, 600});

    mintro = makeLabel(this, QStringLiteral("mintro"), 13, true, Qt::AlignHCenter | Qt::AlignTop);
    mintro->setText(QString());

    Image9 = makeImage(this, QStringLiteral("Image9"));
    Image9->setPictureFrom(*splash, QRect(55, 51, 28, 29)); // empty until the first frame
    const QString emblems[] = {QStringLiteral("emblem1"), QStringLiteral("emblem2"),
                               QStringLiteral("emblem3"), QStringLiteral("emblem4")};
    Image6 = makeImage(this, QStringLiteral("Image6"));
    Image7 = makeImage(this, QStringLiteral("Image7"));
    Image8 = makeImage(this, QStringLiteral("Image8"));
    Image10 = makeImage(this, QStringLiteral("Image10"));
    TImage* frames[] = {Image6, Image7, Image8, Image10};
    for (int i = 0; i < 4; ++i) {
        setArt(frames[i], emblems[i], {28, 29});
        frames[i]->hide();
    }

    Image1 = makeImage(this, QStringLiteral("Image1"));
    Image2 = makeImage(this, QStringLiteral("Image2"));
    Image3 = makeImage(this, QStringLiteral("Image3"));
    Image4 = makeImage(this, QStringLiteral("Image4"));
    Image5 = makeImage(this, QStringLiteral("Image5"));
    h1 = makeImage(this, QStringLiteral("h1"));
    h2 = makeImage(this, QStringLiteral("h2"));
    h3 = makeImage(this, QStringLiteral("h3"));
    h4 = makeImage(this, QStringLiteral("h4"));
    h5 = makeImage(this, QStringLiteral("h5"));

    win_im = makeImage(this, QStringLiteral("win_im"));
    bonus_im = makeImage(this, QStringLiteral("bonus_im"));
    bet_im = makeImage(this, QStringLiteral("bet_im"));
    credit_im = makeImage(this, QStringLiteral("credit_im"));

    AntiAliasLabel1 = makeLabel(this, QStringLiteral("AntiAliasLabel1"), 27, true);
    AntiAliasLabel1->setText(tr("Welcome !"));
    AntiAliasLabel2 = makeLabel(this, QStringLiteral("AntiAliasLabel2"), 19, false);
    AntiAliasLabel2->setText(tr("win"));
    AntiAliasLabel3 = makeLabel(this, QStringLiteral("AntiAliasLabel3"), 19, false);
    AntiAliasLabel3->setText(tr("bonus"));
    AntiAliasLabel4 = makeLabel(this, QStringLiteral("AntiAliasLabel4"), 19, false);
    AntiAliasLabel4->setText(tr("bet"));
    AntiAliasLabel5 = makeLabel(this, QStringLiteral("AntiAliasLabel5"), 19, false);
    AntiAliasLabel5->setText(tr("credit"));
    AntiAliasLabel6 = makeLabel(this, QStringLiteral("AntiAliasLabel6"), 13, true);
    AntiAliasLabel6->setText(QStringLiteral("1"));
    AntiAliasLabel7 = makeLabel(this, QStringLiteral("AntiAliasLabel7"), 13, true);
    AntiAliasLabel8 = makeLabel(this, QStringLiteral("AntiAliasLabel8"), 13, true);
    AntiAliasLabel8->setText(QStringLiteral("0"));
    AntiAliasLabel9 = makeLabel(this, QStringLiteral("AntiAliasLabel9"), 13, true);

    LbSpeedButton1 = makeButton(this, QStringLiteral("LbSpeedButton1"));
    setArt(LbSpeedButton1, QStringLiteral("btn_extra"), {400, 100});
    LbSpeedButton2 = makeButton(this, QStringLiteral("LbSpeedButton2"));
    setArt(LbSpeedButton2, QStringLiteral("btn_deal"), {400, 100});
    LbSpeedButton3 = makeButton(this, QStringLiteral("LbSpeedButton3"));
    setArt(LbSpeedButton3, QStringLiteral("btn_betdown"), {400, 100});
    LbSpeedButton4 = makeButton(this, QStringLiteral("LbSpeedButton4"));
    setArt(LbSpeedButton4, QStringLiteral("btn_betup"), {400, 100});
    LbSpeedButton5 = makeButton(this, QStringLiteral("LbSpeedButton5"));
    setArt(LbSpeedButton5, QStringLiteral("btn_double"), {400, 100});
    betmax = makeButton(this, QStringLiteral("betmax"));
    setArt(betmax, QStringLiteral("btn_betmax"), {76, 19});
    autop = makeButton(this, QStringLiteral("autop"));
    setArt(autop, QStringLiteral("btn_autop"), {76, 19});
    proce = makeButton(this, QStringLiteral("proce"));
    setArt(proce, QStringLiteral("btn_proce"), {76, 19});
    off = makeButton(this, QStringLiteral("off"));
    setArt(off, QStringLiteral("btn_off"), {76, 19});

    createPayTable();
    m_gameCaption = makeGameCaption(this);
    m_trainingWarning = makeTrainingWarning(this);

    // Stacking: the backdrop at the bottom, the table above it, the controls on the
    // table, and the splash with its message line and the emblem on top.
    desen->lower();
    red->lower();
    splash->raise();
    mintro->raise();
    Image9->raise();
    sg1->raise();

    Timer1 = new ClockTimer(*m_clock, this);
    Timer1->setInterval(durations::StartupTick);
    Timer2 = new ClockTimer(*m_clock, this);
    Timer2->setInterval(durations::AutoplayStep);
    Timer3 = new ClockTimer(*m_clock, this);
    Timer3->setInterval(durations::IdleTick);
    Timer4 = new ClockTimer(*m_clock, this);
    Timer4->setInterval(durations::AnimationRest);
    Timer4->setTimerType(Qt::PreciseTimer);
    Timer5 = new ClockTimer(*m_clock, this);
    Timer5->setInterval(durations::AnimationRest);
    Timer5->setTimerType(Qt::PreciseTimer);
    m_wake = new ClockTimer(*m_clock, this);
    m_wake->setSingleShot(true);
    m_wake->setTimerType(Qt::PreciseTimer);
    m_exitTimer = new ClockTimer(*m_clock, this);
    m_exitTimer->setSingleShot(true);
    m_exitTimer->setTimerType(Qt::PreciseTimer);

    // At creation only the splash, the empty start-up line and the emblem are visible.
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        w->hide();
    splash->show();
    mintro->show();
    Image9->show();

    for (QWidget* w : findChildren<QWidget*>()) {
        w->setFocusPolicy(Qt::NoFocus);
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    setMouseTracking(true);
    connectControls();
}

void TForm1::connectControls()
{
    TImage* const cards[] = {Image1, Image2, Image3, Image4, Image5};
    for (int i = 0; i < 5; ++i) {
        const int k = i + 1;
        connect(cards[i], &TImage::mouseDown, this, [this, k](Qt::MouseButton b, QPoint) {
            if (b == Qt::LeftButton)
                ImageMouseDown(k);
        });
    }

    auto onLeft = [](auto fn) {
        return [fn](Qt::MouseButton b, QPoint) {
            if (b == Qt::LeftButton)
                fn();
        };
    };
    connect(LbSpeedButton1, &TLbSpeedButton::mouseDown, this, onLeft([this] { LbSpeedButton1MouseDown(); }));
    connect(LbSpeedButton1, &TLbSpeedButton::mouseUp, this, onLeft([this] { LbSpeedButton1MouseUp(); }));
    connect(LbSpeedButton2, &TLbSpeedButton::mouseDown, this, onLeft([this] { LbSpeedButton2MouseDown(); }));
    connect(LbSpeedButton2, &TLbSpeedButton::mouseUp, this, onLeft([this] { LbSpeedButton2MouseUp(); }));
    connect(LbSpeedButton3, &TLbSpeedButton::mouseDown, this, onLeft([this] { LbSpeedButton3MouseDown(); }));
    connect(LbSpeedButton3, &TLbSpeedButton::mouseUp, this, onLeft([this] { LbSpeedButton3MouseUp(); }));
    connect(LbSpeedButton4, &TLbSpeedButton::mouseDown, this, onLeft([this] { LbSpeedButton4MouseDown(); }));
    connect(LbSpeedButton4, &TLbSpeedButton::mouseUp, this, onLeft([this] { LbSpeedButton4MouseUp(); }));
    connect(LbSpeedButton5, &TLbSpeedButton::mouseDown, this, onLeft([this] { LbSpeedButton5MouseDown(); }));
    connect(LbSpeedButton5, &TLbSpeedButton::mouseUp, this, onLeft([this] { LbSpeedButton5MouseUp(); }));
    connect(betmax, &TLbSpeedButton::mouseDown, this, onLeft([this] { betmaxMouseDown(); }));
    connect(betmax, &TLbSpeedButton::mouseUp, this, onLeft([this] { betmaxMouseUp(); }));
    connect(autop, &TLbSpeedButton::mouseDown, this, onLeft([this] { autopMouseDown(); }));
    connect(autop, &TLbSpeedButton::mouseUp, this, onLeft([this] { autopMouseUp(); }));
    connect(proce, &TLbSpeedButton::mouseDown, this, onLeft([this] { proceMouseDown(); }));
    connect(proce, &TLbSpeedButton::mouseUp, this, onLeft([this] { proceMouseUp(); }));
    connect(off, &TLbSpeedButton::mouseDown, this, [this] { outdemo(); });
    connect(off, &TLbSpeedButton::clicked, this, [this] { offClick(); });

    connect(sg1, &TStringAlignGrid::mouseDown, this, [this](QPoint p) { sg1MouseDown(p); });
    connect(sg1, &TStringAlignGrid::mouseMoved, this, [this](QPoint p) { sg1MouseMove(p); });
    connect(sg1, &TStringAlignGrid::mouseUp, this, [this](QPoint) { sg1MouseUp(); });

    connect(Timer1, &ClockTimer::timeout, this, [this] { Timer1Timer(); });
    connect(Timer2, &ClockTimer::timeout, this, [this] { Timer2Timer(); });
    connect(Timer3, &ClockTimer::timeout, this, [this] { Timer3Timer(); });
    connect(Timer4, &ClockTimer::timeout, this, [this] { Timer4Timer(); });
    connect(Timer5, &ClockTimer::timeout, this, [this] { Timer5Timer(); });
    connect(m_wake, &ClockTimer::timeout, this, [this] { m_round.input(Input::WaitOver); });
    connect(m_exitTimer, &ClockTimer::timeout, this, [this] { exitStep(); });
}

QPoint TForm1::originFor(QSize screen)
{
    // C++ division truncates toward zero, as the table expects on small screens.
    return {(screen.width() - 800) / 2, (screen.height() - 600) / 2};
}

std::optional<double> TForm1::fittingScale(QSize logical, double ratio)
{
    if (logical.width() >= 800 && logical.height() >= 600)
        return std::nullopt;
    double fit = std::min(logical.width() * ratio / 800.0, logical.height() * ratio / 600.0);
    fit = std::floor(fit * 1000.0) / 1000.0; // a hair small rather than a pixel short
    if (fit < 1.0 || fit >= ratio)
        return std::nullopt;
    return fit;
}

QSize TForm1::screenSize() const
{
    if (m_screenOverride.isValid())
        return m_screenOverride;
    if (QScreen* s = QGuiApplication::primaryScreen())
        return s->geometry().size();
    return {800, 600};
}

int TForm1::screenDepth() const
{
    if (m_depthOverride > 0)
        return m_depthOverride;
    if (QScreen* s = QGuiApplication::primaryScreen())
        return s->depth();
    return 0; // unknown: the depth check is skipped
}

void TForm1::setScreenMetrics(QSize size, int depth)
{
    m_screenOverride = size;
    m_depthOverride = depth;
    resize(size);
    placeControls();
}

void TForm1::resizeEvent(QResizeEvent* e)
{
    // A window manager maximises the table to its work area, and may do so after the first
    // show: the play area follows the window, not the screen.
    placeControls();
    QWidget::resizeEvent(e);
}

void TForm1::placeControls()
{
    const QSize area = areaSize();
    const QPoint o = originFor(area);
    const QPoint moved = o - QPoint(m_originX, m_originY);
    m_originX = o.x();
    m_originY = o.y();
    auto place = [&](QWidget* w, int x, int y, int width, int height) {
        w->setGeometry(m_originX + x, m_originY + y, width, height);
    };

    red->setGeometry(0, 0, area.width(), area.height());
    place(splash, 0, 0, 800, 600);
    place(desen, 0, 0, 800, 600);
    place(mintro, 0, 520, 770, 20);
    place(Image9, 55, 51, 28, 29);
    for (TImage* f : {Image6, Image7, Image8, Image10})
        place(f, 55, 51, 28, 29);
    place(LbSpeedButton1, 502, 460, 100, 100);
    place(LbSpeedButton2, 351, 460, 100, 100);
    place(LbSpeedButton3, 67, 458, 100, 100);
    place(LbSpeedButton4, 180, 458, 100, 100);
    place(LbSpeedButton5, 640, 458, 100, 100);
    place(betmax, 304, 500, 20, 20);
    place(autop, 466, 500, 20, 20);
    place(proce, 612, 500, 20, 20);
    place(off, 767, 14, 20, 20);
    place(win_im, 622, 57, 130, 17);
    place(bonus_im, 622, 89, 130, 17);
    place(bet_im, 622, 121, 130, 17);
    place(credit_im, 622, 153, 130, 17);
    for (int k = 1; k <= 5; ++k) {
        place(card(k), 35 + 152 * (k - 1), 228, 122, 164);
        place(lamp(k), 88 + 152 * (k - 1), 416, 18, 18);
    }
    place(AntiAliasLabel1, 102, 136, 289, 37);
    place(AntiAliasLabel2, 505, 51, 89, 29);
    place(AntiAliasLabel3, 505, 83, 89, 29);
    place(AntiAliasLabel4, 505, 115, 89, 29);
    place(AntiAliasLabel5, 505, 149, 89, 29);
    place(AntiAliasLabel6, 63, 133, 57, 19);
    place(AntiAliasLabel7, 63, 155, 57, 19);
    place(AntiAliasLabel8, 386, 133, 57, 19);
    place(AntiAliasLabel9, 386, 155, 57, 19);
    const QRect caption = gameCaptionRect();
    place(m_gameCaption, caption.x(), caption.y(), caption.width(), caption.height());
    const QRect warning = trainingWarningRect();
    place(m_trainingWarning, warning.x(), warning.y(), warning.width(), warning.height());

    // A pay table the player dragged keeps its place on the play area.
    m_payGridLeft += moved.x();
    m_payGridTop += moved.y();
    placePayTable();
}

// The game-state side of creating the table.
void TForm1::formCreate()
{
    QString error;
    if (!m_imagery.LoadCardImages(m_appDir, &error)) {
        m_startupError = error.isEmpty() ? tr("The card file poker2.dat could not be read.") : error;
        return;
    }

    int io = 0;
    loadini(m_st, m_saveDir.toStdString(), &io);
    LoadState counters = LoadState::Loaded;
    ldct(m_ct, m_saveDir.toStdString(), &io, &counters);
    m_gs.IoCode = io;
    if (counters == LoadState::Damaged) {
        // The defaults take its place, but the player hears of it and keeps the old bytes.
        const std::string kept = keepDamagedFile(m_saveDir.toStdString(), "poker.dat");
        m_loadNotice = tr("The counters file poker.dat was damaged: the game starts from the "
                          "defaults (credit 1000, statistics 0).");
        if (!kept.empty())
            m_loadNotice += tr("\nThe damaged file is kept as %1.").arg(QString::fromStdString(kept));
        std::fprintf(stderr, "tarvelle: %s\n", qPrintable(QString(m_loadNotice).replace('\n', ' ')));
    }

    // A missing or broken back file keeps the default back; the game goes on.
    if (m_st.DeckNo != 0)
        m_imagery.LoadCardBack(m_st.DeckNo);
    m_imagery.setFourColours(loadCardFaces(m_saveDir.toStdString()) == CardFaces::FourColours);

    m_gs.State = 3;
    m_gs.HandActive = 0;
    m_gs.dbl.DoubleActive = 0;
    m_gs.Autoplay = 0;
    m_gs.payout.TightFlag = 0;
    m_gs.Armed.fill(0);

    m_gs.rng.seed(m_clock->seedTicks());

    m_imagery.loadDigitStrip();
    m_imagery.loadLamps();
    loadGames();
    placeControls();
    showGame();

    for (int k = 1; k <= 5; ++k)
        card(k)->setPicture(m_imagery.cardImage(CardImagery::BackIndex),
                            m_imagery.cardHires(CardImagery::BackIndex));
    stheld();
    m_imagery.nr(m_ct.Win, win_im, 0);
    m_imagery.nr(m_ct.Bonus, bonus_im, 0);
    m_imagery.nr(m_ct.Bet, bet_im, 0);
    m_imagery.nr(m_ct.Credit, credit_im, 0);

    AntiAliasLabel7->setText(QTime::currentTime().toString(QStringLiteral("hh:mm")));
    m_gs.payout.StartTime = localDays();
    Timer1->start();
}

void TForm1::setClock(Clock& clock)
{
    m_clock = &clock;
    m_round.setClock(clock);
    for (ClockTimer* t : {Timer1, Timer2, Timer3, Timer4, Timer5, m_wake, m_exitTimer})
        t->setClock(clock);
    m_gs.payout.StartTime = m_clock->localDays();
}

void TForm1::showTable()
{
    if (QScreen* s = QGuiApplication::primaryScreen())
        setGeometry(s->availableGeometry()); // where no window manager maximises
    showMaximized();
    activateWindow();
    setFocus();
}

} // namespace tarvelle
