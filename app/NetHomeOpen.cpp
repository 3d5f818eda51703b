// Nets opened from outside the Load dialog: named on the command line, dropped on the
// window, or chosen under "Recent Nets". Each loads as Load does.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>

#include "app/NetHome.h"
#include "app/RecentNets.h"
#include "netfile/NetFileCommands.h"
#include "platform/Errors.h"

namespace {

// The first local file among the dropped items; empty when there is none.
QString DroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}

}  // namespace

void TNetForm::OpenNet(const QString& path) {
  namedNet_ = QFileInfo(path).absoluteFilePath();
  // However the load ends, the next Load asks its dialog again.
  const auto forget = qScopeGuard([this] { namedNet_.reset(); });
  LoadClick();
}

std::optional<QString> TNetForm::NetToLoad() {
  if (namedNet_) return namedNet_;
  return ChooseNetFile(Ask());
}

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
  const QStringList paths = ReadRecentNets();
  for (const QString& path : paths) {
    QAction* item = RecentNets->addAction(path);
    item->setEnabled(QFileInfo::exists(path));
    connect(item, &QAction::triggered, this, [this, path] { RunCommand([&] { OpenNet(path); }); });
  }
  RecentNets->setEnabled(!paths.isEmpty());
}

void TNetForm::NoteRecentNet(const QString& path) {
  // The list is a convenience: a Net.ini that cannot be written was reported at start, and
  // the load or save it follows has succeeded.
  try {
    RememberRecentNet(path);
  } catch (const RuntimeError&) {
  }
}
