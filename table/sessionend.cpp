#include "table/sessionend.h"

#include "storage/gamefiles.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace tarvelle {

namespace {

int g_pipe[2] = {-1, -1};
std::function<void()> g_save;
bool g_armed = false;
bool g_saved = false;
// Set once the message loop can carry out a save; before that a signal ends the start-up.
volatile sig_atomic_t g_loopReady = 0;

void saveOnce()
{
    if (g_saved || !g_save)
        return;
    g_saved = true;
    g_save();
}

// Only a write to the pipe is safe inside a signal handler; the notifier does the rest.
// During the start-up nothing is decided yet: the program ends at once, status 0, with the
// files as they were (a save under way is finished first and ends it).
void onPosixSignal(int)
{
    if (!g_loopReady) {
        if (!exitAfterSaveUnderWay())
            ::_exit(0);
        return;
    }
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &c, 1);
}

void installHandlers()
{
    if (g_pipe[0] < 0 && ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        g_pipe[0] = g_pipe[1] = -1;
    struct sigaction sa = {};
    sa.sa_handler = onPosixSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT})
        sigaction(sig, &sa, nullptr);
}

// The X connection breaking makes the toolkit call exit(1) from inside the message loop.
void atProgramExit()
{
    if (!g_armed)
        return;
    g_armed = false;
    saveOnce();
    std::fflush(nullptr);
    ::_exit(0);
}

} // namespace

void SessionEnd::installEarly()
{
    installHandlers();
}

SessionEnd::SessionEnd(std::function<void()> save, QObject* parent) : QObject(parent)
{
    g_save = std::move(save);
    installHandlers();
    if (g_pipe[0] >= 0) {
        m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::onSignal);
        g_loopReady = 1;
    }
    static bool registered = false;
    if (!registered)
        registered = std::atexit(atProgramExit) == 0;
    g_armed = true;
}

SessionEnd::~SessionEnd()
{
    disarm();
}

void SessionEnd::disarm()
{
    g_armed = false;
    g_loopReady = 0;
    struct sigaction sa = {};
    sa.sa_handler = SIG_DFL;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGTERM, SIGHUP, SIGINT})
        sigaction(sig, &sa, nullptr);
}

void SessionEnd::onSignal()
{
    char buf[16];
    while (::read(g_pipe[0], buf, sizeof buf) > 0) {
    }
    saveOnce();
    g_armed = false;
    // exit() leaves every event loop, also a wait running inside a handler.
    QCoreApplication::exit(0);
}

} // namespace tarvelle
