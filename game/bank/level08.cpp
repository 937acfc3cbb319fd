// Level 8 of the bank: harder questions, dates and authors beyond the school classics.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel08 = {{
    {"In quale anno fu combattuta la battaglia di Lepanto?", "1571", {"1492", "1527", "1618"}},
    {"Il termine vodka è un diminutivo di ''voda'' che in russo significa....?", "Acqua",
        {"Tisana", "Vino", "Vittoria"}},
    {"Qual è la capitale della Nuova Zelanda?", "Wellington", {"Auckland", "Christchurch", "Dunedin"}},
    {"Chi è l'autore de ''Le ultime lettere di Jacopo Ortis''?", "Ugo Foscolo",
        {"Giacomo Leopardi", "Vincenzo Monti", "Giuseppe Parini"}},
    {"Chi dipinse ''La Scuola di Atene'' nelle Stanze Vaticane?", "Raffaello",
        {"Michelangelo", "Perugino", "Pinturicchio"}},
    {"Quale di queste isole fa parte dell'arcipelago delle Eolie?", "Stromboli", {"Ponza", "Favignana", "Pantelleria"}},
    {"Quale papa indisse il primo Giubileo della storia, nel 1300?", "Bonifacio VIII",
        {"Celestino V", "Gregorio VII", "Innocenzo III"}},
    {"Chi scoprì le leggi dell'ereditarietà studiando le piante di pisello?", "Gregor Mendel",
        {"Charles Darwin", "Louis Pasteur", "Jean-Baptiste Lamarck"}},
    {"In quale disciplina Nadia Comăneci ottenne il primo 10 olimpico, nel 1976?", "Ginnastica artistica",
        {"Nuoto", "Atletica leggera", "Tuffi"}},
    {"Chi ha diretto il film ''Arancia meccanica''?", "Stanley Kubrick",
        {"Ridley Scott", "Francis Ford Coppola", "Martin Scorsese"}},
    {"Quale opera di Giacomo Puccini è ambientata in Giappone?", "Madama Butterfly",
        {"Turandot", "Tosca", "La bohème"}},
    {"Quale fiume attraversa la città di Lisbona?", "Tago", {"Douro", "Ebro", "Guadalquivir"}},
    {"Chi è l'autore del romanzo ''Il Gattopardo''?", "Tomasi di Lampedusa",
        {"Leonardo Sciascia", "Elio Vittorini", "Vitaliano Brancati"}},
    {"Quale scienziato italiano inventò la pila elettrica?", "Alessandro Volta",
        {"Luigi Galvani", "Galileo Ferraris", "Antonio Pacinotti"}},
    {"A quale movimento artistico appartenne Umberto Boccioni?", "Futurismo", {"Cubismo", "Metafisica", "Surrealismo"}},
    {"Chi vinse i 200 metri piani alle Olimpiadi di Mosca del 1980?", "Pietro Mennea",
        {"Livio Berruti", "Allan Wells", "Carl Lewis"}},
    {"In quale opera di Shakespeare compare l'usuraio Shylock?", "Il mercante di Venezia",
        {"Otello", "La bisbetica domata", "Re Lear"}},
    {"In quale anno fu firmato il Trattato di Versailles dopo la Grande guerra?", "1919", {"1918", "1920", "1923"}},
    {"Quale attore fu il protagonista de ''Il marchese del Grillo'' (1981)?", "Alberto Sordi",
        {"Nino Manfredi", "Vittorio Gassman", "Ugo Tognazzi"}},
    {"Quante sinfonie completò Ludwig van Beethoven?", "9", {"7", "12", "5"}},
}};
// clang-format on

} // namespace bank
