<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CardImagery</name>
    <message>
        <source>Cannot open the card file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card file %1 is too short: %2 bytes, %3 expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read record %1 of the card file %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card file %1 is damaged: record %2 is not a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card file %1 is damaged: record %2 is %3 x %4, not %5 x %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card file is not loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load the card back %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its pixels cannot be decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it decodes to %1 x %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card back %1 is damaged: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a Windows bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown bitmap header of %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its header is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, not %3 x %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not an uncompressed 24- or 32-bit picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its pixels start inside its header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is cut short: %1 bytes, %2 expected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Tarvelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvelle with the Joker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9/6 Jacks or Better</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8/5 Jacks or Better</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8/5 Bonus Poker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10/7 Double Bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9/6 Double Double Bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full-pay Deuces Wild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full-pay Joker Poker (Kings or Better)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kings or Better</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four 5s-Ks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four 2s-4s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four 2s-4s with A-4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four Aces with 2-4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wild Royal Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five of a Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four Deuces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Natural Royal Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jacks or better</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five of a kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Str. Fl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Royal Fl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoplay off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Red-Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Low-High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoplay on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 strategy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold the first line that fits the dealt hand; where it fits more than one way, keep the higher cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A flush penalty is a card thrown away of the suit kept, a straight penalty one that could have made a straight with the cards kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deals %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Played by this chart the game returns %1 %; the best play returns %2 %, %3 points more.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameCaption</name>
    <message>
        <source>Choose the game (G)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Tarvelle is already running with the data folder %1.
Close that copy before starting another one.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrainingWarning</name>
    <message>
        <source>Training: not the best hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw anyway (Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the best hold (B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change my hold (N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing (draw five)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelle::BankrollChart</name>
    <message>
        <source>Hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>± 1 standard deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>± 2 standard deviations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: return %1 %, standard deviation %2 a hand per credit bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;small&gt;Payout rate control is on: the table pays less than this.&lt;/small&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelle::CoachPanel</name>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coach (C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training off (T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training: every mistake (T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training: mistakes over %1 (T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal a hand to see the value of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every hold, per credit bet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>per bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  rank %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best: %1 (%2),</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yours: %1 (%2),</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cost: %1 credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your hold is judged at the draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 hands, %3 mistakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %, lost %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>working...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game return, best holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game return, table&apos;s holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payout control on: values assume fair cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> | Expert holds: on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> | Expert holds: off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert holds: on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert holds: off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hold nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hold %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelle::ReviewWindow</name>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost %1 credits (%2 per credit, bet %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, all time: %2 hands, %3 mistakes, accuracy %4 %, %5 credits lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costliest first (O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newest first (O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order: costliest first; press for newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order: newest first; press for costliest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yyyy-MM-dd hh:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2
  Dealt %3
  Yours %4
  Best  %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2. You held %3; the best hold: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mistakes kept for this game.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelle::StrategyWindow</name>
    <message>
        <source>Strategy chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Working out the chart from the best holds...&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelle::TForm1</name>
    <message>
        <source>Joker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra screen (S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum bet (M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoplay (A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay table (P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit (X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1: key %1 holds or releases it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>credit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank all (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal/Draw (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet down (-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guess red (-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guess low (-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet up (+)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guess black (+)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guess high (+)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank half (D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-up (D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>double-up, this card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>double-up, won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>winning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, winning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamp %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealt: %1. %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final hand: %1. %2, win %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final hand: %1. No win.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: win %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>emblem1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>emblem2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>emblem3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>emblem4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card file poker2.dat could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The counters file poker.dat was damaged: the game starts from the defaults (credit 1000, statistics 0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The damaged file is kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some lines of your games file games.txt could not be read; those games are not offered:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your games file games.txt could not be read; the catalogue&apos;s games are offered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game: %1. Credit %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 of %2 was damaged: the game starts from the defaults (credit 1000, statistics 0). The damaged file is kept beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game: %1 (G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvelle (the table&apos;s own game)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odds %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum video mode required is 800x600 !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum color quality is 16 bits per pixel !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Not the best hold.&lt;/b&gt;&lt;br&gt;Yours: %1 &amp;mdash; %2 per credit bet.&lt;br&gt;Best: %3 &amp;mdash; %4 per credit bet.&lt;br&gt;It costs %5 per credit bet, %6 credits at this bet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not the best hold. Best: %1. It costs %2 per credit bet. Y draws anyway, B takes the best hold, N lets you change it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelle::TForm2</name>
    <message>
        <source>Extra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page (%1) could not be found.&lt;/p&gt;&lt;p&gt;Reinstalling the game puts it back beside the program.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payout rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert 1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cashout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bankroll in bets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvelle Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poker statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Joker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Double</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red - Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound FX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice FX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold High Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold Open Inside Straight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payout Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only for the table&apos;s own game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the card back &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win  Red-Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lose Red-Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win  Low-High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lose Low-High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Doubles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bankroll in bets, 1 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hands played, 1 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulated figures are seeded; ± is one standard error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulated figures are seeded; ± spans a 95 % interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>working…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best holds: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruin in %1 hands: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 % risk bankroll: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best holds: return %1 %, deviation %2 bets a hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ± %2 % simulated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 % risk bankroll: %1 bets exact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 % risk bankroll: %1 ± %2 bets simulated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>( x )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st Deal Joker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd Deal Joker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Français</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Español</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown from the next start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from the next start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
