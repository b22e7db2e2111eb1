<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CardImagery</name>
    <message>
        <source>Cannot open the card file %1: %2</source>
        <translation>Impossible d’ouvrir le fichier des cartes %1 : %2</translation>
    </message>
    <message>
        <source>The card file %1 is too short: %2 bytes, %3 expected</source>
        <translation>Le fichier des cartes %1 est trop court : %2 octets au lieu de %3</translation>
    </message>
    <message>
        <source>Cannot read record %1 of the card file %2: %3</source>
        <translation>Impossible de lire l’enregistrement %1 du fichier des cartes %2 : %3</translation>
    </message>
    <message>
        <source>The card file %1 is damaged: record %2 is not a picture</source>
        <translation>Le fichier des cartes %1 est endommagé : l’enregistrement %2 n’est pas une image</translation>
    </message>
    <message>
        <source>The card file %1 is damaged: record %2 is %3 x %4, not %5 x %6</source>
        <translation>Le fichier des cartes %1 est endommagé : l’enregistrement %2 mesure %3 x %4 au lieu de %5 x %6</translation>
    </message>
    <message>
        <source>The card file is not loaded</source>
        <translation>Le fichier des cartes n’est pas chargé</translation>
    </message>
    <message>
        <source>Cannot load the card back %1</source>
        <translation>Impossible de charger le dos de carte %1</translation>
    </message>
    <message>
        <source>its pixels cannot be decoded</source>
        <translation>ses pixels sont illisibles</translation>
    </message>
    <message>
        <source>it decodes to %1 x %2</source>
        <translation>il donne %1 x %2 pixels</translation>
    </message>
    <message>
        <source>The card back %1 is damaged: %2</source>
        <translation>Le dos de carte %1 est endommagé : %2</translation>
    </message>
    <message>
        <source>it is not a Windows bitmap</source>
        <translation>ce n’est pas une image bitmap Windows</translation>
    </message>
    <message>
        <source>unknown bitmap header of %1 bytes</source>
        <translation>en-tête bitmap inconnu de %1 octets</translation>
    </message>
    <message>
        <source>its header is cut short</source>
        <translation>son en-tête est tronqué</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, not %3 x %4</source>
        <translation>il annonce %1 x %2 pixels au lieu de %3 x %4</translation>
    </message>
    <message>
        <source>it is not an uncompressed 24- or 32-bit picture</source>
        <translation>ce n’est pas une image non compressée de 24 ou 32 bits</translation>
    </message>
    <message>
        <source>its pixels start inside its header</source>
        <translation>ses pixels commencent dans son en-tête</translation>
    </message>
    <message>
        <source>it is cut short: %1 bytes, %2 expected</source>
        <translation>il est tronqué : %1 octets au lieu de %2</translation>
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
        <translation>Tarvelle avec le Joker</translation>
    </message>
    <message>
        <source>9/6 Jacks or Better</source>
        <translation>9/6 Valets ou mieux</translation>
    </message>
    <message>
        <source>8/5 Jacks or Better</source>
        <translation>8/5 Valets ou mieux</translation>
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
        <translation>Deuces Wild, paiement complet</translation>
    </message>
    <message>
        <source>Full-pay Joker Poker (Kings or Better)</source>
        <translation>Joker Poker, paiement complet (Rois ou mieux)</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Rien</translation>
    </message>
    <message>
        <source>Low pair</source>
        <translation>Petite paire</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Valets ou mieux</translation>
    </message>
    <message>
        <source>Kings or Better</source>
        <translation>Rois ou mieux</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Double paire</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Four 5s-Ks</source>
        <translation>Carré de 5 à R</translation>
    </message>
    <message>
        <source>Four 2s-4s</source>
        <translation>Carré de 2 à 4</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>Carré d’As</translation>
    </message>
    <message>
        <source>Four 2s-4s with A-4</source>
        <translation>Carré de 2 à 4 avec A-4</translation>
    </message>
    <message>
        <source>Four Aces with 2-4</source>
        <translation>Carré d’As avec 2-4</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Quinte flush royale</translation>
    </message>
    <message>
        <source>Wild Royal Flush</source>
        <translation>Quinte flush royale avec joker</translation>
    </message>
    <message>
        <source>Five of a Kind</source>
        <translation>Quintuple</translation>
    </message>
    <message>
        <source>Four Deuces</source>
        <translation>Carré de 2</translation>
    </message>
    <message>
        <source>Natural Royal Flush</source>
        <translation>Quinte flush royale naturelle</translation>
    </message>
    <message>
        <source>Jacks or better</source>
        <translation>Valets ou mieux</translation>
    </message>
    <message>
        <source>Two Pairs</source>
        <translation>Double paire</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Poker</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Five of a kind</source>
        <translation>Quintuple</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Valets</translation>
    </message>
    <message>
        <source>2 Pair</source>
        <translation>2 paires</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Full </source>
        <translation>Full </translation>
    </message>
    <message>
        <source>Str. Fl.</source>
        <translation>Q. flush</translation>
    </message>
    <message>
        <source>Royal Fl.</source>
        <translation>Q. royale</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Quintuple</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>Autoplay off</source>
        <translation>Jeu auto : non</translation>
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
        <translation>Double Rouge-Noir</translation>
    </message>
    <message>
        <source>Double Low-High</source>
        <translation>Double Bas-Haut</translation>
    </message>
    <message>
        <source>Autoplay on</source>
        <translation>Jeu auto : oui</translation>
    </message>
    <message>
        <source>%1 strategy</source>
        <translation>Stratégie %1</translation>
    </message>
    <message>
        <source>Hold the first line that fits the dealt hand; where it fits more than one way, keep the higher cards.</source>
        <translation>Gardez la première ligne qui correspond à la main servie ; si elle y correspond de plusieurs façons, gardez les cartes les plus hautes.</translation>
    </message>
    <message>
        <source>A flush penalty is a card thrown away of the suit kept, a straight penalty one that could have made a straight with the cards kept.</source>
        <translation>Une pénalité de couleur est une carte jetée de la couleur gardée ; une pénalité de quinte, une carte jetée qui aurait pu faire une quinte avec les cartes gardées.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Deals %</source>
        <translation>Donnes %</translation>
    </message>
    <message>
        <source>Pays</source>
        <translation>Paie</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Perte</translation>
    </message>
    <message>
        <source>Played by this chart the game returns %1 %; the best play returns %2 %, %3 points more.</source>
        <translation>Joué selon ce tableau, le jeu rend %1 % ; le meilleur jeu rend %2 %, soit %3 points de plus.</translation>
    </message>
</context>
<context>
    <name>GameCaption</name>
    <message>
        <source>Choose the game (G)</source>
        <translation>Choisir le jeu (G)</translation>
    </message>
</context>
<context>
    <name>HoldWords</name>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>discard everything</source>
        <translation>tout jeter</translation>
    </message>
    <message>
        <source>keep all five (no win)</source>
        <translation>garder les cinq (sans gain)</translation>
    </message>
    <message>
        <source>a pair</source>
        <translation>une paire</translation>
    </message>
    <message>
        <source>high pair</source>
        <translation>paire haute</translation>
    </message>
    <message>
        <source>low pair</source>
        <translation>petite paire</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>double paire</translation>
    </message>
    <message>
        <source>three of a kind</source>
        <translation>brelan</translation>
    </message>
    <message>
        <source>four of a kind</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>the Joker alone</source>
        <translation>le Joker seul</translation>
    </message>
    <message>
        <source>the Joker and %1</source>
        <translation>Joker et %1</translation>
    </message>
    <message>
        <source>%1 alone</source>
        <translation>%1 uniquement</translation>
    </message>
    <message>
        <source>suited %1</source>
        <translation>%1 assortis</translation>
    </message>
    <message>
        <source>unsuited %1</source>
        <translation>%1 dépareillés</translation>
    </message>
    <message>
        <source>%1 to a royal flush</source>
        <translation>%1 pour quinte flush royale</translation>
    </message>
    <message>
        <source>%1 to a straight flush</source>
        <translation>%1 pour quinte flush</translation>
    </message>
    <message>
        <source>%1 to a flush</source>
        <translation>%1 pour couleur</translation>
    </message>
    <message>
        <source>%1 to an outside straight</source>
        <translation>%1 pour quinte ouverte</translation>
    </message>
    <message>
        <source>%1 to an inside straight</source>
        <translation>%1 pour quinte ventrale</translation>
    </message>
    <message>
        <source>%1 to a straight</source>
        <translation>%1 pour quinte</translation>
    </message>
    <message>
        <source>four deuces alone</source>
        <translation>quatre 2 seuls</translation>
    </message>
    <message>
        <source>three deuces alone</source>
        <translation>trois 2 seuls</translation>
    </message>
    <message>
        <source>two deuces alone</source>
        <translation>deux 2 seuls</translation>
    </message>
    <message>
        <source>one deuce alone</source>
        <translation>un 2 seul</translation>
    </message>
    <message>
        <source>four Aces</source>
        <translation>carré d’As</translation>
    </message>
    <message>
        <source>three Aces</source>
        <translation>brelan d’As</translation>
    </message>
    <message>
        <source>pair of Aces</source>
        <translation>paire d’As</translation>
    </message>
    <message>
        <source>four 2s to 4s</source>
        <translation>carré de 2 à 4</translation>
    </message>
    <message>
        <source>three 2s to 4s</source>
        <translation>brelan de 2 à 4</translation>
    </message>
    <message>
        <source>pair of 2s to 4s</source>
        <translation>paire de 2 à 4</translation>
    </message>
    <message>
        <source>four 5s to Kings</source>
        <translation>carré de 5 à Roi</translation>
    </message>
    <message>
        <source>three 5s to Kings</source>
        <translation>brelan de 5 à Roi</translation>
    </message>
    <message>
        <source>pair of 5s to 10s</source>
        <translation>paire de 5 à 10</translation>
    </message>
    <message>
        <source>pair of Jacks to Kings</source>
        <translation>paire de Valets à Rois</translation>
    </message>
    <message>
        <source>four Jacks to Kings</source>
        <translation>carré de Valet à Roi</translation>
    </message>
    <message>
        <source>three Jacks to Kings</source>
        <translation>brelan de Valet à Roi</translation>
    </message>
    <message>
        <source>four 5s to 10s</source>
        <translation>carré de 5 à 10</translation>
    </message>
    <message>
        <source>three 5s to 10s</source>
        <translation>brelan de 5 à 10</translation>
    </message>
    <message>
        <source>pair of 5s to Kings</source>
        <translation>paire de 5 à Roi</translation>
    </message>
    <message>
        <source> with the Joker</source>
        <translation> avec le Joker</translation>
    </message>
    <message>
        <source> with one deuce</source>
        <translation> avec un 2</translation>
    </message>
    <message>
        <source> with two deuces</source>
        <translation> avec deux 2</translation>
    </message>
    <message>
        <source> with a flush penalty</source>
        <translation> avec pénalité de couleur</translation>
    </message>
    <message>
        <source> with a straight penalty</source>
        <translation> avec pénalité de quinte</translation>
    </message>
    <message>
        <source> with flush and straight penalties</source>
        <translation> avec pénalités de couleur et de quinte</translation>
    </message>
    <message>
        <source>, no penalty card</source>
        <translation>, sans pénalité</translation>
    </message>
    <message>
        <source>, fits 1 straight</source>
        <translation>, pour 1 quinte</translation>
    </message>
    <message>
        <source>, fits %1 straights</source>
        <translation>, pour %1 quintes</translation>
    </message>
    <message>
        <source>, which needs a 2</source>
        <translation>, qui demande un 2</translation>
    </message>
    <message>
        <source>, %1 needing a 2</source>
        <translation>, dont %1 avec un 2</translation>
    </message>
    <message>
        <source>, no gaps</source>
        <translation>, sans trou</translation>
    </message>
    <message>
        <source>, 1 gap</source>
        <translation>, 1 trou</translation>
    </message>
    <message>
        <source>, %1 gaps</source>
        <translation>, %1 trous</translation>
    </message>
    <message>
        <source>, no high cards</source>
        <translation>, aucune carte haute</translation>
    </message>
    <message>
        <source>, 1 high card</source>
        <translation>, 1 carte haute</translation>
    </message>
    <message>
        <source>, %1 high cards</source>
        <translation>, %1 cartes hautes</translation>
    </message>
    <message>
        <source>, inside</source>
        <translation>, ventrale</translation>
    </message>
    <message>
        <source>, open</source>
        <translation>, ouverte</translation>
    </message>
    <message>
        <source>dealt %1</source>
        <translation>%1 servi</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Tarvelle is already running with the data folder %1.
Close that copy before starting another one.</source>
        <translation>Tarvelle tourne déjà avec le dossier de données %1.
Fermez cette copie avant d’en lancer une autre.</translation>
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
        <translation>Usage : tarvelle [--data-dir DOSSIER]
Vidéo poker : Valets ou mieux avec un Joker facultatif et un jeu de double,
et les tables de paiement des casinos (Valets ou mieux, Bonus, Deuces Wild, Joker Poker...).

  --data-dir DOSSIER  lire les fichiers de données dans DOSSIER et y garder poker.ini et poker.dat
  --help              afficher cette aide et quitter
  --version           afficher la version et quitter

Sans --data-dir, le jeu utilise son propre dossier s’il contient poker2.dat et est
accessible en écriture ; sinon il lit ../share/tarvelle depuis son dossier (bin ou games) et
garde les fichiers du joueur dans $XDG_DATA_HOME/Tarvelle (par défaut
~/.local/share/Tarvelle).
</translation>
    </message>
</context>
<context>
    <name>TrainingWarning</name>
    <message>
        <source>Training: not the best hold</source>
        <translation>Entraînement : pas la meilleure main gardée</translation>
    </message>
    <message>
        <source>Draw anyway (Y)</source>
        <translation>Tirer quand même (Y)</translation>
    </message>
    <message>
        <source>Take the best hold (B)</source>
        <translation>Prendre la meilleure (B)</translation>
    </message>
    <message>
        <source>Change my hold (N)</source>
        <translation>Changer ma main (N)</translation>
    </message>
    <message>
        <source>nothing (draw five)</source>
        <translation>rien (tirer cinq cartes)</translation>
    </message>
</context>
<context>
    <name>tarvelle::BankrollChart</name>
    <message>
        <source>Hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>± 1 standard deviation</source>
        <translation>± 1 écart type</translation>
    </message>
    <message>
        <source>± 2 standard deviations</source>
        <translation>± 2 écarts types</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attendu</translation>
    </message>
    <message>
        <source>Kept history</source>
        <translation>Historique gardé</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Cette session</translation>
    </message>
    <message>
        <source>: return %1 %, standard deviation %2 a hand per credit bet</source>
        <translation> : retour %1 %, écart type %2 par main et par crédit misé</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;small&gt;Payout rate control is on: the table pays less than this.&lt;/small&gt;</source>
        <translation>&lt;br&gt;&lt;small&gt;Le contrôle du taux de paiement est actif : la table paie moins que cela.&lt;/small&gt;</translation>
    </message>
    <message>
        <source>Credits won</source>
        <translation>Crédits gagnés</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;small&gt;Kept history of this game: %1 hands, the double-up left out.&lt;/small&gt;</source>
        <translation>&lt;br&gt;&lt;small&gt;Historique gardé de ce jeu : %1 mains, quitte ou double non compris.&lt;/small&gt;</translation>
    </message>
</context>
<context>
    <name>tarvelle::CoachPanel</name>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>Expert holds</source>
        <translation>Choix d’expert</translation>
    </message>
    <message>
        <source>Coach (C)</source>
        <translation>Coach (C)</translation>
    </message>
    <message>
        <source>Training off (T)</source>
        <translation>Entraînement désactivé (T)</translation>
    </message>
    <message>
        <source>Training: every mistake (T)</source>
        <translation>Entraînement : chaque erreur (T)</translation>
    </message>
    <message>
        <source>Training: mistakes over %1 (T)</source>
        <translation>Entraînement : erreurs de plus de %1 (T)</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Coach</translation>
    </message>
    <message>
        <source>Deal a hand to see the value of</source>
        <translation>Servez une main pour voir la valeur</translation>
    </message>
    <message>
        <source>every hold, per credit bet.</source>
        <translation>de chaque choix, par crédit misé.</translation>
    </message>
    <message>
        <source>Best holds</source>
        <translation>Meilleurs choix</translation>
    </message>
    <message>
        <source>per bet</source>
        <translation>par mise</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>La vôtre</translation>
    </message>
    <message>
        <source>%1  rank %2</source>
        <translation>%1  rang %2</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Meilleur jeu</translation>
    </message>
    <message>
        <source>Best: %1 (%2),</source>
        <translation>Meilleur : %1 (%2),</translation>
    </message>
    <message>
        <source>yours: %1 (%2),</source>
        <translation>le vôtre : %1 (%2),</translation>
    </message>
    <message>
        <source>cost: %1 credits</source>
        <translation>coût : %1 crédits</translation>
    </message>
    <message>
        <source>Your hold is judged at the draw.</source>
        <translation>Votre choix est jugé au tirage.</translation>
    </message>
    <message>
        <source>%1: %2 hands, %3 mistakes</source>
        <translation>%1 : %2 mains, %3 erreurs</translation>
    </message>
    <message>
        <source>%1 %, lost %2</source>
        <translation>%1 %, perdu %2</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Depuis toujours</translation>
    </message>
    <message>
        <source>working...</source>
        <translation>calcul...</translation>
    </message>
    <message>
        <source>Game return, best holds</source>
        <translation>Retour du jeu, meilleurs choix</translation>
    </message>
    <message>
        <source>Game return, table&apos;s holds</source>
        <translation>Retour du jeu, choix de la table</translation>
    </message>
    <message>
        <source>Payout control on: values assume fair cards</source>
        <translation>Contrôle du paiement actif : valeurs pour des cartes équitables</translation>
    </message>
    <message>
        <source> | Expert holds: on</source>
        <translation> | Choix d’expert : oui</translation>
    </message>
    <message>
        <source> | Expert holds: off</source>
        <translation> | Choix d’expert : non</translation>
    </message>
    <message>
        <source>Expert holds: on</source>
        <translation>Choix d’expert : oui</translation>
    </message>
    <message>
        <source>Expert holds: off</source>
        <translation>Choix d’expert : non</translation>
    </message>
    <message>
        <source>hold nothing</source>
        <translation>ne rien garder</translation>
    </message>
    <message>
        <source>hold %1</source>
        <translation>garder %1</translation>
    </message>
</context>
<context>
    <name>tarvelle::DrillWindow</name>
    <message>
        <source>Drill</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Drill: %1. Hold the cards you would keep (1-5), then check (Enter). Nothing is at stake; a hand answered right three times in a row leaves the drill.</source>
        <translation>Exercice : %1. Gardez les cartes que vous voulez conserver (1-5), puis vérifiez (Entrée). Rien n’est misé ; une main jouée juste trois fois de suite quitte l’exercice.</translation>
    </message>
    <message>
        <source>The drill is done: every hand has been answered right three times in a row.</source>
        <translation>L’exercice est terminé : chaque main a été jouée juste trois fois de suite.</translation>
    </message>
    <message>
        <source>No mistakes of this game to drill: the hand history has none left.</source>
        <translation>Aucune erreur de ce jeu à travailler : l’historique des mains n’en a plus.</translation>
    </message>
    <message>
        <source>Right: this hold is worth %1 per credit bet, as much as any.</source>
        <translation>Juste : ce choix vaut %1 par crédit misé, autant que le meilleur.</translation>
    </message>
    <message>
        <source>Not the best: your hold is worth %1 per credit bet; the best, %2, is worth %3. The mistake costs %4 per credit bet.</source>
        <translation>Pas le meilleur choix : le vôtre vaut %1 par crédit misé ; le meilleur, %2, vaut %3. L’erreur coûte %4 par crédit misé.</translation>
    </message>
    <message>
        <source>drawing five new cards</source>
        <translation>tirer cinq nouvelles cartes</translation>
    </message>
    <message>
        <source>Three times right in a row: this hand leaves the drill.</source>
        <translation>Trois fois juste de suite : cette main quitte l’exercice.</translation>
    </message>
    <message>
        <source>Score: %1 of %2 right; %3 hands left in the drill</source>
        <translation>Score : %1 juste(s) sur %2 ; encore %3 mains dans l’exercice</translation>
    </message>
    <message>
        <source>HELD</source>
        <translation>GARDÉE</translation>
    </message>
    <message>
        <source>best: hold</source>
        <translation>meilleur : garder</translation>
    </message>
    <message>
        <source>best: draw</source>
        <translation>meilleur : tirer</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Carte %1 : %2</translation>
    </message>
    <message>
        <source>held</source>
        <translation>gardée</translation>
    </message>
    <message>
        <source>the best hold keeps it</source>
        <translation>le meilleur choix la garde</translation>
    </message>
    <message>
        <source>the best hold draws it</source>
        <translation>le meilleur choix la change</translation>
    </message>
    <message>
        <source>Next hand (Enter)</source>
        <translation>Main suivante (Entrée)</translation>
    </message>
    <message>
        <source>Check (Enter)</source>
        <translation>Vérifier (Entrée)</translation>
    </message>
</context>
<context>
    <name>tarvelle::ReviewWindow</name>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>Cost %1 credits (%2 per credit, bet %3)</source>
        <translation>Coût %1 crédits (%2 par crédit, mise %3)</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1, all time: %2 hands, %3 mistakes, accuracy %4 %, %5 credits lost</source>
        <translation>%1, depuis toujours : %2 mains, %3 erreurs, précision %4 %, %5 crédits perdus</translation>
    </message>
    <message>
        <source>Costliest first (O)</source>
        <translation>Plus coûteuses d’abord (O)</translation>
    </message>
    <message>
        <source>Newest first (O)</source>
        <translation>Plus récentes d’abord (O)</translation>
    </message>
    <message>
        <source>Order: costliest first; press for newest first</source>
        <translation>Ordre : plus coûteuses d’abord ; appuyez pour les plus récentes</translation>
    </message>
    <message>
        <source>Order: newest first; press for costliest first</source>
        <translation>Ordre : plus récentes d’abord ; appuyez pour les plus coûteuses</translation>
    </message>
    <message>
        <source>%1, %2
  Dealt %3
  Yours %4
  Best  %5</source>
        <translation>%1, %2
  Servie   %3
  La vôtre %4
  Meilleur %5</translation>
    </message>
    <message>
        <source>%1, %2. You held %3; the best hold: %4.</source>
        <translation>%1, %2. Vous avez gardé %3 ; le meilleur choix : %4.</translation>
    </message>
    <message>
        <source>No mistakes kept for this game.</source>
        <translation>Aucune erreur gardée pour ce jeu.</translation>
    </message>
    <message>
        <source>Your hold</source>
        <translation>Votre choix</translation>
    </message>
    <message>
        <source>Best hold</source>
        <translation>Meilleur choix</translation>
    </message>
    <message>
        <source>HELD</source>
        <translation>GARDÉE</translation>
    </message>
    <message>
        <source>Drill these hands (D)</source>
        <translation>Travailler ces mains (D)</translation>
    </message>
</context>
<context>
    <name>tarvelle::StrategyWindow</name>
    <message>
        <source>Strategy chart</source>
        <translation>Tableau de stratégie</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&lt;p&gt;Working out the chart from the best holds...&lt;/p&gt;</source>
        <translation>&lt;p&gt;Calcul du tableau à partir des meilleurs choix...&lt;/p&gt;</translation>
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
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Extra screen (S)</source>
        <translation>Écran Extra (S)</translation>
    </message>
    <message>
        <source>Maximum bet (M)</source>
        <translation>Mise maximale (M)</translation>
    </message>
    <message>
        <source>Autoplay (A)</source>
        <translation>Jeu auto (A)</translation>
    </message>
    <message>
        <source>Pay table (P)</source>
        <translation>Table de paiement (P)</translation>
    </message>
    <message>
        <source>Exit (X)</source>
        <translation>Quitter (X)</translation>
    </message>
    <message>
        <source>Card %1: key %1 holds or releases it</source>
        <translation>Carte %1 : la touche %1 la garde ou la relâche</translation>
    </message>
    <message>
        <source>win</source>
        <translation>gain</translation>
    </message>
    <message>
        <source>bonus</source>
        <translation>bonus</translation>
    </message>
    <message>
        <source>bet</source>
        <translation>mise</translation>
    </message>
    <message>
        <source>credit</source>
        <translation>crédit</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Multiplicateur</translation>
    </message>
    <message>
        <source>Playing time</source>
        <translation>Temps de jeu</translation>
    </message>
    <message>
        <source>Pay table</source>
        <translation>Table de paiement</translation>
    </message>
    <message>
        <source>Bank all (Enter)</source>
        <translation>Tout encaisser (Entrée)</translation>
    </message>
    <message>
        <source>Deal/Draw (Enter)</source>
        <translation>Donner/Tirer (Entrée)</translation>
    </message>
    <message>
        <source>Bet down (-)</source>
        <translation>Baisser la mise (-)</translation>
    </message>
    <message>
        <source>Guess red (-)</source>
        <translation>Parier rouge (-)</translation>
    </message>
    <message>
        <source>Guess low (-)</source>
        <translation>Parier bas (-)</translation>
    </message>
    <message>
        <source>Bet up (+)</source>
        <translation>Monter la mise (+)</translation>
    </message>
    <message>
        <source>Guess black (+)</source>
        <translation>Parier noir (+)</translation>
    </message>
    <message>
        <source>Guess high (+)</source>
        <translation>Parier haut (+)</translation>
    </message>
    <message>
        <source>Bank half (D)</source>
        <translation>Encaisser la moitié (D)</translation>
    </message>
    <message>
        <source>Double-up (D)</source>
        <translation>Doubler (D)</translation>
    </message>
    <message>
        <source>double-up, this card</source>
        <translation>double, cette carte</translation>
    </message>
    <message>
        <source>double-up, won</source>
        <translation>double, gagné</translation>
    </message>
    <message>
        <source>off</source>
        <translation>éteint</translation>
    </message>
    <message>
        <source>held</source>
        <translation>gardée</translation>
    </message>
    <message>
        <source>, held</source>
        <translation>, gardée</translation>
    </message>
    <message>
        <source>winning</source>
        <translation>gagnante</translation>
    </message>
    <message>
        <source>, winning</source>
        <translation>, gagnante</translation>
    </message>
    <message>
        <source>Lamp %1: %2</source>
        <translation>Voyant %1 : %2</translation>
    </message>
    <message>
        <source>Face down</source>
        <translation>Face cachée</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>Dealt: %1. %2.</source>
        <translation>Servie : %1. %2.</translation>
    </message>
    <message>
        <source>Final hand: %1. %2, win %3.</source>
        <translation>Main finale : %1. %2, gain %3.</translation>
    </message>
    <message>
        <source>Final hand: %1. No win.</source>
        <translation>Main finale : %1. Pas de gain.</translation>
    </message>
    <message>
        <source>Credit %1.</source>
        <translation>Crédit %1.</translation>
    </message>
    <message>
        <source>%1: win %2.</source>
        <translation>%1 : gain %2.</translation>
    </message>
    <message>
        <source>Welcome !</source>
        <translation>Bienvenue !</translation>
    </message>
    <message>
        <source>The card file poker2.dat could not be read.</source>
        <translation>Le fichier des cartes poker2.dat n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>The counters file poker.dat was damaged: the game starts from the defaults (credit 1000, statistics 0).</source>
        <translation>Le fichier des compteurs poker.dat était endommagé : le jeu repart des valeurs par défaut (crédit 1000, statistiques à 0).</translation>
    </message>
    <message>
        <source>
The damaged file is kept as %1.</source>
        <translation>
Le fichier endommagé est gardé sous le nom %1.</translation>
    </message>
    <message>
        <source>Some lines of your games file games.txt could not be read; those games are not offered:</source>
        <translation>Certaines lignes de votre fichier de jeux games.txt sont illisibles ; ces jeux ne sont pas proposés :</translation>
    </message>
    <message>
        <source>Your games file games.txt could not be read; the catalogue&apos;s games are offered.</source>
        <translation>Votre fichier de jeux games.txt est illisible ; les jeux du catalogue sont proposés.</translation>
    </message>
    <message>
        <source>Game: %1. Credit %2.</source>
        <translation>Jeu : %1. Crédit %2.</translation>
    </message>
    <message>
        <source>The file %1 of %2 was damaged: the game starts from the defaults (credit 1000, statistics 0). The damaged file is kept beside it.</source>
        <translation>Le fichier %1 de %2 était endommagé : le jeu repart des valeurs par défaut (crédit 1000, statistiques à 0). Le fichier endommagé est gardé à côté.</translation>
    </message>
    <message>
        <source>Game: %1 (G)</source>
        <translation>Jeu : %1 (G)</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jeux</translation>
    </message>
    <message>
        <source>Tarvelle (the table&apos;s own game)</source>
        <translation>Tarvelle (le jeu de la table)</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Odds %</source>
        <translation>Proba. %</translation>
    </message>
    <message>
        <source>Minimum video mode required is 800x600 !</source>
        <translation>La résolution minimale requise est 800x600 !</translation>
    </message>
    <message>
        <source>Minimum color quality is 16 bits per pixel !</source>
        <translation>La qualité de couleur minimale est de 16 bits par pixel !</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Démo</translation>
    </message>
    <message>
        <source>&lt;b&gt;Not the best hold.&lt;/b&gt;&lt;br&gt;Yours: %1 &amp;mdash; %2 per credit bet.&lt;br&gt;Best: %3 &amp;mdash; %4 per credit bet.&lt;br&gt;It costs %5 per credit bet, %6 credits at this bet.</source>
        <translation>&lt;b&gt;Pas le meilleur choix.&lt;/b&gt;&lt;br&gt;Le vôtre : %1 &amp;mdash; %2 par crédit misé.&lt;br&gt;Le meilleur : %3 &amp;mdash; %4 par crédit misé.&lt;br&gt;Cela coûte %5 par crédit misé, %6 crédits à cette mise.</translation>
    </message>
    <message>
        <source>Not the best hold. Best: %1. It costs %2 per credit bet. Y draws anyway, B takes the best hold, N lets you change it.</source>
        <translation>Pas le meilleur choix. Le meilleur : %1. Cela coûte %2 par crédit misé. Y tire quand même, B prend le meilleur choix, N vous laisse changer le vôtre.</translation>
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
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page (%1) could not be found.&lt;/p&gt;&lt;p&gt;Reinstalling the game puts it back beside the program.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La page d’aide (%1) est introuvable.&lt;/p&gt;&lt;p&gt;Réinstaller le jeu la remet à côté du programme.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Fermer (Échap)</translation>
    </message>
    <message>
        <source>Payout rate</source>
        <translation>Taux de paiement</translation>
    </message>
    <message>
        <source>Deck %1</source>
        <translation>Dos de carte %1</translation>
    </message>
    <message>
        <source>Insert 1000</source>
        <translation>Insérer 1000</translation>
    </message>
    <message>
        <source>Cashout</source>
        <translation>Encaisser</translation>
    </message>
    <message>
        <source>Reset account</source>
        <translation>Remettre le compte à zéro</translation>
    </message>
    <message>
        <source>Bankroll in bets</source>
        <translation>Capital en mises</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Remettre les statistiques à zéro</translation>
    </message>
    <message>
        <source>My Account</source>
        <translation>Mon compte</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Tarvelle Account</source>
        <translation>Compte Tarvelle</translation>
    </message>
    <message>
        <source>Poker statistics</source>
        <translation>Statistiques poker</translation>
    </message>
    <message>
        <source>Double statistics</source>
        <translation>Statistiques double</translation>
    </message>
    <message>
        <source>Add Joker</source>
        <translation>Ajouter le Joker</translation>
    </message>
    <message>
        <source>Double Game</source>
        <translation>Jeu de double</translation>
    </message>
    <message>
        <source>Auto Double</source>
        <translation>Double auto</translation>
    </message>
    <message>
        <source>Red - Black</source>
        <translation>Rouge - Noir</translation>
    </message>
    <message>
        <source>Auto Hold</source>
        <translation>Garde auto</translation>
    </message>
    <message>
        <source>Smart Hold</source>
        <translation>Garde futée</translation>
    </message>
    <message>
        <source>Sound FX</source>
        <translation>Effets sonores</translation>
    </message>
    <message>
        <source>Voice FX</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Auto Bet</source>
        <translation>Mise auto</translation>
    </message>
    <message>
        <source>Hold High Card</source>
        <translation>Garder carte haute</translation>
    </message>
    <message>
        <source>Hold Open Inside Straight</source>
        <translation>Garder quinte ventrale</translation>
    </message>
    <message>
        <source>Payout Rate</source>
        <translation>Taux de paiement</translation>
    </message>
    <message>
        <source>Decks</source>
        <translation>Dos de cartes</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Only for the table&apos;s own game</source>
        <translation>Seulement pour le jeu de la table</translation>
    </message>
    <message>
        <source>Cannot open the card back &quot;%1&quot;.</source>
        <translation>Impossible d’ouvrir le dos de carte « %1 ».</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1re</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5e</translation>
    </message>
    <message>
        <source>Win  Red-Black</source>
        <translation>Gagné Rouge-Noir</translation>
    </message>
    <message>
        <source>Lose Red-Black</source>
        <translation>Perdu Rouge-Noir</translation>
    </message>
    <message>
        <source>Win  Low-High</source>
        <translation>Gagné Bas-Haut</translation>
    </message>
    <message>
        <source>Lose Low-High</source>
        <translation>Perdu Bas-Haut</translation>
    </message>
    <message>
        <source>Total Doubles</source>
        <translation>Total doubles</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Bankroll in bets, 1 to %1</source>
        <translation>Capital en mises, de 1 à %1</translation>
    </message>
    <message>
        <source>Hands played, 1 to %1</source>
        <translation>Mains jouées, de 1 à %1</translation>
    </message>
    <message>
        <source>Simulated figures are seeded; ± is one standard error</source>
        <translation>Les chiffres simulés sont reproductibles ; ± vaut une erreur type</translation>
    </message>
    <message>
        <source>Simulated figures are seeded; ± spans a 95 % interval</source>
        <translation>Les chiffres simulés sont reproductibles ; ± couvre un intervalle à 95 %</translation>
    </message>
    <message>
        <source>working…</source>
        <translation>calcul…</translation>
    </message>
    <message>
        <source>Best holds: %1</source>
        <translation>Meilleurs choix : %1</translation>
    </message>
    <message>
        <source>Ruin in %1 hands: %2</source>
        <translation>Ruine en %1 mains : %2</translation>
    </message>
    <message>
        <source>5 % risk bankroll: %1</source>
        <translation>Capital à 5 % de risque : %1</translation>
    </message>
    <message>
        <source>Best holds: return %1 %, deviation %2 bets a hand</source>
        <translation>Meilleurs choix : retour %1 %, écart %2 mises par main</translation>
    </message>
    <message>
        <source>%1 exact</source>
        <translation>%1 exact</translation>
    </message>
    <message>
        <source>%1 ± %2 % simulated</source>
        <translation>%1 ± %2 % simulé</translation>
    </message>
    <message>
        <source>5 % risk bankroll: %1 bets exact</source>
        <translation>Capital à 5 % de risque : %1 mises exact</translation>
    </message>
    <message>
        <source>5 % risk bankroll: %1 ± %2 bets simulated</source>
        <translation>Capital à 5 % de risque : %1 ± %2 mises simulé</translation>
    </message>
    <message>
        <source>( x )</source>
        <translation>( x )</translation>
    </message>
    <message>
        <source>1st Deal</source>
        <translation>1re donne</translation>
    </message>
    <message>
        <source>2nd Deal</source>
        <translation>2e donne</translation>
    </message>
    <message>
        <source>1st Deal Joker</source>
        <translation>1re donne Joker</translation>
    </message>
    <message>
        <source>2nd Deal Joker</source>
        <translation>2e donne Joker</translation>
    </message>
    <message>
        <source>Low Pair</source>
        <translation>Petite paire</translation>
    </message>
    <message>
        <source>Deals</source>
        <translation>Donnes</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
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
        <translation>Langue</translation>
    </message>
    <message>
        <source>Shown from the next start</source>
        <translation>Effectif au prochain lancement</translation>
    </message>
    <message>
        <source>from the next start</source>
        <translation>au prochain lancement</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Cette session</translation>
    </message>
    <message>
        <source>Kept history</source>
        <translation>Historique gardé</translation>
    </message>
    <message>
        <source>Card faces</source>
        <translation>Faces des cartes</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Four colours</source>
        <translation>Quatre couleurs</translation>
    </message>
</context>
</TS>
