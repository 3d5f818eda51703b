#pragma once
// The pointer and keys beyond picking and placing: selecting many elements with a box,
// Shift+click and Ctrl+A, moving them as a group, connecting by dragging from a source's
// end, the clipboard keys, and what a right click offers. They take only what picking and
// placing leave without effect: a press that hits nothing while nothing is current, a
// press on a selected element, the right button while nothing is current, and keys the
// key map passes on. Everything else goes on to the pointer editing unchanged.
#include <QMimeData>
#include <Qt>
#include <functional>
#include <memory>
#include <optional>

#include "editing/DirectFeedback.h"
#include "platform/Prompts.h"

void DirectPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y, DirectFeedback& feedback);
void DirectMoved(int x, int y, DirectFeedback& feedback);

// What a right click offers, where it was made.
struct TCanvasMenu {
  enum class Place { None, Canvas, Element, Selection };
  Place On = Place::None;
  TGridPoint At;        // the grid point of the click
  TElementRef Element;  // the element clicked, for Place::Element
};

// Ends a press; a right release while nothing is current tells what to offer.
TCanvasMenu DirectReleased(Qt::MouseButton button, int x, int y, Prompts& prompts, DirectFeedback& feedback);

// True while a drag of direct editing is under way (a connection, a box, a group).
bool DirectDragging();

// The clipboard as the keys reach it, so that tests and the window share the key rules.
struct TClipboardAccess {
  std::function<void(std::unique_ptr<QMimeData>)> Put;
  std::function<QByteArray()> Text;  // the ".net" text the clipboard holds
};

// Ctrl+C, Ctrl+X, Ctrl+V, Ctrl+D, Ctrl+A and Escape; `pointer` is the grid point under the
// pointer when it is over the canvas, where a paste goes. True when the key was taken.
bool DirectKey(int key, Qt::KeyboardModifiers modifiers, std::optional<TGridPoint> pointer,
               const TClipboardAccess& clipboard, Prompts& prompts, DirectFeedback& feedback);
