// Level 4 of the bank: the first questions that need more than school memories.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel04 = {{
    {"Quale di questi quattro non è un segno d'aria?", "Sagittario", {"Gemelli", "Bilancia", "Acquario"}},
    {"Qual è la capitale dell'Australia?", "Canberra", {"Sydney", "Melbourne", "Perth"}},
    {"In quale regione si trova il lago Trasimeno?", "Umbria", {"Toscana", "Lazio", "Marche"}},
    {"Qual è lo Stato più piccolo del mondo?", "Città del Vaticano",
        {"Principato di Monaco", "San Marino", "Liechtenstein"}},
    {"In che anno fu proclamato il Regno d'Italia?", "1861", {"1859", "1870", "1866"}},
    {"In quale battaglia del 1815 Napoleone fu sconfitto definitivamente?", "Waterloo",
        {"Austerlitz", "Marengo", "Lipsia"}},
    {"Su quale città giapponese fu sganciata la prima bomba atomica?", "Hiroshima", {"Nagasaki", "Kyoto", "Osaka"}},
    {"Chi è l'autore del ''Decameron''?", "Giovanni Boccaccio",
        {"Francesco Petrarca", "Ludovico Ariosto", "Niccolò Machiavelli"}},
    {"Quale poeta scrisse ''L'infinito''?", "Giacomo Leopardi",
        {"Giovanni Pascoli", "Giosuè Carducci", "Gabriele D'Annunzio"}},
    {"Chi dipinse ''L'urlo''?", "Edvard Munch", {"Vincent van Gogh", "Gustav Klimt", "Paul Gauguin"}},
    {"In quale città si può ammirare il ''Cenacolo'' di Leonardo da Vinci?", "Milano", {"Firenze", "Roma", "Bologna"}},
    {"Quale organo del corpo umano produce l'insulina?", "Pancreas", {"Fegato", "Milza", "Rene"}},
    {"Quante ossa ha lo scheletro di un uomo adulto?", "206", {"186", "226", "246"}},
    {"Come si chiamava la donna amata e cantata da Dante?", "Beatrice", {"Laura", "Fiammetta", "Silvia"}},
    {"In quale città si disputarono le Olimpiadi estive del 1960?", "Roma",
        {"Tokyo", "Melbourne", "Città del Messico"}},
    {"Quanto è lunga la maratona olimpica?", "42,195 km", {"39,500 km", "44,800 km", "40,250 km"}},
    {"Chi ha diretto il film ''La dolce vita''?", "Federico Fellini",
        {"Luchino Visconti", "Vittorio De Sica", "Roberto Rossellini"}},
    {"Chi interpretò Holly Golightly in ''Colazione da Tiffany''?", "Audrey Hepburn",
        {"Marilyn Monroe", "Grace Kelly", "Sophia Loren"}},
    {"Chi compose l'opera ''La traviata''?", "Giuseppe Verdi",
        {"Giacomo Puccini", "Gioachino Rossini", "Gaetano Donizetti"}},
    {"Di quale strumento fu un leggendario virtuoso Niccolò Paganini?", "Violino",
        {"Violoncello", "Flauto", "Clarinetto"}},
}};
// clang-format on

} // namespace bank
