#include "tools/art/helppage.h"

namespace tarvelle::art {

const HelpText& helpTextEs()
{
    static const HelpText text{
        "Tarvelle - Cómo se juega",
        "<p><b>¡Bienvenido a la mesa!</b> Tarvelle es videopóker: recibe cinco cartas, se queda con las que "
        "le gustan, cambia una vez y la mano final se paga según la tabla de abajo. Después, si se siente "
        "con suerte, puede doblar su premio hasta cinco veces.</p>\n",
        "Cómo jugar una mano",
        "<ol>\n"
        "<li>Elija su apuesta, de 1 a 500 créditos, con los botones <b>APUESTA +</b> y <b>APUESTA "
        "&ndash;</b>, el botón <b>APUESTA MÁX.</b> o la rueda del ratón. La apuesta sube 1, 2 &hellip; 9, 10 "
        "y luego de diez en diez hasta 500.</li>\n"
        "<li>Pulse <b>REPARTIR / CAMBIAR</b>. La apuesta se descuenta de su crédito y se reparten cinco "
        "cartas boca arriba. Un premio que aún espera en la mesa pasa antes a su crédito.</li>\n"
        "<li>Haga clic en las cartas que quiere retener (o pulse de 1 a 5). Bajo cada carta retenida se "
        "enciende una luz amarilla. Tarvelle le propone qué retener: las cartas que ya forman una mano, "
        "cuatro cartas de escalera o de color, o una carta alta sola si así lo pide.</li>\n"
        "<li>Pulse otra vez <b>REPARTIR / CAMBIAR</b>. Cada carta que no haya retenido se cambia, una sola "
        "vez.</li>\n"
        "<li>La mano final se nombra en la línea de mensajes y se paga: el premio es su apuesta por el "
        "multiplicador de la mano, y unas luces verdes señalan las cartas que la forman. El premio espera en "
        "el marcador <i>premio</i> hasta que el siguiente reparto o un cambio de apuesta lo pase al "
        "<i>crédito</i>, o hasta que lo arriesgue.</li>\n"
        "</ol>\n"
        "<p>Si el crédito y el premio pendiente juntos no cubren la apuesta, repartir no hace nada (salvo "
        "que <b>Apuesta auto</b> esté activada, véase más abajo). Introduzca crédito en la pantalla "
        "Extra.</p>\n"
        "<p>Con el <b>Joker</b> en la baraja (53 cartas), el Joker es comodín: hace de la carta que mejor le "
        "venga a su mano, y solo con él se consigue un <b>Repóker</b>.</p>\n",
        "Qué se paga",
        "<p>La tabla de premios es la misma para cualquier apuesta. Los multiplicadores son créditos ganados "
        "por crédito apostado, y su apuesta ya va incluida: Jotas o mejor a 2 le devuelve el doble de la "
        "apuesta.</p>\n",
        {"Mano", "Paga", "Qué es"},
        {{"Jotas o mejor", "2 &times; apuesta", "una pareja de jotas, damas, reyes o ases"},
         {"Doble pareja", "3 &times; apuesta", "dos parejas distintas"},
         {"Trío", "5 &times; apuesta", "tres cartas del mismo valor"},
         {"Escalera", "7 &times; apuesta",
          "cinco valores seguidos; el as cuenta alto (10-J-Q-K-A) o bajo (A-2-3-4-5)"},
         {"Color", "9 &times; apuesta", "cinco cartas del mismo palo"},
         {"Full", "12 &times; apuesta", "un trío y una pareja"},
         {"Póker", "40 &times; apuesta", "cuatro cartas del mismo valor"},
         {"Escalera de color", "100 &times; apuesta", "una escalera de un solo palo"},
         {"Escalera real", "500 &times; apuesta", "10, jota, dama, rey y as del mismo palo"},
         {"Repóker", "1000 &times; apuesta", "un póker y el Joker"}},
        "<p>Una pareja de dieces o menor no paga nada. Pulse <b>PAGOS</b> (o P) para mostrar la tabla de "
        "premios sobre la mesa con las probabilidades de cada mano; mientras elige qué retener, calcula las "
        "probabilidades de las cartas retenidas, y su última fila muestra lo que devuelven de media. Puede "
        "arrastrar el panel adonde quiera.</p>\n",
        "Doble o nada",
        "<p>Tras una mano ganadora pulse <b>DOBLAR</b> (o D) para arriesgar el premio. Se colocan cinco "
        "cartas boca abajo y una luz azul parpadea bajo la primera. Haga su apuesta; la carta se da la "
        "vuelta. Si acierta, el premio se dobla y pasa a la carta siguiente; si falla, lo pierde. Gane los "
        "cinco pasos y la cantidad entera pasa sola a su crédito.</p>\n",
        {"Juego", "APUESTA \u2013 (tecla -) gana con", "APUESTA + (tecla +) gana con"},
        {{"Doble Rojo-Negro", "una carta roja (corazones, diamantes)", "una carta negra (picas, tréboles)"},
         {"Doble Bajo-Alto", "del 2 al 7 o un as (el as es bajo)", "del 7 al 10, jota, dama o rey"}},
        "<ul>\n"
        "<li>En Bajo-Alto <b>el siete es empate</b>: las dos apuestas ganan, pero el premio se queda como "
        "estaba.</li>\n"
        "<li>El <b>Joker</b> gana cualquier apuesta y cuenta doble: cuatro veces lo apostado.</li>\n"
        "<li>Entre dos apuestas puede cobrar: <b>DOBLAR</b> (D) pasa la mitad del premio al crédito (la "
        "mitad mayor si la cantidad es impar) y le deja seguir con el resto; <b>REPARTIR / CAMBIAR</b> "
        "(Intro) lo cobra todo y termina el juego.</li>\n"
        "<li>Elija el tipo de juego con <b>Rojo - Negro</b> en la pantalla Extra, y desactive el doble o "
        "nada por completo con <b>Doble o nada</b>.</li>\n"
        "</ul>\n",
        "El bote de bonificación",
        "<p>El <b>as de picas</b> es la carta de bonificación. Cada vez que forma parte de una mano final "
        "premiada, su apuesta va también al bote. Cada apuesta del doble o nada, acierte o falle, añade "
        "también su apuesta. En cuanto el bote supera los 9999 créditos, se paga de una vez a su "
        "crédito.</p>\n",
        "Botones y teclas",
        {"Botón", "Tecla", "Qué hace"},
        {{"REPARTIR / CAMBIAR", "Intro o Espacio",
          "repartir una mano nueva, cambiar, o cobrar todo el premio en el doble o nada"},
         {"DOBLAR", "D", "empezar el doble o nada; durante el juego, cobrar la mitad del premio"},
         {"APUESTA +", "+", "subir la apuesta; en el doble o nada, apostar a negro o alto"},
         {"APUESTA \u2013", "-", "bajar la apuesta; en el doble o nada, apostar a rojo o bajo"},
         {"APUESTA MÁX.", "M", "apostar 500 de una vez"},
         {"AUTO", "A",
          "juego automático sí o no: una mano cada tres segundos, siempre reteniendo las cartas propuestas"},
         {"EXTRA", "S", "abrir la pantalla Extra (ajustes, ayuda, estadísticas)"},
         {"PAGOS", "P", "mostrar u ocultar la tabla de premios"},
         {"", "C", "mostrar u ocultar el entrenador (véase más abajo)"},
         {"el nombre del juego", "G", "elegir el juego (véase más abajo)"},
         {"", "T",
          "modo de práctica: un cambio con una jugada peor que la mejor se detiene y muestra las dos jugadas "
          "y lo que cuesta; Y cambia de todos modos, B toma la mejor jugada, N le deja cambiarla. T otra "
          "vez: solo errores de más de 0,02, luego de más de 0,10 por crédito apostado, luego nada"},
         {"", "H",
          "la tabla de estrategia del juego en curso: las jugadas ordenadas según el mejor juego exacto, con "
          "su retorno, para leer junto a la mesa o imprimir"},
         {"", "R",
          "sus errores en el juego en curso, guardados en hands.log: los más caros primero, o con O los más "
          "recientes primero; cada uno con las cartas repartidas y las dos jugadas"},
         {"", "Q",
          "práctica: sus errores en el juego en curso se reparten otra vez, cada uno con una mano del "
          "mismo tipo, sin apuesta; retenga con 1 a 5 y compruebe con Intro. Una mano acertada tres "
          "veces seguidas sale de la práctica (D en la lista de errores también la inicia)"},
         {"las cartas", "1 a 5", "retener o soltar una carta"},
         {"&times; (arriba a la derecha)", "X", "guardarlo todo y salir del juego"},
         {"rueda del ratón", "", "entre manos, gire la rueda para cambiar la apuesta"}},
        "<p><b>Sin ratón.</b> En la pantalla Extra, Tab y Mayús+Tab pasan de una entrada del menú, un "
        "ajuste, un porcentaje, un reverso o un botón de la cuenta al siguiente, y un anillo muestra dónde "
        "está; las flechas se mueven dentro del menú, los ajustes, los porcentajes, los reversos y los "
        "botones de la cuenta; Espacio o Intro hace clic. Ctrl+Tab o Ctrl+AvPág muestra la página siguiente, "
        "Ctrl+Mayús+Tab o Ctrl+RePág la anterior; Esc cierra la pantalla. En la página de ayuda, las "
        "flechas, RePág, AvPág, Inicio y Fin desplazan el texto. En la mesa, Tab llega al interruptor "
        "<b>Jugada experta</b> del entrenador (Espacio lo cambia, Esc o Tab vuelve a la mesa). Un lector de "
        "pantalla nombra cada carta, luz, marcador y botón, y lee cada mano repartida y cada mano "
        "final.</p>\n",
        "<p>Tras un minuto sin jugar, la mesa muestra una <b>Demo</b> de las manos premiadas. Mueva el ratón "
        "o pulse cualquier tecla para volver.</p>\n",
        "El entrenador",
        "<p>Pulse <b>C</b> para mostrar u ocultar el entrenador, un pequeño panel que puede arrastrar a "
        "cualquier parte de la pantalla. Tras cada reparto, lista las cinco mejores jugadas, con las cartas "
        "retenidas claras y subrayadas, cada una con su valor exacto: el retorno medio por crédito apostado "
        "al cambiar con ella, calculado sobre todos los cambios posibles para la tabla de premios y la "
        "baraja en juego. Debajo están su propia jugada, su valor y su puesto entre las 32 formas de "
        "retener, al día con cada clic. Tras el cambio dice <i>Mejor jugada</i>, o qué jugada era la mejor, "
        "cuánto valía la suya y cuántos créditos le ha costado la diferencia con su apuesta; los valores "
        "iguales cuentan como mejores.</p>\n"
        "<p>Desde que empezó la partida cuenta las manos que ha jugado usted mismo (las del juego automático "
        "no cuentan), sus errores, lo que le han costado de media en créditos y su acierto. También muestra "
        "el retorno exacto de todo el juego tal como está ajustado: cambiando siempre con la mejor jugada, y "
        "cambiando siempre con la propuesta del propio juego según sus ajustes Retener carta alta y Retener "
        "escalera interior.</p>\n",
        "<p>Marque <b>Jugada experta</b> en el panel y la propuesta tras cada reparto (mantenida por "
        "Retención auto, sustituida por el primer clic de Retención lista, cambiada por el juego automático) "
        "pasa a ser la mejor jugada del cálculo exacto. Cuando varias jugadas valen exactamente lo mismo, se "
        "toma la primera en este orden: por cada carta retenida cuente la carta 1 como 1, la carta 2 como 2, "
        "la carta 3 como 4, la carta 4 como 8 y la carta 5 como 16; el total menor va primero. Es el orden "
        "en que las lista <i>tarvelle-tool analyze</i>.</p>\n"
        "<p>Mientras el Porcentaje de pago está activado, el panel lo indica: los repartos y los cambios ya "
        "no son las cartas al azar y limpias que suponen sus valores. El lugar del panel, si se muestra y el "
        "interruptor experto se guardan en <i>coach.cfg</i> junto a sus demás archivos.</p>\n",
        "Juegos de casino",
        "<p>Además de su propio juego, Tarvelle reparte los videopóqueres clásicos de los casinos. Pulse "
        "<b>G</b> o haga clic en el nombre del juego en la mesa para elegir uno:</p>\n",
        {"Juego de casino", "Baraja"},
        {{"9/6 Jacks or Better", "52 cartas"},
         {"8/5 Jacks or Better", "52 cartas"},
         {"8/5 Bonus Poker", "52 cartas"},
         {"10/7 Double Bonus", "52 cartas"},
         {"9/6 Double Double Bonus", "52 cartas"},
         {"Full-pay Deuces Wild", "52 cartas, los cuatro doses comodines"},
         {"Full-pay Joker Poker (Kings or Better)", "53 cartas, el Joker comodín"}},
        "<ul>\n"
        "<li>Un juego de casino reparte limpiamente de su propia baraja y paga según su propia tabla de "
        "premios.</li>\n"
        "<li>Tras el reparto, las luces de retención proponen la mejor jugada del cálculo exacto para los "
        "premios de ese juego.</li>\n"
        "<li>Cada juego tiene su propio crédito y sus propias estadísticas. Un juego empieza con 1000 "
        "créditos; <i>Introducir 1000</i> en la pantalla Extra añade crédito de práctica.</li>\n"
        "<li>Porcentaje de pago, el bote, Retener carta alta y Añadir Joker son del juego propio de "
        "Tarvelle: en un juego de casino aparecen en gris en la pantalla Extra y no hacen nada.</li>\n"
        "<li>El doble o nada es una apuesta a la par sobre una baraja normal de 52 cartas, sin Joker.</li>\n"
        "</ul>\n"
        "<p>Los juegos propios, con los premios que usted elija, se crean con <i>tarvelle-tool games "
        "--add</i>, por ejemplo:<br>\n"
        "<i>tarvelle-tool games --add my-jacks jacks-9-6 1,2,3,4,5,8,25,50,800</i></p>\n",
        "La pantalla Extra",
        "<p>Haga clic en un ajuste o en su luz para cambiarlo; una luz naranja significa activado. Los "
        "ajustes se guardan al cerrar la pantalla.</p>\n",
        {"Ajuste", "Cuando está activado"},
        {{"Añadir Joker", "la baraja tiene 53 cartas con un Joker comodín (no se puede cambiar en mitad de "
                          "una mano ni de un doble o nada)"},
         {"Doble o nada", "las manos ganadoras se pueden arriesgar en el doble o nada"},
         {"Doble auto", "tras un cambio ganador el doble o nada empieza solo"},
         {"Rojo - Negro", "el doble o nada es Rojo-Negro; desactivado, es Bajo-Alto (no se puede cambiar "
                          "durante un doble o nada)"},
         {"Retención auto", "las cartas propuestas siguen retenidas tras el reparto; desactivado, empieza "
                            "sin ninguna carta retenida"},
         {"Retención lista", "su primer clic tras un reparto en una carta no retenida sustituye la "
                             "propuesta por esa carta sola"},
         {"Efectos de sonido", "los sonidos del juego"},
         {"Voz", "las manos se anuncian en voz alta, con un saludo y una despedida"},
         {"Apuesta auto", "cuando su dinero no cubre la apuesta, la apuesta baja a lo que tiene (a un "
                          "múltiplo de diez por encima de diez)"},
         {"Retener carta alta", "a falta de algo mejor, se propone un as, un rey, una dama o una jota "
                                "sola"},
         {"Retener escalera interior", "también se proponen los proyectos de escalera con un hueco, no "
                                       "solo los abiertos por los dos lados"},
         {"Porcentaje de pago",
          "la máquina dirige sus pagos hacia el porcentaje que elija, del 100 % al 50 %, repartiendo varias "
          "manos y dándole la peor: a menudo cuando se le ha pagado cerca de ese porcentaje o por encima, "
          "rara vez por debajo, y además casi siempre en uno de cada dos periodos de cinco minutos de juego, "
          "se le haya pagado lo que se le haya pagado, salvo que su crédito esté por debajo de 100. Nunca "
          "mejora las cartas, así que el pago suele acabar bastante por debajo del porcentaje elegido. "
          "Desactivado, cada reparto es pura suerte"}},
        "<p><b>Barajas</b>: haga clic en uno de los cuatro reversos para jugar con él.</p>\n"
        "<p><b>Cuenta</b>: <i>Introducir 1000</i> añade 1000 créditos (mientras su crédito no llegue al "
        "millón); <i>Cobrar</i> retira todo su crédito de la mesa. <i>Mi cuenta</i> muestra lo que ha "
        "cobrado menos lo que ha introducido, y <i>Cuenta Tarvelle</i> su mejor resultado hasta ahora. "
        "<i>Reiniciar</i> empieza la cuenta de nuevo con 1000 créditos.</p>\n"
        "<p><b>Estadísticas</b> cuenta cada mano repartida y final y cada apuesta del doble o nada, paso a "
        "paso, del juego en curso; su <i>Reiniciar</i> pone los contadores a cero.</p>\n"
        "<p><b>Gráfico</b> traza su dinero tras cada mano de esta sesión en el juego en curso, con la línea "
        "que espera el retorno del juego para las apuestas que ha hecho y las bandas de una y dos "
        "desviaciones típicas a su alrededor, donde acaban la mayoría de las sesiones. Un juego nuevo "
        "empieza un gráfico nuevo.</p>\n"
        "<p align=\"center\"><font color=\"#e0a86c\">¡Buena suerte, y que disfrute del juego!</font></p>\n"
        "</body>\n</html>\n"};
    return text;
}

} // namespace tarvelle::art
