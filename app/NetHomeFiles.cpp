// The main window's file commands: New, Load, Save and Save in Place, run by the document,
// and the caption that names the net.
#include "app/NetHome.h"
#include "document/NetDocument.h"

void TNetForm::NewClick() { document_->New(); }

void TNetForm::LoadClick() { document_->Load(); }

void TNetForm::LoadBtnClick() { LoadClick(); }

void TNetForm::SaveClick() { document_->Save(); }

void TNetForm::SaveBtnClick() { SaveClick(); }

void TNetForm::SaveInPlaceClick() { document_->SaveInPlace(); }

// The caption carries Qt's placeholder for the modified mark ("*" on this platform) and
// shows without it while the net holds no unsaved changes; a "[*]" in the file's own path
// is doubled so that it shows as it is.
void TNetForm::ShowCaption() {
  setWindowTitle(document_->Caption().replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")) + QStringLiteral("[*]"));
}
