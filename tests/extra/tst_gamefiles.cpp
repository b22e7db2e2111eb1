#include "storage/gamefiles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarvelle;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

void put32(QByteArray& b, int offset, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[offset + i] = char(uint8_t(v >> (8 * i)));
}

uint32_t get32(const QByteArray& b, int offset)
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= uint32_t(uint8_t(b[offset + i])) << (8 * i);
    return v;
}

// A counters image with the given money and a matching check word.
QByteArray countersFile(int32_t win, int32_t credit, int32_t bet, int32_t bonus)
{
    QByteArray b(316, '\0');
    put32(b, 0, 7);   // DealtCounts[1]
    put32(b, 192, 3); // RbWon[1]
    put32(b, 272, uint32_t(win));
    put32(b, 276, uint32_t(credit));
    put32(b, 280, uint32_t(bet));
    put32(b, 284, uint32_t(bonus));
    b[288] = char(0xE8); // InsertedTotal 1000
    b[289] = char(0x03);
    put32(b, 312, uint32_t(win) ^ uint32_t(credit) ^ uint32_t(bet) ^ uint32_t(bonus));
    return b;
}

// Writes beyond `bytes` fail with EFBIG while this lives, like a disk that fills up mid-write.
struct FileSizeLimit {
    rlimit old{};
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit lim = old;
        lim.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
};

} // namespace

class TestGameFiles : public QObject {
    Q_OBJECT
private slots:
    void settingsDefaultsAndLayout();
    void settingsShortAndLongFiles();
    void settingsRoundTrip();
    void countersDefaultsAndLayout();
    void countersRoundTripAllFields();
    void countersBetRepair_data();
    void countersBetRepair();
    void countersMoneyRepairs();
    void countersMoneyRepairsSaturate();
    void countersBadFilesReset();
    void failedSaveKeepsOldFile();
    void readOnlyFilesAreLeftAlone();
    void savesReachLinkedAndSharedFiles();
    void unsaveableFileSaysSoOnce();
    void oneGamePerFolderAndLeftovers();
    void oddFilesAreLeftAlone();
};

void TestGameFiles::settingsDefaultsAndLayout()
{
    QTemporaryDir dir;
    Settings s;
    s.Joker = 0;
    s.DeckNo = 3;
    int code = -1;
    loadini(s, dir.path().toStdString(), &code);
    QVERIFY(code != 0);
    const auto b = settingsBytes(s);
    const std::array<uint8_t, 14> expected{1, 1, 1, 0, 1, 0, 1, 1, 0, 1, 0, 70, 0, 0};
    QCOMPARE(b, expected);

    QVERIFY(saveini(s, dir.path().toStdString(), &code));
    QCOMPARE(code, 0);
    const QByteArray file = readAll(dir.filePath("poker.ini"));
    QCOMPARE(file, QByteArray(reinterpret_cast<const char*>(expected.data()), 14));
    // No temporary left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"poker.ini"});
}

void TestGameFiles::settingsShortAndLongFiles()
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString() + "/"; // trailing separator accepted
    QByteArray bytes(14, '\0');
    for (int i = 0; i < 14; ++i)
        bytes[i] = char(i + 2);

    // 13 bytes: a failed read, so every setting returns to its default.
    writeAll(dir.filePath("poker.ini"), bytes.left(13));
    Settings s;
    s.Joker = 9;
    s.AutoDouble = 9;
    int code = 0;
    loadini(s, d, &code);
    QVERIFY(code != 0);
    QCOMPARE(settingsBytes(s), settingsBytes(Settings{}));

    // 20 bytes: the first fourteen count, the rest is ignored.
    writeAll(dir.filePath("poker.ini"), bytes + QByteArray(6, char(0x55)));
    loadini(s, d, &code);
    QCOMPARE(code, 0);
    const auto b = settingsBytes(s);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(b.data()), 14), bytes);
    QCOMPARE(s.Joker, uint8_t(2));
    QCOMPARE(s.DeckNo, uint8_t(15)); // no range check when loading
}

void TestGameFiles::settingsRoundTrip()
{
    QTemporaryDir dir;
    Settings s;
    s.SoundFx = 0;
    s.RedBlack = 1;
    s.PayoutRate = 90;
    s.PayoutControl = 1;
    s.DeckNo = 2;
    QVERIFY(saveini(s, dir.path().toStdString()));
    Settings back;
    loadini(back, dir.path().toStdString());
    QCOMPARE(settingsBytes(back), settingsBytes(s));
    QCOMPARE(readAll(dir.filePath("poker.ini")).at(4), '\0');

    // Replacing the file keeps the permissions the player gave it.
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    QVERIFY(QFile::setPermissions(dir.filePath("poker.ini"), mode));
    s.SoundFx = 1;
    QVERIFY(saveini(s, dir.path().toStdString()));
    QCOMPARE(QFile::permissions(dir.filePath("poker.ini")), mode);
    QCOMPARE(readAll(dir.filePath("poker.ini")).at(4), '\1');
}

void TestGameFiles::countersDefaultsAndLayout()
{
    QTemporaryDir dir;
    Counters c;
    c.Credit = 5;
    c.DealtCounts[3] = 8;
    int code = 0;
    ldct(c, dir.path().toStdString(), &code);
    QVERIFY(code != 0);
    QCOMPARE(c.Credit, 1000);
    QCOMPARE(c.Bet, 1);
    QCOMPARE(c.InsertedTotal, int64_t(1000));
    QCOMPARE(c.DealtCounts[3], 0u);

    QVERIFY(svct(c, dir.path().toStdString(), &code));
    QCOMPARE(code, 0);
    const QByteArray f = readAll(dir.filePath("poker.dat"));
    QCOMPARE(f.size(), 316);
    QByteArray expected(316, '\0');
    put32(expected, 276, 1000); // Credit
    put32(expected, 280, 1);    // Bet
    put32(expected, 288, 1000); // InsertedTotal, low half
    put32(expected, 312, 1001); // check word
    QCOMPARE(f, expected);
}

void TestGameFiles::countersRoundTripAllFields()
{
    // Distinct values everywhere, so any field read from the wrong offset shows.
    Counters c;
    uint32_t v = 0x01020304;
    for (auto* a : {&c.DealtCounts, &c.FinalCounts, &c.DealtCountsJoker, &c.FinalCountsJoker})
        for (int k = 1; k <= 12; ++k)
            (*a)[k] = v += 0x01010101;
    for (auto* a : {&c.RbWon, &c.RbLost, &c.LhWon, &c.LhLost})
        for (int k = 1; k <= 5; ++k)
            (*a)[k] = v += 0x01010101;
    c.DealtCounts[12] = 0xFFFFFFFFu;
    c.Credit = 123456;
    c.Bet = 40;
    c.Bonus = 9999;
    c.InsertedTotal = 0x0000000500000000LL + 17;
    c.CashoutTotal = 0x0000000300000000LL + 4;
    c.AccountRecord = -77;

    const auto bytes = countersBytes(c);
    QCOMPARE(get32(QByteArray(reinterpret_cast<const char*>(bytes.data()), 316), 48), c.FinalCounts[1]);
    QCOMPARE(get32(QByteArray(reinterpret_cast<const char*>(bytes.data()), 316), 252), c.LhLost[1]);

    QTemporaryDir dir;
    QVERIFY(svct(c, dir.path().toStdString()));
    Counters back;
    ldct(back, dir.path().toStdString());
    QCOMPARE(back.DealtCounts, c.DealtCounts);
    QCOMPARE(back.FinalCountsJoker, c.FinalCountsJoker);
    QCOMPARE(back.RbLost, c.RbLost);
    QCOMPARE(back.LhLost, c.LhLost);
    QCOMPARE(back.Credit, c.Credit);
    QCOMPARE(back.Bet, c.Bet);
    QCOMPARE(back.Bonus, c.Bonus);
    QCOMPARE(back.InsertedTotal, c.InsertedTotal);
    QCOMPARE(back.CashoutTotal, c.CashoutTotal);
    QCOMPARE(back.AccountRecord, c.AccountRecord);
    QCOMPARE(countersBytes(back), bytes);
}

void TestGameFiles::countersBetRepair_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("loaded");
    QTest::newRow("15") << 15 << 1;
    QTest::newRow("7") << 7 << 7;
    QTest::newRow("9") << 9 << 9;
    QTest::newRow("20") << 20 << 20;
    QTest::newRow("500") << 500 << 500;
    QTest::newRow("510") << 510 << 1;
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("-10") << -10 << 1;
}

void TestGameFiles::countersBetRepair()
{
    QFETCH(int, stored);
    QFETCH(int, loaded);
    QTemporaryDir dir;
    writeAll(dir.filePath("poker.dat"), countersFile(0, 1000, stored, 0));
    Counters c;
    ldct(c, dir.path().toStdString());
    QCOMPARE(c.Bet, loaded);
    QCOMPARE(c.DealtCounts[1], 7u); // the statistics survive a bet repair
}

void TestGameFiles::countersMoneyRepairs()
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    const QString path = dir.filePath("poker.dat");
    Counters c;

    writeAll(path, countersFile(250, 40, 1, 0)); // a win left on the table is paid at start
    ldct(c, d);
    QCOMPARE(c.Win, 0);
    QCOMPARE(c.Credit, 290);

    writeAll(path, countersFile(0, 1000, 1, 100000));
    ldct(c, d);
    QCOMPARE(c.Bonus, 0);
    QCOMPARE(c.Credit, 101000);

    writeAll(path, countersFile(0, 1000, 1, 99999));
    ldct(c, d);
    QCOMPARE(c.Bonus, 99999);
    QCOMPARE(c.Credit, 1000);

    writeAll(path, countersFile(-5, 1000, 1, -7));
    ldct(c, d);
    QCOMPARE(c.Win, 0);
    QCOMPARE(c.Bonus, 0);
    QCOMPARE(c.Credit, 1000);

    writeAll(path, countersFile(0, -300, 1, 0));
    ldct(c, d);
    QCOMPARE(c.Credit, 0);

    // Bonus and win both go in, and a negative credit is raised only after they did.
    writeAll(path, countersFile(100, -50, 1, 200000));
    ldct(c, d);
    QCOMPARE(c.Credit, 200050);
    QCOMPARE(c.Win, 0);
    QCOMPARE(c.Bonus, 0);
}

void TestGameFiles::countersMoneyRepairsSaturate()
{
    QTemporaryDir dir;
    writeAll(dir.filePath("poker.dat"), countersFile(2000000000, 2000000000, 1, 2000000000));
    Counters c;
    ldct(c, dir.path().toStdString());
    QCOMPARE(c.Credit, 2147483647);
    QCOMPARE(c.Win, 0);
    QCOMPARE(c.Bonus, 0);
}

void TestGameFiles::countersBadFilesReset()
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    const QString path = dir.filePath("poker.dat");
    Counters c;
    LoadState state = LoadState::Loaded;

    // Credit edited by hand, check word left alone: everything returns to the defaults.
    QByteArray tampered = countersFile(0, 5000, 20, 0);
    put32(tampered, 276, 900000);
    writeAll(path, tampered);
    c.Credit = 1;
    ldct(c, d, nullptr, &state);
    QCOMPARE(c.Credit, 1000);
    QCOMPARE(c.Bet, 1);
    QCOMPARE(c.DealtCounts[1], 0u);
    QCOMPARE(c.RbWon[1], 0u);
    QCOMPARE(c.InsertedTotal, int64_t(1000));
    QCOMPARE(state, LoadState::Damaged);
    // Kept beside it, byte for byte, and no longer in the way of the next save.
    QCOMPARE(QString::fromStdString(keepDamagedFile(d, "poker.dat")), path + ".damaged");
    QCOMPARE(readAll(path + ".damaged"), tampered);
    QVERIFY(!QFile::exists(path));
    ldct(c, d, nullptr, &state);
    QCOMPARE(state, LoadState::Missing);

    // A short file is a failed read, and damaged too; an empty one as well.
    for (int size : {315, 0}) {
        writeAll(path, countersFile(0, 5000, 20, 0).left(size));
        c.Credit = 1;
        int code = 0;
        ldct(c, d, &code, &state);
        QVERIFY(code != 0);
        QCOMPARE(c.Credit, 1000);
        QCOMPARE(c.DealtCounts[1], 0u);
        QCOMPARE(state, LoadState::Damaged);
    }

    // Bytes past the record are ignored.
    writeAll(path, countersFile(0, 5000, 20, 0) + QByteArray(10, 'x'));
    int code = 0;
    ldct(c, d, &code, &state);
    QCOMPARE(code, 0);
    QCOMPARE(state, LoadState::Loaded);
    QCOMPARE(c.Credit, 5000);
    QCOMPARE(c.Bet, 20);
    QCOMPARE(c.DealtCounts[1], 7u);
}

void TestGameFiles::failedSaveKeepsOldFile()
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    Counters good;
    good.Credit = 4321;
    QVERIFY(svct(good, d));
    Settings goodSettings;
    goodSettings.DeckNo = 2;
    QVERIFY(saveini(goodSettings, d));
    const QByteArray oldDat = readAll(dir.filePath("poker.dat"));
    const QByteArray oldIni = readAll(dir.filePath("poker.ini"));

    Counters next = good;
    next.Credit = 1;
    Settings nextSettings;
    nextSettings.DeckNo = 3;
    int code = 0;
    {
        FileSizeLimit full(100); // the counters no longer fit
        QVERIFY(!svct(next, d, &code));
    }
    QVERIFY(code != 0);
    QCOMPARE(readAll(dir.filePath("poker.dat")), oldDat);
    {
        FileSizeLimit full(10);
        QVERIFY(!saveini(nextSettings, d, &code));
    }
    QVERIFY(code != 0);
    QCOMPARE(readAll(dir.filePath("poker.ini")), oldIni);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"poker.dat", "poker.ini"}));
    Counters back;
    ldct(back, d);
    QCOMPARE(back.Credit, 4321);

    // A folder that cannot exist (its parent is a file): silent failure, a code, no exception.
    const QString notADir = dir.filePath("poker.dat") + "/sub";
    code = 0;
    QVERIFY(!svct(next, notADir.toStdString(), &code));
    QVERIFY(code != 0);
    QVERIFY(!saveini(nextSettings, notADir.toStdString(), &code));
    QCOMPARE(readAll(dir.filePath("poker.dat")), oldDat);

    // The next save after the failure goes through.
    QVERIFY(svct(next, d, &code));
    QCOMPARE(code, 0);
    ldct(back, d);
    QCOMPARE(back.Credit, 1);
}

void TestGameFiles::readOnlyFilesAreLeftAlone()
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    Counters c;
    QVERIFY(svct(c, d));
    const QByteArray oldDat = readAll(dir.filePath("poker.dat"));

    // A read-only file is honoured even though the folder would allow a rename over it,
    // and even for root, whom no mode check stops.
    {
        QFile::setPermissions(dir.filePath("poker.dat"), QFile::ReadOwner | QFile::ReadGroup);
        c.Credit = 77;
        int code = 0;
        QVERIFY(!svct(c, d, &code));
        QVERIFY(code != 0);
        QCOMPARE(readAll(dir.filePath("poker.dat")), oldDat);
        QFile::setPermissions(dir.filePath("poker.dat"), QFile::ReadOwner | QFile::WriteOwner);
    }

    // An immutable folder stops even root; skipped where the file system or rights do not allow it.
    const int fd = ::open(d.c_str(), O_RDONLY | O_DIRECTORY);
    QVERIFY(fd >= 0);
    int flags = 0;
    const bool canLock = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && [&] {
        int locked = flags | FS_IMMUTABLE_FL;
        return ioctl(fd, FS_IOC_SETFLAGS, &locked) == 0;
    }();
    if (canLock) {
        c.Credit = 88;
        int code = 0;
        const bool saved = svct(c, d, &code);
        ioctl(fd, FS_IOC_SETFLAGS, &flags);
        ::close(fd);
        QVERIFY(!saved);
        QVERIFY(code != 0);
        QCOMPARE(readAll(dir.filePath("poker.dat")), oldDat);
    } else {
        ::close(fd);
        if (geteuid() == 0)
            QSKIP("no way to make a folder unwritable for root here");
    }
}

void TestGameFiles::savesReachLinkedAndSharedFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup |
                                          QFile::ExeGroup);

    // poker.dat a link into another folder: the save lands in the target, the link stays a link.
    QVERIFY(QDir(dir.path()).mkpath("real"));
    QVERIFY(QDir(dir.path()).mkpath("game"));
    Counters c;
    c.Credit = 5000;
    QVERIFY(svct(c, dir.filePath("real").toStdString()));
    QVERIFY(QFile::link("../real/poker.dat", dir.filePath("game/poker.dat")));
    c.Credit = 6000;
    QVERIFY(svct(c, dir.filePath("game").toStdString()));
    QVERIFY(QFileInfo(dir.filePath("game/poker.dat")).isSymLink());
    Counters back;
    ldct(back, dir.filePath("real").toStdString());
    QCOMPARE(back.Credit, 6000);
    QCOMPARE(QDir(dir.filePath("game")).entryList(QDir::Files | QDir::System), QStringList{"poker.dat"});
    QCOMPARE(QDir(dir.filePath("real")).entryList(QDir::Files), QStringList{"poker.dat"});

    // A shared install: the folder is read-only to the player, the two files are not.
    const QString shared = dir.filePath("shared");
    QVERIFY(QDir(dir.path()).mkpath("shared"));
    c.Credit = 5000;
    QVERIFY(svct(c, shared.toStdString()));
    Settings s;
    QVERIFY(saveini(s, shared.toStdString()));
    writeAll(shared + "/poker.ini", QByteArray(20, '\1')); // longer than a settings record
    for (const char* name : {"/poker.dat", "/poker.ini"})
        QVERIFY(::chmod(QString(shared + name).toLocal8Bit().constData(), 0666) == 0);
    QVERIFY(::chmod(shared.toLocal8Bit().constData(), 0555) == 0);

    const auto saveAsPlayer = [&] {
        Counters next;
        next.Credit = 6000;
        Settings ns;
        ns.DeckNo = 3;
        return svct(next, shared.toStdString()) && saveini(ns, shared.toStdString());
    };
    bool saved = false;
    if (geteuid() != 0) {
        saved = saveAsPlayer();
    } else {
        // Root writes anywhere; a child that drops to nobody sees what the player sees.
        const pid_t pid = fork();
        if (pid == 0) {
            // 3: no way to become an ordinary user, or the temporary folder is out of its reach.
            if (setgid(65534) != 0 || setuid(65534) != 0 ||
                ::access(shared.toLocal8Bit().constData(), R_OK | X_OK) != 0)
                _exit(3);
            _exit(saveAsPlayer() ? 0 : 1);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (WIFEXITED(status) && WEXITSTATUS(status) == 3) {
            ::chmod(shared.toLocal8Bit().constData(), 0755);
            QSKIP("cannot act as an ordinary user on a temporary folder here");
        }
        saved = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    ::chmod(shared.toLocal8Bit().constData(), 0755);
    QVERIFY(saved);
    ldct(back, shared.toStdString());
    QCOMPARE(back.Credit, 6000);
    Settings sb;
    loadini(sb, shared.toStdString());
    QCOMPARE(sb.DeckNo, uint8_t(3));
    QCOMPARE(QFileInfo(shared + "/poker.ini").size(), 14);
    QCOMPARE(QDir(shared).entryList(QDir::Files), (QStringList{"poker.dat", "poker.ini"}));
}

void TestGameFiles::unsaveableFileSaysSoOnce()
{
    QTemporaryDir dir;
    QTemporaryFile errFile;
    QVERIFY(errFile.open());
    const int saved = dup(2);
    dup2(errFile.handle(), 2);
    const std::string nowhere = dir.filePath("poker.dat").toStdString() + "/sub"; // parent is a file
    writeAll(dir.filePath("poker.dat"), "x");
    Counters c;
    Settings s;
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!svct(c, nowhere));
        QVERIFY(!saveini(s, nowhere));
    }
    fflush(stderr);
    dup2(saved, 2);
    ::close(saved);
    const QStringList lines =
        QString::fromLocal8Bit(readAll(errFile.fileName())).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith("tarvelle: cannot save ") && lines[0].contains("poker.dat"));
    QVERIFY(lines[1].startsWith("tarvelle: cannot save ") && lines[1].contains("poker.ini"));
}

void TestGameFiles::oneGamePerFolderAndLeftovers()
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString() + "/new/";
    DataFolderLock first;
    QCOMPARE(first.acquire(d), DataFolderLock::Result::Held); // makes the folder as well
    {
        DataFolderLock second;
        QCOMPARE(second.acquire(d), DataFolderLock::Result::Busy);
        // Another process sees the same.
        const pid_t pid = fork();
        if (pid == 0) {
            DataFolderLock other;
            _exit(other.acquire(d) == DataFolderLock::Result::Busy ? 0 : 1);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    first.release();
    DataFolderLock again;
    QCOMPARE(again.acquire(d), DataFolderLock::Result::Held);

    // Only the game's own temporaries go.
    const QString f = QString::fromStdString(d);
    const QStringList ours{"poker.dat.a1B2c3", "poker.ini.ZZZZZZ",          "games.txt.Q9w8e7",
                           "game.cfg.Ab12Cd",  "game-jacks-9-6.dat.x1Y2z3", "game-9.dat.000000",
                           "hands.log.k3J9a0", "faces.cfg.Fc0l0r"};
    const QStringList theirs{"poker.dat",         "poker.ini",           "poker.dat.bak",
                             "poker.dat.a1B2c3d", "poker.dat.a1-2c3",    "poker.txt.a1B2c3",
                             "xpoker.dat.a1B2c3", "games.txt.damaged",   "game.cfg",
                             "game-x.dat",        "game-x.dat.damaged",  "game-.dat.a1B2c3",
                             "game-X.dat.a1B2c3", "game-x.y.dat.a1B2c3", "game-x.dat.a1B2c",
                             "game-x.ini.a1B2c3", "game.cfg.a1B2c3d",    "xgame-x.dat.a1B2c3",
                             "hands.log",         "hands.log.a1B2c",     "hands.log.damaged",
                             "faces.cfg"};
    for (const QString& n : ours + theirs)
        writeAll(f + n, "x");
    QVERIFY(QDir(f).mkpath("poker.ini.dir123"));
    QCOMPARE(removeLeftoverTemporaries(d), int(ours.size()));
    QStringList left = QDir(f).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    QStringList expected = theirs + QStringList{"poker.ini.dir123", "tarvelle.lock"};
    left.sort();
    expected.sort();
    QCOMPARE(left, expected);

    // Removing tarvelle.lock lets nobody in: the folder itself stays locked, and the next save
    // (or check) takes a lock file of the same name again.
    const QString lockFile = f + "tarvelle.lock";
    QVERIFY(QFile::remove(lockFile));
    const auto otherProcess = [&] {
        const pid_t pid = fork();
        if (pid == 0) {
            DataFolderLock other;
            _exit(int(other.acquire(d)));
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? DataFolderLock::Result(WEXITSTATUS(status))
                                 : DataFolderLock::Result::Unavailable;
    };
    QCOMPARE(otherProcess(), DataFolderLock::Result::Busy);
    QVERIFY(svct(Counters{}, d));
    QVERIFY(QFile::exists(lockFile));
    QCOMPARE(::flock(::open(lockFile.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC), LOCK_EX | LOCK_NB),
             -1);

    // A lock file replaced by one that someone else holds: this holder saves no more.
    QVERIFY(QFile::remove(lockFile));
    const int otherLock = ::open(lockFile.toLocal8Bit().constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    QVERIFY(otherLock >= 0 && ::flock(otherLock, LOCK_EX | LOCK_NB) == 0);
    const QByteArray kept = readAll(f + "poker.dat");
    Counters changed;
    changed.Credit = 5;
    QVERIFY(!again.keep());
    QVERIFY(!svct(changed, d));
    QCOMPARE(readAll(f + "poker.dat"), kept);
    ::close(otherLock);
}

// What is not a regular file is refused at once, never blocked on, never replaced: the loads
// give the defaults, the saves fail and leave the thing as it was, and each is said on stderr.
void TestGameFiles::oddFilesAreLeftAlone()
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    const QByteArray fifo = dir.filePath("fifo").toLocal8Bit();
    QCOMPARE(::mkfifo(fifo.constData(), 0644), 0);
    QCOMPARE(::mkfifo(dir.filePath("poker.ini").toLocal8Bit().constData(), 0644), 0);
    QCOMPARE(::mkfifo(dir.filePath("coach.cfg").toLocal8Bit().constData(), 0644), 0);
    // poker.dat a link to a device where a node can be made (root), else to the FIFO.
    const QByteArray device = dir.filePath("null").toLocal8Bit();
    const bool node = ::mknod(device.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    QVERIFY(QFile::link(node ? "null" : "fifo", dir.filePath("poker.dat")));

    QTemporaryFile errFile;
    QVERIFY(errFile.open());
    const int savedErr = dup(2);
    dup2(errFile.handle(), 2);
    alarm(20); // a blocking open ends the test instead of hanging it
    Settings s;
    s.Joker = 0;
    int code = 0;
    loadini(s, d, &code);
    QVERIFY(code != 0);
    QCOMPARE(s.Joker, uint8_t(1));
    Counters c;
    c.Credit = 7;
    LoadState state = LoadState::Loaded;
    ldct(c, d, &code, &state);
    QCOMPARE(state, LoadState::NotRegular);
    QCOMPARE(c.Credit, 1000);
    std::string text;
    QVERIFY(!readRegularFile(dir.filePath("coach.cfg").toStdString(), text, 4096));
    QVERIFY(!svct(c, d, &code));
    QVERIFY(!saveini(s, d, &code));
    QVERIFY(!replaceFileAtomically(dir.filePath("coach.cfg").toStdString(),
                                   reinterpret_cast<const uint8_t*>("x"), 1));
    alarm(0);
    fflush(stderr);
    dup2(savedErr, 2);
    ::close(savedErr);

    struct stat st {};
    QVERIFY(::lstat(dir.filePath("poker.dat").toLocal8Bit().constData(), &st) == 0 && S_ISLNK(st.st_mode));
    QVERIFY(::stat(dir.filePath("poker.dat").toLocal8Bit().constData(), &st) == 0);
    QVERIFY(node ? S_ISCHR(st.st_mode) : S_ISFIFO(st.st_mode));
    for (const char* name : {"poker.ini", "coach.cfg"})
        QVERIFY(::lstat(dir.filePath(name).toLocal8Bit().constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    left.sort();
    QStringList expected{"coach.cfg", "fifo", "poker.dat", "poker.ini"};
    if (node)
        expected << "null";
    expected.sort();
    QCOMPARE(left, expected); // nothing new beside them
    const QString err = QString::fromLocal8Bit(readAll(errFile.fileName()));
    for (const char* name : {"poker.ini", "coach.cfg", node ? "null" : "fifo"})
        QVERIFY2(err.contains(QString(name) + " is not a regular file"), qPrintable(err));
}

QTEST_GUILESS_MAIN(TestGameFiles)
#include "tst_gamefiles.moc"
