// Keyboard and mouse wheel on the table.
#include "table/form1.h"

#include "table/coachpanel.h"

#include "widgets/accessibility.h"
#include "widgets/antialiaslabel.h"
#include "widgets/cardimagery.h"

#include <QKeyEvent>
#include <QWheelEvent>

namespace tarvelle {

void TForm1::keyPressEvent(QKeyEvent* e)
{
    QChar key;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        key = QLatin1Char('\r');
    else if (!e->text().isEmpty())
        key = e->text().at(0);
    if (key.isNull()) {
        QWidget::keyPressEvent(e);
        return;
    }
    FormKeyPress(key);
    e->accept();
}

void TForm1::FormKeyPress(QChar key)
{
    outdemo();
    if (trainingShown()) {
        const char16_t c = key.toUpper().unicode();
        if (c == 'Y' || c == 'B' || c == 'N' || c == 27) {
            trainingChoice(c == 27 ? 'N' : char(c));
            return;
        }
    }
    switch (key.toUpper().unicode()) {
    case '\r':
    case ' ':
        // Ignored while a deal or draw is under way: never takes the bet or draws twice.
        m_round.input(Input::DealRelease, ByKey);
        break;
    case 'D':
        m_round.input(Input::Double, ByKey);
        break;
    case '+':
        m_round.input(Input::BetUp, ByKey);
        break;
    case '-':
        m_round.input(Input::BetDown, ByKey);
        break;
    case 'M':
        m_round.input(Input::BetMax, ByKey);
        break;
    case 'A':
        m_round.input(Input::Autoplay, ByKey);
        break;
    case 'S':
        m_round.input(Input::OpenExtra, ByKey);
        break;
    case 'P':
        m_gs.Armed[ArmProce] = 1;
        proceMouseUp();
        break;
    case 'C':
        coach->toggle();
        break;
    case 'G':
        openGameMenu();
        break;
    case 'H':
        showStrategy();
        break;
    case 'R':
        showReview();
        break;
    case 'Q':
        showDrill();
        break;
    case 'T':
        coach->cycleTraining();
        if (auto* announcer = AntiAliasLabel1->findChild<access::Announcer*>())
            announcer->announce(coach->trainingText());
        break;
    case '1':
    case '2':
    case '3':
    case '4':
    case '5':
        ImageMouseDown(key.unicode() - '0');
        break;
    case 'X':
        offClick();
        break;
    default:
        break;
    }
}

// Any pointer movement over the table counts as activity and ends the showcase.
bool TForm1::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::MouseMove)
        outdemo();
    return QWidget::eventFilter(watched, e);
}

void TForm1::mouseMoveEvent(QMouseEvent* e)
{
    outdemo();
    QWidget::mouseMoveEvent(e);
}

void TForm1::wheelEvent(QWheelEvent* e)
{
    FormMouseWheel(e->angleDelta().y());
    e->accept();
}

void TForm1::FormMouseWheel(int deltaY)
{
    m_round.input(Input::Wheel, deltaY);
}

} // namespace tarvelle
