// tarvelle-artgen: paints every picture, synthesizes every sound and writes the data files.
//
//   tarvelle-artgen --resources DIR     pictures (DIR/img/*.png) and sounds (DIR/snd/*.wav)
//   tarvelle-artgen --data DIR          poker2.dat, deck1-3.bmp, help.htm, help-<lang>.htm, tarvelle.png
//   tarvelle-artgen --contact-sheet F   one labelled PNG of every picture
//   tarvelle-artgen --desktop DIR       the icon theme's sizes and the SVG icon
#include "engine/assetlanguage.h"
#include "tools/art/art.h"
#include "tools/art/cardfile.h"
#include "tools/art/helppage.h"
#include "tools/art/sounds.h"
#include "widgets/picturedigest.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>

#include <cstdio>

using namespace tarvelle::art;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "tarvelle-artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writePng(const QString& path, const QImage& image)
{
    if (!to24(image).save(path, "PNG")) {
        std::fprintf(stderr, "tarvelle-artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The four-colour faces the game lays over the card file's, where they differ from the classic ones.
std::vector<Picture> fourColourFaces()
{
    std::vector<Picture> out;
    for (int i = 0; i < 52; ++i)
        if (recolouredInFourColours(i))
            out.push_back(
                {QStringLiteral("four%1").arg(i, 2, 10, QLatin1Char('0')), paintCard(i, Faces::FourColours)});
    return out;
}

std::vector<QImage> cardPictures()
{
    std::vector<QImage> cards;
    for (int i = 0; i < 53; ++i)
        cards.push_back(paintCard(i));
    cards.push_back(paintBack(0));
    return cards;
}

// Every picture carried in the program, in display order.
std::vector<Picture> resourcePictures()
{
    const QImage table = paintTable();
    std::vector<Picture> out;
    out.push_back({QStringLiteral("red"), paintBackdrop()});
    out.push_back({QStringLiteral("desen"), table});
    out.push_back({QStringLiteral("splash"), paintSplash()});
    for (auto& p : paintEmblems())
        out.push_back(std::move(p));
    for (auto& p : paintButtons(table))
        out.push_back(std::move(p));
    for (auto& p : paintLamps(table))
        out.push_back(std::move(p));
    out.push_back({QStringLiteral("zece"), paintDigits()});
    for (auto& p : paintExtraPictures())
        out.push_back(std::move(p));
    out.push_back({QStringLiteral("icon"), paintIcon()});
    return out;
}

QString languageName(std::string_view code)
{
    return QString::fromLatin1(code.data(), qsizetype(code.size()));
}

// The pictures with words in them, painted again in every other language into img/<language>/;
// the game takes them in place of the English ones of the same name.
bool writeWordedPictures(const QString& dir)
{
    bool ok = true;
    for (const std::string_view code : tarvelle::kAssetLanguages) {
        const QString language = languageName(code);
        const QString folder = dir + QStringLiteral("/img/") + language + QLatin1Char('/');
        QDir().mkpath(folder);
        for (int scale : {1, 2}) {
            const ArtScale painted(scale);
            const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
            ok &= writePng(folder + QStringLiteral("desen") + suffix, paintTable(language));
            ok &= writePng(folder + QStringLiteral("splash") + suffix, paintSplash(language));
        }
    }
    return ok;
}

// The high-DPI pictures: every resource picture but the icon, the card faces and the backs. A card
// or back file's picture gets its double-size version only while it matches the digest listed.
bool writeHighDpi(const QString& dir)
{
    bool ok = true;
    QByteArray sums;
    std::vector<Picture> cards;
    {
        const std::vector<QImage> faces = cardPictures();
        for (size_t i = 0; i < faces.size(); ++i)
            cards.push_back({QStringLiteral("card%1").arg(i, 2, 10, QLatin1Char('0')), faces[i]});
        for (int deck = 1; deck <= 3; ++deck)
            cards.push_back({QStringLiteral("deck%1").arg(deck), paintBack(deck)});
    }
    for (const auto& [name, image] : cards)
        sums += name.toLatin1() + ' ' + tarvelle::pictureDigest(image) + '\n';
    ok &= writeFile(dir + QStringLiteral("/img/hidpi.sums"), sums);

    const ArtScale twice(2);
    for (const auto& [name, image] : resourcePictures())
        if (name != QLatin1String("icon"))
            ok &= writePng(dir + QStringLiteral("/img/") + name + QStringLiteral("@2x.png"), image);
    const std::vector<QImage> faces = cardPictures();
    for (size_t i = 0; i < faces.size(); ++i)
        ok &= writePng(dir + QStringLiteral("/img/card%1@2x.png").arg(i, 2, 10, QLatin1Char('0')), faces[i]);
    for (int deck = 1; deck <= 3; ++deck)
        ok &= writePng(dir + QStringLiteral("/img/deck%1@2x.png").arg(deck), paintBack(deck));
    for (const auto& [name, image] : fourColourFaces())
        ok &= writePng(dir + QStringLiteral("/img/") + name + QStringLiteral("@2x.png"), image);
    return ok;
}

bool writeResources(const QString& dir)
{
    QDir().mkpath(dir + QStringLiteral("/img"));
    QDir().mkpath(dir + QStringLiteral("/snd"));
    bool ok = true;
    for (const auto& [name, image] : resourcePictures())
        ok &= writePng(dir + QStringLiteral("/img/") + name + QStringLiteral(".png"), image);
    for (const auto& [name, image] : fourColourFaces())
        ok &= writePng(dir + QStringLiteral("/img/") + name + QStringLiteral(".png"), image);
    ok &= writeHighDpi(dir);
    ok &= writeWordedPictures(dir);
    for (const RecordingFormat& format : recordingFormats()) {
        QString error;
        const QByteArray wav = makeRecording(format, &error);
        if (wav.isEmpty()) {
            std::fprintf(stderr, "tarvelle-artgen: %s\n", qPrintable(error));
            return false;
        }
        ok &= writeFile(dir + QStringLiteral("/snd/") + QLatin1String(format.name) + QStringLiteral(".wav"),
                        wav);
    }
    // The spoken cues again in every other language; the effects are shared.
    for (const std::string_view code : tarvelle::kAssetLanguages) {
        const QString language = languageName(code);
        QDir().mkpath(dir + QStringLiteral("/snd/") + language);
        for (const RecordingFormat& format : recordingFormats()) {
            if (!format.speech)
                continue;
            QString error;
            const QByteArray wav = makeRecording(format, &error, language);
            if (wav.isEmpty()) {
                std::fprintf(stderr, "tarvelle-artgen: %s\n", qPrintable(error));
                return false;
            }
            ok &= writeFile(QStringLiteral("%1/snd/%2/%3.wav").arg(dir, language, QLatin1String(format.name)),
                            wav);
        }
    }
    return ok;
}

bool writeData(const QString& dir)
{
    QDir().mkpath(dir);
    bool ok = writeFile(dir + QStringLiteral("/poker2.dat"), buildCardFile(cardPictures()));
    for (int deck = 1; deck <= 3; ++deck)
        ok &= writeFile(dir + QStringLiteral("/deck%1.bmp").arg(deck), encodeBmp24(paintBack(deck)));
    ok &= writeFile(dir + QStringLiteral("/help.htm"), helpPage().toUtf8());
    for (const std::string_view code : tarvelle::kAssetLanguages) {
        const QString language = languageName(code);
        ok &= writeFile(dir + QLatin1Char('/') + helpFileName(language), helpPage(language).toUtf8());
    }
    ok &= writePng(dir + QStringLiteral("/tarvelle.png"), paintIcon());
    return ok;
}

// The table as a player sees it mid-game: the pictures laid out at their places.
QImage tablePreview(const std::vector<Picture>& pictures, const std::vector<QImage>& cards)
{
    auto find = [&](const char* name) {
        for (const auto& [n, image] : pictures)
            if (n == QLatin1String(name))
                return image;
        return QImage();
    };
    QImage view = find("desen").convertToFormat(QImage::Format_RGB32);
    QPainter p(&view);
    const int hand[] = {26 + 9, 13 + 9, 3 * 13 + 5, 26 + 2, 52};
    for (int k = 0; k < 5; ++k) {
        p.drawImage(35 + 152 * k, 228, cards[size_t(hand[k])]);
        p.drawImage(88 + 152 * k, 416, find(k == 2 || k == 3 ? "ledstins" : "ledaprins"));
    }
    const QImage digits = find("zece");
    const int amounts[] = {80, 2350, 40, 10960};
    for (int i = 0; i < 4; ++i) {
        QImage number(130, 17, QImage::Format_RGB32);
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 130; ++x)
                number.setPixelColor(x, y, y % 2 ? QColor(18, 70, 82) : QColor(15, 53, 66));
        int value = amounts[i];
        for (int pos = 9; pos >= 0; --pos) {
            const int d = value % 10;
            for (int y = 0; y < 17; ++y)
                for (int j = 0; j < 13; ++j)
                    if (digits.pixel(d * 13 + j, y) & 0xffffff)
                        number.setPixel(pos * 13 + j, y, digits.pixel(d * 13 + j, y));
            value /= 10;
            if (value == 0)
                break;
        }
        p.drawImage(622, 57 + 32 * i, number);
    }
    const struct {
        const char* name;
        int x, y, cell, cw;
    } buttons[] = {
        {"btn_extra", 502, 460, 0, 100}, {"btn_deal", 351, 460, 1, 100},   {"btn_betdown", 67, 458, 0, 100},
        {"btn_betup", 180, 458, 0, 100}, {"btn_double", 640, 458, 3, 100}, {"btn_off", 767, 14, 0, 19},
        {"btn_proce", 612, 500, 0, 19},  {"btn_autop", 466, 500, 0, 19},   {"btn_betmax", 304, 500, 2, 19}};
    for (const auto& b : buttons)
        p.drawImage(b.x + 1, b.y, find(b.name).copy(b.cell * b.cw, 0, b.cw, b.cw));
    p.drawImage(55, 51, find("emblem1"));
    p.setFont(artFont(QStringLiteral("Liberation Sans"), 19, true));
    p.setPen(kInk);
    const char* captions[] = {"win", "bonus", "bet", "credit"};
    for (int i = 0; i < 4; ++i)
        p.drawText(QRect(505, 51 + 32 * i, 89, 29), Qt::AlignCenter, QString::fromLatin1(captions[i]));
    p.drawText(QRect(102, 136, 289, 37), Qt::AlignCenter, QStringLiteral("Jacks or better"));
    p.setFont(artFont(QStringLiteral("Liberation Sans"), 14, true));
    p.drawText(QRect(63, 133, 57, 19), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("2"));
    p.drawText(QRect(63, 155, 57, 19), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("21:40"));
    p.drawText(QRect(386, 133, 57, 19), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("2"));
    p.drawText(QRect(386, 155, 57, 19), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("00:12"));
    p.end();
    return view;
}

// The sizes a desktop's icon theme asks for.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

bool writeDesktop(const QString& dir)
{
    bool ok = true;
    for (int size : kIconSizes) {
        const QString folder = dir + QStringLiteral("/icons/hicolor/%1x%1/apps").arg(size);
        QDir().mkpath(folder);
        ok &= writePng(folder + QStringLiteral("/tarvelle.png"), paintIconAt(size));
    }
    QDir().mkpath(dir + QStringLiteral("/icons/hicolor/scalable/apps"));
    ok &= writeFile(dir + QStringLiteral("/icons/hicolor/scalable/apps/tarvelle.svg"), iconSvg());
    return ok;
}

bool writeContactSheet(const QString& path)
{
    std::vector<Picture> all;
    const std::vector<QImage> cards = cardPictures();
    const char* ranks[] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "A", "J", "Q", "K"};
    const char* suits[] = {"hearts", "diamonds", "spades", "clubs"};
    for (size_t i = 0; i < cards.size(); ++i) {
        const QString label = i == 52   ? QStringLiteral("Joker")
                              : i == 53 ? QStringLiteral("default back")
                                        : QStringLiteral("%1 %2").arg(QLatin1String(ranks[i % 13]),
                                                                      QLatin1String(suits[i / 13]));
        all.push_back({QStringLiteral("%1: %2").arg(i).arg(label), cards[i]});
    }
    for (int deck = 1; deck <= 3; ++deck)
        all.push_back({QStringLiteral("deck%1").arg(deck), paintBack(deck)});
    for (auto& face : fourColourFaces())
        all.push_back(std::move(face));
    const std::vector<Picture> pictures = resourcePictures();
    all.push_back({QStringLiteral("table preview"), tablePreview(pictures, cards)});
    for (auto p : pictures) {
        // Small strips and lamps are hard to judge at 1:1.
        if (p.second.height() <= 29 && p.second.width() < 200)
            p.second = p.second.scaled(p.second.size() * 3);
        all.push_back(std::move(p));
    }
    return writePng(path, contactSheet(all));
}

} // namespace

int main(int argc, char** argv)
{
    // Fonts need a GUI application, never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvelle-artgen"));
    loadFonts();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Makes Tarvelle's pictures, sounds and data files."));
    parser.addHelpOption();
    const QCommandLineOption resources(QStringLiteral("resources"),
                                       QStringLiteral("Write img/ and snd/ into <dir>."),
                                       QStringLiteral("dir"));
    const QCommandLineOption data(QStringLiteral("data"), QStringLiteral("Write the data files into <dir>."),
                                  QStringLiteral("dir"));
    const QCommandLineOption sheet(QStringLiteral("contact-sheet"),
                                   QStringLiteral("Write a labelled sheet of every picture."),
                                   QStringLiteral("png"));
    parser.addOption(resources);
    parser.addOption(data);
    const QCommandLineOption desktop(QStringLiteral("desktop"), QStringLiteral("Write the icons into <dir>."),
                                     QStringLiteral("dir"));
    parser.addOption(sheet);
    parser.addOption(desktop);
    parser.process(app);
    if (!parser.isSet(resources) && !parser.isSet(data) && !parser.isSet(sheet) && !parser.isSet(desktop))
        parser.showHelp(1);

    bool ok = true;
    if (parser.isSet(resources))
        ok &= writeResources(parser.value(resources));
    if (parser.isSet(data))
        ok &= writeData(parser.value(data));
    if (parser.isSet(sheet))
        ok &= writeContactSheet(parser.value(sheet));
    if (parser.isSet(desktop))
        ok &= writeDesktop(parser.value(desktop));
    return ok ? 0 : 1;
}
