// The tips the canvas shows over ZEPs and Inputs.
#include <gtest/gtest.h>

#include "model/ElementTips.h"
#include "model/NetRules.h"
#include "support/TestNet.h"

namespace {

TEST(ElementTips, NameFunctionSourcesWithTheirDelaysAndWhatIsFed) {
  ResetNetDef();
  LibFuncName[1] = "Add";
  LibFuncCount = 1;
  PutInput("In", {0, 5, 2});
  PutInput("Spare", {0, 9, 2});
  // ZEP 1 adds In to the output of ZEP 2, which it reads a scan late; ZEP 2 reads ZEP 1.
  PutZEP({"Sum", "Add", "In", "Filter-2"}, {10, 10, 3}, {1, KindInput, 0, 1, KindZEP, 2, 2, 1});
  PutZEP({"Filter", "Gone", "Sum-1", "Sum"}, {20, 10, 3}, {0, KindZEP, 1, 1, KindZEPNoDelay, 0, 1, 0});
  PutOutput("Sum", {30, 10, 2});

  EXPECT_EQ(ElementTip(ElementKind::ZEP, 1).toStdString(),
            "ZEP 1 Sum\n"
            "Function: Add\n"
            "Input A: Input 1 In\n"
            "Input B: ZEP 2 Filter, delay 2, one scan more: fed from a later ZEP\n"
            "Output feeds: ZEP 2 Filter input A, ZEP 2 Filter input B, Output 1 Sum");
  EXPECT_EQ(ElementTip(ElementKind::ZEP, 2).toStdString(),
            "ZEP 2 Filter\n"
            "Function: none\n"
            "Input A: ZEP 1 Sum, delay 1\n"
            "Input B: ZEP 1 Sum, delay 0\n"
            "Output feeds: ZEP 1 Sum input B");
  EXPECT_EQ(ElementTip(ElementKind::Input, 1).toStdString(), "Input 1 In\nFeeds: ZEP 1 Sum input A");
  EXPECT_EQ(ElementTip(ElementKind::Input, 2).toStdString(), "Input 2 Spare\nFeeds: nothing");
  EXPECT_EQ(ElementTip(ElementKind::Output, 1), "");
  EXPECT_EQ(ElementTip(ElementKind::Input, 3), "");

  // A ZEP fed from itself reads its own value of the scan before; a stale link is no source.
  ZEPLink[2].AIndex = 2;
  ZEPLink[2].BIndex = 7;
  EXPECT_EQ(ElementTip(ElementKind::ZEP, 2).toStdString(),
            "ZEP 2 Filter\n"
            "Function: none\n"
            "Input A: ZEP 2 Filter, delay 1, one scan more: fed from a later ZEP\n"
            "Input B: none\n"
            "Output feeds: ZEP 1 Sum input B, ZEP 2 Filter input A");
}

}  // namespace
