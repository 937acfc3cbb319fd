// Level 14 of the bank: dates, names and records that few players know.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel14 = {{
    {"Qual'è la stazione d'arrivo della linea Transiberiana, la più grande ferrovia del mondo?", "Vladivostok",
        {"Irkutsk", "Habarovsk", "Novosibirsk"}},
    {"Chi guidò i Franchi alla vittoria sugli Arabi nella battaglia di Poitiers?", "Carlo Martello",
        {"Pipino il Breve", "Carlo Magno", "Clodoveo"}},
    {"Chi scrisse il romanzo ''Le confessioni d'un italiano''?", "Ippolito Nievo",
        {"Massimo d'Azeglio", "Tommaso Grossi", "Giovanni Verga"}},
    {"Chi affrescò la Camera degli Sposi nel Palazzo Ducale di Mantova?", "Andrea Mantegna",
        {"Giulio Romano", "Paolo Uccello", "Piero della Francesca"}},
    {"A quanti gradi Celsius corrisponde lo zero assoluto?", "-273,15 °C", {"-237,15 °C", "-271,15 °C", "-373,15 °C"}},
    {"Quale tennista italiano vinse il torneo del Roland Garros nel 1976?", "Adriano Panatta",
        {"Nicola Pietrangeli", "Paolo Bertolucci", "Corrado Barazzutti"}},
    {"Quale film di Antonioni vinse il premio principale del Festival di Cannes 1967?", "Blow-Up",
        {"L'avventura", "La notte", "Deserto rosso"}},
    {"In quale teatro andò in scena la prima della ''Tosca'' di Puccini, nel 1900?", "Teatro Costanzi",
        {"Teatro alla Scala", "Teatro La Fenice", "Teatro San Carlo"}},
    {"Qual è il fiume più lungo della Francia?", "Loira", {"Senna", "Rodano", "Garonna"}},
    {"In quale anno fu firmato il trattato di Campoformio?", "1797", {"1796", "1799", "1801"}},
    {"In quale anno morì Giacomo Leopardi?", "1837", {"1827", "1831", "1848"}},
    {"In quale città si trova la Cappella Brancacci, con gli affreschi di Masaccio?", "Firenze",
        {"Siena", "Pisa", "Arezzo"}},
    {"In quale anno Charles Darwin pubblicò ''L'origine delle specie''?", "1859", {"1842", "1871", "1882"}},
    {"Quale città ospitò le Olimpiadi del 1908, inizialmente assegnate a Roma?", "Londra",
        {"Parigi", "Stoccolma", "Anversa"}},
    {"Chi diresse il film ''Il sorpasso'' con Vittorio Gassman?", "Dino Risi",
        {"Mario Monicelli", "Ettore Scola", "Luigi Comencini"}},
    {"Chi compose la musica del ''Canto degli Italiani'', l'inno nazionale?", "Michele Novaro",
        {"Giuseppe Verdi", "Gaetano Donizetti", "Saverio Mercadante"}},
    {"Qual è la capitale della Mongolia?", "Ulan Bator", {"Almaty", "Bishkek", "Tashkent"}},
    {"Quale doge veneziano partecipò alla Quarta crociata e alla presa di Costantinopoli?", "Enrico Dandolo",
        {"Francesco Foscari", "Pietro Orseolo", "Sebastiano Ziani"}},
    {"In quale anno Dario Fo ricevette il premio Nobel per la letteratura?", "1997", {"1995", "1999", "2001"}},
    {"A quale chimico si deve la tavola periodica degli elementi pubblicata nel 1869?", "Dmitrij Mendeleev",
        {"Antoine Lavoisier", "John Dalton", "Amedeo Avogadro"}},
}};
// clang-format on

} // namespace bank
