<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CardImagery</name>
    <message>
        <source>Cannot open the card file %1: %2</source>
        <translation>No se puede abrir el archivo de cartas %1: %2</translation>
    </message>
    <message>
        <source>The card file %1 is too short: %2 bytes, %3 expected</source>
        <translation>El archivo de cartas %1 es demasiado corto: %2 bytes, se esperaban %3</translation>
    </message>
    <message>
        <source>Cannot read record %1 of the card file %2: %3</source>
        <translation>No se puede leer el registro %1 del archivo de cartas %2: %3</translation>
    </message>
    <message>
        <source>The card file %1 is damaged: record %2 is not a picture</source>
        <translation>El archivo de cartas %1 está dañado: el registro %2 no es una imagen</translation>
    </message>
    <message>
        <source>The card file %1 is damaged: record %2 is %3 x %4, not %5 x %6</source>
        <translation>El archivo de cartas %1 está dañado: el registro %2 mide %3 x %4 en vez de %5 x %6</translation>
    </message>
    <message>
        <source>The card file is not loaded</source>
        <translation>El archivo de cartas no está cargado</translation>
    </message>
    <message>
        <source>Cannot load the card back %1</source>
        <translation>No se puede cargar el reverso %1</translation>
    </message>
    <message>
        <source>its pixels cannot be decoded</source>
        <translation>sus píxeles no se pueden descodificar</translation>
    </message>
    <message>
        <source>it decodes to %1 x %2</source>
        <translation>da %1 x %2 píxeles</translation>
    </message>
    <message>
        <source>The card back %1 is damaged: %2</source>
        <translation>El reverso %1 está dañado: %2</translation>
    </message>
    <message>
        <source>it is not a Windows bitmap</source>
        <translation>no es un mapa de bits de Windows</translation>
    </message>
    <message>
        <source>unknown bitmap header of %1 bytes</source>
        <translation>cabecera de mapa de bits desconocida de %1 bytes</translation>
    </message>
    <message>
        <source>its header is cut short</source>
        <translation>su cabecera está cortada</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, not %3 x %4</source>
        <translation>declara %1 x %2 píxeles en vez de %3 x %4</translation>
    </message>
    <message>
        <source>it is not an uncompressed 24- or 32-bit picture</source>
        <translation>no es una imagen sin comprimir de 24 o 32 bits</translation>
    </message>
    <message>
        <source>its pixels start inside its header</source>
        <translation>sus píxeles empiezan dentro de la cabecera</translation>
    </message>
    <message>
        <source>it is cut short: %1 bytes, %2 expected</source>
        <translation>está cortado: %1 bytes, se esperaban %2</translation>
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
        <translation>Tarvelle con el comodín</translation>
    </message>
    <message>
        <source>9/6 Jacks or Better</source>
        <translation>9/6 Jotas o mejor</translation>
    </message>
    <message>
        <source>8/5 Jacks or Better</source>
        <translation>8/5 Jotas o mejor</translation>
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
        <translation>Deuces Wild de pago completo</translation>
    </message>
    <message>
        <source>Full-pay Joker Poker (Kings or Better)</source>
        <translation>Joker Poker de pago completo (Reyes o mejor)</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>Low pair</source>
        <translation>Pareja baja</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Jotas o mejor</translation>
    </message>
    <message>
        <source>Kings or Better</source>
        <translation>Reyes o mejor</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Doble pareja</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Four 5s-Ks</source>
        <translation>Póker de 5 a K</translation>
    </message>
    <message>
        <source>Four 2s-4s</source>
        <translation>Póker de 2 a 4</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>Póker de ases</translation>
    </message>
    <message>
        <source>Four 2s-4s with A-4</source>
        <translation>Póker de 2 a 4 con A-4</translation>
    </message>
    <message>
        <source>Four Aces with 2-4</source>
        <translation>Póker de ases con 2-4</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Escalera de color</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Escalera real</translation>
    </message>
    <message>
        <source>Wild Royal Flush</source>
        <translation>Escalera real con comodín</translation>
    </message>
    <message>
        <source>Five of a Kind</source>
        <translation>Repóker</translation>
    </message>
    <message>
        <source>Four Deuces</source>
        <translation>Póker de doses</translation>
    </message>
    <message>
        <source>Natural Royal Flush</source>
        <translation>Escalera real natural</translation>
    </message>
    <message>
        <source>Jacks or better</source>
        <translation>Jotas o mejor</translation>
    </message>
    <message>
        <source>Two Pairs</source>
        <translation>Doble pareja</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Poker</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Five of a kind</source>
        <translation>Repóker</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Jotas</translation>
    </message>
    <message>
        <source>2 Pair</source>
        <translation>2 parejas</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Full </source>
        <translation>Full </translation>
    </message>
    <message>
        <source>Str. Fl.</source>
        <translation>Esc. col.</translation>
    </message>
    <message>
        <source>Royal Fl.</source>
        <translation>Esc. real</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Repóker</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Premios</translation>
    </message>
    <message>
        <source>Autoplay off</source>
        <translation>Juego auto: no</translation>
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
        <translation>Doblar Rojo-Negro</translation>
    </message>
    <message>
        <source>Double Low-High</source>
        <translation>Doblar Bajo-Alto</translation>
    </message>
    <message>
        <source>Autoplay on</source>
        <translation>Juego auto: sí</translation>
    </message>
    <message>
        <source>%1 strategy</source>
        <translation>Estrategia de %1</translation>
    </message>
    <message>
        <source>Hold the first line that fits the dealt hand; where it fits more than one way, keep the higher cards.</source>
        <translation>Quédese con la primera línea que encaje con la mano repartida; si encaja de varias maneras, guarde las cartas más altas.</translation>
    </message>
    <message>
        <source>A flush penalty is a card thrown away of the suit kept, a straight penalty one that could have made a straight with the cards kept.</source>
        <translation>Una penalización de color es una carta descartada del palo que se guarda; una de escalera, una descartada que podría haber formado escalera con las cartas guardadas.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Deals %</source>
        <translation>Manos %</translation>
    </message>
    <message>
        <source>Pays</source>
        <translation>Paga</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Pérdida</translation>
    </message>
    <message>
        <source>Played by this chart the game returns %1 %; the best play returns %2 %, %3 points more.</source>
        <translation>Jugado según esta tabla, el juego devuelve el %1 %; el mejor juego devuelve el %2 %, %3 puntos más.</translation>
    </message>
</context>
<context>
    <name>GameCaption</name>
    <message>
        <source>Choose the game (G)</source>
        <translation>Elegir el juego (G)</translation>
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
        <translation>Rey</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>discard everything</source>
        <translation>descartar todo</translation>
    </message>
    <message>
        <source>keep all five (no win)</source>
        <translation>guardar las cinco (sin premio)</translation>
    </message>
    <message>
        <source>a pair</source>
        <translation>una pareja</translation>
    </message>
    <message>
        <source>high pair</source>
        <translation>pareja alta</translation>
    </message>
    <message>
        <source>low pair</source>
        <translation>pareja baja</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>doble pareja</translation>
    </message>
    <message>
        <source>three of a kind</source>
        <translation>trío</translation>
    </message>
    <message>
        <source>four of a kind</source>
        <translation>póker</translation>
    </message>
    <message>
        <source>the Joker alone</source>
        <translation>comodín solo</translation>
    </message>
    <message>
        <source>the Joker and %1</source>
        <translation>comodín y %1</translation>
    </message>
    <message>
        <source>%1 alone</source>
        <translation>%1, nada más</translation>
    </message>
    <message>
        <source>suited %1</source>
        <translation>%1 del mismo palo</translation>
    </message>
    <message>
        <source>unsuited %1</source>
        <translation>%1 de distinto palo</translation>
    </message>
    <message>
        <source>%1 to a royal flush</source>
        <translation>%1 a escalera real</translation>
    </message>
    <message>
        <source>%1 to a straight flush</source>
        <translation>%1 a escalera de color</translation>
    </message>
    <message>
        <source>%1 to a flush</source>
        <translation>%1 a color</translation>
    </message>
    <message>
        <source>%1 to an outside straight</source>
        <translation>%1 a escalera abierta</translation>
    </message>
    <message>
        <source>%1 to an inside straight</source>
        <translation>%1 a escalera interna</translation>
    </message>
    <message>
        <source>%1 to a straight</source>
        <translation>%1 a escalera</translation>
    </message>
    <message>
        <source>four deuces alone</source>
        <translation>cuatro doses solos</translation>
    </message>
    <message>
        <source>three deuces alone</source>
        <translation>tres doses solos</translation>
    </message>
    <message>
        <source>two deuces alone</source>
        <translation>dos doses solos</translation>
    </message>
    <message>
        <source>one deuce alone</source>
        <translation>un dos solo</translation>
    </message>
    <message>
        <source>four Aces</source>
        <translation>póker de ases</translation>
    </message>
    <message>
        <source>three Aces</source>
        <translation>trío de ases</translation>
    </message>
    <message>
        <source>pair of Aces</source>
        <translation>pareja de ases</translation>
    </message>
    <message>
        <source>four 2s to 4s</source>
        <translation>póker de 2 a 4</translation>
    </message>
    <message>
        <source>three 2s to 4s</source>
        <translation>trío de 2 a 4</translation>
    </message>
    <message>
        <source>pair of 2s to 4s</source>
        <translation>pareja de 2 a 4</translation>
    </message>
    <message>
        <source>four 5s to Kings</source>
        <translation>póker de 5 a Rey</translation>
    </message>
    <message>
        <source>three 5s to Kings</source>
        <translation>trío de 5 a Rey</translation>
    </message>
    <message>
        <source>pair of 5s to 10s</source>
        <translation>pareja de 5 a 10</translation>
    </message>
    <message>
        <source>pair of Jacks to Kings</source>
        <translation>pareja de Jota a Rey</translation>
    </message>
    <message>
        <source>four Jacks to Kings</source>
        <translation>póker de Jota a Rey</translation>
    </message>
    <message>
        <source>three Jacks to Kings</source>
        <translation>trío de Jota a Rey</translation>
    </message>
    <message>
        <source>four 5s to 10s</source>
        <translation>póker de 5 a 10</translation>
    </message>
    <message>
        <source>three 5s to 10s</source>
        <translation>trío de 5 a 10</translation>
    </message>
    <message>
        <source>pair of 5s to Kings</source>
        <translation>pareja de 5 a Rey</translation>
    </message>
    <message>
        <source> with the Joker</source>
        <translation> con comodín</translation>
    </message>
    <message>
        <source> with one deuce</source>
        <translation> con un dos</translation>
    </message>
    <message>
        <source> with two deuces</source>
        <translation> con dos doses</translation>
    </message>
    <message>
        <source> with a flush penalty</source>
        <translation> con penalización de color</translation>
    </message>
    <message>
        <source> with a straight penalty</source>
        <translation> con penalización de escalera</translation>
    </message>
    <message>
        <source> with flush and straight penalties</source>
        <translation> con penalizaciones de color y de escalera</translation>
    </message>
    <message>
        <source>, no penalty card</source>
        <translation>, sin penalización</translation>
    </message>
    <message>
        <source>, fits 1 straight</source>
        <translation>, vale para 1 escalera</translation>
    </message>
    <message>
        <source>, fits %1 straights</source>
        <translation>, vale para %1 escaleras</translation>
    </message>
    <message>
        <source>, which needs a 2</source>
        <translation>, que necesita un 2</translation>
    </message>
    <message>
        <source>, %1 needing a 2</source>
        <translation>, %1 con un 2</translation>
    </message>
    <message>
        <source>, no gaps</source>
        <translation>, sin huecos</translation>
    </message>
    <message>
        <source>, 1 gap</source>
        <translation>, 1 hueco</translation>
    </message>
    <message>
        <source>, %1 gaps</source>
        <translation>, %1 huecos</translation>
    </message>
    <message>
        <source>, no high cards</source>
        <translation>, sin cartas altas</translation>
    </message>
    <message>
        <source>, 1 high card</source>
        <translation>, 1 carta alta</translation>
    </message>
    <message>
        <source>, %1 high cards</source>
        <translation>, %1 cartas altas</translation>
    </message>
    <message>
        <source>, inside</source>
        <translation>, interna</translation>
    </message>
    <message>
        <source>, open</source>
        <translation>, abierta</translation>
    </message>
    <message>
        <source>dealt %1</source>
        <translation>%1 servido</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Tarvelle is already running with the data folder %1.
Close that copy before starting another one.</source>
        <translation>Tarvelle ya está en marcha con la carpeta de datos %1.
Cierre esa copia antes de abrir otra.</translation>
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
        <translation>Uso: tarvelle [--data-dir CARPETA]
Videopóker: Jotas o mejor con un comodín opcional y un juego de doblar,
y las tablas de pagos de los casinos (Jotas o mejor, Bonus, Deuces Wild, Joker Poker...).

  --data-dir CARPETA  leer los archivos de datos de CARPETA y guardar allí poker.ini y poker.dat
  --help              mostrar esta ayuda y salir
  --version           mostrar la versión y salir

Sin --data-dir el juego usa su propia carpeta si contiene poker2.dat y se puede
escribir en ella; si no, lee ../share/tarvelle desde su carpeta (bin o games) y
guarda los archivos del jugador en $XDG_DATA_HOME/Tarvelle (por defecto
~/.local/share/Tarvelle).
</translation>
    </message>
</context>
<context>
    <name>TrainingWarning</name>
    <message>
        <source>Training: not the best hold</source>
        <translation>Entrenamiento: no es la mejor jugada</translation>
    </message>
    <message>
        <source>Draw anyway (Y)</source>
        <translation>Pedir igualmente (Y)</translation>
    </message>
    <message>
        <source>Take the best hold (B)</source>
        <translation>Tomar la mejor (B)</translation>
    </message>
    <message>
        <source>Change my hold (N)</source>
        <translation>Cambiar mi jugada (N)</translation>
    </message>
    <message>
        <source>nothing (draw five)</source>
        <translation>nada (pedir cinco)</translation>
    </message>
</context>
<context>
    <name>tarvelle::BankrollChart</name>
    <message>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>± 1 standard deviation</source>
        <translation>± 1 desviación típica</translation>
    </message>
    <message>
        <source>± 2 standard deviations</source>
        <translation>± 2 desviaciones típicas</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperado</translation>
    </message>
    <message>
        <source>Kept history</source>
        <translation>Historial guardado</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Esta sesión</translation>
    </message>
    <message>
        <source>: return %1 %, standard deviation %2 a hand per credit bet</source>
        <translation>: retorno %1 %, desviación típica %2 por mano y crédito apostado</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;small&gt;Payout rate control is on: the table pays less than this.&lt;/small&gt;</source>
        <translation>&lt;br&gt;&lt;small&gt;El control de pagos está activo: la mesa paga menos que esto.&lt;/small&gt;</translation>
    </message>
    <message>
        <source>Credits won</source>
        <translation>Créditos ganados</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;small&gt;Kept history of this game: %1 hands, the double-up left out.&lt;/small&gt;</source>
        <translation>&lt;br&gt;&lt;small&gt;Historial guardado de este juego: %1 manos, sin el doble o nada.&lt;/small&gt;</translation>
    </message>
</context>
<context>
    <name>tarvelle::CoachPanel</name>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>Expert holds</source>
        <translation>Jugada experta</translation>
    </message>
    <message>
        <source>Coach (C)</source>
        <translation>Asesor (C)</translation>
    </message>
    <message>
        <source>Training off (T)</source>
        <translation>Entrenamiento desactivado (T)</translation>
    </message>
    <message>
        <source>Training: every mistake (T)</source>
        <translation>Entrenamiento: cada error (T)</translation>
    </message>
    <message>
        <source>Training: mistakes over %1 (T)</source>
        <translation>Entrenamiento: errores de más de %1 (T)</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Asesor</translation>
    </message>
    <message>
        <source>Deal a hand to see the value of</source>
        <translation>Reparta una mano para ver el valor</translation>
    </message>
    <message>
        <source>every hold, per credit bet.</source>
        <translation>de cada jugada por crédito apostado.</translation>
    </message>
    <message>
        <source>Best holds</source>
        <translation>Mejores jugadas</translation>
    </message>
    <message>
        <source>per bet</source>
        <translation>por apuesta</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>La suya</translation>
    </message>
    <message>
        <source>%1  rank %2</source>
        <translation>%1  puesto %2</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Mejor jugada</translation>
    </message>
    <message>
        <source>Best: %1 (%2),</source>
        <translation>Mejor: %1 (%2),</translation>
    </message>
    <message>
        <source>yours: %1 (%2),</source>
        <translation>la suya: %1 (%2),</translation>
    </message>
    <message>
        <source>cost: %1 credits</source>
        <translation>coste: %1 créditos</translation>
    </message>
    <message>
        <source>Your hold is judged at the draw.</source>
        <translation>Su jugada se juzga al pedir cartas.</translation>
    </message>
    <message>
        <source>%1: %2 hands, %3 mistakes</source>
        <translation>%1: %2 manos, %3 errores</translation>
    </message>
    <message>
        <source>%1 %, lost %2</source>
        <translation>%1 %, perdido %2</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>working...</source>
        <translation>calculando...</translation>
    </message>
    <message>
        <source>Game return, best holds</source>
        <translation>Retorno, mejores jugadas</translation>
    </message>
    <message>
        <source>Game return, table&apos;s holds</source>
        <translation>Retorno, jugadas de la mesa</translation>
    </message>
    <message>
        <source>Payout control on: values assume fair cards</source>
        <translation>Control de pagos activo: valores con cartas justas</translation>
    </message>
    <message>
        <source> | Expert holds: on</source>
        <translation> | Jugada experta: sí</translation>
    </message>
    <message>
        <source> | Expert holds: off</source>
        <translation> | Jugada experta: no</translation>
    </message>
    <message>
        <source>Expert holds: on</source>
        <translation>Jugada experta: sí</translation>
    </message>
    <message>
        <source>Expert holds: off</source>
        <translation>Jugada experta: no</translation>
    </message>
    <message>
        <source>hold nothing</source>
        <translation>no guardar nada</translation>
    </message>
    <message>
        <source>hold %1</source>
        <translation>guardar %1</translation>
    </message>
</context>
<context>
    <name>tarvelle::DrillWindow</name>
    <message>
        <source>Drill</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>Drill: %1. Hold the cards you would keep (1-5), then check (Enter). Nothing is at stake; a hand answered right three times in a row leaves the drill.</source>
        <translation>Práctica: %1. Guarde las cartas que se quedaría (1-5) y compruebe (Intro). No se apuesta nada; una mano acertada tres veces seguidas sale de la práctica.</translation>
    </message>
    <message>
        <source>The drill is done: every hand has been answered right three times in a row.</source>
        <translation>La práctica ha terminado: cada mano se ha acertado tres veces seguidas.</translation>
    </message>
    <message>
        <source>No mistakes of this game to drill: the hand history has none left.</source>
        <translation>No hay errores de este juego para practicar: el historial de manos no tiene ninguno.</translation>
    </message>
    <message>
        <source>Right: this hold is worth %1 per credit bet, as much as any.</source>
        <translation>Correcto: esta jugada vale %1 por crédito apostado, tanto como la mejor.</translation>
    </message>
    <message>
        <source>Not the best: your hold is worth %1 per credit bet; the best, %2, is worth %3. The mistake costs %4 per credit bet.</source>
        <translation>No es la mejor jugada: la suya vale %1 por crédito apostado; la mejor, %2, vale %3. El error cuesta %4 por crédito apostado.</translation>
    </message>
    <message>
        <source>drawing five new cards</source>
        <translation>pedir cinco cartas nuevas</translation>
    </message>
    <message>
        <source>Three times right in a row: this hand leaves the drill.</source>
        <translation>Tres veces seguidas acertada: esta mano sale de la práctica.</translation>
    </message>
    <message>
        <source>Score: %1 of %2 right; %3 hands left in the drill</source>
        <translation>Puntuación: %1 de %2 aciertos; quedan %3 manos en la práctica</translation>
    </message>
    <message>
        <source>HELD</source>
        <translation>GUARDADA</translation>
    </message>
    <message>
        <source>best: hold</source>
        <translation>mejor: guardar</translation>
    </message>
    <message>
        <source>best: draw</source>
        <translation>mejor: pedir</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Carta %1: %2</translation>
    </message>
    <message>
        <source>held</source>
        <translation>guardada</translation>
    </message>
    <message>
        <source>the best hold keeps it</source>
        <translation>la mejor jugada la guarda</translation>
    </message>
    <message>
        <source>the best hold draws it</source>
        <translation>la mejor jugada la cambia</translation>
    </message>
    <message>
        <source>Next hand (Enter)</source>
        <translation>Mano siguiente (Intro)</translation>
    </message>
    <message>
        <source>Check (Enter)</source>
        <translation>Comprobar (Intro)</translation>
    </message>
</context>
<context>
    <name>tarvelle::ReviewWindow</name>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>Cost %1 credits (%2 per credit, bet %3)</source>
        <translation>Coste %1 créditos (%2 por crédito, apuesta %3)</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1, all time: %2 hands, %3 mistakes, accuracy %4 %, %5 credits lost</source>
        <translation>%1, en total: %2 manos, %3 errores, acierto %4 %, %5 créditos perdidos</translation>
    </message>
    <message>
        <source>Costliest first (O)</source>
        <translation>Más caros primero (O)</translation>
    </message>
    <message>
        <source>Newest first (O)</source>
        <translation>Más recientes primero (O)</translation>
    </message>
    <message>
        <source>Order: costliest first; press for newest first</source>
        <translation>Orden: más caros primero; pulse para ver los más recientes</translation>
    </message>
    <message>
        <source>Order: newest first; press for costliest first</source>
        <translation>Orden: más recientes primero; pulse para ver los más caros</translation>
    </message>
    <message>
        <source>%1, %2
  Dealt %3
  Yours %4
  Best  %5</source>
        <translation>%1, %2
  Repartida %3
  La suya   %4
  Mejor     %5</translation>
    </message>
    <message>
        <source>%1, %2. You held %3; the best hold: %4.</source>
        <translation>%1, %2. Guardó %3; la mejor jugada: %4.</translation>
    </message>
    <message>
        <source>No mistakes kept for this game.</source>
        <translation>No hay errores guardados para este juego.</translation>
    </message>
    <message>
        <source>Your hold</source>
        <translation>Su jugada</translation>
    </message>
    <message>
        <source>Best hold</source>
        <translation>Mejor jugada</translation>
    </message>
    <message>
        <source>HELD</source>
        <translation>GUARDADA</translation>
    </message>
    <message>
        <source>Drill these hands (D)</source>
        <translation>Practicar estas manos (D)</translation>
    </message>
</context>
<context>
    <name>tarvelle::StrategyWindow</name>
    <message>
        <source>Strategy chart</source>
        <translation>Tabla de estrategia</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&lt;p&gt;Working out the chart from the best holds...&lt;/p&gt;</source>
        <translation>&lt;p&gt;Calculando la tabla a partir de las mejores jugadas...&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tarvelle::TForm1</name>
    <message>
        <source>Joker</source>
        <translation>Comodín</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Extra screen (S)</source>
        <translation>Pantalla Extra (S)</translation>
    </message>
    <message>
        <source>Maximum bet (M)</source>
        <translation>Apuesta máxima (M)</translation>
    </message>
    <message>
        <source>Autoplay (A)</source>
        <translation>Juego auto (A)</translation>
    </message>
    <message>
        <source>Pay table (P)</source>
        <translation>Tabla de pagos (P)</translation>
    </message>
    <message>
        <source>Exit (X)</source>
        <translation>Salir (X)</translation>
    </message>
    <message>
        <source>Card %1: key %1 holds or releases it</source>
        <translation>Carta %1: la tecla %1 la guarda o la suelta</translation>
    </message>
    <message>
        <source>win</source>
        <translation>premio</translation>
    </message>
    <message>
        <source>bonus</source>
        <translation>bono</translation>
    </message>
    <message>
        <source>bet</source>
        <translation>apuesta</translation>
    </message>
    <message>
        <source>credit</source>
        <translation>crédito</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Multiplicador</translation>
    </message>
    <message>
        <source>Playing time</source>
        <translation>Tiempo de juego</translation>
    </message>
    <message>
        <source>Pay table</source>
        <translation>Tabla de pagos</translation>
    </message>
    <message>
        <source>Bank all (Enter)</source>
        <translation>Cobrar todo (Intro)</translation>
    </message>
    <message>
        <source>Deal/Draw (Enter)</source>
        <translation>Repartir/Pedir (Intro)</translation>
    </message>
    <message>
        <source>Bet down (-)</source>
        <translation>Bajar apuesta (-)</translation>
    </message>
    <message>
        <source>Guess red (-)</source>
        <translation>Apostar rojo (-)</translation>
    </message>
    <message>
        <source>Guess low (-)</source>
        <translation>Apostar bajo (-)</translation>
    </message>
    <message>
        <source>Bet up (+)</source>
        <translation>Subir apuesta (+)</translation>
    </message>
    <message>
        <source>Guess black (+)</source>
        <translation>Apostar negro (+)</translation>
    </message>
    <message>
        <source>Guess high (+)</source>
        <translation>Apostar alto (+)</translation>
    </message>
    <message>
        <source>Bank half (D)</source>
        <translation>Cobrar la mitad (D)</translation>
    </message>
    <message>
        <source>Double-up (D)</source>
        <translation>Doblar (D)</translation>
    </message>
    <message>
        <source>double-up, this card</source>
        <translation>doblar, esta carta</translation>
    </message>
    <message>
        <source>double-up, won</source>
        <translation>doblar, ganada</translation>
    </message>
    <message>
        <source>off</source>
        <translation>apagado</translation>
    </message>
    <message>
        <source>held</source>
        <translation>guardada</translation>
    </message>
    <message>
        <source>, held</source>
        <translation>, guardada</translation>
    </message>
    <message>
        <source>winning</source>
        <translation>ganadora</translation>
    </message>
    <message>
        <source>, winning</source>
        <translation>, ganadora</translation>
    </message>
    <message>
        <source>Lamp %1: %2</source>
        <translation>Luz %1: %2</translation>
    </message>
    <message>
        <source>Face down</source>
        <translation>Boca abajo</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>Dealt: %1. %2.</source>
        <translation>Repartida: %1. %2.</translation>
    </message>
    <message>
        <source>Final hand: %1. %2, win %3.</source>
        <translation>Mano final: %1. %2, premio %3.</translation>
    </message>
    <message>
        <source>Final hand: %1. No win.</source>
        <translation>Mano final: %1. Sin premio.</translation>
    </message>
    <message>
        <source>Credit %1.</source>
        <translation>Crédito %1.</translation>
    </message>
    <message>
        <source>%1: win %2.</source>
        <translation>%1: premio %2.</translation>
    </message>
    <message>
        <source>Welcome !</source>
        <translation>¡Bienvenido!</translation>
    </message>
    <message>
        <source>The card file poker2.dat could not be read.</source>
        <translation>No se pudo leer el archivo de cartas poker2.dat.</translation>
    </message>
    <message>
        <source>The counters file poker.dat was damaged: the game starts from the defaults (credit 1000, statistics 0).</source>
        <translation>El archivo de contadores poker.dat estaba dañado: el juego empieza con los valores iniciales (crédito 1000, estadísticas a 0).</translation>
    </message>
    <message>
        <source>
The damaged file is kept as %1.</source>
        <translation>
El archivo dañado se guarda como %1.</translation>
    </message>
    <message>
        <source>Some lines of your games file games.txt could not be read; those games are not offered:</source>
        <translation>Algunas líneas de su archivo de juegos games.txt no se pudieron leer; esos juegos no se ofrecen:</translation>
    </message>
    <message>
        <source>Your games file games.txt could not be read; the catalogue&apos;s games are offered.</source>
        <translation>No se pudo leer su archivo de juegos games.txt; se ofrecen los juegos del catálogo.</translation>
    </message>
    <message>
        <source>Game: %1. Credit %2.</source>
        <translation>Juego: %1. Crédito %2.</translation>
    </message>
    <message>
        <source>The file %1 of %2 was damaged: the game starts from the defaults (credit 1000, statistics 0). The damaged file is kept beside it.</source>
        <translation>El archivo %1 de %2 estaba dañado: el juego empieza con los valores iniciales (crédito 1000, estadísticas a 0). El archivo dañado se guarda al lado.</translation>
    </message>
    <message>
        <source>Game: %1 (G)</source>
        <translation>Juego: %1 (G)</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Juegos</translation>
    </message>
    <message>
        <source>Tarvelle (the table&apos;s own game)</source>
        <translation>Tarvelle (el juego propio de la mesa)</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>Odds %</source>
        <translation>Prob. %</translation>
    </message>
    <message>
        <source>Minimum video mode required is 800x600 !</source>
        <translation>¡La resolución mínima necesaria es 800x600!</translation>
    </message>
    <message>
        <source>Minimum color quality is 16 bits per pixel !</source>
        <translation>¡La calidad de color mínima es de 16 bits por píxel!</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>&lt;b&gt;Not the best hold.&lt;/b&gt;&lt;br&gt;Yours: %1 &amp;mdash; %2 per credit bet.&lt;br&gt;Best: %3 &amp;mdash; %4 per credit bet.&lt;br&gt;It costs %5 per credit bet, %6 credits at this bet.</source>
        <translation>&lt;b&gt;No es la mejor jugada.&lt;/b&gt;&lt;br&gt;La suya: %1 &amp;mdash; %2 por crédito apostado.&lt;br&gt;La mejor: %3 &amp;mdash; %4 por crédito apostado.&lt;br&gt;Cuesta %5 por crédito apostado, %6 créditos con esta apuesta.</translation>
    </message>
    <message>
        <source>Not the best hold. Best: %1. It costs %2 per credit bet. Y draws anyway, B takes the best hold, N lets you change it.</source>
        <translation>No es la mejor jugada. La mejor: %1. Cuesta %2 por crédito apostado. Y pide igualmente, B toma la mejor jugada, N le deja cambiarla.</translation>
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
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page (%1) could not be found.&lt;/p&gt;&lt;p&gt;Reinstalling the game puts it back beside the program.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No se encontró la página de ayuda (%1).&lt;/p&gt;&lt;p&gt;Reinstalar el juego la vuelve a poner junto al programa.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Cerrar (Esc)</translation>
    </message>
    <message>
        <source>Payout rate</source>
        <translation>Tasa de pago</translation>
    </message>
    <message>
        <source>Deck %1</source>
        <translation>Reverso %1</translation>
    </message>
    <message>
        <source>Insert 1000</source>
        <translation>Meter 1000</translation>
    </message>
    <message>
        <source>Cashout</source>
        <translation>Cobrar</translation>
    </message>
    <message>
        <source>Reset account</source>
        <translation>Poner la cuenta a cero</translation>
    </message>
    <message>
        <source>Bankroll in bets</source>
        <translation>Capital en apuestas</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Poner las estadísticas a cero</translation>
    </message>
    <message>
        <source>My Account</source>
        <translation>Mi cuenta</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Crédito</translation>
    </message>
    <message>
        <source>Tarvelle Account</source>
        <translation>Cuenta Tarvelle</translation>
    </message>
    <message>
        <source>Poker statistics</source>
        <translation>Estadísticas de póker</translation>
    </message>
    <message>
        <source>Double statistics</source>
        <translation>Estadísticas de doblar</translation>
    </message>
    <message>
        <source>Add Joker</source>
        <translation>Añadir comodín</translation>
    </message>
    <message>
        <source>Double Game</source>
        <translation>Juego de doblar</translation>
    </message>
    <message>
        <source>Auto Double</source>
        <translation>Doblar auto</translation>
    </message>
    <message>
        <source>Red - Black</source>
        <translation>Rojo - Negro</translation>
    </message>
    <message>
        <source>Auto Hold</source>
        <translation>Guardar auto</translation>
    </message>
    <message>
        <source>Smart Hold</source>
        <translation>Guardar listo</translation>
    </message>
    <message>
        <source>Sound FX</source>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>Voice FX</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Auto Bet</source>
        <translation>Apuesta auto</translation>
    </message>
    <message>
        <source>Hold High Card</source>
        <translation>Guardar carta alta</translation>
    </message>
    <message>
        <source>Hold Open Inside Straight</source>
        <translation>Guardar escalera interna</translation>
    </message>
    <message>
        <source>Payout Rate</source>
        <translation>Tasa de pago</translation>
    </message>
    <message>
        <source>Decks</source>
        <translation>Reversos</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Only for the table&apos;s own game</source>
        <translation>Solo para el juego propio de la mesa</translation>
    </message>
    <message>
        <source>Cannot open the card back &quot;%1&quot;.</source>
        <translation>No se puede abrir el reverso «%1».</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.ª</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.ª</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.ª</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.ª</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.ª</translation>
    </message>
    <message>
        <source>Win  Red-Black</source>
        <translation>Gana Rojo-Negro</translation>
    </message>
    <message>
        <source>Lose Red-Black</source>
        <translation>Pierde Rojo-Negro</translation>
    </message>
    <message>
        <source>Win  Low-High</source>
        <translation>Gana Bajo-Alto</translation>
    </message>
    <message>
        <source>Lose Low-High</source>
        <translation>Pierde Bajo-Alto</translation>
    </message>
    <message>
        <source>Total Doubles</source>
        <translation>Total dobladas</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Bankroll in bets, 1 to %1</source>
        <translation>Capital en apuestas, de 1 a %1</translation>
    </message>
    <message>
        <source>Hands played, 1 to %1</source>
        <translation>Manos jugadas, de 1 a %1</translation>
    </message>
    <message>
        <source>Simulated figures are seeded; ± is one standard error</source>
        <translation>Las cifras simuladas son reproducibles; ± es un error típico</translation>
    </message>
    <message>
        <source>Simulated figures are seeded; ± spans a 95 % interval</source>
        <translation>Las cifras simuladas son reproducibles; ± abarca un intervalo del 95 %</translation>
    </message>
    <message>
        <source>working…</source>
        <translation>calculando…</translation>
    </message>
    <message>
        <source>Best holds: %1</source>
        <translation>Mejores jugadas: %1</translation>
    </message>
    <message>
        <source>Ruin in %1 hands: %2</source>
        <translation>Ruina en %1 manos: %2</translation>
    </message>
    <message>
        <source>5 % risk bankroll: %1</source>
        <translation>Capital con 5 % de riesgo: %1</translation>
    </message>
    <message>
        <source>Best holds: return %1 %, deviation %2 bets a hand</source>
        <translation>Mejores jugadas: retorno %1 %, desviación %2 apuestas por mano</translation>
    </message>
    <message>
        <source>%1 exact</source>
        <translation>%1 exacto</translation>
    </message>
    <message>
        <source>%1 ± %2 % simulated</source>
        <translation>%1 ± %2 % simulado</translation>
    </message>
    <message>
        <source>5 % risk bankroll: %1 bets exact</source>
        <translation>Capital con 5 % de riesgo: %1 apuestas exacto</translation>
    </message>
    <message>
        <source>5 % risk bankroll: %1 ± %2 bets simulated</source>
        <translation>Capital con 5 % de riesgo: %1 ± %2 apuestas simulado</translation>
    </message>
    <message>
        <source>( x )</source>
        <translation>( x )</translation>
    </message>
    <message>
        <source>1st Deal</source>
        <translation>1.er reparto</translation>
    </message>
    <message>
        <source>2nd Deal</source>
        <translation>2.º reparto</translation>
    </message>
    <message>
        <source>1st Deal Joker</source>
        <translation>1.er reparto comodín</translation>
    </message>
    <message>
        <source>2nd Deal Joker</source>
        <translation>2.º reparto comodín</translation>
    </message>
    <message>
        <source>Low Pair</source>
        <translation>Pareja baja</translation>
    </message>
    <message>
        <source>Deals</source>
        <translation>Repartos</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
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
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Shown from the next start</source>
        <translation>Se aplica en el próximo inicio</translation>
    </message>
    <message>
        <source>from the next start</source>
        <translation>en el próximo inicio</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Esta sesión</translation>
    </message>
    <message>
        <source>Kept history</source>
        <translation>Historial guardado</translation>
    </message>
    <message>
        <source>Card faces</source>
        <translation>Caras de las cartas</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásica</translation>
    </message>
    <message>
        <source>Four colours</source>
        <translation>Cuatro colores</translation>
    </message>
</context>
</TS>
