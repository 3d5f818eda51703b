#pragma once
// Which element of each kind lies under the pointer.
#include "model/ElementEdit.h"

// The first element of each kind (lowest number) under the pointer, 0 for none.
struct THits {
  int ZEP = 0;
  int Input = 0;
  int Output = 0;
  int Comment = 0;
  int Dot = 0;

  int Of(ElementKind kind) const;
  bool Any() const { return ZEP || Input || Output || Comment || Dot; }
  friend bool operator==(const THits&, const THits&) = default;
};

// A ZEP is hit inside or on its circle; an Input, Output, Comment or Dot inside or on the
// edge of the label box the last paint recorded.
THits HitTest(int x, int y);
