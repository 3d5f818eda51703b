#include "editing/GroupEdit.h"

#include <algorithm>
#include <climits>

#include "drawing/Routing.h"
#include "editing/Selection.h"
#include "model/ConnectionEnds.h"
#include "model/NetChange.h"
#include "model/NetCopy.h"
#include "model/NetPaste.h"
#include "netfile/NetFragment.h"

namespace {

// Where a pasted copy goes when no point is given: clear of the originals.
constexpr TGridPoint CopyOffset{2, 2};

bool TakesPartInRoutes(ElementKind kind) {
  return kind == ElementKind::ZEP || kind == ElementKind::Input || kind == ElementKind::Output;
}

// The top left of every element's grid point in a net held aside.
TGridPoint TopLeft(const TNetTables& part) {
  long long x = LLONG_MAX;
  long long y = LLONG_MAX;
  const auto take = [&](int px, int py) {
    x = std::min<long long>(x, px);
    y = std::min<long long>(y, py);
  };
  for (int i = 1; i <= part.ZEPCount; ++i) take(part.ZEPPos[i].X, part.ZEPPos[i].Y);
  for (int i = 1; i <= part.InputCount; ++i) take(part.InputPos[i].X, part.InputPos[i].Y);
  for (int i = 1; i <= part.OutputCount; ++i) take(part.OutputPos[i].X, part.OutputPos[i].Y);
  for (int i = 1; i <= part.CommentCount; ++i) take(part.CommentPos[i].X, part.CommentPos[i].Y);
  for (int i = 1; i <= part.DotCount; ++i) take(part.DotPos[i].X, part.DotPos[i].Y);
  if (x == LLONG_MAX) return {};
  return {static_cast<int>(x), static_cast<int>(y)};
}

bool Usable() { return !EditDialogOpen && !Selection.Empty(); }

// Lays a net held aside into the net: one step named "<verb> 5 elements", then the pasted
// elements are selected.
bool PasteTables(const TNetTables& part, TGridPoint offset, const QString& verb, Prompts& prompts,
                 DirectFeedback& feedback) {
  const TPasteResult result = PasteNet(part, offset);
  if (!result.Refusal.isEmpty()) {
    prompts.Warning(result.Refusal);
    return false;
  }
  if (result.Pasted.Empty()) return false;
  RebuildRoutes();
  NetChanged(NetChangeKind::Append, verb + QLatin1Char(' ') + ElementCountText(result.Pasted.Count()));
  feedback.RepaintAll();
  SelectOnly(result.Pasted, feedback);
  return true;
}

void DeleteSelected(const QString& verb, DirectFeedback& feedback) {
  const int count = Selection.Count();
  const QList<TElementRef> elements = Selection.Elements();
  // From the last to the first, so the numbers still to go stay as they are.
  for (auto e = elements.crbegin(); e != elements.crend(); ++e) DeleteElement(e->Kind, e->Index);
  Selection.Clear();
  RebuildRoutes();
  NetChanged(NetChangeKind::Delete, verb + QLatin1Char(' ') + ElementCountText(count));
  feedback.RepaintAll();
  feedback.ShowPickState(false);
}

}  // namespace

void MoveSelection(TGridPoint offset, DirectFeedback& feedback) {
  if (!Usable() || (offset.X == 0 && offset.Y == 0)) return;
  bool routed = false;
  for (const TElementRef& e : Selection.Elements()) {
    const TGridPoint p = ElementPoint(e.Kind, e.Index);
    SetElementPoint(e.Kind, e.Index,
                    {WrappedSum(static_cast<long long>(p.X) + offset.X), WrappedSum(static_cast<long long>(p.Y) + offset.Y)});
    routed = routed || TakesPartInRoutes(e.Kind);
  }
  if (routed) RebuildRoutes();
  const TElementSet moved = Selection;
  NetChanged(NetChangeKind::Place, QStringLiteral("Move ") + ElementCountText(moved.Count()));
  Selection = moved;
  feedback.RepaintAll();
}

bool DeleteSelection(Prompts& prompts, DirectFeedback& feedback) {
  if (!Usable()) return false;
  const QString question = QStringLiteral("Delete %1?").arg(ElementCountText(Selection.Count()));
  if (prompts.AskOkCancel(question) != Answer::Ok) return false;
  DeleteSelected(QStringLiteral("Delete"), feedback);
  return true;
}

std::unique_ptr<QMimeData> CopySelection() {
  if (!Usable()) return nullptr;
  const QByteArray text = NetFragmentText(*CopyElements(Selection));
  auto data = std::make_unique<QMimeData>();
  data->setData(NetMimeType, text);
  data->setText(QString::fromLatin1(text));
  return data;
}

std::unique_ptr<QMimeData> CutSelection(DirectFeedback& feedback) {
  auto data = CopySelection();
  if (data) DeleteSelected(QStringLiteral("Cut"), feedback);
  return data;
}

QByteArray NetTextOf(const QMimeData& data) {
  if (data.hasFormat(NetMimeType)) return data.data(NetMimeType);
  if (data.hasText()) return data.text().toLatin1();
  return {};
}

bool PasteNetText(const QByteArray& text, std::optional<TGridPoint> at, Prompts& prompts, DirectFeedback& feedback) {
  if (EditDialogOpen) return false;
  const std::unique_ptr<TNetTables> part = ReadNetFragment(text);
  if (!part) return false;
  TGridPoint offset = CopyOffset;
  if (at) {
    const TGridPoint from = TopLeft(*part);
    offset = {WrappedSum(static_cast<long long>(at->X) - from.X), WrappedSum(static_cast<long long>(at->Y) - from.Y)};
  }
  return PasteTables(*part, offset, QStringLiteral("Paste"), prompts, feedback);
}

bool DuplicateSelection(Prompts& prompts, DirectFeedback& feedback) {
  if (!Usable()) return false;
  // Through the clipboard's text, so a duplicate is exactly what a copy and paste gives.
  const std::unique_ptr<TNetTables> part = ReadNetFragment(NetFragmentText(*CopyElements(Selection)));
  return part && PasteTables(*part, CopyOffset, QStringLiteral("Duplicate"), prompts, feedback);
}
