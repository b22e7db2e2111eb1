#include "extra/form2.h"

#include "extra/chartpage.h"
#include "extra/riskworker.h"
#include "sound/waveplayer.h"
#include "storage/gamefiles.h"
#include "widgets/accessibility.h"
#include "widgets/antialiaslabel.h"
#include "widgets/hidpi.h"
#include "widgets/image.h"
#include "widgets/language.h"
#include "widgets/palette.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>

namespace tarvelle {

namespace {

const QColor& kBackground = palette::Table;
const QColor& kMenuNormal = palette::Table;
const QColor& kMenuOver = palette::MenuOver;

// A lamp that is not available: its picture in greys over the screen's ground, dimmed.
QImage greyed(const QImage& lamp)
{
    if (lamp.isNull())
        return lamp;
    QImage img = lamp.convertToFormat(QImage::Format_RGB32);
    const int groundGrey = qGray(kBackground.rgb());
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int lift = (qGray(line[x]) - groundGrey) * 3 / 5;
            line[x] = qRgb(std::clamp(kBackground.red() + lift, 0, 255),
                           std::clamp(kBackground.green() + lift, 0, 255),
                           std::clamp(kBackground.blue() + lift, 0, 255));
        }
    }
    return img;
}

} // namespace

TForm2::TForm2(GameState& game, SoundBank& sounds, CardImagery& cards, const QString& appDir,
               const QString& saveDir, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint), m_game(game), m_sounds(sounds), m_cards(cards),
      m_appDir(appDir), m_saveDir(saveDir)
{
    if (!m_appDir.isEmpty() && !m_appDir.endsWith('/'))
        m_appDir += '/';
    access::install(); // before the first control is described to a screen reader
    setObjectName("Form2");
    setWindowTitle(tr("Extra"));
    setFixedSize(800, 600);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);
    setAutoFillBackground(true);
    QFont f("Arial");
    f.setPixelSize(19);
    setFont(f);

    m_ena = builtinPicture(QStringLiteral("ena"), {30, 23});
    m_dis = builtinPicture(QStringLiteral("dis"), {30, 23});
    m_enaHires = hidpi::picture(QStringLiteral("ena"));
    m_disHires = hidpi::picture(QStringLiteral("dis"));
    m_greyLamps = {greyed(m_ena), greyed(m_dis), greyed(m_enaHires), greyed(m_disHires)};

    buildMenu();
    buildSettingsPage();
    buildHelpPage();
    buildStatsPage();
    buildChartPage();
    // Every page control starts hidden; pages() shows one page at a time.
    for (const auto& list : m_pageWidgets)
        for (QWidget* w : list)
            w->hide();
    buildKeyboard();
    hide();
}

TForm2::~TForm2()
{
    // Closing the window takes the focus from an entry, which would ask for figures again.
    for (QLineEdit* field : {m_bankrollField, m_handsField})
        disconnect(field, nullptr, this, nullptr);
    // It may be finishing figures for this screen; their delivery dies with the screen.
    m_riskWorker.reset();
}

void TForm2::setArt(TImage* img, const char* name, int w, int h)
{
    img->setPicture(builtinPicture(QLatin1String(name), {w, h}), hidpi::picture(QLatin1String(name)));
}

TAntiAliasLabel* TForm2::caption(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new TAntiAliasLabel(parent);
    QFont f("Arial");
    f.setPixelSize(19);
    label->setFont(f);
    label->setText(text);
    label->move(x, y);
    label->setTransparent(true);
    return label;
}

void TForm2::makeHover(TAntiAliasLabel* label, const QColor& normal, const QColor& over)
{
    label->setFontColor(normal);
    label->setCursor(Qt::PointingHandCursor);
    // A caption that is not available keeps its grey.
    connect(label, &TAntiAliasLabel::mouseEnter, label, [label, over] {
        if (label->isEnabled())
            label->setFontColor(over);
    });
    connect(label, &TAntiAliasLabel::mouseLeave, label, [label, normal] {
        if (label->isEnabled())
            label->setFontColor(normal);
    });
    m_hoverLabels.append({label, normal});
}

void TForm2::resetHover()
{
    for (const auto& [label, normal] : m_hoverLabels)
        if (label->isEnabled())
            label->setFontColor(normal);
}

void TForm2::buildMenu()
{
    Image1 = new TImage(this);
    Image1->setGeometry(0, 0, 800, 43);
    setArt(Image1, "menubar", 800, 43);
    const char* names[5] = {QT_TR_NOOP("Settings"), QT_TR_NOOP("Help"), QT_TR_NOOP("Statistics"),
                            QT_TR_NOOP("Chart"), QT_TR_NOOP("Close")};
    const int xs[5] = {68, 180, 264, 390, 732};
    const int room[5] = {92, 62, 104, 66, 64}; // up to the next separator or the edge
    for (int i = 0; i < 5; ++i) {
        auto* label = caption(this, tr(names[i]), xs[i], 10);
        shrinkToFit(label, label->text(), room[i]);
        makeHover(label, kMenuNormal, kMenuOver);
        m_menuLabels[size_t(i)] = label;
    }
    connect(m_menuLabels[0], &TAntiAliasLabel::clicked, this, &TForm2::settingsMenuClick);
    connect(m_menuLabels[1], &TAntiAliasLabel::clicked, this, &TForm2::helpMenuClick);
    connect(m_menuLabels[2], &TAntiAliasLabel::clicked, this, &TForm2::statisticsMenuClick);
    connect(m_menuLabels[3], &TAntiAliasLabel::clicked, this, &TForm2::chartMenuClick);
    connect(m_menuLabels[4], &TAntiAliasLabel::clicked, this, &TForm2::closeClick);
}

TAntiAliasLabel* TForm2::menuLabel(int page) const
{
    // Menu order on screen is the pages' (1 Settings, 2 Help, 3 Statistics, 4 Chart), then Close.
    return page >= 1 && page <= 5 ? m_menuLabels[size_t(page - 1)] : nullptr;
}

void TForm2::clickSound()
{
    if (m_game.settings.SoundFx)
        m_sounds.play("clickmic");
}

void TForm2::errorSound()
{
    if (m_game.settings.SoundFx)
        m_sounds.play("err");
}

void TForm2::setLamp(TImage* lamp, bool on)
{
    if (lamp->isEnabled())
        lamp->setPicture(on ? m_ena : m_dis, on ? m_enaHires : m_disHires);
    else
        lamp->setPicture(m_greyLamps[on ? 0 : 1], m_greyLamps[on ? 2 : 3]);
    m_litLamps.insert(lamp, on);
    if (QWidget* owner = m_lampOwners.value(lamp))
        access::setChecked(owner, on);
}

bool TForm2::lampLit(const TImage* lamp) const
{
    return m_litLamps.value(lamp, false);
}

void TForm2::openExtra()
{
    resetHover();
    pages(CurrentPage == 0 ? 1 : CurrentPage);
    focusOnOpen();
    // Centred on the table, whose play area it then covers, wherever a panel put the table.
    QWidget* over = m_owner ? m_owner.data() : parentWidget();
    QRect area;
    if (over && over->isVisible())
        area = over->geometry();
    else if (QScreen* screen = (over ? over->screen() : QGuiApplication::primaryScreen()))
        area = screen->geometry();
    if (area.isValid())
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    show();
    activateWindow();
}

void TForm2::pages(int page)
{
    if (page < 1 || page > 4)
        return;
    if (page != CurrentPage) {
        for (QWidget* w : m_pageWidgets[CurrentPage])
            w->hide();
        for (QWidget* w : m_pageWidgets[size_t(page)])
            w->show();
    }
    if (page == 1)
        refreshSettingsPage();
    if (page == 3)
        refreshStats();
    if (page == 4)
        refreshChart();
    CurrentPage = uint8_t(page);
    for (int p = 1; p <= 4; ++p)
        access::setChecked(menuLabel(p), p == page);
}

void TForm2::settingsMenuClick()
{
    clickSound();
    pages(1);
}

void TForm2::helpMenuClick()
{
    clickSound();
    pages(2);
}

void TForm2::statisticsMenuClick()
{
    clickSound();
    pages(3);
}

void TForm2::chartMenuClick()
{
    clickSound();
    pages(4);
}

void TForm2::buildChartPage()
{
    m_chart = new BankrollChart(m_game, this);
    m_chart->setGeometry(16, 84, 768, 508);
    m_pageWidgets[4] << m_chart;
    const char* names[2] = {QT_TR_NOOP("This session"), QT_TR_NOOP("Kept history")};
    for (int i = 0; i < 2; ++i) {
        const auto span = ChartSpan(i);
        auto* lamp = new TImage(this);
        lamp->setGeometry(24 + 220 * i, 56, 30, 23);
        auto* label = caption(this, tr(names[i]), 62 + 220 * i, 56);
        makeHover(label, palette::Item, palette::Ink);
        connect(label, &TAntiAliasLabel::clicked, this, [this, span] { spanClick(span); });
        connect(lamp, &TImage::mouseUp, this, [this, lamp, span](Qt::MouseButton b, QPoint pos) {
            if (b == Qt::LeftButton && lamp->rect().contains(pos))
                spanClick(span);
        });
        m_spanLamps[size_t(i)] = lamp;
        m_spanLabels[size_t(i)] = label;
        m_pageWidgets[4] << lamp << label;
        setLamp(lamp, span == m_chart->span());
    }
}

void TForm2::refreshChart()
{
    // Read when shown, as the table appends to it all the while; not held while not shown.
    const bool history = m_chart->span() == ChartSpan::History;
    m_chart->setKeptHands(history ? loadHands(m_saveDir.toStdString()).records : std::vector<HandRecord>());
    m_chart->refresh();
}

void TForm2::spanClick(ChartSpan span)
{
    clickSound();
    m_chart->setSpan(span);
    for (int i = 0; i < 2; ++i)
        setLamp(m_spanLamps[size_t(i)], ChartSpan(i) == span);
    refreshChart();
}

void TForm2::closeClick()
{
    clickSound();
    saveini(m_game.settings, m_saveDir.toStdString(), &m_game.IoCode);
    ThumbDragging = false;
    hide();
    emit closed();
}

void TForm2::closeEvent(QCloseEvent* e)
{
    // The window's own close request closes the screen the same way "Close" does;
    // the screen itself lives for the whole run.
    if (!isVisible()) {
        e->accept();
        return;
    }
    e->ignore();
    closeClick();
}

void TForm2::showEvent(QShowEvent* e)
{
    // Just before the window is mapped: a dialog window tells the window manager whose it is.
    if (m_owner && m_owner->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(m_owner->windowHandle());
    }
    QWidget::showEvent(e);
}

void TForm2::keyPressEvent(QKeyEvent* e)
{
    // Escape leaves the screen like "Close", as players expect of a dialog-like window.
    if (e->key() == Qt::Key_Escape && !e->isAutoRepeat()) {
        closeClick();
        return;
    }
    if (keyboardKey(e)) {
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TForm2::wheelEvent(QWheelEvent* e)
{
    FormMouseWheel(e->angleDelta().y());
    e->accept();
}

} // namespace tarvelle
