#include "tools/art/helppage.h"

#include <QStringList>

namespace tarvelle::art {

namespace {

QString table(const QStringList& heads, const std::vector<HelpRow>& rows)
{
    QString html =
        QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">\n<tr>");
    for (const QString& h : heads)
        html +=
            QStringLiteral("<th bgcolor=\"#123f4e\" align=\"left\"><font color=\"#e0a86c\">%1</font></th>")
                .arg(h);
    html += QStringLiteral("</tr>\n");
    for (const HelpRow& r : rows) {
        html +=
            QStringLiteral("<tr><td>%1</td><td>%2</td>").arg(QString::fromUtf8(r.a), QString::fromUtf8(r.b));
        if (heads.size() > 2)
            html += QStringLiteral("<td>%1</td>").arg(QString::fromUtf8(r.c));
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

template <size_t N> QStringList heads(const char* const (&names)[N])
{
    QStringList out;
    for (const char* name : names)
        out << QString::fromUtf8(name);
    return out;
}

QString heading(const char* text)
{
    return QStringLiteral("<h2><font color=\"#e0a86c\">%1</font></h2>\n").arg(QString::fromUtf8(text));
}

const HelpText& textFor(const QString& language)
{
    if (language == QLatin1String("de"))
        return helpTextDe();
    if (language == QLatin1String("fr"))
        return helpTextFr();
    if (language == QLatin1String("es"))
        return helpTextEs();
    return helpTextEn();
}

} // namespace

QString helpFileName(const QString& language)
{
    if (&textFor(language) == &helpTextEn())
        return QStringLiteral("help.htm");
    return QStringLiteral("help-%1.htm").arg(language);
}

QString helpPage(const QString& language)
{
    const HelpText& t = textFor(language);
    const QString lang = &t == &helpTextEn() ? QString() : QStringLiteral(" lang=\"%1\"").arg(language);
    QString html;
    html += QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
                           "\"http://www.w3.org/TR/html4/loose.dtd\">\n"
                           "<html%1>\n<head>\n"
                           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
                           "<title>%2</title>\n</head>\n<body>\n"
                           "<h1><font color=\"#e0a86c\">Tarvelle</font></h1>\n")
                .arg(lang, QString::fromUtf8(t.title));
    html += QString::fromUtf8(t.intro);
    html += heading(t.playingHeading) + QString::fromUtf8(t.playing);
    html += heading(t.paysHeading) + QString::fromUtf8(t.paysIntro);
    html += table(heads(t.payHeads), t.payRows) + QString::fromUtf8(t.paysAfter);
    html += heading(t.doubleHeading) + QString::fromUtf8(t.doubleIntro);
    html += table(heads(t.doubleHeads), t.doubleRows) + QString::fromUtf8(t.doubleAfter);
    html += heading(t.bonusHeading) + QString::fromUtf8(t.bonus);
    html += heading(t.keysHeading) + table(heads(t.keyHeads), t.keyRows);
    html += QString::fromUtf8(t.keyboard) + QString::fromUtf8(t.demo);
    html += heading(t.coachHeading) + QString::fromUtf8(t.coach) + QString::fromUtf8(t.expert);
    html += heading(t.casinoHeading) + QString::fromUtf8(t.casinoIntro);
    html += table(heads(t.casinoHeads), t.casinoRows) + QString::fromUtf8(t.casinoAfter);
    html += heading(t.extraHeading) + QString::fromUtf8(t.extraIntro);
    html += table(heads(t.settingHeads), t.settingRows) + QString::fromUtf8(t.closing);
    return html;
}

const HelpText& helpTextEn()
{
    static const HelpText text{
        "Tarvelle - How to play",
        "<p><b>Welcome to the table!</b> Tarvelle is video poker: you get five cards, you keep the ones you "
        "like, you draw once, and the final hand is paid from the table below. Then, if you feel lucky, you "
        "can double your win up to five times.</p>\n",
        "Playing a hand",
        "<ol>\n"
        "<li>Choose your bet, from 1 to 500 credits, with the <b>BET +</b> and <b>BET &ndash;</b> buttons, "
        "the <b>MAX BET</b> button or the mouse wheel. The bet climbs 1, 2 &hellip; 9, 10, then in steps of "
        "ten up to 500.</li>\n"
        "<li>Press <b>DEAL / DRAW</b>. The bet is taken from your credit and five cards are dealt face up. "
        "A win still waiting on the table is moved to your credit first.</li>\n"
        "<li>Click the cards you want to keep (or press 1 to 5). A yellow lamp lights under every held card. "
        "Tarvelle suggests a hold for you: the cards that already make a hand, a four-card straight or "
        "flush, or a lone high card if you ask for it.</li>\n"
        "<li>Press <b>DEAL / DRAW</b> again. Every card you did not hold is replaced, once.</li>\n"
        "<li>The final hand is named in the message line and paid: the win is your bet times the hand's "
        "multiplier, and green lamps show the cards that made it. The win waits in the <i>win</i> display "
        "until your next deal or bet change moves it to the <i>credit</i>, or you gamble it.</li>\n"
        "</ol>\n"
        "<p>When the credit and the waiting win together cannot cover the bet, the deal does nothing "
        "(unless <b>Auto Bet</b> is on, see below). Insert credit on the Extra screen.</p>\n"
        "<p>With the <b>Joker</b> in the deck (53 cards) the Joker is wild: it stands for whatever card "
        "makes your hand best, and it is the only way to a <b>Five of a kind</b>.</p>\n",
        "What pays",
        "<p>The pay table is the same for every bet. Multipliers are credits won per "
        "credit bet, and your bet is already counted in them: Jacks or better at 2 gives "
        "back twice the bet.</p>\n",
        {"Hand", "Pays", "What it is"},
        {{"Jacks or better", "2 &times; bet", "a pair of Jacks, Queens, Kings or Aces"},
         {"Two pairs", "3 &times; bet", "two different pairs"},
         {"Three of a kind", "5 &times; bet", "three cards of one rank"},
         {"Straight", "7 &times; bet",
          "five ranks in a row; the Ace plays high (10-J-Q-K-A) or "
          "low (A-2-3-4-5)"},
         {"Flush", "9 &times; bet", "five cards of one suit"},
         {"Full house", "12 &times; bet", "three of a kind and a pair"},
         {"Poker", "40 &times; bet", "four cards of one rank"},
         {"Straight flush", "100 &times; bet", "a straight in one suit"},
         {"Royal flush", "500 &times; bet", "10, Jack, Queen, King and Ace of one suit"},
         {"Five of a kind", "1000 &times; bet", "four of a kind and the Joker"}},
        "<p>A pair of tens or lower pays nothing. Press <b>PAYS</b> (or P) to show the "
        "pay table on the table with the odds of every hand; while you choose holds it "
        "works out the odds for the cards you hold, and its last row shows what those "
        "holds return on average. You can drag the panel anywhere.</p>\n",
        "Double-up",
        "<p>After a winning hand press <b>DOUBLE</b> (or D) to gamble the win. Five cards are laid face down "
        "and a blue lamp blinks under the first. Make your guess; the card is turned over. A right guess "
        "doubles the win and moves on to the next card, a wrong guess loses it. Win all five steps and the "
        "whole amount goes to your credit by itself.</p>\n",
        {"Game", "BET \u2013 (key -) wins on", "BET + (key +) wins on"},
        {{"Double Red-Black", "a red card (hearts, diamonds)", "a black card (spades, clubs)"},
         {"Double Low-High", "2 to 7 or an Ace (the Ace is low)", "7 to 10, Jack, Queen or King"}},
        "<ul>\n<li>In Low-High a <b>Seven is a standoff</b>: both guesses win, but the win stays as it "
        "was.</li>\n"
        "<li>The <b>Joker</b> wins every guess and counts double: four times the stake.</li>\n"
        "<li>Between guesses you can bank: <b>DOUBLE</b> (D) moves half the win to the credit (the larger "
        "half when the amount is odd) and lets you play on with the rest; <b>DEAL / DRAW</b> (Enter) banks "
        "it all and ends the game.</li>\n"
        "<li>Choose the kind of game with <b>Red - Black</b> on the Extra screen, and switch double-up off "
        "altogether with <b>Double Game</b>.</li>\n</ul>\n",
        "The bonus pot",
        "<p>The <b>Ace of spades</b> is the bonus card. Every time it is part of a paying final hand, your "
        "bet goes into the bonus pot as well. Every double-up guess, right or wrong, adds your bet too. As "
        "soon as the pot passes 9999 credits it is paid into your credit in one go.</p>\n",
        "Buttons and keys",
        {"Button", "Key", "What it does"},
        {{"DEAL / DRAW", "Enter or Space",
          "deal a new hand, draw, or bank the whole win in the "
          "double-up"},
         {"DOUBLE", "D", "start the double-up; during it, bank half the win"},
         {"BET +", "+", "raise the bet; in the double-up, guess black or high"},
         {"BET \u2013", "-", "lower the bet; in the double-up, guess red or low"},
         {"MAX BET", "M", "bet 500 at once"},
         {"AUTO", "A",
          "autoplay on or off: a hand every three seconds, always keeping the "
          "suggested holds"},
         {"EXTRA", "S", "open the Extra screen (settings, help, statistics)"},
         {"PAYS", "P", "show or hide the pay table"},
         {"", "C", "show or hide the coach (see below)"},
         {"the game's name", "G", "choose the game (see below)"},
         {"", "T",
          "training mode: a draw with a hold worth less than the best waits, showing both "
          "holds and the cost; Y draws anyway, B takes the best hold, N lets you change "
          "it. T again: only mistakes over 0.02, then over 0.10 per credit bet, then off"},
         {"", "H",
          "the strategy chart of the game played: the holds ranked from the exact best "
          "play, with its return, to read beside the table or print"},
         {"", "R",
          "your mistakes in the game played, kept in hands.log: costliest first, or "
          "newest first with O; each with the cards dealt and both holds"},
         {"", "Q",
          "drill: your mistakes in the game played dealt again, each with a hand of the "
          "same pattern, with nothing at stake; hold with 1 to 5, check with Enter. A hand "
          "answered right three times in a row leaves the drill (D in the review starts it too)"},
         {"the cards", "1 to 5", "hold or release a card"},
         {"&times; (top right)", "X", "save everything and leave the game"},
         {"mouse wheel", "", "between hands, turn the wheel to change the bet"}},
        "<p><b>Without a mouse.</b> On the Extra screen, Tab and Shift+Tab go from one menu entry, "
        "setting, rate, deck or account button to the next, and a ring shows where you are; the arrow "
        "keys move within the menu, the settings, the rates, the decks and the account buttons; Space or "
        "Enter clicks. Ctrl+Tab or Ctrl+PageDown shows the next page, Ctrl+Shift+Tab or Ctrl+PageUp the "
        "previous one; Escape closes the screen. On the Help page the arrow keys, PageUp, PageDown, Home "
        "and End scroll the text. On the table, Tab reaches the coach's <b>Expert holds</b> switch (Space "
        "switches it, Escape or Tab goes back to the table). A screen reader names every card, lamp, "
        "display and button, and reads each dealt and final hand.</p>\n",
        "<p>After a minute without play the table shows a <b>Demo</b> of the paying hands. "
        "Move the mouse or press any key to come back.</p>\n",
        "The coach",
        "<p>Press <b>C</b> to show or hide the coach, a small panel you can drag anywhere on the screen. "
        "After each deal it lists the five best holds, held cards bright and underlined, each with its "
        "exact value: the average return per credit bet of drawing to it, worked out over every possible "
        "draw for the pay table and the deck in play. Below them are your own holds, their value and "
        "their rank among the 32 ways to hold, updated as you click. After the draw it says <i>Best "
        "play</i>, or which hold was best, what yours was worth and what the difference cost in credits "
        "at your bet; equal values count as best.</p>\n"
        "<p>Since the game started it counts the hands you played yourself (autoplay hands are not "
        "yours), your mistakes, the credits they cost on average and your accuracy. It also shows the "
        "exact return of the whole game as set: always drawing to the best hold, and always drawing to "
        "the game's own suggestion with your Hold High Card and Hold Open Inside Straight "
        "settings.</p>\n",
        "<p>Tick <b>Expert holds</b> on the panel and the suggestion after each deal (kept by Auto Hold, "
        "replaced by Smart Hold's first click, drawn to by autoplay) becomes the best hold of the exact "
        "analysis. When holds are worth exactly the same, the first in this order is taken: count card 1 "
        "as 1, card 2 as 2, card 3 as 4, card 4 as 8 and card 5 as 16 for each card held; the smaller "
        "total comes first. It is the order <i>tarvelle-tool analyze</i> lists them in.</p>\n"
        "<p>While Payout Rate is on the panel says so: the deals and draws are then not the fair random "
        "cards its values assume. The panel's place, whether it is shown and the Expert switch are kept "
        "in <i>coach.cfg</i> beside your other files.</p>\n",
        "Casino games",
        "<p>Besides its own game, Tarvelle deals the casino's classic video poker "
        "games. Press <b>G</b> or click the game's name on the table to choose "
        "one:</p>\n",
        {"Casino game", "Deck"},
        {{"9/6 Jacks or Better", "52 cards"},
         {"8/5 Jacks or Better", "52 cards"},
         {"8/5 Bonus Poker", "52 cards"},
         {"10/7 Double Bonus", "52 cards"},
         {"9/6 Double Double Bonus", "52 cards"},
         {"Full-pay Deuces Wild", "52 cards, the four Deuces wild"},
         {"Full-pay Joker Poker (Kings or Better)", "53 cards, the Joker wild"}},
        "<ul>\n<li>A casino game deals fairly from its own deck and pays from its own pay table.</li>\n"
        "<li>After the deal the hold lamps propose the best hold of the exact analysis for that "
        "game's pays.</li>\n"
        "<li>Each game keeps its own credit and its own statistics. A game starts with 1000 credits; "
        "<i>Insert 1000</i> on the Extra screen adds practice credit.</li>\n"
        "<li>Payout Rate, the bonus pot, Hold High Card and Add Joker belong to Tarvelle's own game: "
        "in a casino game they are greyed on the Extra screen and do nothing.</li>\n"
        "<li>The double-up is an even bet on an ordinary deck of 52 cards, without the Joker.</li>\n"
        "</ul>\n"
        "<p>Games of your own, with the pays you choose, are made with <i>tarvelle-tool games "
        "--add</i>, for example:<br>\n<i>tarvelle-tool games --add my-jacks jacks-9-6 "
        "1,2,3,4,5,8,25,50,800</i></p>\n",
        "The Extra screen",
        "<p>Click a setting or its lamp to switch it; an orange lamp means on. "
        "Settings are saved when you close the screen.</p>\n",
        {"Setting", "When it is on"},
        {{"Add Joker", "the deck has 53 cards with a wild Joker (cannot be changed in the middle of "
                       "a hand or a double-up)"},
         {"Double Game", "winning hands can be gambled in the double-up"},
         {"Auto Double", "after a winning draw the double-up starts by itself"},
         {"Red - Black", "the double-up is Red-Black; off, it is Low-High (cannot be changed during "
                         "a double-up)"},
         {"Auto Hold", "the suggested holds stay marked after the deal; off, you start with no "
                       "card held"},
         {"Smart Hold", "your first click after a deal on a card that is not held replaces the "
                        "suggestion with that card alone"},
         {"Sound FX", "game sounds"},
         {"Voice FX", "the hands are called out loud, with a greeting and a farewell"},
         {"Auto Bet", "when your money cannot cover the bet, the bet is lowered to what you "
                      "have (to a multiple of ten above ten)"},
         {"Hold High Card", "with nothing better, a lone Ace, King, Queen or Jack is suggested"},
         {"Hold Open Inside Straight", "inside straight draws (one gap) are suggested too, not "
                                       "only open-ended ones"},
         {"Payout Rate", "the machine steers its pay-out towards the rate you pick, from 100 % "
                         "down to 50 %, by dealing several hands and giving you the worst of "
                         "them: often when you have been paid near or above that rate, rarely "
                         "below it, and also most of the time in every other five-minute period "
                         "of play, whatever you have been paid, unless your credit is below 100. "
                         "It never improves the cards, so the pay-out usually ends well below "
                         "the rate picked. Off, every deal is plain luck"}},
        "<p><b>Decks</b>: click one of the four card backs to play with it.</p>\n"
        "<p><b>Account</b>: <i>Insert 1000</i> adds 1000 credits (while your credit is below a million); "
        "<i>Cashout</i> takes your whole credit off the table. <i>My Account</i> shows what you have "
        "cashed out less what you have inserted, and <i>Tarvelle Account</i> your best result so far. "
        "<i>Reset</i> starts the account again with 1000 credits.</p>\n"
        "<p><b>Statistics</b> counts every dealt and final hand and every double-up guess, step by step, "
        "of the game being played; "
        "its <i>Reset</i> clears the counts.</p>\n"
        "<p><b>Chart</b> draws your money after each hand of this session in the game being played, "
        "with the line the game's return expects from the bets you made and the bands one and two "
        "standard deviations round it, where most sessions end. A new game starts a new chart.</p>\n"
        "<p align=\"center\"><font color=\"#e0a86c\">Good luck, and enjoy the game!</font></p>\n"
        "</body>\n</html>\n"};
    return text;
}

} // namespace tarvelle::art
