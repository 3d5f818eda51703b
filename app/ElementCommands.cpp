#include "app/ElementCommands.h"

#include "app/CanvasPointer.h"
#include "app/NetHome.h"
#include "app/ViewCommands.h"
#include "drawing/Routing.h"
#include "editing/GroupEdit.h"
#include "editing/PointerEditing.h"
#include "editing/Selection.h"

void TElementCommands::AddZEPClick() { AppendElement(ElementKind::ZEP, form_.Ask()); }
void TElementCommands::AddInputClick() { AppendElement(ElementKind::Input, form_.Ask()); }
void TElementCommands::AddOutputClick() { AppendElement(ElementKind::Output, form_.Ask()); }
void TElementCommands::AddComClick() { AppendElement(ElementKind::Comment, form_.Ask()); }
void TElementCommands::AddDotClick() { AppendElement(ElementKind::Dot, form_.Ask()); }
void TElementCommands::DeleteElementClick() { DeleteBtnClick(); }

void TElementCommands::DeleteBtnClick() {
  if (!Selection.Empty()) {
    CanvasFeedback feedback = form_.Pointer().Feedback();
    DeleteSelection(form_.Ask(), feedback);
    return;
  }
  // Each deletion shows before the next question.
  DeleteCurrentElements(form_.Ask(), [this](ElementKind) {
    RebuildRoutes();
    form_.View().RepaintCanvas();
    form_.UpdateActions();
  });
}
