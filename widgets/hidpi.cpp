#include "widgets/hidpi.h"

#include "engine/assetlanguage.h"
#include "widgets/palette.h"
#include "widgets/picturedigest.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>

namespace tarvelle {

QString builtinPicturePath(const QString& name, const QString& language)
{
    const QString own = QStringLiteral(":/img/%1/%2.png")
                            .arg(QString::fromStdString(assetLanguageOf(language.toStdString())), name);
    return QFile::exists(own) ? own : QStringLiteral(":/img/%1.png").arg(name);
}

QImage builtinPicture(const QString& name, QSize fallback)
{
    QImage img(builtinPicturePath(name, QString::fromStdString(assetLanguage())));
    if (img.isNull()) {
        img = QImage(fallback, QImage::Format_RGB888);
        img.fill(palette::Table);
    }
    return img;
}

} // namespace tarvelle

namespace tarvelle::hidpi {

namespace {

// name -> digest of the 1x picture the double-size one stands for.
const QHash<QString, QByteArray>& digests()
{
    static const QHash<QString, QByteArray> table = [] {
        QHash<QString, QByteArray> out;
        QFile file(QStringLiteral(":/img/hidpi.sums"));
        if (!file.open(QIODevice::ReadOnly))
            return out;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() == 2)
                out.insert(QString::fromLatin1(parts[0]), parts[1]);
        }
        return out;
    }();
    return table;
}

} // namespace

bool wanted()
{
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0;
}

QImage picture(const QString& name)
{
    if (!wanted())
        return QImage();
    return QImage(builtinPicturePath(name + QStringLiteral("@2x"), QString::fromStdString(assetLanguage())));
}

bool matches(const QString& name, const QImage& base)
{
    return wanted() && builtIn(name, base);
}

bool builtIn(const QString& name, const QImage& base)
{
    if (base.isNull())
        return false;
    const auto it = digests().constFind(name);
    return it != digests().constEnd() && *it == pictureDigest(base);
}

} // namespace tarvelle::hidpi
