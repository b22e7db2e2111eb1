// The mistake review (R): the player's costly holds of the game played, kept in hands.log.
#include "table/reviewwindow.h"

#include "table/coachpanel.h"
#include "table/form1.h"

#include "engine/cards.h"
#include "engine/game.h"
#include "widgets/accessibility.h"
#include "widgets/cardimagery.h"
#include "widgets/language.h"
#include "widgets/palette.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
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
        .arg(localNumber(double(r.creditsLost()), 2))
        .arg(localNumber(double(r.cost) / 1e6, 4))
        .arg(r.bet);
}

constexpr int kRecordRole = Qt::UserRole; // the entry's index in the list of mistakes

} // namespace

// Draws an entry as its first line of text, the five dealt cards with the table's pictures,
// and under them a row of marks for the player's hold and one for the best.
class CardsDelegate : public QStyledItemDelegate {
public:
    static constexpr int CardW = 50; // 122 × 164 scaled, the ratio kept
    static constexpr int CardH = 67;
    static constexpr int Gap = 6;
    static constexpr int Pad = 6;
    static constexpr int LabelW = 86;
    static constexpr int Mark = 14;
    static inline const QColor Fills[2] = {palette::Warning, palette::Ink}; // yours, the best

    CardsDelegate(QObject* parent, const CardImagery& cards, const std::vector<HandRecord>& list)
        : QStyledItemDelegate(parent), m_imagery(cards), m_list(list)
    {
    }

    static QRect card(const QRect& entry, int text, int k)
    {
        return {entry.left() + Pad + LabelW + k * (CardW + Gap), entry.top() + Pad + text + 4, CardW, CardH};
    }
    static QRect mark(const QRect& entry, int text, int row, int k)
    {
        const QRect c = card(entry, text, k);
        return {c.left(), c.bottom() + 1 + 4 + row * (Mark + 3), CardW, Mark};
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        const int text = option.fontMetrics.height();
        return {Pad * 2 + LabelW + 5 * (CardW + Gap), Pad + text + 4 + CardH + 4 + 2 * Mark + 3 + Pad};
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QVariant at = index.data(kRecordRole);
        if (!at.isValid() || at.toInt() < 0 || size_t(at.toInt()) >= m_list.size()) {
            QStyledItemDelegate::paint(p, option, index);
            return;
        }
        const HandRecord& r = m_list[size_t(at.toInt())];
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        o.text.clear();
        const QWidget* w = option.widget;
        QStyle* style = w ? w->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &o, p, w); // ground, selection, focus
        const bool selected = option.state & QStyle::State_Selected;
        const QColor ink = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setRenderHint(QPainter::SmoothPixmapTransform);
        const QRect box = option.rect.adjusted(Pad, Pad, -Pad, -Pad);
        const int text = option.fontMetrics.height();
        p->setPen(ink);
        p->drawText(QRect(box.left(), box.top(), box.width(), text), Qt::AlignLeft | Qt::AlignVCenter,
                    index.data(Qt::DisplayRole).toString().section(QLatin1Char('\n'), 0, 0));
        const qreal dpr = w ? w->devicePixelRatioF() : p->device()->devicePixelRatioF();
        const QString names[2] = {ReviewWindow::tr("Your hold"), ReviewWindow::tr("Best hold")};
        const int masks[2] = {r.hold, r.best};
        for (int row = 0; row < 2; ++row)
            p->drawText(QRect(box.left(), mark(option.rect, text, row, 0).top(), LabelW - 4, Mark),
                        Qt::AlignLeft | Qt::AlignVCenter, names[row]);
        for (int k = 0; k < 5; ++k) {
            p->drawPixmap(card(option.rect, text, k), picture(r.dealt[size_t(k)], dpr));
            for (int row = 0; row < 2; ++row) {
                const QRectF mark =
                    QRectF(CardsDelegate::mark(option.rect, text, row, k)).adjusted(0.5, 0.5, -0.5, -0.5);
                const bool held = masks[row] & (1 << k);
                p->setPen(QPen(held ? Fills[row].darker(130) : option.palette.color(QPalette::Mid), 1));
                p->setBrush(held ? QBrush(Fills[row]) : Qt::NoBrush);
                p->drawRoundedRect(mark, 3, 3);
                if (held) {
                    p->setPen(Qt::black);
                    QFont f = p->font();
                    f.setPixelSize(Mark - 4);
                    f.setBold(true);
                    p->setFont(f);
                    p->drawText(mark, Qt::AlignCenter, ReviewWindow::tr("HELD"));
                    p->setFont(option.font);
                }
            }
        }
        p->restore();
    }

private:
    // The card's picture at its size on this screen, from the double-size art where there is one.
    QPixmap picture(int index, qreal dpr) const
    {
        const qint64 key = index * 1000 + qRound(dpr * 100);
        if (const auto it = m_cache.constFind(key); it != m_cache.constEnd())
            return *it;
        QImage source = dpr > 1 ? m_imagery.cardHires(index) : QImage();
        if (source.isNull())
            source = m_imagery.cardImage(index);
        QPixmap pm;
        if (!source.isNull()) {
            pm = QPixmap::fromImage(
                source.scaled(QSize(CardW, CardH) * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            pm.setDevicePixelRatio(dpr);
        }
        m_cache.insert(key, pm);
        return pm;
    }

    const CardImagery& m_imagery;
    const std::vector<HandRecord>& m_list;
    mutable QHash<qint64, QPixmap> m_cache;
};

ReviewWindow::ReviewWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("reviewWindow"));
    setWindowTitle(tr("Mistakes"));
    m_figures = new QLabel(this);
    m_figures->setObjectName(QStringLiteral("reviewFigures"));
    m_figures->setWordWrap(true); // long game titles
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
    auto* drill = new QPushButton(tr("Drill these hands (D)"), this);
    drill->setObjectName(QStringLiteral("reviewDrill"));
    connect(drill, &QPushButton::clicked, this, &ReviewWindow::drillRequested);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_toggle);
    buttons->addWidget(drill);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_figures);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(560, 520);
}

void ReviewWindow::showMistakes(const std::vector<HandRecord>& history, const std::string& game,
                                const std::vector<HandTotals>& rolledOut)
{
    m_history = history;
    m_rolledOut = rolledOut;
    m_game = game;
    fill();
    show();
    raise();
    activateWindow();
    m_list->setFocus(Qt::OtherFocusReason);
}

void ReviewWindow::setCardImagery(const CardImagery* cards)
{
    if (m_cards) {
        m_list->setItemDelegate(nullptr);
        delete m_cards;
        m_cards = nullptr;
    }
    if (cards && cards->loaded()) {
        m_cards = new CardsDelegate(this, *cards, m_listed);
        m_list->setItemDelegate(m_cards);
        m_list->setUniformItemSizes(true); // thousands of entries lay out at once
        m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    }
}

void ReviewWindow::setOrder(MistakeOrder order)
{
    m_order = order;
    fill();
}

void ReviewWindow::fill()
{
    const SessionFigures f = allTimeFigures(m_history, m_game, m_rolledOut);
    const QString title = engineText(gameTitle(m_game));
    m_figures->setText(tr("%1, all time: %2 hands, %3 mistakes, accuracy %4 %, %5 credits lost")
                           .arg(title)
                           .arg(f.hands)
                           .arg(f.mistakes)
                           .arg(localNumber(f.accuracy(), 1))
                           .arg(localNumber(double(f.creditsLost), 2)));
    access::setName(m_figures, m_figures->text());
    const bool costliest = m_order == MistakeOrder::Costliest;
    m_toggle->setText(costliest ? tr("Costliest first (O)") : tr("Newest first (O)"));
    access::setName(m_toggle, costliest ? tr("Order: costliest first; press for newest first")
                                        : tr("Order: newest first; press for costliest first"));
    m_list->clear();
    m_listed = mistakes(m_history, m_game, m_order);
    const auto& list = m_listed;
    for (const HandRecord& r : list) {
        const QString when =
            QDateTime::fromSecsSinceEpoch(r.time).toString(QStringLiteral("yyyy-MM-dd hh:mm"));
        const QString text = tr("%1, %2\n  Dealt %3\n  Yours %4\n  Best  %5")
                                 .arg(costText(r), when, holdText(r.dealt, 0), holdText(r.dealt, r.hold),
                                      holdText(r.dealt, r.best));
        auto* item = new QListWidgetItem(text, m_list);
        item->setData(kRecordRole, m_list->count() - 1);
        item->setData(Qt::AccessibleTextRole,
                      tr("%1, %2. You held %3; the best hold: %4.")
                          .arg(costText(r), when, holdSpoken(r.dealt, r.hold), holdSpoken(r.dealt, r.best)));
    }
    if (list.empty())
        new QListWidgetItem(tr("No mistakes kept for this game."), m_list);
    m_list->setCurrentRow(0);
}

QRect ReviewWindow::cardRect(int entry, int position) const
{
    const QListWidgetItem* item = m_list->item(entry);
    if (!m_cards || !item || position < 0 || position > 4)
        return {};
    return CardsDelegate::card(m_list->visualItemRect(item), m_list->fontMetrics().height(), position);
}

QRect ReviewWindow::markRect(int entry, int row, int position) const
{
    const QListWidgetItem* item = m_list->item(entry);
    if (!m_cards || !item || position < 0 || position > 4 || row < 0 || row > 1)
        return {};
    return CardsDelegate::mark(m_list->visualItemRect(item), m_list->fontMetrics().height(), row, position);
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
    if (e->key() == Qt::Key_D) {
        emit drillRequested();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TForm1::showReview()
{
    outdemo();
    if (!m_review) {
        m_review = new ReviewWindow(this);
        connect(m_review, &ReviewWindow::drillRequested, this, &TForm1::showDrill);
        m_review->setCardImagery(&m_imagery);
    }
    m_review->showMistakes(coach->history(), coach->gameId(), coach->rolledOut());
}

} // namespace tarvelle
