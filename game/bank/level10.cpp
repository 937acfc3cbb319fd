// Level 10 of the bank: hard questions on the rung of the second safe sum.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel10 = {{
    {"Quale di questi stati sudamericani non ha sbocco sul mare?", "Paraguay", {"Uruguay", "Cile", "Ecuador"}},
    {"In italiano, cosa sta a significare il termine tedesco ''Held''?", "Eroe", {"Libro", "Mano", "Fucile"}},
    {"Qual è il lago più profondo del mondo?", "Bajkal", {"Tanganica", "Titicaca", "Vittoria"}},
    {"Qual è la vetta più alta della catena degli Appennini?", "Corno Grande",
        {"Monte Amaro", "Monte Vettore", "Monte Cimone"}},
    {"In che anno fu combattuta la battaglia di Canne tra Annibale e i Romani?", "216 a.C.",
        {"202 a.C.", "218 a.C.", "146 a.C."}},
    {"Quale imperatore fece edificare l'attuale basilica di Santa Sofia a Costantinopoli?", "Giustiniano",
        {"Costantino", "Eraclio", "Diocleziano"}},
    {"Chi fu il primo presidente del Consiglio del Regno d'Italia?", "Cavour", {"Ricasoli", "Rattazzi", "Depretis"}},
    {"Qual è la commedia di Carlo Goldoni che ha per protagonista Mirandolina?", "La locandiera",
        {"Il campiello", "La bottega del caffè", "Il ventaglio"}},
    {"In quale anno Dante immagina di compiere il viaggio della ''Divina Commedia''?", "1300",
        {"1265", "1321", "1313"}},
    {"Chi dipinse ''Il giuramento degli Orazi''?", "David", {"Delacroix", "Ingres", "Géricault"}},
    {"Quale architetto progettò la villa detta ''la Rotonda'' presso Vicenza?", "Andrea Palladio",
        {"Jacopo Sansovino", "Michele Sanmicheli", "Giulio Romano"}},
    {"Qual è l'elemento chimico più abbondante nella crosta terrestre?", "Ossigeno", {"Silicio", "Ferro", "Alluminio"}},
    {"Quale fisico formulò il principio di indeterminazione?", "Werner Heisenberg",
        {"Erwin Schrödinger", "Niels Bohr", "Max Planck"}},
    {"Quale elemento scoperto dai coniugi Curie prende nome dalla patria di Marie?", "Polonio",
        {"Radio", "Francio", "Germanio"}},
    {"Chi vinse la prima edizione del Giro d'Italia, nel 1909?", "Luigi Ganna",
        {"Carlo Galetti", "Costante Girardengo", "Alfredo Binda"}},
    {"In quale città si trova il velodromo Vigorelli?", "Milano", {"Torino", "Roma", "Bologna"}},
    {"Quale attore francese interpretò Don Camillo nei film tratti da Guareschi?", "Fernandel",
        {"Jean Gabin", "Bourvil", "Louis de Funès"}},
    {"Chi diresse e interpretò il film ''Quarto potere'' (1941)?", "Orson Welles",
        {"John Huston", "Charlie Chaplin", "Billy Wilder"}},
    {"Quale compositore scrisse ''Il crepuscolo degli dei''?", "Richard Wagner",
        {"Richard Strauss", "Gustav Mahler", "Anton Bruckner"}},
    {"Quale cantante vinse il primo Festival di Sanremo, nel 1951?", "Nilla Pizzi",
        {"Claudio Villa", "Domenico Modugno", "Achille Togliani"}},
}};
// clang-format on

} // namespace bank
