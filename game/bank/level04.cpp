// Level 4 of the bank: good general culture, the first questions that need more than school memories.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel04 = {{
    {"Quale di questi quattro non è un segno d'aria?", "Sagittario", {"Gemelli", "Bilancia", "Acquario"}},
    {"Qual è la capitale dell'Australia?", "Canberra", {"Sydney", "Melbourne", "Perth"}},
    {"In quale regione si trova il lago Trasimeno?", "Umbria", {"Toscana", "Lazio", "Marche"}},
    {"Qual è lo Stato più piccolo del mondo?", "Città del Vaticano",
        {"Principato di Monaco", "San Marino", "Liechtenstein"}},
    {"In che anno fu proclamato il Regno d'Italia?", "1861", {"1848", "1870", "1866"}},
    {"In quale battaglia del 1815 Napoleone fu sconfitto definitivamente?", "Waterloo",
        {"Austerlitz", "Marengo", "Lipsia"}},
    {"In quale città fu assassinato John F. Kennedy nel 1963?", "Dallas", {"Houston", "Chicago", "Washington"}},
    {"Chi è l'autore del ''Decameron''?", "Giovanni Boccaccio",
        {"Francesco Petrarca", "Dante Alighieri", "Ludovico Ariosto"}},
    {"Quale poeta scrisse ''L'infinito''?", "Giacomo Leopardi", {"Ugo Foscolo", "Giovanni Pascoli", "Giosuè Carducci"}},
    {"Chi dipinse ''L'urlo''?", "Edvard Munch", {"Vincent van Gogh", "Gustav Klimt", "Paul Gauguin"}},
    {"In quale città si può ammirare il Cenacolo di Leonardo da Vinci?", "Milano", {"Firenze", "Roma", "Venezia"}},
    {"Qual è il gas più abbondante nell'atmosfera terrestre?", "Azoto", {"Ossigeno", "Argon", "Idrogeno"}},
    {"Quante ossa ha lo scheletro di un uomo adulto?", "206", {"186", "226", "246"}},
    {"Chi formulò la teoria della relatività generale?", "Albert Einstein",
        {"Isaac Newton", "Niels Bohr", "Max Planck"}},
    {"In quale città si disputarono le Olimpiadi estive del 1960?", "Roma", {"Tokyo", "Melbourne", "Londra"}},
    {"Quanto è lunga la maratona olimpica?", "42,195 km", {"39,500 km", "44,800 km", "40,250 km"}},
    {"Chi ha diretto il film ''La dolce vita''?", "Federico Fellini",
        {"Luchino Visconti", "Vittorio De Sica", "Roberto Rossellini"}},
    {"Chi interpretò Holly Golightly in ''Colazione da Tiffany''?", "Audrey Hepburn",
        {"Marilyn Monroe", "Grace Kelly", "Sophia Loren"}},
    {"Chi compose l'opera ''La traviata''?", "Giuseppe Verdi",
        {"Giacomo Puccini", "Gioachino Rossini", "Gaetano Donizetti"}},
    {"Di quale gruppo musicale faceva parte John Lennon?", "Beatles", {"Rolling Stones", "Pink Floyd", "Led Zeppelin"}},
}};
// clang-format on

} // namespace bank
