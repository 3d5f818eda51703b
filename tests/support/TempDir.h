#pragma once
// A fresh temporary folder per test, given as a path with a trailing "/".
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

struct TempDir {
  QTemporaryDir dir;
  QString Path() const { return dir.path() + QLatin1Char('/'); }
  QString File(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
};

// The bytes of a file; empty when it cannot be read.
inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes a file whole, making its folder; false when it cannot be written.
inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
