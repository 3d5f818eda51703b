#pragma once
// A text of at most N single-byte characters; assigning a longer text keeps its first N.
#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cstring>

template <int N>
class ShortString {
  static_assert(N > 0 && N <= 255, "a short string holds at most 255 characters");

public:
  ShortString() = default;
  ShortString(const QString& text) { Assign(text.toLatin1()); }  // NOLINT: as a plain text
  ShortString(const char* text) { Assign(QByteArray(text)); }    // NOLINT
  ShortString(const QByteArray& bytes) { Assign(bytes); }        // NOLINT

  ShortString& operator=(const QString& text) { Assign(text.toLatin1()); return *this; }
  ShortString& operator=(const char* text) { Assign(QByteArray(text)); return *this; }
  ShortString& operator=(const QByteArray& bytes) { Assign(bytes); return *this; }

  static constexpr int MaxLength = N;
  int Length() const { return length_; }
  bool IsEmpty() const { return length_ == 0; }
  QByteArray Bytes() const { return QByteArray(data_, length_); }
  QString Str() const { return QString::fromLatin1(data_, length_); }
  operator QString() const { return Str(); }  // NOLINT: read as a plain text

  bool operator==(const ShortString& other) const {
    return length_ == other.length_ && std::memcmp(data_, other.data_, length_) == 0;
  }
  bool operator==(const QString& text) const { return Str() == text; }
  bool operator==(const char* text) const { return Bytes() == QByteArray(text); }

private:
  void Assign(const QByteArray& bytes) {
    length_ = static_cast<unsigned char>(std::min<qsizetype>(bytes.size(), N));
    std::memcpy(data_, bytes.constData(), length_);
  }

  unsigned char length_ = 0;
  char data_[N] = {};
};
