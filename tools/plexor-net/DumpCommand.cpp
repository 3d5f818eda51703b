// plexor-net dump: the tables of a loaded net as one JSON object.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "drawing/Routing.h"
#include "model/NetDef.h"
#include "tools/plexor-net/NetCommands.h"
#include "tools/plexor-net/ToolSupport.h"

namespace {

const char* const DumpUsage = "usage: plexor-net dump FILE.net [--rebuild]\n";
const char* const DumpHelp =
    "usage: plexor-net dump FILE.net [--rebuild]\n"
    "Loads the net as the editor does and prints its tables as one JSON object:\n"
    "NetFileType, LibFuncName, UserFuncName, ZEP, Input, Output, Comment, Dot, Connection.\n"
    "  --rebuild   lay the connections again from the ZEP links first; each connection\n"
    "              then also gives its Request [FromKind, FromIndex, ToIndex, Port]\n"
    "Exit status: 0 done, 1 the file could not be loaded or the output not written,\n"
    "64 wrong usage.\n";

template <typename Names>
QJsonArray NameArray(const Names& names, int count) {
  QJsonArray array;
  for (int i = 1; i <= count; ++i) array.append(names[i].Str());
  return array;
}

QJsonArray ZEPArray() {
  QJsonArray array;
  for (int i = 1; i <= ZEPCount; ++i) {
    const TZEPText& t = ZEPText[i];
    const TZEPPos& p = ZEPPos[i];
    const TZEPLink& l = ZEPLink[i];
    array.append(QJsonObject{{"Name", t.Name.Str()},       {"FuncName", t.FuncName.Str()},
                             {"SourceA", t.SourceA.Str()}, {"SourceB", t.SourceB.Str()},
                             {"X", p.X},                   {"Y", p.Y},
                             {"OutLength", p.OutLength},   {"FuncCode", l.FuncCode},
                             {"AKind", l.AKind},           {"ADelay", l.ADelay},
                             {"AIndex", l.AIndex},         {"BKind", l.BKind},
                             {"BDelay", l.BDelay},         {"BIndex", l.BIndex},
                             {"OutIndex", l.OutIndex}});
  }
  return array;
}

template <typename Names, typename Positions>
QJsonArray TerminalArray(const Names& names, const Positions& positions, int count) {
  QJsonArray array;
  for (int i = 1; i <= count; ++i)
    array.append(QJsonObject{{"Name", names[i].Str()},
                             {"X", positions[i].X},
                             {"Y", positions[i].Y},
                             {"Length", positions[i].Length}});
  return array;
}

QJsonArray CommentArray() {
  QJsonArray array;
  for (int i = 1; i <= CommentCount; ++i)
    array.append(QJsonObject{{"Text", CommentText[i].Str()}, {"X", CommentPos[i].X}, {"Y", CommentPos[i].Y}});
  return array;
}

QJsonArray DotArray() {
  QJsonArray array;
  for (int i = 1; i <= DotCount; ++i) array.append(QJsonObject{{"X", DotPos[i].X}, {"Y", DotPos[i].Y}});
  return array;
}

QJsonArray ConnectionArray(bool withRequests) {
  QJsonArray array;
  for (int k = 1; k <= ConnCount; ++k) {
    QJsonArray points;
    for (int p = 1; p <= ConnPointCount[k]; ++p) points.append(QJsonArray{ConnPoint[k][p].X, ConnPoint[k][p].Y});
    QJsonObject connection{{"Points", points}};
    if (withRequests) {
      const TRouteRequest& r = RouteRequest[k];
      connection.insert("Request", QJsonArray{r.FromKind, r.FromIndex, r.ToIndex, r.Port});
    }
    array.append(connection);
  }
  return array;
}

QJsonObject NetObject(bool withRequests) {
  return QJsonObject{{"NetFileType", NetFileType},
                     {"LibFuncName", NameArray(LibFuncName, LibFuncCount)},
                     {"UserFuncName", NameArray(UserFuncName, UserFuncCount)},
                     {"ZEP", ZEPArray()},
                     {"Input", TerminalArray(InputName, InputPos, InputCount)},
                     {"Output", TerminalArray(OutputName, OutputPos, OutputCount)},
                     {"Comment", CommentArray()},
                     {"Dot", DotArray()},
                     {"Connection", ConnectionArray(withRequests)}};
}

}  // namespace

int RunDump(const QStringList& args) {
  ToolArgs parsed;
  if (!ParseToolArgs(args, {QStringLiteral("--rebuild")}, {}, 1, DumpUsage, parsed)) return ExitUsage;
  if (parsed.Help) {
    PrintHelp(DumpHelp);
    return 0;
  }
  ConsolePrompts prompts;
  if (!LoadNetFile(parsed.Positional[0], prompts)) return 1;
  const bool rebuild = parsed.Flags.contains(QStringLiteral("--rebuild"));
  if (rebuild) RebuildRoutes();
  return PrintOut(QJsonDocument(NetObject(rebuild)).toJson(QJsonDocument::Compact) + '\n') ? 0 : 1;
}
