#include <gtest/gtest.h>

#include <vector>

#include "drawing/Routing.h"
#include "model/NetDef.h"
#include "netfile/NewNet.h"

namespace {

using Points = std::vector<TGridPoint>;

Points Laid(int k) {
  Points points;
  for (int p = 1; p <= ConnPointCount[k]; ++p) points.push_back(ConnPoint[k][p]);
  return points;
}

class RoutingTest : public ::testing::Test {
protected:
  void SetUp() override { ResetNetDef(); }

  static int AddZEP(int x, int y, int outLength = 3) {
    ++ZEPCount;
    ZEPPos[ZEPCount] = {x, y, outLength};
    ZEPLink[ZEPCount] = {};
    return ZEPCount;
  }
  static int AddInput(int x, int y, int length = 4) {
    InputPos[++InputCount] = {x, y, length};
    return InputCount;
  }
  static int AddOutput(int x, int y, int length = 0) {
    OutputPos[++OutputCount] = {x, y, length};
    return OutputCount;
  }
};

TEST_F(RoutingTest, LaysEachShapeFromDestinationToSource) {
  struct Case {
    const char* what;
    int port, kind;
    TGridPoint destination, source;
    Points expected;
  };
  const Case cases[] = {
      {"forward, both coordinates differ", 1, 1, {27, 7}, {10, 4}, {{27, 7}, {10, 7}, {10, 4}}},
      {"forward, same row", 2, 1, {27, 13}, {10, 13}, {{27, 13}, {10, 13}}},
      {"forward, same column", 1, 2, {27, 7}, {27, 2}, {{27, 7}, {27, 2}}},
      {"backward A from a ZEP", 1, 2, {27, 7}, {43, 20}, {{27, 7}, {27, 6}, {43, 6}, {43, 16}, {43, 20}}},
      {"backward B from a ZEP above", 2, 3, {27, 13}, {43, 2}, {{27, 13}, {27, 14}, {43, 14}, {43, 6}, {43, 2}}},
      {"backward A from an Input", 1, 1, {27, 7}, {40, 3}, {{27, 7}, {27, 6}, {40, 6}, {40, 3}}},
      {"backward B from an Input", 2, 1, {27, 13}, {40, 3}, {{27, 13}, {27, 14}, {40, 14}, {40, 3}}},
      {"backward detour clamped at row 0", 1, 2, {7, 2}, {23, 2}, {{7, 2}, {7, 1}, {23, 1}, {23, 0}, {23, 2}}},
      {"backward A with the step landing on the detour row", 1, 2, {7, 9}, {23, 12},
       {{7, 9}, {7, 8}, {23, 8}, {23, 12}}},
      {"ZEP output left of its Output", 0, 0, {33, 10}, {39, 12}, {{33, 10}, {33, 10}, {39, 10}, {39, 12}}},
  };
  for (const Case& c : cases) {
    ConnPointCount[5] = 99;
    EXPECT_TRUE(LayRoute(5, c.port, c.kind, c.destination, c.source)) << c.what;
    EXPECT_EQ(Laid(5), c.expected) << c.what;
  }
  ConnPointCount[5] = 99;
  EXPECT_FALSE(LayRoute(5, 1, 1, {4, 4}, {4, 4})) << "coincident ends";
  EXPECT_EQ(ConnPointCount[5], 0);
}

TEST_F(RoutingTest, NumbersConnectionsZEPByZEPSkippingWhatLaysNothing) {
  const int in = AddInput(5, 4, 5);               // right end (10, 4)
  const int lone = AddZEP(60, 60);                // no sources, no Output
  const int fed = AddZEP(30, 10);                 // A from the Input, B from ZEP 3
  const int late = AddZEP(40, 20);                // output end (43, 20)
  const int out = AddOutput(40, 12, 1);           // left end (39, 12)
  const int touching = AddZEP(13, 7);             // input A end (10, 4) on the Input's end
  ZEPLink[fed] = {0, KindInput, 0, in, KindZEPNoDelay, 0, late, out};
  ZEPLink[touching].AKind = KindInput;
  ZEPLink[touching].AIndex = in;
  RebuildRoutes();

  ASSERT_EQ(ConnCount, 3);
  EXPECT_EQ(RouteRequest[1], (TRouteRequest{KindInput, in, fed, 1}));
  EXPECT_EQ(Laid(1), (Points{{27, 7}, {10, 7}, {10, 4}}));
  EXPECT_EQ(RouteRequest[2], (TRouteRequest{KindZEPNoDelay, late, fed, 2}));
  EXPECT_EQ(Laid(2), (Points{{27, 13}, {27, 14}, {43, 14}, {43, 16}, {43, 20}}));
  EXPECT_EQ(RouteRequest[3], (TRouteRequest{0, fed, out, 0}));
  EXPECT_EQ(Laid(3), (Points{{33, 10}, {33, 10}, {39, 10}, {39, 12}}));
  (void)lone;

  ZEPCount = 0;
  RebuildRoutes();
  EXPECT_EQ(ConnCount, 0);
}

TEST_F(RoutingTest, FollowsNoLinkToAnElementBeyondItsCount) {
  const int zep = AddZEP(30, 10);
  ZEPLink[zep] = {0, KindInput, 0, 3, KindZEP, 2, 7, 2};  // 3 > InputCount, 7 > ZEPCount, 2 > OutputCount
  AddInput(0, 0);
  AddOutput(50, 50);
  RebuildRoutes();
  EXPECT_EQ(ConnCount, 0);
}

TEST_F(RoutingTest, LaysNoMoreConnectionsThanTheTableHolds) {
  // 256 ZEPs with both inputs and an Output reference 768 connections; 512 fit.
  const int in = AddInput(0, 0);
  for (int j = 1; j <= MaxZEP; ++j) {
    AddZEP(100, 10 * j);
    AddOutput(200, 10 * j);
    ZEPLink[j] = {0, KindInput, 0, in, KindInput, 0, in, j};
  }
  RebuildRoutes();
  EXPECT_EQ(ConnCount, MaxConn);
  // 170 ZEPs give 510 connections; ZEP 171 fills the table with its two inputs.
  EXPECT_EQ(RouteRequest[MaxConn], (TRouteRequest{KindInput, in, 171, 2}));
  EXPECT_EQ(RouteRequest[MaxConn - 2], (TRouteRequest{0, 170, 170, 0}));
}

TEST_F(RoutingTest, WildPositionsRouteWithoutOverflow) {
  const int zep = AddZEP(-2147483647, 2147483647, 2147483647);
  const int source = AddZEP(2147483647, -2147483647, 2147483647);
  ZEPLink[zep] = {0, KindZEP, 1, source, KindZEP, 0, zep, 0};
  RebuildRoutes();
  EXPECT_EQ(ConnCount, 2);
  for (int k = 1; k <= ConnCount; ++k) EXPECT_LE(ConnPointCount[k], 5);
}

TEST_F(RoutingTest, NewNetGetsItsThreeConnections) {
  SetUpNewNet();
  RebuildRoutes();
  ASSERT_EQ(ConnCount, 3);
  EXPECT_EQ(Laid(1), (Points{{5, 5}, {4, 5}}));
  EXPECT_EQ(Laid(2), (Points{{5, 11}, {4, 11}}));
  EXPECT_EQ(Laid(3), (Points{{11, 8}, {11, 8}, {12, 8}}));
}

}  // namespace
