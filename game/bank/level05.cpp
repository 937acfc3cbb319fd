// Level 5 of the bank: the first milestone, what an adult who reads the papers knows.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel05 = {{
    {"Qual è la capitale del Canada?", "Ottawa", {"Toronto", "Montréal", "Vancouver"}},
    {"Quale catena montuosa segna il confine tra Europa e Asia?", "Urali", {"Carpazi", "Balcani", "Pirenei"}},
    {"In che anno avvenne la Marcia su Roma?", "1922", {"1919", "1924", "1926"}},
    {"Quale re di Francia fu ghigliottinato nel 1793?", "Luigi XVI", {"Luigi XIV", "Luigi XV", "Luigi XVIII"}},
    {"Quale città fu la prima capitale dell'Italia unita?", "Torino", {"Firenze", "Roma", "Napoli"}},
    {"Il Barolo è un famosissimo vino prodotto in quale regione?", "Piemonte", {"Lombardia", "Veneto", "Toscana"}},
    {"Chi è l'autore del romanzo ''Moby Dick''?", "Herman Melville", {"Mark Twain", "Jack London", "Edgar Allan Poe"}},
    {"Chi è l'autore del romanzo ''I Malavoglia''?", "Giovanni Verga",
        {"Luigi Capuana", "Federico De Roberto", "Luigi Pirandello"}},
    {"Claude Monet fu tra i fondatori di quale movimento pittorico?", "Impressionismo",
        {"Cubismo", "Futurismo", "Espressionismo"}},
    {"Chi dipinse ''Guernica''?", "Pablo Picasso", {"Salvador Dalí", "Joan Miró", "Henri Matisse"}},
    {"Qual è, all'incirca, la velocità della luce nel vuoto?", "300.000 km/s",
        {"30.000 km/s", "150.000 km/s", "3.000.000 km/s"}},
    {"Chi scoprì la penicillina nel 1928?", "Alexander Fleming",
        {"Louis Pasteur", "Robert Koch", "Rita Levi-Montalcini"}},
    {"Qual è il gas più abbondante nell'atmosfera terrestre?", "Azoto", {"Ossigeno", "Argon", "Idrogeno"}},
    {"Quale ciclista italiano era soprannominato ''il Pirata''?", "Marco Pantani",
        {"Felice Gimondi", "Gino Bartali", "Fausto Coppi"}},
    {"Su quale circuito si corre tradizionalmente il Gran Premio d'Italia di F1?", "Monza",
        {"Mugello", "Misano", "Vallelunga"}},
    {"Chi ha diretto il film ''Il padrino'' del 1972?", "Francis Ford Coppola",
        {"Martin Scorsese", "Steven Spielberg", "Brian De Palma"}},
    {"Chi ha diretto il film ''Nuovo Cinema Paradiso''?", "Giuseppe Tornatore",
        {"Gabriele Salvatores", "Paolo Sorrentino", "Ettore Scola"}},
    {"Chi compose la colonna sonora di ''Per un pugno di dollari''?", "Ennio Morricone",
        {"Nicola Piovani", "Riz Ortolani", "Luis Bacalov"}},
    {"Chi compose l'opera ''Il barbiere di Siviglia'' andata in scena nel 1816?", "Gioachino Rossini",
        {"Giacomo Puccini", "Gaetano Donizetti", "Giovanni Paisiello"}},
    {"Quale cantautore ha scritto ''La donna cannone''?", "Francesco De Gregori",
        {"Lucio Dalla", "Fabrizio De André", "Francesco Guccini"}},
}};
// clang-format on

} // namespace bank
