#include "platform/ReadFile.h"

#include <QFileInfo>

#include "platform/Errors.h"

namespace {

[[noreturn]] void CannotOpen(const QString& path, const QString& reason) {
  throw EInOutError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
}

}  // namespace

void OpenForReading(QFile& file) {
  // The status of what a link leads to; a missing file is left to open() to report.
  const QFileInfo info(file.fileName());
  if (info.exists() && !info.isFile()) CannotOpen(file.fileName(), QStringLiteral("It is not a regular file."));
  if (!file.open(QIODevice::ReadOnly)) CannotOpen(file.fileName(), file.errorString());
}
