// The main window's file commands: New, Load and Save.
#include <QDate>
#include <QFile>

#include "app/NetHome.h"
#include "drawing/Routing.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "netfile/NetFileCommands.h"
#include "netfile/NetReader.h"
#include "netfile/NetWriter.h"
#include "netfile/NewNet.h"
#include "platform/UserFolders.h"

void TNetForm::NewClick() {
  if (EditDialogOpen) return;
  if (!AskToSaveFirst(Ask(), QString::fromLatin1(NewQuestion), [this] { SaveClick(); })) return;
  setWindowTitle(QStringLiteral("Plexor -- New"));
  NetFileName = "New.net";
  NetworkDataPath = DataFolder(AppDir.Str());
  NetAboutToBeReplaced(NetChangeKind::New);
  SetUpNewNet();
  ApplyScale();
  RebuildRoutes();
  NetChanged(NetChangeKind::New);
  SaveClick();
}

void TNetForm::LoadClick() {
  if (!AskToSaveFirst(Ask(), QString::fromLatin1(LoadQuestion), [this] { SaveClick(); })) return;
  const std::optional<QString> path = NetToLoad();
  if (!path) return;
  FollowNetworkFolder(*path, Ask());
  const std::unique_ptr<QFile> file = OpenNetFile(*path);
  // The caption names the file only once it is open: a file that cannot be read leaves
  // the window naming the net it still shows.
  TakeNetFileName(*path);
  setWindowTitle(NetCaption(*path));
  // An edit of the net that shows is ended unwritten before another net takes its place.
  NetAboutToBeReplaced(NetChangeKind::Load);
  LoadNet(*file, Ask());
  ApplyScale();
  NetChanged(NetChangeKind::Load);
  NoteRecentNet(*path);
}

void TNetForm::LoadBtnClick() { LoadClick(); }

void TNetForm::SaveClick() {
  const std::optional<QString> path = ChooseSaveFile(Ask());
  if (!path) return;
  WriteNetFile(*path, QDate::currentDate());
  // Named only once written: after a failed save the caption and the proposed name
  // still belong to the file that holds the net.
  TakeNetFileName(*path);
  setWindowTitle(NetCaption(*path));
  NetSaved();
  NoteRecentNet(*path);
}

void TNetForm::SaveBtnClick() { SaveClick(); }
