// Level 6 of the bank: good general culture, where a casual player starts to hesitate.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel06 = {{
    {"In italiano, cosa sta a significare il termine francese ''Orage''?", "Tempesta", {"Chiasso", "Oracolo", "Rione"}},
    {"Qual è il capoluogo della Basilicata?", "Potenza", {"Matera", "Melfi", "Lagonegro"}},
    {"Chi ha scritto il romanzo ''Il barone rampante''?", "Italo Calvino",
        {"Alberto Moravia", "Cesare Pavese", "Elsa Morante"}},
    {"Qual è il simbolo chimico del potassio?", "K", {"P", "Po", "Pt"}},
    {"Qual è la capitale della Norvegia?", "Oslo", {"Stoccolma", "Helsinki", "Copenaghen"}},
    {"Quale di queste capitali è attraversata dal Danubio?", "Budapest", {"Praga", "Varsavia", "Berlino"}},
    {"In quale sport si assegna la Stanley Cup?", "Hockey su ghiaccio",
        {"Baseball", "Pallacanestro", "Football americano"}},
    {"In quale città si tiene la Mostra internazionale d'arte cinematografica?", "Venezia",
        {"Roma", "Torino", "Milano"}},
    {"Quale imperatore romano fece costruire un lungo vallo difensivo in Britannia?", "Adriano",
        {"Traiano", "Nerone", "Caligola"}},
    {"In quale città si trova la Cappella degli Scrovegni affrescata da Giotto?", "Padova",
        {"Verona", "Vicenza", "Treviso"}},
    {"Quale organo del corpo umano produce l'insulina?", "Pancreas", {"Fegato", "Milza", "Rene"}},
    {"In quale città nacque il compositore Gioachino Rossini?", "Pesaro", {"Bergamo", "Lucca", "Catania"}},
    {"Come si chiama la donna cantata da Petrarca nel ''Canzoniere''?", "Laura", {"Beatrice", "Fiammetta", "Silvia"}},
    {"Quale attore interpretò Don Vito Corleone ne ''Il padrino'' del 1972?", "Marlon Brando",
        {"Al Pacino", "Jack Nicholson", "Dustin Hoffman"}},
    {"Nairobi è la capitale di quale stato africano?", "Kenya", {"Tanzania", "Etiopia", "Uganda"}},
    {"Chi scolpì il ''Mosè'' della basilica di San Pietro in Vincoli a Roma?", "Michelangelo",
        {"Bernini", "Donatello", "Canova"}},
    {"In quale città si svolsero i Giochi olimpici invernali del 2006?", "Torino",
        {"Cortina d'Ampezzo", "Milano", "Bolzano"}},
    {"Quanti cromosomi ha normalmente una cellula somatica umana?", "46", {"23", "44", "48"}},
    {"Quale gruppo pubblicò nel 1969 l'album ''Abbey Road''?", "The Beatles",
        {"The Rolling Stones", "Pink Floyd", "The Who"}},
    {"Chi era re d'Italia durante la Prima guerra mondiale?", "Vittorio Emanuele III",
        {"Umberto I", "Vittorio Emanuele II", "Umberto II"}},
}};
// clang-format on

} // namespace bank
