#include "drawing/ZEPLabels.h"

#include "model/NetRules.h"

DelayLabel InputDelayLabel(int zep, int kind, int sourceIndex, int delay) {
  if (!FedFromZEP(kind)) return {};
  const bool afterScan = CarriesExtraScan(zep, kind, sourceIndex);
  if (afterScan) return {QString::number(ScansOfDelay(zep, kind, sourceIndex, delay)), true};
  if (delay > 0) return {QString::number(delay), false};
  return {};
}
