// Level 10 of the bank: solid general culture, on the rung of the second safe sum.
#include "game/bank/bank.h"

namespace bank {

// clang-format off: one question a line reads best in a quiz bank.
const Pool kLevel10 = {{
    {"Qual è il lago più profondo del mondo?", "Bajkal", {"Tanganica", "Titicaca", "Vittoria"}},
    {"In italiano, cosa sta a significare il termine tedesco ''Held''?", "Eroe", {"Libro", "Mano", "Fucile"}},
    {"Qual è la vetta più alta della catena degli Appennini?", "Corno Grande",
        {"Monte Amaro", "Monte Vettore", "Monte Cimone"}},
    {"Quale fiume attraversa la città di Lisbona?", "Tago", {"Douro", "Ebro", "Guadalquivir"}},
    {"Quale imperatore fece edificare l'attuale basilica di Santa Sofia a Costantinopoli?", "Giustiniano",
        {"Costantino", "Eraclio", "Diocleziano"}},
    {"Chi guidò i Franchi alla vittoria sugli Arabi nella battaglia di Poitiers?", "Carlo Martello",
        {"Pipino il Breve", "Carlo Magno", "Clodoveo"}},
    {"In quale città fu firmato nel 1992 il trattato istitutivo dell'Unione europea?", "Maastricht",
        {"Lisbona", "Nizza", "Amsterdam"}},
    {"In quale anno è ambientato il viaggio ultraterreno narrato nella ''Divina Commedia''?", "1300",
        {"1265", "1321", "1313"}},
    {"Chi è l'autore del romanzo ''Il deserto dei Tartari''?", "Dino Buzzati",
        {"Italo Calvino", "Cesare Pavese", "Elio Vittorini"}},
    {"Quale scrittore creò il personaggio del commissario Maigret?", "Georges Simenon",
        {"Maurice Leblanc", "Gaston Leroux", "Léo Malet"}},
    {"Quale architetto progettò la villa detta ''la Rotonda'' presso Vicenza?", "Andrea Palladio",
        {"Jacopo Sansovino", "Michele Sanmicheli", "Giulio Romano"}},
    {"Chi dipinse ''Il Quarto Stato''?", "Pellizza da Volpedo",
        {"Giovanni Segantini", "Giovanni Fattori", "Umberto Boccioni"}},
    {"Quale fisico formulò il principio di indeterminazione?", "Werner Heisenberg",
        {"Erwin Schrödinger", "Niels Bohr", "Max Planck"}},
    {"Quale elemento scoperto dai coniugi Curie prende nome dalla patria di Marie?", "Polonio",
        {"Radio", "Francio", "Germanio"}},
    {"Quale tennista italiano vinse il torneo del Roland Garros nel 1976?", "Adriano Panatta",
        {"Nicola Pietrangeli", "Paolo Bertolucci", "Corrado Barazzutti"}},
    {"Quale fu la prima squadra italiana a vincere la Coppa dei Campioni?", "Milan", {"Inter", "Juventus", "Torino"}},
    {"Quale attore francese interpretò Don Camillo nei film tratti da Guareschi?", "Fernandel",
        {"Jean Gabin", "Bourvil", "Louis de Funès"}},
    {"Chi interpretò Gelsomina nel film ''La strada'' di Federico Fellini?", "Giulietta Masina",
        {"Sophia Loren", "Anna Magnani", "Claudia Cardinale"}},
    {"Quale compositore scrisse ''Il crepuscolo degli dei''?", "Richard Wagner",
        {"Richard Strauss", "Gustav Mahler", "Anton Bruckner"}},
    {"Quale cantante vinse la prima edizione del Festival della canzone italiana?", "Nilla Pizzi",
        {"Claudio Villa", "Domenico Modugno", "Achille Togliani"}},
}};
// clang-format on

} // namespace bank
