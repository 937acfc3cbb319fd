// Level 3 of the bank: the last of the easy rungs, school subjects with a little more detail.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel03 = {{
    {"Tra questi alberi, quale non appartiene alla famiglia delle conifere?", "Quercia",
        {"Abete", "Cipresso", "Ginepro"}},
    {"Quale stretto separa la Sicilia dalla Calabria?", "Stretto di Messina",
        {"Stretto di Gibilterra", "Bocche di Bonifacio", "Canale d'Otranto"}},
    {"Qual è il lago più esteso d'Italia?", "Lago di Garda", {"Lago Maggiore", "Lago Trasimeno", "Lago di Bolsena"}},
    {"Qual è il continente più esteso della Terra?", "Asia", {"Africa", "Europa", "Oceania"}},
    {"In che anno cadde il Muro di Berlino?", "1989", {"1987", "1991", "1985"}},
    {"Chi fu il primo imperatore romano?", "Augusto", {"Nerone", "Traiano", "Caligola"}},
    {"In che anno scoppiò la Prima guerra mondiale?", "1914", {"1911", "1918", "1908"}},
    {"A quale poeta greco sono attribuite l'Iliade e l'Odissea?", "Omero", {"Esiodo", "Saffo", "Pindaro"}},
    {"Chi ha scritto il romanzo ''Il giro del mondo in 80 giorni''?", "Jules Verne",
        {"Victor Hugo", "Mark Twain", "Emilio Salgari"}},
    {"Chi dipinse la ''Nascita di Venere'' conservata agli Uffizi?", "Botticelli",
        {"Caravaggio", "Giotto", "Mantegna"}},
    {"In quale città si trova il Ponte di Rialto?", "Venezia", {"Firenze", "Verona", "Roma"}},
    {"Qual è il pianeta più vicino al Sole?", "Mercurio", {"Venere", "Marte", "Terra"}},
    {"Qual è il mammifero più grande del mondo?", "Balenottera azzurra",
        {"Elefante africano", "Capodoglio", "Rinoceronte bianco"}},
    {"In quale disciplina sportiva fu campione olimpico Alberto Tomba?", "Sci alpino",
        {"Sci di fondo", "Biathlon", "Bob"}},
    {"Quanti giocatori per squadra sono in campo nella pallavolo?", "6", {"5", "7", "9"}},
    {"Chi interpreta Jack Dawson nel film ''Titanic'' del 1997?", "Leonardo DiCaprio",
        {"Brad Pitt", "Johnny Depp", "Tom Cruise"}},
    {"Chi ha diretto e interpretato il film ''La vita è bella''?", "Roberto Benigni",
        {"Carlo Verdone", "Nanni Moretti", "Massimo Troisi"}},
    {"Quale compositore scrisse i concerti ''Le quattro stagioni''?", "Antonio Vivaldi",
        {"Gioachino Rossini", "Giacomo Puccini", "Vincenzo Bellini"}},
    {"Quale cantante è soprannominato ''il Molleggiato''?", "Adriano Celentano",
        {"Gianni Morandi", "Lucio Battisti", "Vasco Rossi"}},
    {"Quale pittore dipinse la celebre serie dei ''Girasoli''?", "Vincent van Gogh",
        {"Claude Monet", "Paul Gauguin", "Paul Cézanne"}},
}};
// clang-format on

} // namespace bank
