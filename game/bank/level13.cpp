// Level 13 of the bank: precise dates and names that few players know without a guess.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel13 = {{
    {"In quale anno venne fondato il famoso quotidiano ''Corriere della Sera''?", "1876", {"1882", "1898", "1887"}},
    {"Qual è la capitale del Bhutan?", "Thimphu", {"Katmandu", "Paro", "Dacca"}},
    {"Quale fiume confluisce nel Danubio a Belgrado?", "Sava", {"Drava", "Tibisco", "Morava"}},
    {"Quale imperatore romano fu sconfitto e fatto prigioniero dai Persiani nel 260?", "Valeriano",
        {"Gallieno", "Decio", "Gordiano III"}},
    {"In quale anno morì Lorenzo de' Medici, detto il Magnifico?", "1492", {"1478", "1494", "1498"}},
    {"Chi dipinse ''Il giuramento degli Orazi''?", "David", {"Ingres", "Gros", "Girodet"}},
    {"Chi scolpì il ''Perseo'' della Loggia dei Lanzi a Firenze?", "Benvenuto Cellini",
        {"Giambologna", "Bartolomeo Ammannati", "Donatello"}},
    {"In quale anno si tenne la prima Mostra internazionale d'arte cinematografica?", "1932",
        {"1928", "1934", "1937"}},
    {"Chi interpretò il principe di Salina ne ''Il Gattopardo'' di Visconti?", "Burt Lancaster",
        {"Alain Delon", "Marcello Mastroianni", "Kirk Douglas"}},
    {"Chi compose l'opera lirica ''La Gioconda''?", "Amilcare Ponchielli",
        {"Alfredo Catalani", "Francesco Cilea", "Umberto Giordano"}},
    {"Chi compose ''L'Orfeo'', rappresentato a Mantova nel 1607?", "Claudio Monteverdi",
        {"Jacopo Peri", "Giulio Caccini", "Alessandro Scarlatti"}},
    {"In quale anno fu inaugurato il Teatro alla Scala di Milano?", "1778", {"1771", "1784", "1792"}},
    {"In quale anno Dario Fo ricevette il premio Nobel per la letteratura?", "1997", {"1995", "1999", "2001"}},
    {"Quale scrittore russo è l'autore del romanzo ''Oblomov''?", "Ivan Gončarov",
        {"Ivan Turgenev", "Nikolaj Gogol'", "Michail Lermontov"}},
    {"Chi pubblicò nel 1810 una celebre traduzione in endecasillabi sciolti del poema ''Iliade''?", "Vincenzo Monti",
        {"Ippolito Pindemonte", "Annibal Caro", "Giuseppe Parini"}},
    {"In quale anno Charles Darwin pubblicò ''L'origine delle specie''?", "1859", {"1848", "1863", "1871"}},
    {"Quale elemento chimico ha numero atomico 79?", "Oro", {"Platino", "Mercurio", "Iridio"}},
    {"Quale scienziato espose nel 1912 la teoria della deriva dei continenti?", "Alfred Wegener",
        {"Charles Lyell", "James Hutton", "Arthur Holmes"}},
    {"Chi fu il primo italiano a vincere il Tour de France?", "Ottavio Bottecchia",
        {"Gino Bartali", "Fausto Coppi", "Gastone Nencini"}},
    {"Chi vinse la prima edizione del Giro d'Italia, nel 1909?", "Luigi Ganna",
        {"Carlo Galetti", "Costante Girardengo", "Alfredo Binda"}},
}};
// clang-format on

} // namespace bank
