#pragma once
// What the canvas tells about an element under the pointer: a ZEP's name, function, the
// sources of its inputs with their delays and what its output feeds; an Input's name and
// the ZEP inputs it feeds.
#include <QString>

#include "model/ElementEdit.h"

// The lines of the tip for element `index` of `kind`; empty for kinds without a tip
// (Outputs, Comments, Dots) and for numbers beyond the count.
QString ElementTip(ElementKind kind, int index);
