#pragma once
// The element properties dialog: edits the picked ZEP, Input, Output or Comment. It is
// created once, shown modeless and reused; its controls keep their contents between uses
// except where showing it fills them. The tables change only through "Save and Exit".
#include <QDialog>

#include "dialogs/ElementSave.h"

class DrawSurface;
class PaintArea;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;
class TNetForm;
class UpDown;

class TNetEditForm : public QDialog {
  Q_OBJECT
public:
  explicit TNetEditForm(TNetForm* mainForm);

  // Shows the dialog, modeless, for the current elements (Enter on a picked element); a
  // dialog already showing only comes to the front and keeps what the user typed.
  void Open();

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
  QPushButton* EndBtn;
  QPushButton* ExitBtn;
  QLabel* Label10;

  // ZEPPanel
  QWidget* ZEPPanel;
  QLabel* Label1;
  QLabel* Label4;
  QLineEdit* ZEPNameEdit;
  QLabel* Label5;
  QLabel* Label2;
  QComboBox* InABox;
  RadioGroup* InARadio;
  QLabel* ALabel;
  QLineEdit* ADelayEdit;
  UpDown* InAUD;
  QLabel* Label3;
  QComboBox* InBBox;
  RadioGroup* InBRadio;
  QLabel* BLabel;
  QLineEdit* BDelayEdit;
  UpDown* InBUD;
  PaintArea* ZEPShape;
  QLabel* Label8;
  QComboBox* FunctionBox;
  QLabel* Label11;
  QLineEdit* ZEPNumEdit;
  UpDown* ZEPNumUD;
  QLabel* Label7;
  QLineEdit* OutLengthEdit;
  UpDown* OutLengthUD;
  PaintArea* InAPaint;
  PaintArea* InBPaint;
  QLabel* Label6;

  // InOutPanel
  QWidget* InOutPanel;
  QLabel* InOutTitleLabel;
  QLabel* InOutNameLabel;
  QLineEdit* NameEdit;
  QComboBox* OutNameBox;
  QWidget* LengthPanel;
  QLabel* Label9;
  QLineEdit* LengthEdit;
  UpDown* LengthUD;

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

private:
  // The controls of one ZEP input.
  struct InputControls {
    QComboBox* Box;
    RadioGroup* Radio;
    QLabel* DelayLabel;
    QLineEdit* DelayEdit;
    UpDown* DelayUD;
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

  TNetForm* mainForm_;
  TEditTarget target_;
  int nameEditWidth_ = 0;  // a name edit's width, holding 15 of the font's widest letters
  int nameBoxWidth_ = 0;   // the same for a name combo box
};
