#include "document/NetDocument.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>

#include "document/RecentNets.h"
#include "drawing/Routing.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "model/NetHistory.h"
#include "netfile/NetFileCommands.h"
#include "netfile/NetReader.h"
#include "netfile/CheckedSave.h"
#include "netfile/NewNet.h"
#include "netfile/RecoveryCopy.h"
#include "netfile/RecoveryOffer.h"
#include "platform/Errors.h"
#include "platform/Prompts.h"
#include "platform/UserFolders.h"

namespace {

const QString NewOrigin = QStringLiteral("New");

}  // namespace

TNetDocument::TNetDocument(Prompts* prompts, QObject* parent)
    : QObject(parent),
      prompts_(prompts),
      history_(std::make_unique<TNetHistory>()),
      recovery_(std::make_unique<TRecoveryCopy>([this] { return Origin(); })) {
  connect(&NetEvents::Instance(), &NetEvents::Changed, this, &TNetDocument::FanOutChange);
  connect(&NetEvents::Instance(), &NetEvents::Saved, this, &TNetDocument::FanOutSave);
  connect(recovery_.get(), &TRecoveryCopy::CannotKeepCopy, this, [this](const QString& message) { Ask().Warning(message); });
}

// Every change of the net, announced by NetChanged, goes out from here and only from here,
// in this order: the history records it (Edited follows its saved state), the recovery copy
// follows the net as recorded, then the views hear of it (the window refreshes the checks,
// then repaints the canvas).
void TNetDocument::FanOutChange(const NetChange& change) {
  history_->Take(change);
  recovery_->NetChangedOn();
  emit Changed(change);
  FollowEdited();
}

// A save in the same order: the saved state, no copy left to keep, then the views.
void TNetDocument::FanOutSave() {
  history_->MarkSaved();
  recovery_->Remove();
  emit Saved();
  FollowEdited();
}

// Edited is set by each change, undo, redo and save on its way here; the views hear of it
// only when it turned.
void TNetDocument::FollowEdited() {
  if (Edited == editedTold_) return;
  editedTold_ = Edited;
  emit EditedChanged(Edited);
}

TNetDocument::~TNetDocument() = default;

QString TNetDocument::Origin() const {
  switch (named_) {
    case Named::New: return NewOrigin;
    case Named::File: return path_;
    default: return {};
  }
}

QString TNetDocument::Caption() const {
  if (named_ == Named::None) return QStringLiteral("Plexor - no File is Loaded");
  return QStringLiteral("Plexor -- ") + Origin();
}

QStringList TNetDocument::RecentNets() const { return ReadRecentNets(); }

void TNetDocument::Name(Named named, const QString& path) {
  named_ = named;
  path_ = path;
  NetFileName = QFileInfo(path).fileName();
  emit IdentityChanged();
}

bool TNetDocument::SaveFirst(const QString& question) {
  if (!Edited) return true;
  switch (Ask().AskYesNoCancel(question)) {
    case Answer::Cancel: return false;
    case Answer::Yes: return Save();
    default: return true;
  }
}

bool TNetDocument::New() {
  if (EditDialogOpen) return false;
  if (!SaveFirst(QString::fromLatin1(SaveFirstQuestion))) return false;
  NetworkDataPath = DataFolder(AppDir.Str());
  Name(Named::New, NetworkDataPath.Str() + QStringLiteral("New.net"));
  NetAboutToBeReplaced(NetChangeKind::New);
  SetUpNewNet();
  RebuildRoutes();
  hasNet_ = true;
  NetChanged(NetChangeKind::New);
  // The new net stays whether or not the user saves it now.
  Save();
  return true;
}

bool TNetDocument::Load(const std::optional<QString>& named) {
  if (!SaveFirst(QString::fromLatin1(SaveFirstQuestion))) return false;
  const std::optional<QString> path = named ? named : ChooseNetFile(Ask());
  if (!path) return false;
  const std::unique_ptr<QFile> file = OpenNetFile(*path);
  const TReadNet read = ReadNetAside(*file);
  // Only a file read whole replaces the net: a load that fails leaves the net, its file,
  // the network folder and Net.ini as they were. An edit of the net that shows is ended
  // unwritten before another net takes its place.
  FollowNetworkFolder(*path, Ask());
  NetAboutToBeReplaced(NetChangeKind::Load);
  TakeNet(read, Ask());
  Name(Named::File, *path);
  hasNet_ = true;
  NetChanged(NetChangeKind::Load);
  NoteRecentNet(*path);
  return true;
}

bool TNetDocument::Save() {
  // The dialog proposes the file the net was loaded from or last saved to; a net without
  // one (a new net, one restored from a copy of no file) its name in the network folder.
  const bool hasFile = named_ == Named::File;
  const QString folder = hasFile ? QFileInfo(path_).absolutePath() : NetworkDataPath.Str();
  const QString fileName = hasFile ? QFileInfo(path_).fileName() : NetFileName.Str();
  const std::optional<QString> path = ChooseSaveFile(Ask(), folder, fileName);
  return path && SaveTo(*path);
}

bool TNetDocument::SaveInPlace() {
  if (named_ != Named::File) return Save();
  return SaveTo(path_);
}

bool TNetDocument::SaveTo(const QString& path) {
  const SaveOutcome outcome = SaveNetFile(path, QDate::currentDate(), Ask());
  // The net would not reload as it is: the views show why.
  if (outcome != SaveOutcome::Saved) emit ReloadsOtherwise();
  if (outcome == SaveOutcome::NotSaved) return false;
  // Named only once written: after a failed save the caption and the proposed name
  // still belong to the file that holds the net.
  Name(Named::File, path);
  NetSaved();
  NoteRecentNet(path);
  return true;
}

bool TNetDocument::SaveBeforeClose() { return SaveFirst(QString::fromLatin1(CloseQuestion)); }

bool TNetDocument::Undo() { return history_->Undo(); }

bool TNetDocument::Redo() { return history_->Redo(); }

void TNetDocument::NoteRecentNet(const QString& path) {
  // The list is a convenience: a Net.ini that cannot be written was reported at start, and
  // the load or save it follows has succeeded.
  try {
    RememberRecentNet(path);
  } catch (const RuntimeError&) {
  }
}

void TNetDocument::OfferRecoveryCopies() {
  std::vector<TStaleCopy> copies = ClaimStaleCopies();
  const TRecoveryOffer offer = PlanRecoveryOffer(copies);
  if (!offer.SetAside.isEmpty()) Ask().Warning(offer.SetAside);
  if (!offer.Copy) return;
  switch (AskRecoveryOffer(Ask(), offer)) {
    case TRecoveryChoice::Restore:
      Restore(*offer.Copy);
      DiscardStaleCopy(*offer.Copy);
      break;  // the older copies wait for the next start
    case TRecoveryChoice::DiscardAll: DiscardStaleCopies(copies); break;
    case TRecoveryChoice::KeepAll: break;
  }
}

void TNetDocument::Restore(const TStaleCopy& copy) {
  const std::unique_ptr<QFile> file = OpenNetFile(copy.CopyPath);
  const TReadNet read = ReadNetAside(*file);
  NetAboutToBeReplaced(NetChangeKind::Load);
  TakeNet(read, Ask());
  if (copy.Origin == NewOrigin) Name(Named::New, DataFolder(AppDir.Str()) + copy.FileName);
  else if (!copy.Origin.isEmpty()) Name(Named::File, copy.Origin);
  NetFileName = copy.FileName;
  hasNet_ = true;
  NetChanged(NetChangeKind::Load);
  // The net holds changes that no file has: it stays edited, even when undone to here,
  // and this program keeps its own copy of it before the old one goes.
  Edited = true;
  history_->ForgetSavedState();
  recovery_->WriteNow();
  recovery_->Flush();
  FollowEdited();
}
