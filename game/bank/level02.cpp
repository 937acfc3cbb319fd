// Level 2 of the bank: still school knowledge, a small step up from the first rung.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel02 = {{
    {"Quante sono le regioni d'Italia?", "20", {"19", "21", "22"}},
    {"Quale vulcano domina il golfo di Napoli?", "Vesuvio", {"Etna", "Stromboli", "Monte Amiata"}},
    {"Qual è il capoluogo della Sardegna?", "Cagliari", {"Sassari", "Nuoro", "Oristano"}},
    {"Quale condottiero romano fu ucciso alle Idi di marzo del 44 a.C.?", "Giulio Cesare",
        {"Marco Antonio", "Pompeo Magno", "Scipione l'Africano"}},
    {"Quale antico popolo costruì le piramidi di Giza?", "Egizi", {"Romani", "Greci", "Fenici"}},
    {"Chi guidò la spedizione dei Mille nel 1860?", "Giuseppe Garibaldi",
        {"Giuseppe Mazzini", "Camillo Cavour", "Massimo d'Azeglio"}},
    {"Chi ha scritto il romanzo ''I promessi sposi''?", "Alessandro Manzoni",
        {"Giovanni Verga", "Ugo Foscolo", "Giacomo Leopardi"}},
    {"Chi è l'autore de ''Le avventure di Pinocchio''?", "Carlo Collodi",
        {"Gianni Rodari", "Edmondo De Amicis", "Emilio Salgari"}},
    {"In quale città si trova la famosa Torre pendente?", "Pisa", {"Lucca", "Siena", "Livorno"}},
    {"Chi affrescò la volta della Cappella Sistina?", "Michelangelo", {"Caravaggio", "Giotto", "Tiziano"}},
    {"Qual è la formula chimica dell'acqua?", "H2O", {"CO2", "NaCl", "O2"}},
    {"Quale organo pompa il sangue in tutto il corpo?", "Cuore", {"Fegato", "Polmone", "Rene"}},
    {"Quante zampe ha un insetto?", "6", {"4", "8", "10"}},
    {"Quanti sono gli anelli del simbolo olimpico?", "5", {"4", "6", "7"}},
    {"Di che colore è la maglia del primo in classifica al Giro d'Italia?", "Rosa", {"Gialla", "Verde", "Nera"}},
    {"Come si chiama il leoncino protagonista del film Disney ''Il re leone''?", "Simba", {"Mufasa", "Scar", "Rafiki"}},
    {"Come si chiama lo sceriffo cowboy del film ''Toy Story''?", "Woody", {"Buzz", "Rex", "Slinky"}},
    {"In quale città si trova la Galleria degli Uffizi?", "Firenze", {"Roma", "Bologna", "Siena"}},
    {"Quale di questi strumenti ha una tastiera di tasti bianchi e neri?", "Pianoforte",
        {"Violino", "Flauto", "Tamburo"}},
    {"Quale cantante rese famosa nel mondo ''Nel blu dipinto di blu''?", "Domenico Modugno",
        {"Claudio Villa", "Gino Paoli", "Lucio Dalla"}},
}};
// clang-format on

} // namespace bank
