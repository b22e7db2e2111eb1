// The strategy chart of the game played (H): the hold patterns ranked from the exact best
// holds, as a page the player can read beside the table and print.
#include "table/strategywindow.h"

#include "table/holdwords.h"

#include "widgets/accessibility.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tarvelle {

StrategyWindow::StrategyWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("strategyWindow"));
    setWindowTitle(tr("Strategy chart"));
    m_page = new QTextBrowser(this);
    m_page->setObjectName(QStringLiteral("strategyPage"));
    m_page->setOpenLinks(false);
    access::setName(m_page, tr("Strategy chart"));
    m_print = new QPushButton(tr("Print..."), this);
    m_print->setObjectName(QStringLiteral("strategyPrint"));
    auto* close = new QPushButton(tr("Close"), this);
    connect(m_print, &QPushButton::clicked, this, &StrategyWindow::print);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_page);
    layout->addLayout(buttons);
    resize(560, 640);
}

StrategyWindow::~StrategyWindow()
{
    if (m_worker.joinable())
        m_worker.join();
}

void StrategyWindow::showChart(const Game& game)
{
    show();
    raise();
    activateWindow();
    m_wanted = game.id + ':';
    for (int c = 1; c < game.classCount; ++c)
        m_wanted += std::to_string(game.pay[size_t(c)]) + ',';
    if (const auto it = m_charts.find(m_wanted); it != m_charts.end()) {
        m_page->setHtml(it->second);
        m_print->setEnabled(true);
        return;
    }
    m_page->setHtml(tr("<p>Working out the chart from the best holds...</p>"));
    m_print->setEnabled(false);
    if (m_worker.joinable())
        m_worker.join(); // a chart takes seconds at most; the newest one asked for is shown
    m_worker = std::thread([this, game, key = m_wanted] {
        const QString html = QString::fromStdString(chartHtml(strategyChart(game), [](const char* source) {
            const QString text = QCoreApplication::translate("Engine", source);
            return (text == QLatin1String(source) ? holdPatternText(text) : text).toStdString();
        }));
        QMetaObject::invokeMethod(
            this,
            [this, key, html] {
                m_charts[key] = html;
                if (key == m_wanted) {
                    m_page->setHtml(html);
                    m_print->setEnabled(true);
                    emit chartShown();
                }
            },
            Qt::QueuedConnection);
    });
}

QString StrategyWindow::html() const
{
    return m_page->toHtml();
}

void StrategyWindow::print()
{
    auto* printer = new QPrinter(QPrinter::HighResolution);
    auto* dialog = new QPrintDialog(printer, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, printer](int result) {
        if (result == QDialog::Accepted)
            m_page->print(printer);
        delete printer;
    });
    dialog->open(); // not exec(): no loop of its own
}

void StrategyWindow::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_H) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

} // namespace tarvelle
