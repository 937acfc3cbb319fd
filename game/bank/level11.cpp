// Level 11 of the bank: harder general culture, where a good guess no longer saves the player.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel11 = {{
    {"Qual è il lago più profondo d'Italia?", "Lago di Como", {"Lago Maggiore", "Lago di Garda", "Lago d'Iseo"}},
    {"A quale di questi elementi corrisponde il simbolo chimico ''Hg''?", "Mercurio",
        {"Manganese", "Argento", "Cadmio"}},
    {"Quale re di Francia scese in Italia nel 1494, dando inizio alle guerre d'Italia?", "Carlo VIII",
        {"Luigi XII", "Francesco I", "Enrico II"}},
    {"Come si chiama il cavallo di Don Chisciotte?", "Ronzinante", {"Baiardo", "Bucefalo", "Brigliadoro"}},
    {"Chi dipinse la ''Vocazione di san Matteo'' in San Luigi dei Francesi a Roma?", "Caravaggio",
        {"Guercino", "Guido Reni", "Domenichino"}},
    {"Quale pilota italiano vinse il Mondiale di Formula 1 nel 1952 e nel 1953?", "Alberto Ascari",
        {"Giuseppe Farina", "Lorenzo Bandini", "Michele Alboreto"}},
    {"Chi interpretò Gelsomina nel film ''La strada'' di Federico Fellini?", "Giulietta Masina",
        {"Sophia Loren", "Anna Magnani", "Claudia Cardinale"}},
    {"Chi ha composto l'opera lirica ''Norma''?", "Vincenzo Bellini",
        {"Gaetano Donizetti", "Gioachino Rossini", "Giuseppe Verdi"}},
    {"Qual è la capitale del Pakistan?", "Islamabad", {"Karachi", "Lahore", "Peshawar"}},
    {"Chi era presidente degli Stati Uniti durante la crisi dei missili di Cuba?", "John F. Kennedy",
        {"Dwight D. Eisenhower", "Lyndon B. Johnson", "Richard M. Nixon"}},
    {"Chi è l'autore del romanzo ''Il deserto dei Tartari''?", "Dino Buzzati",
        {"Italo Calvino", "Cesare Pavese", "Elio Vittorini"}},
    {"Qual è l'unità di misura dell'induttanza nel Sistema Internazionale?", "Henry", {"Weber", "Tesla", "Farad"}},
    {"Chi ha scolpito il gruppo ''Apollo e Dafne'' della Galleria Borghese?", "Bernini",
        {"Canova", "Cellini", "Donatello"}},
    {"Quale fu la prima squadra italiana a vincere la Coppa dei Campioni?", "Milan", {"Inter", "Juventus", "Torino"}},
    {"Quale film di Ermanno Olmi vinse la Palma d'oro a Cannes nel 1978?", "L'albero degli zoccoli",
        {"Il posto", "Il mestiere delle armi", "I fidanzati"}},
    {"Quale sinfonia di Beethoven è nota come ''Eroica''?", "La Terza", {"La Quinta", "La Sesta", "La Nona"}},
    {"Quale fiume attraversa la città di Praga?", "Moldava", {"Elba", "Danubio", "Oder"}},
    {"In quale località siciliana fu firmato l'armistizio reso noto l'8 settembre 1943?", "Cassibile",
        {"Gela", "Licata", "Marsala"}},
    {"In quale città è ambientato il romanzo ''Ulisse'' di James Joyce?", "Dublino", {"Londra", "Trieste", "Parigi"}},
    {"Qual è l'osso più piccolo del corpo umano?", "Staffa", {"Incudine", "Martello", "Pisiforme"}},
}};
// clang-format on

} // namespace bank
