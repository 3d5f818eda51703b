#pragma once
// A profile (INI) file read and updated the way the system's profile-string calls do it:
// section and key names compare without regard to letter case, blanks around keys and
// values are ignored, a missing key yields the caller's default, and a write replaces the
// key in place or appends it to its section, creating section and file when missing.
// Every line that a write does not replace stays byte for byte as it was. Values are
// written as UTF-8, so paths in any script stay whole; a value that is not valid UTF-8 is
// read as Latin-1, as older files wrote it.
#include <QString>

class ProfileFile {
public:
  explicit ProfileFile(QString path);

  const QString& Path() const { return path_; }

  // The value of a key, or the default when the file, the section or the key is missing.
  QString ReadString(const QString& section, const QString& key, const QString& fallback) const;

  // Writes one key; raises EInOutError when the file cannot be written.
  void WriteString(const QString& section, const QString& key, const QString& value) const;

private:
  QString path_;
};
