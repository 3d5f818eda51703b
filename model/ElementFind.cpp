#include "model/ElementFind.h"

#include <algorithm>

namespace {

bool Holds(const QString& shown, const QString& text) { return shown.contains(text, Qt::CaseInsensitive); }

bool Matches(ElementKind kind, int i, const QString& text) {
  switch (kind) {
    case ElementKind::ZEP: return Holds(ZEPText[i].Name.Str(), text) || Holds(ZEPText[i].FuncName.Str(), text);
    case ElementKind::Input: return Holds(InputName[i].Str(), text);
    case ElementKind::Output: return Holds(OutputName[i].Str(), text);
    case ElementKind::Comment: return Holds(CommentText[i].Str(), text);
    case ElementKind::Dot: break;
  }
  return false;
}

// The place of an element in the order of the matches.
auto Place(const TFound& found) { return std::pair(static_cast<int>(found.Kind), found.Index); }

}  // namespace

QList<TFound> FindElements(const QString& text) {
  QList<TFound> found;
  if (text.isEmpty()) return found;
  for (ElementKind kind : ElementKinds) {
    const int count = std::clamp(CountOf(kind), 0, CapacityOf(kind));
    for (int i = 1; i <= count; ++i)
      if (Matches(kind, i, text)) found.append({kind, i});
  }
  return found;
}

std::optional<TFound> NextMatch(const QList<TFound>& matches, std::optional<TFound> from, bool backwards) {
  if (matches.isEmpty()) return std::nullopt;
  if (!from) return backwards ? matches.last() : matches.first();
  if (backwards) {
    for (auto m = matches.rbegin(); m != matches.rend(); ++m)
      if (Place(*m) < Place(*from)) return *m;
    return matches.last();
  }
  for (const TFound& m : matches)
    if (Place(m) > Place(*from)) return m;
  return matches.first();
}
