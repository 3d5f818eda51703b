#include "model/ElementTips.h"

#include <QStringList>

#include "model/FuncNames.h"
#include "model/NetRules.h"

namespace {

bool Within(int index, int count) { return index >= 1 && index <= count; }

QString ZEPWords(int z) { return QStringLiteral("ZEP %1 %2").arg(z).arg(ZEPText[z].Name.Str()); }
QString InputWords(int i) { return QStringLiteral("Input %1 %2").arg(i).arg(InputName[i].Str()); }

// "Input A: ZEP 5 Filter, delay 2", with the scan more that the red label shows.
QString SourceLine(int z, char port, int kind, int index, int delay) {
  QString source;
  if (kind == KindInput && Within(index, InputCount)) {
    source = InputWords(index);
  } else if (FedFromZEP(kind) && Within(index, ZEPCount)) {
    source = QStringLiteral("%1, delay %2").arg(ZEPWords(index)).arg(kind == KindZEPNoDelay ? 0 : delay);
    if (CarriesExtraScan(z, kind, index)) source += QStringLiteral(", one scan more: fed from a later ZEP");
  } else {
    source = QStringLiteral("none");
  }
  return QStringLiteral("Input %1: %2").arg(QLatin1Char(port)).arg(source);
}

// The ZEP inputs that take their value from `index` of `kind` (an Input or a ZEP's output).
QStringList FedInputs(int kind, int index) {
  const auto feeds = [&](int sourceKind, int sourceIndex) {
    return sourceIndex == index && (kind == KindInput ? sourceKind == KindInput : FedFromZEP(sourceKind));
  };
  QStringList fed;
  for (int j = 1; j <= ZEPCount; ++j) {
    const TZEPLink& link = ZEPLink[j];
    if (feeds(link.AKind, link.AIndex)) fed << ZEPWords(j) + QStringLiteral(" input A");
    if (feeds(link.BKind, link.BIndex)) fed << ZEPWords(j) + QStringLiteral(" input B");
  }
  return fed;
}

QString FeedsLine(const QString& head, const QStringList& fed) {
  return head + (fed.isEmpty() ? QStringLiteral("nothing") : fed.join(QStringLiteral(", ")));
}

QString ZEPTip(int z) {
  const TZEPLink& link = ZEPLink[z];
  const QString function = FunctionNameOf(link.FuncCode);
  QStringList fed = FedInputs(KindZEP, z);
  if (Within(link.OutIndex, OutputCount))
    fed << QStringLiteral("Output %1 %2").arg(link.OutIndex).arg(OutputName[link.OutIndex].Str());
  return QStringList{ZEPWords(z),
                     QStringLiteral("Function: ") + (function.isEmpty() ? QStringLiteral("none") : function),
                     SourceLine(z, 'A', link.AKind, link.AIndex, link.ADelay),
                     SourceLine(z, 'B', link.BKind, link.BIndex, link.BDelay),
                     FeedsLine(QStringLiteral("Output feeds: "), fed)}
      .join(QLatin1Char('\n'));
}

QString InputTip(int i) {
  return InputWords(i) + QLatin1Char('\n') + FeedsLine(QStringLiteral("Feeds: "), FedInputs(KindInput, i));
}

}  // namespace

QString ElementTip(ElementKind kind, int index) {
  if (!Within(index, CountOf(kind))) return {};
  switch (kind) {
    case ElementKind::ZEP: return ZEPTip(index);
    case ElementKind::Input: return InputTip(index);
    default: return {};
  }
}
