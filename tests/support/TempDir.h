#pragma once
// A fresh temporary folder per test, given as a path with a trailing "/".
#include <QTemporaryDir>

struct TempDir {
  QTemporaryDir dir;
  QString Path() const { return dir.path() + QLatin1Char('/'); }
  QString File(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
};
