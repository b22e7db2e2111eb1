// Every text the player sees goes through the translation: with a translator that
// brackets whatever it is asked for, no window may show a word outside brackets. And the
// language follows the desktop, and a missing or damaged translation leaves English.
#include "table/coachpanel.h"
#include "table/holdwords.h"
#include "table/drillwindow.h"
#include "table/reviewwindow.h"
#include "table/strategywindow.h"

#include "extra/form2.h"

#include "widgets/accessibility.h"
#include "widgets/antialiaslabel.h"
#include "widgets/language.h"
#include "widgets/stringaligngrid.h"

#include "engine/strategy.h"

#include "../table/tablefixture.h"

#include <QAbstractButton>
#include <QAbstractSeries>
#include <QAbstractAxis>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegendMarker>
#include <QMenu>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTranslator>

using namespace tarvelle;
using namespace tarvelle::testing;

namespace {

class Marker : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return source && *source ? QStringLiteral("⟦") + QString::fromUtf8(source) + QStringLiteral("⟧")
                                 : QString();
    }
    bool isEmpty() const override { return false; }
};

// What is left of a shown text once every marked part is taken out: it may hold numbers,
// signs, card codes and the game's name, but no word.
QString unmarked(const QString& shown)
{
    QString t = Qt::mightBeRichText(shown) ? QTextDocumentFragment::fromHtml(shown).toPlainText() : shown;
    static const QRegularExpression inner(QStringLiteral("⟦[^⟦⟧]*⟧"));
    for (QString before; before != t;) {
        before = t;
        t.replace(inner, QStringLiteral(" "));
    }
    static const QRegularExpression allowed(
        QStringLiteral("\\b(Tarvelle|(10|[2-9TJQKA])[hdsc]|Jk|[AKQJT2-9]{2,5})\\b"));
    t.replace(allowed, QStringLiteral(" "));
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    return t.contains(word) ? t.simplified() : QString();
}

struct Walk {
    QStringList escaped;
    QWidget* skipped = nullptr; // a page another file translates
    int texts = 0;

    void check(const QString& where, const QString& text)
    {
        if (text.trimmed().isEmpty())
            return;
        ++texts;
        const QString left = unmarked(text);
        if (!left.isEmpty())
            escaped << where + QStringLiteral(": ") + text.left(200);
    }

    void widget(QWidget* w)
    {
        if (!w->isVisible() || w == skipped)
            return;
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                        : w->objectName();
        if (w->isWindow())
            check(name + QStringLiteral(" title"), w->windowTitle());
        check(name + QStringLiteral(" tooltip"), w->toolTip());
        check(name + QStringLiteral(" accessible name"), access::nameOf(w));
        if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w))
            check(name + QStringLiteral(" description"), a->text(QAccessible::Description));
        if (auto* l = qobject_cast<QLabel*>(w))
            check(name, l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            check(name, b->text());
        if (auto* l = qobject_cast<TAntiAliasLabel*>(w))
            check(name, l->text());
        if (auto* b = qobject_cast<QTextBrowser*>(w))
            check(name, b->toPlainText());
        if (auto* g = qobject_cast<TStringAlignGrid*>(w)) {
            for (int r = 0; r < g->rowCount(); ++r)
                for (int c = 0; c < g->colCount(); ++c)
                    check(name + QStringLiteral(" cell"), g->cell(c, r));
        }
        if (auto* p = qobject_cast<CoachPanel*>(w)) {
            for (const QString& line : p->lines())
                check(name, line);
        }
        if (auto* m = qobject_cast<QMenu*>(w)) {
            for (QAction* a : m->actions())
                check(name + QStringLiteral(" item"), a->text());
        }
        if (auto* v = qobject_cast<QChartView*>(w)) {
            check(name + QStringLiteral(" chart title"), v->chart()->title());
            for (QAbstractAxis* axis : v->chart()->axes())
                check(name + QStringLiteral(" axis"), axis->titleText());
            for (QAbstractSeries* s : v->chart()->series())
                check(name + QStringLiteral(" series"), s->name());
        }
        for (QObject* child : w->children()) {
            if (auto* cw = qobject_cast<QWidget*>(child); cw && !cw->isWindow())
                widget(cw);
        }
    }

    void everyWindow(const char* moment)
    {
        const qsizetype before = escaped.size();
        for (QWidget* top : QApplication::topLevelWidgets())
            widget(top);
        for (qsizetype i = before; i < escaped.size(); ++i)
            escaped[i].prepend(QLatin1String(moment) + QStringLiteral(" | "));
    }
};

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void everyShownTextIsTranslated();
    void everyHoldPatternIsTranslated();
    void languageFollowsTheDesktopAndFallsBack();
};

void TestTranslations::everyShownTextIsTranslated()
{
    Marker marker;
    QCoreApplication::installTranslator(&marker);
    Walk walk;
    {
        // A damaged counters file: the notice the table shows beside itself.
        QTemporaryDir damaged;
        QFile bad(damaged.filePath(QStringLiteral("poker.dat")));
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("not counters") > 0);
        bad.close();
        GameState gs;
        SoundBank sounds;
        CardImagery imagery;
        TForm1 form(gs, sounds, imagery, Table::runtimeDir(), damaged.path() + QLatin1Char('/'));
        QVERIFY(!form.loadNotice().isEmpty());
        walk.check(QStringLiteral("load notice"), form.loadNotice());
    }
    Table t;
    TForm1& f = *t.form;
    TForm2 extra(t.gs, t.sounds, t.imagery, Table::runtimeDir(), t.saveDir.path() + QLatin1Char('/'), nullptr);
    f.setExtra(&extra);
    walk.everyWindow("start");

    key(f, 'P');
    key(f, 'C');
    key(f, '\r');
    QVERIFY(t.settle());
    walk.everyWindow("dealt");
    t.holdThreeKings();
    key(f, '\r');
    QVERIFY(t.settle());
    walk.everyWindow("drawn");
    key(f, 'D');
    t.settle();
    walk.everyWindow("double-up");
    key(f, '\r');
    t.settle();

    // Autoplay's message, then the attract mode.
    key(f, 'A');
    walk.everyWindow("autoplay");
    key(f, 'A');
    t.settle();
    f.setIdleTicks(599);
    f.Timer3Timer();
    walk.everyWindow("demo");
    f.setIdleTicks(611);
    f.Timer3Timer();
    walk.everyWindow("showcase");
    key(f, '+');
    t.settle();

    key(f, 'G');
    QVERIFY(f.gameMenu() && f.gameMenu()->isVisible());
    walk.everyWindow("game menu");
    f.gameMenu()->close();

    // Training mode stops a poor hold with a word.
    key(f, 'T');
    for (int hand = 0; hand < 20 && !f.trainingShown(); ++hand) {
        key(f, '\r');
        QVERIFY(t.settle());
        const auto advice = *f.coach->coach().hand();
        const int worst = advice.ranking()[31];
        for (int pass = 0; pass < 3 && heldMask(t.gs.hand) != worst; ++pass)
            for (int k = 1; k <= 5; ++k)
                if (((worst >> (k - 1)) & 1) != t.gs.hand.Held[size_t(k)])
                    key(f, char('0' + k));
        key(f, '\r');
        t.settle();
    }
    QVERIFY(f.trainingShown());
    walk.everyWindow("training");
    key(f, 'Y');
    t.settle();

    key(f, 'R');
    QVERIFY(f.reviewWindow() && f.reviewWindow()->isVisible());
    walk.everyWindow("review");
    f.reviewWindow()->close();
    key(f, 'Q');
    QVERIFY(f.drillWindow() && f.drillWindow()->isVisible() && !f.drillWindow()->drill()->finished());
    walk.everyWindow("drill");
    QTest::keyClick(f.drillWindow(), Qt::Key_Return);
    walk.everyWindow("drill verdict");
    f.drillWindow()->close();

    // A casino game: its own class names, pay table and statistics.
    int index = -1;
    for (int i = 0; i < int(f.games().size()); ++i)
        if (f.games()[size_t(i)].id == "jacks-9-6")
            index = i;
    f.chooseGame(index);
    QVERIFY(t.gs.casino);
    key(f, '\r');
    QVERIFY(t.settle());
    walk.everyWindow("casino game");

    key(f, 'H');
    StrategyWindow* strategy = f.strategyWindow();
    QVERIFY(strategy && strategy->isVisible());
    QSignalSpy shown(strategy, &StrategyWindow::chartShown);
    QVERIFY(shown.wait(60000));
    walk.everyWindow("strategy chart");
    strategy->close();

    // The help page is a file of each language's own.
    walk.skipped = extra.helpViewer();

    key(f, 'S');
    QVERIFY(extra.isVisible());
    for (int page = 1; page <= 4; ++page) {
        extra.pages(page);
        walk.everyWindow(qPrintable(QStringLiteral("extra page %1").arg(page)));
    }
    QCoreApplication::removeTranslator(&marker);

    QVERIFY2(walk.texts > 300, qPrintable(QString::number(walk.texts)));
    QVERIFY2(walk.escaped.isEmpty(), qPrintable(walk.escaped.join(QLatin1Char('\n'))));
}

// The chart's patterns are composed by the engine: every one of every game must be read
// whole by the translated grammar.
void TestTranslations::everyHoldPatternIsTranslated()
{
    std::vector<Game> games = gameCatalogue();
    games.push_back(tableGame(false));
    games.push_back(tableGame(true));
    Marker marker;
    QCoreApplication::installTranslator(&marker);
    QStringList escaped;
    int patterns = 0;
    for (const Game& g : games) {
        for (const ChartLine& l : strategyChart(g).lines) {
            ++patterns;
            const QString shown = holdPatternText(QString::fromStdString(l.pattern));
            if (!unmarked(shown).isEmpty())
                escaped << QString::fromStdString(l.pattern) + QStringLiteral(" -> ") + shown;
        }
    }
    QCoreApplication::removeTranslator(&marker);
    QVERIFY(patterns > 300);
    QVERIFY2(escaped.isEmpty(), qPrintable(escaped.join(QLatin1Char('\n'))));
}

void TestTranslations::languageFollowsTheDesktopAndFallsBack()
{
    const QString none = QStringLiteral("system");
    QCOMPARE(pickLanguage(none, {QStringLiteral("de-DE"), QStringLiteral("en-US")}), QStringLiteral("de"));
    QCOMPARE(pickLanguage(none, {QStringLiteral("fr_CA")}), QStringLiteral("fr"));
    QCOMPARE(pickLanguage(none, {QStringLiteral("pt-BR"), QStringLiteral("es-MX")}), QStringLiteral("es"));
    QCOMPARE(pickLanguage(none, {QStringLiteral("en-GB"), QStringLiteral("de")}), QStringLiteral("en"));
    QCOMPARE(pickLanguage(none, {QStringLiteral("ja-JP")}), QStringLiteral("en"));
    QCOMPARE(pickLanguage(QStringLiteral("es"), {QStringLiteral("de-DE")}), QStringLiteral("es"));
    QCOMPARE(pickLanguage(QStringLiteral("en"), {QStringLiteral("de-DE")}), QStringLiteral("en"));

    // Each shipped translation loads and speaks its language; a damaged copy of one, and a
    // missing one, do not load and leave English.
    QTemporaryDir dir;
    for (const char* code : {"de", "fr", "es"}) {
        QTranslator good;
        QVERIFY2(loadTranslation(good, QLatin1String(code)), code);
        const QString settings = good.translate("tarvelle::TForm2", "Settings");
        QVERIFY2(!settings.isEmpty() && settings != QLatin1String("Settings"), code);

        QFile in(QStringLiteral(":/i18n/tarvelle_%1.qm").arg(QLatin1String(code)));
        QVERIFY(in.open(QIODevice::ReadOnly));
        QByteArray bytes = in.readAll();
        bytes.truncate(bytes.size() / 2); // a copy cut short: its blocks overrun the file
        QFile out(dir.filePath(QStringLiteral("tarvelle_%1.qm").arg(QLatin1String(code))));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        out.close();
        QTranslator damaged;
        QVERIFY2(!loadTranslation(damaged, QLatin1String(code), dir.path()), code);
    }
    QTranslator missing;
    QVERIFY(!loadTranslation(missing, QStringLiteral("de"), dir.filePath(QStringLiteral("nowhere"))));
    QVERIFY(!loadTranslation(missing, QStringLiteral("it")));

    // Figures as each language writes them; English keeps its plain form.
    QCOMPARE(localNumber(1234.5, 2), QStringLiteral("1234.50"));
    QCOMPARE(installLanguage(QStringLiteral("fr")), QStringLiteral("fr"));
    QCOMPARE(localNumber(0.8866, 4), QStringLiteral("0,8866"));
    QCOMPARE(localFigure(QStringLiteral("15.90")), QStringLiteral("15,90"));
    QCOMPARE(installLanguage(QStringLiteral("xx")), QStringLiteral("en"));
    QCOMPARE(localFigure(QStringLiteral("15.90")), QStringLiteral("15.90"));
    QCOMPARE(localNumber(0.8866, 4), QStringLiteral("0.8866"));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
