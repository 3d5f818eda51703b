#pragma once
// Commands on many elements at once: moving, deleting, copying, pasting and duplicating.
// Each is one step of the net and leaves the elements it made selected.
#include <QByteArray>
#include <QMimeData>
#include <memory>

#include "editing/DirectFeedback.h"
#include "platform/Prompts.h"

// The clipboard formats: the net's own, and plain text for a text editor.
inline const QString NetMimeType = QStringLiteral("application/x-plexor-net");

// Moves every element of the selection by the same grid offset; the routes are laid again.
void MoveSelection(TGridPoint offset, DirectFeedback& feedback);

// Deletes the selection after one question naming its count ("Delete 7 elements?").
bool DeleteSelection(Prompts& prompts, DirectFeedback& feedback);

// The selection as clipboard data: the ".net" text of its elements under both formats.
std::unique_ptr<QMimeData> CopySelection();
// Copies the selection, then deletes it without asking.
std::unique_ptr<QMimeData> CutSelection(DirectFeedback& feedback);

// The ".net" text that clipboard data holds: the net's own format, else plain text.
QByteArray NetTextOf(const QMimeData& data);

// Pastes a ".net" text: with the top left of its elements at `at`, or 2 grid units below
// and right of where they were copied from when there is no point. A text that holds no
// net is ignored; a paste that does not fit is refused with a message. The pasted
// elements become the selection.
bool PasteNetText(const QByteArray& text, std::optional<TGridPoint> at, Prompts& prompts, DirectFeedback& feedback);

// A copy of the selection pasted 2 grid units below and right of it, the clipboard untouched.
bool DuplicateSelection(Prompts& prompts, DirectFeedback& feedback);
