#pragma once
// The starting net of the New command: one ZEP fed by two Inputs and shown by one Output.
// Comments, Dots, the function name lists and the file type number stay as they were.
void SetUpNewNet();
