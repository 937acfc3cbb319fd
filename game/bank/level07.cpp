// Level 7 of the bank: solid general culture, the names, places and dates a well-read player knows.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel07 = {{
    {"Qual è il fiume più lungo d'Europa?", "Volga", {"Danubio", "Reno", "Dnepr"}},
    {"Chi è l'autore del romanzo ''I dolori del giovane Werther''?", "Johann Wolfgang von Goethe",
        {"Friedrich Schiller", "Heinrich Heine", "Novalis"}},
    {"Quale fra questi artropodi non appartiene alla famiglia degli aracnidi?", "Tarma",
        {"Ragno", "Scorpione", "Acaro"}},
    {"Quale di questi Stati non confina con la Svizzera?", "Slovenia", {"Austria", "Liechtenstein", "Francia"}},
    {"In quale anno Napoleone Bonaparte si incoronò imperatore dei francesi?", "1804", {"1799", "1802", "1806"}},
    {"Quale pittore è l'autore della pala ''Assunta'' nella basilica dei Frari a Venezia?", "Tiziano",
        {"Tintoretto", "Paolo Veronese", "Giovanni Bellini"}},
    {"Quale fisico scoprì la radioattività naturale, nel 1896?", "Henri Becquerel",
        {"Marie Curie", "Wilhelm Röntgen", "Ernest Rutherford"}},
    {"Quale pilota detiene il record di titoli mondiali vinti nel motociclismo?", "Giacomo Agostini",
        {"Valentino Rossi", "Ángel Nieto", "Mike Hailwood"}},
    {"Quale regista giapponese diresse il film ''I sette samurai''?", "Akira Kurosawa",
        {"Yasujirō Ozu", "Kenji Mizoguchi", "Nagisa Ōshima"}},
    {"Chi è l'autore del poema ''Orlando furioso''?", "Ludovico Ariosto",
        {"Torquato Tasso", "Matteo Maria Boiardo", "Luigi Pulci"}},
    {"Quale re di Sardegna concesse lo Statuto del 1848?", "Carlo Alberto",
        {"Vittorio Emanuele II", "Carlo Felice", "Vittorio Emanuele I"}},
    {"Quale cantante è soprannominata ''la tigre di Cremona''?", "Mina", {"Milva", "Ornella Vanoni", "Iva Zanicchi"}},
    {"Qual è lo Stato più popoloso dell'Africa?", "Nigeria", {"Egitto", "Etiopia", "Sudafrica"}},
    {"In quale città l'imperatore Onorio trasferì nel 402 la capitale dell'Impero d'Occidente?", "Ravenna",
        {"Roma", "Treviri", "Aquileia"}},
    {"Chi realizzò la ''Porta del Paradiso'' del Battistero di Firenze?", "Lorenzo Ghiberti",
        {"Andrea Pisano", "Donatello", "Jacopo della Quercia"}},
    {"Quale nazionale vinse la prima edizione dei Mondiali di calcio?", "Uruguay", {"Argentina", "Brasile", "Italia"}},
    {"In quale film Marcello Mastroianni interpreta il regista Guido Anselmi?", "8½",
        {"La dolce vita", "La città delle donne", "Intervista"}},
    {"Quale poeta latino scrisse le ''Metamorfosi''?", "Ovidio", {"Virgilio", "Orazio", "Lucrezio"}},
    {"Qual è il satellite naturale più grande di Saturno?", "Titano", {"Encelado", "Mimas", "Rea"}},
    {"In quale città nacque il compositore Gioachino Rossini?", "Pesaro", {"Bergamo", "Lucca", "Catania"}},
}};
// clang-format on

} // namespace bank
