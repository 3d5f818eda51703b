#pragma once
// A save that writes only a net that reloads as it is: the file's text is read back in
// memory first and compared with the tables.
#include <QDate>
#include <QStringList>

class Prompts;

// How the net in the tables and the net `text` reloads to differ, one line each ("ZEP 2
// Lo-1: name would reload as "Lo""), at most a few and then how many more; empty when the
// text gives the net back as it is. A text that does not load gives one line: why.
QStringList ReloadDifferences(const QByteArray& text);

// "The saved net would reload differently: ... Save anyway?"
QString ReloadQuestion(const QStringList& differences);

enum class SaveOutcome {
  Saved,
  SavedDespiteDifferences,  // the user answered Yes to the question
  NotSaved,                 // the user answered No: the file stays as it was
};

// Saves the net to `path` as WriteNetFile does, after reading its text back: a net that
// would reload differently is written only when the user answers Yes to ReloadQuestion.
// Raises what WriteNetFile raises.
SaveOutcome SaveNetFile(const QString& path, const QDate& saved, Prompts& prompts);
