// The hand history: kills, damaged lines, roll-over and the figures drawn from it.
#include "storage/gamefiles.h"
#include "storage/handhistory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarvelle;

namespace {

// A record of hand n: every field follows n, so a line read back tells which one it was.
HandRecord recordNo(int64_t n, QRandomGenerator* rng = nullptr)
{
    HandRecord r;
    r.time = 1765300000 + n;
    static const char* const games[] = {"jacks-9-6", "deuces-wild", "my-own.2"};
    r.game = games[rng ? rng->bounded(3) : n % 3];
    for (int i = 0; i < 5; ++i)
        r.dealt[size_t(i)] = int((n * 7 + i * 11) % 53);
    r.hold = int(rng ? rng->bounded(32) : n % 32);
    r.best = (rng ? rng->bounded(3) == 0 : n % 4 == 0) ? r.hold : int((n * 5) % 32);
    r.cost = r.hold == r.best ? 0 : (rng ? int64_t(rng->bounded(4)) * 250000 : n % 1000 * 1234);
    r.bet = rng ? 1 + int(rng->bounded(10)) : 1 + int(n % 5);
    r.won = n % 3 == 0 ? 0 : n % 800;
    r.autoplay = rng ? rng->bounded(5) == 0 : n % 7 == 0;
    return r;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& b)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(b);
}

// The line's check sum put right after an edit, so only the parser's own checks refuse it.
QByteArray resummed(QByteArray line)
{
    line.chop(9);
    uint32_t h = 2166136261u;
    for (const char c : line) {
        h ^= uint8_t(c);
        h *= 16777619u;
    }
    return line + ' ' + QByteArray::number(h, 16).rightJustified(8, '0');
}

// The player's figures of each game over the hands written, as the file should still tell them.
std::map<std::string, HandTotals> recount(const std::vector<HandRecord>& written)
{
    std::map<std::string, HandTotals> model;
    for (const HandRecord& r : written) {
        HandTotals& c = model[r.game];
        c.game = r.game;
        if (r.autoplay)
            continue;
        ++c.hands;
        if (r.best != r.hold) {
            ++c.mistakes;
            c.lost += r.cost * r.bet;
        }
    }
    return model;
}

// Every hand written counted once, whether still a record or in the totals rolled out.
bool countsEveryHand(const HandHistory& h, const std::vector<HandRecord>& written)
{
    for (const auto& [game, c] : recount(written)) {
        const SessionFigures f = allTimeFigures(h.records, game, h.rolledOut);
        if (f.hands != c.hands || f.mistakes != c.mistakes ||
            qAbs(double(f.creditsLost) - double(c.lost) / 1e6) > 1e-6) {
            qWarning("%s: %lld hands, %lld mistakes, %f lost; written %lld, %lld, %f", game.c_str(),
                     (long long)f.hands, (long long)f.mistakes, double(f.creditsLost), (long long)c.hands,
                     (long long)c.mistakes, double(c.lost) / 1e6);
            return false;
        }
    }
    return true;
}

std::vector<HandRecord> recordsUpTo(int64_t last)
{
    std::vector<HandRecord> out;
    for (int64_t n = 0; n <= last; ++n)
        out.push_back(recordNo(n));
    return out;
}

} // namespace

class TestHandHistory : public QObject {
    Q_OBJECT
private slots:
    void damagedLinesAreRefusedAlone();
    void killedAppendsLeaveWholeLines();
    void rollOverKeepsTheNewestWithinTheBound();
    void figuresAndMistakesFollowTheRecords();
};

void TestHandHistory::damagedLinesAreRefusedAlone()
{
    // Edits that keep the check sum right (field, new text) and raw edits of the bytes.
    const std::vector<std::tuple<const char*, int, QByteArray>> fieldEdits = {
        {"other tag", 0, "h2"},          {"hold 32", 4, "32"},          {"hold with leading zero", 4, "00"},
        {"cost with five decimals", 6, "0.00000"}, {"bet 0", 7, "0"},  {"bet with a sign", 7, "+1"},
        {"four cards", 3, "Ah,Kd,Td,2c"}, {"a card twice", 3, "Ah,Ah,Td,2c,Jk"},
        {"an upper-case suit", 3, "AH,Kd,Td,2c,Jk"}, {"not autoplay nor played", 9, "x"},
        {"a game id not plain ASCII", 2, "jacks\xff"}};
    using Edit = QByteArray (*)(QByteArray);
    std::vector<std::pair<const char*, Edit>> edits = {
        {"a digit changed", [](QByteArray l) { return l.replace(l.indexOf(' ') + 3, 1, "9"); }},
        {"check sum changed", [](QByteArray l) { return l.left(l.size() - 1) + (l.endsWith('0') ? "1" : "0"); }},
        {"cut short", [](QByteArray l) { return l.left(l.size() / 2); }},
        {"empty", [](QByteArray) { return QByteArray(); }},
        {"a space added", [](QByteArray l) { return l.replace(" ", "  "); }},
        {"binary", [](QByteArray l) { return l.replace(5, 1, QByteArray(1, '\0')); }},
        {"best play with a cost", [](QByteArray l) {
             auto f = l.split(' ');
             f[5] = f[4];
             f[6] = "0.100000";
             return resummed(f.join(' '));
         }},
    };
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    const QString path = dir.filePath("hands.log");
    std::vector<HandRecord> kept;
    for (int n = 0; n < 6; ++n) {
        kept.push_back(recordNo(n));
        QVERIFY(appendHand(d, kept.back()));
    }
    const QByteArray good = readAll(path);
    const auto lines = good.split('\n');
    QCOMPARE(lines.size(), 7); // and the empty rest after the last newline
    HandHistory whole = loadHands(d);
    QCOMPARE(whole.refused, 0);
    QCOMPARE(whole.records, kept);

    const auto withField = [](QByteArray l, int at, const QByteArray& text) {
        auto f = l.split(' ');
        f[at] = text;
        return resummed(f.join(' '));
    };
    for (size_t e = 0; e < edits.size() + fieldEdits.size(); ++e) {
        const char* what = e < edits.size() ? edits[e].first : std::get<0>(fieldEdits[e - edits.size()]);
        for (int i = 0; i < 6; ++i) {
            auto changed = lines;
            if (e < edits.size()) {
                changed[i] = edits[e].second(changed[i]);
            } else {
                const auto& [name, at, text] = fieldEdits[e - edits.size()];
                changed[i] = withField(changed[i], at, text);
            }
            QVERIFY2(changed[i] != lines[i], what);
            writeAll(path, changed.join('\n'));
            const HandHistory h = loadHands(d);
            QVERIFY2(h.refused == 1, qPrintable(QStringLiteral("%1, line %2").arg(what).arg(i)));
            auto others = kept;
            others.erase(others.begin() + i);
            QVERIFY2(h.records == others, what);
        }
    }

    // A torn last line (no newline) is refused; the next hand is written on a line of its own.
    writeAll(path, good + lines[0].left(20));
    QCOMPARE(loadHands(d).refused, 1);
    QVERIFY(appendHand(d, recordNo(6)));
    kept.push_back(recordNo(6));
    const HandHistory after = loadHands(d);
    QCOMPARE(after.refused, 1);
    QCOMPARE(after.records, kept);

    // The totals at the head: damaged, or not as written, they are refused alone.
    const HandTotals totals{"jacks-9-6", 40, 7, 1234567};
    const QByteArray head = QByteArray::fromStdString(totalsLine(totals)).chopped(1);
    writeAll(path, head + '\n' + good);
    HandHistory withTotals = loadHands(d);
    QCOMPARE(withTotals.rolledOut, std::vector<HandTotals>{totals});
    QCOMPARE(withTotals.records, std::vector<HandRecord>(kept.begin(), kept.end() - 1));
    std::vector<QByteArray> badHeads;
    for (const auto& [what, edit] : edits)
        if (QByteArray(what) != "best play with a cost") // a record's fields
            badHeads.push_back(edit(head));
    for (const char* fields : {"jacks-9-6 40 41 0", "jacks-9-6 040 7 1", "jacks-9-6 -40 7 1",
                               "jacks-9-6 40 7", "jacks 9-6 40 7 1"})
        badHeads.push_back(resummed(QByteArray("t1 ") + fields + " 00000000"));
    for (const QByteArray& bad : badHeads) {
        QVERIFY(bad != head);
        writeAll(path, bad + '\n' + good);
        const HandHistory h = loadHands(d);
        QVERIFY2(h.refused == 1 && h.rolledOut.empty(), bad.constData());
        QCOMPARE(h.records.size(), kept.size() - 1);
    }

    // A FIFO in its place is neither waited on nor written to.
    QFile::remove(path);
    QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0644), 0);
    QCOMPARE(loadHands(d).records.size(), size_t(0));
    QVERIFY(!appendHand(d, recordNo(7)));
}

// A child appends hands as fast as it can, the file rolling over every few hundred, and is
// killed at random moments, or at each step of a roll-over's write: what it left always loads
// as whole lines in order, at most the last one torn, every hand counted once between the
// records and the totals, and a start clears any temporary of a roll-over cut short.
void TestHandHistory::killedAppendsLeaveWholeLines()
{
    QRandomGenerator rng(20261210);
    constexpr size_t limit = 24000;
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    QVERIFY(appendHand(d, recordNo(0), limit));
    int64_t next = 1;
    int refused = 0; // lines torn by earlier kills, kept until rolled over
    int cutShort = 0; // roll-overs the kill came in
    const char* const steps[] = {"open", "write", "sync", "rename"};
    for (int round = 0; round < 30; ++round) {
        const bool inRollOver = round < 8;
        const pid_t pid = fork();
        if (pid == 0) {
            if (inRollOver)
                ::setenv("TARVELLE_CRASH_AT", (std::string(steps[round % 4]) + ":1").c_str(), 1);
            for (int64_t n = next;; ++n)
                appendHand(d, recordNo(n), limit);
        }
        QVERIFY(pid > 0);
        if (!inRollOver) {
            ::usleep(useconds_t(500 + rng.bounded(20000)));
            ::kill(pid, SIGKILL);
        }
        int status = 0;
        QCOMPARE(waitpid(pid, &status, 0), pid);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        cutShort += removeLeftoverTemporaries(d);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"hands.log"});
        const HandHistory h = loadHands(d);
        QVERIFY2(h.refused <= refused + 1, qPrintable(QString::number(h.refused)));
        QVERIFY(!h.records.empty());
        // Whole hands in the order written, the newest last, and those rolled out in the totals,
        // each once, whenever the kill came (in a roll-over too).
        for (size_t i = 0; i < h.records.size(); ++i)
            QCOMPARE(h.records[i], recordNo(h.records.front().time - 1765300000 + int64_t(i)));
        next = h.records.back().time - 1765300000 + 1;
        QVERIFY(countsEveryHand(h, recordsUpTo(next - 1)));

        // The next start goes on from what was left, on a line of its own, within the bound
        // again (a roll-over cut short is done by the next hand).
        QVERIFY(appendHand(d, recordNo(next), limit));
        const HandHistory after = loadHands(d);
        QVERIFY(after.refused <= h.refused);
        refused = after.refused;
        QCOMPARE(after.records.back(), recordNo(next++));
        const qint64 size = QFileInfo(dir.filePath("hands.log")).size();
        QVERIFY2(size <= qint64(limit), qPrintable(QString::number(size)));
    }
    QVERIFY(cutShort >= 6); // open, write and sync left one each, twice
}

void TestHandHistory::rollOverKeepsTheNewestWithinTheBound()
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    constexpr size_t limit = 8000;
    size_t line = 0;
    int rolls = 0;
    qint64 before = 0;
    for (int64_t n = 0; n < 1000; ++n) {
        bool rolled = false;
        QVERIFY(appendHand(d, recordNo(n), limit, &rolled));
        line = std::max(line, handLine(recordNo(n)).size());
        const qint64 size = QFileInfo(dir.filePath("hands.log")).size();
        QVERIFY2(size_t(size) <= limit, qPrintable(QString::number(size)));
        QCOMPARE(rolled, size < before);
        if (size < before) {
            ++rolls;
            QVERIFY(size_t(size) >= limit / 2 - line); // the newest half, no less
        }
        before = size;
    }
    QVERIFY(rolls >= 10);
    const HandHistory h = loadHands(d);
    QCOMPARE(h.refused, 0);
    QCOMPARE(h.rolledOut.size(), size_t(3));
    QVERIFY(countsEveryHand(h, recordsUpTo(999)));
    QVERIFY(h.records.size() * line >= limit / 2 - line);
    for (size_t i = 0; i < h.records.size(); ++i)
        QCOMPARE(h.records[i], recordNo(1000 - int64_t(h.records.size()) + int64_t(i)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"hands.log"});
}

// Figures over the records read back equal a recount of the records written, per game;
// the mistakes come in the order asked for, autoplay's left out.
void TestHandHistory::figuresAndMistakesFollowTheRecords()
{
    QRandomGenerator rng(77);
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    std::vector<HandRecord> written;
    for (int n = 0; n < 600; ++n) {
        written.push_back(recordNo(n, &rng));
        written.back().time = 1765300000 + n / 3; // several hands a second
        QVERIFY(appendHand(d, written.back()));
    }
    const HandHistory h = loadHands(d);
    QCOMPARE(h.records, written);

    struct Count {
        int64_t hands = 0, mistakes = 0, lostMillionths = 0;
    };
    std::map<std::string, Count> model;
    for (const HandRecord& r : written) {
        if (r.autoplay)
            continue;
        Count& c = model[r.game];
        ++c.hands;
        if (r.best != r.hold) {
            ++c.mistakes;
            c.lostMillionths += r.cost * r.bet;
        }
    }
    QCOMPARE(model.size(), size_t(3));
    for (const auto& [game, c] : model) {
        const SessionFigures f = allTimeFigures(h.records, game);
        QCOMPARE(f.hands, c.hands);
        QCOMPARE(f.mistakes, c.mistakes);
        QVERIFY(qAbs(double(f.creditsLost) - double(c.lostMillionths) / 1e6) < 1e-6);
        QCOMPARE(f.accuracy(), 100.0 * double(c.hands - c.mistakes) / double(c.hands));

        const auto costly = mistakes(h.records, game, MistakeOrder::Costliest);
        const auto newest = mistakes(h.records, game, MistakeOrder::Newest);
        QCOMPARE(int64_t(costly.size()), c.mistakes);
        QCOMPARE(int64_t(newest.size()), c.mistakes);
        const auto at = [&](const HandRecord& r) {
            return std::find(written.begin(), written.end(), r) - written.begin();
        };
        for (size_t i = 1; i < newest.size(); ++i)
            QVERIFY(at(newest[i - 1]) > at(newest[i]));
        for (size_t i = 1; i < costly.size(); ++i) {
            const auto a = costly[i - 1].cost * costly[i - 1].bet, b = costly[i].cost * costly[i].bet;
            QVERIFY(a > b || (a == b && at(costly[i - 1]) > at(costly[i])));
        }
    }
    QCOMPARE(allTimeFigures(h.records, "no-such-game").hands, int64_t(0));
    size_t all = 0;
    for (const auto& [game, c] : model)
        all += size_t(c.mistakes);
    QCOMPARE(mistakes(h.records, std::nullopt).size(), all);
}

QTEST_GUILESS_MAIN(TestHandHistory)
#include "tst_handhistory.moc"
