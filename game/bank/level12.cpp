// Level 12 of the bank: names and dates that only a well-read player keeps in mind.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel12 = {{
    {"In quale nazione è stato inventato lo sport molto simile al tennis chiamato ''squash''?", "Inghilterra",
        {"Cina", "Tailandia", "Australia"}},
    {"Di quale Stato africano è capitale la città di Ouagadougou?", "Burkina Faso", {"Mali", "Niger", "Senegal"}},
    {"In quale anno la Lega Lombarda sconfisse il Barbarossa a Legnano?", "1176", {"1152", "1167", "1183"}},
    {"Chi è l'autore del poema eroicomico ''La secchia rapita''?", "Alessandro Tassoni",
        {"Torquato Tasso", "Ludovico Ariosto", "Giambattista Marino"}},
    {"In quale città si trova il ''Cristo velato'' di Giuseppe Sanmartino?", "Napoli", {"Palermo", "Roma", "Torino"}},
    {"Quale fisico scoprì il neutrone?", "James Chadwick", {"Ernest Rutherford", "Niels Bohr", "Max Planck"}},
    {"Chi ha diretto il film ''Riso amaro'' con Silvana Mangano?", "Giuseppe De Santis",
        {"Alberto Lattuada", "Pietro Germi", "Luigi Zampa"}},
    {"Chi ha composto l'opera ''Andrea Chénier''?", "Umberto Giordano",
        {"Pietro Mascagni", "Ruggero Leoncavallo", "Francesco Cilea"}},
    {"Dopo Sicilia e Sardegna, qual è l'isola più grande del Mediterraneo?", "Cipro", {"Corsica", "Creta", "Maiorca"}},
    {"Quale imperatore romano fu sconfitto e fatto prigioniero dai Persiani nel 260?", "Valeriano",
        {"Gallieno", "Decio", "Gordiano III"}},
    {"Quale poeta italiano ricevette il premio Nobel per la letteratura nel 1959?", "Salvatore Quasimodo",
        {"Eugenio Montale", "Giuseppe Ungaretti", "Giosuè Carducci"}},
    {"Chi dipinse ''La zattera della Medusa'', oggi al Louvre?", "Théodore Géricault",
        {"Eugène Delacroix", "Jacques-Louis David", "Dominique Ingres"}},
    {"Chi formulò le tre leggi che descrivono il moto dei pianeti attorno al Sole?", "Keplero",
        {"Copernico", "Galileo", "Tolomeo"}},
    {"In quale località si disputarono i primi Giochi olimpici invernali, nel 1924?", "Chamonix",
        {"St. Moritz", "Lake Placid", "Cortina d'Ampezzo"}},
    {"In quale anno si tenne la prima Mostra del cinema di Venezia?", "1932", {"1928", "1936", "1946"}},
    {"Quale cantautore scrisse ''Il cielo in una stanza'', portata al successo da Mina?", "Gino Paoli",
        {"Luigi Tenco", "Bruno Lauzi", "Umberto Bindi"}},
    {"Quale stretto separa l'isola di Sumatra dalla penisola malese?", "Stretto di Malacca",
        {"Stretto della Sonda", "Stretto di Lombok", "Stretto di Bass"}},
    {"Come si chiamava la regina di Palmira che sfidò l'imperatore Aureliano?", "Zenobia",
        {"Cleopatra", "Boudicca", "Teodolinda"}},
    {"Qual era il vero cognome dello scrittore Italo Svevo?", "Schmitz", {"Poli", "Pincherle", "Stuparich"}},
    {"Quale pugile italiano conquistò il titolo mondiale dei pesi massimi nel 1933?", "Primo Carnera",
        {"Nino Benvenuti", "Duilio Loi", "Tiberio Mitri"}},
}};
// clang-format on

} // namespace bank
