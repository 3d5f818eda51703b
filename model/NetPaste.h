#pragma once
// A net read from the clipboard laid into the net in use.
#include <QByteArray>
#include <QString>

#include "model/ElementSet.h"

struct TPasteResult {
  // Empty when the paste was made; otherwise why nothing was pasted.
  QString Refusal;
  TElementSet Pasted;
};

// Appends every element of `part` (a net as the reader leaves it, its links not resolved),
// moved by `offset` grid units. Names that clash with names in the net (letter case
// ignored) get the smallest free number at their end that fits in 15 characters; sources
// and Outputs that name pasted elements follow them; a source naming an element of the
// net keeps its text; one naming nothing becomes "Non". Function names the pasted ZEPs
// use and the net's lists lack are added to the list they came from. A paste that would
// overfill a table changes nothing and tells which table and how many places it has left.
// Routes are not rebuilt.
TPasteResult PasteNet(const TNetTables& part, TGridPoint offset);
