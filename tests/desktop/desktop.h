#pragma once

// A throw-away desktop for tests: an X server of its own (Xvfb picks a free display), an
// optional window manager, and small helpers around the usual X tools.
#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QThread>

#include <functional>

namespace tarvelle::testing {

inline bool haveProgram(const QString& name)
{
    return !QStandardPaths::findExecutable(name).isEmpty();
}

inline bool waitUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QThread::msleep(50);
    }
    return true;
}

class Desktop {
public:
    ~Desktop() { stop(); }

    // Starts Xvfb on a free display; false (with a reason) when it cannot run.
    bool startX(QSize screen, QString* why)
    {
        m_x.setProgram(QStringLiteral("Xvfb"));
        m_x.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                          QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                          QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height())});
        m_x.start();
        if (!m_x.waitForStarted(5000)) {
            *why = QStringLiteral("Xvfb does not start");
            return false;
        }
        QByteArray out;
        waitUntil(
            [&] {
                m_x.waitForReadyRead(100);
                out += m_x.readAllStandardOutput();
                return out.contains('\n') || m_x.state() != QProcess::Running;
            },
            10000);
        bool ok = false;
        const int number = out.trimmed().toInt(&ok);
        if (!ok) {
            *why = QStringLiteral("Xvfb gave no display number");
            return false;
        }
        m_display = QStringLiteral(":%1").arg(number);
        return true;
    }

    // Starts a window manager and waits until it has taken the screen.
    bool startWindowManager(const QString& program, QString* why, const QStringList& args = {})
    {
        m_wm.setProcessEnvironment(environment());
        m_wm.setProgram(program);
        m_wm.setArguments(args);
        m_wm.setProcessChannelMode(QProcess::MergedChannels);
        m_wm.start();
        if (!m_wm.waitForStarted(5000)) {
            *why = program + QStringLiteral(" does not start");
            return false;
        }
        if (!waitUntil(
                [&] {
                    return x(QStringLiteral("xprop"),
                             {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                        .contains(QLatin1String("window id"));
                },
                20000)) { // slow on a loaded machine
            *why = program + QStringLiteral(" did not take the screen: ") +
                   QString::fromLocal8Bit(m_wm.readAll().right(300));
            return false;
        }
        return true;
    }

    void stopX()
    {
        if (m_x.state() != QProcess::NotRunning) {
            m_x.terminate();
            if (!m_x.waitForFinished(5000))
                m_x.kill();
            m_x.waitForFinished(2000);
        }
    }

    void stop()
    {
        for (QProcess* p : {&m_wm})
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(2000);
            }
        stopX();
    }

    QString display() const { return m_display; }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("XAUTHORITY"));
        return env;
    }

    // Runs an X tool on this display and returns what it printed.
    QString x(const QString& program, const QStringList& args) const
    {
        QProcess p;
        p.setProcessEnvironment(environment());
        p.start(program, args);
        if (!p.waitForFinished(10000)) {
            p.kill();
            p.waitForFinished();
        }
        return QString::fromLocal8Bit(p.readAllStandardOutput());
    }

    // The top-level windows from bottom to top, as the window manager stacks them.
    QList<quint64> stacking() const
    {
        QList<quint64> ids;
        const QString out = x(QStringLiteral("xprop"),
                              {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
        const qsizetype hash = out.indexOf(QLatin1Char('#'));
        if (hash < 0)
            return ids;
        for (const QString& part : out.mid(hash + 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
            ids.append(part.trimmed().toULongLong(nullptr, 16));
        return ids;
    }

    // The visible window with exactly this title, or 0.
    quint64 window(const QString& title) const
    {
        const QString out =
            x(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                          QStringLiteral("--name"), QStringLiteral("^%1$").arg(title)});
        const QStringList ids = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return ids.isEmpty() ? 0 : ids.first().trimmed().toULongLong();
    }

    quint64 activeWindow() const
    {
        const QString out =
            x(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")});
        const qsizetype hash = out.indexOf(QLatin1Char('#'));
        return hash < 0
                   ? 0
                   : out.mid(hash + 1).trimmed().split(QLatin1Char(',')).first().toULongLong(nullptr, 16);
    }

    void click(int x0, int y0) const
    {
        x(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(x0), QString::number(y0),
                                      QStringLiteral("click"), QStringLiteral("1")});
    }

    void key(const QString& name) const { x(QStringLiteral("xdotool"), {QStringLiteral("key"), name}); }

    // Where a window lies on the screen, in device pixels.
    QRect geometry(quint64 window) const
    {
        const QString out =
            x(QStringLiteral("xdotool"),
              {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::number(window)});
        QHash<QString, int> v;
        for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            v.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1).toInt());
        return {v.value(QStringLiteral("X")), v.value(QStringLiteral("Y")), v.value(QStringLiteral("WIDTH")),
                v.value(QStringLiteral("HEIGHT"))};
    }

    // A picture of the whole screen, taken by grabber (a program that saves one to the file it
    // is given) on this display.
    QImage grab(const QString& grabber, const QString& file) const
    {
        QProcess p;
        QProcessEnvironment env = environment();
        env.remove(QStringLiteral("QT_SCALE_FACTOR"));
        p.setProcessEnvironment(env);
        p.start(grabber, {QStringLiteral("--grab"), file});
        if (!p.waitForFinished(10000))
            p.kill();
        return QImage(file);
    }

private:
    QProcess m_x;
    QProcess m_wm;
    QString m_display;
};

} // namespace tarvelle::testing
