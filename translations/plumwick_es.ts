<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BatchGame</name>
    <message>
        <source>%1, on %2 x %2 cards</source>
        <translation>%1, en cartones de %2 x %2</translation>
    </message>
    <message>
        <source>%1, any way round</source>
        <translation>%1, en cualquier posición</translation>
    </message>
    <message>
        <source>This computer has no record of game %1.</source>
        <translation>Este ordenador no tiene registro de la partida %1.</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <source>invalid value for %1: &apos;%2&apos; (%3)</source>
        <translation>valor no válido para %1: «%2» (%3)</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>option %1 needs a value, and it was empty</source>
        <translation>la opción %1 necesita un valor, y estaba vacío</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>la opción %1 no lleva valor</translation>
    </message>
    <message>
        <source>a whole number from 1 to 99999</source>
        <translation>un número entero de 1 a 99999</translation>
    </message>
    <message>
        <source>1, 2 or 4</source>
        <translation>1, 2 o 4</translation>
    </message>
    <message>
        <source>3, 5 or 7</source>
        <translation>3, 5 o 7</translation>
    </message>
    <message>
        <source>a whole number of points from 1 to 1600</source>
        <translation>un número entero de puntos de 1 a 1600</translation>
    </message>
    <message>
        <source>a whole number from 0 to 4294967295</source>
        <translation>un número entero de 0 a 4294967295</translation>
    </message>
    <message>
        <source>a card number from 1 to 100000</source>
        <translation>un número de cartón de 1 a 100000</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>no word list given</source>
        <translation>no se ha indicado ninguna lista de palabras</translation>
    </message>
    <message>
        <source>only one word list, please</source>
        <translation>solo una lista de palabras, por favor</translation>
    </message>
    <message>
        <source>--check needs --card N and --called FILE</source>
        <translation>--check necesita --card N y --called ARCHIVO</translation>
    </message>
    <message>
        <source>--card and --called go with --check</source>
        <translation>--card y --called van con --check</translation>
    </message>
    <message>
        <source>--numbered makes a new game: leave out --game and --seed</source>
        <translation>--numbered crea una partida nueva: quite --game y --seed</translation>
    </message>
    <message>
        <source>choose either --output or --printer</source>
        <translation>elija --output o --printer, no ambos</translation>
    </message>
    <message>
        <source>png, pdf or html</source>
        <translation>png, pdf o html</translation>
    </message>
    <message>
        <source>tickets are counted in strips of six: use --strips N, not --cards</source>
        <translation>los boletos se cuentan en tiras de seis: use --strips N, no --cards</translation>
    </message>
    <message>
        <source>tickets print 1 or 2 strips a page, not 4</source>
        <translation>los boletos se imprimen de 1 o 2 tiras por página, no 4</translation>
    </message>
    <message>
        <source>tickets have no card size, free space, heading or shared text size</source>
        <translation>los boletos no tienen tamaño de cartón, casilla libre, encabezado ni tamaño de texto común</translation>
    </message>
    <message>
        <source>line, two-lines or full-house</source>
        <translation>line, two-lines o full-house</translation>
    </message>
    <message>
        <source>a ticket is checked with --ticket T (and --strip N), not --card</source>
        <translation>un boleto se comprueba con --ticket T (y --strip N), no con --card</translation>
    </message>
    <message>
        <source>--check with --tickets needs --ticket T and --called FILE</source>
        <translation>--check con --tickets necesita --ticket T y --called ARCHIVO</translation>
    </message>
    <message>
        <source>--strip, --ticket and --called go with --check</source>
        <translation>--strip, --ticket y --called van con --check</translation>
    </message>
    <message>
        <source>a strip holds tickets 1 to 6</source>
        <translation>una tira tiene los boletos 1 a 6</translation>
    </message>
    <message>
        <source>a whole number from 1 to 16666</source>
        <translation>un número entero de 1 a 16666</translation>
    </message>
    <message>
        <source>a strip number from 1 to 16667</source>
        <translation>un número de tira de 1 a 16667</translation>
    </message>
    <message>
        <source>a ticket number from 1 to 100002</source>
        <translation>un número de boleto de 1 a 100002</translation>
    </message>
    <message>
        <source>--strips and --strip go with --tickets</source>
        <translation>--strips y --strip van con --tickets</translation>
    </message>
    <message>
        <source>--more goes with --game, for cards or strips to print or export</source>
        <translation>--more va con --game, para cartones o tiras que imprimir o exportar</translation>
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
        <translation>Uso: plumwick-print [opciones] LISTA.pwk
Imprime cartones de bingo de una lista de palabras, como los imprime Plumwick, en un archivo PDF o en una impresora.

  -o, --output ARCHIVO.pdf   escribir un PDF (lo predeterminado; LISTA.pdf si no se indica)
  -P, --printer NOMBRE       imprimir en esa impresora del sistema
      --cards N              cuántos cartones, de 1 a 99999 (predeterminado 1)
      --per-page 1|2|4       cartones por página (predeterminado 1)
      --size 3|5|7           casillas por lado del cartón
      --free-space[=TEXTO]   una casilla libre en el centro, con su texto
      --no-free-space        sin casilla libre
      --heading[=TEXTO]      una fila de encabezado, con sus letras
      --no-heading           sin fila de encabezado
      --word-wrap            una frase puede ocupar dos líneas
      --no-word-wrap         una frase queda en una línea
      --same-text-size       todas las palabras del trabajo a un mismo tamaño (--no-same-text-size: cada una ajustada sola)
      --font FUENTE          la fuente del cartón
      --font-size PUNTOS     el tamaño del texto del cartón, de 1 a 1600
      --paper NOMBRE         el papel del PDF: %1
      --export CARPETA       un archivo por cartón en CARPETA (card-0001.png ...) en lugar de un PDF
      --format png|pdf|html  los archivos que escribe --export (predeterminado png, 300 ppp; html: una
                             página web que el jugador toca para marcar)
      --call-list            imprimir la lista para cantar en lugar de cartones
      --seed N               el mismo N da los mismos cartones, una y otra vez
      --numbered             imprimir una partida: cartones numerados y un código de partida
                             (escrito en la salida estándar)
      --game CÓDIGO          volver a imprimir los cartones de esa partida (o su lista para cantar)
      --more                 con --game: las siguientes cartas del juego que nadie ha tenido
      --check CÓDIGO         mostrar un cartón de esa partida con las palabras cantadas marcadas,
                             y decir si gana (estado 0: bingo, 4: todavía no)
      --card N               el cartón que se comprueba
      --called ARCHIVO       las palabras cantadas hasta ahora, una por línea
      --pattern NOMBRE       el patrón ganador: line (predeterminado), corners, x, full, una forma
                             con nombre (postage-stamp, letter-t ...) o uno dibujado por usted
      --patterns             mostrar los patrones que admite --pattern y salir
      --record CODE          escribir el informe de la partida tal como lo guardó el cantor
                             (cantos con hora, premios, ganadores, reclamaciones): -o ARCHIVO.pdf o ARCHIVO.csv

Boletos de 90 bolas (no hace falta LISTA; una lista dada debe ser los números del 1 al 90):
      --tickets              imprimir tiras de seis boletos en lugar de cartones
      --strips N             cuántas tiras, de 1 a 16666 (predeterminado 1)
      --per-page 1|2         tiras por página: 1 vertical, 2 una al lado de otra en apaisado
      --check CODE --strip N --ticket T   comprobar el boleto T (1 a 6) de la tira N de una partida;
                             --ticket solo cuenta los boletos en toda la partida
      --pattern line|two-lines|full-house   con qué gana un boleto (predeterminado line)

  -q, --quiet                sin progreso en la salida de errores
  -h, --help                 mostrar esta ayuda y salir
      --version              mostrar la versión y salir

Las opciones no indicadas se toman de los ajustes de Plumwick (~/.local/share/Plumwick/Options.ini).
</translation>
    </message>
    <message>
        <source>--record takes a game code and -o FILE.pdf or FILE.csv alone</source>
        <translation>--record solo admite un código de partida y -o ARCHIVO.pdf o ARCHIVO.csv</translation>
    </message>
    <message>
        <source>--patterns lists the patterns</source>
        <translation>--patterns muestra los patrones</translation>
    </message>
</context>
<context>
    <name>BatchPrint</name>
    <message>
        <source>a %1 x %1 card with a free space</source>
        <translation>un cartón de %1 x %1 con casilla libre</translation>
    </message>
    <message>
        <source>a %1 x %1 card</source>
        <translation>un cartón de %1 x %1</translation>
    </message>
    <message>
        <source>card %1 of %2</source>
        <translation>cartón %1 de %2</translation>
    </message>
    <message>
        <source>%1 is already there; remove it or export to another folder</source>
        <translation>%1 ya existe; elimínelo o exporte a otra carpeta</translation>
    </message>
    <message>
        <source>the output %1 is the word list %2 itself; choose another output file</source>
        <translation>la salida %1 es la propia lista de palabras %2; elija otro archivo de salida</translation>
    </message>
    <message>
        <source>%1 has %2 words; %3 needs %4</source>
        <translation>%1 tiene %2 palabras; %3 necesita %4</translation>
    </message>
    <message>
        <source>no printer named &apos;%1&apos;</source>
        <translation>no hay ninguna impresora llamada «%1»</translation>
    </message>
</context>
<context>
    <name>BatchTickets</name>
    <message>
        <source>%1 is the code of a game of cards, not of tickets; leave out --tickets</source>
        <translation>%1 es el código de una partida de cartones, no de boletos; quite --tickets</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number from 1 to 90</source>
        <translation>%1: «%2» no es un número del 1 al 90</translation>
    </message>
    <message>
        <source>Strip %1, ticket %2 of game %3</source>
        <translation>Tira %1, boleto %2 de la partida %3</translation>
    </message>
    <message>
        <source>%1 is not the numbers 1 to 90; tickets are always of those numbers, so leave the list out</source>
        <translation>%1 no son los números del 1 al 90; los boletos llevan siempre esos números, así que quite la lista</translation>
    </message>
    <message>
        <source>--more with --tickets exports the strips: give --export DIR</source>
        <translation>--more con --tickets exporta las tiras: indique --export CARPETA</translation>
    </message>
</context>
<context>
    <name>CallerBoard</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>, called</source>
        <translation>, cantada</translation>
    </message>
    <message>
        <source>, not called</source>
        <translation>, sin cantar</translation>
    </message>
</context>
<context>
    <name>CallerWindow</name>
    <message>
        <source>Call Words</source>
        <translation>Cantar palabras</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>New &amp;Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Check a Card...</source>
        <translation>&amp;Comprobar un cartón...</translation>
    </message>
    <message>
        <source>&amp;Read Aloud</source>
        <translation>&amp;Leer en voz alta</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>&amp;Jugar:</translation>
    </message>
    <message>
        <source>No speech here.</source>
        <translation>No hay voz disponible.</translation>
    </message>
    <message>
        <source>The current list</source>
        <translation>La lista actual</translation>
    </message>
    <message>
        <source>Game %1: %2 (%3)</source>
        <translation>Partida %1: %2 (%3)</translation>
    </message>
    <message>
        <source>This game was stopped after %1 calls. Go on where it stopped?</source>
        <translation>Esta partida se detuvo tras %1 cantos. ¿Seguir donde se quedó?</translation>
    </message>
    <message>
        <source>%1. %2 of %2 called, the game is complete</source>
        <translation>%1. %2 de %2 cantadas, la partida está completa</translation>
    </message>
    <message>
        <source>%1 taken back</source>
        <translation>%1 deshecha</translation>
    </message>
    <message>
        <source>Start a new game? The %1 calls so far are cleared.</source>
        <translation>¿Empezar una partida nueva? Se borran los %1 cantos hechos.</translation>
    </message>
    <message>
        <source>The calls could not be saved (%1). The game goes on here, and the calls are saved as soon as that works again</source>
        <translation>No se pudieron guardar los cantos (%1). La partida sigue aquí, y los cantos se guardarán en cuanto vuelva a ser posible</translation>
    </message>
    <message>
        <source>This list has no words to call</source>
        <translation>Esta lista no tiene palabras que cantar</translation>
    </message>
    <message>
        <source>Press Space to call</source>
        <translation>Pulse Espacio para cantar</translation>
    </message>
    <message>
        <source>%1 of %2 called</source>
        <translation>%1 de %2 cantadas</translation>
    </message>
    <message>
        <source>Last calls: %1</source>
        <translation>Últimos cantos: %1</translation>
    </message>
    <message>
        <source>&amp;Share on this network</source>
        <translation>C&amp;ompartir en esta red</translation>
    </message>
    <message>
        <source>Phones in the room get cards of this game and see every call; their claims are checked here.</source>
        <translation>Los teléfonos de la sala reciben cartones de esta partida y ven cada canto; sus bingos se comprueban aquí.</translation>
    </message>
    <message>
        <source>Tra&amp;ditional Calls</source>
        <translation>Cantos &amp;tradicionales</translation>
    </message>
    <message>
        <source>Calls such as &quot;Two little ducks, 22&quot;, from a list you can edit: %1</source>
        <translation>Cantos como «Two little ducks, 22», de una lista que puede editar: %1</translation>
    </message>
    <message>
        <source>Game %1: 90-ball tickets (%2)</source>
        <translation>Partida %1: boletos de 90 bolas (%2)</translation>
    </message>
    <message>
        <source>Another claim: see the list of claims</source>
        <translation>Otro aviso de bingo: vea la lista de avisos</translation>
    </message>
    <message>
        <source>%1 more claims: see the list of claims</source>
        <translation>%1 avisos de bingo más: vea la lista de avisos</translation>
    </message>
    <message>
        <source>%1: checked</source>
        <translation>%1: marcado</translation>
    </message>
    <message>
        <source>%1: not checked</source>
        <translation>%1: sin marcar</translation>
    </message>
    <message>
        <source>Calls the next word on its own after the seconds given; Space pauses and resumes.</source>
        <translation>Canta la siguiente palabra por sí solo tras los segundos indicados; Espacio pausa y reanuda.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Seconds between calls</source>
        <translation>Segundos entre cantos</translation>
    </message>
    <message>
        <source>Auto Call paused: a claim came in</source>
        <translation>Canto automático en pausa: ha llegado un aviso de bingo</translation>
    </message>
    <message>
        <source>Auto Call paused</source>
        <translation>Canto automático en pausa</translation>
    </message>
    <message>
        <source>Auto Call goes on</source>
        <translation>El canto automático continúa</translation>
    </message>
    <message>
        <source>Paused: press Space to go on</source>
        <translation>En pausa: pulse Espacio para continuar</translation>
    </message>
    <message>
        <source>Next call once this one is read</source>
        <translation>Siguiente canto cuando se haya leído este</translation>
    </message>
    <message>
        <source>Next call in %1 s</source>
        <translation>Siguiente canto en %1 s</translation>
    </message>
    <message>
        <source>Resu&amp;me</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>The first call is coming</source>
        <translation>El primer canto está por llegar</translation>
    </message>
    <message>
        <source>Auto Call e&amp;very</source>
        <translation>Canto &amp;automático cada</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>Pa&amp;usa</translation>
    </message>
    <message>
        <source>Claim: %1</source>
        <translation>Aviso de bingo: %1</translation>
    </message>
    <message>
        <source>Every number the pattern can use is called</source>
        <translation>Se han cantado todos los números que el patrón puede usar</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Pri&amp;zes...</source>
        <translation>Pre&amp;mios...</translation>
    </message>
    <message>
        <source>Play the game for prizes in turn: one line, then two lines, then a full house, or any patterns.</source>
        <translation>Jugar premios uno tras otro: una línea, luego dos líneas, luego cartón lleno, o cualquier patrón.</translation>
    </message>
    <message>
        <source>Ne&amp;xt Prize</source>
        <translation>Premio si&amp;guiente</translation>
    </message>
    <message>
        <source>Save t&amp;he Game&apos;s Record...</source>
        <translation>Guardar el &amp;informe de la partida...</translation>
    </message>
    <message>
        <source>The calls with their times, the prizes&apos; winners with their cards, and the claims: as a PDF or CSV file.</source>
        <translation>Los cantos con su hora, los ganadores con sus cartones y las reclamaciones: en un archivo PDF o CSV.</translation>
    </message>
    <message>
        <source>S&amp;kip numbers the pattern can&apos;t use</source>
        <translation>Saltar los núm&amp;eros que el patrón no usa</translation>
    </message>
    <message>
        <source>Numbers in a column that the pattern leaves empty can&apos;t help any card win: they are not called.</source>
        <translation>Los números de una columna que el patrón deja vacía no ayudan a ganar a ningún cartón: no se cantan.</translation>
    </message>
    <message>
        <source>skipping %1: the pattern can&apos;t use them</source>
        <translation>se saltan %1: el patrón no los usa</translation>
    </message>
    <message>
        <source>Bingo! Ticket %1</source>
        <translation>¡Bingo! Boleto %1</translation>
    </message>
    <message>
        <source>Bingo! Card %1</source>
        <translation>¡Bingo! Cartón %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 gana %2</translation>
    </message>
    <message>
        <source>%1. Now playing for: %2</source>
        <translation>%1. Ahora se juega: %2</translation>
    </message>
    <message>
        <source>%1. Every prize is won</source>
        <translation>%1. Todos los premios tienen ganador</translation>
    </message>
    <message>
        <source>Now playing for: %1</source>
        <translation>Ahora se juega: %1</translation>
    </message>
    <message>
        <source>Every prize is won</source>
        <translation>Todos los premios tienen ganador</translation>
    </message>
    <message>
        <source>The prizes could not be saved (%1). The game goes on here.</source>
        <translation>No se pudieron guardar los premios (%1). La partida sigue aquí.</translation>
    </message>
    <message>
        <source>Prize %1 of %2: %3</source>
        <translation>Premio %1 de %2: %3</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Ganados: %1</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Save the Game&apos;s Record</source>
        <translation>Guardar el informe de la partida</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;CSV (*.csv)</source>
        <translation>PDF (*.pdf);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>The record could not be saved: %1</source>
        <translation>No se pudo guardar el informe: %1</translation>
    </message>
    <message>
        <source>The record is saved as %1</source>
        <translation>El informe se ha guardado como %1</translation>
    </message>
    <message>
        <source>Room Displa&amp;y</source>
        <translation>&amp;Vista para la sala</translation>
    </message>
    <message>
        <source>The call, the board and the prize for the hall, on a second screen where there is one.</source>
        <translation>El canto, el tablero y el premio para la sala, en una segunda pantalla si la hay.</translation>
    </message>
    <message>
        <source>the host&apos;s decision</source>
        <translation>decisión del anfitrión</translation>
    </message>
    <message>
        <source>Bingo! Ticket %1, by the host&apos;s decision</source>
        <translation>¡Bingo! Boleto %1, por decisión del anfitrión</translation>
    </message>
    <message>
        <source>Bingo! Card %1, by the host&apos;s decision</source>
        <translation>¡Bingo! Cartón %1, por decisión del anfitrión</translation>
    </message>
    <message>
        <source>Checking ticket %1</source>
        <translation>Comprobando el boleto %1</translation>
    </message>
    <message>
        <source>Checking card %1</source>
        <translation>Comprobando el cartón %1</translation>
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
        <translation>con casilla libre</translation>
    </message>
    <message>
        <source>without a free space</source>
        <translation>sin casilla libre</translation>
    </message>
    <message>
        <source>Game %1 has cards of %2, but the check is set to %3. Change the card size or the free space and check again.</source>
        <translation>La partida %1 tiene cartones de %2, pero la comprobación está ajustada a %3. Cambie el tamaño del cartón o la casilla libre y compruebe de nuevo.</translation>
    </message>
    <message>
        <source>This card was printed from another word list.</source>
        <translation>Este cartón se imprimió con otra lista de palabras.</translation>
    </message>
    <message>
        <source>Please type the game code printed on the card (as K7F2-9QXA).</source>
        <translation>Escriba el código de la partida impreso en el cartón (como K7F2-9QXA).</translation>
    </message>
    <message>
        <source>Game %1 has %2; there is no card %3</source>
        <translation>La partida %1 tiene %2; no hay cartón %3</translation>
    </message>
    <message>
        <source>There is no card %1</source>
        <translation>No hay cartón %1</translation>
    </message>
    <message>
        <source>This computer has no record of game %1, so it cannot confirm how many cards the game has.</source>
        <translation>Este ordenador no tiene registro de la partida %1, así que no puede confirmar cuántos cartones tiene.</translation>
    </message>
</context>
<context>
    <name>CardDesignDialog</name>
    <message>
        <source>Card Design</source>
        <translation>Diseño del cartón</translation>
    </message>
    <message>
        <source>&amp;Title above the card:</source>
        <translation>&amp;Título sobre el cartón:</translation>
    </message>
    <message>
        <source>F&amp;ooter under the card:</source>
        <translation>Pie ba&amp;jo el cartón:</translation>
    </message>
    <message>
        <source>&amp;Grid Lines</source>
        <translation>Líneas de la cuad&amp;rícula</translation>
    </message>
    <message>
        <source>Colour of the Grid Lines</source>
        <translation>Color de las líneas de la cuadrícula</translation>
    </message>
    <message>
        <source>Heading &amp;Band</source>
        <translation>&amp;Banda del encabezado</translation>
    </message>
    <message>
        <source>Colour of the Heading Band</source>
        <translation>Color de la banda del encabezado</translation>
    </message>
    <message>
        <source>Heading L&amp;etters</source>
        <translation>Letras del &amp;encabezado</translation>
    </message>
    <message>
        <source>Colour of the Heading Letters</source>
        <translation>Color de las letras del encabezado</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Palabras</translation>
    </message>
    <message>
        <source>Colour of the Words</source>
        <translation>Color de las palabras</translation>
    </message>
    <message>
        <source>&amp;Free Space</source>
        <translation>Casilla &amp;libre</translation>
    </message>
    <message>
        <source>Colour of the Free Space</source>
        <translation>Color de la casilla libre</translation>
    </message>
    <message>
        <source>T&amp;int</source>
        <translation>T&amp;inte</translation>
    </message>
    <message>
        <source>Colour of the Tint</source>
        <translation>Color del tinte</translation>
    </message>
    <message>
        <source>&amp;Plain Colours</source>
        <translation>Colores &amp;sencillos</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Colores:</translation>
    </message>
    <message>
        <source>Logo in the free space</source>
        <translation>Logotipo en la casilla libre</translation>
    </message>
    <message>
        <source>Choose &amp;Logo...</source>
        <translation>Elegir l&amp;ogotipo...</translation>
    </message>
    <message>
        <source>&amp;Remove Logo</source>
        <translation>&amp;Quitar logotipo</translation>
    </message>
    <message>
        <source>Logo in the free space:</source>
        <translation>Logotipo en la casilla libre:</translation>
    </message>
    <message>
        <source>Sample card</source>
        <translation>Cartón de muestra</translation>
    </message>
    <message>
        <source>Use for &amp;new lists too</source>
        <translation>Usar también para listas &amp;nuevas</translation>
    </message>
    <message>
        <source>as on a plain card</source>
        <translation>como en un cartón sencillo</translation>
    </message>
    <message>
        <source>The logo is small (%1 x %2 pixels): it is drawn at most twice that size, so it may not fill the free space on paper.</source>
        <translation>El logotipo es pequeño (%1 x %2 píxeles): se dibuja como mucho al doble de su tamaño, y puede no llenar la casilla libre en papel.</translation>
    </message>
    <message>
        <source>Choose a Logo</source>
        <translation>Elegir un logotipo</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg|All Files (*.*)|*.*</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>The picture can&apos;t be used as a logo:
%1</source>
        <translation>La imagen no puede usarse como logotipo:
%1</translation>
    </message>
    <message>
        <source>The words are hard to read: %1 on %2 has a contrast of %3:1, under 4.5:1.</source>
        <translation>Las palabras son difíciles de leer: %1 sobre %2 tiene un contraste de %3:1, por debajo de 4,5:1.</translation>
    </message>
    <message>
        <source>The heading letters are hard to read: %1 on %2 has a contrast of %3:1, under 4.5:1.</source>
        <translation>Las letras del encabezado son difíciles de leer: %1 sobre %2 tiene un contraste de %3:1, por debajo de 4,5:1.</translation>
    </message>
    <message>
        <source>The free space&apos;s text is hard to read: %1 on %2 has a contrast of %3:1, under 4.5:1.</source>
        <translation>El texto de la casilla libre es difícil de leer: %1 sobre %2 tiene un contraste de %3:1, por debajo de 4,5:1.</translation>
    </message>
    <message>
        <source>The title and the footer are hard to read: %1 on %2 has a contrast of %3:1, under 4.5:1.</source>
        <translation>El título y el pie son difíciles de leer: %1 sobre %2 tiene un contraste de %3:1, por debajo de 4,5:1.</translation>
    </message>
</context>
<context>
    <name>CardExport</name>
    <message>
        <source>There is no such folder</source>
        <translation>No existe esa carpeta</translation>
    </message>
</context>
<context>
    <name>CardGridView</name>
    <message>
        <source>Checked card</source>
        <translation>Cartón comprobado</translation>
    </message>
    <message>
        <source>, called</source>
        <translation>, cantada</translation>
    </message>
    <message>
        <source>, not called</source>
        <translation>, sin cantar</translation>
    </message>
    <message>
        <source>, in the winning line</source>
        <translation>, en la línea ganadora</translation>
    </message>
</context>
<context>
    <name>CardLook</name>
    <message>
        <source>The logo could not be used, and the cards have none:
%1</source>
        <translation>No se pudo usar el logotipo; los cartones no llevan ninguno:
%1</translation>
    </message>
</context>
<context>
    <name>CardPrinting</name>
    <message>
        <source>Your bingo card needs %1 words at least, please add more words, then try to export it again.</source>
        <translation>Su cartón de bingo necesita al menos %1 palabras. Añada más palabras y vuelva a intentar exportarlo.</translation>
    </message>
    <message>
        <source>Your bingo card needs %1 words at least, please add more words, then try to print it again.</source>
        <translation>Su cartón de bingo necesita al menos %1 palabras. Añada más palabras y vuelva a intentar imprimirlo.</translation>
    </message>
    <message>
        <source>%1 at %2 a page print as %3, since every page is full.</source>
        <translation>%1 a %2 por página se imprimen como %3, ya que cada página va completa.</translation>
    </message>
</context>
<context>
    <name>CardView</name>
    <message>
        <source>Heading: %1.</source>
        <translation>Encabezado: %1.</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Fila %1: %2.</translation>
    </message>
</context>
<context>
    <name>CardWebPage</name>
    <message>
        <source>en</source>
        <extracomment>The language code of the exported web page (the one of this translation).</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Pattern:</source>
        <translation>Patrón:</translation>
    </message>
    <message>
        <source>Bingo!</source>
        <translation>¡Bingo!</translation>
    </message>
    <message>
        <source>Clear marks</source>
        <translation>Borrar marcas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Clear every mark on this card?</source>
        <translation>¿Borrar todas las marcas de este cartón?</translation>
    </message>
</context>
<context>
    <name>CheckCardDialog</name>
    <message>
        <source>Check a Card</source>
        <translation>Comprobar un cartón</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>C&amp;omprobar</translation>
    </message>
    <message>
        <source>&amp;Game code:</source>
        <translation>&amp;Código de la partida:</translation>
    </message>
    <message>
        <source>&amp;Card number:</source>
        <translation>&amp;Número de cartón:</translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation>&amp;Patrón:</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Cartón %1: %2</translation>
    </message>
    <message>
        <source>Card %1: %2. %3</source>
        <translation>Cartón %1: %2. %3</translation>
    </message>
    <message>
        <source>&amp;Ticket number:</source>
        <translation>&amp;Número de boleto:</translation>
    </message>
    <message>
        <source>Counted through the game: tickets 1 to 6 are strip 1, 7 to 12 strip 2, ...</source>
        <translation>Contados en toda la partida: los boletos 1 a 6 son la tira 1, del 7 al 12 la tira 2, ...</translation>
    </message>
    <message>
        <source>Ticket %1 is ticket %2 of strip %3.</source>
        <translation>El boleto %1 es el boleto %2 de la tira %3.</translation>
    </message>
    <message>
        <source>Ticket %1: %2. %3</source>
        <translation>Boleto %1: %2. %3</translation>
    </message>
    <message>
        <source>Confirm &amp;Winner</source>
        <translation>Confirmar el &amp;ganador</translation>
    </message>
    <message>
        <source>The card wins the prize being played.</source>
        <translation>El cartón gana el premio que se está jugando.</translation>
    </message>
</context>
<context>
    <name>CountText</name>
    <message>
        <source>card</source>
        <translation>cartón</translation>
    </message>
    <message>
        <source>cards</source>
        <translation>cartones</translation>
    </message>
    <message>
        <source>strip</source>
        <translation>tira</translation>
    </message>
    <message>
        <source>strips</source>
        <translation>tiras</translation>
    </message>
</context>
<context>
    <name>DialogFolders</name>
    <message>
        <source>Bingo Cards</source>
        <translation>Cartones de bingo</translation>
    </message>
    <message>
        <source>Call List</source>
        <translation>Lista para cantar</translation>
    </message>
    <message>
        <source>%1 call list</source>
        <translation>%1 lista para cantar</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Cards</source>
        <translation>Exportar cartones</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>PNG pictures, 300 dpi</source>
        <translation>Imágenes PNG, 300 ppp</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>Archivos PDF</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Carpeta:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Cards:</source>
        <translation>C&amp;artones:</translation>
    </message>
    <message>
        <source>A new game</source>
        <translation>Una partida nueva</translation>
    </message>
    <message>
        <source>Game %1 (%2 so far)</source>
        <translation>Partida %1 (%2 hasta ahora)</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Partida:</translation>
    </message>
    <message>
        <source>F&amp;irst card:</source>
        <translation>P&amp;rimer cartón:</translation>
    </message>
    <message>
        <source>Export Cards To</source>
        <translation>Exportar cartones a</translation>
    </message>
    <message>
        <source>Please choose the folder the cards go to.</source>
        <translation>Elija la carpeta donde van los cartones.</translation>
    </message>
    <message>
        <source>This is a file, not a folder</source>
        <translation>Esto es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Create it?</source>
        <translation>La carpeta %1 no existe. ¿Crearla?</translation>
    </message>
    <message>
        <source>The folder could not be created</source>
        <translation>No se pudo crear la carpeta</translation>
    </message>
    <message>
        <source>Web pages (.html), to mark on a screen</source>
        <translation>Páginas web (.html), para marcar en pantalla</translation>
    </message>
    <message>
        <source>Export Tickets</source>
        <translation>Exportar boletos</translation>
    </message>
    <message>
        <source>&amp;Strips:</source>
        <translation>&amp;Tiras:</translation>
    </message>
    <message>
        <source>F&amp;irst strip:</source>
        <translation>P&amp;rimera tira:</translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>another Plumwick has held it for %1 seconds; try again when it has finished</source>
        <translation>otro Plumwick lo retiene desde hace %1 segundos; inténtelo de nuevo cuando termine</translation>
    </message>
</context>
<context>
    <name>FooterWords</name>
    <message>
        <source>Card</source>
        <translation>Cartón</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Strip</source>
        <translation>Tira</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Boleto</translation>
    </message>
</context>
<context>
    <name>GameCode</name>
    <message>
        <source>%1 is not the code of a game: a character is mistyped</source>
        <translation>%1 no es el código de una partida: hay un carácter mal escrito</translation>
    </message>
    <message>
        <source>%1 is not a game code (eight letters and digits, as K7F2-9QXA)</source>
        <translation>%1 no es un código de partida (ocho letras y cifras, como K7F2-9QXA)</translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <source>it holds no list of games</source>
        <translation>no contiene una lista de partidas</translation>
    </message>
    <message>
        <source>The game history could not be read (%1). It was kept as %2 and a new history was started.</source>
        <translation>No se pudo leer el historial de partidas (%1). Se guardó como %2 y se empezó un historial nuevo.</translation>
    </message>
    <message>
        <source>there is no folder for the program&apos;s data</source>
        <translation>no hay carpeta para los datos del programa</translation>
    </message>
    <message>
        <source>Game %1 was not recorded in the game history (%2). The cards are printed and the code still makes them again, but Check a Card will not know the game until it is recorded.</source>
        <translation>La partida %1 no se registró en el historial de partidas (%2). Los cartones están impresos y el código los sigue pudiendo rehacer, pero «Comprobar un cartón» no conocerá la partida hasta que se registre.</translation>
    </message>
    <message>
        <source>Game %1 (%2)</source>
        <translation>Partida %1 (%2)</translation>
    </message>
    <message>
        <source>The current list</source>
        <translation>La lista actual</translation>
    </message>
    <message>
        <source>Game %1 (90-ball tickets)</source>
        <translation>Partida %1 (boletos de 90 bolas)</translation>
    </message>
    <message>
        <source>every game code of this list has been used on this computer</source>
        <translation>todos los códigos de juego de esta lista ya se han usado en este ordenador</translation>
    </message>
    <message>
        <source>the game history %1 can&apos;t be read (%2), and it could not be put aside</source>
        <translation>el historial de partidas %1 no se puede leer (%2) y no se pudo apartar</translation>
    </message>
    <message>
        <source>No card of game %1 was dealt: the game history can&apos;t record it (%2), and a card it does not record would be dealt again.</source>
        <translation>No se repartió ningún cartón de la partida %1: el historial de partidas no puede registrarlo (%2), y un cartón que no registra se repartiría otra vez.</translation>
    </message>
</context>
<context>
    <name>GameLog</name>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Call or prize</source>
        <translation>Canto o premio</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Cartón</translation>
    </message>
    <message>
        <source>Time or line</source>
        <translation>Hora o línea</translation>
    </message>
    <message>
        <source>call</source>
        <translation>canto</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>ganador</translation>
    </message>
    <message>
        <source>%1, after %2 calls</source>
        <translation>%1, tras %2 cantos</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confirmada</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>quitada</translation>
    </message>
    <message>
        <source>taken back</source>
        <translation>deshecha</translation>
    </message>
    <message>
        <source>the host&apos;s decision</source>
        <translation>decisión del anfitrión</translation>
    </message>
</context>
<context>
    <name>GameRecordPdf</name>
    <message>
        <source>Game record: %1</source>
        <translation>Registro de la partida: %1</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Cantos</translation>
    </message>
    <message>
        <source>No calls were made.</source>
        <translation>No se cantó nada.</translation>
    </message>
    <message>
        <source>First call: %1</source>
        <translation>Primer canto: %1</translation>
    </message>
    <message>
        <source>Prizes</source>
        <translation>Premios</translation>
    </message>
    <message>
        <source>Prize %1: %2</source>
        <translation>Premio %1: %2</translation>
    </message>
    <message>
        <source>Not won.</source>
        <translation>Sin ganador.</translation>
    </message>
    <message>
        <source>Card %1: %2, after %3 calls</source>
        <translation>Cartón %1: %2, tras %3 cantos</translation>
    </message>
    <message>
        <source>Claims</source>
        <translation>Reclamaciones</translation>
    </message>
    <message>
        <source>No claims were confirmed or cleared.</source>
        <translation>No se confirmó ni se quitó ninguna reclamación.</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confirmada</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>quitada</translation>
    </message>
    <message>
        <source>Ticket %1: %2, after %3 calls</source>
        <translation>Boleto %1: %2, tras %3 cantos</translation>
    </message>
    <message>
        <source>%1 taken back</source>
        <translation>%1 deshecha</translation>
    </message>
    <message>
        <source>confirmed as the host&apos;s decision</source>
        <translation>confirmada por decisión del anfitrión</translation>
    </message>
</context>
<context>
    <name>GridAccessible</name>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
</context>
<context>
    <name>IntegerConversion</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
</context>
<context>
    <name>MissingGlyphs</name>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>These words contain characters that no installed font can draw, and would print with empty boxes: %1</source>
        <translation>Estas palabras contienen caracteres que ninguna fuente instalada puede dibujar, y se imprimirían con recuadros vacíos: %1</translation>
    </message>
</context>
<context>
    <name>NinetyBall</name>
    <message>
        <source>row %1 holds %2 numbers, not 5</source>
        <translation>la fila %1 tiene %2 números, no 5</translation>
    </message>
    <message>
        <source>%1 does not belong in column %2</source>
        <translation>%1 no va en la columna %2</translation>
    </message>
    <message>
        <source>column %1 does not rise from top to bottom</source>
        <translation>la columna %1 no sube de arriba abajo</translation>
    </message>
    <message>
        <source>column %1 holds no number</source>
        <translation>la columna %1 no tiene ningún número</translation>
    </message>
    <message>
        <source>ticket %1: %2</source>
        <translation>cartón %1: %2</translation>
    </message>
    <message>
        <source>%1 is on the strip twice</source>
        <translation>%1 está dos veces en la tira</translation>
    </message>
    <message>
        <source>%1 is not on the strip</source>
        <translation>%1 no está en la tira</translation>
    </message>
    <message>
        <source>Bingo: full house</source>
        <translation>Bingo: cartón lleno</translation>
    </message>
    <message>
        <source>Bingo: rows %1 and %2</source>
        <translation>Bingo: filas %1 y %2</translation>
    </message>
    <message>
        <source>Bingo: row %1</source>
        <translation>Bingo: fila %1</translation>
    </message>
    <message>
        <source>a full house</source>
        <translation>un cartón lleno</translation>
    </message>
    <message>
        <source>two lines</source>
        <translation>dos líneas</translation>
    </message>
    <message>
        <source>one line</source>
        <translation>una línea</translation>
    </message>
    <message>
        <source>No bingo yet: 1 number missing for %1</source>
        <translation>Todavía no hay bingo: falta 1 número para %1</translation>
    </message>
    <message>
        <source>No bingo yet: %2 numbers missing for %1</source>
        <translation>Todavía no hay bingo: faltan %2 números para %1</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>cartón lleno</translation>
    </message>
    <message>
        <source>rows %1 and %2</source>
        <translation>filas %1 y %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Cartón lleno</translation>
    </message>
    <message>
        <source>Two lines</source>
        <translation>Dos líneas</translation>
    </message>
    <message>
        <source>One line</source>
        <translation>Una línea</translation>
    </message>
</context>
<context>
    <name>NumberedGame</name>
    <message>
        <source>This word list gives only %1.</source>
        <translation>Esta lista de palabras solo da %1.</translation>
    </message>
    <message>
        <source>different card</source>
        <translation>cartón distinto</translation>
    </message>
    <message>
        <source>different cards</source>
        <translation>cartones distintos</translation>
    </message>
</context>
<context>
    <name>OwnPatterns</name>
    <message>
        <source>the file is larger than 1 MB</source>
        <translation>el archivo supera 1 MB</translation>
    </message>
    <message>
        <source>Your patterns could not be read from %1: %2</source>
        <translation>No se pudieron leer sus patrones de %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be kept aside as %2</source>
        <translation>No se pudo apartar %1 como %2</translation>
    </message>
</context>
<context>
    <name>PageSetupDialog</name>
    <message>
        <source>Page Setup</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>&amp;Paper for %1 (portrait):</source>
        <translation>&amp;Papel para %1 (vertical):</translation>
    </message>
</context>
<context>
    <name>PaintBox</name>
    <message>
        <source>Sample card</source>
        <translation>Cartón de muestra</translation>
    </message>
</context>
<context>
    <name>PatternEditorDialog</name>
    <message>
        <source>Your Patterns</source>
        <translation>Mis patrones</translation>
    </message>
    <message>
        <source>Your patterns</source>
        <translation>Mis patrones</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>&amp;Any way round (turned or mirrored)</source>
        <translation>En &amp;cualquier posición (girado o reflejado)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Arrow keys move over the cells; Space covers a cell or leaves it.</source>
        <translation>Las flechas recorren las casillas; Espacio añade una casilla al patrón o la quita.</translation>
    </message>
    <message>
        <source>&amp;Patterns:</source>
        <translation>&amp;Patrones:</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>N&amp;ombre:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>&amp;Cells:</source>
        <translation>Ca&amp;sillas:</translation>
    </message>
    <message>
        <source>%1 (%2 x %2)</source>
        <translation>%1 (%2 x %2)</translation>
    </message>
    <message>
        <source>The name takes one line.</source>
        <translation>El nombre ocupa una sola línea.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a pattern that comes with Plumwick; choose another name.</source>
        <translation>«%1» es el nombre de un patrón que trae Plumwick; elija otro nombre.</translation>
    </message>
    <message>
        <source>The pattern could not be saved: %1</source>
        <translation>No se pudo guardar el patrón: %1</translation>
    </message>
    <message>
        <source>Delete the pattern &quot;%1&quot;?</source>
        <translation>¿Eliminar el patrón «%1»?</translation>
    </message>
    <message>
        <source>The pattern could not be deleted: %1</source>
        <translation>No se pudo eliminar el patrón: %1</translation>
    </message>
    <message>
        <source>The pattern &quot;%1&quot; is saved</source>
        <translation>El patrón «%1» está guardado</translation>
    </message>
    <message>
        <source>Save the pattern you drew before closing?</source>
        <translation>¿Guardar el patrón dibujado antes de cerrar?</translation>
    </message>
</context>
<context>
    <name>PatternPicture</name>
    <message>
        <source>Pattern: %1, any way round</source>
        <translation>Patrón: %1, en cualquier posición</translation>
    </message>
    <message>
        <source>Pattern: %1</source>
        <translation>Patrón: %1</translation>
    </message>
</context>
<context>
    <name>Patterns</name>
    <message>
        <source>Postage stamp</source>
        <translation>Sello</translation>
    </message>
    <message>
        <source>Small frame</source>
        <translation>Marco pequeño</translation>
    </message>
    <message>
        <source>Large frame</source>
        <translation>Marco grande</translation>
    </message>
    <message>
        <source>Block of nine</source>
        <translation>Bloque de nueve</translation>
    </message>
    <message>
        <source>Plus sign</source>
        <translation>Signo más</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Letter T</source>
        <translation>Letra T</translation>
    </message>
    <message>
        <source>Crazy T</source>
        <translation>T loca</translation>
    </message>
    <message>
        <source>Letter L</source>
        <translation>Letra L</translation>
    </message>
    <message>
        <source>Crazy L</source>
        <translation>L loca</translation>
    </message>
    <message>
        <source>Letter H</source>
        <translation>Letra H</translation>
    </message>
    <message>
        <source>Letter E</source>
        <translation>Letra E</translation>
    </message>
    <message>
        <source>Letter C</source>
        <translation>Letra C</translation>
    </message>
    <message>
        <source>Letter U</source>
        <translation>Letra U</translation>
    </message>
    <message>
        <source>Letter Z</source>
        <translation>Letra Z</translation>
    </message>
    <message>
        <source>Letter N</source>
        <translation>Letra N</translation>
    </message>
    <message>
        <source>Letter I</source>
        <translation>Letra I</translation>
    </message>
    <message>
        <source>Letter P</source>
        <translation>Letra P</translation>
    </message>
    <message>
        <source>Letter Y</source>
        <translation>Letra Y</translation>
    </message>
    <message>
        <source>Number 7</source>
        <translation>Número 7</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Corazón</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Cometa</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pirámide</translation>
    </message>
    <message>
        <source>Six pack</source>
        <translation>Paquete de seis</translation>
    </message>
    <message>
        <source>Railroad tracks</source>
        <translation>Vías del tren</translation>
    </message>
    <message>
        <source>Top and bottom lines</source>
        <translation>Líneas de arriba y abajo</translation>
    </message>
    <message>
        <source>Checkerboard</source>
        <translation>Tablero de damas</translation>
    </message>
    <message>
        <source>Sputnik</source>
        <translation>Sputnik</translation>
    </message>
    <message>
        <source>%1 is drawn for cards of %2 x %2</source>
        <translation>%1 está dibujado para cartones de %2 x %2</translation>
    </message>
    <message>
        <source>The pattern has no name.</source>
        <translation>El patrón no tiene nombre.</translation>
    </message>
    <message>
        <source>A pattern is drawn on 3, 5 or 7 rows of as many cells.</source>
        <translation>Un patrón se dibuja en 3, 5 o 7 filas de otras tantas casillas.</translation>
    </message>
    <message>
        <source>The pattern covers no cell.</source>
        <translation>El patrón no cubre ninguna casilla.</translation>
    </message>
    <message>
        <source>The name is longer than 60 characters.</source>
        <translation>El nombre tiene más de 60 caracteres.</translation>
    </message>
    <message>
        <source>a row holds something other than X and .</source>
        <translation>una fila contiene algo distinto de X y .</translation>
    </message>
    <message>
        <source>the rows are not all %1 long</source>
        <translation>no todas las filas tienen %1 casillas</translation>
    </message>
    <message>
        <source>another pattern has this name</source>
        <translation>otro patrón tiene este nombre</translation>
    </message>
    <message>
        <source>Pattern %1 (%2): %3</source>
        <translation>Patrón %1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture is larger than 64 MB</source>
        <translation>La imagen ocupa más de 64 MB</translation>
    </message>
    <message>
        <source>SVG pictures need Qt&apos;s SVG support (the package libqt6svg6)</source>
        <translation>Las imágenes SVG necesitan el soporte SVG de Qt (el paquete libqt6svg6)</translation>
    </message>
    <message>
        <source>This is not a picture that can be read</source>
        <translation>No es una imagen que se pueda leer</translation>
    </message>
    <message>
        <source>The picture is larger than %1 x %1 pixels</source>
        <translation>La imagen es mayor de %1 x %1 píxeles</translation>
    </message>
    <message>
        <source>The picture could not be read: %1</source>
        <translation>No se pudo leer la imagen: %1</translation>
    </message>
    <message>
        <source>The picture is damaged: a part of it runs past the end of the file</source>
        <translation>La imagen está dañada: una parte de ella va más allá del final del archivo</translation>
    </message>
    <message>
        <source>WebP pictures need Qt&apos;s image format plugins (the package qt6-image-formats-plugins)</source>
        <translation>Las imágenes WebP necesitan los complementos de formatos de imagen de Qt (el paquete qt6-image-formats-plugins)</translation>
    </message>
</context>
<context>
    <name>Printers</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>No hay ninguna impresora predeterminada seleccionada</translation>
    </message>
</context>
<context>
    <name>PrizesDialog</name>
    <message>
        <source>Prizes</source>
        <translation>Premios</translation>
    </message>
    <message>
        <source>Prizes in turn</source>
        <translation>Premios uno tras otro</translation>
    </message>
    <message>
        <source>Any number, until you move on</source>
        <translation>Los que sean, hasta pasar al siguiente</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>One Line, Two Lines, &amp;Full House</source>
        <translation>Una línea, dos líneas, cartón &amp;lleno</translation>
    </message>
    <message>
        <source>Any Line, Four Corners, &amp;Full Card</source>
        <translation>Cualquier línea, cuatro esquinas, cartón &amp;lleno</translation>
    </message>
    <message>
        <source>Dra&amp;w a Pattern...</source>
        <translation>&amp;Dibujar un patrón...</translation>
    </message>
    <message>
        <source>The game is played for each prize in turn; a confirmed claim wins the prize being played. With no prizes, the game is played for the pattern chosen beside the claims.</source>
        <translation>La partida se juega por cada premio por turno; una reclamación confirmada gana el premio en juego. Sin premios, se juega por el patrón elegido junto a las reclamaciones.</translation>
    </message>
    <message>
        <source>&amp;Prizes:</source>
        <translation>&amp;Premios:</translation>
    </message>
    <message>
        <source>Pa&amp;ttern:</source>
        <translation>Pa&amp;trón:</translation>
    </message>
    <message>
        <source>%1: any number of winners</source>
        <translation>%1: los ganadores que sean</translation>
    </message>
    <message>
        <source>%1: one winner</source>
        <translation>%1: un ganador</translation>
    </message>
    <message>
        <source>%1: %2 winners</source>
        <translation>%1: %2 ganadores</translation>
    </message>
    <message>
        <source>Cards that may w&amp;in it:</source>
        <translation>Cartones que pueden &amp;ganarlo:</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>%1 (any way round)</source>
        <translation>%1 (en cualquier posición)</translation>
    </message>
</context>
<context>
    <name>QtPrinters</name>
    <message>
        <source>Printing in progress</source>
        <translation>Impresión en curso</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>Error al imprimir</translation>
    </message>
</context>
<context>
    <name>QtShell</name>
    <message>
        <source>%1 (xdg-open ended with exit status %2)</source>
        <translation>%1 (xdg-open terminó con el estado %2)</translation>
    </message>
</context>
<context>
    <name>QtSpeech</name>
    <message>
        <source>No speech engine is installed (Debian: qt6-speech-flite-plugin).</source>
        <translation>No hay ningún motor de voz instalado (Debian: qt6-speech-flite-plugin).</translation>
    </message>
    <message>
        <source>The speech engine could not start: no audio device?</source>
        <translation>El motor de voz no pudo arrancar: ¿no hay dispositivo de audio?</translation>
    </message>
    <message>
        <source>This build of Plumwick has no speech.</source>
        <translation>Esta versión de Plumwick no tiene voz.</translation>
    </message>
</context>
<context>
    <name>RoomDisplay</name>
    <message>
        <source>Room Display</source>
        <translation>Vista para la sala</translation>
    </message>
    <message>
        <source>Last calls: %1</source>
        <translation>Últimos cantos: %1</translation>
    </message>
    <message>
        <source>Play on your phone:</source>
        <translation>Juegue en su teléfono:</translation>
    </message>
    <message>
        <source>QR code of %1</source>
        <translation>Código QR de %1</translation>
    </message>
</context>
<context>
    <name>SampleCardAccessible</name>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Claims</source>
        <translation>Bingos cantados</translation>
    </message>
    <message>
        <source>C&amp;onfirm</source>
        <translation>Con&amp;firmar</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>N&amp;etwork:</source>
        <translation>&amp;Red:</translation>
    </message>
    <message>
        <source>%1 (confirmed)</source>
        <translation>%1 (confirmado)</translation>
    </message>
    <message>
        <source>Only a printed game can be shared: choose it in &quot;Play&quot;.</source>
        <translation>Solo se puede compartir una partida impresa: elíjala en «Jugar».</translation>
    </message>
    <message>
        <source>Phones connected: %1</source>
        <translation>Teléfonos conectados: %1</translation>
    </message>
    <message>
        <source>QR code of %1</source>
        <translation>Código QR de %1</translation>
    </message>
    <message>
        <source>Pa&amp;ttern:</source>
        <translation>&amp;Patrón:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Plazas</translation>
    </message>
    <message>
        <source>Let This Seat Go</source>
        <translation>Liberar esta plaza</translation>
    </message>
    <message>
        <source>Let Every Seat of This Address Go</source>
        <translation>Liberar todas las plazas de esta dirección</translation>
    </message>
    <message>
        <source>ticket %1</source>
        <translation>boleto %1</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>cartón %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3 from this address)</source>
        <translation>%1: %2 (%3 desde esta dirección)</translation>
    </message>
    <message>
        <source>%1 seats let go</source>
        <translation>%1 plazas liberadas</translation>
    </message>
    <message>
        <source>Seats:</source>
        <translation>Plazas:</translation>
    </message>
    <message>
        <source>Claims:</source>
        <translation>Bingos cantados:</translation>
    </message>
    <message>
        <source>Address for the phones</source>
        <translation>Dirección para los teléfonos</translation>
    </message>
    <message>
        <source>Phones can join at %1</source>
        <translation>Los teléfonos pueden unirse en %1</translation>
    </message>
    <message>
        <source>The card wins with the calls made: Bingo! on every phone and the room display.</source>
        <translation>El cartón gana con los cantos hechos: ¡Bingo! en cada teléfono y en la vista para la sala.</translation>
    </message>
    <message>
        <source>Con&amp;firm Anyway</source>
        <translation>Dar por &amp;bueno</translation>
    </message>
    <message>
        <source>The card does not win with the calls made; confirm it as your decision (a house rule, a late call). The record and the room display say it was.</source>
        <translation>El cartón no gana con los cantos hechos; confírmelo como decisión suya (una regla de la casa, un canto tardío). El informe y la vista para la sala lo dicen.</translation>
    </message>
    <message>
        <source>%1 (the host&apos;s decision)</source>
        <translation>%1 (decisión del anfitrión)</translation>
    </message>
    <message>
        <source>In a corner</source>
        <translation>En una esquina</translation>
    </message>
    <message>
        <source>Large, in the board&apos;s place</source>
        <translation>Grande, en lugar del tablero</translation>
    </message>
    <message>
        <source>Not shown</source>
        <translation>No se muestra</translation>
    </message>
    <message>
        <source>How the room display shows the address and QR code that phones join with.</source>
        <translation>Cómo la vista para la sala muestra la dirección y el código QR con los que se unen los teléfonos.</translation>
    </message>
    <message>
        <source>&amp;Joining on the room display:</source>
        <translation>Enlace &amp;y código QR, en la vista para la sala:</translation>
    </message>
</context>
<context>
    <name>ShareServer</name>
    <message>
        <source>Bingo with Plumwick</source>
        <translation>Bingo con Plumwick</translation>
    </message>
    <message>
        <source>Get a card</source>
        <translation>Recibir un cartón</translation>
    </message>
    <message>
        <source>I have card number</source>
        <translation>Tengo el cartón número</translation>
    </message>
    <message>
        <source>Play this card</source>
        <translation>Jugar con este cartón</translation>
    </message>
    <message>
        <source>Mark calls for me</source>
        <translation>Marcar los cantos por mí</translation>
    </message>
    <message>
        <source>%1 called</source>
        <translation>%1 cantadas</translation>
    </message>
    <message>
        <source>Waiting for the first call</source>
        <translation>Esperando el primer canto</translation>
    </message>
    <message>
        <source>Connection lost; trying again...</source>
        <translation>Conexión perdida; reintentando...</translation>
    </message>
    <message>
        <source>This is not an address to share the game on</source>
        <translation>Esta no es una dirección para compartir la partida</translation>
    </message>
    <message>
        <source>The game could not be shared on this address</source>
        <translation>No se pudo compartir la partida en esta dirección</translation>
    </message>
    <message>
        <source>This phone has no card in this game.</source>
        <translation>Este teléfono no tiene cartón en esta partida.</translation>
    </message>
    <message>
        <source>Wait a moment before you claim again.</source>
        <translation>Espere un momento antes de volver a cantar.</translation>
    </message>
    <message>
        <source>Get a ticket</source>
        <translation>Recibir un boleto</translation>
    </message>
    <message>
        <source>I have ticket number</source>
        <translation>Tengo el boleto número</translation>
    </message>
    <message>
        <source>Play this ticket</source>
        <translation>Jugar con este boleto</translation>
    </message>
    <message>
        <source>Strip %1 · Ticket %2</source>
        <translation>Tira %1 · Boleto %2</translation>
    </message>
    <message>
        <source>check code</source>
        <translation>código de control</translation>
    </message>
    <message>
        <source>Many cards were just given to phones on this connection. Wait a little and try again.</source>
        <translation>Se acaban de dar muchos cartones a teléfonos en esta conexión. Espere un poco y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Cards are being given out quickly. Wait a moment and try again.</source>
        <translation>Se están repartiendo cartones muy deprisa. Espere un momento y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 (any way round)</source>
        <translation>%1 (en cualquier posición)</translation>
    </message>
    <message>
        <source>Several wrong check codes were just typed on this connection. Wait a little and try again.</source>
        <translation>Se acaban de escribir varios códigos de control equivocados en esta conexión. Espere un poco y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>SharedGame</name>
    <message>
        <source>This game has as many players as it takes.</source>
        <translation>Esta partida tiene tantos jugadores como admite.</translation>
    </message>
    <message>
        <source>This game has no card left to deal.</source>
        <translation>A esta partida no le quedan cartones que repartir.</translation>
    </message>
    <message>
        <source>There is no printed card %1 in this game.</source>
        <translation>En esta partida no hay ningún cartón impreso %1.</translation>
    </message>
    <message>
        <source>Card %1 is already on another phone.</source>
        <translation>El cartón %1 ya está en otro teléfono.</translation>
    </message>
    <message>
        <source>Card %1 claims bingo: verified, %2</source>
        <translation>El cartón %1 canta bingo: comprobado, %2</translation>
    </message>
    <message>
        <source>Card %1 claims bingo: not yet, %2 missing</source>
        <translation>El cartón %1 canta bingo: todavía no, faltan %2</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Cartón %1</translation>
    </message>
    <message>
        <source>This game has no ticket left to deal.</source>
        <translation>A esta partida no le quedan boletos que repartir.</translation>
    </message>
    <message>
        <source>There is no printed ticket %1 in this game.</source>
        <translation>En esta partida no hay ningún boleto impreso %1.</translation>
    </message>
    <message>
        <source>Ticket %1 is already on another phone.</source>
        <translation>El boleto %1 ya está en otro teléfono.</translation>
    </message>
    <message>
        <source>Ticket %1 claims bingo: verified, %2</source>
        <translation>El boleto %1 canta bingo: comprobado, %2</translation>
    </message>
    <message>
        <source>Ticket %1 claims bingo: not yet, %2 missing</source>
        <translation>El boleto %1 canta bingo: todavía no, faltan %2</translation>
    </message>
    <message>
        <source>Type the check code printed under card %1, after &quot;%2&quot;.</source>
        <translation>Escriba el código de control impreso bajo el cartón %1, después de «%2».</translation>
    </message>
    <message>
        <source>That is not the check code of card %1: it is printed under the card, after &quot;%2&quot;.</source>
        <translation>Ese no es el código de control del cartón %1: está impreso bajo el cartón, después de «%2».</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>%1 could not be opened: no program here opens it</source>
        <translation>No se pudo abrir %1: ningún programa de aquí lo abre</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>only one word list, please</source>
        <translation>solo una lista de palabras, por favor</translation>
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
        <translation>Uso: plumwick [LISTA.pwk]
Diseña e imprime cartones de bingo. Empieza con la lista de palabras LISTA.pwk abierta, si se indica.

  -h, --help     mostrar esta ayuda y salir
      --version  mostrar la versión y salir

Las opciones propias de Qt funcionan como en cualquier programa Qt: -style NOMBRE, -stylesheet ARCHIVO,
-reverse, -platform NOMBRE y las demás; después de -- nada es una opción.

Los ajustes se guardan en ~/.local/share/Plumwick/Options.ini. Para imprimir desde una shell,
vea plumwick-print --help.
</translation>
    </message>
</context>
<context>
    <name>TFrmAbout</name>
    <message>
        <source>About Plumwick</source>
        <translation>Acerca de Plumwick</translation>
    </message>
    <message>
        <source>© 2026 The Plumwick developers.</source>
        <translation>© 2026 Equipo de Plumwick.</translation>
    </message>
    <message>
        <source>Free software: GNU GPL 3 or later.</source>
        <translation>Software libre: GNU GPL 3 o posterior.</translation>
    </message>
    <message>
        <source>Plumwick version %1</source>
        <translation>Plumwick versión %1</translation>
    </message>
    <message>
        <source>Website: </source>
        <translation>Sitio web: </translation>
    </message>
    <message>
        <source>Support Email: </source>
        <translation>Soporte: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Plumwick&apos;s icon: a bingo card</source>
        <translation>El icono de Plumwick: un cartón de bingo</translation>
    </message>
</context>
<context>
    <name>TFrmFonts</name>
    <message>
        <source>Font Options</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>Size: </source>
        <translation>Tamaño: </translation>
    </message>
    <message>
        <source>Font Test</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Font name</source>
        <translation>Nombre de la fuente</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de la fuente</translation>
    </message>
</context>
<context>
    <name>TFrmMain</name>
    <message>
        <source>Tip: To make your own card list, please type words in the text box, then press Enter or Add button. If you want to delete a word, please select it from the dropdown list and click Delete button. When all words are added, please click Print button in the toolbar to print it.</source>
        <translation>Consejo: para hacer su propia lista, escriba palabras en el cuadro de texto y pulse Intro o «Añadir». Para borrar una palabra, elíjala en la lista desplegable y pulse «Borrar». Cuando estén todas, pulse «Imprimir» en la barra de herramientas.</translation>
    </message>
    <message>
        <source>Plumwick</source>
        <translation>Plumwick</translation>
    </message>
    <message>
        <source>Export anyway?</source>
        <translation>¿Exportar de todos modos?</translation>
    </message>
    <message>
        <source>%1 of these files are already in %2 (%3 ...). Replace them?</source>
        <translation>%1 de estos archivos ya están en %2 (%3 ...). ¿Reemplazarlos?</translation>
    </message>
    <message>
        <source> %1 of them are links: each link is replaced by its card, and the file it leads to is left as it is.</source>
        <translation> %1 de ellos son enlaces: cada enlace se reemplaza por su cartón, y el archivo al que lleva queda como está.</translation>
    </message>
    <message>
        <source>Exporting card %1 of %2</source>
        <translation>Exportando cartón %1 de %2</translation>
    </message>
    <message>
        <source>Export cancelled: %1 of %2 written to %3.</source>
        <translation>Exportación cancelada: %1 de %2 escritos en %3.</translation>
    </message>
    <message>
        <source>Cards %1 to %2 of game %3 were exported to %4.</source>
        <translation>Los cartones %1 a %2 de la partida %3 se exportaron a %4.</translation>
    </message>
    <message>
        <source>1 card was exported to %2.</source>
        <translation>Se exportó 1 cartón a %2.</translation>
    </message>
    <message>
        <source>%1 cards were exported to %2.</source>
        <translation>Se exportaron %1 cartones a %2.</translation>
    </message>
    <message>
        <source>The sample bingo card doesn&apos;t exist, please re-install the software and try it again.</source>
        <translation>No se encuentra la lista de muestra. Vuelva a instalar el programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Save Bingo Card</source>
        <translation>Guardar cartón de bingo</translation>
    </message>
    <message>
        <source>Plumwick File (*.pwk)|*.pwk|All Files (*.*)|*.*</source>
        <translation>Archivo de Plumwick (*.pwk)|*.pwk|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Select Bingo Card</source>
        <translation>Elegir cartón de bingo</translation>
    </message>
    <message>
        <source>Plumwick File(*.pwk)|*.pwk|All Files (*.*)|*.*</source>
        <translation>Archivo de Plumwick (*.pwk)|*.pwk|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Guardado como %1</translation>
    </message>
    <message>
        <source>%1 opened: %2</source>
        <translation>%1 abierto: %2</translation>
    </message>
    <message>
        <source>Do you want to save current bingo card?</source>
        <translation>¿Quiere guardar el cartón de bingo actual?</translation>
    </message>
    <message>
        <source>Game %1 (the current list)</source>
        <translation>Partida %1 (la lista actual)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Recent Lists</source>
        <translation>Listas &amp;recientes</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>E&amp;dit Words...</source>
        <translation>E&amp;ditar palabras...</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Configurar &amp;página...</translation>
    </message>
    <message>
        <source>Expor&amp;t Cards...</source>
        <translation>E&amp;xportar cartones...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print &amp;Call List</source>
        <translation>Imprimir &amp;lista para cantar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Fuente</translation>
    </message>
    <message>
        <source>&amp;Number the Cards</source>
        <translation>&amp;Numerar los cartones</translation>
    </message>
    <message>
        <source>&amp;Same Text Size</source>
        <translation>&amp;Mismo tamaño de texto</translation>
    </message>
    <message>
        <source>&amp;Samples</source>
        <translation>&amp;Ejemplos</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Call Words...</source>
        <translation>&amp;Cantar palabras...</translation>
    </message>
    <message>
        <source>C&amp;heck a Card...</source>
        <translation>C&amp;omprobar un cartón...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Homepage</source>
        <translation>Página &amp;web</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Sample Card:</source>
        <translation>Cartón de muestra:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Card Size: </source>
        <translation>Tamaño: </translation>
    </message>
    <message>
        <source>Use Free Space </source>
        <translation>Casilla libre </translation>
    </message>
    <message>
        <source>Text: </source>
        <translation>Texto: </translation>
    </message>
    <message>
        <source>Use Column Heading</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Ajustar texto</translation>
    </message>
    <message>
        <source>Printer To Use: </source>
        <translation>Impresora: </translation>
    </message>
    <message>
        <source>Number of Bingo Card: </source>
        <translation>Número de cartones: </translation>
    </message>
    <message>
        <source>Bingo Cards Per Page: </source>
        <translation>Cartones por página: </translation>
    </message>
    <message>
        <source>Free space text</source>
        <translation>Texto de la casilla libre</translation>
    </message>
    <message>
        <source>Column heading text</source>
        <translation>Texto del encabezado de columnas</translation>
    </message>
    <message>
        <source>Number of bingo cards</source>
        <translation>Número de cartones de bingo</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Type a word or phrase; Enter adds it to the list. The list opens below.</source>
        <translation>Escriba una palabra o frase; Intro la añade a la lista. La lista se abre debajo.</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Tamaño del cartón</translation>
    </message>
    <message>
        <source>Printer to use</source>
        <translation>Impresora que se usa</translation>
    </message>
    <message>
        <source>Bingo cards per page</source>
        <translation>Cartones de bingo por página</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The list %1 no longer exists. It has been removed from the recent lists.</source>
        <translation>La lista %1 ya no existe. Se ha quitado de las listas recientes.</translation>
    </message>
    <message>
        <source>1 of these words is already in the list. Add it again?</source>
        <translation>1 de estas palabras ya está en la lista. ¿Añadirla otra vez?</translation>
    </message>
    <message>
        <source>%1 of these words are already in the list. Add them again?</source>
        <translation>%1 de estas palabras ya están en la lista. ¿Añadirlas otra vez?</translation>
    </message>
    <message>
        <source>%1 added: %2</source>
        <translation>%1 añadido: %2</translation>
    </message>
    <message>
        <source>: a %1 x %1 card needs %2</source>
        <translation>: un cartón de %1 x %1 necesita %2</translation>
    </message>
    <message>
        <source> ⚠ 1 word can&apos;t be drawn</source>
        <translation> ⚠ 1 palabra no se puede dibujar</translation>
    </message>
    <message>
        <source> ⚠ %1 words can&apos;t be drawn</source>
        <translation> ⚠ %1 palabras no se pueden dibujar</translation>
    </message>
    <message>
        <source>The printer %1 is no longer there, so nothing was printed. Choose another printer in &quot;Printer To Use&quot;</source>
        <translation>La impresora %1 ya no está, así que no se imprimió nada. Elija otra impresora en «Impresora»</translation>
    </message>
    <message>
        <source>Print anyway?</source>
        <translation>¿Imprimir de todos modos?</translation>
    </message>
    <message>
        <source>Printing card %1 of %2</source>
        <translation>Imprimiendo cartón %1 de %2</translation>
    </message>
    <message>
        <source>Printing done: %1</source>
        <translation>Impresión terminada: %1</translation>
    </message>
    <message>
        <source>These cards belong to game %1. Keep the code to check a winning card.</source>
        <translation>Estos cartones pertenecen a la partida %1. Guarde el código para comprobar un cartón ganador.</translation>
    </message>
    <message>
        <source>Save PDF</source>
        <translation>Guardar PDF</translation>
    </message>
    <message>
        <source>%1 is the word list that is open. Choose another name for the PDF file.</source>
        <translation>%1 es la lista de palabras abierta. Elija otro nombre para el archivo PDF.</translation>
    </message>
    <message>
        <source>Printing word %1 of %2</source>
        <translation>Imprimiendo palabra %1 de %2</translation>
    </message>
    <message>
        <source>The printer %1 offers no paper sizes to choose from.</source>
        <translation>La impresora %1 no ofrece tamaños de papel.</translation>
    </message>
    <message>
        <source>Please don&apos;t add an empty string.</source>
        <translation>No añada un texto vacío.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; has already been added into the list, do you want to add it again?</source>
        <translation>La palabra «%1» ya está en la lista. ¿Quiere añadirla otra vez?</translation>
    </message>
    <message>
        <source>Please select the string you want to delete firstly.</source>
        <translation>Elija primero la palabra que quiere borrar.</translation>
    </message>
    <message>
        <source>%1 deleted: %2</source>
        <translation>%1 borrado: %2</translation>
    </message>
    <message>
        <source>The numbers 1 to 90</source>
        <translation>Los números del 1 al 90</translation>
    </message>
    <message>
        <source>&amp;90-Ball Tickets</source>
        <translation>Boletos de &amp;90 bolas</translation>
    </message>
    <message>
        <source>The numbers 1 to 90, six tickets a strip</source>
        <translation>Los números del 1 al 90, seis boletos por tira</translation>
    </message>
    <message>
        <source>Sample Strip:</source>
        <translation>Tira de ejemplo:</translation>
    </message>
    <message>
        <source>Sample strip</source>
        <translation>Tira de ejemplo</translation>
    </message>
    <message>
        <source>Number of Strips: </source>
        <translation>Número de tiras: </translation>
    </message>
    <message>
        <source>Strips Per Page: </source>
        <translation>Tiras por página: </translation>
    </message>
    <message>
        <source>Number of strips</source>
        <translation>Número de tiras</translation>
    </message>
    <message>
        <source>Strips per page</source>
        <translation>Tiras por página</translation>
    </message>
    <message>
        <source>2: two strips side by side on a landscape page</source>
        <translation>2: dos tiras una al lado de la otra en una página apaisada</translation>
    </message>
    <message>
        <source>90-ball tickets: strips of six tickets of the numbers 1 to 90</source>
        <translation>Boletos de 90 bolas: tiras de seis boletos con los números del 1 al 90</translation>
    </message>
    <message>
        <source>Bingo cards</source>
        <translation>Cartones de bingo</translation>
    </message>
    <message>
        <source>Printing strip %1 of %2</source>
        <translation>Imprimiendo la tira %1 de %2</translation>
    </message>
    <message>
        <source>These tickets belong to game %1. Keep the code to check a winning ticket.</source>
        <translation>Estos boletos pertenecen a la partida %1. Guarde el código para comprobar un boleto ganador.</translation>
    </message>
    <message>
        <source>Exporting strip %1 of %2</source>
        <translation>Exportando la tira %1 de %2</translation>
    </message>
    <message>
        <source>Strips %1 to %2 of game %3 were exported to %4, a file a ticket.</source>
        <translation>Las tiras %1 a %2 de la partida %3 se exportaron a %4, un archivo por boleto.</translation>
    </message>
    <message>
        <source>%1 were exported to %2, a file a ticket.</source>
        <translation>%1 exportadas a %2, un archivo por boleto.</translation>
    </message>
    <message>
        <source>&amp;Room Display</source>
        <translation>&amp;Vista para la sala</translation>
    </message>
    <message>
        <source>Your &amp;Patterns...</source>
        <translation>&amp;Mis patrones...</translation>
    </message>
    <message>
        <source>Card &amp;Design...</source>
        <translation>&amp;Diseño del cartón...</translation>
    </message>
    <message>
        <source>Open Picture &amp;Folder...</source>
        <translation>Abrir carpe&amp;ta de imágenes...</translation>
    </message>
    <message>
        <source>Add P&amp;icture...</source>
        <translation>Añadir i&amp;magen...</translation>
    </message>
    <message>
        <source>These pictures can&apos;t be shown; their cells show their captions:
%1</source>
        <translation>Estas imágenes no se pueden mostrar; sus casillas muestran sus leyendas:
%1</translation>
    </message>
    <message>
        <source>Open a Folder of Pictures</source>
        <translation>Abrir una carpeta de imágenes</translation>
    </message>
    <message>
        <source>There are no pictures in %1 (PNG, JPEG, SVG, GIF, BMP or WebP).</source>
        <translation>No hay imágenes en %1 (PNG, JPEG, SVG, GIF, BMP o WebP).</translation>
    </message>
    <message>
        <source>Add a Picture</source>
        <translation>Añadir una imagen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg *.gif *.bmp *.webp)|*.png;*.jpg;*.jpeg;*.svg;*.gif;*.bmp;*.webp|All Files (*.*)|*.*</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.svg *.gif *.bmp *.webp)|*.png;*.jpg;*.jpeg;*.svg;*.gif;*.bmp;*.webp|Todos los archivos (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>This is a folder, not a file</source>
        <translation>Esto es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>This is a device or a pipe, not a file</source>
        <translation>Esto es un dispositivo o una tubería, no un archivo</translation>
    </message>
    <message>
        <source>Nothing reads from this pipe or device</source>
        <translation>Nada lee de esta tubería o dispositivo</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>File cannot be read now (reading it would wait)</source>
        <translation>El archivo no se puede leer ahora (la lectura esperaría)</translation>
    </message>
    <message>
        <source>File too large (the limit is %1 MB)</source>
        <translation>Archivo demasiado grande (el límite es %1 MB)</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error de E/S %1</translation>
    </message>
</context>
<context>
    <name>TicketCheck</name>
    <message>
        <source>Please type the game code printed on the ticket (as K7F2-9QXA).</source>
        <translation>Escriba el código de partida impreso en el boleto (como K7F2-9QXA).</translation>
    </message>
    <message>
        <source>%1 is the code of a game of cards, not of tickets</source>
        <translation>%1 es el código de una partida de cartones, no de boletos</translation>
    </message>
    <message>
        <source>Game %1 has %2 (tickets 1 to %3); there is no ticket %4 on strip %5</source>
        <translation>La partida %1 tiene %2 (boletos 1 a %3); no hay boleto %4 en la tira %5</translation>
    </message>
    <message>
        <source>There is no ticket %1 on strip %2</source>
        <translation>No hay boleto %1 en la tira %2</translation>
    </message>
    <message>
        <source>This computer has no record of game %1, so it cannot confirm how many strips the game has.</source>
        <translation>Este ordenador no tiene registro de la partida %1, así que no puede confirmar cuántas tiras tiene.</translation>
    </message>
</context>
<context>
    <name>TicketGridView</name>
    <message>
        <source>Checked ticket</source>
        <translation>Boleto comprobado</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>, called</source>
        <translation>, cantado</translation>
    </message>
    <message>
        <source>, not called</source>
        <translation>, no cantado</translation>
    </message>
    <message>
        <source>, in a winning row</source>
        <translation>, en una línea ganadora</translation>
    </message>
</context>
<context>
    <name>TicketPrinting</name>
    <message>
        <source>Ticket %1.</source>
        <translation>Boleto %1.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Fila %1: %2.</translation>
    </message>
</context>
<context>
    <name>TicketWebPage</name>
    <message>
        <source>Clear every mark on this ticket?</source>
        <translation>¿Borrar todas las marcas de este boleto?</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
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
        <translation>Todavía no hay bingo: %3, a falta de %1 %2</translation>
    </message>
    <message>
        <source>word</source>
        <translation>palabra</translation>
    </message>
    <message>
        <source>words</source>
        <translation>palabras</translation>
    </message>
    <message>
        <source>Bingo: %1</source>
        <translation>Bingo: %1</translation>
    </message>
    <message>
        <source>four corners</source>
        <translation>cuatro esquinas</translation>
    </message>
    <message>
        <source>the four corners</source>
        <translation>las cuatro esquinas</translation>
    </message>
    <message>
        <source>full card</source>
        <translation>cartón lleno</translation>
    </message>
    <message>
        <source>the full card</source>
        <translation>el cartón lleno</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>the X</source>
        <translation>la X</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>diagonal</source>
        <translation>diagonal</translation>
    </message>
    <message>
        <source>the best line</source>
        <translation>la mejor línea</translation>
    </message>
    <message>
        <source>Any line</source>
        <translation>Una línea</translation>
    </message>
    <message>
        <source>Four corners</source>
        <translation>Cuatro esquinas</translation>
    </message>
    <message>
        <source>Full card</source>
        <translation>Cartón lleno</translation>
    </message>
</context>
<context>
    <name>WordListFormat</name>
    <message>
        <source>%1 is not a word list</source>
        <translation>%1 no es una lista de palabras</translation>
    </message>
</context>
<context>
    <name>WordListModel</name>
    <message>
        <source>Picture: %1</source>
        <translation>Imagen: %1</translation>
    </message>
</context>
<context>
    <name>WordsEditorDialog</name>
    <message>
        <source>Edit Words</source>
        <translation>Editar palabras</translation>
    </message>
    <message>
        <source>One &amp;word or phrase per line:</source>
        <translation>Una &amp;palabra o frase por línea:</translation>
    </message>
    <message>
        <source>Discard the changes you made to the words?</source>
        <translation>¿Descartar los cambios hechos en las palabras?</translation>
    </message>
    <message>
        <source>1 word</source>
        <translation>1 palabra</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 palabras</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 (try --help)</source>
        <translation>%1 (pruebe --help)</translation>
    </message>
</context>
</TS>
