<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CardImagery</name>
    <message>
        <source>Cannot open the card file %1: %2</source>
        <translation>Die Kartendatei %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>The card file %1 is too short: %2 bytes, %3 expected</source>
        <translation>Die Kartendatei %1 ist zu kurz: %2 Bytes, erwartet werden %3</translation>
    </message>
    <message>
        <source>Cannot read record %1 of the card file %2: %3</source>
        <translation>Eintrag %1 der Kartendatei %2 lässt sich nicht lesen: %3</translation>
    </message>
    <message>
        <source>The card file %1 is damaged: record %2 is not a picture</source>
        <translation>Die Kartendatei %1 ist beschädigt: Eintrag %2 ist kein Bild</translation>
    </message>
    <message>
        <source>The card file %1 is damaged: record %2 is %3 x %4, not %5 x %6</source>
        <translation>Die Kartendatei %1 ist beschädigt: Eintrag %2 misst %3 x %4 statt %5 x %6</translation>
    </message>
    <message>
        <source>The card file is not loaded</source>
        <translation>Die Kartendatei ist nicht geladen</translation>
    </message>
    <message>
        <source>Cannot load the card back %1</source>
        <translation>Der Kartenrücken %1 lässt sich nicht laden</translation>
    </message>
    <message>
        <source>its pixels cannot be decoded</source>
        <translation>seine Pixel lassen sich nicht entschlüsseln</translation>
    </message>
    <message>
        <source>it decodes to %1 x %2</source>
        <translation>es ergibt %1 x %2 Pixel</translation>
    </message>
    <message>
        <source>The card back %1 is damaged: %2</source>
        <translation>Der Kartenrücken %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>it is not a Windows bitmap</source>
        <translation>es ist keine Windows-Bitmap</translation>
    </message>
    <message>
        <source>unknown bitmap header of %1 bytes</source>
        <translation>unbekannter Bitmap-Kopf mit %1 Bytes</translation>
    </message>
    <message>
        <source>its header is cut short</source>
        <translation>sein Kopf ist abgeschnitten</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, not %3 x %4</source>
        <translation>es gibt %1 x %2 Pixel an statt %3 x %4</translation>
    </message>
    <message>
        <source>it is not an uncompressed 24- or 32-bit picture</source>
        <translation>es ist kein unkomprimiertes 24- oder 32-Bit-Bild</translation>
    </message>
    <message>
        <source>its pixels start inside its header</source>
        <translation>seine Pixel beginnen innerhalb des Kopfes</translation>
    </message>
    <message>
        <source>it is cut short: %1 bytes, %2 expected</source>
        <translation>es ist abgeschnitten: %1 Bytes, erwartet werden %2</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Tarvelle</source>
        <translation>Tarvelle</translation>
    </message>
    <message>
        <source>Tarvelle with the Joker</source>
        <translation>Tarvelle mit Joker</translation>
    </message>
    <message>
        <source>9/6 Jacks or Better</source>
        <translation>9/6 Buben oder besser</translation>
    </message>
    <message>
        <source>8/5 Jacks or Better</source>
        <translation>8/5 Buben oder besser</translation>
    </message>
    <message>
        <source>8/5 Bonus Poker</source>
        <translation>8/5 Bonus Poker</translation>
    </message>
    <message>
        <source>10/7 Double Bonus</source>
        <translation>10/7 Double Bonus</translation>
    </message>
    <message>
        <source>9/6 Double Double Bonus</source>
        <translation>9/6 Double Double Bonus</translation>
    </message>
    <message>
        <source>Full-pay Deuces Wild</source>
        <translation>Deuces Wild, volle Auszahlung</translation>
    </message>
    <message>
        <source>Full-pay Joker Poker (Kings or Better)</source>
        <translation>Joker Poker, volle Auszahlung (Könige oder besser)</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>Low pair</source>
        <translation>Kleines Paar</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Buben oder besser</translation>
    </message>
    <message>
        <source>Kings or Better</source>
        <translation>Könige oder besser</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>Four 5s-Ks</source>
        <translation>Vierling 5-K</translation>
    </message>
    <message>
        <source>Four 2s-4s</source>
        <translation>Vierling 2-4</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>Vier Asse</translation>
    </message>
    <message>
        <source>Four 2s-4s with A-4</source>
        <translation>Vierling 2-4 mit A-4</translation>
    </message>
    <message>
        <source>Four Aces with 2-4</source>
        <translation>Vier Asse mit 2-4</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Wild Royal Flush</source>
        <translation>Royal Flush mit Joker</translation>
    </message>
    <message>
        <source>Five of a Kind</source>
        <translation>Fünfling</translation>
    </message>
    <message>
        <source>Four Deuces</source>
        <translation>Vier Zweien</translation>
    </message>
    <message>
        <source>Natural Royal Flush</source>
        <translation>Echter Royal Flush</translation>
    </message>
    <message>
        <source>Jacks or better</source>
        <translation>Buben oder besser</translation>
    </message>
    <message>
        <source>Two Pairs</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Poker</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Five of a kind</source>
        <translation>Fünfling</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Buben</translation>
    </message>
    <message>
        <source>2 Pair</source>
        <translation>2 Paare</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Full </source>
        <translation>Full </translation>
    </message>
    <message>
        <source>Str. Fl.</source>
        <translation>Str. Fl.</translation>
    </message>
    <message>
        <source>Royal Fl.</source>
        <translation>Royal Fl.</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünfling</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Autoplay off</source>
        <translation>Autoplay aus</translation>
    </message>
    <message>
        <source>A 1</source>
        <translation>A 1</translation>
    </message>
    <message>
        <source>A 2</source>
        <translation>A 2</translation>
    </message>
    <message>
        <source>Double Red-Black</source>
        <translation>Doppeln Rot-Schwarz</translation>
    </message>
    <message>
        <source>Double Low-High</source>
        <translation>Doppeln Tief-Hoch</translation>
    </message>
    <message>
        <source>Autoplay on</source>
        <translation>Autoplay an</translation>
    </message>
    <message>
        <source>%1 strategy</source>
        <translation>Strategie für %1</translation>
    </message>
    <message>
        <source>Hold the first line that fits the dealt hand; where it fits more than one way, keep the higher cards.</source>
        <translation>Halten Sie die erste Zeile, die auf die ausgeteilte Hand passt; passt sie auf mehrere Arten, behalten Sie die höheren Karten.</translation>
    </message>
    <message>
        <source>A flush penalty is a card thrown away of the suit kept, a straight penalty one that could have made a straight with the cards kept.</source>
        <translation>Eine Flush-Strafkarte ist eine abgeworfene Karte in der behaltenen Farbe, eine Straßen-Strafkarte eine, die mit den behaltenen Karten eine Straße hätte bilden können.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Deals %</source>
        <translation>Anteil %</translation>
    </message>
    <message>
        <source>Pays</source>
        <translation>Zahlt</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Verlust</translation>
    </message>
    <message>
        <source>Played by this chart the game returns %1 %; the best play returns %2 %, %3 points more.</source>
        <translation>Nach dieser Tabelle gespielt zahlt das Spiel %1 % zurück; das beste Spiel zahlt %2 % zurück, %3 Punkte mehr.</translation>
    </message>
</context>
<context>
    <name>GameCaption</name>
    <message>
        <source>Choose the game (G)</source>
        <translation>Spiel wählen (G)</translation>
    </message>
</context>
<context>
    <name>HoldWords</name>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>discard everything</source>
        <translation>alles abwerfen</translation>
    </message>
    <message>
        <source>keep all five (no win)</source>
        <translation>alle fünf halten (kein Gewinn)</translation>
    </message>
    <message>
        <source>a pair</source>
        <translation>ein Paar</translation>
    </message>
    <message>
        <source>high pair</source>
        <translation>hohes Paar</translation>
    </message>
    <message>
        <source>low pair</source>
        <translation>kleines Paar</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>zwei Paare</translation>
    </message>
    <message>
        <source>three of a kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>four of a kind</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>the Joker alone</source>
        <translation>Joker allein</translation>
    </message>
    <message>
        <source>the Joker and %1</source>
        <translation>Joker und %1</translation>
    </message>
    <message>
        <source>%1 alone</source>
        <translation>%1 allein</translation>
    </message>
    <message>
        <source>suited %1</source>
        <translation>%1 gleichfarbig</translation>
    </message>
    <message>
        <source>unsuited %1</source>
        <translation>%1 verschiedenfarbig</translation>
    </message>
    <message>
        <source>%1 to a royal flush</source>
        <translation>%1 zum Royal Flush</translation>
    </message>
    <message>
        <source>%1 to a straight flush</source>
        <translation>%1 zum Straight Flush</translation>
    </message>
    <message>
        <source>%1 to a flush</source>
        <translation>%1 zum Flush</translation>
    </message>
    <message>
        <source>%1 to an outside straight</source>
        <translation>%1 zur offenen Straße</translation>
    </message>
    <message>
        <source>%1 to an inside straight</source>
        <translation>%1 zur inneren Straße</translation>
    </message>
    <message>
        <source>%1 to a straight</source>
        <translation>%1 zur Straße</translation>
    </message>
    <message>
        <source>four deuces alone</source>
        <translation>vier Zweien allein</translation>
    </message>
    <message>
        <source>three deuces alone</source>
        <translation>drei Zweien allein</translation>
    </message>
    <message>
        <source>two deuces alone</source>
        <translation>zwei Zweien allein</translation>
    </message>
    <message>
        <source>one deuce alone</source>
        <translation>eine Zwei allein</translation>
    </message>
    <message>
        <source>four Aces</source>
        <translation>vier Asse</translation>
    </message>
    <message>
        <source>three Aces</source>
        <translation>drei Asse</translation>
    </message>
    <message>
        <source>pair of Aces</source>
        <translation>Paar Asse</translation>
    </message>
    <message>
        <source>four 2s to 4s</source>
        <translation>Vierling 2 bis 4</translation>
    </message>
    <message>
        <source>three 2s to 4s</source>
        <translation>Drilling 2 bis 4</translation>
    </message>
    <message>
        <source>pair of 2s to 4s</source>
        <translation>Paar 2 bis 4</translation>
    </message>
    <message>
        <source>four 5s to Kings</source>
        <translation>Vierling 5 bis König</translation>
    </message>
    <message>
        <source>three 5s to Kings</source>
        <translation>Drilling 5 bis König</translation>
    </message>
    <message>
        <source>pair of 5s to 10s</source>
        <translation>Paar 5 bis 10</translation>
    </message>
    <message>
        <source>pair of Jacks to Kings</source>
        <translation>Paar Bube bis König</translation>
    </message>
    <message>
        <source>four Jacks to Kings</source>
        <translation>Vierling Bube bis König</translation>
    </message>
    <message>
        <source>three Jacks to Kings</source>
        <translation>Drilling Bube bis König</translation>
    </message>
    <message>
        <source>four 5s to 10s</source>
        <translation>Vierling 5 bis 10</translation>
    </message>
    <message>
        <source>three 5s to 10s</source>
        <translation>Drilling 5 bis 10</translation>
    </message>
    <message>
        <source>pair of 5s to Kings</source>
        <translation>Paar 5 bis König</translation>
    </message>
    <message>
        <source> with the Joker</source>
        <translation> mit Joker</translation>
    </message>
    <message>
        <source> with one deuce</source>
        <translation> mit einer Zwei</translation>
    </message>
    <message>
        <source> with two deuces</source>
        <translation> mit zwei Zweien</translation>
    </message>
    <message>
        <source> with a flush penalty</source>
        <translation> mit Flush-Strafkarte</translation>
    </message>
    <message>
        <source> with a straight penalty</source>
        <translation> mit Straßen-Strafkarte</translation>
    </message>
    <message>
        <source> with flush and straight penalties</source>
        <translation> mit Flush- und Straßen-Strafkarte</translation>
    </message>
    <message>
        <source>, no penalty card</source>
        <translation>, ohne Strafkarte</translation>
    </message>
    <message>
        <source>, fits 1 straight</source>
        <translation>, passt in 1 Straße</translation>
    </message>
    <message>
        <source>, fits %1 straights</source>
        <translation>, passt in %1 Straßen</translation>
    </message>
    <message>
        <source>, which needs a 2</source>
        <translation>, die eine 2 braucht</translation>
    </message>
    <message>
        <source>, %1 needing a 2</source>
        <translation>, %1 davon mit einer 2</translation>
    </message>
    <message>
        <source>, no gaps</source>
        <translation>, ohne Lücke</translation>
    </message>
    <message>
        <source>, 1 gap</source>
        <translation>, 1 Lücke</translation>
    </message>
    <message>
        <source>, %1 gaps</source>
        <translation>, %1 Lücken</translation>
    </message>
    <message>
        <source>, no high cards</source>
        <translation>, keine hohe Karte</translation>
    </message>
    <message>
        <source>, 1 high card</source>
        <translation>, 1 hohe Karte</translation>
    </message>
    <message>
        <source>, %1 high cards</source>
        <translation>, %1 hohe Karten</translation>
    </message>
    <message>
        <source>, inside</source>
        <translation>, innen</translation>
    </message>
    <message>
        <source>, open</source>
        <translation>, offen</translation>
    </message>
    <message>
        <source>dealt %1</source>
        <translation>%1 ausgeteilt</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Tarvelle is already running with the data folder %1.
Close that copy before starting another one.</source>
        <translation>Tarvelle läuft bereits mit dem Datenordner %1.
Beenden Sie diese Kopie, bevor Sie eine weitere starten.</translation>
    </message>
    <message>
        <source>Usage: tarvelle [--data-dir DIR]
Video poker: Jacks or Better with an optional wild Joker and a double-up game,
and the casino pay tables (Jacks or Better, Bonus, Deuces Wild, Joker Poker...).

  --data-dir DIR  read the data files from DIR and keep poker.ini and poker.dat there
  --help          show this help and exit
  --version       show the version and exit

Without --data-dir the game uses its own folder when that holds poker2.dat and is
writable; otherwise it reads ../share/tarvelle from its own folder (bin or games) and
keeps the player&apos;s files in $XDG_DATA_HOME/Tarvelle (by default
~/.local/share/Tarvelle).
</source>
        <translation>Aufruf: tarvelle [--data-dir ORDNER]
Videopoker: Buben oder besser, wahlweise mit Joker als Ersatzkarte, und ein Verdopplungsspiel,
dazu die Gewinntabellen der Casinos (Buben oder besser, Bonus, Deuces Wild, Joker Poker ...).

  --data-dir ORDNER  die Datendateien aus ORDNER lesen und poker.ini und poker.dat dort ablegen
  --help             diese Hilfe zeigen und beenden
  --version          die Version zeigen und beenden

Ohne --data-dir nutzt das Spiel seinen eigenen Ordner, wenn dieser poker2.dat enthält und
beschreibbar ist; sonst liest es ../share/tarvelle neben seinem Ordner (bin oder games) und
legt die Dateien des Spielers in $XDG_DATA_HOME/Tarvelle ab (standardmäßig
~/.local/share/Tarvelle).
</translation>
    </message>
</context>
<context>
    <name>TrainingWarning</name>
    <message>
        <source>Training: not the best hold</source>
        <translation>Training: nicht die beste Wahl</translation>
    </message>
    <message>
        <source>Draw anyway (Y)</source>
        <translation>Trotzdem ziehen (Y)</translation>
    </message>
    <message>
        <source>Take the best hold (B)</source>
        <translation>Beste Wahl nehmen (B)</translation>
    </message>
    <message>
        <source>Change my hold (N)</source>
        <translation>Meine Wahl ändern (N)</translation>
    </message>
    <message>
        <source>nothing (draw five)</source>
        <translation>nichts (fünf neue Karten)</translation>
    </message>
</context>
<context>
    <name>tarvelle::BankrollChart</name>
    <message>
        <source>Hands</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Kredite</translation>
    </message>
    <message>
        <source>± 1 standard deviation</source>
        <translation>± 1 Standardabweichung</translation>
    </message>
    <message>
        <source>± 2 standard deviations</source>
        <translation>± 2 Standardabweichungen</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>Kept history</source>
        <translation>Gespeicherter Verlauf</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>: return %1 %, standard deviation %2 a hand per credit bet</source>
        <translation>: Auszahlung %1 %, Standardabweichung %2 je Spiel und gesetztem Kredit</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;small&gt;Payout rate control is on: the table pays less than this.&lt;/small&gt;</source>
        <translation>&lt;br&gt;&lt;small&gt;Die Auszahlungssteuerung ist an: der Tisch zahlt weniger.&lt;/small&gt;</translation>
    </message>
    <message>
        <source>Credits won</source>
        <translation>Gewonnene Kredite</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;small&gt;Kept history of this game: %1 hands, the double-up left out.&lt;/small&gt;</source>
        <translation>&lt;br&gt;&lt;small&gt;Gespeicherter Verlauf dieses Spiels: %1 Spiele, ohne Doppeln.&lt;/small&gt;</translation>
    </message>
</context>
<context>
    <name>tarvelle::CoachPanel</name>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>Expert holds</source>
        <translation>Expertenwahl</translation>
    </message>
    <message>
        <source>Coach (C)</source>
        <translation>Trainer (C)</translation>
    </message>
    <message>
        <source>Training off (T)</source>
        <translation>Training aus (T)</translation>
    </message>
    <message>
        <source>Training: every mistake (T)</source>
        <translation>Training: jeder Fehler (T)</translation>
    </message>
    <message>
        <source>Training: mistakes over %1 (T)</source>
        <translation>Training: Fehler über %1 (T)</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <source>Deal a hand to see the value of</source>
        <translation>Teilen Sie aus, um den Wert jeder</translation>
    </message>
    <message>
        <source>every hold, per credit bet.</source>
        <translation>Wahl je gesetztem Kredit zu sehen.</translation>
    </message>
    <message>
        <source>Best holds</source>
        <translation>Beste Wahl</translation>
    </message>
    <message>
        <source>per bet</source>
        <translation>je Einsatz</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>Ihre</translation>
    </message>
    <message>
        <source>%1  rank %2</source>
        <translation>%1  Platz %2</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Bestes Spiel</translation>
    </message>
    <message>
        <source>Best: %1 (%2),</source>
        <translation>Beste: %1 (%2),</translation>
    </message>
    <message>
        <source>yours: %1 (%2),</source>
        <translation>Ihre: %1 (%2),</translation>
    </message>
    <message>
        <source>cost: %1 credits</source>
        <translation>Kosten: %1 Kredite</translation>
    </message>
    <message>
        <source>Your hold is judged at the draw.</source>
        <translation>Ihre Wahl wird beim Ziehen bewertet.</translation>
    </message>
    <message>
        <source>%1: %2 hands, %3 mistakes</source>
        <translation>%1: %2 Spiele, %3 Fehler</translation>
    </message>
    <message>
        <source>%1 %, lost %2</source>
        <translation>%1 %, verloren %2</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>working...</source>
        <translation>rechnet ...</translation>
    </message>
    <message>
        <source>Game return, best holds</source>
        <translation>Auszahlung, beste Wahl</translation>
    </message>
    <message>
        <source>Game return, table&apos;s holds</source>
        <translation>Auszahlung, Wahl des Tisches</translation>
    </message>
    <message>
        <source>Payout control on: values assume fair cards</source>
        <translation>Auszahlungssteuerung an: Werte gelten für faire Karten</translation>
    </message>
    <message>
        <source> | Expert holds: on</source>
        <translation> | Expertenwahl: an</translation>
    </message>
    <message>
        <source> | Expert holds: off</source>
        <translation> | Expertenwahl: aus</translation>
    </message>
    <message>
        <source>Expert holds: on</source>
        <translation>Expertenwahl: an</translation>
    </message>
    <message>
        <source>Expert holds: off</source>
        <translation>Expertenwahl: aus</translation>
    </message>
    <message>
        <source>hold nothing</source>
        <translation>nichts halten</translation>
    </message>
    <message>
        <source>hold %1</source>
        <translation>%1 halten</translation>
    </message>
</context>
<context>
    <name>tarvelle::DrillWindow</name>
    <message>
        <source>Drill</source>
        <translation>Drill</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
    <message>
        <source>Drill: %1. Hold the cards you would keep (1-5), then check (Enter). Nothing is at stake; a hand answered right three times in a row leaves the drill.</source>
        <translation>Drill: %1. Halten Sie die Karten, die Sie behalten würden (1-5), und prüfen Sie dann (Enter). Es geht um keinen Einsatz; eine Hand, die dreimal hintereinander richtig beantwortet wurde, verlässt den Drill.</translation>
    </message>
    <message>
        <source>The drill is done: every hand has been answered right three times in a row.</source>
        <translation>Der Drill ist fertig: Jede Hand wurde dreimal hintereinander richtig beantwortet.</translation>
    </message>
    <message>
        <source>No mistakes of this game to drill: the hand history has none left.</source>
        <translation>Keine Fehler dieses Spiels zum Üben: Der Spielverlauf hat keine mehr.</translation>
    </message>
    <message>
        <source>Right: this hold is worth %1 per credit bet, as much as any.</source>
        <translation>Richtig: Diese Wahl ist %1 je gesetztem Kredit wert, so viel wie die beste.</translation>
    </message>
    <message>
        <source>Not the best: your hold is worth %1 per credit bet; the best, %2, is worth %3. The mistake costs %4 per credit bet.</source>
        <translation>Nicht die beste Wahl: Ihre ist %1 je gesetztem Kredit wert; die beste, %2, ist %3 wert. Der Fehler kostet %4 je gesetztem Kredit.</translation>
    </message>
    <message>
        <source>drawing five new cards</source>
        <translation>fünf neue Karten ziehen</translation>
    </message>
    <message>
        <source>Three times right in a row: this hand leaves the drill.</source>
        <translation>Dreimal hintereinander richtig: Diese Hand verlässt den Drill.</translation>
    </message>
    <message>
        <source>Score: %1 of %2 right; %3 hands left in the drill</source>
        <translation>Punkte: %1 von %2 richtig; noch %3 Hände im Drill</translation>
    </message>
    <message>
        <source>HELD</source>
        <translation>HALTEN</translation>
    </message>
    <message>
        <source>best: hold</source>
        <translation>beste: halten</translation>
    </message>
    <message>
        <source>best: draw</source>
        <translation>beste: ziehen</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Karte %1: %2</translation>
    </message>
    <message>
        <source>held</source>
        <translation>gehalten</translation>
    </message>
    <message>
        <source>the best hold keeps it</source>
        <translation>die beste Wahl hält sie</translation>
    </message>
    <message>
        <source>the best hold draws it</source>
        <translation>die beste Wahl tauscht sie</translation>
    </message>
    <message>
        <source>Next hand (Enter)</source>
        <translation>Nächste Hand (Enter)</translation>
    </message>
    <message>
        <source>Check (Enter)</source>
        <translation>Prüfen (Enter)</translation>
    </message>
</context>
<context>
    <name>tarvelle::ReviewWindow</name>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>Cost %1 credits (%2 per credit, bet %3)</source>
        <translation>Kosten %1 Kredite (%2 je Kredit, Einsatz %3)</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1, all time: %2 hands, %3 mistakes, accuracy %4 %, %5 credits lost</source>
        <translation>%1, insgesamt: %2 Spiele, %3 Fehler, Trefferquote %4 %, %5 Kredite verloren</translation>
    </message>
    <message>
        <source>Costliest first (O)</source>
        <translation>Teuerste zuerst (O)</translation>
    </message>
    <message>
        <source>Newest first (O)</source>
        <translation>Neueste zuerst (O)</translation>
    </message>
    <message>
        <source>Order: costliest first; press for newest first</source>
        <translation>Reihenfolge: teuerste zuerst; drücken für neueste zuerst</translation>
    </message>
    <message>
        <source>Order: newest first; press for costliest first</source>
        <translation>Reihenfolge: neueste zuerst; drücken für teuerste zuerst</translation>
    </message>
    <message>
        <source>%1, %2
  Dealt %3
  Yours %4
  Best  %5</source>
        <translation>%1, %2
  Ausgeteilt %3
  Ihre       %4
  Beste      %5</translation>
    </message>
    <message>
        <source>%1, %2. You held %3; the best hold: %4.</source>
        <translation>%1, %2. Sie hielten %3; die beste Wahl: %4.</translation>
    </message>
    <message>
        <source>No mistakes kept for this game.</source>
        <translation>Für dieses Spiel sind keine Fehler gespeichert.</translation>
    </message>
    <message>
        <source>Your hold</source>
        <translation>Ihre Wahl</translation>
    </message>
    <message>
        <source>Best hold</source>
        <translation>Beste Wahl</translation>
    </message>
    <message>
        <source>HELD</source>
        <translation>HALTEN</translation>
    </message>
    <message>
        <source>Drill these hands (D)</source>
        <translation>Diese Hände üben (D)</translation>
    </message>
</context>
<context>
    <name>tarvelle::StrategyWindow</name>
    <message>
        <source>Strategy chart</source>
        <translation>Strategietabelle</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&lt;p&gt;Working out the chart from the best holds...&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Tabelle wird aus der besten Wahl berechnet ...&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tarvelle::TForm1</name>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>Extra screen (S)</source>
        <translation>Extra-Bildschirm (S)</translation>
    </message>
    <message>
        <source>Maximum bet (M)</source>
        <translation>Höchsteinsatz (M)</translation>
    </message>
    <message>
        <source>Autoplay (A)</source>
        <translation>Autoplay (A)</translation>
    </message>
    <message>
        <source>Pay table (P)</source>
        <translation>Gewinntabelle (P)</translation>
    </message>
    <message>
        <source>Exit (X)</source>
        <translation>Beenden (X)</translation>
    </message>
    <message>
        <source>Card %1: key %1 holds or releases it</source>
        <translation>Karte %1: Taste %1 hält sie oder gibt sie frei</translation>
    </message>
    <message>
        <source>win</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>bet</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>credit</source>
        <translation>Kredit</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Playing time</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>Pay table</source>
        <translation>Gewinntabelle</translation>
    </message>
    <message>
        <source>Bank all (Enter)</source>
        <translation>Alles einstreichen (Enter)</translation>
    </message>
    <message>
        <source>Deal/Draw (Enter)</source>
        <translation>Geben/Ziehen (Enter)</translation>
    </message>
    <message>
        <source>Bet down (-)</source>
        <translation>Einsatz runter (-)</translation>
    </message>
    <message>
        <source>Guess red (-)</source>
        <translation>Rot tippen (-)</translation>
    </message>
    <message>
        <source>Guess low (-)</source>
        <translation>Tief tippen (-)</translation>
    </message>
    <message>
        <source>Bet up (+)</source>
        <translation>Einsatz rauf (+)</translation>
    </message>
    <message>
        <source>Guess black (+)</source>
        <translation>Schwarz tippen (+)</translation>
    </message>
    <message>
        <source>Guess high (+)</source>
        <translation>Hoch tippen (+)</translation>
    </message>
    <message>
        <source>Bank half (D)</source>
        <translation>Hälfte einstreichen (D)</translation>
    </message>
    <message>
        <source>Double-up (D)</source>
        <translation>Verdoppeln (D)</translation>
    </message>
    <message>
        <source>double-up, this card</source>
        <translation>Verdoppeln, diese Karte</translation>
    </message>
    <message>
        <source>double-up, won</source>
        <translation>Verdoppeln, gewonnen</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>held</source>
        <translation>gehalten</translation>
    </message>
    <message>
        <source>, held</source>
        <translation>, gehalten</translation>
    </message>
    <message>
        <source>winning</source>
        <translation>gewinnt</translation>
    </message>
    <message>
        <source>, winning</source>
        <translation>, gewinnt</translation>
    </message>
    <message>
        <source>Lamp %1: %2</source>
        <translation>Lampe %1: %2</translation>
    </message>
    <message>
        <source>Face down</source>
        <translation>Verdeckt</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>Dealt: %1. %2.</source>
        <translation>Ausgeteilt: %1. %2.</translation>
    </message>
    <message>
        <source>Final hand: %1. %2, win %3.</source>
        <translation>Endhand: %1. %2, Gewinn %3.</translation>
    </message>
    <message>
        <source>Final hand: %1. No win.</source>
        <translation>Endhand: %1. Kein Gewinn.</translation>
    </message>
    <message>
        <source>Credit %1.</source>
        <translation>Kredit %1.</translation>
    </message>
    <message>
        <source>%1: win %2.</source>
        <translation>%1: Gewinn %2.</translation>
    </message>
    <message>
        <source>Welcome !</source>
        <translation>Willkommen!</translation>
    </message>
    <message>
        <source>The card file poker2.dat could not be read.</source>
        <translation>Die Kartendatei poker2.dat konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The counters file poker.dat was damaged: the game starts from the defaults (credit 1000, statistics 0).</source>
        <translation>Die Zählerdatei poker.dat war beschädigt: das Spiel beginnt mit den Grundwerten (Kredit 1000, Statistik 0).</translation>
    </message>
    <message>
        <source>
The damaged file is kept as %1.</source>
        <translation>
Die beschädigte Datei bleibt als %1 erhalten.</translation>
    </message>
    <message>
        <source>Some lines of your games file games.txt could not be read; those games are not offered:</source>
        <translation>Einige Zeilen Ihrer Spieledatei games.txt waren nicht lesbar; diese Spiele werden nicht angeboten:</translation>
    </message>
    <message>
        <source>Your games file games.txt could not be read; the catalogue&apos;s games are offered.</source>
        <translation>Ihre Spieledatei games.txt war nicht lesbar; angeboten werden die Spiele des Katalogs.</translation>
    </message>
    <message>
        <source>Game: %1. Credit %2.</source>
        <translation>Spiel: %1. Kredit %2.</translation>
    </message>
    <message>
        <source>The file %1 of %2 was damaged: the game starts from the defaults (credit 1000, statistics 0). The damaged file is kept beside it.</source>
        <translation>Die Datei %1 von %2 war beschädigt: das Spiel beginnt mit den Grundwerten (Kredit 1000, Statistik 0). Die beschädigte Datei bleibt daneben erhalten.</translation>
    </message>
    <message>
        <source>Game: %1 (G)</source>
        <translation>Spiel: %1 (G)</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Tarvelle (the table&apos;s own game)</source>
        <translation>Tarvelle (das Spiel des Tisches)</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Odds %</source>
        <translation>Quote %</translation>
    </message>
    <message>
        <source>Minimum video mode required is 800x600 !</source>
        <translation>Es wird mindestens eine Auflösung von 800x600 benötigt!</translation>
    </message>
    <message>
        <source>Minimum color quality is 16 bits per pixel !</source>
        <translation>Es werden mindestens 16 Bit Farbtiefe benötigt!</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>&lt;b&gt;Not the best hold.&lt;/b&gt;&lt;br&gt;Yours: %1 &amp;mdash; %2 per credit bet.&lt;br&gt;Best: %3 &amp;mdash; %4 per credit bet.&lt;br&gt;It costs %5 per credit bet, %6 credits at this bet.</source>
        <translation>&lt;b&gt;Nicht die beste Wahl.&lt;/b&gt;&lt;br&gt;Ihre: %1 &amp;mdash; %2 je gesetztem Kredit.&lt;br&gt;Beste: %3 &amp;mdash; %4 je gesetztem Kredit.&lt;br&gt;Das kostet %5 je gesetztem Kredit, %6 Kredite bei diesem Einsatz.</translation>
    </message>
    <message>
        <source>Not the best hold. Best: %1. It costs %2 per credit bet. Y draws anyway, B takes the best hold, N lets you change it.</source>
        <translation>Nicht die beste Wahl. Beste: %1. Das kostet %2 je gesetztem Kredit. Y zieht trotzdem, B nimmt die beste Wahl, N lässt Sie Ihre ändern.</translation>
    </message>
</context>
<context>
    <name>tarvelle::TForm2</name>
    <message>
        <source>Extra</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page (%1) could not be found.&lt;/p&gt;&lt;p&gt;Reinstalling the game puts it back beside the program.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Hilfeseite (%1) wurde nicht gefunden.&lt;/p&gt;&lt;p&gt;Eine Neuinstallation des Spiels legt sie wieder neben das Programm.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>Payout rate</source>
        <translation>Auszahlungsquote</translation>
    </message>
    <message>
        <source>Deck %1</source>
        <translation>Kartenrücken %1</translation>
    </message>
    <message>
        <source>Insert 1000</source>
        <translation>1000 einzahlen</translation>
    </message>
    <message>
        <source>Cashout</source>
        <translation>Auszahlen</translation>
    </message>
    <message>
        <source>Reset account</source>
        <translation>Konto zurücksetzen</translation>
    </message>
    <message>
        <source>Bankroll in bets</source>
        <translation>Kapital in Einsätzen</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Statistik zurücksetzen</translation>
    </message>
    <message>
        <source>My Account</source>
        <translation>Mein Konto</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Kredit</translation>
    </message>
    <message>
        <source>Tarvelle Account</source>
        <translation>Tarvelle-Konto</translation>
    </message>
    <message>
        <source>Poker statistics</source>
        <translation>Pokerstatistik</translation>
    </message>
    <message>
        <source>Double statistics</source>
        <translation>Doppelstatistik</translation>
    </message>
    <message>
        <source>Add Joker</source>
        <translation>Mit Joker</translation>
    </message>
    <message>
        <source>Double Game</source>
        <translation>Doppelspiel</translation>
    </message>
    <message>
        <source>Auto Double</source>
        <translation>Auto-Doppeln</translation>
    </message>
    <message>
        <source>Red - Black</source>
        <translation>Rot - Schwarz</translation>
    </message>
    <message>
        <source>Auto Hold</source>
        <translation>Auto-Halten</translation>
    </message>
    <message>
        <source>Smart Hold</source>
        <translation>Schlau halten</translation>
    </message>
    <message>
        <source>Sound FX</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Voice FX</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Auto Bet</source>
        <translation>Auto-Einsatz</translation>
    </message>
    <message>
        <source>Hold High Card</source>
        <translation>Hohe Karte halten</translation>
    </message>
    <message>
        <source>Hold Open Inside Straight</source>
        <translation>Innere Straße halten</translation>
    </message>
    <message>
        <source>Payout Rate</source>
        <translation>Auszahlungsquote</translation>
    </message>
    <message>
        <source>Decks</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Only for the table&apos;s own game</source>
        <translation>Nur für das Spiel des Tisches</translation>
    </message>
    <message>
        <source>Cannot open the card back &quot;%1&quot;.</source>
        <translation>Der Kartenrücken „%1“ lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.</translation>
    </message>
    <message>
        <source>Win  Red-Black</source>
        <translation>Gew. Rot-Schwarz</translation>
    </message>
    <message>
        <source>Lose Red-Black</source>
        <translation>Verl. Rot-Schwarz</translation>
    </message>
    <message>
        <source>Win  Low-High</source>
        <translation>Gew. Tief-Hoch</translation>
    </message>
    <message>
        <source>Lose Low-High</source>
        <translation>Verl. Tief-Hoch</translation>
    </message>
    <message>
        <source>Total Doubles</source>
        <translation>Doppeln gesamt</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Kapital</translation>
    </message>
    <message>
        <source>Bankroll in bets, 1 to %1</source>
        <translation>Kapital in Einsätzen, 1 bis %1</translation>
    </message>
    <message>
        <source>Hands played, 1 to %1</source>
        <translation>Gespielte Hände, 1 bis %1</translation>
    </message>
    <message>
        <source>Simulated figures are seeded; ± is one standard error</source>
        <translation>Simulierte Werte sind reproduzierbar; ± ist ein Standardfehler</translation>
    </message>
    <message>
        <source>Simulated figures are seeded; ± spans a 95 % interval</source>
        <translation>Simulierte Werte sind reproduzierbar; ± umfasst ein 95-%-Intervall</translation>
    </message>
    <message>
        <source>working…</source>
        <translation>rechnet …</translation>
    </message>
    <message>
        <source>Best holds: %1</source>
        <translation>Beste Wahl: %1</translation>
    </message>
    <message>
        <source>Ruin in %1 hands: %2</source>
        <translation>Ruin in %1 Spielen: %2</translation>
    </message>
    <message>
        <source>5 % risk bankroll: %1</source>
        <translation>Kapital für 5 % Risiko: %1</translation>
    </message>
    <message>
        <source>Best holds: return %1 %, deviation %2 bets a hand</source>
        <translation>Beste Wahl: Auszahlung %1 %, Abweichung %2 Einsätze je Spiel</translation>
    </message>
    <message>
        <source>%1 exact</source>
        <translation>%1 genau</translation>
    </message>
    <message>
        <source>%1 ± %2 % simulated</source>
        <translation>%1 ± %2 % simuliert</translation>
    </message>
    <message>
        <source>5 % risk bankroll: %1 bets exact</source>
        <translation>Kapital für 5 % Risiko: %1 Einsätze genau</translation>
    </message>
    <message>
        <source>5 % risk bankroll: %1 ± %2 bets simulated</source>
        <translation>Kapital für 5 % Risiko: %1 ± %2 Einsätze simuliert</translation>
    </message>
    <message>
        <source>( x )</source>
        <translation>( x )</translation>
    </message>
    <message>
        <source>1st Deal</source>
        <translation>1. Geben</translation>
    </message>
    <message>
        <source>2nd Deal</source>
        <translation>2. Geben</translation>
    </message>
    <message>
        <source>1st Deal Joker</source>
        <translation>1. Geben Joker</translation>
    </message>
    <message>
        <source>2nd Deal Joker</source>
        <translation>2. Geben Joker</translation>
    </message>
    <message>
        <source>Low Pair</source>
        <translation>Kleines Paar</translation>
    </message>
    <message>
        <source>Deals</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Shown from the next start</source>
        <translation>Gilt ab dem nächsten Start</translation>
    </message>
    <message>
        <source>from the next start</source>
        <translation>ab dem nächsten Start</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>Kept history</source>
        <translation>Gespeicherter Verlauf</translation>
    </message>
    <message>
        <source>Card faces</source>
        <translation>Kartenbilder</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Four colours</source>
        <translation>Vier Farben</translation>
    </message>
</context>
</TS>
