// Level 1 of the bank: the first rung, questions every schoolchild can answer.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel01 = {{
    {"Qual è la capitale della Francia?", "Parigi", {"Lione", "Bordeaux", "Marsiglia"}},
    {"Quale di questi animali non vive in Italia?", "Pinguino", {"Aquila", "Orso", "Marmotta"}},
    {"Quale di questi strumenti musicali non è a corda?", "Tromba", {"Violino", "Chitarra", "Arpa"}},
    {"Quale di questi monumenti non appartiene alla città di Roma?", "Torre degli Asinelli",
        {"Colosseo", "Vittoriano", "Castel Sant'Angelo"}},
    {"Quale squadra di calcio viene soprannominata ''La vecchia signora''?", "Juventus", {"Milan", "Roma", "Lazio"}},
    {"In che anno entra in vigore la Costituzione Italiana?", "1948", {"1945", "1944", "1950"}},
    {"Quale casa automobilistica ha sede a Maranello?", "Ferrari", {"Maserati", "Lamborghini", "Fiat"}},
    {"Come si chiama il famoso topo creato da Walt Disney?", "Topolino", {"Paperino", "Pippo", "Gastone"}},
    {"Qual è il pianeta più grande del sistema solare?", "Giove", {"Marte", "Saturno", "Mercurio"}},
    {"Qual è il monte più alto d'Italia?", "Monte Bianco", {"Monte Rosa", "Gran Sasso", "Cervino"}},
    {"In quale città si trova la Statua della libertà?", "New York", {"Berlino", "Londra", "Tokyo"}},
    {"Quale navigatore raggiunse l'America nel 1492?", "Cristoforo Colombo",
        {"Amerigo Vespucci", "Marco Polo", "Ferdinando Magellano"}},
    {"Quale di questi frutti non appartiene alla famiglia degli agrumi?", "Pesca", {"Arancia", "Limone", "Pompelmo"}},
    {"Chi dipinse la ''Gioconda''?", "Leonardo", {"Michelangelo", "Raffaello", "Caravaggio"}},
    {"Chi è l'autore della ''Divina Commedia''?", "Dante Alighieri",
        {"Francesco Petrarca", "Giovanni Boccaccio", "Alessandro Manzoni"}},
    {"La riviera romagnola è bagnata da quale mare?", "Mar Adriatico", {"Mar Tirreno", "Mar Ligure", "Mar Ionio"}},
    {"Quale famoso fiume bagna l'Egitto?", "Nilo", {"Tamigi", "Po", "Danubio"}},
    {"Quanti giocatori schiera in campo una squadra di calcio?", "11", {"9", "10", "12"}},
    {"In quale regione si trova la città di Trapani?", "Sicilia", {"Puglia", "Basilicata", "Campania"}},
    {"In quale di queste fiabe compare il personaggio del lupo cattivo?", "Cappuccetto rosso",
        {"Cenerentola", "Pinocchio", "Biancaneve"}},
}};
// clang-format on

} // namespace bank
