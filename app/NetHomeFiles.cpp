// The main window's file commands: New, Load and Save.
#include <QDate>
#include <QFile>

#include "app/CheckPanel.h"
#include "app/NetHome.h"
#include "drawing/Routing.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "netfile/CheckedSave.h"
#include "netfile/NetFileCommands.h"
#include "netfile/NetReader.h"
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
  const TReadNet read = ReadNetAside(*file);
  // Only a file read whole replaces the net: a load that fails leaves the net, its name,
  // the caption and an open edit as they were. An edit of the net that shows is ended
  // unwritten before another net takes its place.
  NetAboutToBeReplaced(NetChangeKind::Load);
  TakeNet(read, Ask());
  TakeNetFileName(*path);
  setWindowTitle(NetCaption(*path));
  ApplyScale();
  NetChanged(NetChangeKind::Load);
  NoteRecentNet(*path);
}

void TNetForm::LoadBtnClick() { LoadClick(); }

void TNetForm::SaveClick() {
  const std::optional<QString> path = ChooseSaveFile(Ask());
  if (!path) return;
  const SaveOutcome outcome = SaveNetFile(*path, QDate::currentDate(), Ask());
  // The net would not reload as it is: the check panel shows why.
  if (outcome != SaveOutcome::Saved) Checks->Open();
  if (outcome == SaveOutcome::NotSaved) return;
  // Named only once written: after a failed save the caption and the proposed name
  // still belong to the file that holds the net.
  TakeNetFileName(*path);
  setWindowTitle(NetCaption(*path));
  NetSaved();
  NoteRecentNet(*path);
}

void TNetForm::SaveBtnClick() { SaveClick(); }
