#include "dialogs/NetEdit.h"

#include "app/NetHome.h"

TNetEditForm::TNetEditForm(TNetForm* mainForm) : QDialog(mainForm), mainForm_(mainForm) {
  setWindowTitle(QStringLiteral("Editting "));
}

void TNetEditForm::Open() {
  show();
  FormShow();
}

void TNetEditForm::FormShow() {}
