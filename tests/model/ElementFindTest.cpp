// Finding elements by the texts they show, and the order in which Enter goes through them.
#include <gtest/gtest.h>

#include "model/ElementFind.h"
#include "support/TestNet.h"

namespace {

TEST(ElementFind, MatchesInKindOrderAndGoesRoundBothWays) {
  ResetNetDef();
  PutZEP({"Gain", "Mul", "", ""}, {10, 10, 3});
  PutZEP({"Mixer", "Add", "", ""}, {20, 10, 3});
  PutZEP({"Trim", "REMIX", "", ""}, {30, 10, 3});
  PutInput("In", {0, 5, 2});
  PutInput("mixIn", {0, 9, 2});
  PutOutput("Mixer", {40, 10, 2});
  PutComment("no match here", {5, 30});
  PutComment("the mix of both", {5, 40});
  PutDot({9, 9});

  const QList<TFound> mix = FindElements("MIX");
  const QList<TFound> expected = {{ElementKind::ZEP, 2},   {ElementKind::ZEP, 3},    {ElementKind::Input, 2},
                                  {ElementKind::Output, 1}, {ElementKind::Comment, 2}};
  EXPECT_EQ(mix, expected);
  EXPECT_EQ(FindElements("mul"), (QList<TFound>{{ElementKind::ZEP, 1}}));  // by its function
  EXPECT_TRUE(FindElements("").isEmpty());
  EXPECT_TRUE(FindElements("Dot").isEmpty());

  struct Case {
    std::optional<TFound> from;
    bool backwards;
    TFound next;
  };
  const Case cases[] = {
      {std::nullopt, false, {ElementKind::ZEP, 2}},
      {std::nullopt, true, {ElementKind::Comment, 2}},
      {TFound{ElementKind::ZEP, 2}, false, {ElementKind::ZEP, 3}},
      {TFound{ElementKind::ZEP, 3}, false, {ElementKind::Input, 2}},
      {TFound{ElementKind::Comment, 2}, false, {ElementKind::ZEP, 2}},  // round to the first
      {TFound{ElementKind::ZEP, 2}, true, {ElementKind::Comment, 2}},   // round to the last
      {TFound{ElementKind::Output, 1}, true, {ElementKind::Input, 2}},
      // From an element that no longer matches: the neighbours of its place in the order.
      {TFound{ElementKind::Input, 1}, false, {ElementKind::Input, 2}},
      {TFound{ElementKind::Input, 1}, true, {ElementKind::ZEP, 3}},
  };
  for (const Case& c : cases) {
    const std::optional<TFound> next = NextMatch(mix, c.from, c.backwards);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(*next, c.next) << (c.from ? c.from->Index : 0) << (c.backwards ? " back" : "");
  }
  EXPECT_FALSE(NextMatch({}, TFound{ElementKind::ZEP, 1}, false).has_value());
}

}  // namespace
