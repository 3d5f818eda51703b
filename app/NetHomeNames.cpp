// The main window's function name commands and the deletion panel.
#include "app/NetHome.h"
#include "model/NetDef.h"

void TNetForm::AddLibClick() {}
void TNetForm::AddUserClick() {}
void TNetForm::AddBuiltinClick() {}
void TNetForm::DeleteNameClick() {}
void TNetForm::NameDelClick() {}
void TNetForm::CancelDelClick() {}
