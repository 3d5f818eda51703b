#pragma once
// Connecting by dragging: from the free end of a source (a ZEP's output line, an Input's
// line) to an input arrow of a ZEP, or to an Output's line.
#include <QPoint>
#include <QString>
#include <optional>

#include "model/ElementEdit.h"
#include "platform/Prompts.h"

// A source a drag starts from: a ZEP or an Input, and the pixel where its line ends.
struct TSourceEnd {
  ElementKind Kind = ElementKind::ZEP;
  int Index = 0;
  QPoint End;
  friend bool operator==(const TSourceEnd&, const TSourceEnd&) = default;
};

enum class TargetPort { None, InputA, InputB, Output };

// Where a drag would connect to: input A or B of ZEP `Index`, or Output `Index`.
struct TConnectTarget {
  TargetPort Port = TargetPort::None;
  int Index = 0;
  friend bool operator==(const TConnectTarget&, const TConnectTarget&) = default;
};

// The source whose free end lies within half a grid unit of the pointer, the nearest one.
std::optional<TSourceEnd> SourceEndAt(int x, int y);

// The nearest ZEP input arrow within one grid unit of the pointer; else, for a ZEP
// source, the Output whose line or label the pointer is on; else none.
TConnectTarget TargetAt(const TSourceEnd& source, int x, int y);

// Why the source cannot be named: a name that several Inputs and ZEPs bear (letter case
// ignored) would be read back as the first of them. Empty when it can.
QString SourceNameClash(const TSourceEnd& source);

// Connects the source to the target as the properties dialog would: one step of the net,
// routes rebuilt. A clashing name is refused with its message. True when connected.
bool ConnectTo(const TSourceEnd& source, const TConnectTarget& target, Prompts& prompts);
