// Level 8 of the bank: the classics of school and of the newspaper's culture pages, asked precisely.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel08 = {{
    {"In quale anno fu combattuta la battaglia di Lepanto?", "1571", {"1565", "1588", "1559"}},
    {"Il termine vodka è un diminutivo di ''voda'' che in russo significa....?", "Acqua",
        {"Tisana", "Vino", "Vittoria"}},
    {"Qual è la capitale della Nuova Zelanda?", "Wellington", {"Auckland", "Christchurch", "Dunedin"}},
    {"Chi è l'autore de ''Le ultime lettere di Jacopo Ortis''?", "Ugo Foscolo",
        {"Giacomo Leopardi", "Vincenzo Monti", "Giuseppe Parini"}},
    {"Qual è la capitale della Mongolia?", "Ulan Bator", {"Astana", "Bishkek", "Tashkent"}},
    {"Qual è la capitale del Marocco?", "Rabat", {"Casablanca", "Marrakech", "Fez"}},
    {"Quale papa indisse il primo Giubileo della storia?", "Bonifacio VIII",
        {"Celestino V", "Gregorio VII", "Innocenzo III"}},
    {"Chi scoprì le leggi dell'ereditarietà studiando le piante di pisello?", "Gregor Mendel",
        {"Charles Darwin", "Louis Pasteur", "Jean-Baptiste Lamarck"}},
    {"Chi formulò le tre leggi che descrivono il moto dei pianeti attorno al Sole?", "Keplero",
        {"Copernico", "Galileo", "Tolomeo"}},
    {"Chi ha diretto il film ''Arancia meccanica''?", "Stanley Kubrick",
        {"Ridley Scott", "Francis Ford Coppola", "Martin Scorsese"}},
    {"Quale opera di Giacomo Puccini è ambientata in Giappone?", "Madama Butterfly",
        {"Turandot", "Tosca", "La bohème"}},
    {"Chi scrisse il poemetto satirico ''Il Giorno''?", "Giuseppe Parini",
        {"Vittorio Alfieri", "Carlo Goldoni", "Vincenzo Monti"}},
    {"Chi compose l'opera ''Cavalleria rusticana''?", "Pietro Mascagni",
        {"Ruggero Leoncavallo", "Umberto Giordano", "Francesco Cilea"}},
    {"A quale movimento artistico appartenne Umberto Boccioni?", "Futurismo", {"Cubismo", "Metafisica", "Surrealismo"}},
    {"Chi vinse i 200 metri piani alle Olimpiadi di Mosca del 1980?", "Pietro Mennea",
        {"Livio Berruti", "Allan Wells", "Carl Lewis"}},
    {"In quale opera di Shakespeare compare l'usuraio Shylock?", "Il mercante di Venezia",
        {"Otello", "La bisbetica domata", "Re Lear"}},
    {"In quale anno fu firmato il trattato di Versailles dopo la Grande guerra?", "1919", {"1918", "1920", "1923"}},
    {"Chi dipinse ''La ronda di notte''?", "Rembrandt", {"Vermeer", "Rubens", "Van Dyck"}},
    {"In quale film Tom Hanks interpreta l'astronauta Jim Lovell?", "Apollo 13",
        {"Cast Away", "Philadelphia", "Forrest Gump"}},
    {"In quale città si trova l'autodromo intitolato a Enzo e Dino Ferrari?", "Imola",
        {"Monza", "Modena", "Maranello"}},
}};
// clang-format on

} // namespace bank
