#pragma once
// Appending and deleting elements of the net, and reaching the elements of each kind by
// their number: the five kinds share one set of functions instead of five copies.
#include <array>
#include <functional>

#include <QString>

#include "model/NetDef.h"
#include "platform/Prompts.h"

enum class ElementKind { ZEP, Input, Output, Comment, Dot };

// The order in which deletions ask and pointer rules look at the kinds.
inline constexpr std::array<ElementKind, 5> ElementKinds = {
    ElementKind::ZEP, ElementKind::Input, ElementKind::Output, ElementKind::Comment, ElementKind::Dot};

// "ZEP", "Input", "Output", "Comment", "Dot": the word the messages use.
QString KindWord(ElementKind kind);

// The element as a step of the history names it: "ZEP Add1", "Input In3", "Dot 2".
QString ElementCaption(ElementKind kind, int index);

int& CurrentOf(ElementKind kind);  // CurZEP, CurInput, ...
int CountOf(ElementKind kind);     // ZEPCount, InputCount, ...
int CapacityOf(ElementKind kind);  // MaxZEP, MaxInput, ...

// The grid point of element `index` (1..count of its kind).
TGridPoint ElementPoint(ElementKind kind, int index);
void SetElementPoint(ElementKind kind, int index, TGridPoint point);

// A current index that no longer names an element (a smaller net was loaded while an
// element was current) becomes 0, so no command works on a record beyond the count.
void DropStaleCurrents();

// True when the table of this kind takes no further element.
bool AppendRefused(ElementKind kind);

// Appends an element with its defaults and makes it current; a full table is refused with
// its warning and nothing changes. True when the element was appended.
bool AppendElement(ElementKind kind, Prompts& prompts);
// The same, placed at once at a grid point instead of made current: one step.
bool AppendElementAt(ElementKind kind, TGridPoint at, Prompts& prompts);

// Removes element k (1..count): fixes the references to it and to later elements, closes
// the gap, lowers the count, clears the kind's current index and Picked.
void DeleteElement(ElementKind kind, int k);

// Asks for each current element, in kind order, and deletes the confirmed ones; after
// each deletion `afterDelete` runs (routes, repaint, buttons); the command ends in one
// change of the net. Clears EditDialogOpen.
void DeleteCurrentElements(Prompts& prompts, const std::function<void(ElementKind)>& afterDelete);
