#pragma once
// What "Save and Exit" of the properties dialog writes into the network tables, and the
// name lists the dialog offers. Name comparisons here are exact, letter case included, and
// compare the whole text, so a text longer than a name matches nothing.
#include <QString>
#include <QStringList>

// The "Data from" choices of an input.
inline constexpr int FromNone = -1;
inline constexpr int FromZEP = 0;
inline constexpr int FromInput = 1;

struct TSourceEdit {
  QString Text;
  int From = FromNone;
  int Delay = 0;
};

struct TZEPEdit {
  TSourceEdit A;
  TSourceEdit B;
  int OutLine = 1;  // the output line length as offered: OutLength - 2
  QString Name;
  QString Function;
  int Number = 1;   // the ZEP's place in the scan order
};

// The one element of the Input/Output/Comment panel.
enum class TermKind { None, Input, Output, Comment };

// The elements a dialog edits: a ZEP, and the Input, Output or Comment whose panel shows.
struct TEditTarget {
  int ZEP = 0;
  TermKind Term = TermKind::None;
  int Index = 0;
  friend bool operator==(const TEditTarget&, const TEditTarget&) = default;
};

// The current elements when the dialog opens. The Input, Output and Comment share one
// panel, which shows the last current one of them; only that one is edited.
TEditTarget EditTargetOfSelection();
// The part of a target that is still current and within its table: an element appended,
// deleted or replaced while the dialog showed is left alone.
TEditTarget StillCurrent(const TEditTarget& target);

// How the history names a save of the target: "Properties of ZEP Mix", "Properties of
// ZEP Add1, Input In3".
QString PropertiesCaption(const TEditTarget& target);

// True when "Data from" is chosen for an input of ZEP z and no element of that kind bears
// the typed text, which is not the input's own source as it stands either: the save would
// drop it.
bool SourceNamesNothing(int z, char port, const TSourceEdit& edit);

// What a function name typed for ZEP z is to the lists.
enum class TypedFunction {
  Kept,           // nothing typed, the ZEP's own function as it stands, or "Non" (no function)
  Listed,         // a library or user name, exactly
  OtherCase,      // a listed name in other letter case, which a reload would take for it
  Unlisted,       // in neither list
};
TypedFunction ClassifyTypedFunction(int z, const QString& text);
// The listed name a text of TypedFunction::OtherCase stands for.
QString ListedSpelling(const QString& text);

// Typed "Non" (in any letter case) sets no function.
void SaveZEPEdit(int z, const TZEPEdit& edit);
void SaveInputEdit(int i, const QString& name, int length);
void SaveOutputEdit(int o, const QString& name, int length);
void SaveCommentEdit(int c, const QString& text);

// Feeds input A (port 1) or B (port 2) of ZEP z from Input or ZEP `source`, as choosing
// that element in the dialog does; a ZEP feeds it with delay 0.
void ConnectInput(int z, int port, bool fromZEP, int source);

// Renames ZEP z and the references that name it: sources and Outputs equal to the old
// name, except one linked to another element (an Input, another ZEP, an Output showing
// another ZEP), which keeps its text.
void RenameZEP(int z, const QString& name);
// The same for Input i and the ZEP sources that name it.
void RenameInput(int i, const QString& name);

// Ends an edit: no current ZEP, Input, Output or Comment, nothing picked, no dialog.
void ClearEditSelection();

QStringList ZEPNames();
QStringList InputNames();
