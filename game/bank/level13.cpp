// Level 13 of the bank: precise dates and names from history, letters and the arts.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel13 = {{
    {"In quale anno venne fondato il famoso quotidiano ''Il corriere della sera''?", "1876", {"1882", "1898", "1887"}},
    {"Qual è la capitale del Bhutan?", "Thimphu", {"Katmandu", "Paro", "Dacca"}},
    {"In quale anno la pace di Vestfalia pose fine alla guerra dei Trent'anni?", "1648", {"1618", "1659", "1713"}},
    {"Chi è l'autore del poema cavalleresco ''Morgante''?", "Luigi Pulci",
        {"Matteo Maria Boiardo", "Ludovico Ariosto", "Torquato Tasso"}},
    {"Chi dipinse ''Il Quarto Stato''?", "Pellizza da Volpedo",
        {"Giovanni Segantini", "Giovanni Fattori", "Umberto Boccioni"}},
    {"Quale italiano ricevette il premio Nobel per la fisica nel 1909?", "Guglielmo Marconi",
        {"Enrico Fermi", "Antonio Meucci", "Galileo Ferraris"}},
    {"Chi interpretò Pina nel film ''Roma città aperta'' di Rossellini?", "Anna Magnani",
        {"Silvana Mangano", "Giulietta Masina", "Alida Valli"}},
    {"Chi compose l'opera lirica ''La Gioconda''?", "Amilcare Ponchielli",
        {"Alfredo Catalani", "Francesco Cilea", "Umberto Giordano"}},
    {"Qual è il secondo fiume più lungo d'Italia, dopo il Po?", "Adige", {"Tevere", "Adda", "Arno"}},
    {"In quale anno morì Lorenzo de' Medici, detto il Magnifico?", "1492", {"1478", "1494", "1498"}},
    {"Quale scrittore creò il personaggio del commissario Maigret?", "Georges Simenon",
        {"Maurice Leblanc", "Gaston Leroux", "Léo Malet"}},
    {"In quale città è conservata ''La tempesta'' di Giorgione?", "Venezia", {"Firenze", "Milano", "Vienna"}},
    {"Quale scienziato italiano scoprì nel 1898 l'apparato cellulare che porta il suo nome?", "Camillo Golgi",
        {"Marcello Malpighi", "Lazzaro Spallanzani", "Luigi Galvani"}},
    {"Chi fu il primo italiano a vincere il Tour de France?", "Ottavio Bottecchia",
        {"Gino Bartali", "Fausto Coppi", "Gastone Nencini"}},
    {"Chi compose le musiche del film ''Il Gattopardo'' di Luchino Visconti?", "Nino Rota",
        {"Ennio Morricone", "Armando Trovajoli", "Piero Piccioni"}},
    {"In quale anno fu inaugurato il Teatro alla Scala di Milano?", "1778", {"1737", "1792", "1816"}},
    {"In quale Stato africano si trova la città di Timbuctù?", "Mali", {"Niger", "Mauritania", "Ciad"}},
    {"Chi è l'autore del trattato ''Il Cortegiano''?", "Castiglione", {"Machiavelli", "Bembo", "Guicciardini"}},
    {"Quale particella trasmette la forza elettromagnetica?", "Fotone", {"Gluone", "Neutrino", "Gravitone"}},
    {"Chi era il commissario tecnico dell'Italia campione del mondo nel 1934 e nel 1938?", "Vittorio Pozzo",
        {"Enzo Bearzot", "Ferruccio Valcareggi", "Helenio Herrera"}},
}};
// clang-format on

} // namespace bank
