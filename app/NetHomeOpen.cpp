// Nets opened from outside the Load dialog: named on the command line, dropped on the
// window, or chosen under "Recent Nets". Each loads as Load does.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>

#include "app/NetHome.h"
#include "document/NetDocument.h"

namespace {

// The first local file among the dropped items; empty when there is none.
QString DroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}

}  // namespace

void TNetForm::OpenNet(const QString& path) { document_->Load(QFileInfo(path).absoluteFilePath()); }

void TNetForm::OpenNetNamedAtStart() {
  if (netAtStart_.isEmpty()) return;
  const QString path = std::exchange(netAtStart_, QString());
  RunCommand([&] { OpenNet(path); });
}

void TNetForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TNetForm::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  RunCommand([&] { OpenNet(path); });
}

void TNetForm::BuildRecentNets() {
  RecentNets = new QMenu(QStringLiteral("Recent Nets"), NetFile);
  NetFile->insertMenu(Save, RecentNets);
  setAcceptDrops(true);
  connect(NetFile, &QMenu::aboutToShow, this, [this] { RefreshRecentNets(); });
  RefreshRecentNets();
}

void TNetForm::RefreshRecentNets() {
  RecentNets->clear();
  const QStringList paths = document_->RecentNets();
  for (const QString& path : paths) {
    QAction* item = RecentNets->addAction(path);
    item->setEnabled(QFileInfo::exists(path));
    connect(item, &QAction::triggered, this, [this, path] { RunCommand([&] { OpenNet(path); }); });
  }
  RecentNets->setEnabled(!paths.isEmpty());
}
