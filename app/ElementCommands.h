#pragma once
// The "Append Element" commands and the deletion of the picked or selected elements.
class TNetForm;

class TElementCommands {
public:
  explicit TElementCommands(TNetForm& form) : form_(form) {}

  void AddZEPClick();
  void AddInputClick();
  void AddOutputClick();
  void AddComClick();
  void AddDotClick();
  void DeleteElementClick();
  // Deletes the selection with one question, else each picked element with its own.
  void DeleteBtnClick();

private:
  TNetForm& form_;
};
