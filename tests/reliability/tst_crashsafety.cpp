// Saves killed at their most delicate moments: after each kill the file holds exactly the
// record before or the record after the save, and the next start clears what was left.
#include "storage/gamefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarvelle;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template <size_t N> QByteArray bytes(const std::array<uint8_t, N>& a)
{
    return QByteArray(reinterpret_cast<const char*>(a.data()), int(N));
}

// The k-th record a run of saves writes: each one different in money and statistics.
Counters countersNo(int k)
{
    Counters c;
    c.Credit = 1000 + 37 * k;
    c.Win = k % 3 ? 0 : 10 * k;
    c.Bet = 1 + k % 9;
    c.Bonus = 5 * k;
    c.DealtCounts[12] = uint32_t(k);
    c.FinalCounts[3] = uint32_t(2 * k);
    c.InsertedTotal = 1000 + k;
    return c;
}

Settings settingsNo(int k)
{
    Settings s;
    s.DeckNo = uint8_t(k % 4);
    s.PayoutRate = uint8_t(50 + k);
    s.Joker = uint8_t(k & 1);
    return s;
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT

private slots:
    void killedSavesKeepBeforeOrAfter();
};

void TestCrashSafety::killedSavesKeepBeforeOrAfter()
{
    QRandomGenerator rng(20261209);
    const char* const steps[] = {"open", "write", "sync", "rename"};
    int kills = 0;
    for (int round = 0; round < 240; ++round) {
        QTemporaryDir dir;
        const std::string d = dir.path().toStdString() + "/";
        const bool counters = round % 2 == 0;
        const QString file = dir.filePath(counters ? "poker.dat" : "poker.ini");
        // Round 0 of each kind starts with no file at all.
        const int first = round < 2 ? 0 : 1 + int(rng.bounded(3));
        if (first > 0) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(counters ? bytes(countersBytes(countersNo(first)))
                             : bytes(settingsBytes(settingsNo(first))));
        }
        const char* step = steps[(round / 2) % 4];
        const int pass = 1 + int(rng.bounded(4));

        const pid_t pid = fork();
        if (pid == 0) {
            setenv("TARVELLE_CRASH_AT", (QByteArray(step) + ':' + QByteArray::number(pass)).constData(), 1);
            for (int k = first + 1; k <= first + 6; ++k) {
                if (counters)
                    svct(countersNo(k), d);
                else
                    saveini(settingsNo(k), d);
            }
            _exit(0); // not reached: the hook kills the save first
        }
        int status = 0;
        QCOMPARE(waitpid(pid, &status, 0), pid);
        QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL, step);
        ++kills;

        // pass saves were started; the last one was cut at `step`. Once renamed it is whole.
        const int done = first + pass - (QByteArray(step) == "rename" ? 0 : 1);
        const QByteArray got = readAll(file);
        if (done == 0) {
            QVERIFY(!QFile::exists(file));
        } else if (counters) {
            QCOMPARE(got, bytes(countersBytes(countersNo(done))));
            Counters back;
            int code = -1;
            ldct(back, d, &code);
            QCOMPARE(code, 0);
            QCOMPARE(back.Credit, countersNo(done).Credit + countersNo(done).Win);
        } else {
            QCOMPARE(got, bytes(settingsBytes(settingsNo(done))));
        }

        // A start clears what the kill left, and nothing else.
        QStringList left = QDir(dir.path()).entryList(QDir::Files);
        const bool cutBeforeRename = QByteArray(step) != "rename";
        QCOMPARE(left.size(), (done > 0 ? 1 : 0) + (cutBeforeRename ? 1 : 0));
        DataFolderLock lock;
        QCOMPARE(lock.acquire(d), DataFolderLock::Result::Held);
        QCOMPARE(removeLeftoverTemporaries(d), cutBeforeRename ? 1 : 0);
        left = QDir(dir.path()).entryList(QDir::Files);
        left.removeAll("tarvelle.lock");
        QCOMPARE(left, done > 0 ? QStringList{QFileInfo(file).fileName()} : QStringList{});
    }
    QVERIFY(kills >= 200);
    qInfo("%d saves killed inside the save, none lost or torn", kills);
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
