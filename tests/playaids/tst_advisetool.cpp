#include <QProcess>
#include <QTest>

class TestAdviseTool : public QObject {
    Q_OBJECT

private slots:
    void proposals();
    void badInputExitsWithTwo_data();
    void badInputExitsWithTwo();

private:
    struct Result {
        int exitCode;
        QByteArray out, err;
    };
    static Result run(const QStringList& args, const QByteArray& input)
    {
        QProcess p;
        p.start(QStringLiteral(TARVELLE_TOOL_PATH), QStringList{QStringLiteral("advise")} + args);
        if (!p.waitForStarted(10000))
            return {-1, {}, "did not start"};
        p.write(input);
        p.closeWriteChannel();
        if (!p.waitForFinished(10000))
            return {-1, {}, "did not finish"};
        if (p.exitStatus() != QProcess::NormalExit)
            return {-1, {}, "crashed"};
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }
};

void TestAdviseTool::proposals()
{
    const QByteArray hands = "5h 6d 7c 8s Kh\n"
                             "\n"
                             "Ah 2d 3c 4s 9h\n"
                             "jk 5H 6d 7c KS\n"
                             "1 2 3 4 5\n"
                             "Jh Js 2s 5s 9s\n";

    Result r = run({}, hands);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QByteArray("0 11110\n0 00000\n2 11110\n9 11111\n2 01111\n"));

    r = run({"--hold-high-card"}, "Ah 2d 3c 4s 9h\n");
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QByteArray("0 10000\n"));

    r = run({"--open-inside", "--hold-high-card"}, "Ah 2d 3c 4s 9h\n3h 4d 5c 7s 8h\n");
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QByteArray("0 11110\n0 01111\n"));

    r = run({}, "");
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.isEmpty());
}

void TestAdviseTool::badInputExitsWithTwo_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");

    QTest::newRow("unknown option") << QStringList{"--wild"} << QByteArray("5h 6d 7c 8s Kh\n");
    QTest::newRow("four cards") << QStringList{} << QByteArray("5h 6d 7c 8s\n");
    QTest::newRow("six cards") << QStringList{} << QByteArray("5h 6d 7c 8s Kh Ks\n");
    QTest::newRow("unknown card") << QStringList{} << QByteArray("5h 6d 7c 8s Xx\n");
    QTest::newRow("repeated card") << QStringList{} << QByteArray("5h 6d 7c 8s 5h\n");
    QTest::newRow("code out of range") << QStringList{} << QByteArray("1 2 3 4 54\n");
    QTest::newRow("bad second line") << QStringList{} << QByteArray("5h 6d 7c 8s Kh\n5h\n");
}

void TestAdviseTool::badInputExitsWithTwo()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    const Result r = run(args, input);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.err.startsWith("tarvelle-tool: "));
    QVERIFY(r.out.isEmpty()); // nothing half-done on standard output
}

QTEST_GUILESS_MAIN(TestAdviseTool)
#include "tst_advisetool.moc"
