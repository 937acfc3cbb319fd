// Level 9 of the bank: precise names, places and years that a well-read adult still knows.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel09 = {{
    {"Quale fiume attraversa la città di Baghdad?", "Tigri", {"Eufrate", "Giordano", "Oronte"}},
    {"Su quale parte del fiore si deposita il polline?", "Stigma", {"Ovario", "Calice", "Antera"}},
    {"Quale di questi Stati sudamericani non ha sbocco sul mare?", "Paraguay", {"Uruguay", "Cile", "Ecuador"}},
    {"Qual è la capitale del Pakistan?", "Islamabad", {"Karachi", "Lahore", "Peshawar"}},
    {"In quale anno si combatté la battaglia di Hastings?", "1066", {"1054", "1071", "1086"}},
    {"Quale sinfonia di Beethoven è nota come ''Eroica''?", "La Terza", {"La Quinta", "La Sesta", "La Nona"}},
    {"Secondo la tradizione, chi fu l'ultimo re di Roma?", "Tarquinio il Superbo",
        {"Anco Marzio", "Servio Tullio", "Tarquinio Prisco"}},
    {"Quale poeta pubblicò nel 1925 la raccolta ''Ossi di seppia''?", "Eugenio Montale",
        {"Giuseppe Ungaretti", "Salvatore Quasimodo", "Umberto Saba"}},
    {"In quale anno l'Italia vinse il suo primo titolo mondiale di calcio?", "1934", {"1938", "1930", "1950"}},
    {"Chi fu il primo presidente del Consiglio del Regno d'Italia?", "Cavour", {"Ricasoli", "Rattazzi", "Depretis"}},
    {"Chi ha diretto il film ''Ladri di biciclette'' (1948)?", "Vittorio De Sica",
        {"Roberto Rossellini", "Luchino Visconti", "Michelangelo Antonioni"}},
    {"Quale gruppo sanguigno è detto ''donatore universale'' di globuli rossi?", "0 negativo",
        {"AB positivo", "A negativo", "B positivo"}},
    {"Quale architetto progettò la Reggia di Caserta?", "Luigi Vanvitelli",
        {"Ferdinando Fuga", "Filippo Juvarra", "Francesco Borromini"}},
    {"Chi ha composto l'opera lirica ''Norma''?", "Vincenzo Bellini",
        {"Gaetano Donizetti", "Gioachino Rossini", "Giuseppe Verdi"}},
    {"Chi è il narratore del romanzo ''Moby Dick''?", "Ismaele", {"Achab", "Queequeg", "Starbuck"}},
    {"In quale città si trova il velodromo Vigorelli?", "Milano", {"Torino", "Roma", "Bologna"}},
    {"Qual è la commedia di Carlo Goldoni che ha per protagonista Mirandolina?", "La locandiera",
        {"Il campiello", "La bottega del caffè", "Il ventaglio"}},
    {"Chi dipinse la ''Vocazione di san Matteo'' in San Luigi dei Francesi a Roma?", "Caravaggio",
        {"Guercino", "Guido Reni", "Domenichino"}},
    {"Chi diresse e interpretò il film ''Quarto potere'' (1941)?", "Orson Welles",
        {"John Huston", "Charlie Chaplin", "Billy Wilder"}},
    {"Quale italiano ricevette il premio Nobel per la fisica nel 1909?", "Guglielmo Marconi",
        {"Augusto Righi", "Antonio Pacinotti", "Galileo Ferraris"}},
}};
// clang-format on

} // namespace bank
