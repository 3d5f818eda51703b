#pragma once
// Runtime errors that end a user command. Each carries the exact text the user reads in
// the standard error box; every event handler entry point catches them and shows it.
#include <QString>
#include <stdexcept>

class RuntimeError : public std::runtime_error {
public:
  explicit RuntimeError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& Message() const { return message_; }

private:
  QString message_;
};

// A file that cannot be opened, read or written.
class EInOutError : public RuntimeError {
public:
  using RuntimeError::RuntimeError;
};

// A text that should hold an integer and does not.
class EConvertError : public RuntimeError {
public:
  using RuntimeError::RuntimeError;
};
