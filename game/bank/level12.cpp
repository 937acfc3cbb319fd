// Level 12 of the bank: names and dates that only a well-read player keeps in mind.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel12 = {{
    {"In quale nazione è stato inventato lo sport molto simile al tennis chiamato ''squash''?", "Inghilterra",
        {"Cina", "Tailandia", "Australia"}},
    {"Qual è il lago più profondo d'Italia?", "Lago di Como", {"Lago Maggiore", "Lago di Garda", "Lago d'Iseo"}},
    {"In quale anno la Lega Lombarda sconfisse il Barbarossa a Legnano?", "1176", {"1152", "1167", "1183"}},
    {"Chi è l'autore del poema eroicomico ''La secchia rapita''?", "Alessandro Tassoni",
        {"Torquato Tasso", "Ludovico Ariosto", "Giambattista Marino"}},
    {"Quale fisico scoprì il neutrone?", "James Chadwick", {"Ernest Rutherford", "Niels Bohr", "Max Planck"}},
    {"Chi ha diretto il film ''Riso amaro'' con Silvana Mangano?", "Giuseppe De Santis",
        {"Alberto Lattuada", "Pietro Germi", "Luigi Zampa"}},
    {"Dopo Sicilia e Sardegna, qual è l'isola più grande del Mediterraneo?", "Cipro", {"Corsica", "Creta", "Maiorca"}},
    {"Come si chiamava la regina di Palmira che sfidò l'imperatore Aureliano?", "Zenobia",
        {"Cleopatra", "Boudicca", "Teodolinda"}},
    {"Qual era il vero cognome dello scrittore Italo Svevo?", "Schmitz", {"Poli", "Pincherle", "Stuparich"}},
    {"Chi dipinse ''La zattera della Medusa'', oggi al Louvre?", "Théodore Géricault",
        {"Eugène Delacroix", "Jacques-Louis David", "Dominique Ingres"}},
    {"Quale scienziato italiano scoprì nel 1898 l'apparato cellulare che porta il suo nome?", "Camillo Golgi",
        {"Marcello Malpighi", "Lazzaro Spallanzani", "Luigi Galvani"}},
    {"In quale località si disputarono i primi Giochi olimpici invernali, nel 1924?", "Chamonix",
        {"St. Moritz", "Lake Placid", "Cortina d'Ampezzo"}},
    {"Quale film di Ermanno Olmi vinse la Palma d'oro a Cannes nel 1978?", "L'albero degli zoccoli",
        {"Il posto", "Il mestiere delle armi", "I fidanzati"}},
    {"Chi compose la musica del ''Canto degli Italiani'', l'inno nazionale?", "Michele Novaro",
        {"Giuseppe Verdi", "Gaetano Donizetti", "Saverio Mercadante"}},
    {"Chi scrisse il libretto de ''Le nozze di Figaro'' di Mozart?", "Lorenzo Da Ponte",
        {"Pietro Metastasio", "Carlo Goldoni", "Arrigo Boito"}},
    {"In quale Stato africano si trova la città di Timbuctù?", "Mali", {"Niger", "Mauritania", "Ciad"}},
    {"In quale località siciliana fu firmato l'armistizio reso noto l'8 settembre 1943?", "Cassibile",
        {"Gela", "Licata", "Marsala"}},
    {"Quale squadra vinse il primo campionato italiano di calcio, nel 1898?", "Genoa",
        {"Juventus", "Milan", "Pro Vercelli"}},
    {"Chi è l'autore del poema cavalleresco ''Morgante''?", "Luigi Pulci",
        {"Matteo Maria Boiardo", "Francesco Berni", "Teofilo Folengo"}},
    {"In quale città è conservata ''La tempesta'' di Giorgione?", "Venezia", {"Firenze", "Milano", "Vienna"}},
}};
// clang-format on

} // namespace bank
