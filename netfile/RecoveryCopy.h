#pragma once
// The recovery copy: while the net holds unsaved changes, a ".net" copy of it waits in the
// user's data folder, so a program that is killed or crashes loses no edit. The running
// program holds a lock beside its copy; a copy whose lock is stale (its program is gone) is
// offered at the next start.
//
// A copy begins with three comment lines, which a reader of ".net" files skips: how many
// bytes follow and their SHA-256, so that a restore sees whether the copy is whole; what
// the caption named the net by; the net's file name. The names are escaped (control
// characters and "%" as %XX), so a line break in a name cannot break the header.
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QThreadPool>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class QLockFile;

// The folder of the recovery copies: "recovery" in the program's local data folder. Only
// its user may enter it; the copies in it are readable by their user alone.
QString RecoveryFolder();

// The whole text of a copy: the header, then the net's text.
QByteArray RecoveryCopyText(const QString& origin, const QString& fileName, const QByteArray& netText);

class TRecoveryCopy : public QObject {
  Q_OBJECT
public:
  // A change is in the copy within this time; later changes in between are written with it.
  static constexpr int WriteDelayMs = 1000;

  // origin: what the window's caption names the net by (a full path, or "New"), read at
  // each write so that the copy can be restored under that name.
  explicit TRecoveryCopy(std::function<QString()> origin, QObject* parent = nullptr);
  // Lets the lock go; the copy stays, to be offered at the next start.
  ~TRecoveryCopy() override;

  // Writes the copy now when the net holds unsaved changes: the net's text is made here, and
  // the copy with its checksum written to disk beside the event loop, so the canvas never
  // waits for the disk. Each
  // write replaces the copy only once every byte is on disk; a write that fails keeps the
  // copy written before. False when no copy can be kept.
  bool WriteNow();
  // Waits until the copy written last is on disk.
  void Flush();
  // The net changed: the copy follows within WriteDelayMs, or goes when nothing is unsaved.
  void NetChangedOn();
  // Removes the copy and its lock: the net is saved, replaced or the program ends.
  void Remove();
  // Where this program keeps its copy; empty until the first write.
  QString CopyPath() const;

signals:
  // The first copy that cannot be written in this run, with what the user is to read; the
  // copy is a safety net, so later failures of the run are not told again.
  void CannotKeepCopy(const QString& message);

private:
  // Takes a new place for the copy with its lock; false when the folder does not allow it.
  bool TakePlace();
  // Writes the latest text handed over until none waits; runs on the writer thread.
  void WritePending();
  void Failed(const QString& reason);

  std::function<QString()> origin_;
  QTimer timer_;
  QString base_;  // the copy's path without ".net"
  std::unique_ptr<QLockFile> lock_;
  bool told_ = false;
  // One writer thread; a text that waits is replaced by a newer one.
  QThreadPool writer_;
  // What the next write makes its text of: read on the event loop's thread, hashed on the
  // writer's, so the canvas never waits for the checksum either.
  struct TParts {
    QString Origin;
    QString FileName;
    QByteArray NetText;
  };
  std::mutex mutex_;
  std::optional<TParts> pending_;
  bool writing_ = false;
};

// How much of what was written a copy still holds.
enum class TCopyCheck {
  Whole,      // every byte, as the header says
  Cut,        // fewer bytes than were written
  Altered,    // other bytes than were written, or no header at all
  Unchecked,  // written by an older Plexor, without the length and checksum
};

// A copy left by a program that is gone, held (locked) by this program while it exists,
// so that a second program starting at the same time does not offer it too.
struct TStaleCopy {
  QString CopyPath;
  QString Origin;    // what the caption named the net by
  QString FileName;  // the net's file name
  QDateTime Written;
  std::shared_ptr<QLockFile> Lock;
  TCopyCheck Check = TCopyCheck::Unchecked;
  qint64 Held = 0;      // the bytes after the first line
  qint64 Expected = 0;  // the bytes written after it, as the header says
};

// The stale copies in the recovery folder, newest first. A lock file that is empty, holds
// no lock information or is a link is stale too, unless a running program holds it.
std::vector<TStaleCopy> ClaimStaleCopies();

// "The net NAME was not saved when Plexor ended on DATE".
QString UnsavedNetText(const TStaleCopy& copy);

// The question that offers a stale copy, with a warning when the copy is not whole.
QString RecoveryQuestion(const TStaleCopy& copy);

// Deletes a stale copy and its lock.
void DiscardStaleCopy(TStaleCopy& copy);

// Moves a copy that cannot be restored into the folder "set aside" of the recovery folder,
// where no start offers it again; the path it has there (its old path when it cannot be
// moved). Lets its lock go.
QString SetStaleCopyAside(TStaleCopy& copy);
