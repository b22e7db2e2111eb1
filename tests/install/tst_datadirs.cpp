#include "storage/datadirs.h"
#include "storage/gamefiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tarvelle;

namespace {

void touch(const QString& path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
}

} // namespace

class TestDataDirs : public QObject {
    Q_OBJECT

private slots:
    void portableWhenProgramFolderHoldsDataAndIsWritable()
    {
        QTemporaryDir tmp;
        touch(tmp.filePath("poker2.dat"));
        DataDirInputs in;
        in.programDir = tmp.path().toStdString();
        in.xdgDataHome = "/nonexistent-xdg";
        const DataDirs d = resolveDataDirs(in);
        QCOMPARE(int(d.layout), int(DataDirs::Layout::Portable));
        QCOMPARE(QString::fromStdString(d.dataDir), tmp.path() + "/");
        QCOMPARE(d.saveDir, d.dataDir);
    }

    void installedLayoutUsesShareAndUserDataFolder()
    {
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath("bin"));
        QVERIFY(QDir(prefix.path()).mkpath("share/tarvelle"));
        touch(prefix.filePath("share/tarvelle/poker2.dat"));
        QTemporaryDir xdg;
        DataDirInputs in;
        in.programDir = prefix.filePath("bin").toStdString();
        in.xdgDataHome = xdg.path().toStdString();
        in.home = "/nonexistent-home";
        const DataDirs d = resolveDataDirs(in);
        QCOMPARE(int(d.layout), int(DataDirs::Layout::Installed));
        QCOMPARE(QString::fromStdString(d.dataDir), prefix.path() + "/share/tarvelle/");
        QCOMPARE(QString::fromStdString(d.saveDir), xdg.path() + "/Tarvelle/");
        // The user's folder is made on demand, not by resolving.
        QVERIFY(!QDir(xdg.path() + "/Tarvelle").exists());
        QVERIFY(ensureFolder(d.saveDir));
        QVERIFY(QDir(xdg.path() + "/Tarvelle").exists());
    }

    void readOnlyProgramFolderKeepsItsDataButSavesElsewhere()
    {
        QTemporaryDir tmp;
        touch(tmp.filePath("poker2.dat"));
        QTemporaryDir xdg;
        DataDirInputs in;
        in.programDir = tmp.path().toStdString();
        in.xdgDataHome = xdg.path().toStdString();
        in.isWritable = [](const std::string&) { return false; };
        const DataDirs d = resolveDataDirs(in);
        QCOMPARE(int(d.layout), int(DataDirs::Layout::Installed));
        QCOMPARE(QString::fromStdString(d.dataDir), tmp.path() + "/");
        QCOMPARE(QString::fromStdString(d.saveDir), xdg.path() + "/Tarvelle/");
    }

    void homeFallbackAndRelativeXdgIgnored()
    {
        QTemporaryDir prefix;
        DataDirInputs in;
        in.programDir = prefix.path().toStdString();
        in.home = "/home/player";
        in.xdgDataHome = "relative/data";
        QCOMPARE(QString::fromStdString(resolveDataDirs(in).saveDir),
                 QStringLiteral("/home/player/.local/share/Tarvelle/"));
        in.xdgDataHome.clear();
        QCOMPARE(QString::fromStdString(resolveDataDirs(in).saveDir),
                 QStringLiteral("/home/player/.local/share/Tarvelle/"));
    }

    void overrideWinsOverEverything()
    {
        QTemporaryDir tmp;
        touch(tmp.filePath("poker2.dat"));
        DataDirInputs in;
        in.programDir = tmp.path().toStdString();
        in.overrideDir = "/srv/games/tarvelle";
        const DataDirs d = resolveDataDirs(in);
        QCOMPARE(int(d.layout), int(DataDirs::Layout::Override));
        QCOMPARE(QString::fromStdString(d.dataDir), QStringLiteral("/srv/games/tarvelle/"));
        QCOMPARE(d.saveDir, d.dataDir);
    }

    void firstSaveCreatesTheUserFolder()
    {
        QTemporaryDir xdg;
        const QString saveDir = xdg.path() + "/Tarvelle/";
        Settings settings;
        settings.SoundFx = 0;
        Counters counters;
        counters.Credit = 4321;
        QVERIFY(saveini(settings, saveDir.toStdString()));
        QVERIFY(svct(counters, saveDir.toStdString()));
        QCOMPARE(QFileInfo(saveDir + "poker.ini").size(), 14);
        QCOMPARE(QFileInfo(saveDir + "poker.dat").size(), 316);
        Counters back;
        ldct(back, saveDir.toStdString());
        QCOMPARE(back.Credit, 4321);
    }

    void writableProbeTellsFoldersApart()
    {
        QTemporaryDir tmp;
        QVERIFY(folderIsWritable(tmp.path().toStdString()));
        QVERIFY(!folderIsWritable(tmp.filePath("missing").toStdString()));
        touch(tmp.filePath("plainfile"));
        QVERIFY(!folderIsWritable(tmp.filePath("plainfile").toStdString()));
        QVERIFY(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden).contains("plainfile"));
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDataDirs)
#include "tst_datadirs.moc"
