<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BatchGame</name>
    <message>
        <source>%1, on %2 x %2 cards</source>
        <translation>%1, auf Karten von %2 x %2</translation>
    </message>
    <message>
        <source>%1, any way round</source>
        <translation>%1, in jeder Lage</translation>
    </message>
    <message>
        <source>This computer has no record of game %1.</source>
        <translation>Dieser Computer kennt das Spiel %1 nicht.</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <source>invalid value for %1: &apos;%2&apos; (%3)</source>
        <translation>ungültiger Wert für %1: „%2“ (%3)</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>option %1 needs a value, and it was empty</source>
        <translation>Option %1 braucht einen Wert, und er war leer</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>Option %1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>a whole number from 1 to 99999</source>
        <translation>eine ganze Zahl von 1 bis 99999</translation>
    </message>
    <message>
        <source>1, 2 or 4</source>
        <translation>1, 2 oder 4</translation>
    </message>
    <message>
        <source>3, 5 or 7</source>
        <translation>3, 5 oder 7</translation>
    </message>
    <message>
        <source>a whole number of points from 1 to 1600</source>
        <translation>eine ganze Zahl von Punkten von 1 bis 1600</translation>
    </message>
    <message>
        <source>a whole number from 0 to 4294967295</source>
        <translation>eine ganze Zahl von 0 bis 4294967295</translation>
    </message>
    <message>
        <source>a card number from 1 to 100000</source>
        <translation>eine Kartennummer von 1 bis 100000</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>no word list given</source>
        <translation>keine Wortliste angegeben</translation>
    </message>
    <message>
        <source>only one word list, please</source>
        <translation>bitte nur eine Wortliste</translation>
    </message>
    <message>
        <source>--check needs --card N and --called FILE</source>
        <translation>--check braucht --card N und --called DATEI</translation>
    </message>
    <message>
        <source>--card and --called go with --check</source>
        <translation>--card und --called gehören zu --check</translation>
    </message>
    <message>
        <source>--numbered makes a new game: leave out --game and --seed</source>
        <translation>--numbered beginnt ein neues Spiel: --game und --seed weglassen</translation>
    </message>
    <message>
        <source>choose either --output or --printer</source>
        <translation>entweder --output oder --printer wählen</translation>
    </message>
    <message>
        <source>png, pdf or html</source>
        <translation>png, pdf oder html</translation>
    </message>
    <message>
        <source>tickets are counted in strips of six: use --strips N, not --cards</source>
        <translation>Scheine werden in Streifen zu sechs gezählt: --strips N verwenden, nicht --cards</translation>
    </message>
    <message>
        <source>tickets print 1 or 2 strips a page, not 4</source>
        <translation>Scheine drucken 1 oder 2 Streifen pro Seite, nicht 4</translation>
    </message>
    <message>
        <source>tickets have no card size, free space, heading or shared text size</source>
        <translation>Scheine haben keine Kartengröße, kein freies Feld, keine Überschrift und keine gemeinsame Textgröße</translation>
    </message>
    <message>
        <source>line, two-lines or full-house</source>
        <translation>line, two-lines oder full-house</translation>
    </message>
    <message>
        <source>a ticket is checked with --ticket T (and --strip N), not --card</source>
        <translation>ein Schein wird mit --ticket T (und --strip N) geprüft, nicht mit --card</translation>
    </message>
    <message>
        <source>--check with --tickets needs --ticket T and --called FILE</source>
        <translation>--check mit --tickets braucht --ticket T und --called DATEI</translation>
    </message>
    <message>
        <source>--strip, --ticket and --called go with --check</source>
        <translation>--strip, --ticket und --called gehören zu --check</translation>
    </message>
    <message>
        <source>a strip holds tickets 1 to 6</source>
        <translation>ein Streifen hat die Scheine 1 bis 6</translation>
    </message>
    <message>
        <source>a whole number from 1 to 16666</source>
        <translation>eine ganze Zahl von 1 bis 16666</translation>
    </message>
    <message>
        <source>a strip number from 1 to 16667</source>
        <translation>eine Streifennummer von 1 bis 16667</translation>
    </message>
    <message>
        <source>a ticket number from 1 to 100002</source>
        <translation>eine Scheinnummer von 1 bis 100002</translation>
    </message>
    <message>
        <source>--strips and --strip go with --tickets</source>
        <translation>--strips und --strip gehören zu --tickets</translation>
    </message>
    <message>
        <source>--more goes with --game, for cards or strips to print or export</source>
        <translation>--more gehört zu --game, für Karten oder Streifen zum Drucken oder Exportieren</translation>
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
        <translation>Aufruf: plumwick-print [Optionen] LISTE.pwk
Druckt Bingokarten einer Wortliste, wie Plumwick sie druckt, in eine PDF-Datei oder auf einen Drucker.

  -o, --output DATEI.pdf     eine PDF schreiben (Standard; LISTE.pdf, wenn nicht angegeben)
  -P, --printer NAME         stattdessen auf diesem Systemdrucker drucken
      --cards N              wie viele Karten, 1 bis 99999 (Standard 1)
      --per-page 1|2|4       Karten pro Seite (Standard 1)
      --size 3|5|7           Felder pro Seite der Karte
      --free-space[=TEXT]    ein freies Feld in der Mitte, mit seinem Text
      --no-free-space        kein freies Feld
      --heading[=TEXT]       eine Überschriftenzeile, mit ihren Buchstaben
      --no-heading           keine Überschriftenzeile
      --word-wrap            ein Ausdruck darf zwei Zeilen nehmen
      --no-word-wrap         ein Ausdruck bleibt auf einer Zeile
      --same-text-size       jedes Wort des Auftrags in einer Größe (--no-same-text-size: jedes für sich eingepasst)
      --font SCHRIFT         die Schrift der Karte
      --font-size PUNKTE     die Textgröße der Karte, 1 bis 1600
      --paper NAME           das Papier der PDF: %1
      --export ORDNER        eine Datei pro Karte in ORDNER (card-0001.png ...) statt einer PDF
      --format png|pdf|html  die Dateien, die --export schreibt (Standard png, 300 dpi; html: eine
                             Webseite, auf der Spieler durch Tippen markieren)
      --call-list            die Ausrufliste statt der Karten drucken
      --seed N               dasselbe N ergibt dieselben Karten, Lauf für Lauf
      --numbered             ein Spiel drucken: nummerierte Karten und ein Spielcode
                             (auf die Standardausgabe geschrieben)
      --game CODE            die Karten dieses Spiels noch einmal drucken (oder seine Ausrufliste)
      --more                 mit --game: die nächsten Karten des Spiels, die noch niemand hatte
      --check CODE           eine Karte dieses Spiels mit den ausgerufenen Wörtern markiert zeigen
                             und sagen, ob sie gewinnt (Status 0: Bingo, 4: noch nicht)
      --card N               die zu prüfende Karte
      --called DATEI         die bisher ausgerufenen Wörter, eines pro Zeile
      --pattern NAME         das Gewinnmuster: line (Standard), corners, x, full, eine benannte
                             Form (postage-stamp, letter-t ...) oder ein eigenes Muster
      --patterns             die Muster auflisten, die --pattern nimmt, und beenden
      --record CODE          das Spielprotokoll schreiben, wie der Ausrufer es gespeichert hat
                             (Ausrufe mit Zeiten, Gewinne, Gewinner, Meldungen): -o DATEI.pdf oder DATEI.csv

90-Ball-Scheine (keine LISTE nötig; eine angegebene Liste muss die Zahlen 1 bis 90 sein):
      --tickets              Streifen zu sechs Scheinen statt Karten drucken
      --strips N             wie viele Streifen, 1 bis 16666 (Standard 1)
      --per-page 1|2         Streifen pro Seite: 1 hochkant, 2 nebeneinander im Querformat
      --check CODE --strip N --ticket T   Schein T (1 bis 6) von Streifen N eines Spiels prüfen;
                             --ticket allein zählt die Scheine durch das ganze Spiel
      --pattern line|two-lines|full-house   womit ein Schein gewinnt (Standard line)

  -q, --quiet                kein Fortschritt auf der Standardfehlerausgabe
  -h, --help                 diese Hilfe zeigen und beenden
      --version              die Version zeigen und beenden

Nicht angegebene Optionen kommen aus den Einstellungen von Plumwick (~/.local/share/Plumwick/Options.ini).
</translation>
    </message>
    <message>
        <source>--record takes a game code and -o FILE.pdf or FILE.csv alone</source>
        <translation>--record nimmt nur einen Spielcode und -o DATEI.pdf oder DATEI.csv</translation>
    </message>
    <message>
        <source>--patterns lists the patterns</source>
        <translation>--patterns listet die Muster auf</translation>
    </message>
</context>
<context>
    <name>BatchPrint</name>
    <message>
        <source>a %1 x %1 card with a free space</source>
        <translation>eine %1-x-%1-Karte mit freiem Feld</translation>
    </message>
    <message>
        <source>a %1 x %1 card</source>
        <translation>eine %1-x-%1-Karte</translation>
    </message>
    <message>
        <source>card %1 of %2</source>
        <translation>Karte %1 von %2</translation>
    </message>
    <message>
        <source>%1 is already there; remove it or export to another folder</source>
        <translation>%1 gibt es schon; entfernen Sie die Datei oder exportieren Sie in einen anderen Ordner</translation>
    </message>
    <message>
        <source>the output %1 is the word list %2 itself; choose another output file</source>
        <translation>die Ausgabe %1 ist die Wortliste %2 selbst; wählen Sie eine andere Ausgabedatei</translation>
    </message>
    <message>
        <source>%1 has %2 words; %3 needs %4</source>
        <translation>%1 hat %2 Wörter; %3 braucht %4</translation>
    </message>
    <message>
        <source>no printer named &apos;%1&apos;</source>
        <translation>kein Drucker namens „%1“</translation>
    </message>
</context>
<context>
    <name>BatchTickets</name>
    <message>
        <source>%1 is the code of a game of cards, not of tickets; leave out --tickets</source>
        <translation>%1 ist der Code eines Spiels mit Karten, nicht mit Scheinen; --tickets weglassen</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number from 1 to 90</source>
        <translation>%1: „%2“ ist keine Zahl von 1 bis 90</translation>
    </message>
    <message>
        <source>Strip %1, ticket %2 of game %3</source>
        <translation>Streifen %1, Schein %2 von Spiel %3</translation>
    </message>
    <message>
        <source>%1 is not the numbers 1 to 90; tickets are always of those numbers, so leave the list out</source>
        <translation>%1 sind nicht die Zahlen 1 bis 90; Scheine tragen immer diese Zahlen, also die Liste weglassen</translation>
    </message>
    <message>
        <source>--more with --tickets exports the strips: give --export DIR</source>
        <translation>--more mit --tickets exportiert die Streifen: geben Sie --export ORDNER an</translation>
    </message>
</context>
<context>
    <name>CallerBoard</name>
    <message>
        <source>Board</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>, called</source>
        <translation>, ausgerufen</translation>
    </message>
    <message>
        <source>, not called</source>
        <translation>, nicht ausgerufen</translation>
    </message>
</context>
<context>
    <name>CallerWindow</name>
    <message>
        <source>Call Words</source>
        <translation>Wörter ausrufen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zurücknehmen</translation>
    </message>
    <message>
        <source>New &amp;Game</source>
        <translation>Neues &amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Check a Card...</source>
        <translation>Karte &amp;prüfen...</translation>
    </message>
    <message>
        <source>&amp;Read Aloud</source>
        <translation>&amp;Vorlesen</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>Sp&amp;iel:</translation>
    </message>
    <message>
        <source>No speech here.</source>
        <translation>Keine Sprachausgabe vorhanden.</translation>
    </message>
    <message>
        <source>The current list</source>
        <translation>Die aktuelle Liste</translation>
    </message>
    <message>
        <source>Game %1: %2 (%3)</source>
        <translation>Spiel %1: %2 (%3)</translation>
    </message>
    <message>
        <source>This game was stopped after %1 calls. Go on where it stopped?</source>
        <translation>Dieses Spiel wurde nach %1 Ausrufen unterbrochen. Dort weitermachen?</translation>
    </message>
    <message>
        <source>%1. %2 of %2 called, the game is complete</source>
        <translation>%1. %2 von %2 ausgerufen, das Spiel ist vollständig</translation>
    </message>
    <message>
        <source>%1 taken back</source>
        <translation>%1 zurückgenommen</translation>
    </message>
    <message>
        <source>Start a new game? The %1 calls so far are cleared.</source>
        <translation>Ein neues Spiel beginnen? Die bisherigen %1 Ausrufe werden gelöscht.</translation>
    </message>
    <message>
        <source>The calls could not be saved (%1). The game goes on here, and the calls are saved as soon as that works again</source>
        <translation>Die Ausrufe konnten nicht gespeichert werden (%1). Das Spiel geht hier weiter, und die Ausrufe werden gespeichert, sobald das wieder geht</translation>
    </message>
    <message>
        <source>This list has no words to call</source>
        <translation>Diese Liste hat keine Wörter zum Ausrufen</translation>
    </message>
    <message>
        <source>Press Space to call</source>
        <translation>Leertaste drücken zum Ausrufen</translation>
    </message>
    <message>
        <source>%1 of %2 called</source>
        <translation>%1 von %2 ausgerufen</translation>
    </message>
    <message>
        <source>Last calls: %1</source>
        <translation>Letzte Ausrufe: %1</translation>
    </message>
    <message>
        <source>&amp;Share on this network</source>
        <translation>Im &amp;Netzwerk teilen</translation>
    </message>
    <message>
        <source>Phones in the room get cards of this game and see every call; their claims are checked here.</source>
        <translation>Telefone im Raum bekommen Karten dieses Spiels und sehen jeden Ausruf; ihr Bingo wird hier geprüft.</translation>
    </message>
    <message>
        <source>Tra&amp;ditional Calls</source>
        <translation>Traditionelle &amp;Ausrufe</translation>
    </message>
    <message>
        <source>Calls such as &quot;Two little ducks, 22&quot;, from a list you can edit: %1</source>
        <translation>Ausrufe wie „Two little ducks, 22“, aus einer Liste, die Sie bearbeiten können: %1</translation>
    </message>
    <message>
        <source>Game %1: 90-ball tickets (%2)</source>
        <translation>Spiel %1: 90-Ball-Scheine (%2)</translation>
    </message>
    <message>
        <source>Another claim: see the list of claims</source>
        <translation>Noch ein Bingo-Ruf: siehe die Liste der Rufe</translation>
    </message>
    <message>
        <source>%1 more claims: see the list of claims</source>
        <translation>%1 weitere Bingo-Rufe: siehe die Liste der Rufe</translation>
    </message>
    <message>
        <source>%1: checked</source>
        <translation>%1: aktiviert</translation>
    </message>
    <message>
        <source>%1: not checked</source>
        <translation>%1: nicht aktiviert</translation>
    </message>
    <message>
        <source>Calls the next word on its own after the seconds given; Space pauses and resumes.</source>
        <translation>Ruft nach den angegebenen Sekunden von selbst das nächste Wort aus; die Leertaste hält an und setzt fort.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Seconds between calls</source>
        <translation>Sekunden zwischen den Ausrufen</translation>
    </message>
    <message>
        <source>Auto Call paused: a claim came in</source>
        <translation>Automatisches Ausrufen angehalten: ein Bingo-Ruf ist eingegangen</translation>
    </message>
    <message>
        <source>Auto Call paused</source>
        <translation>Automatisches Ausrufen angehalten</translation>
    </message>
    <message>
        <source>Auto Call goes on</source>
        <translation>Automatisches Ausrufen geht weiter</translation>
    </message>
    <message>
        <source>Paused: press Space to go on</source>
        <translation>Angehalten: Leertaste drücken zum Fortsetzen</translation>
    </message>
    <message>
        <source>Next call once this one is read</source>
        <translation>Nächster Ausruf, sobald dieser vorgelesen ist</translation>
    </message>
    <message>
        <source>Next call in %1 s</source>
        <translation>Nächster Ausruf in %1 s</translation>
    </message>
    <message>
        <source>Resu&amp;me</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>The first call is coming</source>
        <translation>Der erste Ausruf kommt gleich</translation>
    </message>
    <message>
        <source>Auto Call e&amp;very</source>
        <translation>Automatisch &amp;rufen, alle</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <source>Claim: %1</source>
        <translation>Bingo-Ruf: %1</translation>
    </message>
    <message>
        <source>Every number the pattern can use is called</source>
        <translation>Jede Zahl, die das Muster brauchen kann, ist ausgerufen</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Pri&amp;zes...</source>
        <translation>&amp;Gewinne...</translation>
    </message>
    <message>
        <source>Play the game for prizes in turn: one line, then two lines, then a full house, or any patterns.</source>
        <translation>Um Gewinne nacheinander spielen: eine Reihe, dann zwei Reihen, dann volles Haus, oder beliebige Muster.</translation>
    </message>
    <message>
        <source>Ne&amp;xt Prize</source>
        <translation>Nä&amp;chster Gewinn</translation>
    </message>
    <message>
        <source>Save t&amp;he Game&apos;s Record...</source>
        <translation>Spielproto&amp;koll speichern...</translation>
    </message>
    <message>
        <source>The calls with their times, the prizes&apos; winners with their cards, and the claims: as a PDF or CSV file.</source>
        <translation>Die Ausrufe mit ihren Zeiten, die Gewinner mit ihren Karten und die Meldungen: als PDF- oder CSV-Datei.</translation>
    </message>
    <message>
        <source>S&amp;kip numbers the pattern can&apos;t use</source>
        <translation>Unnötige Zahlen aus&amp;lassen</translation>
    </message>
    <message>
        <source>Numbers in a column that the pattern leaves empty can&apos;t help any card win: they are not called.</source>
        <translation>Zahlen einer Spalte, die das Muster frei lässt, helfen keiner Karte zum Gewinn: sie werden nicht ausgerufen.</translation>
    </message>
    <message>
        <source>skipping %1: the pattern can&apos;t use them</source>
        <translation>%1 ausgelassen: das Muster braucht sie nicht</translation>
    </message>
    <message>
        <source>Bingo! Ticket %1</source>
        <translation>Bingo! Schein %1</translation>
    </message>
    <message>
        <source>Bingo! Card %1</source>
        <translation>Bingo! Karte %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 gewinnt %2</translation>
    </message>
    <message>
        <source>%1. Now playing for: %2</source>
        <translation>%1. Jetzt geht es um: %2</translation>
    </message>
    <message>
        <source>%1. Every prize is won</source>
        <translation>%1. Alle Gewinne sind vergeben</translation>
    </message>
    <message>
        <source>Now playing for: %1</source>
        <translation>Jetzt geht es um: %1</translation>
    </message>
    <message>
        <source>Every prize is won</source>
        <translation>Alle Gewinne sind vergeben</translation>
    </message>
    <message>
        <source>The prizes could not be saved (%1). The game goes on here.</source>
        <translation>Die Gewinne konnten nicht gespeichert werden (%1). Das Spiel geht hier weiter.</translation>
    </message>
    <message>
        <source>Prize %1 of %2: %3</source>
        <translation>Gewinn %1 von %2: %3</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Gewonnen: %1</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Save the Game&apos;s Record</source>
        <translation>Spielprotokoll speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;CSV (*.csv)</source>
        <translation>PDF (*.pdf);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>The record could not be saved: %1</source>
        <translation>Das Protokoll konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The record is saved as %1</source>
        <translation>Das Protokoll ist als %1 gespeichert</translation>
    </message>
    <message>
        <source>Room Displa&amp;y</source>
        <translation>Anzeige für &amp;den Saal</translation>
    </message>
    <message>
        <source>The call, the board and the prize for the hall, on a second screen where there is one.</source>
        <translation>Der Ausruf, die Tafel und der Gewinn für den Saal, auf einem zweiten Bildschirm, wo es einen gibt.</translation>
    </message>
    <message>
        <source>the host&apos;s decision</source>
        <translation>Entscheidung der Spielleitung</translation>
    </message>
    <message>
        <source>Bingo! Ticket %1, by the host&apos;s decision</source>
        <translation>Bingo! Schein %1, durch Entscheidung der Spielleitung</translation>
    </message>
    <message>
        <source>Bingo! Card %1, by the host&apos;s decision</source>
        <translation>Bingo! Karte %1, durch Entscheidung der Spielleitung</translation>
    </message>
    <message>
        <source>Checking ticket %1</source>
        <translation>Schein %1 wird geprüft</translation>
    </message>
    <message>
        <source>Checking card %1</source>
        <translation>Karte %1 wird geprüft</translation>
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
        <translation>mit freiem Feld</translation>
    </message>
    <message>
        <source>without a free space</source>
        <translation>ohne freies Feld</translation>
    </message>
    <message>
        <source>Game %1 has cards of %2, but the check is set to %3. Change the card size or the free space and check again.</source>
        <translation>Spiel %1 hat Karten mit %2, aber die Prüfung ist auf %3 eingestellt. Ändern Sie die Kartengröße oder das freie Feld und prüfen Sie noch einmal.</translation>
    </message>
    <message>
        <source>This card was printed from another word list.</source>
        <translation>Diese Karte wurde aus einer anderen Wortliste gedruckt.</translation>
    </message>
    <message>
        <source>Please type the game code printed on the card (as K7F2-9QXA).</source>
        <translation>Bitte geben Sie den Spielcode ein, der auf der Karte steht (etwa K7F2-9QXA).</translation>
    </message>
    <message>
        <source>Game %1 has %2; there is no card %3</source>
        <translation>Spiel %1 hat %2; eine Karte %3 gibt es nicht</translation>
    </message>
    <message>
        <source>There is no card %1</source>
        <translation>Eine Karte %1 gibt es nicht</translation>
    </message>
    <message>
        <source>This computer has no record of game %1, so it cannot confirm how many cards the game has.</source>
        <translation>Dieser Computer kennt Spiel %1 nicht und kann daher nicht bestätigen, wie viele Karten das Spiel hat.</translation>
    </message>
</context>
<context>
    <name>CardDesignDialog</name>
    <message>
        <source>Card Design</source>
        <translation>Kartengestaltung</translation>
    </message>
    <message>
        <source>&amp;Title above the card:</source>
        <translation>&amp;Titel über der Karte:</translation>
    </message>
    <message>
        <source>F&amp;ooter under the card:</source>
        <translation>F&amp;ußzeile unter der Karte:</translation>
    </message>
    <message>
        <source>&amp;Grid Lines</source>
        <translation>&amp;Gitterlinien</translation>
    </message>
    <message>
        <source>Colour of the Grid Lines</source>
        <translation>Farbe der Gitterlinien</translation>
    </message>
    <message>
        <source>Heading &amp;Band</source>
        <translation>Kopf&amp;band</translation>
    </message>
    <message>
        <source>Colour of the Heading Band</source>
        <translation>Farbe des Kopfbands</translation>
    </message>
    <message>
        <source>Heading L&amp;etters</source>
        <translation>Kopfbuchstab&amp;en</translation>
    </message>
    <message>
        <source>Colour of the Heading Letters</source>
        <translation>Farbe der Kopfbuchstaben</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Wörter</translation>
    </message>
    <message>
        <source>Colour of the Words</source>
        <translation>Farbe der Wörter</translation>
    </message>
    <message>
        <source>&amp;Free Space</source>
        <translation>&amp;Freifeld</translation>
    </message>
    <message>
        <source>Colour of the Free Space</source>
        <translation>Farbe des Freifelds</translation>
    </message>
    <message>
        <source>T&amp;int</source>
        <translation>&amp;Hintergrundtönung</translation>
    </message>
    <message>
        <source>Colour of the Tint</source>
        <translation>Farbe der Tönung</translation>
    </message>
    <message>
        <source>&amp;Plain Colours</source>
        <translation>&amp;Schlichte Farben</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Farben:</translation>
    </message>
    <message>
        <source>Logo in the free space</source>
        <translation>Logo im Freifeld</translation>
    </message>
    <message>
        <source>Choose &amp;Logo...</source>
        <translation>&amp;Logo wählen...</translation>
    </message>
    <message>
        <source>&amp;Remove Logo</source>
        <translation>Logo entfe&amp;rnen</translation>
    </message>
    <message>
        <source>Logo in the free space:</source>
        <translation>Logo im Freifeld:</translation>
    </message>
    <message>
        <source>Sample card</source>
        <translation>Beispielkarte</translation>
    </message>
    <message>
        <source>Use for &amp;new lists too</source>
        <translation>Auch für &amp;neue Listen verwenden</translation>
    </message>
    <message>
        <source>as on a plain card</source>
        <translation>wie auf einer schlichten Karte</translation>
    </message>
    <message>
        <source>The logo is small (%1 x %2 pixels): it is drawn at most twice that size, so it may not fill the free space on paper.</source>
        <translation>Das Logo ist klein (%1 x %2 Pixel): Es wird höchstens doppelt so groß gezeichnet und füllt das Freifeld auf Papier vielleicht nicht aus.</translation>
    </message>
    <message>
        <source>Choose a Logo</source>
        <translation>Logo wählen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg|All Files (*.*)|*.*</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>The picture can&apos;t be used as a logo:
%1</source>
        <translation>Das Bild kann nicht als Logo dienen:
%1</translation>
    </message>
    <message>
        <source>The words are hard to read: %1 on %2 has a contrast of %3:1, under 4.5:1.</source>
        <translation>Die Wörter sind schwer zu lesen: %1 auf %2 hat einen Kontrast von %3:1, unter 4,5:1.</translation>
    </message>
    <message>
        <source>The heading letters are hard to read: %1 on %2 has a contrast of %3:1, under 4.5:1.</source>
        <translation>Die Kopfbuchstaben sind schwer zu lesen: %1 auf %2 hat einen Kontrast von %3:1, unter 4,5:1.</translation>
    </message>
    <message>
        <source>The free space&apos;s text is hard to read: %1 on %2 has a contrast of %3:1, under 4.5:1.</source>
        <translation>Der Text des Freifelds ist schwer zu lesen: %1 auf %2 hat einen Kontrast von %3:1, unter 4,5:1.</translation>
    </message>
    <message>
        <source>The title and the footer are hard to read: %1 on %2 has a contrast of %3:1, under 4.5:1.</source>
        <translation>Titel und Fußzeile sind schwer zu lesen: %1 auf %2 hat einen Kontrast von %3:1, unter 4,5:1.</translation>
    </message>
</context>
<context>
    <name>CardExport</name>
    <message>
        <source>There is no such folder</source>
        <translation>Diesen Ordner gibt es nicht</translation>
    </message>
</context>
<context>
    <name>CardGridView</name>
    <message>
        <source>Checked card</source>
        <translation>Geprüfte Karte</translation>
    </message>
    <message>
        <source>, called</source>
        <translation>, ausgerufen</translation>
    </message>
    <message>
        <source>, not called</source>
        <translation>, nicht ausgerufen</translation>
    </message>
    <message>
        <source>, in the winning line</source>
        <translation>, in der Gewinnreihe</translation>
    </message>
</context>
<context>
    <name>CardLook</name>
    <message>
        <source>The logo could not be used, and the cards have none:
%1</source>
        <translation>Das Logo konnte nicht verwendet werden; die Karten haben keines:
%1</translation>
    </message>
</context>
<context>
    <name>CardPrinting</name>
    <message>
        <source>Your bingo card needs %1 words at least, please add more words, then try to export it again.</source>
        <translation>Ihre Bingokarte braucht mindestens %1 Wörter. Bitte fügen Sie weitere Wörter hinzu und exportieren Sie dann noch einmal.</translation>
    </message>
    <message>
        <source>Your bingo card needs %1 words at least, please add more words, then try to print it again.</source>
        <translation>Ihre Bingokarte braucht mindestens %1 Wörter. Bitte fügen Sie weitere Wörter hinzu und drucken Sie dann noch einmal.</translation>
    </message>
    <message>
        <source>%1 at %2 a page print as %3, since every page is full.</source>
        <translation>%1 zu je %2 pro Seite werden als %3 gedruckt, da jede Seite voll wird.</translation>
    </message>
</context>
<context>
    <name>CardView</name>
    <message>
        <source>Heading: %1.</source>
        <translation>Überschrift: %1.</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Reihe %1: %2.</translation>
    </message>
</context>
<context>
    <name>CardWebPage</name>
    <message>
        <source>en</source>
        <extracomment>The language code of the exported web page (the one of this translation).</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Pattern:</source>
        <translation>Muster:</translation>
    </message>
    <message>
        <source>Bingo!</source>
        <translation>Bingo!</translation>
    </message>
    <message>
        <source>Clear marks</source>
        <translation>Markierungen löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Clear every mark on this card?</source>
        <translation>Alle Markierungen auf dieser Karte löschen?</translation>
    </message>
</context>
<context>
    <name>CheckCardDialog</name>
    <message>
        <source>Check a Card</source>
        <translation>Karte prüfen</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>&amp;Game code:</source>
        <translation>Spiel&amp;code:</translation>
    </message>
    <message>
        <source>&amp;Card number:</source>
        <translation>&amp;Kartennummer:</translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation>&amp;Muster:</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Karte %1: %2</translation>
    </message>
    <message>
        <source>Card %1: %2. %3</source>
        <translation>Karte %1: %2. %3</translation>
    </message>
    <message>
        <source>&amp;Ticket number:</source>
        <translation>&amp;Scheinnummer:</translation>
    </message>
    <message>
        <source>Counted through the game: tickets 1 to 6 are strip 1, 7 to 12 strip 2, ...</source>
        <translation>Durch das ganze Spiel gezählt: Scheine 1 bis 6 sind Streifen 1, 7 bis 12 Streifen 2, ...</translation>
    </message>
    <message>
        <source>Ticket %1 is ticket %2 of strip %3.</source>
        <translation>Schein %1 ist Schein %2 von Streifen %3.</translation>
    </message>
    <message>
        <source>Ticket %1: %2. %3</source>
        <translation>Schein %1: %2. %3</translation>
    </message>
    <message>
        <source>Confirm &amp;Winner</source>
        <translation>&amp;Gewinner bestätigen</translation>
    </message>
    <message>
        <source>The card wins the prize being played.</source>
        <translation>Die Karte gewinnt den Gewinn, um den gerade gespielt wird.</translation>
    </message>
</context>
<context>
    <name>CountText</name>
    <message>
        <source>card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>strip</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>strips</source>
        <translation>Streifen</translation>
    </message>
</context>
<context>
    <name>DialogFolders</name>
    <message>
        <source>Bingo Cards</source>
        <translation>Bingokarten</translation>
    </message>
    <message>
        <source>Call List</source>
        <translation>Ausrufliste</translation>
    </message>
    <message>
        <source>%1 call list</source>
        <translation>%1 Ausrufliste</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Cards</source>
        <translation>Karten exportieren</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>PNG pictures, 300 dpi</source>
        <translation>PNG-Bilder, 300 dpi</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>PDF-Dateien</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Cards:</source>
        <translation>&amp;Karten:</translation>
    </message>
    <message>
        <source>A new game</source>
        <translation>Ein neues Spiel</translation>
    </message>
    <message>
        <source>Game %1 (%2 so far)</source>
        <translation>Spiel %1 (bisher %2)</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Spiel:</translation>
    </message>
    <message>
        <source>F&amp;irst card:</source>
        <translation>&amp;Erste Karte:</translation>
    </message>
    <message>
        <source>Export Cards To</source>
        <translation>Karten exportieren nach</translation>
    </message>
    <message>
        <source>Please choose the folder the cards go to.</source>
        <translation>Bitte wählen Sie den Ordner für die Karten.</translation>
    </message>
    <message>
        <source>This is a file, not a folder</source>
        <translation>Das ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Create it?</source>
        <translation>Den Ordner %1 gibt es nicht. Anlegen?</translation>
    </message>
    <message>
        <source>The folder could not be created</source>
        <translation>Der Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Web pages (.html), to mark on a screen</source>
        <translation>Webseiten (.html), zum Markieren am Bildschirm</translation>
    </message>
    <message>
        <source>Export Tickets</source>
        <translation>Scheine exportieren</translation>
    </message>
    <message>
        <source>&amp;Strips:</source>
        <translation>S&amp;treifen:</translation>
    </message>
    <message>
        <source>F&amp;irst strip:</source>
        <translation>&amp;Erster Streifen:</translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>another Plumwick has held it for %1 seconds; try again when it has finished</source>
        <translation>ein anderes Plumwick hält sie seit %1 Sekunden; versuchen Sie es erneut, wenn es fertig ist</translation>
    </message>
</context>
<context>
    <name>FooterWords</name>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfcode</translation>
    </message>
    <message>
        <source>Strip</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Schein</translation>
    </message>
</context>
<context>
    <name>GameCode</name>
    <message>
        <source>%1 is not the code of a game: a character is mistyped</source>
        <translation>%1 ist kein Spielcode: ein Zeichen ist falsch getippt</translation>
    </message>
    <message>
        <source>%1 is not a game code (eight letters and digits, as K7F2-9QXA)</source>
        <translation>%1 ist kein Spielcode (acht Buchstaben und Ziffern, etwa K7F2-9QXA)</translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <source>it holds no list of games</source>
        <translation>sie enthält keine Liste von Spielen</translation>
    </message>
    <message>
        <source>The game history could not be read (%1). It was kept as %2 and a new history was started.</source>
        <translation>Der Spielverlauf konnte nicht gelesen werden (%1). Er wurde als %2 aufbewahrt, und ein neuer Verlauf wurde begonnen.</translation>
    </message>
    <message>
        <source>there is no folder for the program&apos;s data</source>
        <translation>es gibt keinen Ordner für die Daten des Programms</translation>
    </message>
    <message>
        <source>Game %1 was not recorded in the game history (%2). The cards are printed and the code still makes them again, but Check a Card will not know the game until it is recorded.</source>
        <translation>Spiel %1 wurde nicht im Spielverlauf verzeichnet (%2). Die Karten sind gedruckt, und der Code erzeugt sie weiterhin neu, aber „Karte prüfen“ kennt das Spiel erst, wenn es verzeichnet ist.</translation>
    </message>
    <message>
        <source>Game %1 (%2)</source>
        <translation>Spiel %1 (%2)</translation>
    </message>
    <message>
        <source>The current list</source>
        <translation>Die aktuelle Liste</translation>
    </message>
    <message>
        <source>Game %1 (90-ball tickets)</source>
        <translation>Spiel %1 (90-Ball-Scheine)</translation>
    </message>
    <message>
        <source>every game code of this list has been used on this computer</source>
        <translation>jeder Spielcode dieser Liste wurde auf diesem Computer schon vergeben</translation>
    </message>
    <message>
        <source>the game history %1 can&apos;t be read (%2), and it could not be put aside</source>
        <translation>der Spielverlauf %1 ist nicht lesbar (%2) und konnte nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>No card of game %1 was dealt: the game history can&apos;t record it (%2), and a card it does not record would be dealt again.</source>
        <translation>Keine Karte von Spiel %1 wurde ausgegeben: der Spielverlauf kann sie nicht verzeichnen (%2), und eine Karte, die er nicht verzeichnet, würde noch einmal ausgegeben.</translation>
    </message>
</context>
<context>
    <name>GameLog</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Call or prize</source>
        <translation>Ausruf oder Gewinn</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Time or line</source>
        <translation>Zeit oder Linie</translation>
    </message>
    <message>
        <source>call</source>
        <translation>Ausruf</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>Gewinner</translation>
    </message>
    <message>
        <source>%1, after %2 calls</source>
        <translation>%1, nach %2 Ausrufen</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>bestätigt</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>taken back</source>
        <translation>zurückgenommen</translation>
    </message>
    <message>
        <source>the host&apos;s decision</source>
        <translation>Entscheidung der Spielleitung</translation>
    </message>
</context>
<context>
    <name>GameRecordPdf</name>
    <message>
        <source>Game record: %1</source>
        <translation>Spielprotokoll: %1</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Ausrufe</translation>
    </message>
    <message>
        <source>No calls were made.</source>
        <translation>Es wurde nichts ausgerufen.</translation>
    </message>
    <message>
        <source>First call: %1</source>
        <translation>Erster Ausruf: %1</translation>
    </message>
    <message>
        <source>Prizes</source>
        <translation>Gewinne</translation>
    </message>
    <message>
        <source>Prize %1: %2</source>
        <translation>Gewinn %1: %2</translation>
    </message>
    <message>
        <source>Not won.</source>
        <translation>Nicht gewonnen.</translation>
    </message>
    <message>
        <source>Card %1: %2, after %3 calls</source>
        <translation>Karte %1: %2, nach %3 Ausrufen</translation>
    </message>
    <message>
        <source>Claims</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>No claims were confirmed or cleared.</source>
        <translation>Keine Meldung wurde bestätigt oder entfernt.</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>bestätigt</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>Ticket %1: %2, after %3 calls</source>
        <translation>Schein %1: %2, nach %3 Ausrufen</translation>
    </message>
    <message>
        <source>%1 taken back</source>
        <translation>%1 zurückgenommen</translation>
    </message>
    <message>
        <source>confirmed as the host&apos;s decision</source>
        <translation>bestätigt durch Entscheidung der Spielleitung</translation>
    </message>
</context>
<context>
    <name>GridAccessible</name>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Reihe %1</translation>
    </message>
</context>
<context>
    <name>IntegerConversion</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>MissingGlyphs</name>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>These words contain characters that no installed font can draw, and would print with empty boxes: %1</source>
        <translation>Diese Wörter enthalten Zeichen, die keine installierte Schrift darstellen kann, und würden mit leeren Kästchen gedruckt: %1</translation>
    </message>
</context>
<context>
    <name>NinetyBall</name>
    <message>
        <source>row %1 holds %2 numbers, not 5</source>
        <translation>Reihe %1 hat %2 Zahlen statt 5</translation>
    </message>
    <message>
        <source>%1 does not belong in column %2</source>
        <translation>%1 gehört nicht in Spalte %2</translation>
    </message>
    <message>
        <source>column %1 does not rise from top to bottom</source>
        <translation>Spalte %1 steigt nicht von oben nach unten</translation>
    </message>
    <message>
        <source>column %1 holds no number</source>
        <translation>Spalte %1 hat keine Zahl</translation>
    </message>
    <message>
        <source>ticket %1: %2</source>
        <translation>Schein %1: %2</translation>
    </message>
    <message>
        <source>%1 is on the strip twice</source>
        <translation>%1 steht zweimal auf dem Streifen</translation>
    </message>
    <message>
        <source>%1 is not on the strip</source>
        <translation>%1 fehlt auf dem Streifen</translation>
    </message>
    <message>
        <source>Bingo: full house</source>
        <translation>Bingo: volles Haus</translation>
    </message>
    <message>
        <source>Bingo: rows %1 and %2</source>
        <translation>Bingo: Reihen %1 und %2</translation>
    </message>
    <message>
        <source>Bingo: row %1</source>
        <translation>Bingo: Reihe %1</translation>
    </message>
    <message>
        <source>a full house</source>
        <translation>ein volles Haus</translation>
    </message>
    <message>
        <source>two lines</source>
        <translation>zwei Reihen</translation>
    </message>
    <message>
        <source>one line</source>
        <translation>eine Reihe</translation>
    </message>
    <message>
        <source>No bingo yet: 1 number missing for %1</source>
        <translation>Noch kein Bingo: 1 Zahl fehlt für %1</translation>
    </message>
    <message>
        <source>No bingo yet: %2 numbers missing for %1</source>
        <translation>Noch kein Bingo: %2 Zahlen fehlen für %1</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>volles Haus</translation>
    </message>
    <message>
        <source>rows %1 and %2</source>
        <translation>Reihen %1 und %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Reihe %1</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Volles Haus</translation>
    </message>
    <message>
        <source>Two lines</source>
        <translation>Zwei Reihen</translation>
    </message>
    <message>
        <source>One line</source>
        <translation>Eine Reihe</translation>
    </message>
</context>
<context>
    <name>NumberedGame</name>
    <message>
        <source>This word list gives only %1.</source>
        <translation>Diese Wortliste ergibt nur %1.</translation>
    </message>
    <message>
        <source>different card</source>
        <translation>verschiedene Karte</translation>
    </message>
    <message>
        <source>different cards</source>
        <translation>verschiedene Karten</translation>
    </message>
</context>
<context>
    <name>OwnPatterns</name>
    <message>
        <source>the file is larger than 1 MB</source>
        <translation>die Datei ist größer als 1 MB</translation>
    </message>
    <message>
        <source>Your patterns could not be read from %1: %2</source>
        <translation>Ihre Muster konnten nicht aus %1 gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be kept aside as %2</source>
        <translation>%1 konnte nicht als %2 beiseitegelegt werden</translation>
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
        <translation>&amp;Papier für %1 (Hochformat):</translation>
    </message>
</context>
<context>
    <name>PaintBox</name>
    <message>
        <source>Sample card</source>
        <translation>Beispielkarte</translation>
    </message>
</context>
<context>
    <name>PatternEditorDialog</name>
    <message>
        <source>Your Patterns</source>
        <translation>Eigene Muster</translation>
    </message>
    <message>
        <source>Your patterns</source>
        <translation>Eigene Muster</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>&amp;Any way round (turned or mirrored)</source>
        <translation>In jeder &amp;Lage (gedreht oder gespiegelt)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Arrow keys move over the cells; Space covers a cell or leaves it.</source>
        <translation>Die Pfeiltasten gehen über die Felder; die Leertaste nimmt ein Feld ins Muster auf oder wieder heraus.</translation>
    </message>
    <message>
        <source>&amp;Patterns:</source>
        <translation>&amp;Ihre Muster:</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>Na&amp;me:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>&amp;Cells:</source>
        <translation>&amp;Zellen:</translation>
    </message>
    <message>
        <source>%1 (%2 x %2)</source>
        <translation>%1 (%2 x %2)</translation>
    </message>
    <message>
        <source>The name takes one line.</source>
        <translation>Der Name passt in eine Zeile.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a pattern that comes with Plumwick; choose another name.</source>
        <translation>„%1“ ist der Name eines Musters, das Plumwick mitbringt; wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The pattern could not be saved: %1</source>
        <translation>Das Muster konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Delete the pattern &quot;%1&quot;?</source>
        <translation>Das Muster „%1“ entfernen?</translation>
    </message>
    <message>
        <source>The pattern could not be deleted: %1</source>
        <translation>Das Muster konnte nicht entfernt werden: %1</translation>
    </message>
    <message>
        <source>The pattern &quot;%1&quot; is saved</source>
        <translation>Das Muster „%1“ ist gespeichert</translation>
    </message>
    <message>
        <source>Save the pattern you drew before closing?</source>
        <translation>Das gezeichnete Muster vor dem Schließen speichern?</translation>
    </message>
</context>
<context>
    <name>PatternPicture</name>
    <message>
        <source>Pattern: %1, any way round</source>
        <translation>Muster: %1, in jeder Lage</translation>
    </message>
    <message>
        <source>Pattern: %1</source>
        <translation>Muster: %1</translation>
    </message>
</context>
<context>
    <name>Patterns</name>
    <message>
        <source>Postage stamp</source>
        <translation>Briefmarke</translation>
    </message>
    <message>
        <source>Small frame</source>
        <translation>Kleiner Rahmen</translation>
    </message>
    <message>
        <source>Large frame</source>
        <translation>Großer Rahmen</translation>
    </message>
    <message>
        <source>Block of nine</source>
        <translation>Neunerblock</translation>
    </message>
    <message>
        <source>Plus sign</source>
        <translation>Pluszeichen</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Letter T</source>
        <translation>Buchstabe T</translation>
    </message>
    <message>
        <source>Crazy T</source>
        <translation>Verrücktes T</translation>
    </message>
    <message>
        <source>Letter L</source>
        <translation>Buchstabe L</translation>
    </message>
    <message>
        <source>Crazy L</source>
        <translation>Verrücktes L</translation>
    </message>
    <message>
        <source>Letter H</source>
        <translation>Buchstabe H</translation>
    </message>
    <message>
        <source>Letter E</source>
        <translation>Buchstabe E</translation>
    </message>
    <message>
        <source>Letter C</source>
        <translation>Buchstabe C</translation>
    </message>
    <message>
        <source>Letter U</source>
        <translation>Buchstabe U</translation>
    </message>
    <message>
        <source>Letter Z</source>
        <translation>Buchstabe Z</translation>
    </message>
    <message>
        <source>Letter N</source>
        <translation>Buchstabe N</translation>
    </message>
    <message>
        <source>Letter I</source>
        <translation>Buchstabe I</translation>
    </message>
    <message>
        <source>Letter P</source>
        <translation>Buchstabe P</translation>
    </message>
    <message>
        <source>Letter Y</source>
        <translation>Buchstabe Y</translation>
    </message>
    <message>
        <source>Number 7</source>
        <translation>Zahl 7</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Drachen</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Six pack</source>
        <translation>Sechserpack</translation>
    </message>
    <message>
        <source>Railroad tracks</source>
        <translation>Schienen</translation>
    </message>
    <message>
        <source>Top and bottom lines</source>
        <translation>Oberste und unterste Reihe</translation>
    </message>
    <message>
        <source>Checkerboard</source>
        <translation>Schachbrett</translation>
    </message>
    <message>
        <source>Sputnik</source>
        <translation>Sputnik</translation>
    </message>
    <message>
        <source>%1 is drawn for cards of %2 x %2</source>
        <translation>%1 ist für Karten von %2 x %2 gezeichnet</translation>
    </message>
    <message>
        <source>The pattern has no name.</source>
        <translation>Das Muster hat keinen Namen.</translation>
    </message>
    <message>
        <source>A pattern is drawn on 3, 5 or 7 rows of as many cells.</source>
        <translation>Ein Muster wird auf 3, 5 oder 7 Reihen mit ebenso vielen Feldern gezeichnet.</translation>
    </message>
    <message>
        <source>The pattern covers no cell.</source>
        <translation>Das Muster enthält kein Feld.</translation>
    </message>
    <message>
        <source>The name is longer than 60 characters.</source>
        <translation>Der Name ist länger als 60 Zeichen.</translation>
    </message>
    <message>
        <source>a row holds something other than X and .</source>
        <translation>eine Reihe enthält etwas anderes als X und .</translation>
    </message>
    <message>
        <source>the rows are not all %1 long</source>
        <translation>die Reihen sind nicht alle %1 lang</translation>
    </message>
    <message>
        <source>another pattern has this name</source>
        <translation>ein anderes Muster hat diesen Namen</translation>
    </message>
    <message>
        <source>Pattern %1 (%2): %3</source>
        <translation>Muster %1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture is larger than 64 MB</source>
        <translation>Das Bild ist größer als 64 MB</translation>
    </message>
    <message>
        <source>SVG pictures need Qt&apos;s SVG support (the package libqt6svg6)</source>
        <translation>SVG-Bilder brauchen die SVG-Unterstützung von Qt (das Paket libqt6svg6)</translation>
    </message>
    <message>
        <source>This is not a picture that can be read</source>
        <translation>Das ist kein lesbares Bild</translation>
    </message>
    <message>
        <source>The picture is larger than %1 x %1 pixels</source>
        <translation>Das Bild ist größer als %1 x %1 Pixel</translation>
    </message>
    <message>
        <source>The picture could not be read: %1</source>
        <translation>Das Bild konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The picture is damaged: a part of it runs past the end of the file</source>
        <translation>Das Bild ist beschädigt: ein Teil davon reicht über das Ende der Datei hinaus</translation>
    </message>
    <message>
        <source>WebP pictures need Qt&apos;s image format plugins (the package qt6-image-formats-plugins)</source>
        <translation>WebP-Bilder brauchen die Bildformat-Plugins von Qt (das Paket qt6-image-formats-plugins)</translation>
    </message>
</context>
<context>
    <name>Printers</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Es ist zurzeit kein Standarddrucker ausgewählt</translation>
    </message>
</context>
<context>
    <name>PrizesDialog</name>
    <message>
        <source>Prizes</source>
        <translation>Gewinne</translation>
    </message>
    <message>
        <source>Prizes in turn</source>
        <translation>Gewinne nacheinander</translation>
    </message>
    <message>
        <source>Any number, until you move on</source>
        <translation>Beliebig viele, bis Sie weitergehen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>One Line, Two Lines, &amp;Full House</source>
        <translation>Eine Reihe, zwei Reihen, &amp;volles Haus</translation>
    </message>
    <message>
        <source>Any Line, Four Corners, &amp;Full Card</source>
        <translation>Beliebige Linie, vier Ecken, &amp;volle Karte</translation>
    </message>
    <message>
        <source>Dra&amp;w a Pattern...</source>
        <translation>Muster &amp;zeichnen...</translation>
    </message>
    <message>
        <source>The game is played for each prize in turn; a confirmed claim wins the prize being played. With no prizes, the game is played for the pattern chosen beside the claims.</source>
        <translation>Das Spiel geht um einen Gewinn nach dem anderen; eine bestätigte Meldung gewinnt den Gewinn, um den gerade gespielt wird. Ohne Gewinne wird um das Muster gespielt, das neben den Meldungen gewählt ist.</translation>
    </message>
    <message>
        <source>&amp;Prizes:</source>
        <translation>&amp;Gewinne:</translation>
    </message>
    <message>
        <source>Pa&amp;ttern:</source>
        <translation>&amp;Muster:</translation>
    </message>
    <message>
        <source>%1: any number of winners</source>
        <translation>%1: beliebig viele Gewinner</translation>
    </message>
    <message>
        <source>%1: one winner</source>
        <translation>%1: ein Gewinner</translation>
    </message>
    <message>
        <source>%1: %2 winners</source>
        <translation>%1: %2 Gewinner</translation>
    </message>
    <message>
        <source>Cards that may w&amp;in it:</source>
        <translation>Karten, die ihn gewinnen &amp;können:</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>%1 (any way round)</source>
        <translation>%1 (in jeder Lage)</translation>
    </message>
</context>
<context>
    <name>QtPrinters</name>
    <message>
        <source>Printing in progress</source>
        <translation>Es wird gerade gedruckt</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>Drucken fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>QtShell</name>
    <message>
        <source>%1 (xdg-open ended with exit status %2)</source>
        <translation>%1 (xdg-open endete mit Status %2)</translation>
    </message>
</context>
<context>
    <name>QtSpeech</name>
    <message>
        <source>No speech engine is installed (Debian: qt6-speech-flite-plugin).</source>
        <translation>Es ist keine Sprachausgabe installiert (Debian: qt6-speech-flite-plugin).</translation>
    </message>
    <message>
        <source>The speech engine could not start: no audio device?</source>
        <translation>Die Sprachausgabe konnte nicht starten: kein Audiogerät?</translation>
    </message>
    <message>
        <source>This build of Plumwick has no speech.</source>
        <translation>Diese Ausgabe von Plumwick hat keine Sprachausgabe.</translation>
    </message>
</context>
<context>
    <name>RoomDisplay</name>
    <message>
        <source>Room Display</source>
        <translation>Anzeige für den Saal</translation>
    </message>
    <message>
        <source>Last calls: %1</source>
        <translation>Letzte Ausrufe: %1</translation>
    </message>
    <message>
        <source>Play on your phone:</source>
        <translation>Spielen Sie auf Ihrem Handy mit:</translation>
    </message>
    <message>
        <source>QR code of %1</source>
        <translation>QR-Code von %1</translation>
    </message>
</context>
<context>
    <name>SampleCardAccessible</name>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Überschrift</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Reihe %1</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Claims</source>
        <translation>Bingo-Rufe</translation>
    </message>
    <message>
        <source>C&amp;onfirm</source>
        <translation>&amp;Bestätigen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>N&amp;etwork:</source>
        <translation>Ne&amp;tzwerk:</translation>
    </message>
    <message>
        <source>%1 (confirmed)</source>
        <translation>%1 (bestätigt)</translation>
    </message>
    <message>
        <source>Only a printed game can be shared: choose it in &quot;Play&quot;.</source>
        <translation>Nur ein gedrucktes Spiel kann geteilt werden: wählen Sie es unter „Spiel“.</translation>
    </message>
    <message>
        <source>Phones connected: %1</source>
        <translation>Verbundene Telefone: %1</translation>
    </message>
    <message>
        <source>QR code of %1</source>
        <translation>QR-Code von %1</translation>
    </message>
    <message>
        <source>Pa&amp;ttern:</source>
        <translation>&amp;Muster:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Plätze</translation>
    </message>
    <message>
        <source>Let This Seat Go</source>
        <translation>Diesen Platz freigeben</translation>
    </message>
    <message>
        <source>Let Every Seat of This Address Go</source>
        <translation>Alle Plätze dieser Adresse freigeben</translation>
    </message>
    <message>
        <source>ticket %1</source>
        <translation>Schein %1</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3 from this address)</source>
        <translation>%1: %2 (%3 von dieser Adresse)</translation>
    </message>
    <message>
        <source>%1 seats let go</source>
        <translation>%1 Plätze freigegeben</translation>
    </message>
    <message>
        <source>Seats:</source>
        <translation>Plätze:</translation>
    </message>
    <message>
        <source>Claims:</source>
        <translation>Bingo-Rufe:</translation>
    </message>
    <message>
        <source>Address for the phones</source>
        <translation>Adresse für die Handys</translation>
    </message>
    <message>
        <source>Phones can join at %1</source>
        <translation>Handys können unter %1 mitspielen</translation>
    </message>
    <message>
        <source>The card wins with the calls made: Bingo! on every phone and the room display.</source>
        <translation>Die Karte gewinnt mit den gemachten Ausrufen: Bingo! auf jedem Telefon und auf der Anzeige für den Saal.</translation>
    </message>
    <message>
        <source>Con&amp;firm Anyway</source>
        <translation>Tr&amp;otzdem bestätigen</translation>
    </message>
    <message>
        <source>The card does not win with the calls made; confirm it as your decision (a house rule, a late call). The record and the room display say it was.</source>
        <translation>Die Karte gewinnt mit den gemachten Ausrufen nicht; bestätigen Sie sie als Ihre Entscheidung (eine Hausregel, ein später Ausruf). Das Protokoll und die Anzeige für den Saal sagen, dass es Ihre war.</translation>
    </message>
    <message>
        <source>%1 (the host&apos;s decision)</source>
        <translation>%1 (Entscheidung der Spielleitung)</translation>
    </message>
    <message>
        <source>In a corner</source>
        <translation>In einer Ecke</translation>
    </message>
    <message>
        <source>Large, in the board&apos;s place</source>
        <translation>Groß, anstelle der Tafel</translation>
    </message>
    <message>
        <source>Not shown</source>
        <translation>Nicht gezeigt</translation>
    </message>
    <message>
        <source>How the room display shows the address and QR code that phones join with.</source>
        <translation>Wie die Anzeige für den Saal die Adresse und den QR-Code zeigt, mit denen Handys mitspielen.</translation>
    </message>
    <message>
        <source>&amp;Joining on the room display:</source>
        <translation>Beitritt für &amp;Handys, in der Anzeige für den Saal:</translation>
    </message>
</context>
<context>
    <name>ShareServer</name>
    <message>
        <source>Bingo with Plumwick</source>
        <translation>Bingo mit Plumwick</translation>
    </message>
    <message>
        <source>Get a card</source>
        <translation>Karte holen</translation>
    </message>
    <message>
        <source>I have card number</source>
        <translation>Ich habe Karte Nummer</translation>
    </message>
    <message>
        <source>Play this card</source>
        <translation>Mit dieser Karte spielen</translation>
    </message>
    <message>
        <source>Mark calls for me</source>
        <translation>Ausrufe für mich markieren</translation>
    </message>
    <message>
        <source>%1 called</source>
        <translation>%1 ausgerufen</translation>
    </message>
    <message>
        <source>Waiting for the first call</source>
        <translation>Warten auf den ersten Ausruf</translation>
    </message>
    <message>
        <source>Connection lost; trying again...</source>
        <translation>Verbindung verloren; neuer Versuch ...</translation>
    </message>
    <message>
        <source>This is not an address to share the game on</source>
        <translation>Auf dieser Adresse kann das Spiel nicht geteilt werden</translation>
    </message>
    <message>
        <source>The game could not be shared on this address</source>
        <translation>Das Spiel konnte auf dieser Adresse nicht geteilt werden</translation>
    </message>
    <message>
        <source>This phone has no card in this game.</source>
        <translation>Dieses Telefon hat keine Karte in diesem Spiel.</translation>
    </message>
    <message>
        <source>Wait a moment before you claim again.</source>
        <translation>Warten Sie kurz, bevor Sie noch einmal Bingo rufen.</translation>
    </message>
    <message>
        <source>Get a ticket</source>
        <translation>Schein holen</translation>
    </message>
    <message>
        <source>I have ticket number</source>
        <translation>Ich habe Schein Nummer</translation>
    </message>
    <message>
        <source>Play this ticket</source>
        <translation>Mit diesem Schein spielen</translation>
    </message>
    <message>
        <source>Strip %1 · Ticket %2</source>
        <translation>Streifen %1 · Schein %2</translation>
    </message>
    <message>
        <source>check code</source>
        <translation>Prüfcode</translation>
    </message>
    <message>
        <source>Many cards were just given to phones on this connection. Wait a little and try again.</source>
        <translation>Über diese Verbindung wurden gerade viele Karten an Handys gegeben. Warten Sie ein wenig und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Cards are being given out quickly. Wait a moment and try again.</source>
        <translation>Gerade werden schnell Karten ausgegeben. Warten Sie einen Moment und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 (any way round)</source>
        <translation>%1 (in jeder Lage)</translation>
    </message>
    <message>
        <source>Several wrong check codes were just typed on this connection. Wait a little and try again.</source>
        <translation>Über diese Verbindung wurden gerade mehrere falsche Prüfcodes eingegeben. Warten Sie ein wenig und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>SharedGame</name>
    <message>
        <source>This game has as many players as it takes.</source>
        <translation>Dieses Spiel hat so viele Mitspieler, wie es aufnehmen kann.</translation>
    </message>
    <message>
        <source>This game has no card left to deal.</source>
        <translation>Dieses Spiel hat keine Karte mehr zu vergeben.</translation>
    </message>
    <message>
        <source>There is no printed card %1 in this game.</source>
        <translation>In diesem Spiel gibt es keine gedruckte Karte %1.</translation>
    </message>
    <message>
        <source>Card %1 is already on another phone.</source>
        <translation>Karte %1 ist schon auf einem anderen Telefon.</translation>
    </message>
    <message>
        <source>Card %1 claims bingo: verified, %2</source>
        <translation>Karte %1 ruft Bingo: bestätigt, %2</translation>
    </message>
    <message>
        <source>Card %1 claims bingo: not yet, %2 missing</source>
        <translation>Karte %1 ruft Bingo: noch nicht, %2 fehlen</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>This game has no ticket left to deal.</source>
        <translation>Dieses Spiel hat keinen Schein mehr zu vergeben.</translation>
    </message>
    <message>
        <source>There is no printed ticket %1 in this game.</source>
        <translation>In diesem Spiel gibt es keinen gedruckten Schein %1.</translation>
    </message>
    <message>
        <source>Ticket %1 is already on another phone.</source>
        <translation>Schein %1 ist schon auf einem anderen Telefon.</translation>
    </message>
    <message>
        <source>Ticket %1 claims bingo: verified, %2</source>
        <translation>Schein %1 ruft Bingo: bestätigt, %2</translation>
    </message>
    <message>
        <source>Ticket %1 claims bingo: not yet, %2 missing</source>
        <translation>Schein %1 ruft Bingo: noch nicht, %2 fehlen</translation>
    </message>
    <message>
        <source>Type the check code printed under card %1, after &quot;%2&quot;.</source>
        <translation>Geben Sie den Prüfcode ein, der unter Karte %1 nach „%2“ gedruckt ist.</translation>
    </message>
    <message>
        <source>That is not the check code of card %1: it is printed under the card, after &quot;%2&quot;.</source>
        <translation>Das ist nicht der Prüfcode von Karte %1: Er steht unter der Karte, nach „%2“.</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>%1 could not be opened: no program here opens it</source>
        <translation>%1 konnte nicht geöffnet werden: kein Programm hier öffnet es</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>only one word list, please</source>
        <translation>bitte nur eine Wortliste</translation>
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
        <translation>Aufruf: plumwick [LISTE.pwk]
Entwirft und druckt Bingokarten. Öffnet beim Start die Wortliste LISTE.pwk, wenn angegeben.

  -h, --help     diese Hilfe zeigen und beenden
      --version  die Version zeigen und beenden

Qts eigene Optionen gelten wie in jedem Qt-Programm: -style NAME, -stylesheet DATEI, -reverse,
-platform NAME und die übrigen; nach -- ist nichts mehr eine Option.

Die Einstellungen stehen in ~/.local/share/Plumwick/Options.ini. Zum Drucken aus einer Shell
siehe plumwick-print --help.
</translation>
    </message>
</context>
<context>
    <name>TFrmAbout</name>
    <message>
        <source>About Plumwick</source>
        <translation>Über Plumwick</translation>
    </message>
    <message>
        <source>© 2026 The Plumwick developers.</source>
        <translation>© 2026 Die Entwickler von Plumwick.</translation>
    </message>
    <message>
        <source>Free software: GNU GPL 3 or later.</source>
        <translation>Freie Software: GNU GPL 3 oder neuer.</translation>
    </message>
    <message>
        <source>Plumwick version %1</source>
        <translation>Plumwick Version %1</translation>
    </message>
    <message>
        <source>Website: </source>
        <translation>Webseite: </translation>
    </message>
    <message>
        <source>Support Email: </source>
        <translation>E-Mail: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Plumwick&apos;s icon: a bingo card</source>
        <translation>Das Symbol von Plumwick: eine Bingokarte</translation>
    </message>
</context>
<context>
    <name>TFrmFonts</name>
    <message>
        <source>Font Options</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>Size: </source>
        <translation>Größe: </translation>
    </message>
    <message>
        <source>Font Test</source>
        <translation>Schriftprobe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Font name</source>
        <translation>Schriftname</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
</context>
<context>
    <name>TFrmMain</name>
    <message>
        <source>Tip: To make your own card list, please type words in the text box, then press Enter or Add button. If you want to delete a word, please select it from the dropdown list and click Delete button. When all words are added, please click Print button in the toolbar to print it.</source>
        <translation>Tipp: Für Ihre eigene Kartenliste tippen Sie Wörter in das Textfeld und drücken Eingabe oder „Hinzufügen“. Zum Löschen wählen Sie ein Wort aus der Liste und klicken auf „Löschen“. Sind alle Wörter da, klicken Sie in der Werkzeugleiste auf „Drucken“.</translation>
    </message>
    <message>
        <source>Plumwick</source>
        <translation>Plumwick</translation>
    </message>
    <message>
        <source>Export anyway?</source>
        <translation>Trotzdem exportieren?</translation>
    </message>
    <message>
        <source>%1 of these files are already in %2 (%3 ...). Replace them?</source>
        <translation>%1 dieser Dateien sind schon in %2 (%3 ...). Ersetzen?</translation>
    </message>
    <message>
        <source> %1 of them are links: each link is replaced by its card, and the file it leads to is left as it is.</source>
        <translation> %1 davon sind Verknüpfungen: jede wird durch ihre Karte ersetzt, und die Datei, auf die sie zeigt, bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Exporting card %1 of %2</source>
        <translation>Karte %1 von %2 wird exportiert</translation>
    </message>
    <message>
        <source>Export cancelled: %1 of %2 written to %3.</source>
        <translation>Export abgebrochen: %1 von %2 nach %3 geschrieben.</translation>
    </message>
    <message>
        <source>Cards %1 to %2 of game %3 were exported to %4.</source>
        <translation>Die Karten %1 bis %2 von Spiel %3 wurden nach %4 exportiert.</translation>
    </message>
    <message>
        <source>1 card was exported to %2.</source>
        <translation>1 Karte wurde nach %2 exportiert.</translation>
    </message>
    <message>
        <source>%1 cards were exported to %2.</source>
        <translation>%1 Karten wurden nach %2 exportiert.</translation>
    </message>
    <message>
        <source>The sample bingo card doesn&apos;t exist, please re-install the software and try it again.</source>
        <translation>Die Beispielliste fehlt. Bitte installieren Sie das Programm neu und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Save Bingo Card</source>
        <translation>Bingokarte speichern</translation>
    </message>
    <message>
        <source>Plumwick File (*.pwk)|*.pwk|All Files (*.*)|*.*</source>
        <translation>Plumwick-Datei (*.pwk)|*.pwk|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Select Bingo Card</source>
        <translation>Bingokarte auswählen</translation>
    </message>
    <message>
        <source>Plumwick File(*.pwk)|*.pwk|All Files (*.*)|*.*</source>
        <translation>Plumwick-Datei (*.pwk)|*.pwk|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>%1 opened: %2</source>
        <translation>%1 geöffnet: %2</translation>
    </message>
    <message>
        <source>Do you want to save current bingo card?</source>
        <translation>Möchten Sie die aktuelle Bingokarte speichern?</translation>
    </message>
    <message>
        <source>Game %1 (the current list)</source>
        <translation>Spiel %1 (die aktuelle Liste)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Recent Lists</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>E&amp;dit Words...</source>
        <translation>&amp;Wörter bearbeiten...</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Seite &amp;einrichten...</translation>
    </message>
    <message>
        <source>Expor&amp;t Cards...</source>
        <translation>Karten e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print &amp;Call List</source>
        <translation>&amp;Ausrufliste drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schrift</translation>
    </message>
    <message>
        <source>&amp;Number the Cards</source>
        <translation>Karten &amp;nummerieren</translation>
    </message>
    <message>
        <source>&amp;Same Text Size</source>
        <translation>&amp;Gleiche Textgröße</translation>
    </message>
    <message>
        <source>&amp;Samples</source>
        <translation>&amp;Beispiele</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Call Words...</source>
        <translation>Wörter &amp;ausrufen...</translation>
    </message>
    <message>
        <source>C&amp;heck a Card...</source>
        <translation>Karte &amp;prüfen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Homepage</source>
        <translation>&amp;Webseite</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Sample Card:</source>
        <translation>Beispielkarte:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Card Size: </source>
        <translation>Kartengröße: </translation>
    </message>
    <message>
        <source>Use Free Space </source>
        <translation>Freies Feld </translation>
    </message>
    <message>
        <source>Text: </source>
        <translation>Text: </translation>
    </message>
    <message>
        <source>Use Column Heading</source>
        <translation>Spaltenüberschrift</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message>
        <source>Printer To Use: </source>
        <translation>Drucker: </translation>
    </message>
    <message>
        <source>Number of Bingo Card: </source>
        <translation>Anzahl Karten: </translation>
    </message>
    <message>
        <source>Bingo Cards Per Page: </source>
        <translation>Karten pro Seite: </translation>
    </message>
    <message>
        <source>Free space text</source>
        <translation>Text des freien Feldes</translation>
    </message>
    <message>
        <source>Column heading text</source>
        <translation>Text der Spaltenüberschrift</translation>
    </message>
    <message>
        <source>Number of bingo cards</source>
        <translation>Anzahl der Bingokarten</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Type a word or phrase; Enter adds it to the list. The list opens below.</source>
        <translation>Geben Sie ein Wort oder einen Ausdruck ein; Eingabe fügt es der Liste hinzu. Die Liste öffnet sich darunter.</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Kartengröße</translation>
    </message>
    <message>
        <source>Printer to use</source>
        <translation>Zu verwendender Drucker</translation>
    </message>
    <message>
        <source>Bingo cards per page</source>
        <translation>Bingokarten pro Seite</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The list %1 no longer exists. It has been removed from the recent lists.</source>
        <translation>Die Liste %1 gibt es nicht mehr. Sie wurde aus den zuletzt geöffneten Listen entfernt.</translation>
    </message>
    <message>
        <source>1 of these words is already in the list. Add it again?</source>
        <translation>1 dieser Wörter steht schon in der Liste. Noch einmal hinzufügen?</translation>
    </message>
    <message>
        <source>%1 of these words are already in the list. Add them again?</source>
        <translation>%1 dieser Wörter stehen schon in der Liste. Noch einmal hinzufügen?</translation>
    </message>
    <message>
        <source>%1 added: %2</source>
        <translation>%1 hinzugefügt: %2</translation>
    </message>
    <message>
        <source>: a %1 x %1 card needs %2</source>
        <translation>: eine %1-x-%1-Karte braucht %2</translation>
    </message>
    <message>
        <source> ⚠ 1 word can&apos;t be drawn</source>
        <translation> ⚠ 1 Wort nicht darstellbar</translation>
    </message>
    <message>
        <source> ⚠ %1 words can&apos;t be drawn</source>
        <translation> ⚠ %1 Wörter nicht darstellbar</translation>
    </message>
    <message>
        <source>The printer %1 is no longer there, so nothing was printed. Choose another printer in &quot;Printer To Use&quot;</source>
        <translation>Den Drucker %1 gibt es nicht mehr, daher wurde nichts gedruckt. Wählen Sie unter „Drucker“ einen anderen</translation>
    </message>
    <message>
        <source>Print anyway?</source>
        <translation>Trotzdem drucken?</translation>
    </message>
    <message>
        <source>Printing card %1 of %2</source>
        <translation>Karte %1 von %2 wird gedruckt</translation>
    </message>
    <message>
        <source>Printing done: %1</source>
        <translation>Druck fertig: %1</translation>
    </message>
    <message>
        <source>These cards belong to game %1. Keep the code to check a winning card.</source>
        <translation>Diese Karten gehören zu Spiel %1. Bewahren Sie den Code auf, um eine Gewinnkarte zu prüfen.</translation>
    </message>
    <message>
        <source>Save PDF</source>
        <translation>PDF speichern</translation>
    </message>
    <message>
        <source>%1 is the word list that is open. Choose another name for the PDF file.</source>
        <translation>%1 ist die geöffnete Wortliste. Wählen Sie einen anderen Namen für die PDF-Datei.</translation>
    </message>
    <message>
        <source>Printing word %1 of %2</source>
        <translation>Wort %1 von %2 wird gedruckt</translation>
    </message>
    <message>
        <source>The printer %1 offers no paper sizes to choose from.</source>
        <translation>Der Drucker %1 bietet keine Papiergrößen zur Auswahl.</translation>
    </message>
    <message>
        <source>Please don&apos;t add an empty string.</source>
        <translation>Bitte fügen Sie keinen leeren Text hinzu.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; has already been added into the list, do you want to add it again?</source>
        <translation>Das Wort „%1“ steht schon in der Liste. Möchten Sie es noch einmal hinzufügen?</translation>
    </message>
    <message>
        <source>Please select the string you want to delete firstly.</source>
        <translation>Bitte wählen Sie zuerst das Wort, das Sie löschen möchten.</translation>
    </message>
    <message>
        <source>%1 deleted: %2</source>
        <translation>%1 gelöscht: %2</translation>
    </message>
    <message>
        <source>The numbers 1 to 90</source>
        <translation>Die Zahlen 1 bis 90</translation>
    </message>
    <message>
        <source>&amp;90-Ball Tickets</source>
        <translation>&amp;90-Ball-Scheine</translation>
    </message>
    <message>
        <source>The numbers 1 to 90, six tickets a strip</source>
        <translation>Die Zahlen 1 bis 90, sechs Scheine je Streifen</translation>
    </message>
    <message>
        <source>Sample Strip:</source>
        <translation>Beispielstreifen:</translation>
    </message>
    <message>
        <source>Sample strip</source>
        <translation>Beispielstreifen</translation>
    </message>
    <message>
        <source>Number of Strips: </source>
        <translation>Anzahl Streifen: </translation>
    </message>
    <message>
        <source>Strips Per Page: </source>
        <translation>Streifen pro Seite: </translation>
    </message>
    <message>
        <source>Number of strips</source>
        <translation>Anzahl der Streifen</translation>
    </message>
    <message>
        <source>Strips per page</source>
        <translation>Streifen pro Seite</translation>
    </message>
    <message>
        <source>2: two strips side by side on a landscape page</source>
        <translation>2: zwei Streifen nebeneinander auf einer Querformatseite</translation>
    </message>
    <message>
        <source>90-ball tickets: strips of six tickets of the numbers 1 to 90</source>
        <translation>90-Ball-Scheine: Streifen zu sechs Scheinen mit den Zahlen 1 bis 90</translation>
    </message>
    <message>
        <source>Bingo cards</source>
        <translation>Bingokarten</translation>
    </message>
    <message>
        <source>Printing strip %1 of %2</source>
        <translation>Streifen %1 von %2 wird gedruckt</translation>
    </message>
    <message>
        <source>These tickets belong to game %1. Keep the code to check a winning ticket.</source>
        <translation>Diese Scheine gehören zu Spiel %1. Bewahren Sie den Code auf, um einen Gewinnschein zu prüfen.</translation>
    </message>
    <message>
        <source>Exporting strip %1 of %2</source>
        <translation>Streifen %1 von %2 wird exportiert</translation>
    </message>
    <message>
        <source>Strips %1 to %2 of game %3 were exported to %4, a file a ticket.</source>
        <translation>Die Streifen %1 bis %2 von Spiel %3 wurden nach %4 exportiert, eine Datei je Schein.</translation>
    </message>
    <message>
        <source>%1 were exported to %2, a file a ticket.</source>
        <translation>%1 wurden nach %2 exportiert, eine Datei je Schein.</translation>
    </message>
    <message>
        <source>&amp;Room Display</source>
        <translation>Anzeige für den &amp;Saal</translation>
    </message>
    <message>
        <source>Your &amp;Patterns...</source>
        <translation>&amp;Eigene Muster...</translation>
    </message>
    <message>
        <source>Card &amp;Design...</source>
        <translation>&amp;Kartengestaltung...</translation>
    </message>
    <message>
        <source>Open Picture &amp;Folder...</source>
        <translation>Bilder&amp;ordner öffnen...</translation>
    </message>
    <message>
        <source>Add P&amp;icture...</source>
        <translation>B&amp;ild hinzufügen...</translation>
    </message>
    <message>
        <source>These pictures can&apos;t be shown; their cells show their captions:
%1</source>
        <translation>Diese Bilder können nicht gezeigt werden; ihre Felder zeigen ihre Beschriftungen:
%1</translation>
    </message>
    <message>
        <source>Open a Folder of Pictures</source>
        <translation>Bilderordner öffnen</translation>
    </message>
    <message>
        <source>There are no pictures in %1 (PNG, JPEG, SVG, GIF, BMP or WebP).</source>
        <translation>In %1 sind keine Bilder (PNG, JPEG, SVG, GIF, BMP oder WebP).</translation>
    </message>
    <message>
        <source>Add a Picture</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg *.gif *.bmp *.webp)|*.png;*.jpg;*.jpeg;*.svg;*.gif;*.bmp;*.webp|All Files (*.*)|*.*</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.svg *.gif *.bmp *.webp)|*.png;*.jpg;*.jpeg;*.svg;*.gif;*.bmp;*.webp|Alle Dateien (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>This is a folder, not a file</source>
        <translation>Das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>This is a device or a pipe, not a file</source>
        <translation>Das ist ein Gerät oder eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>Nothing reads from this pipe or device</source>
        <translation>Niemand liest aus dieser Pipe oder diesem Gerät</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>File cannot be read now (reading it would wait)</source>
        <translation>Die Datei kann gerade nicht gelesen werden (das Lesen würde warten)</translation>
    </message>
    <message>
        <source>File too large (the limit is %1 MB)</source>
        <translation>Datei zu groß (die Grenze ist %1 MB)</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>E/A-Fehler %1</translation>
    </message>
</context>
<context>
    <name>TicketCheck</name>
    <message>
        <source>Please type the game code printed on the ticket (as K7F2-9QXA).</source>
        <translation>Bitte geben Sie den Spielcode ein, der auf dem Schein steht (wie K7F2-9QXA).</translation>
    </message>
    <message>
        <source>%1 is the code of a game of cards, not of tickets</source>
        <translation>%1 ist der Code eines Spiels mit Karten, nicht mit Scheinen</translation>
    </message>
    <message>
        <source>Game %1 has %2 (tickets 1 to %3); there is no ticket %4 on strip %5</source>
        <translation>Spiel %1 hat %2 (Scheine 1 bis %3); es gibt keinen Schein %4 auf Streifen %5</translation>
    </message>
    <message>
        <source>There is no ticket %1 on strip %2</source>
        <translation>Es gibt keinen Schein %1 auf Streifen %2</translation>
    </message>
    <message>
        <source>This computer has no record of game %1, so it cannot confirm how many strips the game has.</source>
        <translation>Dieser Computer kennt Spiel %1 nicht und kann daher nicht bestätigen, wie viele Streifen das Spiel hat.</translation>
    </message>
</context>
<context>
    <name>TicketGridView</name>
    <message>
        <source>Checked ticket</source>
        <translation>Geprüfter Schein</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>, called</source>
        <translation>, ausgerufen</translation>
    </message>
    <message>
        <source>, not called</source>
        <translation>, nicht ausgerufen</translation>
    </message>
    <message>
        <source>, in a winning row</source>
        <translation>, in einer Gewinnreihe</translation>
    </message>
</context>
<context>
    <name>TicketPrinting</name>
    <message>
        <source>Ticket %1.</source>
        <translation>Schein %1.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Reihe %1: %2.</translation>
    </message>
</context>
<context>
    <name>TicketWebPage</name>
    <message>
        <source>Clear every mark on this ticket?</source>
        <translation>Alle Markierungen auf diesem Schein löschen?</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Reihe %1</translation>
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
        <translation>Noch kein Bingo: %1 %2 offen für %3</translation>
    </message>
    <message>
        <source>word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Bingo: %1</source>
        <translation>Bingo: %1</translation>
    </message>
    <message>
        <source>four corners</source>
        <translation>vier Ecken</translation>
    </message>
    <message>
        <source>the four corners</source>
        <translation>die vier Ecken</translation>
    </message>
    <message>
        <source>full card</source>
        <translation>volle Karte</translation>
    </message>
    <message>
        <source>the full card</source>
        <translation>die volle Karte</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>the X</source>
        <translation>das X</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Reihe %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>diagonal</source>
        <translation>Diagonale</translation>
    </message>
    <message>
        <source>the best line</source>
        <translation>die beste Reihe</translation>
    </message>
    <message>
        <source>Any line</source>
        <translation>Eine Reihe</translation>
    </message>
    <message>
        <source>Four corners</source>
        <translation>Vier Ecken</translation>
    </message>
    <message>
        <source>Full card</source>
        <translation>Volle Karte</translation>
    </message>
</context>
<context>
    <name>WordListFormat</name>
    <message>
        <source>%1 is not a word list</source>
        <translation>%1 ist keine Wortliste</translation>
    </message>
</context>
<context>
    <name>WordListModel</name>
    <message>
        <source>Picture: %1</source>
        <translation>Bild: %1</translation>
    </message>
</context>
<context>
    <name>WordsEditorDialog</name>
    <message>
        <source>Edit Words</source>
        <translation>Wörter bearbeiten</translation>
    </message>
    <message>
        <source>One &amp;word or phrase per line:</source>
        <translation>Ein &amp;Wort oder Ausdruck pro Zeile:</translation>
    </message>
    <message>
        <source>Discard the changes you made to the words?</source>
        <translation>Ihre Änderungen an den Wörtern verwerfen?</translation>
    </message>
    <message>
        <source>1 word</source>
        <translation>1 Wort</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 Wörter</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 (try --help)</source>
        <translation>%1 (siehe --help)</translation>
    </message>
</context>
</TS>
