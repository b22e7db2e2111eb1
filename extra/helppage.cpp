#include "extra/helppage.h"

#include "extra/form2.h"
#include "extra/helpcheck.h"
#include "widgets/image.h"
#include "widgets/waveplayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
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

// A picture the help page may show: a regular file in the program's folder, small in bytes
// and in pixels; the game's own resources pass as they are. Anything else is refused.
QImage helpPicture(const QString& appDir, const QUrl& url)
{
    const QString path = url.isLocalFile() ? url.toLocalFile() : url.path();
    const QFileInfo file(path);
    if (!file.isFile() || file.size() > qint64(MaxHelpImageBytes) ||
        file.canonicalPath() != QDir(appDir).canonicalPath())
        return {};
    QImageReader reader(file.canonicalFilePath());
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxHelpImageSide || size.height() > MaxHelpImageSide)
        return {};
    return reader.read();
}

// The viewer asks for nothing by itself: pictures go through helpPicture, nothing else loads.
class HelpViewer : public QTextBrowser {
public:
    HelpViewer(const QString& appDir, QWidget* parent) : QTextBrowser(parent), m_appDir(appDir) {}

    QVariant loadResource(int type, const QUrl& name) override
    {
        if (type != QTextDocument::ImageResource)
            return {};
        const QString text = name.toString();
        if (name.scheme() == QLatin1String("qrc") || text.startsWith(QLatin1String(":/")))
            return QTextBrowser::loadResource(type, name);
        const QUrl url = name.isRelative() ? QUrl::fromLocalFile(m_appDir).resolved(name) : name;
        const QImage image = helpPicture(m_appDir, url);
        return image.isNull() ? QVariant() : QVariant(image);
    }

private:
    QString m_appDir;
};

} // namespace

QString loadHelpPage(const QString& appDir, QString* problem)
{
    const QString path = appDir + "help.htm";
    const auto refuse = [&](const QString& why) {
        if (problem)
            *problem = why;
        return QString();
    };
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("cannot be read"));
    // One byte over the cap is enough to know it is too large; never read the rest.
    const QByteArray bytes = file.read(qint64(MaxHelpPageBytes) + 1);
    const HelpPageCheck check = checkHelpPage(std::string_view(bytes.constData(), size_t(bytes.size())));
    if (!check.ok)
        return refuse(QString::fromStdString(check.problem));
    for (const std::string& name : check.images) {
        if (helpPicture(appDir, QUrl::fromLocalFile(appDir + QString::fromStdString(name))).isNull())
            return refuse(QStringLiteral("the picture %1 cannot be shown").arg(QString::fromStdString(name)));
    }
    if (problem)
        problem->clear();
    return QString::fromUtf8(bytes);
}

void TForm2::buildHelpPage()
{
    hl1 = new HelpViewer(m_appDir, this);
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
    QString problem;
    const QString page = loadHelpPage(m_appDir, &problem);
    if (problem.isEmpty()) {
        hl1->document()->setBaseUrl(QUrl::fromLocalFile(m_appDir));
        hl1->setHtml(page);
    } else {
        // A damaged page gets the same notice as a missing one; the log says which it was.
        if (QFileInfo::exists(path))
            std::fprintf(stderr, "tarvelle: help page %s refused: %s\n", qPrintable(path),
                         qPrintable(problem));
        hl1->setHtml(QStringLiteral("<p>The help page (%1) could not be found.</p>"
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
