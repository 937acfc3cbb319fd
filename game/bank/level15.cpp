// Level 15 of the bank: the question for the million, names and dates known to very few.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel15 = {{
    {"Qual è la capitale del Suriname?", "Paramaribo", {"Georgetown", "Cayenne", "Belmopan"}},
    {"Qual'è la capitale delle isole Samoa, situate nell'arcipelago polinesiano?", "Apia",
        {"Bairiki", "Nuku'alofa", "Suva"}},
    {"In quale anno si combatté la battaglia di Zama tra Scipione e Annibale?", "202 a.C.",
        {"216 a.C.", "218 a.C.", "146 a.C."}},
    {"Chi scrisse il poemetto satirico ''Il Giorno''?", "Giuseppe Parini",
        {"Vittorio Alfieri", "Carlo Goldoni", "Vincenzo Monti"}},
    {"Quale architetto progettò la Reggia di Caserta?", "Luigi Vanvitelli",
        {"Ferdinando Fuga", "Filippo Juvarra", "Francesco Borromini"}},
    {"Quale fisico italiano ricevette il premio Nobel per la fisica nel 1938?", "Enrico Fermi",
        {"Emilio Segrè", "Guglielmo Marconi", "Carlo Rubbia"}},
    {"Con quale film Vittorio Gassman fu premiato come miglior attore a Cannes nel 1975?", "Profumo di donna",
        {"I soliti ignoti", "La grande guerra", "C'eravamo tanto amati"}},
    {"Chi scrisse il libretto de ''Le nozze di Figaro'' di Mozart?", "Lorenzo Da Ponte",
        {"Pietro Metastasio", "Carlo Goldoni", "Arrigo Boito"}},
    {"Qual è la capitale della Tasmania?", "Hobart", {"Launceston", "Darwin", "Perth"}},
    {"Come si chiamava la moglie dell'imperatore bizantino Giustiniano I?", "Teodora",
        {"Galla Placidia", "Irene", "Zoe"}},
    {"In quale città morì Torquato Tasso, nel 1595?", "Roma", {"Ferrara", "Sorrento", "Napoli"}},
    {"In quale anno la ''Gioconda'' fu rubata dal Museo del Louvre?", "1911", {"1907", "1913", "1919"}},
    {"Quale elemento chimico ha numero atomico 79?", "Oro", {"Platino", "Argento", "Piombo"}},
    {"Quale atleta italiano vinse la maratona alle Olimpiadi di Seul del 1988?", "Gelindo Bordin",
        {"Stefano Baldini", "Orlando Pizzolato", "Salvatore Antibo"}},
    {"Chi interpretò il principe di Salina ne ''Il Gattopardo'' di Visconti?", "Burt Lancaster",
        {"Alain Delon", "Marcello Mastroianni", "Kirk Douglas"}},
    {"In quale città morì Giuseppe Verdi, nel 1901?", "Milano", {"Busseto", "Genova", "Parma"}},
    {"Chi fu l'ultimo doge della Repubblica di Venezia?", "Ludovico Manin",
        {"Paolo Renier", "Francesco Morosini", "Andrea Gritti"}},
    {"Quale scrittore russo è l'autore del romanzo ''Oblomov''?", "Ivan Gončarov",
        {"Ivan Turgenev", "Nikolaj Gogol'", "Michail Lermontov"}},
    {"In quale anno fu scoperto Plutone?", "1930", {"1919", "1924", "1946"}},
    {"Quale squadra vinse il primo campionato italiano di calcio, nel 1898?", "Genoa",
        {"Juventus", "Milan", "Pro Vercelli"}},
}};
// clang-format on

} // namespace bank
