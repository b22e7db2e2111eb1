// The game played: the table's own or a casino game, chosen with G or a click on the
// game's name under the title. Each casino game keeps its own book beside poker.dat.
#include "table/form1.h"

#include "table/coachpanel.h"
#include "table/strategywindow.h"

#include "engine/analysis.h"
#include "engine/money.h"
#include "engine/paytable.h"

#include "storage/usergamesfile.h"

#include "widgets/accessibility.h"
#include "widgets/antialiaslabel.h"
#include "widgets/image.h"
#include "widgets/language.h"
#include "widgets/palette.h"
#include "widgets/stringaligngrid.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

#include <cstdio>

namespace tarvelle {

namespace {

// Where "VIDEO POKER" is engraved on the table; a casino game's title takes its place.
const QRect kCaption(354, 84, 142, 20);
const QColor kCopper(196, 120, 64);
const QColor kEngraveShadow(6, 24, 30);

// The game's name under the title. Paints nothing for the table's own game, so the table
// looks as it always has; a click opens the games.
class GameCaption : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(GameCaption)

public:
    GameCaption(QWidget* parent, std::function<void()> onClick)
        : QWidget(parent), m_onClick(std::move(onClick))
    {
        setObjectName(QStringLiteral("gameCaption"));
        setCursor(Qt::PointingHandCursor);
        setToolTip(tr("Choose the game (G)"));
        setFocusPolicy(Qt::NoFocus);
    }
    void setTitle(const QString& title, const QPixmap& back)
    {
        m_title = title;
        m_back = back;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_title.isEmpty())
            return;
        QPainter p(this);
        p.drawPixmap(rect(), m_back);
        QFont f(QStringLiteral("Arial"));
        f.setBold(true);
        // The longest catalogue titles are shrunk to fit beside the win panel.
        int px = 11;
        for (; px > 8; --px) {
            f.setPixelSize(px);
            if (QFontMetrics(f).horizontalAdvance(m_title) <= width() - 2)
                break;
        }
        f.setPixelSize(px);
        p.setFont(f);
        const QRect r = rect().adjusted(2, 0, 0, 0);
        p.setPen(kEngraveShadow);
        p.drawText(r.translated(0, 1), Qt::AlignLeft | Qt::AlignVCenter, m_title);
        p.setPen(kCopper);
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, m_title);
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && m_onClick)
            m_onClick();
    }

private:
    std::function<void()> m_onClick;
    QString m_title;
    QPixmap m_back;
};

QString titleOf(const Game& g)
{
    if (g.id == g.family)
        return engineText(gameTitle(g.id));
    return QStringLiteral("%1 (%2)").arg(QString::fromStdString(g.id), engineText(gameTitle(g.family)));
}

} // namespace

void TForm1::loadGames()
{
    m_games.clear();
    m_games.push_back(tableGame(false)); // stands for the table's own game, the Joker as set
    for (const Game& g : gameCatalogue()) {
        if (g.id != tableGame(false).id && g.id != tableGame(true).id)
            m_games.push_back(g);
    }
    const std::string dir = m_saveDir.toStdString();
    const UserGamesFile file = loadUserGamesFile(filePathIn(dir, UserGamesFileName));
    for (const Game& g : file.games.games)
        m_games.push_back(g);
    QString notice;
    if (file.state == LoadState::Damaged) {
        notice = tr("Some lines of your games file games.txt could not be read; those games "
                    "are not offered:");
        for (const std::string& p : file.games.problems)
            notice += QStringLiteral("\n") + QString::fromStdString(p);
    } else if (file.state == LoadState::NotRegular || file.state == LoadState::Unreadable) {
        notice = tr("Your games file games.txt could not be read; the catalogue's games are "
                    "offered.");
    }
    if (!notice.isEmpty()) {
        m_loadNotice += (m_loadNotice.isEmpty() ? QString() : QStringLiteral("\n\n")) + notice;
        std::fprintf(stderr, "tarvelle: %s\n", qPrintable(QString(notice).replace('\n', ' ')));
    }

    m_tableCounters = m_ct;
    const std::string chosen = loadGameChoice(dir);
    for (int i = 1; i < int(m_games.size()); ++i) {
        if (m_games[size_t(i)].id == chosen) {
            enterGame(i);
            return;
        }
    }
    // A game of the player's own that was removed since: the table's own game.
}

void TForm1::switchGame(int index)
{
    if (index < 0 || index >= int(m_games.size()) || index == m_gameIndex)
        return;
    // The game left keeps its figures for this session, whether or not its file could be saved.
    if (m_gs.casino)
        m_books[m_gs.casino->id] = {m_ct, m_gs.casinoCounts};
    else
        m_tableCounters = m_ct;
    enterGame(index);
    saveGameChoice(index == 0 ? std::string() : m_games[size_t(index)].id, m_saveDir.toStdString());
    showGame();
    drawValue(Display::Win, m_ct.Win, 0);
    drawValue(Display::Bonus, m_ct.Bonus, 0);
    drawValue(Display::Bet, m_ct.Bet, 0);
    drawValue(Display::Credit, m_ct.Credit, 0);
    setText(Label::Message, HandNames[1]);
    if (auto* announcer = AntiAliasLabel1->findChild<access::Announcer*>())
        announcer->announce(
            tr("Game: %1. Credit %2.")
                .arg(index == 0 ? QStringLiteral("Tarvelle") : titleOf(m_games[size_t(index)]))
                .arg(m_ct.Credit));
}

void TForm1::enterGame(int index)
{
    m_gameIndex = index;
    m_gs.creditTrail.clear(); // the chart follows the game played
    m_gs.betTrail.clear();
    m_lastSaved.reset();
    m_lastSavedBook.reset();
    if (index == 0) {
        m_gs.casino.reset();
        m_gs.casinoCounts = {};
        m_ct = m_tableCounters;
        return;
    }
    const Game& g = m_games[size_t(index)];
    CasinoBook book;
    if (const auto it = m_books.find(g.id); it != m_books.end()) {
        book = it->second;
    } else {
        LoadState state = LoadState::Loaded;
        int io = 0;
        book = loadCasinoBook(g, m_saveDir.toStdString(), &state, &io);
        // As poker.dat at a start: a win left pending when the game last ended is paid.
        if (book.money.Win > 0) {
            book.money.Credit = addMoney(book.money.Credit, book.money.Win);
            book.money.Win = 0;
        }
        if (state == LoadState::Damaged) {
            const QString notice = tr("The file %1 of %2 was damaged: the game starts from the "
                                      "defaults (credit 1000, statistics 0). The damaged file is "
                                      "kept beside it.")
                                       .arg(QString::fromStdString(casinoFileName(g.id)), titleOf(g));
            std::fprintf(stderr, "tarvelle: %s\n", qPrintable(notice));
            if (isVisible()) {
                auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Tarvelle"), notice,
                                            QMessageBox::Ok, this);
                box->setAttribute(Qt::WA_DeleteOnClose);
                box->show(); // not exec(): the table goes on without a nested loop
            } else {
                m_loadNotice += (m_loadNotice.isEmpty() ? QString() : QStringLiteral("\n\n")) + notice;
            }
        }
    }
    m_gs.casino = g;
    m_ct = book.money;
    m_gs.casinoCounts = book.counts;
    startOddsWork();
}

void TForm1::showGame()
{
    const Game* g = m_gs.casino ? &*m_gs.casino : nullptr;
    auto* caption = static_cast<GameCaption*>(m_gameCaption);
    if (g) {
        // "VIDEO POKER" is engraved there: each row takes the colour of the plain table at its
        // left end, which keeps the table's shading under the title.
        const QImage table = desen->grab(kCaption).toImage();
        QImage back(table.size(), QImage::Format_RGB32);
        back.setDevicePixelRatio(table.devicePixelRatio());
        for (int y = 0; y < table.height(); ++y) {
            const QRgb c = table.pixel(0, y);
            for (int x = 0; x < table.width(); ++x)
                back.setPixel(x, y, c);
        }
        // Short enough for the space: what the brackets add is in the menu and the pay table.
        QString title = titleOf(*g);
        title.truncate(title.indexOf(QStringLiteral(" (")) < 0 ? title.size()
                                                               : title.indexOf(QStringLiteral(" (")));
        caption->setTitle(title.toUpper(), QPixmap::fromImage(back));
    } else {
        caption->setTitle(QString(), QPixmap());
    }
    access::setName(m_gameCaption, tr("Game: %1 (G)").arg(g ? titleOf(*g) : QStringLiteral("Tarvelle")));
    layPayTable();
    shrinkCellsToFit(sg1);
    BaseOdds();
    coach->followSettings();
    describeHand();
}

void TForm1::startOddsWork()
{
    const Game game = *m_gs.casino;
    if (m_classOdds.count(game.id))
        return;
    finishOddsWork();
    m_oddsWorker = std::thread([this, game] {
        ReturnOptions o;
        o.game = game;
        const GameReturn r = gameReturn(o);
        std::array<QString, MaxClasses> texts;
        for (int c = 1; c < game.classCount; ++c)
            texts[size_t(c)] = localNumber(double(r.classOdds[size_t(c)] * 100), 3);
        QMetaObject::invokeMethod(
            this,
            [this, id = game.id, texts] {
                m_classOdds[id] = texts;
                if (m_gs.casino && m_gs.casino->id == id && !(sg1->isVisible() && m_round.handShown()))
                    BaseOdds();
            },
            Qt::QueuedConnection);
    });
}

void TForm1::finishOddsWork()
{
    if (m_oddsWorker.joinable())
        m_oddsWorker.join();
}

void TForm1::openGameMenu()
{
    outdemo();
    if (!m_gameMenu) {
        m_gameMenu = new QMenu(this);
        m_gameMenu->setObjectName(QStringLiteral("gameMenu"));
        access::setName(m_gameMenu, tr("Games"));
    }
    m_gameMenu->clear();
    auto* group = new QActionGroup(m_gameMenu);
    // Between hands only: the phase table decides, as for every input.
    const bool open = accepts(m_round.phase(), Input::ChooseGame) && !m_gs.Autoplay;
    const int firstOwn = int(gameCatalogue().size()) - 1; // the player's games follow the catalogue's
    for (int i = 0; i < int(m_games.size()); ++i) {
        if (i == 1 || i == firstOwn)
            m_gameMenu->addSeparator();
        QAction* a = m_gameMenu->addAction(i == 0 ? tr("Tarvelle (the table's own game)")
                                                  : titleOf(m_games[size_t(i)]));
        a->setCheckable(true);
        a->setChecked(i == m_gameIndex);
        a->setEnabled(open || i == m_gameIndex);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { chooseGame(i); });
    }
    m_gameMenu->setActiveAction(m_gameMenu->actions().value(0));
    for (QAction* a : m_gameMenu->actions()) {
        if (a->isChecked())
            m_gameMenu->setActiveAction(a);
    }
    // popup(), not exec(): the menu is one more window, not a loop of its own.
    m_gameMenu->popup(m_gameCaption->mapToGlobal(QPoint(0, m_gameCaption->height())));
}

void TForm1::showStrategy()
{
    outdemo();
    if (!m_strategy)
        m_strategy = new StrategyWindow(this);
    m_strategy->showChart(m_gs.casino ? *m_gs.casino : tableGame(m_st.Joker != 0));
}

QWidget* makeGameCaption(TForm1* table)
{
    return new GameCaption(table, [table] { table->openGameMenu(); });
}

QRect gameCaptionRect()
{
    return kCaption;
}

} // namespace tarvelle
