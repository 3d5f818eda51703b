// The main window's file commands: New, Load and Save, run by the document.
#include "app/NetHome.h"
#include "document/NetDocument.h"

void TNetForm::NewClick() { document_->New(); }

void TNetForm::LoadClick() { document_->Load(); }

void TNetForm::LoadBtnClick() { LoadClick(); }

void TNetForm::SaveClick() { document_->Save(); }

void TNetForm::SaveBtnClick() { SaveClick(); }
