#pragma once
// Finding elements by the texts they show: the names of ZEPs, Inputs and Outputs, a ZEP's
// function name and a Comment's text.
#include <QList>
#include <QString>
#include <optional>

#include "model/ElementEdit.h"

struct TFound {
  ElementKind Kind = ElementKind::ZEP;
  int Index = 0;
  friend bool operator==(const TFound&, const TFound&) = default;
};

// Every element whose name (a ZEP also by its function name, a Comment by its text) holds
// `text`, letter case ignored: ZEPs, then Inputs, Outputs and Comments, each by number.
// An empty text finds nothing.
QList<TFound> FindElements(const QString& text);

// The match that follows `from` in that order (precedes it when `backwards`), going round
// at the ends; `from` need not be a match itself. Without `from`, the first match (the
// last when `backwards`); none when there is no match.
std::optional<TFound> NextMatch(const QList<TFound>& matches, std::optional<TFound> from, bool backwards);
