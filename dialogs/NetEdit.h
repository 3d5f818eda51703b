#pragma once
// The element properties dialog: edits the picked ZEP, Input, Output or Comment.
#include <QDialog>

class TNetForm;

class TNetEditForm : public QDialog {
  Q_OBJECT
public:
  explicit TNetEditForm(TNetForm* mainForm);

  // Shows the dialog, modeless, for the current elements (Enter on a picked element).
  void Open();
  void FormShow();

private:
  TNetForm* mainForm_;
};
