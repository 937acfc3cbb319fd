// Level 7 of the bank: solid general culture, names and places a well-read player knows.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel07 = {{
    {"Qual è il fiume più lungo d'Europa?", "Volga", {"Danubio", "Reno", "Dnepr"}},
    {"Chi è l'autore del romanzo ''I Malavoglia''?", "Giovanni Verga",
        {"Luigi Capuana", "Federico De Roberto", "Luigi Pirandello"}},
    {"Quali fra questi artropodi non appartiene alla famiglia degli aracnidi?", "Tarma",
        {"Ragno", "Scorpione", "Acaro"}},
    {"Quale di questi stati non confina con la Svizzera?", "Slovenia", {"Austria", "Liechtenstein", "Francia"}},
    {"Quale re di Francia era soprannominato ''il Re Sole''?", "Luigi XIV", {"Luigi XVI", "Luigi XV", "Luigi XIII"}},
    {"Chi ha dipinto ''Notte stellata''?", "Vincent van Gogh", {"Claude Monet", "Paul Gauguin", "Paul Cézanne"}},
    {"Qual è l'unità di misura della resistenza elettrica?", "Ohm", {"Volt", "Ampere", "Watt"}},
    {"Quale ciclista italiano era soprannominato ''il Pirata''?", "Marco Pantani",
        {"Felice Gimondi", "Gino Bartali", "Fausto Coppi"}},
    {"Chi ha diretto il film ''Psyco'' del 1960?", "Alfred Hitchcock", {"John Ford", "Billy Wilder", "Fritz Lang"}},
    {"Chi è l'autore del poema ''Orlando furioso''?", "Ludovico Ariosto",
        {"Torquato Tasso", "Matteo Maria Boiardo", "Luigi Pulci"}},
    {"Quale città fu la prima capitale del Regno d'Italia?", "Torino", {"Firenze", "Milano", "Napoli"}},
    {"Quale cantautore genovese scrisse ''La canzone di Marinella''?", "Fabrizio De André",
        {"Gino Paoli", "Luigi Tenco", "Bruno Lauzi"}},
    {"In quale oceano si trova l'isola di Madagascar?", "Oceano Indiano",
        {"Oceano Atlantico", "Oceano Pacifico", "Oceano Artico"}},
    {"Quale vitamina viene prodotta dalla pelle esposta alla luce del sole?", "Vitamina D",
        {"Vitamina A", "Vitamina C", "Vitamina K"}},
    {"Chi progettò la cupola di Santa Maria del Fiore a Firenze?", "Filippo Brunelleschi",
        {"Donato Bramante", "Leon Battista Alberti", "Giuliano da Sangallo"}},
    {"In quale nazione si giocarono i Mondiali di calcio vinti dall'Italia nel 1982?", "Spagna",
        {"Messico", "Argentina", "Germania Ovest"}},
    {"Chi ha diretto il film ''Lo squalo'' del 1975?", "Steven Spielberg",
        {"George Lucas", "John Carpenter", "Ridley Scott"}},
    {"Chi ha scritto il romanzo ''Cent'anni di solitudine''?", "Gabriel García Márquez",
        {"Jorge Luis Borges", "Mario Vargas Llosa", "Isabel Allende"}},
    {"Qual è il satellite naturale più grande di Saturno?", "Titano", {"Encelado", "Mimas", "Rea"}},
    {"Di quale strumento fu un leggendario virtuoso Niccolò Paganini?", "Violino",
        {"Pianoforte", "Violoncello", "Oboe"}},
}};
// clang-format on

} // namespace bank
