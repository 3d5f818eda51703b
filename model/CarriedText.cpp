#include "model/CarriedText.h"

#include "platform/LatinText.h"

namespace {

bool IsBlank(QChar c) { return c.unicode() <= 32; }

// A blank is named as such, any other control character by its code.
QString Character(QChar c) {
  return c == QLatin1Char(' ') ? QStringLiteral("a blank")
                               : QStringLiteral("the control character ") + ControlsEscaped(QString(c));
}

QString Separator(QChar c) {
  if (c == QLatin1Char('-')) return QStringLiteral("holds \"-\", which the file reads as the start of a delay");
  if (c == QLatin1Char('=')) return QStringLiteral("holds \"=\", which the file reads as the end of a name");
  return QStringLiteral("holds \",\", which the file reads as a separator");
}

QString EndFault(const QString& text, bool start, bool end) {
  if (text.isEmpty()) return {};
  if (start && IsBlank(text.front())) return QStringLiteral("begins with ") + Character(text.front());
  if (end && IsBlank(text.back())) return QStringLiteral("ends with ") + Character(text.back());
  return {};
}

QString Noun(TypedText what) {
  switch (what) {
    case TypedText::ZEPName: return QStringLiteral("ZEP name");
    case TypedText::InputName: return QStringLiteral("Input name");
    case TypedText::OutputName: return QStringLiteral("Output name");
    case TypedText::FunctionName: return QStringLiteral("function name");
    case TypedText::CommentText: return QStringLiteral("Comment");
  }
  return {};
}

QString TypedFault(const QString& text, TypedText what) {
  for (const QChar c : text) {
    if (IsControlCharacter(c)) return QStringLiteral("holds ") + Character(c);
    if (c.unicode() > 0xFF) return QStringLiteral("holds \u201C%1\u201D, which a net file cannot hold").arg(c);
  }
  if (const QString ends = EndFault(text, true, true); !ends.isEmpty()) return ends;
  if (what == TypedText::CommentText) return {};
  const QString separators = what == TypedText::ZEPName ? QStringLiteral(",=-") : QStringLiteral(",=");
  for (const QChar c : text)
    if (separators.contains(c)) return Separator(c);
  return {};
}

}  // namespace

// Items are split at each ",", and each is read from its first character that is not
// blank; a key, a last item and a list name are trimmed at both ends. A line break would
// end the line anywhere.
QString CarryFault(const QByteArray& bytes, TextPlace place) {
  const QString text = FromLatin(bytes);
  for (const QChar c : text)
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) return QStringLiteral("holds ") + Character(c);
  if (place != TextPlace::Key && text.contains(QLatin1Char(','))) return Separator(QLatin1Char(','));
  return EndFault(text, true, place != TextPlace::Item);
}

QString TypedTextRefusal(const QString& text, TypedText what) {
  const QString fault = TypedFault(text, what);
  if (fault.isEmpty()) return {};
  return QStringLiteral("The %1 \u201C%2\u201D %3: a saved net could not keep it.")
      .arg(Noun(what), ControlsEscaped(text), fault);
}
