#include "editing/StatusTexts.h"

#include <QStringList>
#include <cmath>

#include "editing/PointerGrid.h"
#include "editing/Selection.h"
#include "model/ElementEdit.h"

namespace {

// Scale 2 shows the net at its designed size.
QString ScalePercent() { return QStringLiteral("%1%").arg(std::lround(100.0 * Pitch / (ScaleSize(2) / 2))); }

int PickedCount() {
  int picked = 0;
  for (ElementKind kind : ElementKinds) {
    const int current = CurrentOf(kind);
    if (current >= 1 && current <= CountOf(kind)) ++picked;
  }
  return picked;
}

QString TableCounts() {
  QStringList counts;
  for (ElementKind kind : ElementKinds)
    counts << QStringLiteral("%1s %2/%3").arg(KindWord(kind)).arg(CountOf(kind)).arg(CapacityOf(kind));
  return counts.join(QStringLiteral("  "));
}

}  // namespace

TStatusTexts StatusTexts(std::optional<QPoint> pointer) {
  TStatusTexts texts;
  if (pointer) {
    const TGridPoint at = PointerToGrid(pointer->x(), pointer->y());
    texts.Pointer = QStringLiteral("%1, %2").arg(at.X).arg(at.Y);
  }
  texts.Scale = ScalePercent();
  texts.Mode = DragMode ? QStringLiteral("Drag") : QStringLiteral("Select");
  // A selection lives only while nothing is current, so one count tells both.
  texts.Picked = Selection.Empty() ? QStringLiteral("%1 picked").arg(PickedCount())
                                   : QStringLiteral("%1 selected").arg(Selection.Count());
  texts.Counts = TableCounts();
  return texts;
}
