// The language choice of the Settings page, beside the payout rates: kept in language.cfg,
// never in poker.ini, and shown from the next start (the table paints many texts once).
#include "extra/form2.h"
#include "storage/languagefile.h"
#include "widgets/accessibility.h"
#include "widgets/antialiaslabel.h"
#include "widgets/image.h"
#include "widgets/palette.h"

namespace tarvelle {

namespace {

constexpr const char* kCodes[TForm2::LanguageCount] = {"system", "en", "de", "fr", "es"};
// Each language under its own name, as players look for it.
constexpr const char* kNames[TForm2::LanguageCount] = {
    QT_TRANSLATE_NOOP("tarvelle::TForm2", "System"), QT_TRANSLATE_NOOP("tarvelle::TForm2", "English"),
    QT_TRANSLATE_NOOP("tarvelle::TForm2", "Deutsch"), QT_TRANSLATE_NOOP("tarvelle::TForm2", "Français"),
    QT_TRANSLATE_NOOP("tarvelle::TForm2", "Español")};
constexpr int kX = 410;
constexpr int kY[TForm2::LanguageCount] = {228, 269, 309, 350, 387};

} // namespace

void TForm2::buildLanguageChoice()
{
    auto& page = m_pageWidgets[1];
    auto* heading = caption(this, tr("Language"), kX, 189);
    heading->setAutoSize(false);
    heading->resize(159, 22);
    heading->setTransparent(false);
    heading->setColor(palette::Heading);
    heading->setAlignment(Qt::AlignHCenter);
    heading->setFontColor(palette::Ink);
    heading->setToolTip(tr("Shown from the next start"));
    page << heading;
    for (int i = 0; i < LanguageCount; ++i) {
        auto* lamp = new TImage(this);
        lamp->setGeometry(kX, kY[i], 30, 23);
        auto* label = caption(this, tr(kNames[i]), kX + 40, kY[i]);
        makeHover(label, palette::Item, palette::Ink);
        connect(label, &TAntiAliasLabel::clicked, this, [this, i] { languageClick(i); });
        connect(lamp, &TImage::mouseUp, this, [this, lamp, i](Qt::MouseButton b, QPoint pos) {
            if (b == Qt::LeftButton && lamp->rect().contains(pos))
                languageClick(i);
        });
        access::setRole(label, QAccessible::RadioButton);
        access::setLabel(label, tr("Language"));
        access::setDescription(label, tr("Shown from the next start"));
        m_languageLamps[size_t(i)] = lamp;
        m_languageLabels[size_t(i)] = label;
        page << lamp << label;
    }
    auto* note = caption(this, tr("from the next start"), kX, 414);
    QFont f = note->font();
    f.setPixelSize(13);
    note->setFont(f);
    note->setFontColor(palette::Item);
    page << note;
    showLanguageChoice();
}

void TForm2::showLanguageChoice()
{
    const std::string chosen = loadLanguageChoice(m_saveDir.toStdString());
    for (int i = 0; i < LanguageCount; ++i)
        setLamp(m_languageLamps[size_t(i)], chosen == kCodes[i]);
}

void TForm2::languageClick(int i)
{
    if (i < 0 || i >= LanguageCount)
        return;
    clickSound();
    saveLanguageChoice(kCodes[i], m_saveDir.toStdString());
    showLanguageChoice();
}

} // namespace tarvelle
