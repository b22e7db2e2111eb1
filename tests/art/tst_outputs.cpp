// Checks that tie the generated files to each other and to the game: the help page against the
// engine's pay table, the Extra screen's deck previews against the backs, and repeatable output.
#include "engine/game.h"
#include "engine/paytable.h"
#include "tools/art/cardfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QtTest>

using namespace tarvelle::art;

namespace {

QString runtimeDir()
{
    return qEnvironmentVariable("TARVELLE_RUNTIME_DIR", QStringLiteral("."));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QColor meanColour(const QImage& image)
{
    qint64 r = 0, g = 0, b = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            r += c.red();
            g += c.green();
            b += c.blue();
        }
    const qint64 n = qint64(image.width()) * image.height();
    return QColor(int(r / n), int(g / n), int(b / n));
}

int distance(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

QList<QTextTable*> tablesOf(QTextDocument& doc)
{
    QList<QTextTable*> tables;
    for (QTextFrame* frame : doc.rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            tables.append(table);
    return tables;
}

QString cellText(QTextTable* table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText().simplified();
}

} // namespace

class TestOutputs : public QObject {
    Q_OBJECT

private slots:
    void helpPayTableMatchesTheGame()
    {
        QTextDocument doc;
        doc.setHtml(QString::fromUtf8(readFile(runtimeDir() + QStringLiteral("/help.htm"))));
        QTextTable* pays = nullptr;
        for (QTextTable* table : tablesOf(doc))
            if (cellText(table, 0, 0) == QLatin1String("Hand"))
                pays = table;
        QVERIFY2(pays, "the help page has no pay table");
        QCOMPARE(pays->rows(), 11); // header and the ten paying classes
        for (int cls = 2; cls <= 11; ++cls) {
            const int row = cls - 1;
            QCOMPARE(cellText(pays, row, 0).toLower(),
                     QString::fromLatin1(tarvelle::HandNames[size_t(cls)]).toLower());
            const QString pay = cellText(pays, row, 1);
            QVERIFY2(pay.startsWith(QString::number(tarvelle::Multiplier[size_t(cls)]) + QLatin1Char(' ')),
                     qPrintable(QStringLiteral("%1 pays \"%2\"").arg(cls).arg(pay)));
        }
        QCOMPARE(tarvelle::Multiplier[1], 0); // the page tells players a low pair pays nothing
    }

    void helpNamesEveryCasinoGameAndItsKey()
    {
        QTextDocument doc;
        doc.setHtml(QString::fromUtf8(readFile(runtimeDir() + QStringLiteral("/help.htm"))));
        QStringList listed, keys;
        for (QTextTable* table : tablesOf(doc))
            for (int r = 1; r < table->rows(); ++r) {
                if (cellText(table, 0, 0) == QLatin1String("Casino game"))
                    listed << cellText(table, r, 0);
                if (cellText(table, 0, 1) == QLatin1String("Key"))
                    keys << cellText(table, r, 1) + QLatin1Char(':') + cellText(table, r, 2);
            }
        QStringList titles;
        for (const tarvelle::Game& g : tarvelle::gameCatalogue())
            if (&g != &tarvelle::tableGame(false) && &g != &tarvelle::tableGame(true))
                titles << QString::fromUtf8(tarvelle::gameTitle(g.id));
        QCOMPARE(listed, titles);
        QVERIFY2(keys.contains(QLatin1String("G:choose the game (see below)")), qPrintable(keys.join('|')));
    }

    void helpTellsWhenThePayoutControlTightens()
    {
        QTextDocument doc;
        doc.setHtml(QString::fromUtf8(readFile(runtimeDir() + QStringLiteral("/help.htm"))));
        QString row;
        for (QTextTable* table : tablesOf(doc))
            for (int r = 0; r < table->rows(); ++r)
                if (cellText(table, r, 0) == QLatin1String("Payout Rate"))
                    row = cellText(table, r, 1);
        // The control also tightens on a clock, whatever the pay-out, and only ever tightens.
        for (const char* fact : {"every other five-minute period", "credit is below 100", "never improves"})
            QVERIFY2(row.contains(QLatin1String(fact)), qPrintable(row));
        QVERIFY(!row.contains(QLatin1String("keeps its pay-out near")));
    }

    void deckPreviewsShowTheirBacks()
    {
        // The Extra screen's miniatures must be the backs the deck choice loads, in the same order.
        const QByteArray cards = readFile(runtimeDir() + QStringLiteral("/poker2.dat"));
        QCOMPARE(cards.size(), qsizetype(kRecordCount) * kRecordSize);
        QByteArray record = cards.right(kRecordSize);
        scrambleRecord(record.data(), record.size());
        QList<QColor> backs{meanColour(QImage::fromData(record, "BMP"))};
        for (int deck = 1; deck <= 3; ++deck)
            backs.append(meanColour(QImage(runtimeDir() + QStringLiteral("/deck%1.bmp").arg(deck))));
        for (int deck = 0; deck < 4; ++deck) {
            const QImage preview(QStringLiteral(":/img/deckprev%1.png").arg(deck));
            QCOMPARE(preview.size(), QSize(48, 72));
            const QColor mean = meanColour(preview);
            int nearest = 0;
            for (int other = 1; other < 4; ++other)
                if (distance(mean, backs[other]) < distance(mean, backs[nearest]))
                    nearest = other;
            QCOMPARE(nearest, deck);
            QVERIFY(distance(mean, backs[deck]) < 30);
        }
    }

    // The four-colour faces are the classic ones with diamonds turned blue and clubs green: every
    // pixel that differs is ink, at the same place, moved towards the suit's new colour, and the
    // index shows it.
    void fourColourFacesDifferOnlyInTheSuitsColour()
    {
        const QColor kPaper(252, 250, 243), kCourtPaper(255, 252, 238);
        const QByteArray file = readFile(runtimeDir() + QStringLiteral("/poker2.dat"));
        QCOMPARE(file.size(), kRecordSize * kRecordCount);
        for (int i = 0; i < 52; ++i) {
            const int suit = i / 13 + 1;
            const QString name = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
            const bool recoloured = suit == 2 || suit == 4;
            QCOMPARE(QFile::exists(QStringLiteral(":/img/four%1.png").arg(name)), recoloured);
            if (!recoloured)
                continue;
            QByteArray record = file.mid(qsizetype(i) * kRecordSize, kRecordSize);
            scrambleRecord(record.data(), record.size());
            const QImage classic[2] = {QImage::fromData(record, "BMP"),
                                       QImage(QStringLiteral(":/img/card%1@2x.png").arg(name))};
            const QImage four[2] = {QImage(QStringLiteral(":/img/four%1.png").arg(name)),
                                    QImage(QStringLiteral(":/img/four%1@2x.png").arg(name))};
            // How far a pixel leans towards the suit's colour: blue over red, green over the rest.
            auto lean = [suit](const QColor& c) {
                return suit == 2 ? c.blue() - c.red() : c.green() - std::max(c.red(), c.blue());
            };
            for (int scale = 1; scale <= 2; ++scale) {
                const QImage& from = classic[scale - 1];
                const QImage& to = four[scale - 1];
                const QString what = QStringLiteral("card %1 at %2x").arg(i).arg(scale);
                QCOMPARE(to.size(), QSize(122, 164) * scale);
                QCOMPARE(from.size(), to.size());
                int changed = 0;
                for (int y = 0; y < to.height(); ++y)
                    for (int x = 0; x < to.width(); ++x) {
                        const QColor a = from.pixelColor(x, y), b = to.pixelColor(x, y);
                        if (a == b)
                            continue;
                        ++changed;
                        // Only ink changes: no sign moves onto the paper or off it.
                        const bool paper = a == kPaper || b == kPaper || a == kCourtPaper || b == kCourtPaper;
                        if (paper || lean(b) <= lean(a))
                            QFAIL(qPrintable(QStringLiteral("%1: %2,%3 goes from %4 to %5")
                                                 .arg(what)
                                                 .arg(x)
                                                 .arg(y)
                                                 .arg(a.name(), b.name())));
                    }
                // The top-left index (rank and suit sign) is drawn in the suit's colour.
                int inked = 0;
                for (int y = 4 * scale; y < 38 * scale; ++y)
                    for (int x = 2 * scale; x < 24 * scale; ++x) {
                        const QColor c = to.pixelColor(x, y);
                        const int hue = c.hsvHue();
                        if (c.hsvSaturation() > 150 && c.value() > 80)
                            inked += suit == 2 ? std::abs(hue - 220) < 20 : std::abs(hue - 140) < 20;
                    }
                QVERIFY2(changed > 250 * scale * scale, qPrintable(what));
                QVERIFY2(inked > 40 * scale * scale, qPrintable(what));
            }
        }
    }

    void generatorRepeatsItself()
    {
        // Two runs must give byte-identical files, or every build would change the game's data.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcess gen;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        gen.setProcessEnvironment(env);
        gen.start(QStringLiteral(TARVELLE_ARTGEN), {QStringLiteral("--data"), dir.path()});
        QVERIFY(gen.waitForFinished(120000));
        QCOMPARE(gen.exitCode(), 0);
        for (const char* name :
             {"poker2.dat", "deck1.bmp", "deck2.bmp", "deck3.bmp", "help.htm", "tarvelle.png"}) {
            const QByteArray again = readFile(dir.filePath(QString::fromLatin1(name)));
            QVERIFY2(!again.isEmpty(), name);
            QVERIFY2(again == readFile(runtimeDir() + QLatin1Char('/') + QLatin1String(name)), name);
        }
    }
};

QTEST_MAIN(TestOutputs)
#include "tst_outputs.moc"
