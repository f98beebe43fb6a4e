<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BatchGame</name>
    <message>
        <source>%1, on %2 x %2 cards</source>
        <translation>%1, sur des cartons de %2 x %2</translation>
    </message>
    <message>
        <source>%1, any way round</source>
        <translation>%1, dans tous les sens</translation>
    </message>
    <message>
        <source>This computer has no record of game %1.</source>
        <translation>Cet ordinateur n’a aucune trace de la partie %1.</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <source>invalid value for %1: &apos;%2&apos; (%3)</source>
        <translation>valeur non valide pour %1&#xa0;: «&#xa0;%2&#xa0;» (%3)</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 demande une valeur</translation>
    </message>
    <message>
        <source>option %1 needs a value, and it was empty</source>
        <translation>l&apos;option %1 demande une valeur, et elle était vide</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>l&apos;option %1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>a whole number from 1 to 99999</source>
        <translation>un nombre entier de 1 à 99999</translation>
    </message>
    <message>
        <source>1, 2 or 4</source>
        <translation>1, 2 ou 4</translation>
    </message>
    <message>
        <source>3, 5 or 7</source>
        <translation>3, 5 ou 7</translation>
    </message>
    <message>
        <source>a whole number of points from 1 to 1600</source>
        <translation>un nombre entier de points de 1 à 1600</translation>
    </message>
    <message>
        <source>a whole number from 0 to 4294967295</source>
        <translation>un nombre entier de 0 à 4294967295</translation>
    </message>
    <message>
        <source>a card number from 1 to 100000</source>
        <translation>un numéro de carton de 1 à 100000</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>no word list given</source>
        <translation>aucune liste de mots donnée</translation>
    </message>
    <message>
        <source>only one word list, please</source>
        <translation>une seule liste de mots, s’il vous plaît</translation>
    </message>
    <message>
        <source>--check needs --card N and --called FILE</source>
        <translation>--check demande --card N et --called FICHIER</translation>
    </message>
    <message>
        <source>--card and --called go with --check</source>
        <translation>--card et --called vont avec --check</translation>
    </message>
    <message>
        <source>--numbered makes a new game: leave out --game and --seed</source>
        <translation>--numbered crée une nouvelle partie&#xa0;: retirez --game et --seed</translation>
    </message>
    <message>
        <source>choose either --output or --printer</source>
        <translation>choisissez --output ou --printer, pas les deux</translation>
    </message>
    <message>
        <source>png, pdf or html</source>
        <translation>png, pdf ou html</translation>
    </message>
    <message>
        <source>tickets are counted in strips of six: use --strips N, not --cards</source>
        <translation>les tickets se comptent en bandes de six&#xa0;: utilisez --strips N, pas --cards</translation>
    </message>
    <message>
        <source>tickets print 1 or 2 strips a page, not 4</source>
        <translation>les tickets s’impriment à 1 ou 2 bandes par page, pas 4</translation>
    </message>
    <message>
        <source>tickets have no card size, free space, heading or shared text size</source>
        <translation>les tickets n’ont ni taille de carton, ni case libre, ni en-tête, ni taille de texte commune</translation>
    </message>
    <message>
        <source>line, two-lines or full-house</source>
        <translation>line, two-lines ou full-house</translation>
    </message>
    <message>
        <source>a ticket is checked with --ticket T (and --strip N), not --card</source>
        <translation>un ticket se vérifie avec --ticket T (et --strip N), pas --card</translation>
    </message>
    <message>
        <source>--check with --tickets needs --ticket T and --called FILE</source>
        <translation>--check avec --tickets demande --ticket T et --called FICHIER</translation>
    </message>
    <message>
        <source>--strip, --ticket and --called go with --check</source>
        <translation>--strip, --ticket et --called vont avec --check</translation>
    </message>
    <message>
        <source>a strip holds tickets 1 to 6</source>
        <translation>une bande contient les tickets 1 à 6</translation>
    </message>
    <message>
        <source>a whole number from 1 to 16666</source>
        <translation>un nombre entier de 1 à 16666</translation>
    </message>
    <message>
        <source>a strip number from 1 to 16667</source>
        <translation>un numéro de bande de 1 à 16667</translation>
    </message>
    <message>
        <source>a ticket number from 1 to 100002</source>
        <translation>un numéro de ticket de 1 à 100002</translation>
    </message>
    <message>
        <source>--strips and --strip go with --tickets</source>
        <translation>--strips et --strip vont avec --tickets</translation>
    </message>
    <message>
        <source>--more goes with --game, for cards or strips to print or export</source>
        <translation>--more va avec --game, pour des cartes ou des bandes à imprimer ou à exporter</translation>
    </message>
    <message>
        <source>Usage: plumwick-print [options] LIST.pwk
Prints bingo cards of a word list, as Plumwick prints them, to a PDF file or a printer.

  -o, --output FILE.pdf      write a PDF (the default; LIST.pdf when not given)
  -P, --printer NAME         print on that system printer instead
      --cards N              how many cards, 1 to 99999 (default 1)
      --per-page 1|2|4       cards on a page (default 1)
      --size 3|5|7           cells on a side of the card
      --free-space[=TEXT]    a free space in the centre, with its text
      --no-free-space        no free space
      --heading[=TEXT]       a heading row, with its letters
      --no-heading           no heading row
      --word-wrap            a phrase may take two lines
      --no-word-wrap         a phrase stays on one line
      --same-text-size       every word of the job at one size (--no-same-text-size: each fitted alone)
      --font FACE            the card face
      --font-size POINTS     the card text&apos;s size, 1 to 1600
      --paper NAME           the paper of the PDF: %1
      --export DIR           one file per card in DIR (card-0001.png ...) instead of a PDF
      --format png|pdf|html  the files --export writes (default png, 300 dpi; html: a web page
                             a player taps to mark)
      --call-list            print the call list instead of cards
      --seed N               the same N gives the same cards, run after run
      --numbered             print a game: numbered cards and a game code
                             (written on standard output)
      --game CODE            print the cards of that game again (or its call list)
      --more                 with --game: the next cards of the game that no one has had
      --check CODE           show a card of that game with the called words marked,
                             and say whether it wins (exit 0: bingo, 4: not yet)
      --card N               the card to check
      --called FILE          the words called so far, one per line
      --pattern NAME         the winning pattern: line (the default), corners, x, full, a named
                             shape (postage-stamp, letter-t ...) or one you drew
      --patterns             list the patterns --pattern takes and exit
      --record CODE          write the game&apos;s record as the caller saved it (calls with
                             their times, prizes and winners, claims): -o FILE.pdf or FILE.csv

90-ball tickets (no LIST needed; a list given must be the numbers 1 to 90):
      --tickets              print strips of six tickets instead of cards
      --strips N             how many strips, 1 to 16666 (default 1)
      --per-page 1|2         strips on a page: 1 upright, 2 side by side on landscape pages
      --check CODE --strip N --ticket T   check ticket T (1 to 6) of strip N of a game;
                             --ticket alone counts tickets through the game
      --pattern line|two-lines|full-house   what a ticket wins on (default line)

  -q, --quiet                no progress on standard error
  -h, --help                 show this help and exit
      --version              show the version and exit

Options not given are taken from Plumwick&apos;s settings (~/.local/share/Plumwick/Options.ini).
</source>
        <translation>Usage : plumwick-print [options] LISTE.pwk
Imprime des cartons de bingo d’une liste de mots, comme Plumwick les imprime, dans un fichier PDF ou sur une imprimante.

  -o, --output FICHIER.pdf   écrire un PDF (par défaut ; LISTE.pdf s’il n’est pas donné)
  -P, --printer NOM          imprimer plutôt sur cette imprimante du système
      --cards N              combien de cartons, de 1 à 99999 (par défaut 1)
      --per-page 1|2|4       cartons par page (par défaut 1)
      --size 3|5|7           cases sur un côté du carton
      --free-space[=TEXTE]   une case libre au centre, avec son texte
      --no-free-space        pas de case libre
      --heading[=TEXTE]      une ligne d’en-tête, avec ses lettres
      --no-heading           pas de ligne d’en-tête
      --word-wrap            une expression peut prendre deux lignes
      --no-word-wrap         une expression reste sur une ligne
      --same-text-size       tous les mots de la tâche à la même taille (--no-same-text-size : chacun ajusté seul)
      --font POLICE          la police du carton
      --font-size POINTS     la taille du texte du carton, de 1 à 1600
      --paper NOM            le papier du PDF : %1
      --export DOSSIER       un fichier par carton dans DOSSIER (card-0001.png ...) au lieu d’un PDF
      --format png|pdf|html  les fichiers qu’écrit --export (par défaut png, 300 dpi ; html : une page
                             web que le joueur touche pour marquer)
      --call-list            imprimer la liste d’appel au lieu des cartons
      --seed N               le même N donne les mêmes cartons, à chaque fois
      --numbered             imprimer une partie : cartons numérotés et code de partie
                             (écrit sur la sortie standard)
      --game CODE            réimprimer les cartons de cette partie (ou sa liste d’appel)
      --more                 avec --game : les cartes suivantes du jeu que personne n&apos;a encore eues
      --check CODE           montrer un carton de cette partie avec les mots annoncés marqués,
                             et dire s’il gagne (code 0 : bingo, 4 : pas encore)
      --card N               le carton à vérifier
      --called FICHIER       les mots annoncés jusqu’ici, un par ligne
      --pattern NOM          le motif gagnant&#xa0;: line (par défaut), corners, x, full, une forme
                             nommée (postage-stamp, letter-t ...) ou un motif à vous
      --patterns             lister les motifs que prend --pattern, puis quitter
      --record CODE          écrire le compte rendu de la partie tel que l’annonceur l’a enregistré
                             (annonces et heures, prix, gagnants, réclamations)&#xa0;: -o FICHIER.pdf ou FICHIER.csv

Tickets à 90 boules (LISTE inutile&#xa0;; une liste donnée doit être les nombres 1 à 90)&#xa0;:
      --tickets              imprimer des bandes de six tickets au lieu de cartons
      --strips N             combien de bandes, de 1 à 16666 (par défaut 1)
      --per-page 1|2         bandes par page&#xa0;: 1 à la française, 2 côte à côte à l’italienne
      --check CODE --strip N --ticket T   vérifier le ticket T (1 à 6) de la bande N d’une partie&#xa0;;
                             --ticket seul compte les tickets sur toute la partie
      --pattern line|two-lines|full-house   ce qui fait gagner un ticket (par défaut line)

  -q, --quiet                pas de progression sur la sortie d’erreur
  -h, --help                 afficher cette aide et quitter
      --version              afficher la version et quitter

Les options non données sont prises dans les réglages de Plumwick (~/.local/share/Plumwick/Options.ini).
</translation>
    </message>
    <message>
        <source>--record takes a game code and -o FILE.pdf or FILE.csv alone</source>
        <translation>--record ne prend qu’un code de partie et -o FICHIER.pdf ou FICHIER.csv</translation>
    </message>
    <message>
        <source>--patterns lists the patterns</source>
        <translation>--patterns liste les motifs</translation>
    </message>
</context>
<context>
    <name>BatchPrint</name>
    <message>
        <source>a %1 x %1 card with a free space</source>
        <translation>un carton de %1 x %1 avec une case libre</translation>
    </message>
    <message>
        <source>a %1 x %1 card</source>
        <translation>un carton de %1 x %1</translation>
    </message>
    <message>
        <source>card %1 of %2</source>
        <translation>carton %1 sur %2</translation>
    </message>
    <message>
        <source>%1 is already there; remove it or export to another folder</source>
        <translation>%1 existe déjà&#xa0;; supprimez-le ou exportez vers un autre dossier</translation>
    </message>
    <message>
        <source>the output %1 is the word list %2 itself; choose another output file</source>
        <translation>la sortie %1 est la liste de mots %2 elle-même&#xa0;; choisissez un autre fichier de sortie</translation>
    </message>
    <message>
        <source>%1 has %2 words; %3 needs %4</source>
        <translation>%1 a %2 mots&#xa0;; %3 en demande %4</translation>
    </message>
    <message>
        <source>no printer named &apos;%1&apos;</source>
        <translation>aucune imprimante nommée «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>BatchTickets</name>
    <message>
        <source>%1 is the code of a game of cards, not of tickets; leave out --tickets</source>
        <translation>%1 est le code d’une partie de cartons, pas de tickets&#xa0;; retirez --tickets</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number from 1 to 90</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre de 1 à 90</translation>
    </message>
    <message>
        <source>Strip %1, ticket %2 of game %3</source>
        <translation>Bande %1, ticket %2 de la partie %3</translation>
    </message>
    <message>
        <source>%1 is not the numbers 1 to 90; tickets are always of those numbers, so leave the list out</source>
        <translation>%1 n’est pas la liste des nombres 1 à 90&#xa0;; les tickets portent toujours ces nombres, retirez donc la liste</translation>
    </message>
    <message>
        <source>--more with --tickets exports the strips: give --export DIR</source>
        <translation>--more avec --tickets exporte les bandes : indiquez --export DOSSIER</translation>
    </message>
</context>
<context>
    <name>CallerBoard</name>
    <message>
        <source>Board</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>, called</source>
        <translation>, annoncé</translation>
    </message>
    <message>
        <source>, not called</source>
        <translation>, pas annoncé</translation>
    </message>
</context>
<context>
    <name>CallerWindow</name>
    <message>
        <source>Call Words</source>
        <translation>Annoncer les mots</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>New &amp;Game</source>
        <translation>Nouvelle &amp;partie</translation>
    </message>
    <message>
        <source>&amp;Check a Card...</source>
        <translation>&amp;Vérifier un carton...</translation>
    </message>
    <message>
        <source>&amp;Read Aloud</source>
        <translation>&amp;Lire à voix haute</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>&amp;Jouer&#xa0;:</translation>
    </message>
    <message>
        <source>No speech here.</source>
        <translation>Pas de synthèse vocale ici.</translation>
    </message>
    <message>
        <source>The current list</source>
        <translation>La liste actuelle</translation>
    </message>
    <message>
        <source>Game %1: %2 (%3)</source>
        <translation>Partie %1&#xa0;: %2 (%3)</translation>
    </message>
    <message>
        <source>This game was stopped after %1 calls. Go on where it stopped?</source>
        <translation>Cette partie a été arrêtée après %1 annonces. Reprendre là où elle s’est arrêtée&#xa0;?</translation>
    </message>
    <message>
        <source>%1. %2 of %2 called, the game is complete</source>
        <translation>%1. %2 sur %2 annoncés, la partie est terminée</translation>
    </message>
    <message>
        <source>%1 taken back</source>
        <translation>%1 annulé</translation>
    </message>
    <message>
        <source>Start a new game? The %1 calls so far are cleared.</source>
        <translation>Commencer une nouvelle partie&#xa0;? Les %1 annonces faites sont effacées.</translation>
    </message>
    <message>
        <source>The calls could not be saved (%1). The game goes on here, and the calls are saved as soon as that works again</source>
        <translation>Les annonces n’ont pas pu être enregistrées (%1). La partie continue ici, et les annonces seront enregistrées dès que ce sera de nouveau possible</translation>
    </message>
    <message>
        <source>This list has no words to call</source>
        <translation>Cette liste n’a aucun mot à annoncer</translation>
    </message>
    <message>
        <source>Press Space to call</source>
        <translation>Appuyez sur Espace pour annoncer</translation>
    </message>
    <message>
        <source>%1 of %2 called</source>
        <translation>%1 sur %2 annoncés</translation>
    </message>
    <message>
        <source>Last calls: %1</source>
        <translation>Dernières annonces&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Share on this network</source>
        <translation>Partager sur ce &amp;réseau</translation>
    </message>
    <message>
        <source>Phones in the room get cards of this game and see every call; their claims are checked here.</source>
        <translation>Les téléphones de la salle reçoivent des cartons de cette partie et voient chaque annonce&#xa0;; leurs bingos sont vérifiés ici.</translation>
    </message>
    <message>
        <source>Tra&amp;ditional Calls</source>
        <translation>Annonces &amp;traditionnelles</translation>
    </message>
    <message>
        <source>Calls such as &quot;Two little ducks, 22&quot;, from a list you can edit: %1</source>
        <translation>Des annonces comme «&#xa0;Two little ducks, 22&#xa0;», tirées d’une liste que vous pouvez modifier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Game %1: 90-ball tickets (%2)</source>
        <translation>Partie %1&#xa0;: tickets à 90 boules (%2)</translation>
    </message>
    <message>
        <source>Another claim: see the list of claims</source>
        <translation>Une autre annonce de bingo : voir la liste des annonces</translation>
    </message>
    <message>
        <source>%1 more claims: see the list of claims</source>
        <translation>%1 annonces de bingo de plus : voir la liste des annonces</translation>
    </message>
    <message>
        <source>%1: checked</source>
        <translation>%1 : coché</translation>
    </message>
    <message>
        <source>%1: not checked</source>
        <translation>%1 : non coché</translation>
    </message>
    <message>
        <source>Calls the next word on its own after the seconds given; Space pauses and resumes.</source>
        <translation>Annonce le mot suivant d’elle-même après les secondes indiquées&#xa0;; Espace met en pause et reprend.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Seconds between calls</source>
        <translation>Secondes entre les annonces</translation>
    </message>
    <message>
        <source>Auto Call paused: a claim came in</source>
        <translation>Tirage automatique en pause&#xa0;: une annonce de bingo est arrivée</translation>
    </message>
    <message>
        <source>Auto Call paused</source>
        <translation>Tirage automatique en pause</translation>
    </message>
    <message>
        <source>Auto Call goes on</source>
        <translation>Le tirage automatique reprend</translation>
    </message>
    <message>
        <source>Paused: press Space to go on</source>
        <translation>En pause&#xa0;: appuyez sur Espace pour reprendre</translation>
    </message>
    <message>
        <source>Next call once this one is read</source>
        <translation>Annonce suivante une fois celle-ci lue</translation>
    </message>
    <message>
        <source>Next call in %1 s</source>
        <translation>Annonce suivante dans %1&#xa0;s</translation>
    </message>
    <message>
        <source>Resu&amp;me</source>
        <translation>Repren&amp;dre</translation>
    </message>
    <message>
        <source>The first call is coming</source>
        <translation>La première annonce arrive</translation>
    </message>
    <message>
        <source>Auto Call e&amp;very</source>
        <translation>Tirage a&amp;uto toutes les</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>Paus&amp;e</translation>
    </message>
    <message>
        <source>Claim: %1</source>
        <translation>Annonce de bingo&#xa0;: %1</translation>
    </message>
    <message>
        <source>Every number the pattern can use is called</source>
        <translation>Tous les numéros utiles au motif sont annoncés</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <source>Pri&amp;zes...</source>
        <translation>Pri&amp;x...</translation>
    </message>
    <message>
        <source>Play the game for prizes in turn: one line, then two lines, then a full house, or any patterns.</source>
        <translation>Jouer des prix l’un après l’autre&#xa0;: une ligne, puis deux lignes, puis carton plein, ou n’importe quels motifs.</translation>
    </message>
    <message>
        <source>Ne&amp;xt Prize</source>
        <translation>Pr&amp;ix suivant</translation>
    </message>
    <message>
        <source>Save t&amp;he Game&apos;s Record...</source>
        <translation>Enre&amp;gistrer le compte rendu...</translation>
    </message>
    <message>
        <source>The calls with their times, the prizes&apos; winners with their cards, and the claims: as a PDF or CSV file.</source>
        <translation>Les annonces avec leur heure, les gagnants des prix avec leurs cartons, et les réclamations&#xa0;: en fichier PDF ou CSV.</translation>
    </message>
    <message>
        <source>S&amp;kip numbers the pattern can&apos;t use</source>
        <translation>Sauter les &amp;numéros inutiles au motif</translation>
    </message>
    <message>
        <source>Numbers in a column that the pattern leaves empty can&apos;t help any card win: they are not called.</source>
        <translation>Les numéros d’une colonne que le motif laisse vide n’aident aucun carton à gagner&#xa0;: ils ne sont pas annoncés.</translation>
    </message>
    <message>
        <source>skipping %1: the pattern can&apos;t use them</source>
        <translation>%1 sautés&#xa0;: le motif ne les utilise pas</translation>
    </message>
    <message>
        <source>Bingo! Ticket %1</source>
        <translation>Bingo&#xa0;! Ticket %1</translation>
    </message>
    <message>
        <source>Bingo! Card %1</source>
        <translation>Bingo&#xa0;! Carton %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 gagne %2</translation>
    </message>
    <message>
        <source>%1. Now playing for: %2</source>
        <translation>%1. On joue maintenant&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1. Every prize is won</source>
        <translation>%1. Tous les prix sont gagnés</translation>
    </message>
    <message>
        <source>Now playing for: %1</source>
        <translation>On joue maintenant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Every prize is won</source>
        <translation>Tous les prix sont gagnés</translation>
    </message>
    <message>
        <source>The prizes could not be saved (%1). The game goes on here.</source>
        <translation>Les prix n’ont pas pu être enregistrés (%1). La partie continue ici.</translation>
    </message>
    <message>
        <source>Prize %1 of %2: %3</source>
        <translation>Prix %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Gagnés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Save the Game&apos;s Record</source>
        <translation>Enregistrer le compte rendu de la partie</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;CSV (*.csv)</source>
        <translation>PDF (*.pdf);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>The record could not be saved: %1</source>
        <translation>Le compte rendu n’a pas pu être enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>The record is saved as %1</source>
        <translation>Le compte rendu est enregistré sous %1</translation>
    </message>
    <message>
        <source>Room Displa&amp;y</source>
        <translation>A&amp;ffichage pour la salle</translation>
    </message>
    <message>
        <source>The call, the board and the prize for the hall, on a second screen where there is one.</source>
        <translation>L’annonce, le tableau et le prix pour la salle, sur un second écran s’il y en a un.</translation>
    </message>
    <message>
        <source>the host&apos;s decision</source>
        <translation>décision de l’animateur</translation>
    </message>
    <message>
        <source>Bingo! Ticket %1, by the host&apos;s decision</source>
        <translation>Bingo&#xa0;! Ticket %1, sur décision de l’animateur</translation>
    </message>
    <message>
        <source>Bingo! Card %1, by the host&apos;s decision</source>
        <translation>Bingo&#xa0;! Carton %1, sur décision de l’animateur</translation>
    </message>
    <message>
        <source>Checking ticket %1</source>
        <translation>Vérification du ticket %1</translation>
    </message>
    <message>
        <source>Checking card %1</source>
        <translation>Vérification du carton %1</translation>
    </message>
</context>
<context>
    <name>CardCheck</name>
    <message>
        <source>%1 x %1 %2</source>
        <translation>%1 x %1 %2</translation>
    </message>
    <message>
        <source>with a free space</source>
        <translation>avec une case libre</translation>
    </message>
    <message>
        <source>without a free space</source>
        <translation>sans case libre</translation>
    </message>
    <message>
        <source>Game %1 has cards of %2, but the check is set to %3. Change the card size or the free space and check again.</source>
        <translation>La partie %1 a des cartons de %2, mais la vérification est réglée sur %3. Changez la taille du carton ou la case libre et vérifiez de nouveau.</translation>
    </message>
    <message>
        <source>This card was printed from another word list.</source>
        <translation>Ce carton a été imprimé à partir d’une autre liste de mots.</translation>
    </message>
    <message>
        <source>Please type the game code printed on the card (as K7F2-9QXA).</source>
        <translation>Tapez le code de la partie imprimé sur le carton (comme K7F2-9QXA).</translation>
    </message>
    <message>
        <source>Game %1 has %2; there is no card %3</source>
        <translation>La partie %1 a %2&#xa0;; il n’y a pas de carton %3</translation>
    </message>
    <message>
        <source>There is no card %1</source>
        <translation>Il n’y a pas de carton %1</translation>
    </message>
    <message>
        <source>This computer has no record of game %1, so it cannot confirm how many cards the game has.</source>
        <translation>Cet ordinateur n’a aucune trace de la partie %1 et ne peut donc pas confirmer combien de cartons elle compte.</translation>
    </message>
</context>
<context>
    <name>CardDesignDialog</name>
    <message>
        <source>Card Design</source>
        <translation>Présentation du carton</translation>
    </message>
    <message>
        <source>&amp;Title above the card:</source>
        <translation>&amp;Titre au-dessus du carton :</translation>
    </message>
    <message>
        <source>F&amp;ooter under the card:</source>
        <translation>&amp;Pied sous le carton :</translation>
    </message>
    <message>
        <source>&amp;Grid Lines</source>
        <translation>Lignes de la &amp;grille</translation>
    </message>
    <message>
        <source>Colour of the Grid Lines</source>
        <translation>Couleur des lignes de la grille</translation>
    </message>
    <message>
        <source>Heading &amp;Band</source>
        <translation>&amp;Bandeau d&apos;en-tête</translation>
    </message>
    <message>
        <source>Colour of the Heading Band</source>
        <translation>Couleur du bandeau d&apos;en-tête</translation>
    </message>
    <message>
        <source>Heading L&amp;etters</source>
        <translation>Lettres d&apos;&amp;en-tête</translation>
    </message>
    <message>
        <source>Colour of the Heading Letters</source>
        <translation>Couleur des lettres d&apos;en-tête</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Mots</translation>
    </message>
    <message>
        <source>Colour of the Words</source>
        <translation>Couleur des mots</translation>
    </message>
    <message>
        <source>&amp;Free Space</source>
        <translation>Case &amp;libre</translation>
    </message>
    <message>
        <source>Colour of the Free Space</source>
        <translation>Couleur de la case libre</translation>
    </message>
    <message>
        <source>T&amp;int</source>
        <translation>Te&amp;inte</translation>
    </message>
    <message>
        <source>Colour of the Tint</source>
        <translation>Couleur de la teinte</translation>
    </message>
    <message>
        <source>&amp;Plain Colours</source>
        <translation>Couleurs &amp;simples</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Couleurs :</translation>
    </message>
    <message>
        <source>Logo in the free space</source>
        <translation>Logo dans la case libre</translation>
    </message>
    <message>
        <source>Choose &amp;Logo...</source>
        <translation>&amp;Choisir un logo...</translation>
    </message>
    <message>
        <source>&amp;Remove Logo</source>
        <translation>&amp;Retirer le logo</translation>
    </message>
    <message>
        <source>Logo in the free space:</source>
        <translation>Logo dans la case libre :</translation>
    </message>
    <message>
        <source>Sample card</source>
        <translation>Carton d’exemple</translation>
    </message>
    <message>
        <source>Use for &amp;new lists too</source>
        <translation>Utiliser aussi pour les &amp;nouvelles listes</translation>
    </message>
    <message>
        <source>as on a plain card</source>
        <translation>comme sur un carton simple</translation>
    </message>
    <message>
        <source>The logo is small (%1 x %2 pixels): it is drawn at most twice that size, so it may not fill the free space on paper.</source>
        <translation>Le logo est petit (%1 x %2 pixels) : il est dessiné au plus deux fois plus grand, et peut ne pas remplir la case libre sur papier.</translation>
    </message>
    <message>
        <source>Choose a Logo</source>
        <translation>Choisir un logo</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg|All Files (*.*)|*.*</source>
        <translation>Images (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>The picture can&apos;t be used as a logo:
%1</source>
        <translation>L&apos;image ne peut pas servir de logo :
%1</translation>
    </message>
    <message>
        <source>The words are hard to read: %1 on %2 has a contrast of %3:1, under 4.5:1.</source>
        <translation>Les mots sont difficiles à lire : %1 sur %2 a un contraste de %3:1, sous 4,5:1.</translation>
    </message>
    <message>
        <source>The heading letters are hard to read: %1 on %2 has a contrast of %3:1, under 4.5:1.</source>
        <translation>Les lettres d&apos;en-tête sont difficiles à lire : %1 sur %2 a un contraste de %3:1, sous 4,5:1.</translation>
    </message>
    <message>
        <source>The free space&apos;s text is hard to read: %1 on %2 has a contrast of %3:1, under 4.5:1.</source>
        <translation>Le texte de la case libre est difficile à lire : %1 sur %2 a un contraste de %3:1, sous 4,5:1.</translation>
    </message>
    <message>
        <source>The title and the footer are hard to read: %1 on %2 has a contrast of %3:1, under 4.5:1.</source>
        <translation>Le titre et le pied sont difficiles à lire : %1 sur %2 a un contraste de %3:1, sous 4,5:1.</translation>
    </message>
</context>
<context>
    <name>CardExport</name>
    <message>
        <source>There is no such folder</source>
        <translation>Ce dossier n’existe pas</translation>
    </message>
</context>
<context>
    <name>CardGridView</name>
    <message>
        <source>Checked card</source>
        <translation>Carton vérifié</translation>
    </message>
    <message>
        <source>, called</source>
        <translation>, annoncé</translation>
    </message>
    <message>
        <source>, not called</source>
        <translation>, pas annoncé</translation>
    </message>
    <message>
        <source>, in the winning line</source>
        <translation>, dans la ligne gagnante</translation>
    </message>
</context>
<context>
    <name>CardLook</name>
    <message>
        <source>The logo could not be used, and the cards have none:
%1</source>
        <translation>Le logo n&apos;a pas pu être utilisé ; les cartons n&apos;en ont pas :
%1</translation>
    </message>
</context>
<context>
    <name>CardPrinting</name>
    <message>
        <source>Your bingo card needs %1 words at least, please add more words, then try to export it again.</source>
        <translation>Votre carton de bingo demande au moins %1 mots. Ajoutez des mots, puis essayez de nouveau de l’exporter.</translation>
    </message>
    <message>
        <source>Your bingo card needs %1 words at least, please add more words, then try to print it again.</source>
        <translation>Votre carton de bingo demande au moins %1 mots. Ajoutez des mots, puis essayez de nouveau de l’imprimer.</translation>
    </message>
    <message>
        <source>%1 at %2 a page print as %3, since every page is full.</source>
        <translation>%1 à %2 par page s’impriment en %3, car chaque page est remplie.</translation>
    </message>
</context>
<context>
    <name>CardView</name>
    <message>
        <source>Heading: %1.</source>
        <translation>En-tête&#xa0;: %1.</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Ligne %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>CardWebPage</name>
    <message>
        <source>en</source>
        <extracomment>The language code of the exported web page (the one of this translation).</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Pattern:</source>
        <translation>Motif&#xa0;:</translation>
    </message>
    <message>
        <source>Bingo!</source>
        <translation>Bingo&#xa0;!</translation>
    </message>
    <message>
        <source>Clear marks</source>
        <translation>Effacer les marques</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Clear every mark on this card?</source>
        <translation>Effacer toutes les marques de ce carton&#xa0;?</translation>
    </message>
</context>
<context>
    <name>CheckCardDialog</name>
    <message>
        <source>Check a Card</source>
        <translation>Vérifier un carton</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>&amp;Game code:</source>
        <translation>&amp;Code de la partie&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Card number:</source>
        <translation>&amp;Numéro du carton&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation>&amp;Motif&#xa0;:</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Carton %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Card %1: %2. %3</source>
        <translation>Carton %1&#xa0;: %2. %3</translation>
    </message>
    <message>
        <source>&amp;Ticket number:</source>
        <translation>&amp;Numéro du ticket&#xa0;:</translation>
    </message>
    <message>
        <source>Counted through the game: tickets 1 to 6 are strip 1, 7 to 12 strip 2, ...</source>
        <translation>Compté sur toute la partie&#xa0;: les tickets 1 à 6 forment la bande 1, 7 à 12 la bande 2, ...</translation>
    </message>
    <message>
        <source>Ticket %1 is ticket %2 of strip %3.</source>
        <translation>Le ticket %1 est le ticket %2 de la bande %3.</translation>
    </message>
    <message>
        <source>Ticket %1: %2. %3</source>
        <translation>Ticket %1&#xa0;: %2. %3</translation>
    </message>
    <message>
        <source>Confirm &amp;Winner</source>
        <translation>Confirmer le &amp;gagnant</translation>
    </message>
    <message>
        <source>The card wins the prize being played.</source>
        <translation>Le carton gagne le prix en jeu.</translation>
    </message>
</context>
<context>
    <name>CountText</name>
    <message>
        <source>card</source>
        <translation>carton</translation>
    </message>
    <message>
        <source>cards</source>
        <translation>cartons</translation>
    </message>
    <message>
        <source>strip</source>
        <translation>bande</translation>
    </message>
    <message>
        <source>strips</source>
        <translation>bandes</translation>
    </message>
</context>
<context>
    <name>DialogFolders</name>
    <message>
        <source>Bingo Cards</source>
        <translation>Cartons de bingo</translation>
    </message>
    <message>
        <source>Call List</source>
        <translation>Liste d’appel</translation>
    </message>
    <message>
        <source>%1 call list</source>
        <translation>%1 liste d’appel</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Cards</source>
        <translation>Exporter les cartons</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Parc&amp;ourir...</translation>
    </message>
    <message>
        <source>PNG pictures, 300 dpi</source>
        <translation>Images PNG, 300 dpi</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>Fichiers PDF</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Cards:</source>
        <translation>&amp;Cartons&#xa0;:</translation>
    </message>
    <message>
        <source>A new game</source>
        <translation>Une nouvelle partie</translation>
    </message>
    <message>
        <source>Game %1 (%2 so far)</source>
        <translation>Partie %1 (%2 jusqu’ici)</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Partie&#xa0;:</translation>
    </message>
    <message>
        <source>F&amp;irst card:</source>
        <translation>P&amp;remier carton&#xa0;:</translation>
    </message>
    <message>
        <source>Export Cards To</source>
        <translation>Exporter les cartons vers</translation>
    </message>
    <message>
        <source>Please choose the folder the cards go to.</source>
        <translation>Choisissez le dossier où vont les cartons.</translation>
    </message>
    <message>
        <source>This is a file, not a folder</source>
        <translation>C’est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Create it?</source>
        <translation>Le dossier %1 n’existe pas. Le créer&#xa0;?</translation>
    </message>
    <message>
        <source>The folder could not be created</source>
        <translation>Le dossier n’a pas pu être créé</translation>
    </message>
    <message>
        <source>Web pages (.html), to mark on a screen</source>
        <translation>Pages web (.html), à marquer sur un écran</translation>
    </message>
    <message>
        <source>Export Tickets</source>
        <translation>Exporter les tickets</translation>
    </message>
    <message>
        <source>&amp;Strips:</source>
        <translation>&amp;Bandes&#xa0;:</translation>
    </message>
    <message>
        <source>F&amp;irst strip:</source>
        <translation>P&amp;remière bande&#xa0;:</translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>another Plumwick has held it for %1 seconds; try again when it has finished</source>
        <translation>un autre Plumwick le tient depuis %1 secondes ; réessayez quand il aura fini</translation>
    </message>
</context>
<context>
    <name>FooterWords</name>
    <message>
        <source>Card</source>
        <translation>Carton</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Strip</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Ticket</translation>
    </message>
</context>
<context>
    <name>GameCode</name>
    <message>
        <source>%1 is not the code of a game: a character is mistyped</source>
        <translation>%1 n’est pas le code d’une partie&#xa0;: un caractère est mal tapé</translation>
    </message>
    <message>
        <source>%1 is not a game code (eight letters and digits, as K7F2-9QXA)</source>
        <translation>%1 n’est pas un code de partie (huit lettres et chiffres, comme K7F2-9QXA)</translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <source>it holds no list of games</source>
        <translation>il ne contient pas de liste de parties</translation>
    </message>
    <message>
        <source>The game history could not be read (%1). It was kept as %2 and a new history was started.</source>
        <translation>L’historique des parties n’a pas pu être lu (%1). Il a été conservé sous %2 et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>there is no folder for the program&apos;s data</source>
        <translation>il n’y a pas de dossier pour les données du programme</translation>
    </message>
    <message>
        <source>Game %1 was not recorded in the game history (%2). The cards are printed and the code still makes them again, but Check a Card will not know the game until it is recorded.</source>
        <translation>La partie %1 n’a pas été enregistrée dans l’historique des parties (%2). Les cartons sont imprimés et le code permet toujours de les refaire, mais «&#xa0;Vérifier un carton&#xa0;» ne connaîtra pas la partie tant qu’elle n’est pas enregistrée.</translation>
    </message>
    <message>
        <source>Game %1 (%2)</source>
        <translation>Partie %1 (%2)</translation>
    </message>
    <message>
        <source>The current list</source>
        <translation>La liste actuelle</translation>
    </message>
    <message>
        <source>Game %1 (90-ball tickets)</source>
        <translation>Partie %1 (tickets à 90 boules)</translation>
    </message>
    <message>
        <source>every game code of this list has been used on this computer</source>
        <translation>tous les codes de jeu de cette liste ont déjà servi sur cet ordinateur</translation>
    </message>
    <message>
        <source>the game history %1 can&apos;t be read (%2), and it could not be put aside</source>
        <translation>l’historique des parties %1 est illisible (%2) et n’a pas pu être mis de côté</translation>
    </message>
    <message>
        <source>No card of game %1 was dealt: the game history can&apos;t record it (%2), and a card it does not record would be dealt again.</source>
        <translation>Aucun carton de la partie %1 n’a été distribué&#xa0;: l’historique des parties ne peut pas l’enregistrer (%2), et un carton qu’il n’enregistre pas serait distribué une seconde fois.</translation>
    </message>
</context>
<context>
    <name>GameLog</name>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Quoi</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Call or prize</source>
        <translation>Annonce ou prix</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carton</translation>
    </message>
    <message>
        <source>Time or line</source>
        <translation>Heure ou ligne</translation>
    </message>
    <message>
        <source>call</source>
        <translation>annonce</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>gagnant</translation>
    </message>
    <message>
        <source>%1, after %2 calls</source>
        <translation>%1, après %2 annonces</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confirmée</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>effacée</translation>
    </message>
    <message>
        <source>taken back</source>
        <translation>annulée</translation>
    </message>
    <message>
        <source>the host&apos;s decision</source>
        <translation>décision de l’animateur</translation>
    </message>
</context>
<context>
    <name>GameRecordPdf</name>
    <message>
        <source>Game record: %1</source>
        <translation>Compte rendu de la partie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Annonces</translation>
    </message>
    <message>
        <source>No calls were made.</source>
        <translation>Aucune annonce n’a été faite.</translation>
    </message>
    <message>
        <source>First call: %1</source>
        <translation>Première annonce&#xa0;: %1</translation>
    </message>
    <message>
        <source>Prizes</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Prize %1: %2</source>
        <translation>Prix %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Not won.</source>
        <translation>Non gagné.</translation>
    </message>
    <message>
        <source>Card %1: %2, after %3 calls</source>
        <translation>Carton %1&#xa0;: %2, après %3 annonces</translation>
    </message>
    <message>
        <source>Claims</source>
        <translation>Réclamations</translation>
    </message>
    <message>
        <source>No claims were confirmed or cleared.</source>
        <translation>Aucune réclamation n’a été confirmée ni effacée.</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confirmée</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>effacée</translation>
    </message>
    <message>
        <source>Ticket %1: %2, after %3 calls</source>
        <translation>Ticket %1&#xa0;: %2, après %3 annonces</translation>
    </message>
    <message>
        <source>%1 taken back</source>
        <translation>%1 annulé</translation>
    </message>
    <message>
        <source>confirmed as the host&apos;s decision</source>
        <translation>confirmée sur décision de l’animateur</translation>
    </message>
</context>
<context>
    <name>GridAccessible</name>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
</context>
<context>
    <name>IntegerConversion</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>MissingGlyphs</name>
    <message>
        <source> and %1 more</source>
        <translation> et %1 autres</translation>
    </message>
    <message>
        <source>These words contain characters that no installed font can draw, and would print with empty boxes: %1</source>
        <translation>Ces mots contiennent des caractères qu’aucune police installée ne sait dessiner, et s’imprimeraient avec des cases vides&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>NinetyBall</name>
    <message>
        <source>row %1 holds %2 numbers, not 5</source>
        <translation>la ligne %1 a %2 numéros, pas 5</translation>
    </message>
    <message>
        <source>%1 does not belong in column %2</source>
        <translation>%1 n’a pas sa place dans la colonne %2</translation>
    </message>
    <message>
        <source>column %1 does not rise from top to bottom</source>
        <translation>la colonne %1 ne monte pas de haut en bas</translation>
    </message>
    <message>
        <source>column %1 holds no number</source>
        <translation>la colonne %1 n’a aucun numéro</translation>
    </message>
    <message>
        <source>ticket %1: %2</source>
        <translation>ticket %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is on the strip twice</source>
        <translation>%1 figure deux fois sur la bande</translation>
    </message>
    <message>
        <source>%1 is not on the strip</source>
        <translation>%1 ne figure pas sur la bande</translation>
    </message>
    <message>
        <source>Bingo: full house</source>
        <translation>Bingo&#xa0;: carton plein</translation>
    </message>
    <message>
        <source>Bingo: rows %1 and %2</source>
        <translation>Bingo&#xa0;: lignes %1 et %2</translation>
    </message>
    <message>
        <source>Bingo: row %1</source>
        <translation>Bingo&#xa0;: ligne %1</translation>
    </message>
    <message>
        <source>a full house</source>
        <translation>un carton plein</translation>
    </message>
    <message>
        <source>two lines</source>
        <translation>deux lignes</translation>
    </message>
    <message>
        <source>one line</source>
        <translation>une ligne</translation>
    </message>
    <message>
        <source>No bingo yet: 1 number missing for %1</source>
        <translation>Pas encore de bingo&#xa0;: il manque 1 numéro pour %1</translation>
    </message>
    <message>
        <source>No bingo yet: %2 numbers missing for %1</source>
        <translation>Pas encore de bingo&#xa0;: il manque %2 numéros pour %1</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>carton plein</translation>
    </message>
    <message>
        <source>rows %1 and %2</source>
        <translation>lignes %1 et %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Carton plein</translation>
    </message>
    <message>
        <source>Two lines</source>
        <translation>Deux lignes</translation>
    </message>
    <message>
        <source>One line</source>
        <translation>Une ligne</translation>
    </message>
</context>
<context>
    <name>NumberedGame</name>
    <message>
        <source>This word list gives only %1.</source>
        <translation>Cette liste de mots ne donne que %1.</translation>
    </message>
    <message>
        <source>different card</source>
        <translation>carton différent</translation>
    </message>
    <message>
        <source>different cards</source>
        <translation>cartons différents</translation>
    </message>
</context>
<context>
    <name>OwnPatterns</name>
    <message>
        <source>the file is larger than 1 MB</source>
        <translation>le fichier dépasse 1 Mo</translation>
    </message>
    <message>
        <source>Your patterns could not be read from %1: %2</source>
        <translation>Vos motifs n’ont pas pu être lus dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 could not be kept aside as %2</source>
        <translation>%1 n’a pas pu être mis de côté sous le nom %2</translation>
    </message>
</context>
<context>
    <name>PageSetupDialog</name>
    <message>
        <source>Page Setup</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>&amp;Paper for %1 (portrait):</source>
        <translation>&amp;Papier pour %1 (portrait)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>PaintBox</name>
    <message>
        <source>Sample card</source>
        <translation>Carton d’exemple</translation>
    </message>
</context>
<context>
    <name>PatternEditorDialog</name>
    <message>
        <source>Your Patterns</source>
        <translation>Mes motifs</translation>
    </message>
    <message>
        <source>Your patterns</source>
        <translation>Mes motifs</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>&amp;Any way round (turned or mirrored)</source>
        <translation>&amp;Dans tous les sens (tourné ou en miroir)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Arrow keys move over the cells; Space covers a cell or leaves it.</source>
        <translation>Les flèches parcourent les cases&#xa0;; Espace ajoute une case au motif ou l’en retire.</translation>
    </message>
    <message>
        <source>&amp;Patterns:</source>
        <translation>&amp;Motifs&#xa0;:</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>N&amp;om&#xa0;:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Cells:</source>
        <translation>&amp;Cases&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (%2 x %2)</source>
        <translation>%1 (%2 x %2)</translation>
    </message>
    <message>
        <source>The name takes one line.</source>
        <translation>Le nom tient sur une ligne.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a pattern that comes with Plumwick; choose another name.</source>
        <translation>«&#xa0;%1&#xa0;» est le nom d’un motif fourni avec Plumwick&#xa0;; choisissez un autre nom.</translation>
    </message>
    <message>
        <source>The pattern could not be saved: %1</source>
        <translation>Le motif n’a pas pu être enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Delete the pattern &quot;%1&quot;?</source>
        <translation>Supprimer le motif «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>The pattern could not be deleted: %1</source>
        <translation>Le motif n’a pas pu être supprimé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The pattern &quot;%1&quot; is saved</source>
        <translation>Le motif « %1 » est enregistré</translation>
    </message>
    <message>
        <source>Save the pattern you drew before closing?</source>
        <translation>Enregistrer le motif dessiné avant de fermer ?</translation>
    </message>
</context>
<context>
    <name>PatternPicture</name>
    <message>
        <source>Pattern: %1, any way round</source>
        <translation>Motif&#xa0;: %1, dans tous les sens</translation>
    </message>
    <message>
        <source>Pattern: %1</source>
        <translation>Motif&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Patterns</name>
    <message>
        <source>Postage stamp</source>
        <translation>Timbre-poste</translation>
    </message>
    <message>
        <source>Small frame</source>
        <translation>Petit cadre</translation>
    </message>
    <message>
        <source>Large frame</source>
        <translation>Grand cadre</translation>
    </message>
    <message>
        <source>Block of nine</source>
        <translation>Bloc de neuf</translation>
    </message>
    <message>
        <source>Plus sign</source>
        <translation>Signe plus</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Losange</translation>
    </message>
    <message>
        <source>Letter T</source>
        <translation>Lettre T</translation>
    </message>
    <message>
        <source>Crazy T</source>
        <translation>T fou</translation>
    </message>
    <message>
        <source>Letter L</source>
        <translation>Lettre L</translation>
    </message>
    <message>
        <source>Crazy L</source>
        <translation>L fou</translation>
    </message>
    <message>
        <source>Letter H</source>
        <translation>Lettre H</translation>
    </message>
    <message>
        <source>Letter E</source>
        <translation>Lettre E</translation>
    </message>
    <message>
        <source>Letter C</source>
        <translation>Lettre C</translation>
    </message>
    <message>
        <source>Letter U</source>
        <translation>Lettre U</translation>
    </message>
    <message>
        <source>Letter Z</source>
        <translation>Lettre Z</translation>
    </message>
    <message>
        <source>Letter N</source>
        <translation>Lettre N</translation>
    </message>
    <message>
        <source>Letter I</source>
        <translation>Lettre I</translation>
    </message>
    <message>
        <source>Letter P</source>
        <translation>Lettre P</translation>
    </message>
    <message>
        <source>Letter Y</source>
        <translation>Lettre Y</translation>
    </message>
    <message>
        <source>Number 7</source>
        <translation>Chiffre 7</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Cerf-volant</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Six pack</source>
        <translation>Pack de six</translation>
    </message>
    <message>
        <source>Railroad tracks</source>
        <translation>Rails</translation>
    </message>
    <message>
        <source>Top and bottom lines</source>
        <translation>Lignes du haut et du bas</translation>
    </message>
    <message>
        <source>Checkerboard</source>
        <translation>Damier</translation>
    </message>
    <message>
        <source>Sputnik</source>
        <translation>Spoutnik</translation>
    </message>
    <message>
        <source>%1 is drawn for cards of %2 x %2</source>
        <translation>%1 est dessiné pour des cartons de %2 x %2</translation>
    </message>
    <message>
        <source>The pattern has no name.</source>
        <translation>Le motif n’a pas de nom.</translation>
    </message>
    <message>
        <source>A pattern is drawn on 3, 5 or 7 rows of as many cells.</source>
        <translation>Un motif se dessine sur 3, 5 ou 7 lignes d’autant de cases.</translation>
    </message>
    <message>
        <source>The pattern covers no cell.</source>
        <translation>Le motif ne couvre aucune case.</translation>
    </message>
    <message>
        <source>The name is longer than 60 characters.</source>
        <translation>Le nom dépasse 60 caractères.</translation>
    </message>
    <message>
        <source>a row holds something other than X and .</source>
        <translation>une ligne contient autre chose que X et .</translation>
    </message>
    <message>
        <source>the rows are not all %1 long</source>
        <translation>les lignes n’ont pas toutes %1 cases</translation>
    </message>
    <message>
        <source>another pattern has this name</source>
        <translation>un autre motif porte ce nom</translation>
    </message>
    <message>
        <source>Pattern %1 (%2): %3</source>
        <translation>Motif %1 (%2)&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture is larger than 64 MB</source>
        <translation>L&apos;image dépasse 64 Mo</translation>
    </message>
    <message>
        <source>SVG pictures need Qt&apos;s SVG support (the package libqt6svg6)</source>
        <translation>Les images SVG demandent la prise en charge SVG de Qt (le paquet libqt6svg6)</translation>
    </message>
    <message>
        <source>This is not a picture that can be read</source>
        <translation>Ce n&apos;est pas une image lisible</translation>
    </message>
    <message>
        <source>The picture is larger than %1 x %1 pixels</source>
        <translation>L&apos;image dépasse %1 x %1 pixels</translation>
    </message>
    <message>
        <source>The picture could not be read: %1</source>
        <translation>L&apos;image n&apos;a pas pu être lue : %1</translation>
    </message>
    <message>
        <source>The picture is damaged: a part of it runs past the end of the file</source>
        <translation>L&apos;image est endommagée : une de ses parties dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>WebP pictures need Qt&apos;s image format plugins (the package qt6-image-formats-plugins)</source>
        <translation>Les images WebP demandent les modules de formats d&apos;image de Qt (le paquet qt6-image-formats-plugins)</translation>
    </message>
</context>
<context>
    <name>Printers</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Aucune imprimante par défaut n’est sélectionnée</translation>
    </message>
</context>
<context>
    <name>PrizesDialog</name>
    <message>
        <source>Prizes</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Prizes in turn</source>
        <translation>Prix l’un après l’autre</translation>
    </message>
    <message>
        <source>Any number, until you move on</source>
        <translation>Autant qu’il y en a, jusqu’au prix suivant</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>One Line, Two Lines, &amp;Full House</source>
        <translation>Une ligne, deux lignes, carton &amp;plein</translation>
    </message>
    <message>
        <source>Any Line, Four Corners, &amp;Full Card</source>
        <translation>Une ligne, quatre coins, carton &amp;plein</translation>
    </message>
    <message>
        <source>Dra&amp;w a Pattern...</source>
        <translation>Dessi&amp;ner un motif...</translation>
    </message>
    <message>
        <source>The game is played for each prize in turn; a confirmed claim wins the prize being played. With no prizes, the game is played for the pattern chosen beside the claims.</source>
        <translation>La partie se joue pour chaque prix l’un après l’autre&#xa0;; une réclamation confirmée gagne le prix en jeu. Sans prix, la partie se joue pour le motif choisi à côté des réclamations.</translation>
    </message>
    <message>
        <source>&amp;Prizes:</source>
        <translation>Pri&amp;x&#xa0;:</translation>
    </message>
    <message>
        <source>Pa&amp;ttern:</source>
        <translation>Mo&amp;tif&#xa0;:</translation>
    </message>
    <message>
        <source>%1: any number of winners</source>
        <translation>%1&#xa0;: autant de gagnants qu’il y en a</translation>
    </message>
    <message>
        <source>%1: one winner</source>
        <translation>%1&#xa0;: un gagnant</translation>
    </message>
    <message>
        <source>%1: %2 winners</source>
        <translation>%1&#xa0;: %2 gagnants</translation>
    </message>
    <message>
        <source>Cards that may w&amp;in it:</source>
        <translation>Cartons pouvant le &amp;gagner&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>%1 (any way round)</source>
        <translation>%1 (dans tous les sens)</translation>
    </message>
</context>
<context>
    <name>QtPrinters</name>
    <message>
        <source>Printing in progress</source>
        <translation>Impression en cours</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>Échec de l’impression</translation>
    </message>
</context>
<context>
    <name>QtShell</name>
    <message>
        <source>%1 (xdg-open ended with exit status %2)</source>
        <translation>%1 (xdg-open s’est terminé avec le code %2)</translation>
    </message>
</context>
<context>
    <name>QtSpeech</name>
    <message>
        <source>No speech engine is installed (Debian: qt6-speech-flite-plugin).</source>
        <translation>Aucun moteur de synthèse vocale n’est installé (Debian&#xa0;: qt6-speech-flite-plugin).</translation>
    </message>
    <message>
        <source>The speech engine could not start: no audio device?</source>
        <translation>Le moteur de synthèse vocale n’a pas pu démarrer&#xa0;: pas de périphérique audio&#xa0;?</translation>
    </message>
    <message>
        <source>This build of Plumwick has no speech.</source>
        <translation>Cette version de Plumwick n’a pas de synthèse vocale.</translation>
    </message>
</context>
<context>
    <name>RoomDisplay</name>
    <message>
        <source>Room Display</source>
        <translation>Affichage pour la salle</translation>
    </message>
    <message>
        <source>Last calls: %1</source>
        <translation>Dernières annonces&#xa0;: %1</translation>
    </message>
    <message>
        <source>Play on your phone:</source>
        <translation>Jouez sur votre téléphone :</translation>
    </message>
    <message>
        <source>QR code of %1</source>
        <translation>Code QR de %1</translation>
    </message>
</context>
<context>
    <name>SampleCardAccessible</name>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Claims</source>
        <translation>Annonces de bingo</translation>
    </message>
    <message>
        <source>C&amp;onfirm</source>
        <translation>&amp;Confirmer</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>N&amp;etwork:</source>
        <translation>R&amp;éseau&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (confirmed)</source>
        <translation>%1 (confirmé)</translation>
    </message>
    <message>
        <source>Only a printed game can be shared: choose it in &quot;Play&quot;.</source>
        <translation>Seule une partie imprimée peut être partagée&#xa0;: choisissez-la dans «&#xa0;Jouer&#xa0;».</translation>
    </message>
    <message>
        <source>Phones connected: %1</source>
        <translation>Téléphones connectés&#xa0;: %1</translation>
    </message>
    <message>
        <source>QR code of %1</source>
        <translation>Code QR de %1</translation>
    </message>
    <message>
        <source>Pa&amp;ttern:</source>
        <translation>&amp;Motif&#xa0;:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Places</translation>
    </message>
    <message>
        <source>Let This Seat Go</source>
        <translation>Libérer cette place</translation>
    </message>
    <message>
        <source>Let Every Seat of This Address Go</source>
        <translation>Libérer toutes les places de cette adresse</translation>
    </message>
    <message>
        <source>ticket %1</source>
        <translation>ticket %1</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>carton %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3 from this address)</source>
        <translation>%1 : %2 (%3 depuis cette adresse)</translation>
    </message>
    <message>
        <source>%1 seats let go</source>
        <translation>%1 places libérées</translation>
    </message>
    <message>
        <source>Seats:</source>
        <translation>Places :</translation>
    </message>
    <message>
        <source>Claims:</source>
        <translation>Annonces de bingo :</translation>
    </message>
    <message>
        <source>Address for the phones</source>
        <translation>Adresse pour les téléphones</translation>
    </message>
    <message>
        <source>Phones can join at %1</source>
        <translation>Les téléphones peuvent rejoindre la partie à l’adresse %1</translation>
    </message>
    <message>
        <source>The card wins with the calls made: Bingo! on every phone and the room display.</source>
        <translation>Le carton gagne avec les annonces faites&#xa0;: Bingo&#xa0;! sur chaque téléphone et sur l’affichage pour la salle.</translation>
    </message>
    <message>
        <source>Con&amp;firm Anyway</source>
        <translation>Confirmer &amp;quand même</translation>
    </message>
    <message>
        <source>The card does not win with the calls made; confirm it as your decision (a house rule, a late call). The record and the room display say it was.</source>
        <translation>Le carton ne gagne pas avec les annonces faites&#xa0;; confirmez-le comme votre décision (une règle de la maison, une annonce tardive). Le compte rendu et l’affichage pour la salle le disent.</translation>
    </message>
    <message>
        <source>%1 (the host&apos;s decision)</source>
        <translation>%1 (décision de l’animateur)</translation>
    </message>
    <message>
        <source>In a corner</source>
        <translation>Dans un coin</translation>
    </message>
    <message>
        <source>Large, in the board&apos;s place</source>
        <translation>En grand, à la place du tableau</translation>
    </message>
    <message>
        <source>Not shown</source>
        <translation>Non affiché</translation>
    </message>
    <message>
        <source>How the room display shows the address and QR code that phones join with.</source>
        <translation>Comment l’affichage pour la salle montre l’adresse et le code QR avec lesquels les téléphones rejoignent la partie.</translation>
    </message>
    <message>
        <source>&amp;Joining on the room display:</source>
        <translation>Rejoindre par télép&amp;hone, sur l’affichage pour la salle :</translation>
    </message>
</context>
<context>
    <name>ShareServer</name>
    <message>
        <source>Bingo with Plumwick</source>
        <translation>Bingo avec Plumwick</translation>
    </message>
    <message>
        <source>Get a card</source>
        <translation>Obtenir un carton</translation>
    </message>
    <message>
        <source>I have card number</source>
        <translation>J’ai le carton numéro</translation>
    </message>
    <message>
        <source>Play this card</source>
        <translation>Jouer ce carton</translation>
    </message>
    <message>
        <source>Mark calls for me</source>
        <translation>Marquer les annonces pour moi</translation>
    </message>
    <message>
        <source>%1 called</source>
        <translation>%1 annoncés</translation>
    </message>
    <message>
        <source>Waiting for the first call</source>
        <translation>En attente de la première annonce</translation>
    </message>
    <message>
        <source>Connection lost; trying again...</source>
        <translation>Connexion perdue&#xa0;; nouvel essai...</translation>
    </message>
    <message>
        <source>This is not an address to share the game on</source>
        <translation>Ce n’est pas une adresse où partager la partie</translation>
    </message>
    <message>
        <source>The game could not be shared on this address</source>
        <translation>La partie n’a pas pu être partagée sur cette adresse</translation>
    </message>
    <message>
        <source>This phone has no card in this game.</source>
        <translation>Ce téléphone n’a pas de carton dans cette partie.</translation>
    </message>
    <message>
        <source>Wait a moment before you claim again.</source>
        <translation>Attendez un instant avant d’annoncer de nouveau.</translation>
    </message>
    <message>
        <source>Get a ticket</source>
        <translation>Obtenir un ticket</translation>
    </message>
    <message>
        <source>I have ticket number</source>
        <translation>J’ai le ticket numéro</translation>
    </message>
    <message>
        <source>Play this ticket</source>
        <translation>Jouer ce ticket</translation>
    </message>
    <message>
        <source>Strip %1 · Ticket %2</source>
        <translation>Bande %1 · Ticket %2</translation>
    </message>
    <message>
        <source>check code</source>
        <translation>code de contrôle</translation>
    </message>
    <message>
        <source>Many cards were just given to phones on this connection. Wait a little and try again.</source>
        <translation>Beaucoup de cartons viennent d’être donnés à des téléphones sur cette connexion. Patientez un peu et réessayez.</translation>
    </message>
    <message>
        <source>Cards are being given out quickly. Wait a moment and try again.</source>
        <translation>Les cartons sont distribués très vite en ce moment. Patientez un instant et réessayez.</translation>
    </message>
    <message>
        <source>%1 (any way round)</source>
        <translation>%1 (dans tous les sens)</translation>
    </message>
    <message>
        <source>Several wrong check codes were just typed on this connection. Wait a little and try again.</source>
        <translation>Plusieurs codes de contrôle erronés viennent d’être saisis sur cette connexion. Patientez un peu et réessayez.</translation>
    </message>
</context>
<context>
    <name>SharedGame</name>
    <message>
        <source>This game has as many players as it takes.</source>
        <translation>Cette partie a autant de joueurs qu’elle peut en accueillir.</translation>
    </message>
    <message>
        <source>This game has no card left to deal.</source>
        <translation>Cette partie n’a plus de carton à distribuer.</translation>
    </message>
    <message>
        <source>There is no printed card %1 in this game.</source>
        <translation>Il n’y a pas de carton imprimé %1 dans cette partie.</translation>
    </message>
    <message>
        <source>Card %1 is already on another phone.</source>
        <translation>Le carton %1 est déjà sur un autre téléphone.</translation>
    </message>
    <message>
        <source>Card %1 claims bingo: verified, %2</source>
        <translation>Le carton %1 annonce bingo&#xa0;: vérifié, %2</translation>
    </message>
    <message>
        <source>Card %1 claims bingo: not yet, %2 missing</source>
        <translation>Le carton %1 annonce bingo&#xa0;: pas encore, il en manque %2</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Carton %1</translation>
    </message>
    <message>
        <source>This game has no ticket left to deal.</source>
        <translation>Cette partie n’a plus de ticket à distribuer.</translation>
    </message>
    <message>
        <source>There is no printed ticket %1 in this game.</source>
        <translation>Il n’y a pas de ticket imprimé %1 dans cette partie.</translation>
    </message>
    <message>
        <source>Ticket %1 is already on another phone.</source>
        <translation>Le ticket %1 est déjà sur un autre téléphone.</translation>
    </message>
    <message>
        <source>Ticket %1 claims bingo: verified, %2</source>
        <translation>Le ticket %1 annonce bingo&#xa0;: vérifié, %2</translation>
    </message>
    <message>
        <source>Ticket %1 claims bingo: not yet, %2 missing</source>
        <translation>Le ticket %1 annonce bingo&#xa0;: pas encore, il en manque %2</translation>
    </message>
    <message>
        <source>Type the check code printed under card %1, after &quot;%2&quot;.</source>
        <translation>Saisissez le code de contrôle imprimé sous le carton %1, après « %2 ».</translation>
    </message>
    <message>
        <source>That is not the check code of card %1: it is printed under the card, after &quot;%2&quot;.</source>
        <translation>Ce n’est pas le code de contrôle du carton %1 : il est imprimé sous le carton, après « %2 ».</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>%1 could not be opened: no program here opens it</source>
        <translation>%1 n’a pas pu être ouvert&#xa0;: aucun programme ici ne l’ouvre</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>only one word list, please</source>
        <translation>une seule liste de mots, s’il vous plaît</translation>
    </message>
    <message>
        <source>Usage: plumwick [LIST.pwk]
Designs and prints bingo cards. Starts with the word list LIST.pwk opened, when given.

  -h, --help     show this help and exit
      --version  show the version and exit

Qt&apos;s own options work as in every Qt program: -style NAME, -stylesheet FILE, -reverse,
-platform NAME and the others; after -- nothing is an option.

Settings are kept in ~/.local/share/Plumwick/Options.ini. For printing from a shell,
see plumwick-print --help.
</source>
        <translation>Usage : plumwick [LISTE.pwk]
Conçoit et imprime des cartons de bingo. Ouvre au départ la liste de mots LISTE.pwk, si elle est donnée.

  -h, --help     afficher cette aide et quitter
      --version  afficher la version et quitter

Les options propres à Qt fonctionnent comme dans tout programme Qt : -style NOM, -stylesheet FICHIER,
-reverse, -platform NOM et les autres ; après -- plus rien n’est une option.

Les réglages sont conservés dans ~/.local/share/Plumwick/Options.ini. Pour imprimer depuis un shell,
voir plumwick-print --help.
</translation>
    </message>
</context>
<context>
    <name>TFrmAbout</name>
    <message>
        <source>About Plumwick</source>
        <translation>À propos de Plumwick</translation>
    </message>
    <message>
        <source>© 2026 The Plumwick developers.</source>
        <translation>© 2026 Développeurs de Plumwick.</translation>
    </message>
    <message>
        <source>Free software: GNU GPL 3 or later.</source>
        <translation>Logiciel libre&#xa0;: GNU GPL 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>Plumwick version %1</source>
        <translation>Plumwick version %1</translation>
    </message>
    <message>
        <source>Website: </source>
        <translation>Site web&#xa0;: </translation>
    </message>
    <message>
        <source>Support Email: </source>
        <translation>Assistance&#xa0;: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Plumwick&apos;s icon: a bingo card</source>
        <translation>L’icône de Plumwick : un carton de bingo</translation>
    </message>
</context>
<context>
    <name>TFrmFonts</name>
    <message>
        <source>Font Options</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nom&#xa0;: </translation>
    </message>
    <message>
        <source>Size: </source>
        <translation>Taille&#xa0;: </translation>
    </message>
    <message>
        <source>Font Test</source>
        <translation>Essai de police</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Font name</source>
        <translation>Nom de la police</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de la police</translation>
    </message>
</context>
<context>
    <name>TFrmMain</name>
    <message>
        <source>Tip: To make your own card list, please type words in the text box, then press Enter or Add button. If you want to delete a word, please select it from the dropdown list and click Delete button. When all words are added, please click Print button in the toolbar to print it.</source>
        <translation>Astuce&#xa0;: tapez des mots dans la zone de texte, puis Entrée ou «&#xa0;Ajouter&#xa0;». Pour supprimer un mot, choisissez-le dans la liste, puis «&#xa0;Supprimer&#xa0;». Quand tout y est, cliquez sur «&#xa0;Imprimer&#xa0;» dans la barre d’outils.</translation>
    </message>
    <message>
        <source>Plumwick</source>
        <translation>Plumwick</translation>
    </message>
    <message>
        <source>Export anyway?</source>
        <translation>Exporter quand même&#xa0;?</translation>
    </message>
    <message>
        <source>%1 of these files are already in %2 (%3 ...). Replace them?</source>
        <translation>%1 de ces fichiers sont déjà dans %2 (%3 ...). Les remplacer&#xa0;?</translation>
    </message>
    <message>
        <source> %1 of them are links: each link is replaced by its card, and the file it leads to is left as it is.</source>
        <translation> %1 d’entre eux sont des liens&#xa0;: chaque lien est remplacé par son carton, et le fichier vers lequel il mène reste tel quel.</translation>
    </message>
    <message>
        <source>Exporting card %1 of %2</source>
        <translation>Export du carton %1 sur %2</translation>
    </message>
    <message>
        <source>Export cancelled: %1 of %2 written to %3.</source>
        <translation>Export annulé&#xa0;: %1 sur %2 écrits dans %3.</translation>
    </message>
    <message>
        <source>Cards %1 to %2 of game %3 were exported to %4.</source>
        <translation>Les cartons %1 à %2 de la partie %3 ont été exportés dans %4.</translation>
    </message>
    <message>
        <source>1 card was exported to %2.</source>
        <translation>1 carton a été exporté dans %2.</translation>
    </message>
    <message>
        <source>%1 cards were exported to %2.</source>
        <translation>%1 cartons ont été exportés dans %2.</translation>
    </message>
    <message>
        <source>The sample bingo card doesn&apos;t exist, please re-install the software and try it again.</source>
        <translation>La liste d’exemple est introuvable. Réinstallez le logiciel et réessayez.</translation>
    </message>
    <message>
        <source>Save Bingo Card</source>
        <translation>Enregistrer le carton de bingo</translation>
    </message>
    <message>
        <source>Plumwick File (*.pwk)|*.pwk|All Files (*.*)|*.*</source>
        <translation>Fichier Plumwick (*.pwk)|*.pwk|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Select Bingo Card</source>
        <translation>Choisir un carton de bingo</translation>
    </message>
    <message>
        <source>Plumwick File(*.pwk)|*.pwk|All Files (*.*)|*.*</source>
        <translation>Fichier Plumwick (*.pwk)|*.pwk|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
    <message>
        <source>%1 opened: %2</source>
        <translation>%1 ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>Do you want to save current bingo card?</source>
        <translation>Voulez-vous enregistrer le carton de bingo actuel&#xa0;?</translation>
    </message>
    <message>
        <source>Game %1 (the current list)</source>
        <translation>Partie %1 (la liste actuelle)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Recent Lists</source>
        <translation>Listes &amp;récentes</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>E&amp;dit Words...</source>
        <translation>&amp;Modifier les mots...</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Mise en &amp;page...</translation>
    </message>
    <message>
        <source>Expor&amp;t Cards...</source>
        <translation>E&amp;xporter les cartons...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print &amp;Call List</source>
        <translation>Imprimer la liste d’&amp;appel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Police</translation>
    </message>
    <message>
        <source>&amp;Number the Cards</source>
        <translation>&amp;Numéroter les cartons</translation>
    </message>
    <message>
        <source>&amp;Same Text Size</source>
        <translation>Même &amp;taille de texte</translation>
    </message>
    <message>
        <source>&amp;Samples</source>
        <translation>&amp;Exemples</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Call Words...</source>
        <translation>&amp;Annoncer les mots...</translation>
    </message>
    <message>
        <source>C&amp;heck a Card...</source>
        <translation>&amp;Vérifier un carton...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Homepage</source>
        <translation>Site &amp;web</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Sample Card:</source>
        <translation>Carton d’exemple&#xa0;:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Card Size: </source>
        <translation>Taille&#xa0;: </translation>
    </message>
    <message>
        <source>Use Free Space </source>
        <translation>Case libre </translation>
    </message>
    <message>
        <source>Text: </source>
        <translation>Texte&#xa0;: </translation>
    </message>
    <message>
        <source>Use Column Heading</source>
        <translation>En-tête de colonnes</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Retour à la ligne</translation>
    </message>
    <message>
        <source>Printer To Use: </source>
        <translation>Imprimante&#xa0;: </translation>
    </message>
    <message>
        <source>Number of Bingo Card: </source>
        <translation>Nombre de cartons&#xa0;: </translation>
    </message>
    <message>
        <source>Bingo Cards Per Page: </source>
        <translation>Cartons par page&#xa0;: </translation>
    </message>
    <message>
        <source>Free space text</source>
        <translation>Texte de la case libre</translation>
    </message>
    <message>
        <source>Column heading text</source>
        <translation>Texte de l’en-tête des colonnes</translation>
    </message>
    <message>
        <source>Number of bingo cards</source>
        <translation>Nombre de cartons de bingo</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Type a word or phrase; Enter adds it to the list. The list opens below.</source>
        <translation>Tapez un mot ou une expression&#xa0;; Entrée l’ajoute à la liste. La liste s’ouvre en dessous.</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Taille du carton</translation>
    </message>
    <message>
        <source>Printer to use</source>
        <translation>Imprimante à utiliser</translation>
    </message>
    <message>
        <source>Bingo cards per page</source>
        <translation>Cartons de bingo par page</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>The list %1 no longer exists. It has been removed from the recent lists.</source>
        <translation>La liste %1 n’existe plus. Elle a été retirée des listes récentes.</translation>
    </message>
    <message>
        <source>1 of these words is already in the list. Add it again?</source>
        <translation>1 de ces mots est déjà dans la liste. L’ajouter encore&#xa0;?</translation>
    </message>
    <message>
        <source>%1 of these words are already in the list. Add them again?</source>
        <translation>%1 de ces mots sont déjà dans la liste. Les ajouter encore&#xa0;?</translation>
    </message>
    <message>
        <source>%1 added: %2</source>
        <translation>%1 ajouté&#xa0;: %2</translation>
    </message>
    <message>
        <source>: a %1 x %1 card needs %2</source>
        <translation>&#xa0;: un carton de %1 x %1 en demande %2</translation>
    </message>
    <message>
        <source> ⚠ 1 word can&apos;t be drawn</source>
        <translation> ⚠ 1 mot ne peut pas être dessiné</translation>
    </message>
    <message>
        <source> ⚠ %1 words can&apos;t be drawn</source>
        <translation> ⚠ %1 mots ne peuvent pas être dessinés</translation>
    </message>
    <message>
        <source>The printer %1 is no longer there, so nothing was printed. Choose another printer in &quot;Printer To Use&quot;</source>
        <translation>L’imprimante %1 n’est plus là, rien n’a donc été imprimé. Choisissez une autre imprimante dans «&#xa0;Imprimante&#xa0;»</translation>
    </message>
    <message>
        <source>Print anyway?</source>
        <translation>Imprimer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Printing card %1 of %2</source>
        <translation>Impression du carton %1 sur %2</translation>
    </message>
    <message>
        <source>Printing done: %1</source>
        <translation>Impression terminée&#xa0;: %1</translation>
    </message>
    <message>
        <source>These cards belong to game %1. Keep the code to check a winning card.</source>
        <translation>Ces cartons appartiennent à la partie %1. Gardez le code pour vérifier un carton gagnant.</translation>
    </message>
    <message>
        <source>Save PDF</source>
        <translation>Enregistrer le PDF</translation>
    </message>
    <message>
        <source>%1 is the word list that is open. Choose another name for the PDF file.</source>
        <translation>%1 est la liste de mots ouverte. Choisissez un autre nom pour le fichier PDF.</translation>
    </message>
    <message>
        <source>Printing word %1 of %2</source>
        <translation>Impression du mot %1 sur %2</translation>
    </message>
    <message>
        <source>The printer %1 offers no paper sizes to choose from.</source>
        <translation>L’imprimante %1 ne propose aucun format de papier.</translation>
    </message>
    <message>
        <source>Please don&apos;t add an empty string.</source>
        <translation>N’ajoutez pas de texte vide.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; has already been added into the list, do you want to add it again?</source>
        <translation>Le mot «&#xa0;%1&#xa0;» est déjà dans la liste. Voulez-vous l’ajouter encore&#xa0;?</translation>
    </message>
    <message>
        <source>Please select the string you want to delete firstly.</source>
        <translation>Choisissez d’abord le mot à supprimer.</translation>
    </message>
    <message>
        <source>%1 deleted: %2</source>
        <translation>%1 supprimé&#xa0;: %2</translation>
    </message>
    <message>
        <source>The numbers 1 to 90</source>
        <translation>Les nombres 1 à 90</translation>
    </message>
    <message>
        <source>&amp;90-Ball Tickets</source>
        <translation>Tickets à &amp;90 boules</translation>
    </message>
    <message>
        <source>The numbers 1 to 90, six tickets a strip</source>
        <translation>Les nombres 1 à 90, six tickets par bande</translation>
    </message>
    <message>
        <source>Sample Strip:</source>
        <translation>Bande d’exemple&#xa0;:</translation>
    </message>
    <message>
        <source>Sample strip</source>
        <translation>Bande d’exemple</translation>
    </message>
    <message>
        <source>Number of Strips: </source>
        <translation>Nombre de bandes&#xa0;: </translation>
    </message>
    <message>
        <source>Strips Per Page: </source>
        <translation>Bandes par page&#xa0;: </translation>
    </message>
    <message>
        <source>Number of strips</source>
        <translation>Nombre de bandes</translation>
    </message>
    <message>
        <source>Strips per page</source>
        <translation>Bandes par page</translation>
    </message>
    <message>
        <source>2: two strips side by side on a landscape page</source>
        <translation>2&#xa0;: deux bandes côte à côte sur une page à l’italienne</translation>
    </message>
    <message>
        <source>90-ball tickets: strips of six tickets of the numbers 1 to 90</source>
        <translation>Tickets à 90 boules&#xa0;: bandes de six tickets des nombres 1 à 90</translation>
    </message>
    <message>
        <source>Bingo cards</source>
        <translation>Cartons de bingo</translation>
    </message>
    <message>
        <source>Printing strip %1 of %2</source>
        <translation>Impression de la bande %1 sur %2</translation>
    </message>
    <message>
        <source>These tickets belong to game %1. Keep the code to check a winning ticket.</source>
        <translation>Ces tickets appartiennent à la partie %1. Gardez le code pour vérifier un ticket gagnant.</translation>
    </message>
    <message>
        <source>Exporting strip %1 of %2</source>
        <translation>Exportation de la bande %1 sur %2</translation>
    </message>
    <message>
        <source>Strips %1 to %2 of game %3 were exported to %4, a file a ticket.</source>
        <translation>Les bandes %1 à %2 de la partie %3 ont été exportées vers %4, un fichier par ticket.</translation>
    </message>
    <message>
        <source>%1 were exported to %2, a file a ticket.</source>
        <translation>%1 exportées vers %2, un fichier par ticket.</translation>
    </message>
    <message>
        <source>&amp;Room Display</source>
        <translation>Affichage pour la &amp;salle</translation>
    </message>
    <message>
        <source>Your &amp;Patterns...</source>
        <translation>&amp;Mes motifs...</translation>
    </message>
    <message>
        <source>Card &amp;Design...</source>
        <translation>Présentation du &amp;carton...</translation>
    </message>
    <message>
        <source>Open Picture &amp;Folder...</source>
        <translation>Ouvrir un &amp;dossier d&apos;images...</translation>
    </message>
    <message>
        <source>Add P&amp;icture...</source>
        <translation>Ajou&amp;ter une image...</translation>
    </message>
    <message>
        <source>These pictures can&apos;t be shown; their cells show their captions:
%1</source>
        <translation>Ces images ne peuvent pas être affichées ; leurs cases montrent leurs légendes :
%1</translation>
    </message>
    <message>
        <source>Open a Folder of Pictures</source>
        <translation>Ouvrir un dossier d&apos;images</translation>
    </message>
    <message>
        <source>There are no pictures in %1 (PNG, JPEG, SVG, GIF, BMP or WebP).</source>
        <translation>%1 ne contient aucune image (PNG, JPEG, SVG, GIF, BMP ou WebP).</translation>
    </message>
    <message>
        <source>Add a Picture</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg *.gif *.bmp *.webp)|*.png;*.jpg;*.jpeg;*.svg;*.gif;*.bmp;*.webp|All Files (*.*)|*.*</source>
        <translation>Images (*.png *.jpg *.jpeg *.svg *.gif *.bmp *.webp)|*.png;*.jpg;*.jpeg;*.svg;*.gif;*.bmp;*.webp|Tous les fichiers (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nom de fichier non valide</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>This is a folder, not a file</source>
        <translation>C’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>This is a device or a pipe, not a file</source>
        <translation>C’est un périphérique ou un tube, pas un fichier</translation>
    </message>
    <message>
        <source>Nothing reads from this pipe or device</source>
        <translation>Rien ne lit ce tube ou ce périphérique</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>File cannot be read now (reading it would wait)</source>
        <translation>Le fichier ne peut pas être lu maintenant (la lecture attendrait)</translation>
    </message>
    <message>
        <source>File too large (the limit is %1 MB)</source>
        <translation>Fichier trop grand (la limite est de %1 Mo)</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erreur d’E/S %1</translation>
    </message>
</context>
<context>
    <name>TicketCheck</name>
    <message>
        <source>Please type the game code printed on the ticket (as K7F2-9QXA).</source>
        <translation>Veuillez taper le code de partie imprimé sur le ticket (comme K7F2-9QXA).</translation>
    </message>
    <message>
        <source>%1 is the code of a game of cards, not of tickets</source>
        <translation>%1 est le code d’une partie de cartons, pas de tickets</translation>
    </message>
    <message>
        <source>Game %1 has %2 (tickets 1 to %3); there is no ticket %4 on strip %5</source>
        <translation>La partie %1 a %2 (tickets 1 à %3)&#xa0;; il n’y a pas de ticket %4 sur la bande %5</translation>
    </message>
    <message>
        <source>There is no ticket %1 on strip %2</source>
        <translation>Il n’y a pas de ticket %1 sur la bande %2</translation>
    </message>
    <message>
        <source>This computer has no record of game %1, so it cannot confirm how many strips the game has.</source>
        <translation>Cet ordinateur n’a pas de trace de la partie %1 et ne peut donc pas confirmer combien de bandes elle compte.</translation>
    </message>
</context>
<context>
    <name>TicketGridView</name>
    <message>
        <source>Checked ticket</source>
        <translation>Ticket vérifié</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>, called</source>
        <translation>, annoncé</translation>
    </message>
    <message>
        <source>, not called</source>
        <translation>, non annoncé</translation>
    </message>
    <message>
        <source>, in a winning row</source>
        <translation>, dans une ligne gagnante</translation>
    </message>
</context>
<context>
    <name>TicketPrinting</name>
    <message>
        <source>Ticket %1.</source>
        <translation>Ticket %1.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Ligne %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>TicketWebPage</name>
    <message>
        <source>Clear every mark on this ticket?</source>
        <translation>Effacer toutes les marques de ce ticket&#xa0;?</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
</context>
<context>
    <name>TraditionalCalls</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>WinPatterns</name>
    <message>
        <source>No bingo yet: %1 %2 missing for %3</source>
        <translation>Pas encore de bingo&#xa0;: il manque %1 %2 pour %3</translation>
    </message>
    <message>
        <source>word</source>
        <translation>mot</translation>
    </message>
    <message>
        <source>words</source>
        <translation>mots</translation>
    </message>
    <message>
        <source>Bingo: %1</source>
        <translation>Bingo&#xa0;: %1</translation>
    </message>
    <message>
        <source>four corners</source>
        <translation>quatre coins</translation>
    </message>
    <message>
        <source>the four corners</source>
        <translation>les quatre coins</translation>
    </message>
    <message>
        <source>full card</source>
        <translation>carton plein</translation>
    </message>
    <message>
        <source>the full card</source>
        <translation>le carton plein</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>the X</source>
        <translation>le X</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>diagonal</source>
        <translation>diagonale</translation>
    </message>
    <message>
        <source>the best line</source>
        <translation>la meilleure ligne</translation>
    </message>
    <message>
        <source>Any line</source>
        <translation>Une ligne</translation>
    </message>
    <message>
        <source>Four corners</source>
        <translation>Quatre coins</translation>
    </message>
    <message>
        <source>Full card</source>
        <translation>Carton plein</translation>
    </message>
</context>
<context>
    <name>WordListFormat</name>
    <message>
        <source>%1 is not a word list</source>
        <translation>%1 n’est pas une liste de mots</translation>
    </message>
</context>
<context>
    <name>WordListModel</name>
    <message>
        <source>Picture: %1</source>
        <translation>Image : %1</translation>
    </message>
</context>
<context>
    <name>WordsEditorDialog</name>
    <message>
        <source>Edit Words</source>
        <translation>Modifier les mots</translation>
    </message>
    <message>
        <source>One &amp;word or phrase per line:</source>
        <translation>Un &amp;mot ou une expression par ligne&#xa0;:</translation>
    </message>
    <message>
        <source>Discard the changes you made to the words?</source>
        <translation>Abandonner les modifications apportées aux mots&#xa0;?</translation>
    </message>
    <message>
        <source>1 word</source>
        <translation>1 mot</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 mots</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 (try --help)</source>
        <translation>%1 (voir --help)</translation>
    </message>
</context>
</TS>
