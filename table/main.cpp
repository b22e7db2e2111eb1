// The program body: the table first, then the Extra screen (hidden), then the message loop.
#include "appdir.h"
#include "form1.h"

#include "form2.h"

#include "cardimagery.h"
#include "waveplayer.h"

#include "gamestate.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvelle"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/img/icon.png")));

    tarvelle::GameState state;
    tarvelle::SoundBank sounds;
    tarvelle::CardImagery imagery;
    const QString appDir = tarvelle::AppDir();
    const QString saveDir = appDir;

    tarvelle::TForm1 table(state, sounds, imagery, appDir, saveDir);
    if (!table.startupError().isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Tarvelle"), table.startupError());
        return 1;
    }
    tarvelle::TForm2 extra(state, sounds, imagery, appDir, saveDir, nullptr);
    table.setExtra(&extra);
    table.showTable();
    return app.exec();
}
