// Level 14 of the bank: dates, names and records that few players know.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel14 = {{
    {"Qual è la stazione d'arrivo della linea Transiberiana, la più grande ferrovia del mondo?", "Vladivostok",
        {"Irkutsk", "Habarovsk", "Novosibirsk"}},
    {"Qual è la capitale della Tasmania?", "Hobart", {"Launceston", "Devonport", "Burnie"}},
    {"Qual è la seconda isola dell'Arcipelago Toscano per estensione, dopo l'Elba?", "Giglio",
        {"Capraia", "Montecristo", "Pianosa"}},
    {"Quale doge veneziano partecipò alla Quarta crociata e alla presa di Costantinopoli?", "Enrico Dandolo",
        {"Francesco Foscari", "Pietro Orseolo", "Sebastiano Ziani"}},
    {"In quale anno fu firmato il trattato di Campoformio?", "1797", {"1796", "1799", "1801"}},
    {"Quale duca di Savoia divenne nel 1720 il primo re di Sardegna della sua casata?", "Vittorio Amedeo II",
        {"Carlo Emanuele III", "Carlo Emanuele I", "Emanuele Filiberto"}},
    {"In quale anno morì Giacomo Leopardi?", "1837", {"1831", "1834", "1839"}},
    {"Quale scrittore vinse la prima edizione del premio Strega, nel 1947?", "Ennio Flaiano",
        {"Cesare Pavese", "Alberto Moravia", "Corrado Alvaro"}},
    {"Quale nome assume Mattia Pascal dopo la sua finta morte?", "Adriano Meis",
        {"Vitangelo Moscarda", "Serafino Gubbio", "Zeno Cosini"}},
    {"In quale città si trova la ''Madonna Sistina'' di Raffaello?", "Dresda",
        {"Vienna", "Monaco di Baviera", "Berlino"}},
    {"Chi progettò la Galleria Vittorio Emanuele II di Milano?", "Giuseppe Mengoni",
        {"Alessandro Antonelli", "Camillo Boito", "Luca Beltrami"}},
    {"In quale anno la ''Gioconda'' fu rubata dal Museo del Louvre?", "1911", {"1907", "1913", "1919"}},
    {"Quale metallo ha il punto di fusione più alto?", "Tungsteno", {"Osmio", "Renio", "Tantalio"}},
    {"In quale anno fu scoperto Plutone?", "1930", {"1926", "1933", "1938"}},
    {"Quale città ospitò le Olimpiadi del 1908, inizialmente assegnate a Roma?", "Londra",
        {"Parigi", "Stoccolma", "Anversa"}},
    {"In quale città si disputarono i primi Mondiali di atletica leggera, nel 1983?", "Helsinki",
        {"Roma", "Tokyo", "Stoccarda"}},
    {"Quale film di Antonioni vinse il premio principale del Festival di Cannes 1967?", "Blow-Up",
        {"L'avventura", "La notte", "Deserto rosso"}},
    {"Per quale film Anna Magnani vinse l'Oscar come migliore attrice?", "La rosa tatuata",
        {"Bellissima", "Mamma Roma", "Pelle di serpente"}},
    {"In quale teatro andò in scena la prima della ''Tosca'' di Puccini, nel 1900?", "Teatro Costanzi",
        {"Teatro alla Scala", "Teatro La Fenice", "Teatro San Carlo"}},
    {"In quale città morì Giuseppe Verdi, nel 1901?", "Milano", {"Busseto", "Genova", "Parma"}},
}};
// clang-format on

} // namespace bank
