#include "extra/helpcheck.h"

#include <QFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

#include <algorithm>

namespace tarvelle {

namespace {

bool tooLong(const QTextLength& l)
{
    return l.type() == QTextLength::FixedLength && !(std::abs(l.rawValue()) <= MaxHelpLength);
}

// Not a number counts as too large: NaN fails every comparison.
bool outside(qreal v, qreal limit)
{
    return !(std::abs(v) <= limit);
}

class Judge {
public:
    Judge(const QTextDocument& doc, const HelpPictureSize& pictureSize)
        : m_doc(doc), m_pictureSize(pictureSize)
    {
    }

    QString run()
    {
        if (!frame(m_doc.rootFrame(), 0, 0))
            return m_problem;
        for (QTextBlock b = m_doc.begin(); b.isValid(); b = b.next()) {
            if (++m_blocks > MaxHelpBlocks)
                return QStringLiteral("too many paragraphs");
            if ((m_chars += b.length()) > MaxHelpTextChars)
                return QStringLiteral("too much text");
            if (!block(b))
                return m_problem;
        }
        return {};
    }

private:
    bool fail(const QString& why)
    {
        m_problem = why;
        return false;
    }

    bool frame(QTextFrame* f, int tableDepth, int frameDepth)
    {
        const QTextFrameFormat ff = f->frameFormat();
        if (outside(ff.border(), MaxHelpSpacing) || outside(ff.margin(), MaxHelpSpacing) ||
            outside(ff.padding(), MaxHelpSpacing) || tooLong(ff.width()) || tooLong(ff.height()))
            return fail(QStringLiteral("a frame or table of outsized measures"));
        if (auto* table = qobject_cast<QTextTable*>(f)) {
            if (++tableDepth > MaxHelpTableNesting)
                return fail(QStringLiteral("tables nested too deep"));
            if (++m_tables > MaxHelpTables)
                return fail(QStringLiteral("too many tables"));
            const QTextTableFormat tf = table->format();
            if (outside(tf.cellSpacing(), MaxHelpSpacing) || outside(tf.cellPadding(), MaxHelpSpacing))
                return fail(QStringLiteral("a table of outsized spacing"));
            if (table->columns() > MaxHelpColumns)
                return fail(QStringLiteral("a table with too many columns"));
            m_cells += qint64(table->rows()) * table->columns();
            if (m_cells > MaxHelpCells)
                return fail(QStringLiteral("too many table cells"));
            for (int r = 0; r < table->rows(); ++r) {
                for (int c = 0; c < table->columns(); ++c) {
                    const QTextTableCell cell = table->cellAt(r, c);
                    if (cell.rowSpan() > MaxHelpSpan || cell.columnSpan() > MaxHelpSpan)
                        return fail(QStringLiteral("a table cell spans too far"));
                    const QTextTableCellFormat cf = cell.format().toTableCellFormat();
                    if (outside(cf.leftPadding(), MaxHelpSpacing) ||
                        outside(cf.rightPadding(), MaxHelpSpacing) ||
                        outside(cf.topPadding(), MaxHelpSpacing) ||
                        outside(cf.bottomPadding(), MaxHelpSpacing) ||
                        outside(cf.leftBorder(), MaxHelpSpacing) ||
                        outside(cf.rightBorder(), MaxHelpSpacing) ||
                        outside(cf.topBorder(), MaxHelpSpacing) || outside(cf.bottomBorder(), MaxHelpSpacing))
                        return fail(QStringLiteral("a table cell of outsized spacing"));
                }
            }
        } else if (f != m_doc.rootFrame() && ++m_otherFrames > MaxHelpTables + MaxHelpPictures) {
            // Every picture sits in a frame of its own; other frames come from floats.
            return fail(QStringLiteral("too many frames"));
        }
        if (++frameDepth > 2 * MaxHelpTableNesting + 2)
            return fail(QStringLiteral("frames nested too deep"));
        const QList<QTextFrame*> children = f->childFrames();
        for (QTextFrame* child : children) {
            if (!frame(child, tableDepth, frameDepth))
                return false;
        }
        return true;
    }

    bool block(const QTextBlock& b)
    {
        const QTextBlockFormat bf = b.blockFormat();
        if (bf.indent() > MaxHelpIndent || outside(bf.textIndent(), MaxHelpLength / 4) ||
            outside(bf.leftMargin(), MaxHelpLength / 4) || outside(bf.rightMargin(), MaxHelpLength / 4) ||
            outside(bf.topMargin(), MaxHelpLength / 4) || outside(bf.bottomMargin(), MaxHelpLength / 4) ||
            outside(bf.lineHeight(), MaxHelpLength / 4))
            return fail(QStringLiteral("a paragraph of outsized margins"));
        if (QTextList* list = b.textList()) {
            if (list->format().indent() > MaxHelpIndent)
                return fail(QStringLiteral("lists nested too deep"));
            if (list->itemNumber(b) == 0 && (m_listItems += list->count()) > MaxHelpListItems)
                return fail(QStringLiteral("too many list items"));
        }
        if (!words(b.text()))
            return false;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (frag.isValid() && !characters(frag.charFormat()))
                return false;
        }
        return true;
    }

    bool words(const QString& text)
    {
        int run = 0;
        for (const QChar c : text) {
            run = (c.isSpace() || c == u'-') ? 0 : run + 1;
            if (run > MaxHelpWord)
                return fail(QStringLiteral("a word too long to break"));
        }
        return true;
    }

    bool characters(const QTextCharFormat& cf)
    {
        if (cf.hasProperty(QTextFormat::FontPointSize) && outside(cf.fontPointSize(), MaxHelpFontPoints))
            return fail(QStringLiteral("an outsized font"));
        if (cf.hasProperty(QTextFormat::FontPixelSize) &&
            outside(cf.intProperty(QTextFormat::FontPixelSize), MaxHelpFontPixels))
            return fail(QStringLiteral("an outsized font"));
        if (cf.hasProperty(QTextFormat::FontSizeAdjustment) &&
            outside(cf.intProperty(QTextFormat::FontSizeAdjustment), 4))
            return fail(QStringLiteral("an outsized font"));
        if (cf.hasProperty(QTextFormat::FontLetterSpacing) &&
            outside(cf.fontLetterSpacing(),
                    cf.fontLetterSpacingType() == QFont::PercentageSpacing ? 400 : MaxHelpSpacing))
            return fail(QStringLiteral("outsized letter spacing"));
        if (cf.hasProperty(QTextFormat::FontWordSpacing) && outside(cf.fontWordSpacing(), MaxHelpSpacing))
            return fail(QStringLiteral("outsized word spacing"));
        if (cf.hasProperty(QTextFormat::FontStretch) && outside(cf.fontStretch(), 400))
            return fail(QStringLiteral("an outsized font"));
        if (cf.isImageFormat() && !picture(cf.toImageFormat()))
            return false;
        return true;
    }

    bool picture(const QTextImageFormat& f)
    {
        if (++m_pictures > MaxHelpPictures)
            return fail(QStringLiteral("too many pictures"));
        const bool hasWidth = f.hasProperty(QTextFormat::ImageWidth);
        const bool hasHeight = f.hasProperty(QTextFormat::ImageHeight);
        qreal w = f.width();
        qreal h = f.height();
        if ((hasWidth && outside(w, MaxHelpLength)) || (hasHeight && outside(h, MaxHelpLength)))
            return fail(QStringLiteral("a picture of outsized measures"));
        if (!hasWidth || !hasHeight) {
            // Its own size decides the rest; the header tells it without decoding.
            const QSize own = m_pictureSize(f.name());
            if (own.isValid() && !own.isEmpty()) {
                if (!hasWidth && !hasHeight) {
                    w = own.width();
                    h = own.height();
                } else if (hasWidth) {
                    h = w * own.height() / own.width();
                } else {
                    w = h * own.width() / own.height();
                }
            } else {
                w = hasWidth ? w : 16; // the viewer's stand-in for a missing picture
                h = hasHeight ? h : 16;
            }
        }
        if (outside(w, MaxHelpLength) || outside(h, MaxHelpLength))
            return fail(QStringLiteral("a picture of outsized measures"));
        m_shownPixels += qint64(std::abs(w) + 1) * qint64(std::abs(h) + 1);
        if (m_shownPixels > MaxHelpShownPixels)
            return fail(QStringLiteral("pictures too large all together"));
        return true;
    }

    const QTextDocument& m_doc;
    const HelpPictureSize& m_pictureSize;
    QString m_problem;
    int m_tables = 0;
    int m_otherFrames = 0;
    qint64 m_cells = 0;
    int m_blocks = 0;
    qint64 m_chars = 0;
    int m_listItems = 0;
    int m_pictures = 0;
    qint64 m_shownPixels = 0;
};

// Two things cost the parser before anything can be judged: a table's grid, which it
// builds whole (rows times columns, spans included, ragged rows padded), and style sheets,
// matched against every element. So the tags are read the way that parser reads them
// (every '<' opens one, words quoted or not) to bound the grid from above, with rows at
// most the rows and cells named plus the longest row span, columns at most the sum of all
// column spans; a span spelt with character references, or a style sheet, is refused.
class TagScan {
public:
    explicit TagScan(QStringView html) : m_s(html) {}

    QString run()
    {
        while (m_pos < m_s.size()) {
            if (m_s[m_pos++] == u'<' && !tag())
                return m_problem;
        }
        if ((m_rows + m_cells + m_longestRowSpan) * m_columns > MaxHelpGrid)
            return QStringLiteral("tables too large");
        return {};
    }

private:
    bool at(QChar c, qsizetype ahead = 0) const
    {
        return m_pos + ahead < m_s.size() && m_s[m_pos + ahead] == c;
    }

    void eatSpace()
    {
        while (m_pos < m_s.size() && m_s[m_pos].isSpace() && m_s[m_pos] != QChar::ParagraphSeparator)
            ++m_pos;
    }

    void skipPast(QChar c)
    {
        while (m_pos < m_s.size() && m_s[m_pos++] != c) {
        }
    }

    // A word as the parser takes it; references inside are kept as written.
    QStringView word()
    {
        const qsizetype start = m_pos;
        if (at(u'"') || at(u'\'')) {
            const QChar quote = m_s[m_pos++];
            while (m_pos < m_s.size()) {
                const QChar c = m_s[m_pos++];
                if (c == quote && (quote == u'"' || m_s[m_pos - 2] != u'\\'))
                    return m_s.mid(start + 1, m_pos - start - 2);
            }
            return m_s.mid(start + 1); // never closed: the parser keeps all of it
        }
        while (m_pos < m_s.size()) {
            const QChar c = m_s[m_pos];
            if (c == u'>' || (c == u'/' && at(u'>', 1)) || c == u'<' || c == u'=' || c.isSpace())
                break;
            ++m_pos;
        }
        return m_s.mid(start, m_pos - start);
    }

    bool tag()
    {
        eatSpace();
        if (at(u'!')) {
            ++m_pos;
            if (at(u'-') && at(u'-', 1)) {
                const qsizetype end = m_s.indexOf(u"-->", m_pos + 2);
                m_pos = end >= 0 ? end + 3 : m_s.size();
            } else {
                skipPast(u'>');
            }
            return true;
        }
        if (at(u'/')) {
            ++m_pos;
            word();
            skipPast(u'>');
            return true;
        }
        const QString name = word().toString().toLower();
        if (name.contains(u'&')) {
            m_problem = QStringLiteral("a tag name spelt with references");
            return false;
        }
        if (name == u"style") {
            m_problem = QStringLiteral("style sheets are not taken");
            return false;
        }
        const bool cell = name == u"td" || name == u"th";
        m_rows += name == u"tr";
        m_cells += cell;
        qint64 columnSpan = 1;
        if (m_pos < m_s.size() && m_s[m_pos].isSpace()) {
            while (m_pos < m_s.size()) {
                eatSpace();
                if (at(u'>') || at(u'/'))
                    break;
                const QString key = word().toString().toLower();
                if (key.isEmpty())
                    break;
                eatSpace();
                QStringView value;
                if (at(u'=')) {
                    ++m_pos;
                    eatSpace();
                    value = word();
                }
                if (value.isEmpty() || !(key.contains(u'&') || key == u"colspan" || key == u"rowspan"))
                    continue;
                if (value.contains(u'&')) {
                    m_problem = QStringLiteral("a table span spelt with references");
                    return false;
                }
                bool ok = false;
                const int n = value.toString().toInt(&ok);
                if (!ok)
                    continue;
                if (n > MaxHelpSpan) {
                    m_problem = QStringLiteral("a table cell spans too far");
                    return false;
                }
                if (key != u"colspan")
                    m_longestRowSpan = std::max<qint64>(m_longestRowSpan, n);
                if (key != u"rowspan")
                    columnSpan = std::max(1, n);
            }
        }
        if (cell)
            m_columns += columnSpan;
        skipPast(u'>');
        return true;
    }

    QStringView m_s;
    qsizetype m_pos = 0;
    QString m_problem;
    qint64 m_rows = 0;
    qint64 m_cells = 0;
    qint64 m_columns = 0;
    qint64 m_longestRowSpan = 1;
};

} // namespace

QString helpTextProblem(QStringView html)
{
    if (html.size() > MaxHelpPageBytes)
        return QStringLiteral("larger than %1 bytes").arg(MaxHelpPageBytes);
    if (html.count(u'<') > MaxHelpTags)
        return QStringLiteral("more than %1 tags").arg(MaxHelpTags);
    return TagScan(html).run();
}

QString helpDocumentProblem(const QTextDocument& doc, const HelpPictureSize& pictureSize)
{
    return Judge(doc, pictureSize).run();
}

} // namespace tarvelle
