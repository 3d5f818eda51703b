#pragma once
// Which texts a ".net" file gives back as they are. The file keeps names and texts as the
// keys and comma-separated items of its lines, and reads them trimmed of blanks and control
// characters: a text that begins or ends with one, or holds a "," where the line is split,
// reads back as another text, and the net reloads otherwise than it was saved.
#include <QByteArray>
#include <QString>

// Where a text stands in the file.
enum class TextPlace {
  Key,       // before " = ": a ZEP's, an Input's or an Output's name, a Comment's text
  Item,      // an item of a ZEP line before its last: the function, source A
  LastItem,  // the last item of a ZEP line: source B
  ListName,  // a name in a "Library" or "User" line
};

// Why the file would not give the text back, as the words that follow its name ("ends with
// a blank"); empty when it would.
QString CarryFault(const QByteArray& text, TextPlace place);

// The texts the properties dialog writes.
enum class TypedText { ZEPName, InputName, OutputName, FunctionName, CommentText };

// Why the dialog does not take a typed text: the message naming the character, or nothing.
// Stricter than CarryFault: no control character and no character beyond Latin-1 anywhere;
// in names no "," and no "=" (the separators of the file's lines), and in a ZEP's name no
// "-" either, which the file reads as the start of a delay where the ZEP feeds another.
QString TypedTextRefusal(const QString& text, TypedText what);
