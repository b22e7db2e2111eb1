// Leaving the game: save both files, shrink the window to a dot, end.
#include "table/form1.h"

#include "engine/durations.h"

#include "storage/gamefiles.h"

#include <QCloseEvent>

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
    if (!m_round.input(Input::Exit))
        return;

    // The window shrinks toward its own centre, which is the play area's: first its height,
    // then its width (the farewell plays between), then the last few pixels of height.
    const QRect start = geometry();
    setWindowState(Qt::WindowNoState); // a maximised window would refuse to shrink
    QRect g = start;
    m_exitFrames.clear();
    do {
        g.setHeight(g.height() / 2);
        g.moveTop(start.top() + (start.height() - g.height()) / 2);
        m_exitFrames.push_back(g);
    } while (g.height() > 3);
    m_exitCueAt = m_exitFrames.size();
    do {
        g.setWidth(g.width() / 2);
        g.moveLeft(start.left() + (start.width() - g.width()) / 2);
        g.setHeight(g.height() + 3);
        g.moveTop(start.top() + (start.height() - g.height()) / 2);
        m_exitFrames.push_back(g);
    } while (g.width() > 3);
    do {
        g.setHeight(g.height() / 2);
        g.moveTop(start.top() + (start.height() - g.height()) / 2);
        m_exitFrames.push_back(g);
    } while (g.height() > 3);
    m_exitFrame = 0;
    exitStep();
}

void TForm1::exitStep()
{
    if (m_exitFrame < m_exitFrames.size()) {
        if (m_exitFrame == m_exitCueAt)
            if (const auto cue = m_round.farewellCue())
                play(*cue);
        setGeometry(m_exitFrames[m_exitFrame++]);
        m_exitTimer->start(durations::ExitFrame);
        return;
    }
    if (m_exitFrame++ == m_exitFrames.size()) {
        m_exitTimer->start(durations::ExitPause);
        return;
    }
    endProgram();
}

} // namespace tarvelle
