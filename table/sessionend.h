#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace tarvelle {

// A logout, a service manager or a lost display must not cost the player what is not yet
// on disk. Turns SIGTERM, SIGHUP and SIGINT, and an exit() from inside the toolkit (which is
// how a broken X connection ends the program), into one call of the save function, after
// which the program ends with status 0.
class SessionEnd : public QObject {
    Q_OBJECT
public:
    // save runs on the user-interface thread for the signals, and at exit() for the display.
    explicit SessionEnd(std::function<void()> save, QObject* parent = nullptr);
    // First thing in main, before any window or file work: a signal during the start-up
    // ends the program with status 0 and leaves the files as they were.
    static void installEarly();
    ~SessionEnd() override;

    // The message loop is over: an exit() from now on is the program's own.
    void disarm();

private:
    void onSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace tarvelle
