// Level 6 of the bank: past the first milestone, where a casual player starts to hesitate.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel06 = {{
    {"In italiano, cosa sta a significare il termine francese ''Orage''?", "Tempesta", {"Chiasso", "Oracolo", "Rione"}},
    {"Qual è il capoluogo della Basilicata?", "Potenza", {"Matera", "Melfi", "Lagonegro"}},
    {"Chi ha scritto il romanzo ''Il barone rampante''?", "Italo Calvino",
        {"Alberto Moravia", "Cesare Pavese", "Elsa Morante"}},
    {"Qual è il simbolo chimico del potassio?", "K", {"P", "Po", "Pt"}},
    {"Qual è l'unità di misura della resistenza elettrica?", "Ohm", {"Volt", "Ampere", "Watt"}},
    {"Quale di queste capitali è attraversata dal Danubio?", "Budapest", {"Bucarest", "Sofia", "Zagabria"}},
    {"In quale sport si assegna la Stanley Cup?", "Hockey su ghiaccio",
        {"Baseball", "Pallacanestro", "Football americano"}},
    {"Quale attrice italiana vinse l'Oscar per il film ''La ciociara''?", "Sophia Loren",
        {"Gina Lollobrigida", "Claudia Cardinale", "Monica Vitti"}},
    {"Quale imperatore romano fece costruire un lungo vallo difensivo in Britannia?", "Adriano",
        {"Traiano", "Claudio", "Vespasiano"}},
    {"In quale città si trova la Cappella degli Scrovegni affrescata da Giotto?", "Padova",
        {"Verona", "Vicenza", "Treviso"}},
    {"Chi progettò la cupola di Santa Maria del Fiore a Firenze?", "Filippo Brunelleschi",
        {"Donato Bramante", "Leon Battista Alberti", "Giuliano da Sangallo"}},
    {"Quale cantautore genovese scrisse ''La canzone di Marinella''?", "Fabrizio De André",
        {"Gino Paoli", "Luigi Tenco", "Bruno Lauzi"}},
    {"Chi ha scritto il romanzo ''Cent'anni di solitudine''?", "Gabriel García Márquez",
        {"Jorge Luis Borges", "Mario Vargas Llosa", "Isabel Allende"}},
    {"Quale film di Paolo Sorrentino vinse l'Oscar al miglior film straniero nel 2014?", "La grande bellezza",
        {"Il divo", "Le conseguenze dell'amore", "This Must Be the Place"}},
    {"Nairobi è la capitale di quale Stato africano?", "Kenya", {"Tanzania", "Etiopia", "Uganda"}},
    {"Chi scolpì il ''Mosè'' della basilica di San Pietro in Vincoli a Roma?", "Michelangelo",
        {"Bernini", "Donatello", "Canova"}},
    {"In quale nazione si giocarono i Mondiali di calcio vinti dall'Italia nel 1982?", "Spagna",
        {"Messico", "Argentina", "Germania Ovest"}},
    {"Quanti cromosomi ha normalmente una cellula somatica umana?", "46", {"23", "44", "48"}},
    {"Quale compositore scrisse il celebre ''Boléro''?", "Maurice Ravel",
        {"Claude Debussy", "Erik Satie", "Camille Saint-Saëns"}},
    {"Chi era re d'Italia durante la Prima guerra mondiale?", "Vittorio Emanuele III",
        {"Umberto I", "Vittorio Emanuele II", "Umberto II"}},
}};
// clang-format on

} // namespace bank
