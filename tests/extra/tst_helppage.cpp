// The help page is an outside file: damaged or hostile pages must leave the Extra screen
// working, showing the notice a missing page gets, and a sound page must still show.
#include "extra/form2.h"
#include "extra/helpcheck.h"
#include "extra/helppage.h"
#include "widgets/cardimagery.h"
#include "widgets/waveplayer.h"

#include "engine/gamestate.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
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

QByteArray shippedPage()
{
    QFile f(qEnvironmentVariable("TARVELLE_RUNTIME_DIR") + "/help.htm");
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestHelpPage : public QObject {
    Q_OBJECT

private slots:
    void damagedPagesGetTheNotice();
    void picturesOnlyFromBesideTheProgram();
    void shippedPageAndItsDamage();
};

void TestHelpPage::damagedPagesGetTheNotice()
{
    // Pages that crashed, froze or swamped the viewer, and the page limits around them.
    const QByteArray head = "<html><body><h1>Help</h1>";
    const QList<QPair<const char*, QByteArray>> pages{
        {"5000 nested tables", repeat("<table><tr><td>", 5000) + "x" + repeat("</td></tr></table>", 5000)},
        {"duplicated unclosed tables", head +
                                           repeat("<table border=1 width=\"100%\"><tr><td>cell<td>cell", 19) +
                                           repeat("<p>text</p>", 800)},
        {"endless picture", head + "<img src=\"/dev/zero\"></body></html>"},
        {"100000 nested divs", repeat("<div>", 100000) + "x" + repeat("</div>", 100000)},
        {"1000 nested divs", repeat("<div>", 1000) + "x" + repeat("</div>", 1000)},
        {"a table never closed", head + "<table><tr><td>x</td></tr>" + repeat("<p>text</p>", 50)},
        {"oversized page", head + repeat("<p>0123456789</p>", 40000) + "</body></html>"},
        {"huge colspan", head + "<table><tr><td colspan=30000>x</td></tr></table>"},
        {"huge picture size", head + "<img src=\"pic.png\" width=100000 height=100000>"},
        {"styled", head + "<p style=\"font-size:100000px\">x</p>"},
        {"script", head + "<script>x</script>"},
        {"unfinished tag", head + "<table border=\"1"},
        {"misnested", head + "<b><i>x</b></i>"},
    };
    for (const auto& [name, html] : pages) {
        QElapsedTimer clock;
        clock.start();
        const HelpPageCheck check = checkHelpPage(std::string_view(html.constData(), size_t(html.size())));
        QVERIFY2(!check.ok, name);
        QVERIFY2(clock.elapsed() < 500, name);
    }

    // Through the real Extra screen, the worst four: the Help page opens, promptly, on the notice.
    GameState game;
    SoundBank bank;
    CardImagery cards;
    for (int k = 0; k < 4; ++k) {
        QTemporaryDir app;
        QTemporaryDir save;
        const QString dir = app.path() + "/";
        writeFile(dir + "help.htm", pages[k].second);
        QElapsedTimer clock;
        clock.start();
        TForm2 form(game, bank, cards, dir, save.path());
        form.pages(2);
        form.show();
        QCoreApplication::processEvents();
        QVERIFY2(form.helpViewer()->toPlainText().contains("could not be found"), pages[k].first);
        QVERIFY2(clock.elapsed() < 5000, pages[k].first);
    }
}

void TestHelpPage::picturesOnlyFromBesideTheProgram()
{
    QTemporaryDir app;
    QTemporaryDir elsewhere;
    const QString dir = app.path() + "/";
    QImage small(40, 20, QImage::Format_RGB32);
    small.fill(Qt::red);
    QVERIFY(small.save(dir + "pic.png"));
    QVERIFY(small.save(elsewhere.path() + "/far.png"));
    QImage wide(MaxHelpImageSide + 1, 2, QImage::Format_RGB32);
    wide.fill(Qt::red);
    QVERIFY(wide.save(dir + "wide.png"));
    QVERIFY(QFile::link("/dev/zero", dir + "zero.png"));
    QVERIFY(QFile::link(elsewhere.path() + "/far.png", dir + "far.png"));

    const auto load = [&](const QByteArray& src) {
        writeFile(dir + "help.htm", "<html><body><p>A</p><img src=\"" + src + "\"></body></html>");
        QString problem;
        const QString page = loadHelpPage(dir, &problem);
        return problem.isEmpty() && page.contains("<img");
    };
    QVERIFY(load("pic.png"));
    for (const char* bad : {"wide.png", "zero.png", "far.png", "missing.png", "/dev/zero", "../pic.png",
                            "file:///dev/zero", "http://example.org/x.png", ""})
        QVERIFY2(!load(bad), bad);

    // The viewer shows the accepted picture.
    writeFile(dir + "help.htm", "<html><body><p>A</p><img src=\"pic.png\"></body></html>");
    GameState game;
    SoundBank bank;
    CardImagery cards;
    QTemporaryDir save;
    TForm2 form(game, bank, cards, dir, save.path());
    form.pages(2);
    const QVariant shown =
        form.helpViewer()->document()->resource(QTextDocument::ImageResource, QUrl("pic.png"));
    QCOMPARE(shown.value<QImage>().size(), QSize(40, 20));
}

void TestHelpPage::shippedPageAndItsDamage()
{
    const QByteArray page = shippedPage();
    if (page.isEmpty())
        QSKIP("the data files were not built");
    const HelpPageCheck check = checkHelpPage(std::string_view(page.constData(), size_t(page.size())));
    QVERIFY2(check.ok, check.problem.c_str());

    // Every cut of the shipped page is either refused or lays out quickly.
    QTextDocument doc;
    for (int cut = 0; cut < page.size(); cut += qMax(1, page.size() / 97)) {
        const QByteArray damaged = page.left(cut) + page.mid(cut + 7);
        if (!checkHelpPage(std::string_view(damaged.constData(), size_t(damaged.size()))).ok)
            continue;
        QElapsedTimer clock;
        clock.start();
        doc.setHtml(QString::fromUtf8(damaged));
        doc.setTextWidth(765);
        QVERIFY(doc.size().height() > 0);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(cut)));
    }
}

QTEST_MAIN(TestHelpPage)
#include "tst_helppage.moc"
