#include "tools/plexor-net/ToolSupport.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "netfile/NetReader.h"
#include "platform/Errors.h"
#include "platform/LatinText.h"

void ConsolePrompts::Warning(const QString& text) { PrintErrorLine(text); }
// The one question a command meets is whether to write a net that would reload
// differently; the user reads it, and its answer, on stderr.
Answer ConsolePrompts::AskYesNo(const QString& text) {
  PrintErrorLine(text + QStringLiteral(" No"));
  return Answer::No;
}
void ConsolePrompts::ShowError(const QString& text) { PrintErrorLine(text); }

namespace {

bool UsageError(const QString& message, const char* usage) {
  PrintErrorLine(QStringLiteral("plexor-net: ") + message);
  std::fputs(usage, stderr);
  return false;
}

}  // namespace

bool ParseToolArgs(const QStringList& args, const QStringList& flags, const QStringList& valued,
                   int positionalCount, const char* usage, ToolArgs& parsed) {
  for (int i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
      parsed.Help = true;
      return true;
    }
    if (flags.contains(arg)) {
      parsed.Flags.append(arg);
    } else if (valued.contains(arg)) {
      if (i + 1 >= args.size()) return UsageError(QStringLiteral("%1 needs a value").arg(arg), usage);
      parsed.Values.insert(arg, args[++i]);
    } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
      return UsageError(QStringLiteral("unknown option '%1'").arg(arg), usage);
    } else {
      parsed.Positional.append(arg);
    }
  }
  if (parsed.Positional.size() != positionalCount)
    return UsageError(QStringLiteral("expected %1 file argument(s), got %2")
                          .arg(positionalCount)
                          .arg(parsed.Positional.size()),
                      usage);
  return true;
}

void PrintHelp(const char* help) { std::fputs(help, stdout); }

bool PrintOut(const QByteArray& bytes) {
  errno = 0;
  const size_t written = std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
  if (std::fflush(stdout) == 0 && written == static_cast<size_t>(bytes.size())) return true;
  const int error = errno;
  PrintErrorLine(QStringLiteral("plexor-net: cannot write the standard output: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(error != 0 ? error : EIO))));
  return false;
}

void PrintErrorLine(const QString& text) {
  // Messages quote names and text of the file, whose control characters must not reach
  // the terminal.
  const QByteArray bytes = ControlsEscaped(text, true).toLocal8Bit() + '\n';
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

bool LoadNetFile(const QString& path, Prompts& prompts, TCapacityCuts* cuts) {
  try {
    const std::unique_ptr<QFile> file = OpenNetFile(path);
    const TCapacityCuts cut = LoadNet(*file, prompts);
    if (cuts) *cuts = cut;
    return true;
  } catch (const RuntimeError& error) {
    PrintErrorLine(error.Message());
    return false;
  }
}
