// tarvelle-tool's engine commands: their output agrees with the library, and bad
// input fails cleanly with exit code 2 and nothing on standard output.
#include "engine/deal.h"
#include "engine/evaluator.h"
#include "engine/odds.h"

#include <QProcess>
#include <QtTest>

using namespace tarvelle;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run runTool(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(QStringLiteral(TARVELLE_TOOL_PATH), args);
    if (!p.waitForStarted())
        return {};
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    Run r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QString codes(const Hand& hand)
{
    QStringList parts;
    for (int i = 1; i <= 5; ++i)
        parts << QString::number(hand.code(i));
    return parts.join(' ');
}

} // namespace

class TestEngineTool : public QObject {
    Q_OBJECT

private slots:
    void helpListsCommands();
    void ranmarStream();
    void dealAgreesWithLibrary();
    void evalReadsNamesAndCodes();
    void oddsAgreesWithLibrary();
    void badInput_data();
    void badInput();
};

void TestEngineTool::helpListsCommands()
{
    const Run r = runTool({"--help"});
    QCOMPARE(r.exitCode, 0);
    for (const char* name : {"ranmar", "deal", "eval", "odds"})
        QVERIFY2(r.out.contains(QString("\n  %1 ").arg(name)), name);
}

void TestEngineTool::ranmarStream()
{
    // Zero-padded numbers are the same numbers.
    QCOMPARE(runTool({"ranmar", "0001802", "09373", "000", "0005"}).out,
             runTool({"ranmar", "1802", "9373", "0", "5"}).out);
    QCOMPARE(runTool({"ranmar", "0000000000000000000000001802", "9373", "0", "1"}).exitCode, 0);
    const Run r = runTool({"ranmar", "1802", "9373", "20000", "6"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QString("6533892\n14220222\n7275067\n6172232\n8354498\n10633180\n"));
}

void TestEngineTool::dealAgreesWithLibrary()
{
    const Run r = runTool({"deal", "--seed", "4000000000", "--joker", "--hands", "20", "--hold", "10010"});
    QCOMPARE(r.exitCode, 0);
    RandomSource rng;
    rng.seed(4000000000u);
    Hand hand;
    QString expected;
    for (int h = 0; h < 20; ++h) {
        DealHand(hand, rng, true);
        expected += codes(hand) + " | ";
        hand.Held = {0, 1, 0, 0, 1, 0};
        DrawCards(hand, rng, true);
        expected += codes(hand) + '\n';
    }
    QCOMPARE(r.out, expected);
}

void TestEngineTool::evalReadsNamesAndCodes()
{
    const Run r = runTool({"eval", "--hold-high-card"},
                          "As Ks Qs Js Ts\n\n 36 1 2 3 4 \nKh Qd 9s 5c 2h\nJk 9h 9d 4c 2s\n");
    QCOMPARE(r.exitCode, 0);
    // As is code 36: the second line is the same Ace with 2, 3, 4, 5 of suit 1.
    QCOMPARE(r.out, QString("10 11111\n5 11111\n0 10000\n4 11100\n"));
}

void TestEngineTool::oddsAgreesWithLibrary()
{
    const Run r = runTool({"odds", "--seed", "99", "--hold", "11000"});
    QCOMPARE(r.exitCode, 0);
    RandomSource rng;
    rng.seed(99);
    Hand hand;
    DealHand(hand, rng, false);
    QString expected = codes(hand) + '\n';
    hand.Held = {0, 1, 1, 0, 0, 0};
    const OddsResult odds = LiveOdds(hand, rng, false);
    for (int row = 1; row <= 11; ++row)
        expected += QString::fromStdString(odds.texts[row]) + '\n';
    QCOMPARE(r.out, expected);
}

void TestEngineTool::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("problem");

    QTest::newRow("no command") << QStringList{} << QByteArray() << "no command";
    QTest::newRow("unknown command") << QStringList{"shuffle"} << QByteArray() << "unknown command";
    QTest::newRow("unknown option") << QStringList{"deal", "--seed", "1", "--fast"} << QByteArray()
                                    << "--fast";
    QTest::newRow("missing seed") << QStringList{"deal"} << QByteArray() << "--seed";
    QTest::newRow("seed not a number") << QStringList{"deal", "--seed", "12x"} << QByteArray() << "seed";
    QTest::newRow("seed too big") << QStringList{"odds", "--seed", "4294967296"} << QByteArray() << "seed";
    QTest::newRow("newline in seed") << QStringList{"deal", "--seed", "1\n2"} << QByteArray() << "seed";
    QTest::newRow("seed negative") << QStringList{"deal", "--seed", "-1"} << QByteArray() << "seed";
    QTest::newRow("option without value") << QStringList{"deal", "--seed"} << QByteArray() << "--seed";
    QTest::newRow("short mask") << QStringList{"deal", "--seed", "1", "--hold", "1101"} << QByteArray()
                                << "mask";
    QTest::newRow("mask with 2") << QStringList{"odds", "--seed", "1", "--hold", "11200"} << QByteArray()
                                 << "mask";
    QTest::newRow("zero hands") << QStringList{"deal", "--seed", "1", "--hands", "0"} << QByteArray()
                                << "hand count";
    QTest::newRow("ranmar IJ range") << QStringList{"ranmar", "31329", "0", "0", "1"} << QByteArray()
                                     << "IJ 31329 is out of range 0..31328";
    QTest::newRow("ranmar KL range") << QStringList{"ranmar", "0", "-1", "0", "1"} << QByteArray()
                                     << "KL -1 is out of range 0..30081";
    QTest::newRow("padded but too big")
        << QStringList{"deal", "--seed", "0000000000000000000004294967296"} << QByteArray() << "out of range";
    // Whatever the size of the bad input, the error line quotes only the start of it.
    const QString huge(100000, QChar('7'));
    QTest::newRow("huge seed") << QStringList{"deal", "--seed", huge + "x"} << QByteArray() << "seed '777";
    QTest::newRow("huge card") << QStringList{"eval"} << (huge + " 2 3 4 5\n").toUtf8() << "card";
    QTest::newRow("huge option") << QStringList{"deal", "--seed", "1", "--" + huge} << QByteArray()
                                 << "unknown option";
    QTest::newRow("ranmar arguments") << QStringList{"ranmar", "1", "2", "3"} << QByteArray() << "IJ KL";
    QTest::newRow("card code 54") << QStringList{"eval"} << QByteArray("1 2 3 4 54\n") << "54";
    QTest::newRow("card code 0") << QStringList{"eval"} << QByteArray("0 2 3 4 5\n") << "card code";
    QTest::newRow("unknown card") << QStringList{"eval"} << QByteArray("Ah Kh Qh Jh 1h\n") << "1h";
    QTest::newRow("repeated card") << QStringList{"eval"} << QByteArray("Ah Kh Qh Ah 2c\n") << "twice";
    QTest::newRow("same card two ways") << QStringList{"eval"} << QByteArray("As 36 Qh Jh 2c\n") << "twice";
    QTest::newRow("four cards") << QStringList{"eval"} << QByteArray("Ah Kh Qh Jh\n") << "5 cards";
    // A good line before the bad one must not reach standard output.
    QTest::newRow("late error") << QStringList{"eval"} << QByteArray("Ah Kh Qh Jh Th\nAh Kh\n") << "line 2";
}

void TestEngineTool::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QString, problem);

    const Run r = runTool(args, input);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.startsWith("tarvelle-tool: "), qPrintable(r.err));
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY2(r.err.size() < 200, qPrintable(r.err.left(300)));
    QVERIFY2(r.err.contains(problem), qPrintable(r.err.left(300)));
}

QTEST_GUILESS_MAIN(TestEngineTool)
#include "tst_enginetool.moc"
