// The main window's element commands, pointer editing and key map.
#include "app/NetHome.h"
#include "model/NetDef.h"

void TNetForm::AddZEPClick() {}
void TNetForm::AddInputClick() {}
void TNetForm::AddOutputClick() {}
void TNetForm::AddComClick() {}
void TNetForm::AddDotClick() {}
void TNetForm::DeleteElementClick() { DeleteBtnClick(); }
void TNetForm::DeleteBtnClick() {}

void TNetForm::PaintBoxMouseDown(Qt::MouseButton, int, int) {}
void TNetForm::PaintBoxMouseMove(int, int) {}
void TNetForm::PaintBoxMouseUp(Qt::MouseButton, int, int) {}
void TNetForm::DragSelectClick() {}
void TNetForm::DragBtnClick() { DragSelectClick(); }

bool TNetForm::FormKeyDown(int key, Qt::KeyboardModifiers shift) {
  switch (key) {
    case Qt::Key_PageUp: MultClick(); return true;
    case Qt::Key_PageDown: DivideClick(); return true;
    case Qt::Key_Pause:
    case Qt::Key_Cancel:
      if (!(shift & Qt::ControlModifier)) return false;
      close();
      return true;
    default: return false;
  }
}
