// The help page is an outside file: damaged or hostile pages must leave the Extra screen
// working, showing the notice a missing page gets, and a sound page must still show.
#include "extra/form2.h"
#include "extra/helpcheck.h"
#include "extra/helppage.h"
#include "sound/waveplayer.h"
#include "widgets/cardimagery.h"

#include "engine/assetlanguage.h"
#include "engine/gamestate.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

using namespace tarvelle;

namespace {

QByteArray repeat(const QByteArray& piece, int n)
{
    QByteArray out;
    out.reserve(piece.size() * n);
    for (int i = 0; i < n; ++i)
        out += piece;
    return out;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray shippedPage(const QString& file = QStringLiteral("help.htm"))
{
    QFile f(qEnvironmentVariable("TARVELLE_RUNTIME_DIR") + "/" + file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The page's markup with the words taken out: every language must build the same page.
QStringList tagsOf(const QByteArray& page)
{
    QStringList tags;
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    for (const QRegularExpressionMatch& m : tag.globalMatch(QString::fromUtf8(page)))
        tags << m.captured().remove(QRegularExpression(QStringLiteral(" lang=\"[a-z]+\"")));
    return tags;
}

// Pictures a page may name beside the program, as the fuzz target has them.
void writePictures(const QString& dir)
{
    QImage small(40, 20, QImage::Format_RGB32);
    small.fill(Qt::red);
    QVERIFY(small.save(dir + "pic.png"));
    QImage big(MaxHelpPictureSide, MaxHelpPictureSide, QImage::Format_RGB32);
    big.fill(Qt::blue);
    QVERIFY(big.save(dir + "big.png"));
    for (int i = 0; i < 4; ++i)
        QVERIFY(big.save(dir + QStringLiteral("big%1.png").arg(i)));
}

// Shows the page and lays out and paints its first screenful, as the Help page does.
// Answers why it was refused, or empty.
QString showAndPaint(HelpViewer& viewer, const QByteArray& page)
{
    const QString problem = viewer.showPage(page);
    if (problem.isEmpty()) {
        viewer.document()->setTextWidth(765);
        QImage screen(765, 490, QImage::Format_RGB32);
        QPainter painter(&screen);
        viewer.document()->drawContents(&painter, QRectF(0, 0, 765, 490));
    }
    return problem;
}

} // namespace

class TestHelpPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void hostilePagesRefused();
    void everyCorpusPageAnswersPromptly();
    void picturesOnlyFromBesideTheProgram();
    void shippedPageAndItsDamage_data();
    void shippedPageAndItsDamage();
    void pageInThePlayersLanguage();

private:
    QTemporaryDir m_app;
    QString m_dir;
};

void TestHelpPage::initTestCase()
{
    m_dir = m_app.path() + "/";
    writePictures(m_dir);
}

void TestHelpPage::hostilePagesRefused()
{
    // Pages that crashed, froze or swamped the viewer, each past one limit of what the
    // parser builds or of the bound read before it.
    const QByteArray head = "<html><body><h1>Help</h1>";
    const QList<QPair<const char*, QByteArray>> pages{
        {"3000 nested tables, blank after <", repeat("< table>< tr>< td>", 3000) + "x"},
        {"100 nested tables, newline after <", repeat("<\ntable><\ttr><\ntd>", 100) + "x"},
        {"4 nested tables", head + repeat("<table><tr><td>", 4) + "x"},
        {"100000 list items", head + "<ul>" + repeat("<li>x", 100000)},
        {"1900 list items", head + "<ul>" + repeat("<li>x", 1900)},
        {"990 nested lists", repeat("<ul><li>", 990)},
        {"ragged table", "<table>" + repeat("<tr><td>x", 999) + "<tr>" + repeat("<td>x", 999)},
        {"rowspan 64 in 1805 cells", head + "<table>" + repeat("<tr>" + repeat("<td rowspan=64>x", 19), 95)},
        {"huge spans", head + "<table>" + repeat("<tr><td colspan=2000000000 rowspan=2000000000>x", 50)},
        {"span as references", head + "<table><tr><td colspan=\"&#57;&#57;&#57;&#57;&#57;&#57;\">x"},
        {"style sheet", "<style>" + repeat("p{color:red}\n", 14000) + "</style>" + repeat("<p>x", 1900)},
        {"style sheet named by references", head + "<st&#121;le>p{color:red}</style><p>x"},
        {"2000 pt, blank after <", head + "< span style=\"font-size:2000pt\">x</span>"},
        {"100000 px font", head + "<p style=\"font-size:100000px\">x</p>"},
        {"letter spacing", head + "<p style=\"letter-spacing:100000px\">x</p>"},
        {"margin", head + "<p style=\"margin-left:100000px\">x</p>"},
        {"1990 nested quotes", repeat("<blockquote>", 1990)},
        {"outsized table", head + "<table width=1000000 border=1000000><tr><td>x</table>"},
        {"1000 large pictures", head + repeat("<img src=\"big.png\">", 1000)},
        {"60 large pictures", head + repeat("<img src=\"big.png\">", 60)},
        {"pictures shown at 4000", head + repeat("<img src=\"pic.png\" width=4000 height=4000>", 60)},
        {"one long word", head + QByteArray(500 * 1024, 'w')},
        {"too much text", head + repeat(QByteArray(199, 'w') + ' ', 600)},
        {"oversized page", head + QByteArray(512 * 1024, 'w')},
    };
    HelpViewer viewer(m_dir);
    for (const auto& [name, html] : pages) {
        QElapsedTimer clock;
        clock.start();
        QVERIFY2(!showAndPaint(viewer, html).isEmpty(), name);
        QVERIFY2(clock.elapsed() < 1000, name);
    }

    // Through the real Extra screen: the Help page opens, promptly, on the notice.
    GameState game;
    SoundBank bank;
    CardImagery cards;
    for (int k : {0, 6, 12}) {
        QTemporaryDir save;
        writeFile(m_dir + "help.htm", pages[k].second);
        QElapsedTimer clock;
        clock.start();
        TForm2 form(game, bank, cards, m_dir, save.path());
        form.pages(2);
        form.show();
        QCoreApplication::processEvents();
        QVERIFY2(form.helpViewer()->toPlainText().contains("could not be found"), pages[k].first);
        QVERIFY2(clock.elapsed() < 5000, pages[k].first);
    }
    QFile::remove(m_dir + "help.htm");
}

void TestHelpPage::everyCorpusPageAnswersPromptly()
{
    // Every page the fuzzer and the hostile cases left is refused or shown within a
    // second, and the pictures it shows stay within the budget.
    const QDir corpus(qEnvironmentVariable("TARVELLE_SOURCE_DIR") + "/fuzz/corpus/fuzz_help");
    const QStringList names = corpus.entryList(QDir::Files);
    QVERIFY(names.size() > 500);
    HelpViewer viewer(m_dir);
    int shown = 0;
    for (const QString& name : names) {
        QFile f(corpus.filePath(name));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QElapsedTimer clock;
        clock.start();
        shown += showAndPaint(viewer, f.readAll()).isEmpty();
        QVERIFY2(clock.elapsed() < 1000, qPrintable(name));
        QVERIFY2(viewer.decodedBytes() <= MaxHelpDecodedBytes, qPrintable(name));
    }
    QVERIFY(shown > 0 && shown < names.size());
}

void TestHelpPage::picturesOnlyFromBesideTheProgram()
{
    QTemporaryDir elsewhere;
    QImage small(40, 20, QImage::Format_RGB32);
    small.fill(Qt::red);
    QVERIFY(small.save(elsewhere.path() + "/far.png"));
    QImage wide(MaxHelpPictureSide + 1, 2, QImage::Format_RGB32);
    wide.fill(Qt::red);
    QVERIFY(wide.save(m_dir + "wide.png"));
    QVERIFY(QFile::link("/dev/zero", m_dir + "zero.png"));
    QVERIFY(QFile::link(elsewhere.path() + "/far.png", m_dir + "far.png"));

    // A refused picture is a 1 x 1 stand-in, never read by the document itself.
    HelpViewer viewer(m_dir);
    const auto shownSize = [&](const QByteArray& src) {
        const QByteArray page = "<html><body><p>A</p><img src=\"" + src + "\"></body></html>";
        if (!showAndPaint(viewer, page).isEmpty())
            return QSize(-1, -1);
        return viewer.document()->resource(QTextDocument::ImageResource, QUrl(src)).value<QImage>().size();
    };
    QCOMPARE(shownSize("pic.png"), QSize(40, 20));
    const QByteArray deepest =
        repeat("<table><tr><td>", MaxHelpTableNesting) + repeat("<img src=\"pic.png\">", 60);
    QVERIFY(showAndPaint(viewer, deepest).isEmpty()); // pictures in the deepest table allowed
    const QList<QByteArray> bad{"wide.png",
                                "zero.png",
                                "far.png",
                                "missing.png",
                                "/dev/zero",
                                "../pic.png",
                                "file:///dev/zero",
                                "http://example.org/x.png",
                                elsewhere.path().toUtf8() + "/far.png"};
    for (const QByteArray& src : bad)
        QVERIFY2(shownSize(src).width() <= 1, src.constData());

    // Large pictures decode only while the budget lasts; the rest stand in.
    const QByteArray three = "<img src=\"big0.png\"><img src=\"big1.png\"><img src=\"big2.png\">";
    QVERIFY(showAndPaint(viewer, three).isEmpty());
    viewer.document()->size();
    QVERIFY(viewer.decodedBytes() <= MaxHelpDecodedBytes);
    int decoded = 0;
    for (int i = 0; i < 3; ++i) {
        const QUrl url(QStringLiteral("big%1.png").arg(i));
        decoded += viewer.document()->resource(QTextDocument::ImageResource, url).value<QImage>().width() ==
                   MaxHelpPictureSide;
    }
    QCOMPARE(qint64(decoded), MaxHelpDecodedBytes / (qint64(MaxHelpPictureSide) * MaxHelpPictureSide * 4));
}

void TestHelpPage::shippedPageAndItsDamage_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("en") << QStringLiteral("help.htm");
    for (const std::string_view code : kAssetLanguages)
        QTest::newRow(code.data()) << QStringLiteral("help-%1.htm").arg(QLatin1String(code));
}

void TestHelpPage::shippedPageAndItsDamage()
{
    QFETCH(QString, file);
    const QByteArray page = shippedPage(file);
    if (shippedPage().isEmpty())
        QSKIP("the data files were not built");
    QVERIFY2(!page.isEmpty(), qPrintable(file));
    HelpViewer viewer(m_dir);
    const QString problem = showAndPaint(viewer, page);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    // The same sections, tables, rows and marks as the English page, in words of its own.
    QCOMPARE(tagsOf(page), tagsOf(shippedPage()));
    if (file != QLatin1String("help.htm")) {
        HelpViewer english(m_dir);
        QVERIFY(english.showPage(shippedPage()).isEmpty());
        QVERIFY(viewer.toPlainText() != english.toPlainText());
    }

    // Every cut of the shipped page is either refused or shown quickly.
    for (int cut = 0; cut < page.size(); cut += qMax(1, page.size() / 97)) {
        const QByteArray damaged = page.left(cut) + page.mid(cut + 7);
        QElapsedTimer clock;
        clock.start();
        showAndPaint(viewer, damaged);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(cut)));
    }
}

void TestHelpPage::pageInThePlayersLanguage()
{
    // A language's own page where it is beside the program; English for a language without
    // one, for a missing file, and for a translation that is refused.
    QTemporaryDir app;
    const QString dir = app.path() + "/";
    writeFile(dir + "help.htm", "<html><body><p>English</p></body></html>");
    writeFile(dir + "help-de.htm", "<html><body><p>Deutsch</p></body></html>");
    writeFile(dir + "help-fr.htm", repeat("<table><tr><td>", 4) + "Fran\xc3\xa7\x61is");
    const struct {
        const char* language;
        const char* shown;
    } cases[] = {{"de", "Deutsch"}, {"de_AT.UTF-8", "Deutsch"}, {"fr", "English"},
                 {"es", "English"}, {"it", "English"},          {"", "English"},
                 {"en", "English"}};
    HelpViewer viewer(dir);
    for (const auto& c : cases) {
        QVERIFY2(viewer.showFile(QString::fromLatin1(c.language)).isEmpty(), c.language);
        QVERIFY2(viewer.toPlainText().contains(QLatin1String(c.shown)), c.language);
    }
    QCOMPARE(HelpViewer::pagePath(dir, "it"), dir + "help.htm");
    QCOMPARE(HelpViewer::pagePath(dir, "de"), dir + "help-de.htm");
}

QTEST_MAIN(TestHelpPage)
#include "tst_helppage.moc"
