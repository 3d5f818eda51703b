#pragma once
// Shared by the ".net" file tests: fresh tables, reading a text as a file, and the net in
// the tables as short comparable lines.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QStringList>
#include <ostream>

#include "model/NetDef.h"
#include "netfile/NetReader.h"
#include "support/ScriptedPrompts.h"

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QByteArray& bytes, std::ostream* out) { *out << '"' << bytes.toStdString() << '"'; }

class NetFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    ConnKeysFromFile = false;
  }

  // Loads `text` as the editor loads a file, with the boxes shown going to `prompts`.
  static void Load(QByteArray text, ScriptedPrompts& prompts) {
    QBuffer in(&text);
    in.open(QIODevice::ReadOnly);
    LoadNet(in, prompts);
  }

  static QByteArray Lines(const QStringList& lines) { return (lines.join("\r\n") + "\r\n").toLatin1(); }

  // "T type", "L name", "U name", "Z name x,y,len func|a|b", "I name x,y,len",
  // "O name x,y,len", "C text x,y", "D x,y", "K (x,y)..." for every element in its count.
  static QStringList Describe() {
    QStringList s{QStringLiteral("T %1").arg(NetFileType)};
    for (int i = 1; i <= LibFuncCount; ++i) s << "L " + LibFuncName[i].Str();
    for (int i = 1; i <= UserFuncCount; ++i) s << "U " + UserFuncName[i].Str();
    for (int i = 1; i <= ZEPCount; ++i)
      s << QStringLiteral("Z %1 %2,%3,%4 %5|%6|%7")
               .arg(ZEPText[i].Name.Str())
               .arg(ZEPPos[i].X)
               .arg(ZEPPos[i].Y)
               .arg(ZEPPos[i].OutLength)
               .arg(ZEPText[i].FuncName.Str(), ZEPText[i].SourceA.Str(), ZEPText[i].SourceB.Str());
    for (int i = 1; i <= InputCount; ++i)
      s << QStringLiteral("I %1 %2,%3,%4").arg(InputName[i].Str()).arg(InputPos[i].X).arg(InputPos[i].Y).arg(InputPos[i].Length);
    for (int i = 1; i <= OutputCount; ++i)
      s << QStringLiteral("O %1 %2,%3,%4").arg(OutputName[i].Str()).arg(OutputPos[i].X).arg(OutputPos[i].Y).arg(OutputPos[i].Length);
    for (int i = 1; i <= CommentCount; ++i)
      s << QStringLiteral("C %1 %2,%3").arg(CommentText[i].Str()).arg(CommentPos[i].X).arg(CommentPos[i].Y);
    for (int i = 1; i <= DotCount; ++i) s << QStringLiteral("D %1,%2").arg(DotPos[i].X).arg(DotPos[i].Y);
    for (int k = 1; k <= ConnCount; ++k) {
      QString line = QStringLiteral("K ");
      for (int p = 1; p <= ConnPointCount[k]; ++p)
        line += QStringLiteral("(%1,%2)").arg(ConnPoint[k][p].X).arg(ConnPoint[k][p].Y);
      s << line;
    }
    return s;
  }
};
