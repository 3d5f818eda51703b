#include <gtest/gtest.h>

#include "model/LinkResolution.h"
#include "model/NetDef.h"
#include "platform/Errors.h"

namespace {

class LinkResolutionTest : public ::testing::Test {
protected:
  void SetUp() override { ResetNetDef(); }

  static int AddZEP(const char* name, const char* func, const char* a, const char* b) {
    ZEPText[++ZEPCount] = {name, func, a, b};
    return ZEPCount;
  }
  static void AddInputs(std::initializer_list<const char*> names) {
    for (const char* name : names) InputName[++InputCount] = name;
  }
  static void AddOutputs(std::initializer_list<const char*> names) {
    for (const char* name : names) OutputName[++OutputCount] = name;
  }
};

TEST_F(LinkResolutionTest, ResolvesSourcesByNameIgnoringCase) {
  AddInputs({"Input1", "Twin"});
  AddZEP("Mix", "Non", "InPut1", "Non");      // 1: an Input, case ignored
  AddZEP("Twin", "Non", "twin", "MIX");       // 2: the Input wins over the ZEP; a ZEP without delay
  AddZEP("Dly", "Non", "mix-3", "Ghost-2");   // 3: a ZEP with delay; no such ZEP
  AddZEP("A-B", "Non", "Dly", "A-B");         // 4: a name holding "-" is found whole first
  AddZEP("Sp", "Non", "Mix -2", "Nix -1");    // 5: blanks before the suffix belong to no name
  ResolveLinks();

  struct Expect {
    int zep;
    TZEPLink link;
    const char* sourceA;
    const char* sourceB;
  };
  const Expect expected[] = {
      {1, {0, KindInput, 0, 1, KindNone, 0, 0, 0}, "InPut1", "Non"},
      {2, {0, KindInput, 0, 2, KindZEPNoDelay, 0, 1, 0}, "twin", "MIX"},
      {3, {0, KindZEP, 3, 1, KindNone, 0, 0, 0}, "mix", "Ghost"},
      {4, {0, KindZEPNoDelay, 0, 3, KindZEPNoDelay, 0, 4, 0}, "Dly", "A-B"},
      {5, {0, KindZEP, 2, 1, KindNone, 0, 0, 0}, "Mix", "Nix"},
  };
  for (const Expect& e : expected) {
    EXPECT_EQ(ZEPLink[e.zep], e.link) << "ZEP " << e.zep;
    EXPECT_EQ(ZEPText[e.zep].SourceA, e.sourceA) << "ZEP " << e.zep;
    EXPECT_EQ(ZEPText[e.zep].SourceB, e.sourceB) << "ZEP " << e.zep;
  }
}

TEST_F(LinkResolutionTest, AnUnknownNameClearsWhateverWasResolvedBefore) {
  AddInputs({"In"});
  const int z = AddZEP("Z", "Non", "In", "In");
  ResolveLinks();
  ASSERT_EQ(ZEPLink[z].AKind, KindInput);
  ZEPText[z].SourceA = "Non";
  ResolveLinks();
  EXPECT_EQ(ZEPLink[z], (TZEPLink{0, KindNone, 0, 0, KindInput, 0, 1, 0}));
}

TEST_F(LinkResolutionTest, FunctionCodesSearchTheUserListFirst) {
  LibFuncName[1] = "Add";
  LibFuncName[2] = "Both";
  LibFuncCount = 2;
  UserFuncName[1] = "Mine";
  UserFuncName[2] = "BOTH";
  UserFuncCount = 2;
  AddZEP("a", "add", "Non", "Non");
  AddZEP("b", "both", "Non", "Non");
  AddZEP("c", "Mine", "Non", "Non");
  AddZEP("d", "Non", "Non", "Non");
  ResolveLinks();
  EXPECT_EQ(ZEPLink[1].FuncCode, 1);
  EXPECT_EQ(ZEPLink[2].FuncCode, 102);
  EXPECT_EQ(ZEPLink[3].FuncCode, 101);
  EXPECT_EQ(ZEPLink[4].FuncCode, 0);
}

TEST_F(LinkResolutionTest, OutputNumberIsTheFirstOutputOfTheZEPsName) {
  AddOutputs({"Other", "sum", "Sum"});
  AddZEP("Sum", "Non", "Non", "Non");
  AddZEP("Lone", "Non", "Non", "Non");
  ResolveLinks();
  EXPECT_EQ(ZEPLink[1].OutIndex, 2);
  EXPECT_EQ(ZEPLink[2].OutIndex, 0);
}

TEST_F(LinkResolutionTest, ADelayThatIsNoIntegerStopsThePass) {
  AddOutputs({"One", "Two"});
  const int one = AddZEP("One", "Non", "Non", "Non");
  const int two = AddZEP("Two", "Non", "One-x", "One");
  const int three = AddZEP("Three", "Non", "One", "Non");
  ZEPLink[one].OutIndex = 7;
  ZEPLink[two] = {0, 9, 9, 9, 9, 9, 9, 9};
  ZEPLink[three] = {0, 8, 8, 8, 8, 8, 8, 8};
  try {
    ResolveLinks();
    FAIL() << "no conversion error";
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), QStringLiteral("'x' is not a valid integer value"));
  }
  EXPECT_EQ(ZEPText[two].SourceA, "One");
  EXPECT_EQ(ZEPLink[one].OutIndex, 7) << "Output numbers are the last pass";
  EXPECT_EQ(ZEPLink[two], (TZEPLink{0, 9, 9, 9, 9, 9, 9, 9})) << "the failing input keeps its link";
  EXPECT_EQ(ZEPLink[three], (TZEPLink{0, 8, 8, 8, 8, 8, 8, 8}));
}

}  // namespace
