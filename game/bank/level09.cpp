// Level 9 of the bank: hard questions that ask for precise names, places and years.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel09 = {{
    {"Quale fiume attraversa la città di Baghdad?", "Tigri", {"Eufrate", "Giordano", "Oronte"}},
    {"Su quale parte del fiore si deposita il polline?", "Stigma", {"Ovario", "Calice", "Antera"}},
    {"Qual è la capitale del Marocco?", "Rabat", {"Casablanca", "Marrakech", "Fez"}},
    {"Chi è l'autore del romanzo ''La coscienza di Zeno''?", "Italo Svevo",
        {"Luigi Pirandello", "Federigo Tozzi", "Gabriele D'Annunzio"}},
    {"In quale anno si combatté la battaglia di Hastings?", "1066", {"1096", "1215", "1027"}},
    {"Chi scoprì i quattro satelliti maggiori di Giove?", "Galileo Galilei",
        {"Giovanni Keplero", "Niccolò Copernico", "Tycho Brahe"}},
    {"Chi dipinse ''La ronda di notte''?", "Rembrandt", {"Vermeer", "Rubens", "Van Dyck"}},
    {"Quale poeta pubblicò nel 1925 la raccolta ''Ossi di seppia''?", "Eugenio Montale",
        {"Giuseppe Ungaretti", "Salvatore Quasimodo", "Umberto Saba"}},
    {"In quale anno l'Italia vinse il suo primo Campionato mondiale di calcio?", "1934", {"1938", "1930", "1950"}},
    {"Secondo la tradizione, chi fu l'ultimo re di Roma?", "Tarquinio il Superbo",
        {"Anco Marzio", "Servio Tullio", "Tarquinio Prisco"}},
    {"Chi ha diretto il film ''Ladri di biciclette'' (1948)?", "Vittorio De Sica",
        {"Roberto Rossellini", "Luchino Visconti", "Michelangelo Antonioni"}},
    {"Quale gruppo sanguigno è detto ''donatore universale''?", "0 negativo",
        {"AB positivo", "A negativo", "B positivo"}},
    {"In quale regione si trova il lago d'Orta?", "Piemonte", {"Lombardia", "Valle d'Aosta", "Liguria"}},
    {"Chi compose l'opera ''Cavalleria rusticana''?", "Pietro Mascagni",
        {"Ruggero Leoncavallo", "Umberto Giordano", "Francesco Cilea"}},
    {"Chi è il narratore del romanzo ''Moby Dick''?", "Ismaele", {"Achab", "Queequeg", "Starbuck"}},
    {"In quale città si trova l'autodromo intitolato a Enzo e Dino Ferrari?", "Imola",
        {"Monza", "Modena", "Maranello"}},
    {"In quale città fu firmato nel 1992 il trattato istitutivo dell'Unione europea?", "Maastricht",
        {"Lisbona", "Nizza", "Amsterdam"}},
    {"Quale artista realizzò il baldacchino bronzeo della basilica di San Pietro?", "Gian Lorenzo Bernini",
        {"Antonio Canova", "Luigi Vanvitelli", "Benvenuto Cellini"}},
    {"In quale film Tom Hanks interpreta l'astronauta Jim Lovell?", "Apollo 13",
        {"Cast Away", "Philadelphia", "Forrest Gump"}},
    {"In quale città nacque Wolfgang Amadeus Mozart?", "Salisburgo", {"Vienna", "Praga", "Linz"}},
}};
// clang-format on

} // namespace bank
