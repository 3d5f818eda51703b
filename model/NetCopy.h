#pragma once
// A part of the net taken out as a net of its own, for the clipboard and for duplicating.
#include <memory>

#include "model/ElementSet.h"

// The elements of the set, in their order and at their places, as a net: the function
// names their ZEPs use, in the list each comes from; sources between copied elements as
// links; a source outside the set as the text a file gives it (such as "Mix-3"), with no
// link, so that a paste can look for it in the net it lands in. No connections.
std::unique_ptr<TNetTables> CopyElements(const TElementSet& set);
