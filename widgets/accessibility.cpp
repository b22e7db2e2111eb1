#include "widgets/accessibility.h"

#include "widgets/antialiaslabel.h"
#include "widgets/image.h"
#include "widgets/lbspeedbutton.h"
#include "widgets/stringaligngrid.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

#include <optional>

namespace tarvelle::access {

namespace {

struct Data {
    std::optional<QAccessible::Role> role;
    QString label;
    bool checkable = false;
    bool checked = false;
    bool hasValue = false;
    qint64 value = 0;
    bool decorative = false;
    std::function<void()> action;
    std::optional<TableSource> table;
};

QHash<const QObject*, Data>& registry()
{
    static QHash<const QObject*, Data> all;
    return all;
}

Data& dataOf(QWidget* w)
{
    auto& all = registry();
    if (!all.contains(w))
        QObject::connect(w, &QObject::destroyed, [](QObject* o) { registry().remove(o); });
    return all[w];
}

const Data* findData(const QObject* o)
{
    const auto& all = registry();
    const auto it = all.constFind(o);
    return it == all.constEnd() ? nullptr : &*it;
}

// A screen reader may have stored what a control was when it first heard of it: one that
// is described after that is told as a new object.
void renew(QWidget* w)
{
    if (!QAccessible::isActive())
        return;
    if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

void tell(QWidget* w, QAccessible::Event type)
{
    QAccessibleEvent e(w, type);
    QAccessible::updateAccessibility(&e);
}

// A string grid is a table of its cells unless told otherwise.
std::optional<TableSource> tableOf(QWidget* w)
{
    if (!w)
        return std::nullopt;
    if (const Data* d = findData(w); d && d->table)
        return d->table;
    if (auto* grid = qobject_cast<TStringAlignGrid*>(w)) {
        QPointer<TStringAlignGrid> g(grid);
        return TableSource{[g] { return g ? g->rowCount() : 0; }, [g] { return g ? g->colCount() : 0; },
                           [g](int r, int c) { return g ? g->cell(c, r).trimmed() : QString(); },
                           [g](int r, int c) { return g ? g->cellRect(c, r) : QRect(); }};
    }
    return std::nullopt;
}

class CellAccess : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccess(QWidget* table, int row, int column) : m_table(table), m_row(row), m_column(column) {}

    bool isValid() const override
    {
        const auto t = tableOf(m_table);
        return t && m_row < t->rows() && m_column < t->columns();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_table ? m_table->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return m_table ? QAccessible::queryAccessibleInterface(m_table) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        const auto table = tableOf(m_table);
        if (t != QAccessible::Name || !table || !isValid())
            return {};
        return table->cell(m_row, m_column);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        const auto table = tableOf(m_table);
        if (!table || !table->rect || !m_table)
            return {};
        const QRect r = table->rect(m_row, m_column);
        return QRect(m_table->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        if (!m_table || !m_table->isVisible())
            s.invisible = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                    : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<QWidget> m_table;
    int m_row;
    int m_column;
};

class WidgetAccess : public QAccessibleWidget,
                     public QAccessibleValueInterface,
                     public QAccessibleTableInterface {
public:
    explicit WidgetAccess(QWidget* w) : QAccessibleWidget(w, QAccessible::Client) {}
    ~WidgetAccess() override
    {
        for (QAccessible::Id id : std::as_const(m_cells))
            QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        const Data* d = findData(object());
        if (t == QAccessible::ValueInterface && d && d->hasValue)
            return static_cast<QAccessibleValueInterface*>(this);
        if (t == QAccessible::TableInterface && tableOf(widget()))
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessible::Role role() const override
    {
        if (const Data* d = findData(object()); d && d->role)
            return *d->role;
        if (qobject_cast<QLabel*>(widget()))
            return QAccessible::StaticText;
        if (qobject_cast<TStringAlignGrid*>(widget()))
            return QAccessible::Table;
        if (qobject_cast<TLbSpeedButton*>(widget()))
            return QAccessible::Button;
        return QAccessible::Graphic;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const Data* d = findData(object());
        if (d && d->checkable) {
            s.checkable = true;
            s.checked = d->checked;
        }
        // A picture nobody described only repeats what its caption says.
        const bool undescribed = qobject_cast<TImage*>(widget()) && (!d || !d->role);
        if ((d && d->decorative) || undescribed)
            s.invisible = true;
        if (tableOf(widget()))
            s.readOnly = true;
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) {
            const Data* d = findData(object());
            return d && d->hasValue ? QString::number(d->value) : QString();
        }
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        const Data* d = findData(object());
        QString own;
        if (d && d->hasValue)
            own = QString::number(d->value);
        else if (auto* label = qobject_cast<QLabel*>(widget()))
            own = label->text().remove(QLatin1Char('&')).trimmed();
        const QString label = d ? d->label : QString();
        if (label.isEmpty())
            return own;
        return own.isEmpty() ? label : label + QLatin1Char(' ') + own;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (const Data* d = findData(object()); d && d->action)
            names.prepend(d->checkable ? toggleAction() : pressAction());
        return names;
    }
    void doAction(const QString& name) override
    {
        const Data* d = findData(object());
        if (d && d->action && (name == pressAction() || name == toggleAction())) {
            const auto act = d->action; // the action may change the registry
            act();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

    int childCount() const override
    {
        int n = QAccessibleWidget::childCount();
        if (const auto t = tableOf(widget()))
            n += t->rows() * t->columns();
        return n;
    }
    QAccessibleInterface* child(int index) const override
    {
        const int own = QAccessibleWidget::childCount();
        if (index < own)
            return QAccessibleWidget::child(index);
        const auto t = tableOf(widget());
        if (!t || t->columns() <= 0)
            return nullptr;
        const int i = index - own;
        return cellAt(i / t->columns(), i % t->columns());
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        auto* other = const_cast<QAccessibleInterface*>(child);
        if (other && other->role() == QAccessible::Cell && other->tableCellInterface()) {
            const auto t = tableOf(widget());
            auto* cell = other->tableCellInterface();
            if (t && other->parent() && other->parent()->object() == object())
                return QAccessibleWidget::childCount() + cell->rowIndex() * t->columns() +
                       cell->columnIndex();
        }
        return QAccessibleWidget::indexOfChild(child);
    }

    // ---- value: the amount on a display ----
    QVariant currentValue() const override
    {
        const Data* d = findData(object());
        return d ? QVariant(d->value) : QVariant();
    }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return QVariant(qint64(INT32_MAX)); }
    QVariant minimumValue() const override { return QVariant(qint64(0)); }
    QVariant minimumStepSize() const override { return QVariant(qint64(1)); }

    // ---- table ----
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        const auto t = tableOf(widget());
        if (!t || row < 0 || column < 0 || row >= t->rows() || column >= t->columns())
            return nullptr;
        const int key = row * 1024 + column;
        if (const auto it = m_cells.constFind(key); it != m_cells.constEnd())
            if (QAccessibleInterface* cell = QAccessible::accessibleInterface(*it))
                return cell;
        auto* cell = new CellAccess(widget(), row, column);
        m_cells.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override
    {
        const auto t = tableOf(widget());
        return t ? t->columns() : 0;
    }
    int rowCount() const override
    {
        const auto t = tableOf(widget());
        return t ? t->rows() : 0;
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable QHash<int, QAccessible::Id> m_cells;
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    static const QStringList ours = {QStringLiteral("tarvelle::TImage"),
                                     QStringLiteral("tarvelle::TAntiAliasLabel"),
                                     QStringLiteral("tarvelle::TLbSpeedButton"),
                                     QStringLiteral("tarvelle::TStringAlignGrid"),
                                     QStringLiteral("tarvelle::access::Announcer"),
                                     QStringLiteral("tarvelle::CoachPanel")};
    auto* w = qobject_cast<QWidget*>(object);
    if (!w || w->isWindow())
        return nullptr;
    if (ours.contains(className) || findData(object))
        return new WidgetAccess(w);
    return nullptr;
}

} // namespace

void install()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QAccessible::installFactory(factory);
}

void setRole(QWidget* w, QAccessible::Role role)
{
    Data& d = dataOf(w);
    if (d.role == role)
        return;
    d.role = role;
    renew(w);
}

void setName(QWidget* w, const QString& name)
{
    w->setAccessibleName(name); // tells screen readers itself when it changes
}

void setDescription(QWidget* w, const QString& description)
{
    w->setAccessibleDescription(description);
}

void setLabel(QWidget* w, const QString& label)
{
    Data& d = dataOf(w);
    if (d.label == label)
        return;
    d.label = label;
    renew(w);
}

void setChecked(QWidget* w, bool checked)
{
    Data& d = dataOf(w);
    const bool was = d.checkable && d.checked;
    d.checkable = true;
    d.checked = checked;
    if (was == checked)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent e(w, changed);
    QAccessible::updateAccessibility(&e);
}

void setValue(QWidget* w, qint64 value)
{
    Data& d = dataOf(w);
    if (d.hasValue && d.value == value)
        return;
    d.hasValue = true;
    d.value = value;
    QAccessibleValueChangeEvent e(w, QVariant(value));
    QAccessible::updateAccessibility(&e);
    if (w->accessibleName().isEmpty())
        tell(w, QAccessible::NameChanged);
}

void setAction(QWidget* w, std::function<void()> action)
{
    dataOf(w).action = std::move(action);
}

void setDecorative(QWidget* w, bool decorative)
{
    dataOf(w).decorative = decorative;
}

void setTable(QWidget* w, TableSource source)
{
    dataOf(w).table = std::move(source);
}

QString nameOf(QWidget* w)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setRole(this, QAccessible::Notification);
    // As large as what it speaks for, so that a reader can point at it.
    if (parent) {
        resize(parent->size());
        parent->installEventFilter(this);
    }
}

bool Announcer::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == parentWidget() && e->type() == QEvent::Resize)
        resize(parentWidget()->size());
    return QWidget::eventFilter(watched, e);
}

void Announcer::announce(const QString& text)
{
    m_last = text;
    ++m_count;
    setName(this, text);
    // Shown anew: a screen reader reads a notification when it appears, even unchanged.
    tell(this, QAccessible::ObjectShow);
}

} // namespace tarvelle::access
