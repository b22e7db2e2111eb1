#include "tools/art/helppage.h"

namespace tarvelle::art {

const HelpText& helpTextFr()
{
    static const HelpText text{
        "Tarvelle - Comment jouer",
        "<p><b>Bienvenue à la table&nbsp;!</b> Tarvelle est un vidéo poker&nbsp;: vous recevez cinq cartes, "
        "vous gardez celles qui vous plaisent, vous tirez une fois, et la main finale est payée selon la "
        "table ci-dessous. Ensuite, si vous vous sentez en veine, vous pouvez jouer votre gain à quitte ou "
        "double jusqu'à cinq fois.</p>\n",
        "Jouer une main",
        "<ol>\n"
        "<li>Choisissez votre mise, de 1 à 500 crédits, avec les boutons <b>MISE +</b> et <b>MISE "
        "&ndash;</b>, le bouton <b>MISE MAX</b> ou la molette de la souris. La mise monte de 1, 2 &hellip; "
        "9, 10, puis de dix en dix jusqu'à 500.</li>\n"
        "<li>Appuyez sur <b>DONNER / TIRER</b>. La mise est prise sur votre crédit et cinq cartes sont "
        "distribuées face visible. Un gain qui attend encore sur la table passe d'abord à votre "
        "crédit.</li>\n"
        "<li>Cliquez sur les cartes que vous voulez garder (ou appuyez sur 1 à 5). Une lampe jaune s'allume "
        "sous chaque carte gardée. Tarvelle vous propose quoi garder&nbsp;: les cartes qui forment déjà une "
        "main, quatre cartes d'une quinte ou d'une couleur, ou une haute carte seule si vous le "
        "demandez.</li>\n"
        "<li>Appuyez de nouveau sur <b>DONNER / TIRER</b>. Chaque carte que vous n'avez pas gardée est "
        "remplacée, une seule fois.</li>\n"
        "<li>La main finale est annoncée sur la ligne de message et payée&nbsp;: le gain est votre mise "
        "multipliée par le coefficient de la main, et des lampes vertes montrent les cartes qui la forment. "
        "Le gain attend dans l'afficheur <i>gain</i> jusqu'à ce que la donne suivante ou un changement de "
        "mise le verse au <i>crédit</i>, ou que vous le jouiez.</li>\n"
        "</ol>\n"
        "<p>Quand le crédit et le gain en attente ne couvrent pas ensemble la mise, la donne ne fait rien "
        "(sauf si <b>Mise auto</b> est activée, voir plus bas). Ajoutez du crédit dans l'écran Extra.</p>\n"
        "<p>Avec le <b>Joker</b> dans le jeu (53 cartes), le Joker est libre&nbsp;: il remplace la carte qui "
        "donne votre meilleure main, et lui seul permet un <b>Cinq d'une sorte</b>.</p>\n",
        "Ce qui paie",
        "<p>La table de paiement est la même pour toutes les mises. Les coefficients sont des crédits gagnés "
        "par crédit misé, mise comprise&nbsp;: Valets ou mieux à 2 rend deux fois la mise.</p>\n",
        {"Main", "Paie", "Ce que c'est"},
        {{"Valets ou mieux", "2 &times; la mise", "une paire de valets, dames, rois ou as"},
         {"Deux paires", "3 &times; la mise", "deux paires différentes"},
         {"Brelan", "5 &times; la mise", "trois cartes de même valeur"},
         {"Quinte", "7 &times; la mise",
          "cinq valeurs qui se suivent&nbsp;; l'as joue en haut (10-V-D-R-A) ou en bas (A-2-3-4-5)"},
         {"Couleur", "9 &times; la mise", "cinq cartes de la même couleur"},
         {"Full", "12 &times; la mise", "un brelan et une paire"},
         {"Carré", "40 &times; la mise", "quatre cartes de même valeur"},
         {"Quinte flush", "100 &times; la mise", "une quinte dans une seule couleur"},
         {"Quinte flush royale", "500 &times; la mise", "10, valet, dame, roi et as d'une même couleur"},
         {"Cinq d'une sorte", "1000 &times; la mise", "un carré et le Joker"}},
        "<p>Une paire de dix ou moins ne paie rien. Appuyez sur <b>GAINS</b> (ou P) pour afficher la table "
        "de paiement sur la table avec les chances de chaque main&nbsp;; pendant que vous choisissez vos "
        "cartes, elle calcule les chances pour les cartes gardées, et sa dernière ligne montre ce que ce "
        "choix rapporte en moyenne. Vous pouvez déplacer le panneau où vous voulez.</p>\n",
        "Quitte ou double",
        "<p>Après une main gagnante, appuyez sur <b>DOUBLER</b> (ou D) pour jouer le gain. Cinq cartes sont "
        "posées face cachée et une lampe bleue clignote sous la première. Faites votre choix&nbsp;; la carte "
        "est retournée. Un bon choix double le gain et passe à la carte suivante, un mauvais le perd. Gagnez "
        "les cinq étapes et toute la somme va d'elle-même à votre crédit.</p>\n",
        {"Jeu", "MISE \u2013 (touche -) gagne sur", "MISE + (touche +) gagne sur"},
        {{"Double Rouge-Noir", "une carte rouge (c&oelig;ur, carreau)", "une carte noire (pique, trèfle)"},
         {"Double Bas-Haut", "2 à 7 ou un as (l'as est bas)", "7 à 10, valet, dame ou roi"}},
        "<ul>\n"
        "<li>En Bas-Haut, <b>le sept est un coup nul</b>&nbsp;: les deux choix gagnent, mais le gain reste "
        "tel qu'il était.</li>\n"
        "<li>Le <b>Joker</b> gagne à tous les coups et compte double&nbsp;: quatre fois l'enjeu.</li>\n"
        "<li>Entre deux choix, vous pouvez encaisser&nbsp;: <b>DOUBLER</b> (D) verse la moitié du gain au "
        "crédit (la plus grande moitié quand la somme est impaire) et vous laisse continuer avec le "
        "reste&nbsp;; <b>DONNER / TIRER</b> (Entrée) encaisse tout et termine le jeu.</li>\n"
        "<li>Choisissez le type de jeu avec <b>Rouge - Noir</b> dans l'écran Extra, et coupez le quitte ou "
        "double avec <b>Quitte ou double</b>.</li>\n"
        "</ul>\n",
        "La cagnotte",
        "<p>L'<b>as de pique</b> est la carte bonus. Chaque fois qu'il fait partie d'une main finale "
        "gagnante, votre mise va aussi dans la cagnotte. Chaque choix au quitte ou double, bon ou mauvais, y "
        "ajoute aussi votre mise. Dès que la cagnotte dépasse 9999 crédits, elle est versée d'un coup à "
        "votre crédit.</p>\n",
        "Boutons et touches",
        {"Bouton", "Touche", "Ce qu'il fait"},
        {{"DONNER / TIRER", "Entrée ou Espace",
          "donner une nouvelle main, tirer, ou encaisser tout le gain au quitte ou double"},
         {"DOUBLER", "D", "lancer le quitte ou double&nbsp;; pendant le jeu, encaisser la moitié du gain"},
         {"MISE +", "+", "augmenter la mise&nbsp;; au quitte ou double, parier sur noir ou haut"},
         {"MISE \u2013", "-", "baisser la mise&nbsp;; au quitte ou double, parier sur rouge ou bas"},
         {"MISE MAX", "M", "miser 500 d'un coup"},
         {"AUTO", "A",
          "jeu automatique en marche ou arrêt&nbsp;: une main toutes les trois secondes, toujours avec les "
          "cartes proposées"},
         {"EXTRA", "S", "ouvrir l'écran Extra (réglages, aide, statistiques)"},
         {"GAINS", "P", "afficher ou masquer la table de paiement"},
         {"", "C", "afficher ou masquer le coach (voir plus bas)"},
         {"le nom du jeu", "G", "choisir le jeu (voir plus bas)"},
         {"", "T",
          "mode entraînement&nbsp;: un tirage avec un choix moins bon que le meilleur attend et montre les "
          "deux choix et leur coût&nbsp;; Y tire quand même, B prend le meilleur choix, N vous laisse le "
          "changer. T encore&nbsp;: seulement les erreurs de plus de 0,02, puis de plus de 0,10 par crédit "
          "misé, puis arrêt"},
         {"", "H",
          "la grille de stratégie du jeu en cours&nbsp;: les choix classés d'après le meilleur jeu exact, "
          "avec son taux de retour, à lire à côté de la table ou à imprimer"},
         {"", "R",
          "vos erreurs dans le jeu en cours, tirées de hands.log&nbsp;: les plus coûteuses d'abord, ou les "
          "plus récentes d'abord avec O&nbsp;; chacune avec les cartes données et les deux choix"},
         {"", "Q",
          "exercice&nbsp;: vos erreurs dans le jeu en cours redistribuées, chacune avec une main du même "
          "type, sans mise&nbsp;; gardez avec 1 à 5, vérifiez avec Entrée. Une main juste trois fois de "
          "suite quitte l'exercice (D dans la liste des erreurs le lance aussi)"},
         {"les cartes", "1 à 5", "garder ou relâcher une carte"},
         {"&times; (en haut à droite)", "X", "tout enregistrer et quitter le jeu"},
         {"molette", "", "entre deux mains, tournez la molette pour changer la mise"}},
        "<p><b>Sans souris.</b> Dans l'écran Extra, Tab et Maj+Tab passent d'une entrée du menu, d'un "
        "réglage, d'un taux, d'un dos de cartes ou d'un bouton du compte au suivant, et un anneau montre où "
        "vous êtes&nbsp;; les flèches se déplacent dans le menu, les réglages, les taux, les dos de cartes "
        "et les boutons du compte&nbsp;; Espace ou Entrée clique. Ctrl+Tab ou Ctrl+Page suivante affiche la "
        "page suivante, Ctrl+Maj+Tab ou Ctrl+Page précédente la précédente&nbsp;; Échap ferme l'écran. Sur "
        "la page d'aide, les flèches, Page précédente, Page suivante, Début et Fin font défiler le texte. À "
        "la table, Tab atteint l'interrupteur <b>Choix expert</b> du coach (Espace le bascule, Échap ou Tab "
        "revient à la table). Un lecteur d'écran nomme chaque carte, lampe, afficheur et bouton, et lit "
        "chaque main donnée et chaque main finale.</p>\n",
        "<p>Après une minute sans jouer, la table montre une <b>Démo</b> des mains gagnantes. Bougez la "
        "souris ou appuyez sur une touche pour revenir.</p>\n",
        "Le coach",
        "<p>Appuyez sur <b>C</b> pour afficher ou masquer le coach, un petit panneau que vous pouvez "
        "déplacer n'importe où sur l'écran. Après chaque donne, il liste les cinq meilleurs choix, cartes "
        "gardées en clair et soulignées, chacun avec sa valeur exacte&nbsp;: le retour moyen par crédit misé "
        "en tirant avec ce choix, calculé sur tous les tirages possibles pour la table de paiement et le jeu "
        "de cartes en cours. En dessous figurent votre propre choix, sa valeur et son rang parmi les 32 "
        "façons de garder, mis à jour à chaque clic. Après le tirage, il dit <i>Meilleur jeu</i>, ou quel "
        "choix était le meilleur, ce que valait le vôtre et ce que la différence a coûté en crédits à votre "
        "mise&nbsp;; des valeurs égales comptent comme meilleures.</p>\n"
        "<p>Depuis le début de la partie, il compte les mains que vous avez jouées vous-même (celles du jeu "
        "automatique ne comptent pas), vos erreurs, ce qu'elles ont coûté en moyenne en crédits et votre "
        "précision. Il montre aussi le taux de retour exact de tout le jeu tel qu'il est réglé&nbsp;: en "
        "tirant toujours avec le meilleur choix, et en tirant toujours avec la proposition du jeu selon vos "
        "réglages Garder haute carte et Garder quinte ventrale.</p>\n",
        "<p>Cochez <b>Choix expert</b> sur le panneau et la proposition après chaque donne (gardée par Garde "
        "auto, remplacée par le premier clic de Garde futée, tirée par le jeu automatique) devient le "
        "meilleur choix du calcul exact. Quand des choix valent exactement autant, le premier dans cet ordre "
        "est pris&nbsp;: comptez pour chaque carte gardée la carte 1 pour 1, la carte 2 pour 2, la carte 3 "
        "pour 4, la carte 4 pour 8 et la carte 5 pour 16&nbsp;; le plus petit total passe en premier. C'est "
        "l'ordre dans lequel <i>tarvelle-tool analyze</i> les liste.</p>\n"
        "<p>Tant que le Taux de redistribution est activé, le panneau le signale&nbsp;: les donnes et les "
        "tirages ne sont alors plus les cartes aléatoires et loyales que supposent ses valeurs. La place du "
        "panneau, son affichage et l'interrupteur expert sont gardés dans <i>coach.cfg</i> à côté de vos "
        "autres fichiers.</p>\n",
        "Jeux de casino",
        "<p>En plus de son propre jeu, Tarvelle propose les vidéo pokers classiques des casinos. Appuyez sur "
        "<b>G</b> ou cliquez sur le nom du jeu sur la table pour en choisir un&nbsp;:</p>\n",
        {"Jeu de casino", "Cartes"},
        {{"9/6 Jacks or Better", "52 cartes"},
         {"8/5 Jacks or Better", "52 cartes"},
         {"8/5 Bonus Poker", "52 cartes"},
         {"10/7 Double Bonus", "52 cartes"},
         {"9/6 Double Double Bonus", "52 cartes"},
         {"Full-pay Deuces Wild", "52 cartes, les quatre deux libres"},
         {"Full-pay Joker Poker (Kings or Better)", "53 cartes, le Joker libre"}},
        "<ul>\n"
        "<li>Un jeu de casino distribue loyalement à partir de son propre jeu de cartes et paie selon sa "
        "propre table.</li>\n"
        "<li>Après la donne, les lampes de garde proposent le meilleur choix du calcul exact pour les gains "
        "de ce jeu.</li>\n"
        "<li>Chaque jeu a son propre crédit et ses propres statistiques. Un jeu commence avec 1000 "
        "crédits&nbsp;; <i>Ajouter 1000</i> dans l'écran Extra ajoute du crédit d'entraînement.</li>\n"
        "<li>Taux de redistribution, cagnotte, Garder haute carte et Ajouter Joker appartiennent au jeu "
        "propre de Tarvelle&nbsp;: dans un jeu de casino, ils sont grisés dans l'écran Extra et sans "
        "effet.</li>\n"
        "<li>Le quitte ou double est un pari à chances égales sur un jeu ordinaire de 52 cartes, sans "
        "Joker.</li>\n"
        "</ul>\n"
        "<p>Vos propres jeux, avec les gains de votre choix, se créent avec <i>tarvelle-tool games "
        "--add</i>, par exemple&nbsp;:<br>\n"
        "<i>tarvelle-tool games --add my-jacks jacks-9-6 1,2,3,4,5,8,25,50,800</i></p>\n",
        "L'écran Extra",
        "<p>Cliquez sur un réglage ou sur sa lampe pour le basculer&nbsp;; une lampe orange veut dire "
        "activé. Les réglages sont enregistrés à la fermeture de l'écran.</p>\n",
        {"Réglage", "Quand il est activé"},
        {{"Ajouter Joker", "le jeu a 53 cartes avec un Joker libre (impossible à changer au milieu d'une "
                           "main ou d'un quitte ou double)"},
         {"Quitte ou double", "les mains gagnantes peuvent être jouées au quitte ou double"},
         {"Double auto", "après un tirage gagnant, le quitte ou double démarre de lui-même"},
         {"Rouge - Noir", "le quitte ou double se joue en Rouge-Noir&nbsp;; désactivé, en Bas-Haut "
                          "(impossible à changer pendant un quitte ou double)"},
         {"Garde auto", "les cartes proposées restent gardées après la donne&nbsp;; désactivé, vous "
                        "commencez sans carte gardée"},
         {"Garde futée", "votre premier clic après une donne sur une carte non gardée remplace la "
                         "proposition par cette seule carte"},
         {"Effets sonores", "les sons du jeu"},
         {"Voix", "les mains sont annoncées à voix haute, avec un bonjour et un au revoir"},
         {"Mise auto", "quand votre argent ne couvre pas la mise, la mise est ramenée à ce que vous "
                       "avez (à un multiple de dix au-dessus de dix)"},
         {"Garder haute carte", "faute de mieux, un as, un roi, une dame ou un valet seul est proposé"},
         {"Garder quinte ventrale", "les tirages à quinte ventrale (un trou) sont proposés aussi, pas "
                                    "seulement les quintes ouvertes"},
         {"Taux de redistribution",
          "la machine oriente ses paiements vers le taux choisi, de 100&nbsp;% à 50&nbsp;%, en donnant "
          "plusieurs mains et en vous laissant la pire&nbsp;: souvent quand vous avez été payé près de ce "
          "taux ou au-dessus, rarement en dessous, et aussi la plupart du temps une période de cinq minutes "
          "de jeu sur deux, quoi que vous ayez été payé, sauf si votre crédit est sous 100. Elle n'améliore "
          "jamais les cartes, si bien que le taux de redistribution finit d'habitude bien en dessous du taux "
          "choisi. Désactivé, chaque donne n'est que chance"}},
        "<p><b>Dos de cartes</b>&nbsp;: cliquez sur l'un des quatre dos de cartes pour jouer avec.</p>\n"
        "<p><b>Compte</b>&nbsp;: <i>Ajouter 1000</i> ajoute 1000 crédits (tant que votre crédit est sous le "
        "million)&nbsp;; <i>Encaisser</i> retire tout votre crédit de la table. <i>Mon compte</i> montre ce "
        "que vous avez encaissé moins ce que vous avez ajouté, et <i>Compte Tarvelle</i> votre meilleur "
        "résultat jusqu'ici. <i>Remise à zéro</i> recommence le compte avec 1000 crédits.</p>\n"
        "<p><b>Statistiques</b> compte chaque main donnée et finale et chaque choix au quitte ou double, "
        "étape par étape, du jeu en cours&nbsp;; sa <i>Remise à zéro</i> efface les compteurs.</p>\n"
        "<p><b>Graphique</b> trace votre argent après chaque main de cette session dans le jeu en cours, "
        "avec la ligne qu'attend le taux de retour du jeu pour vos mises et les bandes d'un et deux écarts "
        "types autour, où finissent la plupart des sessions. Un nouveau jeu commence un nouveau "
        "graphique.</p>\n"
        "<p align=\"center\"><font color=\"#e0a86c\">Bonne chance, et bon jeu&nbsp;!</font></p>\n"
        "</body>\n</html>\n"};
    return text;
}

} // namespace tarvelle::art
