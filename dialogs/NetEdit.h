#pragma once
// The element properties dialog: edits the picked ZEP, Input, Output or Comment. It is
// created once, shown modeless and reused; its controls keep their contents between uses
// except where showing it fills them. The tables change only through "Save and Exit".
#include <QDialog>
#include <memory>

#include "model/CarriedText.h"
#include "model/ElementSave.h"
#include "platform/Prompts.h"

class DrawSurface;
class PaintArea;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;
class UpDown;

class TNetEditForm : public QDialog {
  Q_OBJECT
public:
  explicit TNetEditForm(QWidget* mainForm);

  // Who shows the errors that end the dialog's handlers; none lets them pass on.
  void SetPrompts(Prompts* prompts) { prompts_ = prompts; }

  // Shows the dialog, modeless, for the current elements (Enter on a picked element); a
  // dialog already showing only comes to the front and keeps what the user typed.
  void ShowForSelection();

  // Handlers
  void FormShow();
  void EndBtnClick();
  void ExitBtnClick();
  void FormCloseQuery(bool& canClose);
  void InARadioClick();
  void InBRadioClick();
  void InAPaintPaint(DrawSurface& canvas);
  void InBPaintPaint(DrawSurface& canvas);
  // Enter, Escape and the arrow keys of the number edits; true when the key was taken.
  bool FormKeyDown(int key, Qt::KeyboardModifiers shift);

  // Always shown
  QPushButton* EndBtn = nullptr;
  QPushButton* ExitBtn = nullptr;
  QLabel* Label10 = nullptr;

  // ZEPPanel
  QWidget* ZEPPanel = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* ZEPNameEdit = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label2 = nullptr;
  QComboBox* InABox = nullptr;
  RadioGroup* InARadio = nullptr;
  QLabel* ALabel = nullptr;
  QLineEdit* ADelayEdit = nullptr;
  UpDown* InAUD = nullptr;
  QLabel* Label3 = nullptr;
  QComboBox* InBBox = nullptr;
  RadioGroup* InBRadio = nullptr;
  QLabel* BLabel = nullptr;
  QLineEdit* BDelayEdit = nullptr;
  UpDown* InBUD = nullptr;
  PaintArea* ZEPShape = nullptr;
  QLabel* Label8 = nullptr;
  QComboBox* FunctionBox = nullptr;
  QLabel* Label11 = nullptr;
  QLineEdit* ZEPNumEdit = nullptr;
  UpDown* ZEPNumUD = nullptr;
  QLabel* Label7 = nullptr;
  QLineEdit* OutLengthEdit = nullptr;
  UpDown* OutLengthUD = nullptr;
  PaintArea* InAPaint = nullptr;
  PaintArea* InBPaint = nullptr;
  QLabel* Label6 = nullptr;

  // InOutPanel
  QWidget* InOutPanel = nullptr;
  QLabel* InOutTitleLabel = nullptr;
  QLabel* InOutNameLabel = nullptr;
  QLineEdit* NameEdit = nullptr;
  QComboBox* OutNameBox = nullptr;
  QWidget* LengthPanel = nullptr;
  QLabel* Label9 = nullptr;
  QLineEdit* LengthEdit = nullptr;
  UpDown* LengthUD = nullptr;

signals:
  // The dialog closed, after either button or any other close: the selection is cleared
  // and the routes are laid again.
  void Closed();

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

private:
  // The controls of one ZEP input.
  struct InputControls {
    QComboBox* Box = nullptr;
    RadioGroup* Radio = nullptr;
    QLabel* DelayLabel = nullptr;
    QLineEdit* DelayEdit = nullptr;
    UpDown* DelayUD = nullptr;
  };
  InputControls InputA() const { return {InABox, InARadio, ALabel, ADelayEdit, InAUD}; }
  InputControls InputB() const { return {InBBox, InBRadio, BLabel, BDelayEdit, InBUD}; }

  void BuildZEPPanel();
  void BuildInputControls(int top, const QString& caption, QLabel*& label, InputControls& input);
  void BuildInOutPanel();
  void BuildButtons();
  template <typename F>
  void Run(F&& handler);

  void ApplyFontName();
  void ShowZEP(int z);
  void ShowSource(const InputControls& input, int kind, int delay);
  void ShowDelay(const InputControls& input, bool shown);
  void SourceKindChosen(const InputControls& input);
  void ShowInOutPanel(const QString& title, const QString& caption, bool lengthShown);
  void ShowInput(int i);
  void ShowOutput(int o);
  void ShowComment(int c);
  TSourceEdit ReadSource(const InputControls& input) const;
  TZEPEdit ReadZEPEdit() const;
  UpDown* UpDownOf(QWidget* edit) const;

  // Writes the controls of the shown panels into the tables; `addFunction` first appends the
  // typed function name to the user list.
  void SaveEdits(const TEditTarget& target, bool addFunction);
  // False, with the reason shown and its field selected, when a typed text cannot be saved
  // as typed; `addFunction` tells that the user agreed to list a new function name.
  bool EditsAccepted(const TEditTarget& target, bool& addFunction);
  bool ZEPEditAccepted(int z, bool& addFunction);
  bool TextAccepted(QWidget* field, const QString& text, const QString& stored, TypedText what);
  bool Refuse(QWidget* field, const QString& message);
  bool SelectField(QWidget* field);  // focuses the field with its text selected; false
  Prompts& Ask();
  void LayRoutesAgain();

  Prompts* prompts_ = nullptr;
  std::unique_ptr<Prompts> ownPrompts_;  // message boxes while no one else shows them
  TEditTarget target_;
  bool savedChange_ = false;  // Save and Exit changed the net and announces it after closing
  int nameEditWidth_ = 0;  // a name edit's width, holding 15 of the font's widest letters
  int nameBoxWidth_ = 0;   // the same for a name combo box
};
