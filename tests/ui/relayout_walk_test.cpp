// The template walk of the relayout, driven by a target that records what
// would be done to the dialog: which items are moved where, restored and
// counted, and what a damaged template leads to. No windows are involved.

#include "ui/template_layout_walk.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/template_bytes.h"

namespace {

using Key = ResourceModule::Key;

constexpr DWORD kDsSetFont = 0x40;

std::string KeyText(const Key& key) {
  if (const auto* ordinal = std::get_if<std::uint16_t>(&key)) return "#" + std::to_string(*ordinal);
  std::string text;
  for (char16_t c : std::get<std::u16string>(key)) text.push_back(static_cast<char>(c));
  return "'" + text + "'";
}

// Converts dialog units to pixels as x * 2 and y * 3 and writes down every
// move, restoration and batch step of the walk as a line.
class RecordingTarget : public TemplateLayoutTarget {
 public:
  std::set<WORD> controls;
  bool batchFails = false;
  bool applyFails = false;
  WORD unmappable = 0;  // MapToPixels fails for this control (0: none)
  WORD unmovable = 0;   // AddMove fails for this control (0: none)
  std::vector<std::string> steps;

  bool BeginBatch(int count) override {
    steps.push_back("begin " + std::to_string(count));
    return !batchFails;
  }
  bool HasControl(WORD id) override {
    current_ = id;
    return controls.contains(id);
  }
  bool MapToPixels(RECT& rect) override {
    if (current_ == unmappable && unmappable != 0) return false;
    rect = {rect.left * 2, rect.top * 3, rect.right * 2, rect.bottom * 3};
    return true;
  }
  bool AddMove(WORD id, int x, int y, int width, int height) override {
    steps.push_back("move " + std::to_string(id) + " " + std::to_string(x) + "," +
                    std::to_string(y) + " " + std::to_string(width) + "x" + std::to_string(height));
    return id != unmovable;
  }
  void RestoreContent(const TemplateItemHeader& item, const Key& windowClass,
                      const Key& text) override {
    steps.push_back("restore " + std::to_string(item.id) + " " + KeyText(windowClass) + " " +
                    KeyText(text) + " style " + std::to_string(item.style));
  }
  bool ApplyBatch() override {
    steps.push_back("apply");
    return !applyFails;
  }

 private:
  WORD current_ = 0;  // the control last looked up, which the next steps are for
};

using Steps = std::vector<std::string>;

TEST(WalkTemplateLayout, MovesAndRestoresEveryItemThenAppliesTheBatch) {
  TemplateBytes t;
  t.Header(WS_POPUP | kDsSetFont, 3)
      .ItemHeader(1000, 115, 7, 34, 14)
      .Ordinal(0x0080)
      .Text(u"A propos")
      .EndItem(0)
      .ItemHeader(1013, -4, 98, 21, 20, 0x5000000E)
      .Ordinal(0x0082)
      .Ordinal(134)
      .EndItem(0)
      .ItemHeader(300, 10, 20, 30, 40)
      .Text(u"MyTrackBar")
      .Text(u"")
      .EndItem(6);
  RecordingTarget target;
  target.controls = {1000, 1013, 300};
  EXPECT_TRUE(WalkTemplateLayout(t.bytes(), target));
  EXPECT_EQ(
      target.steps,
      (Steps{"begin 3", "move 1000 230,21 68x42", "restore 1000 #128 'A propos' style 1342177280",
             "move 1013 -8,294 42x60", "restore 1013 #130 #134 style 1342177294",
             "move 300 20,60 60x120", "restore 300 'MyTrackBar' '' style 1342177280", "apply"}));
}

TEST(WalkTemplateLayout, ReadsTheHeaderWithoutFontAndWithOrdinalMenuAndClass) {
  TemplateBytes t;
  t.U32(WS_POPUP)
      .U32(0)
      .U16(1)
      .U16(0)
      .U16(0)
      .U16(10)
      .U16(10)
      .Ordinal(7)
      .Text(u"MyDialogClass")
      .Ordinal(3);
  t.Static(5, 1, 1, 1, 1);
  RecordingTarget target;
  target.controls = {5};
  EXPECT_TRUE(WalkTemplateLayout(t.bytes(), target));
  EXPECT_EQ(target.steps, (Steps{"begin 1", "move 5 2,3 2x3",
                                 "restore 5 #130 'Label' style 1342177280", "apply"}));
}

TEST(WalkTemplateLayout, FourthOfSixMissingEndsTheWalkAfterApplyingTheFirstThree) {
  TemplateBytes t;
  t.Header(kDsSetFont, 6).Static(1, 0, 0, 1, 1).Static(2, 0, 0, 1, 1).Static(3, 0, 0, 1, 1);
  t.Static(4, 0, 0, 1, 1).Static(5, 0, 0, 1, 1).Static(6, 0, 0, 1, 1);
  RecordingTarget target;
  target.controls = {1, 2, 3, 5, 6};
  EXPECT_FALSE(WalkTemplateLayout(t.bytes(), target));
  EXPECT_EQ(target.steps,
            (Steps{"begin 6", "move 1 0,0 2x3", "restore 1 #130 'Label' style 1342177280",
                   "move 2 0,0 2x3", "restore 2 #130 'Label' style 1342177280", "move 3 0,0 2x3",
                   "restore 3 #130 'Label' style 1342177280", "apply"}));
}

struct SharedIdCase {
  const char* name;
  std::vector<WORD> ids;
  bool result;
  friend void PrintTo(const SharedIdCase& c, std::ostream* out) { *out << c.name; }
};

class SharedIds : public ::testing::TestWithParam<SharedIdCase> {};

// Every item is still moved and restored; only the result tells.
TEST_P(SharedIds, TwoOrMoreMakeTheResultFalseAfterEverythingIsDone) {
  const SharedIdCase& c = GetParam();
  TemplateBytes t;
  t.Header(kDsSetFont, static_cast<std::uint16_t>(c.ids.size()));
  for (WORD id : c.ids) t.Static(id, 1, 1, 1, 1);
  RecordingTarget target;
  target.controls = {1, 2, 0xFFFF};
  EXPECT_EQ(WalkTemplateLayout(t.bytes(), target), c.result);
  ASSERT_EQ(target.steps.size(), 2 * c.ids.size() + 2);
  EXPECT_EQ(target.steps.back(), "apply");
  for (std::size_t i = 0; i < c.ids.size(); ++i) {
    EXPECT_EQ(target.steps[1 + 2 * i], "move " + std::to_string(c.ids[i]) + " 2,3 2x3");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Count, SharedIds,
    ::testing::Values(SharedIdCase{"None", {1, 2}, true}, SharedIdCase{"One", {1, 0xFFFF, 2}, true},
                      SharedIdCase{"Two", {0xFFFF, 1, 0xFFFF}, false},
                      SharedIdCase{"Three", {0xFFFF, 0xFFFF, 2, 0xFFFF}, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(WalkTemplateLayout, AMoveThatCannotBeAddedMakesItFalseButTheWalkGoesOn) {
  TemplateBytes t;
  t.Header(kDsSetFont, 3).Static(1, 1, 1, 1, 1).Static(2, 1, 1, 1, 1).Static(3, 1, 1, 1, 1);
  RecordingTarget target;
  target.controls = {1, 2, 3};
  target.unmovable = 2;
  EXPECT_FALSE(WalkTemplateLayout(t.bytes(), target));
  EXPECT_EQ(target.steps,
            (Steps{"begin 3", "move 1 2,3 2x3", "restore 1 #130 'Label' style 1342177280",
                   "move 2 2,3 2x3", "restore 2 #130 'Label' style 1342177280", "move 3 2,3 2x3",
                   "restore 3 #130 'Label' style 1342177280", "apply"}));
}

TEST(WalkTemplateLayout, ARectangleThatCannotBeConvertedEndsTheWalk) {
  TemplateBytes t;
  t.Header(kDsSetFont, 3).Static(1, 1, 1, 1, 1).Static(2, 1, 1, 1, 1).Static(3, 1, 1, 1, 1);
  RecordingTarget target;
  target.controls = {1, 2, 3};
  target.unmappable = 2;
  EXPECT_FALSE(WalkTemplateLayout(t.bytes(), target));
  EXPECT_EQ(target.steps, (Steps{"begin 3", "move 1 2,3 2x3",
                                 "restore 1 #130 'Label' style 1342177280", "apply"}));
}

TEST(WalkTemplateLayout, NoBatchMeansNothingIsDone) {
  TemplateBytes t;
  t.Header(kDsSetFont, 1).Static(1, 1, 1, 1, 1);
  RecordingTarget target;
  target.controls = {1};
  target.batchFails = true;
  EXPECT_FALSE(WalkTemplateLayout(t.bytes(), target));
  EXPECT_EQ(target.steps, (Steps{"begin 1"}));
}

TEST(WalkTemplateLayout, ABatchThatCannotBeAppliedMakesItFalse) {
  TemplateBytes t;
  t.Header(kDsSetFont, 1).Static(1, 1, 1, 1, 1);
  RecordingTarget target;
  target.controls = {1};
  target.applyFails = true;
  EXPECT_FALSE(WalkTemplateLayout(t.bytes(), target));
  EXPECT_EQ(target.steps.size(), 4u);
}

TEST(WalkTemplateLayout, NoItemsGivesTrue) {
  TemplateBytes t;
  t.Header(kDsSetFont, 0);
  RecordingTarget target;
  EXPECT_TRUE(WalkTemplateLayout(t.bytes(), target));
  EXPECT_EQ(target.steps, (Steps{"begin 0", "apply"}));
}

// The creation-data size counts from the start of its own field; 0 stands
// for the field alone. Either way the next item starts on the next 4-byte
// boundary.
class CreationData : public ::testing::TestWithParam<std::uint16_t> {};

TEST_P(CreationData, IsSteppedOverToTheNextItem) {
  TemplateBytes t;
  t.Header(kDsSetFont, 2).ItemHeader(1, 1, 1, 1, 1).Ordinal(0x0082).Text(u"A").EndItem(GetParam());
  t.ItemHeader(2, 5, 5, 1, 1).Ordinal(0x0082).Text(u"B").EndItem(0);
  RecordingTarget target;
  target.controls = {1, 2};
  EXPECT_TRUE(WalkTemplateLayout(t.bytes(), target));
  EXPECT_EQ(target.steps,
            (Steps{"begin 2", "move 1 2,3 2x3", "restore 1 #130 'A' style 1342177280",
                   "move 2 10,15 2x3", "restore 2 #130 'B' style 1342177280", "apply"}));
}

INSTANTIATE_TEST_SUITE_P(Sizes, CreationData, ::testing::Values(0, 1, 2, 3, 4, 6, 9, 40));

TEST(WalkTemplateLayout, CreationDataRunningPastTheEndLeavesTheItemAlone) {
  TemplateBytes t;
  t.Header(kDsSetFont, 2)
      .Static(1, 1, 1, 1, 1)
      .ItemHeader(2, 1, 1, 1, 1)
      .Ordinal(0x0082)
      .Text(u"B")
      .U16(200);
  RecordingTarget target;
  target.controls = {1, 2};
  EXPECT_FALSE(WalkTemplateLayout(t.bytes(), target));
  EXPECT_EQ(target.steps, (Steps{"begin 2", "move 1 2,3 2x3",
                                 "restore 1 #130 'Label' style 1342177280", "apply"}));
}

TEST(WalkTemplateLayout, AnItemCountBeyondTheItemsEndsTheWalkAtTheEnd) {
  TemplateBytes t;
  t.Header(kDsSetFont, 3).Static(1, 1, 1, 1, 1);
  RecordingTarget target;
  target.controls = {1, 2, 3};
  EXPECT_FALSE(WalkTemplateLayout(t.bytes(), target));
  EXPECT_EQ(target.steps, (Steps{"begin 3", "move 1 2,3 2x3",
                                 "restore 1 #130 'Label' style 1342177280", "apply"}));
}

// A template cut at every length: the items that lie wholly before the cut
// are moved and restored, nothing after it, and the result is false. The
// batch is only opened once the item count can be read (10 bytes).
TEST(WalkTemplateLayout, TruncatedAtEveryLengthDoesWhatLiesBeforeTheCut) {
  TemplateBytes t;
  t.Header(kDsSetFont, 4)
      .Static(1, 1, 1, 1, 1)
      .ItemHeader(2, 1, 1, 1, 1)
      .Ordinal(0x0080)
      .Text(u"Button")
      .EndItem(7)
      .ItemHeader(3, 1, 1, 1, 1)
      .Text(u"Custom")
      .Ordinal(9)
      .EndItem(0)
      .Static(4, 1, 1, 1, 1);
  const std::vector<std::uint8_t>& full = t.bytes();
  for (std::size_t length = 0; length < full.size(); ++length) {
    SCOPED_TRACE("length " + std::to_string(length));
    // A copy of exactly that size, so that a sanitizer sees a read past it.
    const std::vector<std::uint8_t> cut(full.begin(),
                                        full.begin() + static_cast<std::ptrdiff_t>(length));
    RecordingTarget target;
    target.controls = {1, 2, 3, 4};
    EXPECT_FALSE(WalkTemplateLayout(cut, target));
    std::size_t whole = 0;
    while (whole < t.itemEnds().size() && t.itemEnds()[whole] <= length) ++whole;
    const std::size_t expected = length < 10 ? 0 : 2 + 2 * whole;
    ASSERT_EQ(target.steps.size(), expected);
    if (expected == 0) continue;
    EXPECT_EQ(target.steps.front(), "begin 4");
    EXPECT_EQ(target.steps.back(), "apply");
    for (std::size_t i = 0; i < whole; ++i) {
      EXPECT_EQ(target.steps[1 + 2 * i], "move " + std::to_string(i + 1) + " 2,3 2x3");
    }
  }
}

}  // namespace
