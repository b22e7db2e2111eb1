// The players' help page: help.htm, and help-<language>.htm in every other language.
#pragma once

#include <QString>

#include <vector>

namespace tarvelle::art {

struct HelpRow {
    const char* a;
    const char* b;
    const char* c = "";
};

// Everything a language says on the page; the markup around it is shared, so every language
// has the same sections, tables and rows.
struct HelpText {
    const char* title;
    const char* intro;
    const char* playingHeading;
    const char* playing;
    const char* paysHeading;
    const char* paysIntro;
    const char* payHeads[3];
    std::vector<HelpRow> payRows;
    const char* paysAfter;
    const char* doubleHeading;
    const char* doubleIntro;
    const char* doubleHeads[3];
    std::vector<HelpRow> doubleRows;
    const char* doubleAfter;
    const char* bonusHeading;
    const char* bonus;
    const char* keysHeading;
    const char* keyHeads[3];
    std::vector<HelpRow> keyRows;
    const char* keyboard;
    const char* demo;
    const char* coachHeading;
    const char* coach;
    const char* expert;
    const char* casinoHeading;
    const char* casinoIntro;
    const char* casinoHeads[2];
    std::vector<HelpRow> casinoRows;
    const char* casinoAfter;
    const char* extraHeading;
    const char* extraIntro;
    const char* settingHeads[2];
    std::vector<HelpRow> settingRows;
    const char* closing;
};

const HelpText& helpTextEn();
const HelpText& helpTextDe();
const HelpText& helpTextFr();
const HelpText& helpTextEs();

// The page in a language ("en", "de", "fr", "es"); English for any other.
QString helpPage(const QString& language = QStringLiteral("en"));
// The file the page in a language is written to: help.htm for English.
QString helpFileName(const QString& language);

} // namespace tarvelle::art
