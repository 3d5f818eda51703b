// Which element of each kind a pointer position hits.
#include <gtest/gtest.h>

#include "drawing/ViewScale.h"
#include "editing/HitTest.h"

namespace {

class HitTestTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    Scale = 2;  // Pitch 16, ZEPRadius 32
    ComputeViewMetrics();
  }
};

TEST_F(HitTestTest, AZEPIsHitInsideAndOnItsRim) {
  ZEPCount = 2;
  ZEPPos[1] = {10, 10, 3};  // centre 160,160
  ZEPPos[2] = {11, 10, 3};  // overlaps ZEP 1
  struct Case {
    int x, y, zep;
  };
  const Case cases[] = {
      {160, 160, 1}, {192, 160, 1}, {128, 160, 1}, {160, 128, 1}, {160, 192, 1},
      {180, 184, 1},  // 20² + 24² = 976 <= 1024
      {179, 186, 2},  // 19² + 26² = 1037: outside ZEP 1, inside ZEP 2
      {193, 160, 2}, {208, 160, 2}, {209, 160, 0}, {127, 160, 0}, {160, 193, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(HitTest(c.x, c.y).ZEP, c.zep) << c.x << "," << c.y;
}

TEST_F(HitTestTest, ALabelBoxIsHitInsideAndOnItsEdges) {
  InputCount = 2;
  InputBox[1] = {10, 20, 50, 30};
  InputBox[2] = {40, 25, 90, 35};  // overlaps Input 1: the lower number wins
  OutputCount = 1;
  OutputBox[1] = {10, 20, 50, 30};
  CommentCount = 1;
  CommentBox[1] = {0, 0, 5, 5};
  DotCount = 1;
  DotBox[1] = {47, 27, 53, 33};
  struct Case {
    int x, y;
    THits hits;
  };
  const Case cases[] = {
      {10, 20, {0, 1, 1, 0, 0}}, {50, 30, {0, 1, 1, 0, 1}}, {9, 20, {}},
      {45, 28, {0, 1, 1, 0, 0}}, {50, 33, {0, 2, 0, 0, 1}}, {90, 35, {0, 2, 0, 0, 0}},
      {91, 35, {}},             {5, 5, {0, 0, 0, 1, 0}},   {53, 27, {0, 2, 0, 0, 1}},
  };
  for (const Case& c : cases) EXPECT_EQ(HitTest(c.x, c.y), c.hits) << c.x << "," << c.y;
}

TEST_F(HitTestTest, RecordsBeyondTheCountAreNeverHit) {
  ZEPPos[1] = {10, 10, 3};
  InputBox[1] = {0, 0, 1000, 1000};
  DotBox[1] = {0, 0, 1000, 1000};
  EXPECT_FALSE(HitTest(160, 160).Any());
}

}  // namespace
