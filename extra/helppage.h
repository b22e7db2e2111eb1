#pragma once

#include <QByteArray>
#include <QString>
#include <QTextBrowser>

namespace tarvelle {

// The help viewer. A page is parsed once, by the viewer's own parser, judged on what that
// parser built (helpcheck.h) and only then shown. Pictures come only from the program's
// folder and are decoded when the layout first needs them, within one budget for the page.
class HelpViewer : public QTextBrowser {
public:
    HelpViewer(const QString& appDir, QWidget* parent = nullptr);

    // Shows the page; a refused one shows nothing and the answer says why.
    QString showPage(const QByteArray& bytes);
    // The page in a language (help-<language>.htm beside the program), or help.htm where that
    // is missing or refused; at most the size cap read.
    QString showFile(const QString& language = QString());
    // The file showFile() reads first for a language.
    static QString pagePath(const QString& appDir, const QString& language);

    qint64 decodedBytes() const { return m_decodedBytes; }
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QString localPicture(const QUrl& name) const; // its path, or empty when not allowed
    QSize pictureSize(const QString& name) const;

    QString m_appDir;
    qint64 m_decodedBytes = 0;
};

} // namespace tarvelle
