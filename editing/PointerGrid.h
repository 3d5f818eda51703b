#pragma once
// Pointer positions in paint-box pixels turned into grid positions.
#include "model/NetDef.h"

// The grid unit nearest to a pixel coordinate at `pitch` pixels per unit; an exact half
// goes to the even neighbour (40 px at pitch 16 is 2, 56 px is 4). Works left of and
// above the canvas too, where a captured pointer may be released.
int PixelToGrid(int pixels, int pitch);

// The grid point under the pointer at the current Pitch.
TGridPoint PointerToGrid(int x, int y);
