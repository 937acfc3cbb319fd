// Level 11 of the bank: harder general culture, where a good guess no longer saves the player.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel11 = {{
    {"In quale regione si trova il lago d'Orta?", "Piemonte", {"Lombardia", "Valle d'Aosta", "Liguria"}},
    {"A quale di questi elementi corrisponde il simbolo chimico ''Hg''?", "Mercurio",
        {"Manganese", "Argento", "Cadmio"}},
    {"Quale re di Francia scese in Italia nel 1494, dando inizio alle guerre d'Italia?", "Carlo VIII",
        {"Luigi XII", "Francesco I", "Enrico II"}},
    {"Di quale Stato africano è capitale la città di Ouagadougou?", "Burkina Faso", {"Mali", "Niger", "Senegal"}},
    {"Chi affrescò la Camera degli Sposi nel Palazzo Ducale di Mantova?", "Andrea Mantegna",
        {"Giulio Romano", "Paolo Uccello", "Piero della Francesca"}},
    {"Quale pilota italiano vinse il Mondiale di Formula 1 nel 1952 e nel 1953?", "Alberto Ascari",
        {"Giuseppe Farina", "Lorenzo Bandini", "Michele Alboreto"}},
    {"Chi diresse il film ''Il sorpasso'' con Vittorio Gassman?", "Dino Risi",
        {"Mario Monicelli", "Ettore Scola", "Luigi Comencini"}},
    {"Quale cantautore scrisse la canzone ''Il cielo in una stanza''?", "Gino Paoli",
        {"Luigi Tenco", "Bruno Lauzi", "Umberto Bindi"}},
    {"Quale stretto separa l'isola di Sumatra dalla penisola malese?", "Stretto di Malacca",
        {"Stretto della Sonda", "Stretto di Lombok", "Stretto di Bass"}},
    {"In quale anno la pace di Vestfalia pose fine alla guerra dei Trent'anni?", "1648", {"1618", "1659", "1713"}},
    {"Chi è l'autore del trattato ''Il Cortegiano''?", "Castiglione", {"Machiavelli", "Bembo", "Guicciardini"}},
    {"Qual è l'unità di misura dell'induttanza nel Sistema Internazionale?", "Henry", {"Weber", "Tesla", "Farad"}},
    {"In quale città si trova il ''Cristo velato'' di Giuseppe Sanmartino?", "Napoli", {"Palermo", "Roma", "Torino"}},
    {"Quale commissario tecnico vinse due campionati mondiali alla guida dell'Italia?", "Vittorio Pozzo",
        {"Enzo Bearzot", "Marcello Lippi", "Ferruccio Valcareggi"}},
    {"Chi diresse il film ''Il Vangelo secondo Matteo'' (1964)?", "Pier Paolo Pasolini",
        {"Franco Zeffirelli", "Roberto Rossellini", "Liliana Cavani"}},
    {"Chi scrisse il romanzo ''Le confessioni d'un italiano''?", "Ippolito Nievo",
        {"Massimo d'Azeglio", "Tommaso Grossi", "Giovanni Verga"}},
    {"Chi ha composto l'opera ''Andrea Chénier''?", "Umberto Giordano",
        {"Alfredo Catalani", "Ruggero Leoncavallo", "Francesco Cilea"}},
    {"Chi fu l'ultimo re dei Longobardi, sconfitto da Carlo Magno nel 774?", "Desiderio",
        {"Astolfo", "Liutprando", "Rotari"}},
    {"Quale poeta italiano ricevette il premio Nobel per la letteratura nel 1959?", "Salvatore Quasimodo",
        {"Eugenio Montale", "Giuseppe Ungaretti", "Giosuè Carducci"}},
    {"Quale particella trasmette la forza elettromagnetica?", "Fotone", {"Gluone", "Neutrino", "Gravitone"}},
}};
// clang-format on

} // namespace bank
