// The main window's printing commands.
#include "app/NetHome.h"
#include "model/NetDef.h"

void TNetForm::DrawOnPaperClick() {}
void TNetForm::FormPrintClick() {}
