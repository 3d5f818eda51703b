#include "app/ComparePanel.h"

#include <QFile>
#include <QFileInfo>
#include <QListWidget>

#include "app/NetHome.h"
#include "app/PaintBox.h"
#include "drawing/ChangeMarks.h"
#include "netfile/NetFileCommands.h"
#include "netfile/NetReader.h"

namespace {

// "Compare With old.net - 3 differences": the title names the file and counts the lines.
QString PanelTitle(const QString& fileName, qsizetype count) {
  const QString head = QStringLiteral("Compare With %1 - ").arg(fileName);
  if (count == 0) return head + QStringLiteral("no differences");
  if (count == 1) return head + QStringLiteral("1 difference");
  return head + QStringLiteral("%1 differences").arg(count);
}

ChangeMark MarkOf(ChangeKind change) {
  switch (change) {
    case ChangeKind::Added: return ChangeMark::Added;
    case ChangeKind::Removed: return ChangeMark::Removed;
    case ChangeKind::Changed: break;
  }
  return ChangeMark::Changed;
}

}  // namespace

ComparePanel::ComparePanel(TNetForm* form, PaintBoxWidget* canvas)
    : ListPanel(form, QStringLiteral("ComparePanel")), canvas_(canvas) {}

void ComparePanel::CompareWithFile() {
  const std::optional<QString> path = ChooseNetFile(form_->Ask());
  if (!path) return;
  const std::unique_ptr<QFile> file = OpenNetFile(*path);
  TReadNet read = ReadNetAside(*file);
  older_ = std::move(read.Tables);
  fileName_ = QFileInfo(*path).fileName();
  if (read.Cuts.Any()) form_->Ask().Warning(CapacityWarning(read.Cuts));
  Open();
}

void ComparePanel::Refresh() {
  differences_ = older_ ? CompareNets(*older_, NetTables) : QList<TNetDifference>();
  const int kept = list_->currentRow();
  list_->clear();
  for (const TNetDifference& d : differences_) {
    auto* item = new QListWidgetItem(DifferenceLine(d), list_);
    if (d.Kind != CompareKind::Connections) {
      const Rgb color = ChangeColor(MarkOf(d.Change));
      item->setForeground(QColor(color.Red, color.Green, color.Blue));
    }
  }
  if (kept >= 0 && kept < list_->count()) list_->setCurrentRow(kept);
  setWindowTitle(PanelTitle(fileName_, differences_.size()));
  if (canvas_) canvas_->SetChangeMarks(std::make_shared<const TChangeMarks>(ChangeMarksOf(differences_)));
}

// A removed element is not on the canvas, and names and routes are no elements.
void ComparePanel::PickRow(int row) {
  if (row < 0 || row >= differences_.size()) return;
  const TNetDifference& d = differences_[row];
  const std::optional<ElementKind> kind = ElementKindOf(d.Kind);
  if (kind && d.NewNumber > 0) PickElement(*kind, d.NewNumber);
}

void ComparePanel::hideEvent(QHideEvent* event) {
  ListPanel::hideEvent(event);
  if (canvas_) canvas_->SetChangeMarks(nullptr);
}
