#pragma once
// The changes from an older net marked on the drawing of the net in use: added elements in
// green, changed ones in orange, and removed ones in red and dotted where they stood in the
// older net, with a legend in the top right corner. The painter draws them with its own
// strokes and texts, only in other colours.
#include <memory>
#include <optional>

#include "drawing/TintSurface.h"
#include "model/NetCompare.h"

enum class ChangeMark : unsigned char { None, Added, Changed, Removed };

// A mark for every element of one net, by kind and number.
class TElementMarks {
public:
  // None for a number outside the kind's table.
  ChangeMark Of(ElementKind kind, int index) const;
  void Set(ElementKind kind, int index, ChangeMark mark);
  bool Any() const { return any_; }

private:
  Table<ChangeMark, MaxZEP> zep_;
  Table<ChangeMark, MaxInput> input_;
  Table<ChangeMark, MaxOutput> output_;
  Table<ChangeMark, MaxComment> comment_;
  Table<ChangeMark, MaxDot> dot_;
  bool any_ = false;
};

struct TChangeMarks {
  TElementMarks Newer;  // the added and changed elements of the net in use
  // The older net, when its removed elements are drawn, and their marks.
  std::shared_ptr<const TNetTables> Older;
  TElementMarks Removed;
  bool Legend = false;
};

// The marks of the differences from `older` to the net in use; the removed elements are
// drawn only when `older` is given.
TChangeMarks ChangeMarksOf(const QList<TNetDifference>& differences,
                           std::shared_ptr<const TNetTables> older = nullptr, bool legend = false);

// Green, orange, red: the colour of each mark.
Rgb ChangeColor(ChangeMark mark);
// The tint that draws an element of that mark; none for an unmarked one.
std::optional<TTint> ChangeTint(ChangeMark mark);

// The legend, "added", "changed", "removed" beside a stroke of each look, in a framed box
// in the top right corner of a paint area `paintWidth` pixels wide. Expects the drawing font.
void PaintChangeLegend(DrawSurface& surface, int paintWidth);
