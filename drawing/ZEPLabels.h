#pragma once
// The texts a ZEP shows beside its circle, the same on the screen and on paper.
#include <QString>

struct DelayLabel {
  QString Text;            // empty: no label
  bool AfterScan = false;  // the source comes at or after the ZEP: one scan more
};

// The delay label of input A or B of ZEP `zep`, fed by a source of `kind` at `sourceIndex`
// with `delay`: a source at or after the ZEP in scan order shows delay + 1, an earlier one
// its delay when above 0; an Input or no source shows nothing.
DelayLabel InputDelayLabel(int zep, int kind, int sourceIndex, int delay);
