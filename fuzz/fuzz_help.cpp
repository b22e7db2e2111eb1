// help.htm as it may be found: the check answers at once, and a page it passes lays out
// in the viewer's document promptly (libFuzzer's -timeout catches one that does not).
#include "extra/helpcheck.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

using namespace tarvelle;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view html(reinterpret_cast<const char*>(data), size);
    const HelpPageCheck check = checkHelpPage(html);
    if (!check.ok) {
        if (check.problem.empty())
            std::abort();
        return 0;
    }
    if (size > MaxHelpPageBytes)
        std::abort();
    for (const std::string& image : check.images) {
        if (image.empty() || image.find('/') != std::string::npos || image.front() == '.')
            std::abort();
    }
    // Pictures are left out here: the viewer loads them through its own checks.
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(html.data(), qsizetype(html.size())));
    doc.setTextWidth(765);
    volatile qreal height = doc.size().height(); // forces the whole layout
    (void)height;
    return 0;
}
