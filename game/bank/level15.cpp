// Level 15 of the bank: the question for the million, names and dates known to very few.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel15 = {{
    {"Qual è la capitale del Suriname?", "Paramaribo", {"Georgetown", "Cayenne", "Belmopan"}},
    {"Qual è la capitale delle isole Samoa, situate nell'arcipelago polinesiano?", "Apia",
        {"Bairiki", "Nuku'alofa", "Suva"}},
    {"In quale anno si combatté la battaglia di Zama tra Scipione e Annibale?", "202 a.C.",
        {"204 a.C.", "207 a.C.", "209 a.C."}},
    {"Qual è la vetta più alta dei Pirenei?", "Aneto", {"Monte Perdido", "Vignemale", "Pica d'Estats"}},
    {"Chi fu l'ultimo doge della Repubblica di Venezia?", "Ludovico Manin",
        {"Paolo Renier", "Francesco Morosini", "Andrea Gritti"}},
    {"In quale anno la pace di Lodi pose fine alla guerra tra Milano e Venezia?", "1454", {"1448", "1459", "1464"}},
    {"In quale città morì Torquato Tasso, nel 1595?", "Roma", {"Ferrara", "Sorrento", "Napoli"}},
    {"In quale città nacque Ludovico Ariosto?", "Reggio Emilia", {"Ferrara", "Modena", "Mantova"}},
    {"Chi è l'autore della raccolta di fiabe ''Lo cunto de li cunti''?", "Giambattista Basile",
        {"Giovan Francesco Straparola", "Masuccio Salernitano", "Franco Sacchetti"}},
    {"Chi dipinse la ''Pala di Brera'', con Federico da Montefeltro in preghiera?", "Piero della Francesca",
        {"Andrea Mantegna", "Giovanni Bellini", "Melozzo da Forlì"}},
    {"Quale architetto progettò la basilica di Superga, presso Torino?", "Filippo Juvarra",
        {"Guarino Guarini", "Bernardo Vittone", "Benedetto Alfieri"}},
    {"Quale astronomo scoprì il pianeta nano Cerere, nel 1801?", "Giuseppe Piazzi",
        {"Giovanni Schiaparelli", "Angelo Secchi", "Barnaba Oriani"}},
    {"Quale chimico riuscì per primo a isolare il fluoro, nel 1886?", "Henri Moissan",
        {"Humphry Davy", "Joseph Gay-Lussac", "Jöns Jacob Berzelius"}},
    {"Quale atleta italiano vinse la maratona alle Olimpiadi di Seul del 1988?", "Gelindo Bordin",
        {"Stefano Baldini", "Orlando Pizzolato", "Salvatore Antibo"}},
    {"Chi vinse la prima edizione del torneo di Wimbledon, nel 1877?", "Spencer Gore",
        {"William Marshall", "Frank Hadow", "William Renshaw"}},
    {"Quale squadra vinse la prima edizione della Coppa Italia di calcio?", "Vado",
        {"Udinese", "Novese", "Lucchese"}},
    {"Con quale film Vittorio Gassman fu premiato come miglior attore a Cannes nel 1975?", "Profumo di donna",
        {"I soliti ignoti", "La grande guerra", "C'eravamo tanto amati"}},
    {"Chi diresse il kolossal muto ''Cabiria'' (1914)?", "Giovanni Pastrone",
        {"Enrico Guazzoni", "Mario Caserini", "Carmine Gallone"}},
    {"Chi scrisse il libretto dell'opera ''Aida'' di Giuseppe Verdi?", "Antonio Ghislanzoni",
        {"Francesco Maria Piave", "Arrigo Boito", "Salvadore Cammarano"}},
    {"Chi diresse la prima rappresentazione de ''La bohème'', nel 1896?", "Arturo Toscanini",
        {"Leopoldo Mugnone", "Franco Faccio", "Cleofonte Campanini"}},
}};
// clang-format on

} // namespace bank
