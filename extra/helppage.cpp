#include "extra/helppage.h"

#include "engine/assetlanguage.h"
#include "extra/form2.h"
#include "extra/helpcheck.h"
#include "sound/waveplayer.h"
#include "widgets/image.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPointer>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>

#include <cstdio>

namespace tarvelle {

namespace {

const QColor kViewerBackground(11, 43, 58);
const QColor kViewerInk(89, 154, 158);

// a * b / d rounded to the nearest integer, halves to the even neighbour (a, b, d >= 0).
int64_t mulDivRoundEven(int64_t a, int64_t b, int64_t d)
{
    const int64_t num = a * b;
    int64_t q = num / d;
    const int64_t twiceRem = 2 * (num % d);
    if (twiceRem > d || (twiceRem == d && (q & 1)))
        ++q;
    return q;
}

// Stands in for a picture that is refused: never null, so the viewer does not go and
// load the name by itself.
QImage standIn()
{
    QImage img(1, 1, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

} // namespace

HelpViewer::HelpViewer(const QString& appDir, QWidget* parent) : QTextBrowser(parent), m_appDir(appDir) {}

QString HelpViewer::localPicture(const QUrl& name) const
{
    const QString text = name.toString();
    if (name.scheme() == QLatin1String("qrc") || text.startsWith(QLatin1String(":/")))
        return text.startsWith(QLatin1String("qrc:")) ? text.mid(3) : text;
    if (!name.isRelative() && !name.isLocalFile())
        return {};
    const QUrl url = name.isRelative() ? QUrl::fromLocalFile(m_appDir).resolved(name) : name;
    const QFileInfo file(url.toLocalFile());
    if (!file.isFile() || file.size() > MaxHelpPictureFileBytes ||
        file.canonicalPath() != QDir(m_appDir).canonicalPath())
        return {};
    return file.canonicalFilePath();
}

QSize HelpViewer::pictureSize(const QString& name) const
{
    const QString path = localPicture(QUrl(name));
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxHelpPictureSide || size.height() > MaxHelpPictureSide)
        return {};
    return size;
}

QVariant HelpViewer::loadResource(int type, const QUrl& name)
{
    // Nothing but pictures loads; an empty answer that is not null keeps the document
    // from reading the name by itself.
    if (type != QTextDocument::ImageResource)
        return QVariant(QString());
    const QString path = localPicture(name);
    if (path.isEmpty())
        return standIn();
    QImageReader reader(path);
    const QSize size = reader.size();
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    // The document keeps what it was given under each name, so every decode counts.
    if (!size.isValid() || size.width() > MaxHelpPictureSide || size.height() > MaxHelpPictureSide ||
        m_decodedBytes + bytes > MaxHelpDecodedBytes)
        return standIn();
    m_decodedBytes += bytes;
    QImage image = reader.read();
    if (image.isNull() || image.size() != size)
        return standIn();
    return image;
}

QString HelpViewer::showPage(const QByteArray& bytes)
{
    const QString html = QString::fromUtf8(bytes);
    QString problem = helpTextProblem(html);
    if (!problem.isEmpty())
        return problem;
    // The page is built in a document of its own, whose pictures this viewer answers for,
    // and shown only when what was built passes.
    auto* doc = new QTextDocument(this);
    doc->setDefaultFont(font());
    doc->setBaseUrl(QUrl::fromLocalFile(m_appDir));
    doc->setUndoRedoEnabled(false);
    m_decodedBytes = 0;
    doc->setHtml(html);
    problem = helpDocumentProblem(*doc, [this](const QString& name) { return pictureSize(name); });
    if (!problem.isEmpty()) {
        delete doc;
        return problem;
    }
    // The viewer deletes a document of its own; one of ours goes here.
    const QPointer<QTextDocument> old = document();
    setDocument(doc);
    if (old && old->parent() == this)
        delete old;
    return {};
}

QString HelpViewer::pagePath(const QString& appDir, const QString& language)
{
    const std::string lang = assetLanguageOf(language.toStdString());
    const QString translated = appDir + QStringLiteral("help-%1.htm").arg(QString::fromStdString(lang));
    if (lang != "en" && QFileInfo(translated).isFile())
        return translated;
    return appDir + "help.htm";
}

QString HelpViewer::showFile(const QString& language)
{
    const QString path = pagePath(m_appDir, language);
    QFile file(path);
    QString problem = QStringLiteral("cannot be read");
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)) {
        // One byte over the cap is enough to know it is too large; never read the rest.
        problem = showPage(file.read(qint64(MaxHelpPageBytes) + 1));
    }
    const QString english = m_appDir + "help.htm";
    if (problem.isEmpty() || path == english)
        return problem;
    // A damaged translation still leaves the English page.
    std::fprintf(stderr, "tarvelle: help page %s refused: %s\n", qPrintable(path), qPrintable(problem));
    return showFile(QStringLiteral("en"));
}

void TForm2::buildHelpPage()
{
    auto* viewer = new HelpViewer(m_appDir, this);
    hl1 = viewer;
    hl1->setGeometry(10, 53, 765, 490);
    hl1->setFrameShape(QFrame::NoFrame);
    hl1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hl1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Display only: the thumb and the wheel scroll it, links do not navigate.
    hl1->setTextInteractionFlags(Qt::NoTextInteraction);
    hl1->setOpenLinks(false);
    hl1->setOpenExternalLinks(false);
    hl1->setFocusPolicy(Qt::NoFocus);
    hl1->setContextMenuPolicy(Qt::NoContextMenu);
    hl1->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette pal = hl1->palette();
    pal.setColor(QPalette::Base, kViewerBackground);
    pal.setColor(QPalette::Window, kViewerBackground);
    pal.setColor(QPalette::Text, kViewerInk);
    hl1->setPalette(pal);
    QFont f("Arial");
    f.setPointSize(10);
    hl1->setFont(f);
    hl1->document()->setDefaultFont(f);

    const QString path = m_appDir + "help.htm";
    const QString problem = viewer->showFile(QString::fromStdString(assetLanguage()));
    if (!problem.isEmpty()) {
        // A damaged page gets the same notice as a missing one; the log says which it was.
        if (QFileInfo::exists(path))
            std::fprintf(stderr, "tarvelle: help page %s refused: %s\n", qPrintable(path),
                         qPrintable(problem));
        hl1->setHtml(tr("<p>The help page (%1) could not be found.</p>"
                        "<p>Reinstalling the game puts it back beside the program.</p>")
                         .arg(path.toHtmlEscaped()));
    }
    hl1->clearHistory();

    bara = new TImage(this);
    bara->setGeometry(786, 53, 3, 490);
    setArt(bara, "track", 3, 490);

    ud = new TImage(this);
    ud->setGeometry(778, ThumbTop, 19, 18);
    setArt(ud, "thumb", 19, 18);
    connect(ud, &TImage::mouseDown, this, [this](Qt::MouseButton b, QPoint pos) {
        if (b == Qt::LeftButton)
            udMouseDown(pos.y());
    });
    connect(ud, &TImage::mouseMoved, this, [this](QPoint pos) { udMouseMove(pos.y()); });
    connect(ud, &TImage::mouseUp, this, [this](Qt::MouseButton b, QPoint) {
        if (b == Qt::LeftButton)
            udMouseUp();
    });

    m_pageWidgets[2] << hl1 << bara << ud;
}

int TForm2::thumbTop() const
{
    return ud->y();
}

int TForm2::scrollMaximum() const
{
    return hl1->verticalScrollBar()->maximum();
}

int TForm2::scrollForThumb(int top, int maximum)
{
    if (top <= ThumbTop)
        return 0;
    if (top >= ThumbBottom)
        return maximum;
    return int(mulDivRoundEven(maximum, top - ThumbTop, ThumbBottom - ThumbTop));
}

void TForm2::updateScroll()
{
    ScrollPos = scrollForThumb(ud->y(), scrollMaximum());
    hl1->verticalScrollBar()->setValue(qMax(0, ScrollPos));
}

void TForm2::moveThumb(int top)
{
    ud->move(ud->x(), qBound(ThumbTop, top, ThumbBottom));
    updateScroll();
}

void TForm2::udMouseDown(int y)
{
    clickSound();
    ThumbDragging = true;
    ThumbGrabY = y;
}

void TForm2::udMouseMove(int y)
{
    if (!ThumbDragging)
        return;
    const int top = ud->y() + y - ThumbGrabY;
    if (y != ThumbGrabY && top >= ThumbTop && top <= ThumbBottom)
        moveThumb(top);
    else if (top < ThumbTop)
        moveThumb(ThumbTop);
    else if (top > ThumbBottom)
        moveThumb(ThumbBottom);
}

void TForm2::udMouseUp()
{
    ThumbDragging = false;
}

bool TForm2::FormMouseWheel(int delta)
{
    if (!ud->isHidden())
        moveThumb(ud->y() - delta);
    return true;
}

} // namespace tarvelle
