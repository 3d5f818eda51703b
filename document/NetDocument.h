#pragma once
// The net as a document: the file it belongs to, whether it holds unsaved changes, its undo
// history, its recovery copy and the recent nets, with the commands that replace or write
// it (Load, Save, Save in Place, New and Restore). It owns no widget: the main window
// shows it and forwards the user's commands, and it asks its questions through the prompts.
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class Prompts;
struct NetChange;
class TNetHistory;
class TRecoveryCopy;
struct TStaleCopy;

// The questions asked before the net is replaced or the window closes while it is edited:
// Yes saves first, No drops the changes, Cancel abandons the command.
inline constexpr const char* SaveFirstQuestion = "Do you save the current net first ?";
inline constexpr const char* CloseQuestion = "Do you save the edited Network ?";

class TNetDocument : public QObject {
  Q_OBJECT
public:
  explicit TNetDocument(Prompts* prompts, QObject* parent = nullptr);
  ~TNetDocument() override;

  void SetPrompts(Prompts* prompts) { prompts_ = prompts; }
  Prompts& Ask() const { return *prompts_; }

  // The file the net was loaded from or last saved to, whole; a new net's proposed file
  // in the program's data folder; empty before any net.
  const QString& FilePath() const { return path_; }
  // What the net is known by: its file's path, "New" for a new net never saved, or empty.
  QString Origin() const;
  // The main window's caption for the net.
  QString Caption() const;
  // A net was loaded, made or restored in this run.
  bool HasNet() const { return hasNet_; }

  TNetHistory& History() const { return *history_; }
  TRecoveryCopy& Recovery() const { return *recovery_; }
  // The nets loaded or saved last, newest first.
  QStringList RecentNets() const;

  // Each command returns false when it was abandoned: Cancel at the save question, a
  // dialog cancelled, or a save asked for first that did not happen. Errors are raised
  // with the user's message, after which nothing of the document has changed.
  bool New();
  // Loads `path`, or the file the open dialog gives when there is none.
  bool Load(const std::optional<QString>& path = std::nullopt);
  bool Save();
  // Writes the net back to its file, as Save does but without the dialog; a net that has
  // no file yet (a new net, a copy restored without one) goes through Save's dialog.
  bool SaveInPlace();
  // The close request's question; true when the window may go back to the start-up screen.
  bool SaveBeforeClose();
  bool Undo();
  bool Redo();

  // At start: offers the newest of the copies that programs which are gone left unsaved,
  // with the count of the others: restored (the others wait for the next start), all
  // discarded, or all kept.
  void OfferRecoveryCopies();
  // Brings a recovery copy back as the net, edited, under the file it was copied from.
  void Restore(const TStaleCopy& copy);

signals:
  // The file the net belongs to, and with it the caption, changed.
  void IdentityChanged();
  // The views' part of a change of the net, after the history and the recovery copy took it.
  void Changed(const NetChange& change);
  // The views' part of a save.
  void Saved();
  // A save found that the net would not reload as it is (and asked about it).
  void ReloadsOtherwise();
  // Edited changed: the net now holds unsaved changes, or no longer does.
  void EditedChanged(bool edited);

private:
  void FanOutChange(const NetChange& change);
  void FanOutSave();
  enum class Named { None, New, File };
  bool SaveFirst(const QString& question);
  bool SaveTo(const QString& path);
  void FollowEdited();
  void Name(Named named, const QString& path);
  void NoteRecentNet(const QString& path);

  Prompts* prompts_;
  Named named_ = Named::None;
  QString path_;
  bool hasNet_ = false;
  // Edited as last told by EditedChanged.
  bool editedTold_ = false;
  std::unique_ptr<TNetHistory> history_;
  std::unique_ptr<TRecoveryCopy> recovery_;
};
