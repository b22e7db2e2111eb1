// The program body: the table first, then the Extra screen (hidden), then the message loop.
#include "table/appdir.h"
#include "table/form1.h"
#include "table/sessionend.h"

#include "extra/form2.h"

#include "widgets/cardimagery.h"
#include "widgets/language.h"

#include "sound/waveplayer.h"

#include "storage/gamefiles.h"
#include "storage/languagefile.h"

#include "engine/assetlanguage.h"
#include "engine/gamestate.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

const char* const kUsage = QT_TRANSLATE_NOOP(
    "Main", "Usage: tarvelle [--data-dir DIR]\n"
            "Video poker: Jacks or Better with an optional wild Joker and a double-up game,\n"
            "and the casino pay tables (Jacks or Better, Bonus, Deuces Wild, Joker Poker...).\n"
            "\n"
            "  --data-dir DIR  read the data files from DIR and keep poker.ini and poker.dat there\n"
            "  --help          show this help and exit\n"
            "  --version       show the version and exit\n"
            "\n"
            "Without --data-dir the game uses its own folder when that holds poker2.dat and is\n"
            "writable; otherwise it reads ../share/tarvelle from its own folder (bin or games) and\n"
            "keeps the player's files in $XDG_DATA_HOME/Tarvelle (by default\n"
            "~/.local/share/Tarvelle).\n");

struct Options {
    bool help = false;
    bool version = false;
    std::string dataDir;
    std::string error;
};

// Our own options are read before Qt starts, so --help works without a display;
// Qt's options (-platform and the like) stay for QApplication.
Options takeOptions(int& argc, char** argv)
{
    Options o;
    int out = 1;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (!std::strcmp(a, "--help") || !std::strcmp(a, "-h")) {
            o.help = true;
        } else if (!std::strcmp(a, "--version")) {
            o.version = true;
        } else if (!std::strcmp(a, "--data-dir")) {
            if (i + 1 >= argc || !*argv[i + 1])
                o.error = "--data-dir needs a folder";
            else
                o.dataDir = argv[++i];
        } else if (!std::strncmp(a, "--data-dir=", 11)) {
            o.dataDir = a + 11;
            if (o.dataDir.empty())
                o.error = "--data-dir needs a folder";
        } else {
            argv[out++] = argv[i];
        }
    }
    argc = out;
    argv[argc] = nullptr;
    return o;
}

// Set for the second start, so that a scale that still does not fit is refused, not retried.
const char* const kFittedMark = "TARVELLE_FITTED_SCALE";

// The factor for the toolkit's scale (QT_SCALE_FACTOR) at which the table fits on this screen,
// or none when it fits already or cannot fit.
std::optional<double> fittingScaleFactor(const QScreen* screen)
{
    const double ratio = screen->devicePixelRatio();
    auto fit = tarvelle::TForm1::fittingScale(screen->geometry().size(), ratio);
    if (!fit)
        return std::nullopt;
    // A panel takes its share of the screen: the table fits what is left where it can.
    if (const auto inWorkArea = tarvelle::TForm1::fittingScale(screen->availableGeometry().size(), ratio))
        fit = std::min(*fit, *inWorkArea);
    bool set = false;
    const double userFactor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    return (set && userFactor > 0 ? userFactor : 1.0) * *fit / ratio;
}

} // namespace

int main(int argc, char** argv)
{
    // Before any window or file work: a termination signal during the start-up ends it cleanly.
    tarvelle::SessionEnd::installEarly();
    std::vector<char*> startArgs(argv, argv + argc + 1);
    const Options options = takeOptions(argc, argv);
    if (!options.error.empty()) {
        std::fprintf(stderr, "tarvelle: %s\n%s", options.error.c_str(), kUsage);
        return 2;
    }
    if (options.help) {
        // Before Qt starts, so the translation is asked directly; English when it has none.
        QTranslator translator;
        const QString language =
            tarvelle::pickLanguage(QStringLiteral("system"), QLocale::system().uiLanguages());
        const QString usage = tarvelle::loadTranslation(translator, language)
                                  ? translator.translate("Main", kUsage)
                                  : QString();
        std::fputs(usage.isEmpty() ? kUsage : usage.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("Tarvelle %s\n", TARVELLE_VERSION);
        return 0;
    }

    std::optional<QApplication> app(std::in_place, argc, argv);
    // The toolkit takes its scale when it starts: to draw the table at a smaller one, the game
    // starts again with it, before any window, lock or file.
    if (QScreen* screen = QGuiApplication::primaryScreen();
        screen && !qEnvironmentVariableIsSet(kFittedMark)) {
        if (const auto factor = fittingScaleFactor(screen)) {
            const QString self = QCoreApplication::applicationFilePath();
            qputenv("QT_SCALE_FACTOR", QByteArray::number(*factor, 'g', 6));
            qputenv(kFittedMark, "1");
            app.reset();
            std::fflush(nullptr);
            ::execv(QFile::encodeName(self).constData(), startArgs.data());
            std::fprintf(stderr, "tarvelle: cannot start again at a smaller scale: %s\n",
                         std::strerror(errno));
            app.emplace(argc, argv);
        }
    }
    QApplication::setApplicationName(QStringLiteral("Tarvelle"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELLE_VERSION));
    // On Wayland the compositor finds the desktop entry, and so the icon, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarvelle.Tarvelle"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/img/icon.png")));

    const tarvelle::AppDirs dirs = tarvelle::ResolveAppDirs(QString::fromStdString(options.dataDir));
    const QString language = tarvelle::installLanguage(tarvelle::pickLanguage(
        QString::fromStdString(tarvelle::loadLanguageChoice(dirs.saveDir.toStdString())),
        QLocale::system().uiLanguages()));
    // The help page, the spoken hand names and the worded pictures speak the texts' language.
    tarvelle::setAssetLanguage(language.toStdString());
    tarvelle::GameState state;
    tarvelle::SoundBank sounds;
    tarvelle::CardImagery imagery;

    // Two copies on one folder would save over each other's money: the second one leaves.
    tarvelle::DataFolderLock folderLock;
    const std::string saveDir = dirs.saveDir.toStdString();
    if (folderLock.acquire(saveDir) == tarvelle::DataFolderLock::Result::Busy) {
        const QString text =
            QCoreApplication::translate("Main", "Tarvelle is already running with the data folder %1.\n"
                                                "Close that copy before starting another one.")
                .arg(QDir::toNativeSeparators(QDir::cleanPath(dirs.saveDir)));
        std::fprintf(stderr, "tarvelle: already running with the data folder %s\n", saveDir.c_str());
        QMessageBox::information(nullptr, QStringLiteral("Tarvelle"), text);
        return 1;
    }
    tarvelle::removeLeftoverTemporaries(saveDir);

    tarvelle::TForm1 table(state, sounds, imagery, dirs.appDir, dirs.saveDir);
    if (!table.startupError().isEmpty()) {
        std::fprintf(stderr, "tarvelle: %s\n", qPrintable(table.startupError()));
        QMessageBox::critical(nullptr, QStringLiteral("Tarvelle"), table.startupError());
        return 1;
    }
    tarvelle::TForm2 extra(state, sounds, imagery, dirs.appDir, dirs.saveDir, nullptr);
    table.setExtra(&extra);
    // Its boxes belong to the Extra screen, so a window manager keeps them above it.
    tarvelle::TForm2::setWarningHandler([&extra](const QString& message) {
        QMessageBox::warning(&extra, QStringLiteral("Tarvelle"), message);
    });
    table.showTable();
    if (!table.loadNotice().isEmpty()) {
        // Told without stopping the game: the box waits beside the table.
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Tarvelle"), table.loadNotice(),
                                    QMessageBox::Ok, &table);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        box->show();
    }
    // Someone removing tarvelle.lock meanwhile gets it back within a second; saves check it too.
    QTimer lockCheck;
    QObject::connect(&lockCheck, &QTimer::timeout, [&folderLock] { folderLock.keep(); });
    lockCheck.start(1000);
    tarvelle::SessionEnd sessionEnd([&table] { table.saveAll(); });
    const int status = QApplication::exec();
    sessionEnd.disarm();
    return status;
}
