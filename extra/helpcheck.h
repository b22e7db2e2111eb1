#pragma once

#include <QSize>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <functional>

class QTextDocument;
class QUrl;

namespace tarvelle {

// help.htm is an outside file: a damaged or hostile one must not crash, freeze or swamp
// the viewer. The page is parsed once, by the viewer's own parser, and judged on what that
// parser built; the limits are set so a page within them lays out in well under a second.

constexpr qsizetype MaxHelpPageBytes = 512 * 1024;
// The viewer's parser opens a tag at every '<', and its cost grows with the node count
// times the tree depth, both at most a few times the count of '<': bounding that count
// before the parse bounds the parse itself.
constexpr int MaxHelpTags = 2000;
// The parser builds every table's grid whole before the page can be judged; a bound on
// it read from the tags keeps that within a few tenths of a second.
constexpr qint64 MaxHelpGrid = 30'000;
constexpr int MaxHelpTableNesting = 3;
constexpr int MaxHelpTables = 64;
constexpr int MaxHelpCells = 2000;
constexpr int MaxHelpColumns = 64;
constexpr int MaxHelpSpan = 64;
constexpr int MaxHelpBlocks = 6000;
constexpr qint64 MaxHelpTextChars = 100'000; // laying out the text costs in proportion to it
constexpr int MaxHelpListItems = 1000;
constexpr int MaxHelpIndent = 8;
constexpr qreal MaxHelpFontPoints = 72;
constexpr int MaxHelpFontPixels = 96;
constexpr qreal MaxHelpSpacing = 64;  // margins, paddings, borders, cell spacing, in pixels
constexpr qreal MaxHelpLength = 4000; // widths and heights of tables and pictures
constexpr int MaxHelpWord = 200;      // characters without a break opportunity
constexpr int MaxHelpPictures = 64;
constexpr int MaxHelpPictureSide = 2000;
constexpr qint64 MaxHelpPictureFileBytes = 2 * 1024 * 1024;
constexpr qint64 MaxHelpShownPixels = 16'000'000;        // the pictures' area on the page, all together
constexpr qint64 MaxHelpDecodedBytes = 32 * 1024 * 1024; // decoded pictures, all together

// Why the text cannot even go to the parser (too large, too many tags), or empty.
QString helpTextProblem(QStringView html);

// Why the page the parser built cannot be shown, or empty. pictureSize gives a picture's
// pixel size from its header alone (an invalid size when it cannot be shown).
using HelpPictureSize = std::function<QSize(const QString& name)>;
QString helpDocumentProblem(const QTextDocument& doc, const HelpPictureSize& pictureSize);

} // namespace tarvelle
