#include "tools/art/helppage.h"

namespace tarvelle::art {

const HelpText& helpTextDe()
{
    static const HelpText text{
        "Tarvelle - So wird gespielt",
        "<p><b>Willkommen am Tisch!</b> Tarvelle ist Videopoker: Sie bekommen fünf Karten, behalten die, die "
        "Ihnen gefallen, tauschen einmal, und die Endhand wird nach dem Gewinnplan unten ausgezahlt. Danach "
        "können Sie Ihren Gewinn, wenn Sie sich Glück zutrauen, bis zu fünfmal verdoppeln.</p>\n",
        "Eine Hand spielen",
        "<ol>\n"
        "<li>Wählen Sie Ihren Einsatz von 1 bis 500 Credits mit den Tasten <b>EINSATZ +</b> und <b>EINSATZ "
        "&ndash;</b>, der Taste <b>MAX. EINSATZ</b> oder dem Mausrad. Der Einsatz steigt 1, 2 &hellip; 9, "
        "10, danach in Zehnerschritten bis 500.</li>\n"
        "<li>Drücken Sie <b>GEBEN / ZIEHEN</b>. Der Einsatz wird von Ihrem Guthaben abgebucht, und fünf "
        "Karten werden offen ausgeteilt. Ein Gewinn, der noch auf dem Tisch liegt, wird vorher Ihrem "
        "Guthaben gutgeschrieben.</li>\n"
        "<li>Klicken Sie die Karten an, die Sie halten wollen (oder drücken Sie 1 bis 5). Unter jeder "
        "gehaltenen Karte leuchtet eine gelbe Lampe. Tarvelle schlägt Ihnen vor, was Sie halten: die Karten, "
        "die schon eine Hand bilden, vier Karten zu einer Straße oder einem Flush oder, wenn Sie es "
        "wünschen, eine einzelne hohe Karte.</li>\n"
        "<li>Drücken Sie noch einmal <b>GEBEN / ZIEHEN</b>. Jede Karte, die Sie nicht gehalten haben, wird "
        "einmal ersetzt.</li>\n"
        "<li>Die Endhand wird in der Meldezeile genannt und ausgezahlt: Der Gewinn ist Ihr Einsatz mal dem "
        "Faktor der Hand, und grüne Lampen zeigen die Karten, die sie bilden. Der Gewinn wartet in der "
        "Anzeige <i>Gewinn</i>, bis ihn Ihr nächstes Geben oder eine Einsatzänderung ins <i>Guthaben</i> "
        "bringt oder Sie ihn riskieren.</li>\n"
        "</ol>\n"
        "<p>Reichen Guthaben und wartender Gewinn zusammen nicht für den Einsatz, geschieht beim Geben "
        "nichts (außer <b>Auto-Einsatz</b> ist an, siehe unten). Guthaben zahlen Sie im Extra-Bildschirm "
        "ein.</p>\n"
        "<p>Mit dem <b>Joker</b> im Spiel (53 Karten) ist der Joker wild: Er steht für die Karte, die Ihre "
        "Hand am besten macht, und nur mit ihm gibt es einen <b>Fünfling</b>.</p>\n",
        "Was gewinnt",
        "<p>Der Gewinnplan ist für jeden Einsatz gleich. Die Faktoren sind gewonnene Credits je gesetztem "
        "Credit, und Ihr Einsatz ist darin schon enthalten: Buben oder besser mit 2 gibt den doppelten "
        "Einsatz zurück.</p>\n",
        {"Hand", "Zahlt", "Was es ist"},
        {{"Buben oder besser", "2 &times; Einsatz", "ein Paar Buben, Damen, Könige oder Asse"},
         {"Zwei Paare", "3 &times; Einsatz", "zwei verschiedene Paare"},
         {"Drilling", "5 &times; Einsatz", "drei Karten gleichen Werts"},
         {"Straße", "7 &times; Einsatz",
          "fünf Werte in Folge; das Ass zählt hoch (10-B-D-K-A) oder niedrig (A-2-3-4-5)"},
         {"Flush", "9 &times; Einsatz", "fünf Karten einer Farbe"},
         {"Full House", "12 &times; Einsatz", "ein Drilling und ein Paar"},
         {"Poker", "40 &times; Einsatz", "vier Karten gleichen Werts"},
         {"Straight Flush", "100 &times; Einsatz", "eine Straße in einer Farbe"},
         {"Royal Flush", "500 &times; Einsatz", "10, Bube, Dame, König und Ass einer Farbe"},
         {"Fünfling", "1000 &times; Einsatz", "ein Poker und der Joker"}},
        "<p>Ein Paar Zehnen oder niedriger zahlt nichts. Drücken Sie <b>QUOTEN</b> (oder P), um den "
        "Gewinnplan mit den Chancen jeder Hand auf dem Tisch zu zeigen; während Sie Karten halten, rechnet "
        "er die Chancen für Ihre gehaltenen Karten aus, und seine letzte Zeile zeigt, was diese Auswahl im "
        "Schnitt zurückgibt. Sie können das Feld überallhin ziehen.</p>\n",
        "Risikospiel",
        "<p>Nach einer Gewinnhand drücken Sie <b>RISIKO</b> (oder D), um den Gewinn zu riskieren. Fünf "
        "Karten werden verdeckt ausgelegt, und unter der ersten blinkt eine blaue Lampe. Geben Sie Ihren "
        "Tipp ab; die Karte wird aufgedeckt. Ein richtiger Tipp verdoppelt den Gewinn und geht zur nächsten "
        "Karte weiter, ein falscher verliert ihn. Gewinnen Sie alle fünf Stufen, geht der ganze Betrag von "
        "selbst in Ihr Guthaben.</p>\n",
        {"Spiel", "EINSATZ \u2013 (Taste -) gewinnt bei", "EINSATZ + (Taste +) gewinnt bei"},
        {{"Risiko Rot-Schwarz", "einer roten Karte (Herz, Karo)", "einer schwarzen Karte (Pik, Kreuz)"},
         {"Risiko Tief-Hoch", "2 bis 7 oder einem Ass (das Ass ist tief)",
          "7 bis 10, Bube, Dame oder König"}},
        "<ul>\n"
        "<li>Bei Tief-Hoch ist die <b>Sieben ein Unentschieden</b>: Beide Tipps gewinnen, aber der Gewinn "
        "bleibt, wie er war.</li>\n"
        "<li>Der <b>Joker</b> gewinnt jeden Tipp und zählt doppelt: das Vierfache des Einsatzes.</li>\n"
        "<li>Zwischen zwei Tipps können Sie kassieren: <b>RISIKO</b> (D) bringt die Hälfte des Gewinns ins "
        "Guthaben (die größere Hälfte bei einem ungeraden Betrag) und lässt Sie mit dem Rest weiterspielen; "
        "<b>GEBEN / ZIEHEN</b> (Eingabe) kassiert alles und beendet das Spiel.</li>\n"
        "<li>Die Art des Spiels wählen Sie mit <b>Rot - Schwarz</b> im Extra-Bildschirm, und mit "
        "<b>Risikospiel</b> schalten Sie es ganz ab.</li>\n"
        "</ul>\n",
        "Der Bonustopf",
        "<p>Das <b>Pik-Ass</b> ist die Bonuskarte. Jedes Mal, wenn es zu einer zahlenden Endhand gehört, "
        "geht Ihr Einsatz zusätzlich in den Bonustopf. Auch jeder Tipp im Risikospiel, ob richtig oder "
        "falsch, legt Ihren Einsatz hinein. Sobald der Topf 9999 Credits übersteigt, wird er auf einen "
        "Schlag Ihrem Guthaben gutgeschrieben.</p>\n",
        "Tasten und Knöpfe",
        {"Knopf", "Taste", "Was er tut"},
        {{"GEBEN / ZIEHEN", "Eingabe oder Leertaste",
          "eine neue Hand geben, tauschen oder im Risikospiel den ganzen Gewinn kassieren"},
         {"RISIKO", "D", "das Risikospiel beginnen; darin die Hälfte des Gewinns kassieren"},
         {"EINSATZ +", "+", "den Einsatz erhöhen; im Risikospiel auf Schwarz oder Hoch tippen"},
         {"EINSATZ \u2013", "-", "den Einsatz senken; im Risikospiel auf Rot oder Tief tippen"},
         {"MAX. EINSATZ", "M", "auf einmal 500 setzen"},
         {"AUTO", "A",
          "Automatik an oder aus: alle drei Sekunden eine Hand, immer mit den vorgeschlagenen Karten "
          "gehalten"},
         {"EXTRA", "S", "den Extra-Bildschirm öffnen (Einstellungen, Hilfe, Statistik)"},
         {"QUOTEN", "P", "den Gewinnplan zeigen oder verbergen"},
         {"", "C", "den Trainer zeigen oder verbergen (siehe unten)"},
         {"der Name des Spiels", "G", "das Spiel wählen (siehe unten)"},
         {"", "T",
          "Übungsmodus: Ein Tausch mit einer schlechteren als der besten Auswahl wartet und zeigt beide "
          "Auswahlen und was sie kostet; Y tauscht trotzdem, B nimmt die beste Auswahl, N lässt Sie sie "
          "ändern. Noch einmal T: nur Fehler über 0,02, dann über 0,10 je gesetztem Credit, dann aus"},
         {"", "H",
          "die Strategietabelle des gespielten Spiels: die Auswahlen nach dem genau besten Spiel geordnet, "
          "mit seiner Rückzahlung, zum Lesen neben dem Tisch oder zum Drucken"},
         {"", "R",
          "Ihre Fehler im gespielten Spiel, aus hands.log: die teuersten zuerst oder mit O die neuesten "
          "zuerst; jeder mit den gegebenen Karten und beiden Auswahlen"},
         {"", "Q",
          "Drill: Ihre Fehler im gespielten Spiel noch einmal gegeben, jeder mit einer Hand desselben "
          "Musters, ohne Einsatz; mit 1 bis 5 halten, mit Eingabe prüfen. Eine Hand, die dreimal "
          "hintereinander richtig beantwortet wurde, verlässt den Drill (D in der Fehlerliste startet ihn auch)"},
         {"die Karten", "1 bis 5", "eine Karte halten oder freigeben"},
         {"&times; (oben rechts)", "X", "alles speichern und das Spiel verlassen"},
         {"Mausrad", "", "zwischen zwei Händen das Rad drehen, um den Einsatz zu ändern"}},
        "<p><b>Ohne Maus.</b> Im Extra-Bildschirm gehen Tab und Umschalt+Tab von einem Menüeintrag, einer "
        "Einstellung, Quote, einem Kartenrücken oder Kontoknopf zum nächsten, und ein Ring zeigt, wo Sie "
        "sind; die Pfeiltasten bewegen sich innerhalb des Menüs, der Einstellungen, der Quoten, der "
        "Kartenrücken und der Kontoknöpfe; Leertaste oder Eingabe klickt. Strg+Tab oder Strg+Bild ab zeigt "
        "die nächste Seite, Strg+Umschalt+Tab oder Strg+Bild auf die vorige; Esc schließt den Bildschirm. "
        "Auf der Hilfeseite rollen die Pfeiltasten, Bild auf, Bild ab, Pos1 und Ende den Text. Am Tisch "
        "erreicht Tab den Schalter <b>Expertenauswahl</b> des Trainers (die Leertaste schaltet ihn, Esc oder "
        "Tab geht zurück zum Tisch). Ein Bildschirmleser nennt jede Karte, Lampe, Anzeige und jeden Knopf "
        "und liest jede gegebene Hand und jede Endhand vor.</p>\n",
        "<p>Nach einer Minute ohne Spiel zeigt der Tisch eine <b>Demo</b> der zahlenden Hände. Bewegen Sie "
        "die Maus oder drücken Sie eine Taste, um zurückzukommen.</p>\n",
        "Der Trainer",
        "<p>Drücken Sie <b>C</b>, um den Trainer zu zeigen oder zu verbergen, ein kleines Feld, das Sie "
        "überallhin auf dem Bildschirm ziehen können. Nach jedem Geben listet er die fünf besten Auswahlen, "
        "gehaltene Karten hell und unterstrichen, jede mit ihrem genauen Wert: der mittleren Rückzahlung je "
        "gesetztem Credit, wenn Sie mit ihr tauschen, berechnet über jeden möglichen Tausch für den "
        "Gewinnplan und das Kartenspiel im Spiel. Darunter steht Ihre eigene Auswahl, ihr Wert und ihr Rang "
        "unter den 32 Möglichkeiten zu halten, bei jedem Klick neu. Nach dem Tausch sagt er <i>Bestes "
        "Spiel</i> oder welche Auswahl die beste war, was Ihre wert war und was der Unterschied bei Ihrem "
        "Einsatz in Credits gekostet hat; gleiche Werte zählen als beste.</p>\n"
        "<p>Seit Spielbeginn zählt er die Hände, die Sie selbst gespielt haben (Hände der Automatik zählen "
        "nicht), Ihre Fehler, was sie im Schnitt an Credits gekostet haben, und Ihre Treffsicherheit. Er "
        "zeigt auch die genaue Rückzahlung des ganzen Spiels, wie es eingestellt ist: immer mit der besten "
        "Auswahl getauscht, und immer mit dem eigenen Vorschlag des Spiels bei Ihren Einstellungen Hohe "
        "Karte halten und Innere Straße halten.</p>\n",
        "<p>Haken Sie <b>Expertenauswahl</b> im Feld an, und der Vorschlag nach jedem Geben (von Auto-Halten "
        "behalten, vom ersten Klick bei Schlau halten ersetzt, von der Automatik getauscht) wird die beste "
        "Auswahl der genauen Berechnung. Sind Auswahlen genau gleich viel wert, wird die erste in dieser "
        "Reihenfolge genommen: Zählen Sie für jede gehaltene Karte Karte 1 als 1, Karte 2 als 2, Karte 3 als "
        "4, Karte 4 als 8 und Karte 5 als 16; die kleinere Summe kommt zuerst. In dieser Reihenfolge listet "
        "sie <i>tarvelle-tool analyze</i>.</p>\n"
        "<p>Solange die Auszahlungsquote an ist, sagt das Feld es: Geben und Tauschen sind dann nicht die "
        "fairen Zufallskarten, die seine Werte annehmen. Der Platz des Feldes, ob es gezeigt wird, und der "
        "Expertenschalter werden in <i>coach.cfg</i> neben Ihren anderen Dateien gespeichert.</p>\n",
        "Casinospiele",
        "<p>Neben seinem eigenen Spiel gibt Tarvelle die klassischen Videopoker-Spiele des Casinos. Drücken "
        "Sie <b>G</b> oder klicken Sie auf den Namen des Spiels auf dem Tisch, um eines zu wählen:</p>\n",
        {"Casinospiel", "Kartenspiel"},
        {{"9/6 Jacks or Better", "52 Karten"},
         {"8/5 Jacks or Better", "52 Karten"},
         {"8/5 Bonus Poker", "52 Karten"},
         {"10/7 Double Bonus", "52 Karten"},
         {"9/6 Double Double Bonus", "52 Karten"},
         {"Full-pay Deuces Wild", "52 Karten, die vier Zweien wild"},
         {"Full-pay Joker Poker (Kings or Better)", "53 Karten, der Joker wild"}},
        "<ul>\n"
        "<li>Ein Casinospiel gibt fair aus seinem eigenen Kartenspiel und zahlt nach seinem eigenen "
        "Gewinnplan.</li>\n"
        "<li>Nach dem Geben schlagen die Haltelampen die beste Auswahl der genauen Berechnung für den "
        "Gewinnplan dieses Spiels vor.</li>\n"
        "<li>Jedes Spiel hat sein eigenes Guthaben und seine eigene Statistik. Ein Spiel beginnt mit 1000 "
        "Credits; <i>1000 einzahlen</i> im Extra-Bildschirm gibt Übungsguthaben dazu.</li>\n"
        "<li>Auszahlungsquote, Bonustopf, Hohe Karte halten und Joker dazu gehören zu Tarvelles eigenem "
        "Spiel: In einem Casinospiel sind sie im Extra-Bildschirm ausgegraut und tun nichts.</li>\n"
        "<li>Das Risikospiel ist eine faire Wette auf ein gewöhnliches Spiel mit 52 Karten, ohne "
        "Joker.</li>\n"
        "</ul>\n"
        "<p>Eigene Spiele mit den Auszahlungen Ihrer Wahl legen Sie mit <i>tarvelle-tool games --add</i> an, "
        "zum Beispiel:<br>\n"
        "<i>tarvelle-tool games --add my-jacks jacks-9-6 1,2,3,4,5,8,25,50,800</i></p>\n",
        "Der Extra-Bildschirm",
        "<p>Klicken Sie auf eine Einstellung oder ihre Lampe, um sie umzuschalten; eine orange Lampe heißt "
        "an. Die Einstellungen werden gespeichert, wenn Sie den Bildschirm schließen.</p>\n",
        {"Einstellung", "Wenn sie an ist"},
        {{"Joker dazu", "das Spiel hat 53 Karten mit einem wilden Joker (nicht mitten in einer Hand oder "
                        "einem Risikospiel änderbar)"},
         {"Risikospiel", "Gewinnhände können im Risikospiel riskiert werden"},
         {"Auto-Risiko", "nach einem gewinnenden Tausch beginnt das Risikospiel von selbst"},
         {"Rot - Schwarz", "das Risikospiel ist Rot-Schwarz; aus, ist es Tief-Hoch (nicht während eines "
                           "Risikospiels änderbar)"},
         {"Auto-Halten", "die vorgeschlagenen Karten bleiben nach dem Geben gehalten; aus, beginnen Sie "
                         "ohne gehaltene Karte"},
         {"Schlau halten", "Ihr erster Klick nach dem Geben auf eine nicht gehaltene Karte ersetzt den "
                           "Vorschlag durch diese Karte allein"},
         {"Klänge", "die Geräusche des Spiels"},
         {"Stimme", "die Hände werden laut angesagt, mit einer Begrüßung und einem Abschied"},
         {"Auto-Einsatz", "reicht Ihr Geld nicht für den Einsatz, wird der Einsatz auf das gesenkt, was "
                          "Sie haben (über zehn auf ein Vielfaches von zehn)"},
         {"Hohe Karte halten", "ohne Besseres wird ein einzelnes Ass, ein König, eine Dame oder ein Bube "
                               "vorgeschlagen"},
         {"Innere Straße halten", "auch Straßen mit einer Lücke werden vorgeschlagen, nicht nur "
                                  "beidseitig offene"},
         {"Auszahlungsquote", "der Automat lenkt seine Auszahlung zu der gewählten Quote, von 100 % bis "
                              "hinab zu 50 %, indem er mehrere Hände gibt und Ihnen die schlechteste davon "
                              "zuteilt: oft, wenn Sie nahe an dieser Quote oder darüber ausgezahlt bekommen "
                              "haben, selten darunter, und außerdem meistens in jedem zweiten "
                              "Fünf-Minuten-Abschnitt des Spiels, egal was Sie ausgezahlt bekommen haben, "
                              "außer Ihr Guthaben liegt unter 100. Er verbessert nie die Karten, daher endet "
                              "die Auszahlung meist deutlich unter der gewählten Quote. Aus, ist jedes Geben "
                              "reines Glück"}},
        "<p><b>Kartenrücken</b>: Klicken Sie auf einen der vier Kartenrücken, um mit ihm zu spielen.</p>\n"
        "<p><b>Konto</b>: <i>1000 einzahlen</i> gibt 1000 Credits dazu (solange Ihr Guthaben unter einer "
        "Million liegt); <i>Auszahlen</i> nimmt Ihr ganzes Guthaben vom Tisch. <i>Mein Konto</i> zeigt, was "
        "Sie ausgezahlt haben, abzüglich dessen, was Sie eingezahlt haben, und <i>Tarvelle-Konto</i> Ihr "
        "bisher bestes Ergebnis. <i>Zurücksetzen</i> beginnt das Konto neu mit 1000 Credits.</p>\n"
        "<p><b>Statistik</b> zählt jede gegebene Hand und jede Endhand und jeden Tipp im Risikospiel, Stufe "
        "für Stufe, im gerade gespielten Spiel; ihr <i>Zurücksetzen</i> löscht die Zählung.</p>\n"
        "<p><b>Verlauf</b> zeichnet Ihr Geld nach jeder Hand dieser Sitzung im gerade gespielten Spiel, mit "
        "der Linie, die die Rückzahlung des Spiels bei Ihren Einsätzen erwarten lässt, und den Bändern von "
        "einer und zwei Standardabweichungen darum, in denen die meisten Sitzungen enden. Ein neues Spiel "
        "beginnt einen neuen Verlauf.</p>\n"
        "<p align=\"center\"><font color=\"#e0a86c\">Viel Glück und viel Spaß beim Spiel!</font></p>\n"
        "</body>\n</html>\n"};
    return text;
}

} // namespace tarvelle::art
