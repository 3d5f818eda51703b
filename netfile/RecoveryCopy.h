#pragma once
// The recovery copy: while the net holds unsaved changes, a ".net" copy of it waits in the
// user's data folder, so a program that is killed or crashes loses no edit. The running
// program holds a lock beside its copy; a copy whose lock is stale (its program is gone) is
// offered at the next start.
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

// The folder of the recovery copies: "recovery" in the program's local data folder.
QString RecoveryFolder();

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

  // Writes the copy now when the net holds unsaved changes: the text is made here and
  // written to disk beside the event loop, so the canvas never waits for the disk. False
  // when the copy cannot be kept (the copy is a safety net, so a failure does not
  // interrupt the user).
  bool WriteNow();
  // Waits until the copy written last is on disk.
  void Flush();
  // The net changed: the copy follows within WriteDelayMs, or goes when nothing is unsaved.
  void NetChangedOn();
  // Removes the copy and its lock: the net is saved, replaced or the program ends.
  void Remove();
  // Where this program keeps its copy; empty until the first write.
  QString CopyPath() const;

private:
  // Writes the latest text handed over until none waits; runs on the writer thread.
  void WritePending();

  std::function<QString()> origin_;
  QTimer timer_;
  QString base_;  // the copy's path without ".net"
  std::unique_ptr<QLockFile> lock_;
  // One writer thread; a text that waits is replaced by a newer one.
  QThreadPool writer_;
  std::mutex mutex_;
  std::optional<QByteArray> pending_;
  bool writing_ = false;
};

// A copy left by a program that is gone, held (locked) by this program while it exists,
// so that a second program starting at the same time does not offer it too.
struct TStaleCopy {
  QString CopyPath;
  QString Origin;    // what the caption named the net by
  QString FileName;  // the net's file name
  QDateTime Written;
  std::shared_ptr<QLockFile> Lock;
};

// The stale copies in the recovery folder, newest first.
std::vector<TStaleCopy> ClaimStaleCopies();

// The question that offers a stale copy.
QString RecoveryQuestion(const TStaleCopy& copy);

// Deletes a stale copy and its lock.
void DiscardStaleCopy(TStaleCopy& copy);
