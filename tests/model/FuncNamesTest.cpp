// The function name lists: names from file names, list-file imports, and deletion with the
// renumbering of the ZEPs' function codes.
#include <QFile>
#include <gtest/gtest.h>

#include "model/FuncNames.h"
#include "model/NetDef.h"
#include "platform/Errors.h"
#include "support/TempDir.h"

namespace {

class FuncNamesTest : public ::testing::Test {
protected:
  void SetUp() override { ResetNetDef(); }

  static void SetLibrary(const QStringList& names) {
    LibFuncCount = 0;
    for (const QString& n : names) LibFuncName[++LibFuncCount] = n;
  }
  static void SetUser(const QStringList& names) {
    UserFuncCount = 0;
    for (const QString& n : names) UserFuncName[++UserFuncCount] = n;
  }
  static void AddZEP(const QString& funcName, int funcCode) {
    ++ZEPCount;
    ZEPText[ZEPCount].Name = QStringLiteral("Z%1").arg(ZEPCount);
    ZEPText[ZEPCount].FuncName = funcName;
    ZEPLink[ZEPCount].FuncCode = funcCode;
  }
  QString WriteList(const QByteArray& bytes) {
    const QString path = tmp.File(QStringLiteral("names.lst"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }

  TempDir tmp;
};

TEST_F(FuncNamesTest, NameOfAFileIsItsNameUpToTheFirstDot) {
  struct Case {
    const char* path;
    const char* name;
  } cases[] = {
      {"/data/adder.lib", "adder"},
      {"/data/my.filter.lib", "my"},
      {"/data/abcdefghijklmnopq.zep", "abcdefghijklmno"},
      {"/da.ta/noextension", ""},
      {"relative/Adder.lib", "Adder"},
  };
  for (const Case& c : cases) EXPECT_EQ(FuncNameOfFile(c.path).Str(), QString(c.name)) << c.path;
}

TEST_F(FuncNamesTest, AddingANameSkipsExactDuplicatesAndEmptyNames) {
  SetLibrary({"adder"});
  EXPECT_EQ(AddLibFuncName(FuncNameOfFile("/d/adder.lib")), NameAdd::AlreadyListed);
  EXPECT_EQ(AddLibFuncName(FuncNameOfFile("/d/Adder.lib")), NameAdd::Added);
  EXPECT_EQ(AddLibFuncName(FuncNameOfFile("/d/plain")), NameAdd::Empty);
  EXPECT_EQ(DeletableFuncNames(), (QStringList{"adder", "Adder"}));

  EXPECT_EQ(AddUserFuncName(FuncNameOfFile("/d/sixteen_chars_xy.zep")), NameAdd::Added);
  EXPECT_EQ(UserFuncName[1].Str(), QStringLiteral("sixteen_chars_x"));
  // The same 15 characters again is a duplicate.
  EXPECT_EQ(AddUserFuncName(FuncNameOfFile("/d/sixteen_chars_xz.zep")), NameAdd::AlreadyListed);
  EXPECT_EQ(UserFuncCount, 1);
}

TEST_F(FuncNamesTest, FullListsRefuseANewName) {
  for (int j = 1; j <= MaxLibFunc; ++j) EXPECT_EQ(AddLibFuncName(QStringLiteral("L%1").arg(j)), NameAdd::Added);
  EXPECT_EQ(AddLibFuncName("more"), NameAdd::ListFull);
  for (int u = 1; u <= MaxUserFunc; ++u) AddUserFuncName(QStringLiteral("U%1").arg(u));
  EXPECT_EQ(UserFuncCount, MaxUserFunc);
  EXPECT_EQ(AddUserFuncName("more"), NameAdd::ListFull);
  EXPECT_EQ(LibFuncCount, MaxLibFunc);
}

TEST_F(FuncNamesTest, ListFileSkipsCommentsBlankLinesAndNamesListedInAnyCase) {
  const QString path = WriteList("$ library of the adders\r\n\r\n  mul  \r\nMUL\r\nadd\r\n");
  const TListImport result = ImportLibFuncList(path);
  EXPECT_EQ(result.Added, 2);
  EXPECT_FALSE(result.StoppedFull);
  EXPECT_EQ(DeletableFuncNames(), (QStringList{"mul", "add"}));

  // LF line ends; "$" after blanks is a name; a line of blanks and tabs is no name; a long
  // line is cut to 15 and not added again by a second import.
  const QString second = WriteList(" $x\n \t \nabcdefghijklmnopqrs\n\tsub\x01\n");
  EXPECT_EQ(ImportLibFuncList(second).Added, 3);
  EXPECT_EQ(ImportLibFuncList(second).Added, 0);
  EXPECT_EQ(DeletableFuncNames(), (QStringList{"mul", "add", "$x", "abcdefghijklmno", "sub"}));

  // Lines that end in a lone CR.
  EXPECT_EQ(ImportLibFuncList(WriteList("$ older system\rdiv\rneg\r")).Added, 2);
  EXPECT_EQ(DeletableFuncNames().mid(5), (QStringList{"div", "neg"}));
}

TEST_F(FuncNamesTest, ListFileStopsAtAFullLibrary) {
  for (int j = 1; j <= MaxLibFunc - 1; ++j) AddLibFuncName(QStringLiteral("L%1").arg(j));
  const TListImport result = ImportLibFuncList(WriteList("l1\r\nlast\r\nnext\r\nother\r\n"));
  EXPECT_EQ(result.Added, 1);
  EXPECT_TRUE(result.StoppedFull);
  EXPECT_EQ(LibFuncCount, MaxLibFunc);
  EXPECT_EQ(LibFuncName[MaxLibFunc].Str(), QStringLiteral("last"));
  // A full library with nothing new to add is no refusal.
  EXPECT_FALSE(ImportLibFuncList(WriteList("L1\r\nlast\r\n")).StoppedFull);
}

TEST_F(FuncNamesTest, ListFileThatCannotBeOpenedRaisesTheInOutError) {
  SetLibrary({"a"});
  try {
    ImportLibFuncList(tmp.File("missing.lst"));
    FAIL() << "no error";
  } catch (const EInOutError& error) {
    EXPECT_TRUE(error.Message().contains("missing.lst"));
  }
  EXPECT_EQ(LibFuncCount, 1);
}

TEST_F(FuncNamesTest, DeletingANameRenumbersTheFunctionCodesAbove) {
  SetLibrary({"a", "b", "c"});
  SetUser({"u1", "u2", "u3"});
  AddZEP("c", 3);
  AddZEP("a", 1);
  AddZEP("u3", 103);
  AddZEP("u1", 101);
  EXPECT_FALSE(FuncNameInUse("b"));
  EXPECT_TRUE(RemoveFuncName("b"));
  EXPECT_EQ(DeletableFuncNames(), (QStringList{"u1", "u2", "u3", "a", "c"}));
  EXPECT_EQ(ZEPLink[1].FuncCode, 2);
  EXPECT_EQ(ZEPLink[2].FuncCode, 1);
  EXPECT_EQ(ZEPLink[3].FuncCode, 103);

  EXPECT_TRUE(RemoveFuncName("u2"));
  EXPECT_EQ(ZEPLink[1].FuncCode, 2);
  EXPECT_EQ(ZEPLink[3].FuncCode, 102);
  EXPECT_EQ(ZEPLink[4].FuncCode, 101);
  EXPECT_FALSE(RemoveFuncName("zz"));
}

TEST_F(FuncNamesTest, ANameInUseIsReleasedByEveryZEPUsingIt) {
  SetLibrary({"add", "mul"});
  AddZEP("mul", 2);
  AddZEP("add", 1);
  AddZEP("mul", 2);
  EXPECT_TRUE(FuncNameInUse("mul"));
  EXPECT_FALSE(FuncNameInUse("MUL"));
  ReleaseFuncName("mul");
  RemoveFuncName("mul");
  for (int z : {1, 3}) {
    EXPECT_EQ(ZEPText[z].FuncName.Str(), QStringLiteral("Non"));
    EXPECT_EQ(ZEPLink[z].FuncCode, 0);
  }
  EXPECT_EQ(ZEPText[2].FuncName.Str(), QStringLiteral("add"));
  EXPECT_EQ(ZEPLink[2].FuncCode, 1);
}

TEST_F(FuncNamesTest, ACodePointingAtTheRemovedEntryIsNotHandedToTheNextName) {
  // Resolved without regard to case, "ADD" points at "add" without being "in use".
  SetUser({"add", "sub"});
  AddZEP("ADD", 101);
  AddZEP("sub", 102);
  ASSERT_FALSE(FuncNameInUse("add"));
  RemoveFuncName("add");
  EXPECT_EQ(ZEPLink[1].FuncCode, 0);
  EXPECT_EQ(ZEPText[1].FuncName.Str(), QStringLiteral("ADD"));
  EXPECT_EQ(ZEPLink[2].FuncCode, 101);
}

TEST_F(FuncNamesTest, ANameInBothListsIsRemovedFromTheUserListFirst) {
  SetLibrary({"f", "g"});
  SetUser({"f"});
  RemoveFuncName("f");
  EXPECT_EQ(DeletableFuncNames(), (QStringList{"f", "g"}));
  EXPECT_EQ(UserFuncCount, 0);
  RemoveFuncName("f");
  EXPECT_EQ(DeletableFuncNames(), (QStringList{"g"}));
  EXPECT_EQ(OfferedFuncNames(), (QStringList{"g"}));
}

}  // namespace
