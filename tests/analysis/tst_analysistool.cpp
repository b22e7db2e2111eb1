#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <algorithm>

#include <sys/stat.h>

class TestAnalysisTool : public QObject {
    Q_OBJECT

private slots:
    void analyzeListsEveryHoldBestFirst();
    void analyzeFollowsTheGivenPositions();
    void returnOfNineSixJacks();
    void gamesListsTheCatalogue();
    void strategyChartOfNineSixJacks();
    void gamesOfYourOwnInTheDataFolder();
    void riskOfNineSixJacks();
    void riskOfDeucesWildForEver();
    void badInputExitsWithTwo_data();
    void badInputExitsWithTwo();

private:
    struct Result {
        int exitCode;
        QByteArray out, err;
    };
    static Result run(const QStringList& args)
    {
        QProcess p;
        p.start(QStringLiteral(TARVELLE_TOOL_PATH), args);
        if (!p.waitForStarted(10000))
            return {-1, {}, "did not start"};
        if (!p.waitForFinished(60000))
            return {-1, {}, "did not finish"};
        if (p.exitStatus() != QProcess::NormalExit)
            return {-1, {}, "crashed"};
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }
    static QList<QByteArray> lines(const QByteArray& out)
    {
        QList<QByteArray> l = out.split('\n');
        if (!l.isEmpty() && l.last().isEmpty())
            l.removeLast();
        return l;
    }
};

void TestAnalysisTool::analyzeListsEveryHoldBestFirst()
{
    const Result r = run({"analyze", "--joker", "--hold-high-card", "Jk", "5s", "6h", "7d", "Kc"});
    QCOMPARE(r.exitCode, 0);
    const QList<QByteArray> l = lines(r.out);
    QCOMPARE(l.size(), 33);
    QSet<QByteArray> masks;
    double previous = 1e9;
    QMap<QByteArray, QByteArray> valueOf;
    for (int i = 0; i < 32; ++i) {
        const QList<QByteArray> f = l[i].split(' ');
        QCOMPARE(f.size(), 2);
        QCOMPARE(f[0].size(), 5);
        QVERIFY(f[1].size() - f[1].indexOf('.') - 1 >= 9);
        masks.insert(f[0]);
        valueOf[f[0]] = f[1];
        QVERIFY(f[1].toDouble() <= previous);
        previous = f[1].toDouble();
    }
    QCOMPARE(masks.size(), 32);
    // Joker, 5, 6, 7 is both the best hold and what the table proposes.
    QVERIFY(l[0].startsWith("11110 "));
    const QList<QByteArray> adv = l[32].split(' ');
    QCOMPARE(adv.size(), 4);
    QCOMPARE(adv[0], QByteArray("advisor"));
    QCOMPARE(adv[1], QByteArray("11110"));
    QCOMPARE(adv[2], valueOf["11110"]);
    QCOMPARE(adv[3].toDouble(), 0.0);
}

void TestAnalysisTool::analyzeFollowsTheGivenPositions()
{
    // The same cards in another order: masks follow the positions as given.
    const Result a = run({"analyze", "Ah", "Kh", "Qh", "Jh", "Th"});
    const Result b = run({"analyze", "Th", "Jh", "Qh", "Kh", "Ah"});
    QCOMPARE(a.exitCode, 0);
    QCOMPARE(b.exitCode, 0);
    QVERIFY(lines(a.out).contains("01111 4.7446808511"));
    QVERIFY(lines(b.out).contains("11110 4.7446808511"));
    QCOMPARE(lines(a.out)[0], QByteArray("11111 500.0000000000"));
    QCOMPARE(lines(a.out)[32], QByteArray("advisor 11111 500.0000000000 0.0000000000"));

    // A pair of Jacks with four hearts: the table breaks the pair for the flush draw,
    // which is worth less here, and the loss is the difference.
    const Result c = run({"analyze", "Jh", "Js", "2h", "5h", "9h"});
    QCOMPARE(c.exitCode, 0);
    const QList<QByteArray> l = lines(c.out);
    const QList<QByteArray> adv = l[32].split(' ');
    QCOMPARE(adv[1], QByteArray("10111"));
    const double best = l[0].split(' ')[1].toDouble();
    QVERIFY(adv[3].toDouble() > 0);
    QVERIFY(std::abs(best - adv[2].toDouble() - adv[3].toDouble()) < 1e-9);
}

void TestAnalysisTool::returnOfNineSixJacks()
{
    const Result r = run({"return", "--paytable", "0,1,2,3,4,6,9,25,50,800,0", "--strategy", "optimal"});
    QCOMPARE(r.exitCode, 0);
    const QList<QByteArray> l = lines(r.out);
    QCOMPARE(l.size(), 12);
    QCOMPARE(l[0], QByteArray("99.5439"));
    double paid = 0;
    const double pay[12] = {0, 0, 1, 2, 3, 4, 6, 9, 25, 50, 800, 0};
    for (int c = 1; c <= 11; ++c) {
        const QList<QByteArray> f = l[c].split(' ');
        QCOMPARE(f[0].toInt(), c);
        paid += pay[c] * f[1].toDouble();
    }
    QVERIFY(std::abs(paid * 100 - 99.5439) < 1e-4);
}

void TestAnalysisTool::strategyChartOfNineSixJacks()
{
    const Result text = run({"strategy", "--game", "jacks-9-6"});
    QCOMPARE(text.exitCode, 0);
    const QList<QByteArray> l = lines(text.out);
    QVERIFY(l.size() > 20);
    // "chart 99.54xx %, optimal 99.5439 %, loss 0.00xx points"
    const QList<QByteArray> last = l.last().split(' ');
    QCOMPARE(last.size(), 9);
    QCOMPARE(last[0], QByteArray("chart"));
    QCOMPARE(last[4], QByteArray("99.5439"));
    const double chart = last[1].toDouble();
    QVERIFY(chart <= 99.5439 && chart >= 99.4939);
    QVERIFY(std::abs(99.5439 - chart - last[7].toDouble()) < 1.5e-4);
    // Numbered lines 1, 2, ... down to "discard everything".
    int numbered = 0;
    QByteArray lastLine;
    for (const QByteArray& line : l) {
        const QList<QByteArray> f = line.simplified().split(' ');
        bool isNumber = false;
        const int n = f[0].toInt(&isNumber);
        if (!isNumber)
            continue;
        QCOMPARE(n, ++numbered);
        lastLine = line;
    }
    QVERIFY(numbered >= 20);
    QVERIFY(lastLine.contains("discard everything"));

    const Result html = run({"strategy", "--game", "jacks-9-6", "--format", "html"});
    QCOMPARE(html.exitCode, 0);
    QVERIFY(html.out.startsWith("<!DOCTYPE html>"));
    QCOMPARE(int(html.out.count("<tr>")), numbered + 1);
    QVERIFY(html.out.contains("returns " + last[1] + " %"));
    QVERIFY(html.out.contains("<td>4 to a royal flush</td>"));
}

void TestAnalysisTool::gamesListsTheCatalogue()
{
    QTemporaryDir empty;
    const Result r = run({"games", "--data-dir", empty.path()});
    QCOMPARE(r.exitCode, 0);
    const QList<QByteArray> l = lines(r.out);
    QCOMPARE(l.size(), 10); // a heading and nine games
    const QList<QPair<QByteArray, QByteArray>> published = {{"jacks-9-6", "99.5439"},
                                                            {"jacks-8-5", "97.2984"},
                                                            {"bonus-8-5", "99.1660"},
                                                            {"double-bonus-10-7", "100.1725"},
                                                            {"double-double-bonus-9-6", "98.9808"},
                                                            {"deuces-wild", "100.7620"}};
    for (const auto& [id, rate] : published) {
        const auto row =
            std::find_if(l.begin(), l.end(), [&](const QByteArray& x) { return x.startsWith(id + ' '); });
        QVERIFY2(row != l.end(), id.constData());
        QCOMPARE(row->simplified().split(' ').value(1), rate);
    }

    // An edited table is its own game: 9/6 Jacks with 8/5 pays plays as 8/5 Jacks.
    const Result edited = run({"return", "--game", "jacks-9-6", "--paytable", "1,2,3,4,5,8,25,50,800"});
    QCOMPARE(edited.exitCode, 0);
    QCOMPARE(lines(edited.out).value(0), QByteArray("97.2984"));
    QCOMPARE(lines(edited.out).size(), 10);

    // Casino games have no table advisor line; the Joker is in the Joker games' decks.
    const Result deuces = run({"analyze", "--game", "deuces-wild", "2h", "2s", "Th", "Jh", "5c"});
    QCOMPARE(deuces.exitCode, 0);
    QCOMPARE(lines(deuces.out).size(), 32);
    QCOMPARE(run({"analyze", "--game", "joker-poker", "Jk", "Ah", "Kh", "Qh", "2c"}).exitCode, 0);

    // Games of the player's own, from a file: listed after the catalogue, played by name.
    QTemporaryFile own;
    QVERIFY(own.open());
    own.write("# mine\nmy-jacks jacks-9-6 1,2,3,4,5,8,25,50,800\n");
    own.close();
    const Result mine = run({"return", "--games", own.fileName(), "--game", "my-jacks"});
    QCOMPARE(lines(mine.out).value(0), QByteArray("97.2984"));
    const QList<QByteArray> listed = lines(run({"games", "--games", own.fileName()}).out);
    QCOMPARE(listed.size(), 11);
    QVERIFY(listed.last().startsWith("my-jacks ") && listed.last().contains(" 97.2984 %"));
}

void TestAnalysisTool::gamesOfYourOwnInTheDataFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath("games.txt");
    auto edit = [&](const QStringList& args) {
        return run(QStringList{"games", "--data-dir", dir.path()} + args);
    };

    const Result added = edit({"--add", "my-jacks", "jacks-9-6", "1,2,3,4,5,8,25,50,800"});
    QCOMPARE(added.exitCode, 0);
    QVERIFY(added.out.startsWith("added my-jacks "));
    QVERIFY(QFile::exists(file));
    const Result mine = run({"return", "--data-dir", dir.path(), "--game", "my-jacks"});
    QCOMPARE(lines(mine.out).value(0), QByteArray("97.2984"));
    // Refused edits leave the file as it was, with one line saying why.
    const QList<QStringList> refused = {
        {"--add", "my-jacks", "jacks-9-6", "1,2,3,4,5,8,25,50,800"},
        {"--add", "other", "jacks-9-6", "1,2,3"},
        {"--remove", "jacks-9-6"},
        {"--remove", "nobody"},
        {"--add", "x", "jacks-9-6", "1,2,3,4,5,8,25,50,800", "--remove", "x"}};
    for (const QStringList& args : refused) {
        const Result r = edit(args);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err.count('\n'), 1);
    }

    // A hand-edited line the tool cannot read: said once, the other games listed.
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::Append));
        f.write("my-deuces deuces-wild 1,2,2,3,4,9,15,25,200,800\nmy jacks 1,2\n");
    }
    const Result listed = edit({});
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.err, "tarvelle-tool: " + file.toUtf8() + ", line 4: unknown game 'jacks'\n");
    QCOMPARE(lines(listed.out).size(), 12);
    QVERIFY(lines(listed.out).last().startsWith("my-deuces "));

    // Removing a game saves a clean file; what the damaged one held stays beside it.
    const Result removed = edit({"--remove", "my-jacks"});
    QCOMPARE(removed.exitCode, 0);
    QCOMPARE(removed.err.count('\n'), 2);
    QVERIFY(QFile(file + ".damaged").size() > QFile(file).size());
    const Result one = edit({"my-deuces"});
    QCOMPARE(one.exitCode, 0);
    QVERIFY(one.err.isEmpty());
    QCOMPARE(run({"return", "--data-dir", dir.path(), "--game", "my-jacks"}).exitCode, 2);

    // A FIFO where the file belongs: never waited on, never replaced.
    QVERIFY(QFile::remove(file));
    QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0644), 0);
    const Result fifo = edit({"jacks-9-6"});
    QCOMPARE(fifo.exitCode, 0);
    QCOMPARE(edit({"--add", "x", "jacks-9-6", "1,2,3,4,5,8,25,50,800"}).exitCode, 1);
    QCOMPARE(run({"return", "--data-dir", dir.path(), "--game", "x"}).exitCode, 2);
}

// The figure after the label, and what the brackets say of how it was found.
static QByteArray riskValue(const QList<QByteArray>& l, const char* label, QByteArray* how = nullptr)
{
    for (const QByteArray& line : l) {
        if (line.startsWith(label) && line.at(int(qstrlen(label))) == ' ') {
            const QByteArray rest = line.mid(int(qstrlen(label))).trimmed();
            const int bracket = rest.indexOf("  (");
            if (how)
                *how = bracket < 0 ? QByteArray() : rest.mid(bracket + 3).chopped(1);
            return bracket < 0 ? rest : rest.left(bracket);
        }
    }
    return "missing " + QByteArray(label);
}

void TestAnalysisTool::riskOfNineSixJacks()
{
    // The defaults: 800 bets over 10,000 hands, worked out exactly.
    const Result r = run({"risk", "--game", "jacks-9-6"});
    QCOMPARE(r.exitCode, 0);
    const QList<QByteArray> l = lines(r.out);
    QCOMPARE(l[0], QByteArray("jacks-9-6 9/6 Jacks or Better"));
    QCOMPARE(riskValue(l, "return"), QByteArray("99.5439 %"));
    QCOMPARE(riskValue(l, "bankroll"), QByteArray("800 bets"));
    QCOMPARE(riskValue(l, "hands"), QByteArray("10000"));
    QByteArray how;
    const double ruin = riskValue(l, "ruin chance", &how).chopped(2).toDouble();
    QVERIFY(how.startsWith("exact"));
    QVERIFY(ruin > 0 && ruin < 5);
    const QByteArray bankroll5 = riskValue(l, "5 % bankroll").chopped(5);
    QVERIFY(bankroll5.toInt() > 0 && bankroll5.toInt() < 800);
    QCOMPARE(riskValue(l, "long-run ruin"), QByteArray("100 %"));

    // The 5 % bankroll is the least whose own ruin chance is at most 5 %.
    const auto ruinAt = [](int bankroll, QStringList more) {
        const Result at =
            run(QStringList{"risk", "--game", "jacks-9-6", "--bankroll", QString::number(bankroll)} + more);
        return riskValue(lines(at.out), "ruin chance");
    };
    QVERIFY(ruinAt(bankroll5.toInt(), {}).chopped(2).toDouble() <= 5);
    QVERIFY(ruinAt(bankroll5.toInt() - 1, {}).chopped(2).toDouble() > 5);

    // A simulation says its error, and the exact figure lies within four of it.
    const QByteArray exact = ruinAt(100, {"--hands", "2000"});
    const Result sim = run(
        {"risk", "--game", "jacks-9-6", "--bankroll", "100", "--hands", "2000", "--simulate", "--seed", "9"});
    QCOMPARE(sim.exitCode, 0);
    const QList<QByteArray> s = riskValue(lines(sim.out), "ruin chance", &how).split(' ');
    QCOMPARE(s.size(), 4);
    QVERIFY2(how.startsWith("simulated, ") && how.contains("seed 9"), how);
    QVERIFY2(std::abs(s[0].toDouble() - exact.chopped(2).toDouble()) <= 4 * s[2].toDouble(), sim.out);
    QCOMPARE(run({"risk", "--game", "jacks-9-6", "--bankroll", "100", "--hands", "2000", "--simulate",
                  "--seed", "9"})
                 .out,
             sim.out);
}

void TestAnalysisTool::riskOfDeucesWildForEver()
{
    const Result r = run({"risk", "--game", "deuces-wild", "--bankroll", "1000", "--hands", "500"});
    QCOMPARE(r.exitCode, 0);
    const QList<QByteArray> l = lines(r.out);
    // Over 100 %: some bankroll survives for ever with 95 %, and 1000 bets is not it.
    const double forEver = riskValue(l, "long-run ruin").chopped(2).toDouble();
    const int bankroll5 = riskValue(l, "long-run 5 % bankroll").chopped(5).toInt();
    QVERIFY2(forEver > 5 && forEver < 100 && bankroll5 > 1000, r.out);
    // 500 hands cannot lose 1000 bets.
    QCOMPARE(riskValue(l, "ruin chance"), QByteArray("0.0000 %"));
}

void TestAnalysisTool::badInputExitsWithTwo_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("four cards") << QStringList{"analyze", "Ah", "Kh", "Qh", "Jh"};
    QTest::newRow("six cards") << QStringList{"analyze", "Ah", "Kh", "Qh", "Jh", "Th", "9h"};
    QTest::newRow("repeated card") << QStringList{"analyze", "Ah", "Kh", "Qh", "Jh", "Ah"};
    QTest::newRow("Joker without --joker") << QStringList{"analyze", "Ah", "Kh", "Qh", "Jh", "Jk"};
    QTest::newRow("Joker by code") << QStringList{"analyze", "1", "2", "3", "4", "53"};
    QTest::newRow("short pay table") << QStringList{"analyze", "--paytable", "1,2,3", "Ah",
                                                    "Kh",      "Qh",         "Jh",    "Th"};
    QTest::newRow("pay table with text") << QStringList{"return", "--paytable", "0,1,2,3,4,6,9,25,50,x,0"};
    QTest::newRow("pay table missing") << QStringList{"return", "--paytable"};
    QTest::newRow("unknown strategy") << QStringList{"return", "--strategy", "lucky"};
    QTest::newRow("unknown option") << QStringList{"return", "--fast"};
    QTest::newRow("stray word") << QStringList{"return", "Ah"};
    QTest::newRow("unknown game") << QStringList{"return", "--game", "pai-gow"};
    QTest::newRow("Joker with a casino game") << QStringList{"return", "--joker", "--game", "jacks-9-6"};
    QTest::newRow("pay table of another game")
        << QStringList{"return", "--game", "jacks-9-6", "--paytable", "0,1,2,3,4,6,9,25,50,800,0"};
    QTest::newRow("Joker outside its games")
        << QStringList{"analyze", "--game", "deuces-wild", "Ah", "Kh", "Qh", "Jh", "Jk"};
    QTest::newRow("games file missing") << QStringList{"games", "--games", "/nonexistent/games.txt"};
    QTest::newRow("games file not text")
        << QStringList{"return", "--games", TARVELLE_TOOL_PATH, "--game", "x"};
    QTest::newRow("no bankroll") << QStringList{"risk", "--bankroll", "0"};
    QTest::newRow("too many hands") << QStringList{"risk", "--hands", "1000001"};
    QTest::newRow("seed not a number") << QStringList{"risk", "--simulate", "--seed", "x"};
    QTest::newRow("unknown chart format") << QStringList{"strategy", "--format", "pdf"};
    QTest::newRow("chart of an unknown game") << QStringList{"strategy", "--game", "pai-gow"};
    QTest::newRow("unknown analyze option") << QStringList{"analyze", "--wild", "Ah", "Kh", "Qh", "Jh", "Th"};
}

void TestAnalysisTool::badInputExitsWithTwo()
{
    QFETCH(QStringList, args);
    const Result r = run(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.err.startsWith("tarvelle-tool: "));
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY(r.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestAnalysisTool)
#include "tst_analysistool.moc"
