// The main window's file commands: New, Load and Save.
#include "app/NetHome.h"
#include "model/NetDef.h"

void TNetForm::NewClick() {}

void TNetForm::LoadClick() {}

void TNetForm::LoadBtnClick() { LoadClick(); }

void TNetForm::SaveClick() {}

void TNetForm::SaveBtnClick() { SaveClick(); }
