// The printed recipe card. The window that asks fills the card to print (ImpTitre ... ImpVin),
// sets Origine and calls ImprimeFiche, which takes the picture and the two line lists from that
// window (Origine 1: the word search; any other value: the card editor), prints the card with its
// preparation wrapped to the page and ends the document.
#pragma once

namespace Donnees {

// Prints one card on the printer. When the document cannot be printed (no printer, and no
// folder where its PDF could be written) the user is told why.
void ImprimeFiche();

// Whether preparation line `indice` (from 0) starts a new page: every 60 lines counted from
// `premiereDeLaPage`, the first preparation line on the page being printed, and never one of
// the first eleven lines.
bool NouvellePage(int indice, int premiereDeLaPage);

}  // namespace Donnees
