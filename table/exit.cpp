// Leaving the game: save both files, shrink the window to a dot, end.
#include "table/form1.h"

#include "engine/durations.h"

#include "storage/gamefiles.h"

#include <QCloseEvent>
#include <QTimer>

namespace tarvelle {

void TForm1::closeEvent(QCloseEvent* e)
{
    if (m_ended) {
        e->accept();
        return;
    }
    e->ignore();
    offClick();
}

void TForm1::saveAll()
{
    int io = 0;
    saveini(m_st, m_saveDir.toStdString(), &io);
    save();
}

void TForm1::offClick()
{
    // From here on no input acts: a key that follows X cannot deal behind the exit.
    if (!m_round.offClick())
        return;

    // The window shrinks toward its own centre, which is the play area's.
    const QRect start = geometry();
    setWindowState(Qt::WindowNoState); // a maximised window would refuse to shrink
    QRect g = start;
    auto apply = [&] {
        setGeometry(g);
        delay(1);
    };
    do {
        g.setHeight(g.height() / 2);
        g.moveTop(start.top() + (start.height() - g.height()) / 2);
        apply();
    } while (g.height() > 3);
    if (const auto cue = m_round.farewellCue())
        play(*cue);
    do {
        g.setWidth(g.width() / 2);
        g.moveLeft(start.left() + (start.width() - g.width()) / 2);
        g.setHeight(g.height() + 3);
        g.moveTop(start.top() + (start.height() - g.height()) / 2);
        apply();
    } while (g.width() > 3);
    do {
        g.setHeight(g.height() / 2);
        g.moveTop(start.top() + (start.height() - g.height()) / 2);
        apply();
    } while (g.height() > 3);
    delay(durations::ExitPause);
    endProgram();
}

} // namespace tarvelle
