#pragma once
// The printing commands: the net on one page with the printer offsets and orientation of
// the tool panel, and the window's image.
class PrinterService;
class QLineEdit;
class QWidget;
class RadioGroup;
class TNetForm;
class UpDown;

class TPrintCommands {
public:
  // Builds the printer offset panel, a child of `toolPanel`.
  TPrintCommands(TNetForm& form, QWidget* toolPanel);
  QWidget* OffsetPanel() const { return Panel3; }

  // Tests print on their own printer; by default the system's printers are used.
  void SetPrinter(PrinterService* printer) { printer_ = printer; }
  PrinterService& Printer();

  void DrawOnPaperClick();
  void FormPrintClick();

private:
  friend class TNetFormProbe;

  TNetForm& form_;
  PrinterService* printer_ = nullptr;
  QWidget* Panel3 = nullptr;
  QLineEdit* HEdit = nullptr;
  UpDown* HUD = nullptr;
  QLineEdit* VEdit = nullptr;
  UpDown* VUD = nullptr;
  RadioGroup* HVRadio = nullptr;
};
