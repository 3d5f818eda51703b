#pragma once
// The checks of a net: what would make it run otherwise than drawn, reload otherwise than
// shown, or hide part of it. Shared by the editor's check panel and `plexor-net check`;
// fast enough to run after every change.
#include <QList>
#include <QString>

#include "model/ElementEdit.h"

enum class Severity { Error, Warning };

// The five kinds of element, and a name of the function lists.
enum class FindingKind { ZEP, Input, Output, Comment, Dot, Function };

struct TFinding {
  Severity Level = Severity::Error;
  FindingKind Kind = FindingKind::ZEP;
  int Number = 0;  // the element's number; for a function name its place in its list
  QString Name;    // the element's name (a Comment's text, nothing for a Dot)
  QString Message;
  // The file stores names, and would link this source or Output on reload to another
  // element than the editor shows: a saved file does not reload as drawn.
  bool ReloadsOtherwise = false;
  friend bool operator==(const TFinding&, const TFinding&) = default;
};

// The canvas the positions are checked against, in grid units.
struct TCanvasSize {
  int Width = 200;
  int Height = 200;
};
// The largest canvas the editor offers: a net without a window is checked against it.
inline constexpr TCanvasSize LargestCanvas{1000, 1000};

// Every finding on the net in the tables: errors first, then warnings, each in the order
// ZEPs, Inputs, Outputs, Comments, Dots, function names, by number.
QList<TFinding> CheckNet(TCanvasSize canvas);

// True when some finding is a link that a saved file would not reload as drawn.
bool ReloadsOtherwise(const QList<TFinding>& findings);

QString SeverityWord(Severity level);    // "error", "warning"
QString FindingKindWord(FindingKind kind);  // "ZEP", "Input", ..., "Function"
bool IsElement(FindingKind kind);
ElementKind ElementOf(FindingKind kind);  // only for IsElement kinds

// One line: `error ZEP 3 Mix: input A source "Ghost" resolves to nothing`, its control
// characters escaped ("\x1B").
QString FindingLine(const TFinding& finding);
