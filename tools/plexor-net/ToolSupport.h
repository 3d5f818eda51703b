#pragma once
// What the plexor-net commands share: prompts for a program without windows, the argument
// reading, and loading a net as the editor does.
#include <QMap>
#include <QStringList>

#include "platform/RefusingPrompts.h"

struct TCapacityCuts;

// Warnings and errors go to stderr; no file dialog is ever answered, and every question is
// answered No (Cancel where it offers Cancel); a Yes/No question is printed with its answer.
class ConsolePrompts : public RefusingPrompts {
public:
  void Warning(const QString& text) override;
  Answer AskYesNo(const QString& text) override;
  void ShowError(const QString& text) override;
};

// A command line taken apart: positional arguments, flags given, and option values.
struct ToolArgs {
  QStringList Positional;
  QStringList Flags;
  QMap<QString, QString> Values;
  bool Help = false;
};

// Reads `args` knowing the command's flags and options that take a value. On wrong usage
// prints `message`-style text with the command's usage on stderr and returns false.
bool ParseToolArgs(const QStringList& args, const QStringList& flags, const QStringList& valued,
                   int positionalCount, const char* usage, ToolArgs& parsed);

// Prints the command's help on stdout.
void PrintHelp(const char* help);

// Prints bytes on stdout; false, with the reason on stderr, when stdout cannot take them.
bool PrintOut(const QByteArray& bytes);
// Prints a line on stderr.
void PrintErrorLine(const QString& text);

// Loads a net file as the editor's Load does (read, capacity warning, ResolveLinks), all or
// nothing; `cuts`, when given, gets what did not fit. A load error is printed on stderr
// and gives false.
bool LoadNetFile(const QString& path, Prompts& prompts, TCapacityCuts* cuts = nullptr);
