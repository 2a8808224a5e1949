// libFuzzer target for the relayout's template walk, the code with which
// ApplyTemplateLayout reads a dialog template and decides what to do to
// the dialog. The first byte of the input picks the dialog: which control
// identifiers it lacks and which window steps fail; the rest is the
// template. Any read past the end is caught by AddressSanitizer; a broken
// rule of the walk stops the run with a message.
//
// What must hold for every input:
// - steps come in order: one batch, moves and restorations of found
//   controls, then the batch applied exactly once (never without a batch);
// - no more moves than the template's item count;
// - true only when nothing failed and fewer than two items share 0xFFFF;
// - on a dialog that has every control and where no step fails, the walk
//   moves exactly the items that the dialog layer's own template reader
//   finds, to their rectangles, and says true unless two share 0xFFFF.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "platform/dialog_template.h"
#include "ui/template_layout_walk.h"

namespace {

void Require(bool rule, const char* what) {
  if (rule) return;
  std::fprintf(stderr, "template walk rule broken: %s\n", what);
  std::abort();
}

struct Move {
  WORD id;
  int x, y, width, height;
};

class FuzzTarget final : public TemplateLayoutTarget {
 public:
  explicit FuzzTarget(std::uint8_t choice) : choice_(choice) {}

  bool everythingWorks() const { return (choice_ & 0x73) == 0; }

  bool BeginBatch(int count) override {
    Require(!begun_, "batch opened twice");
    begun_ = true;
    count_ = count;
    batchOk_ = (choice_ & 0x01) == 0;
    return batchOk_;
  }
  bool HasControl(WORD id) override {
    Require(batchOk_ && !applied_, "control looked up outside the batch");
    found_ = IsPresent(id);
    current_ = id;
    return found_;
  }
  bool MapToPixels(RECT& rect) override {
    Require(found_, "rectangle converted for a control not found");
    if ((choice_ & 0x20) != 0 && current_ % 2 == 1) {
      failed_ = true;
      return false;
    }
    rect = {rect.left * 3 / 2, rect.top * 2, rect.right * 3 / 2, rect.bottom * 2};
    return true;
  }
  bool AddMove(WORD id, int x, int y, int width, int height) override {
    Require(found_ && id == current_, "move of a control not found");
    moves.push_back({id, x, y, width, height});
    Require(static_cast<int>(moves.size()) <= count_, "more moves than items");
    if ((choice_ & 0x40) != 0 && id % 2 == 0) {
      failed_ = true;
      return false;
    }
    return true;
  }
  void RestoreContent(const TemplateItemHeader& item, const ResourceModule::Key&,
                      const ResourceModule::Key&) override {
    Require(found_ && item.id == current_, "restoration of a control not found");
    found_ = false;
    if (item.id == 0xFFFF) ++shared_;
  }
  bool ApplyBatch() override {
    Require(batchOk_ && !applied_, "batch applied without one open, or twice");
    applied_ = true;
    if ((choice_ & 0x02) != 0) failed_ = true;
    return (choice_ & 0x02) == 0;
  }

  void CheckResult(bool result) const {
    Require(!batchOk_ || applied_, "batch left open");
    if (!result) return;
    Require(batchOk_ && !failed_, "true although a step failed");
    Require(static_cast<int>(moves.size()) == count_, "true without every item moved");
    Require(shared_ < 2, "true with two items sharing 0xFFFF");
  }

  std::vector<Move> moves;

 private:
  // Bits 2-3 and 4: identifiers whose remainder by 4 equals bits 2-3 are
  // missing when bit 4 is set.
  bool IsPresent(WORD id) const { return (choice_ & 0x10) == 0 || id % 4 != ((choice_ >> 2) & 3); }

  std::uint8_t choice_;
  bool begun_ = false;
  bool batchOk_ = false;
  bool applied_ = false;
  bool found_ = false;
  bool failed_ = false;
  WORD current_ = 0;
  int count_ = 0;
  int shared_ = 0;
};

// The dialog layer's reader and the walk must agree on a dialog where
// nothing fails.
void CompareWithTemplateReader(std::span<const std::uint8_t> bytes, const FuzzTarget& target,
                               bool result) {
  const auto dialog = ParseDialogTemplate(bytes);
  if (!dialog) {
    Require(!result, "true for a template that the dialog layer cannot read");
    return;
  }
  Require(target.moves.size() == dialog->items.size(), "a readable template not walked to its end");
  int shared = 0;
  for (std::size_t i = 0; i < dialog->items.size(); ++i) {
    const DialogItemTemplate& item = dialog->items[i];
    const Move& move = target.moves[i];
    Require(move.id == item.id, "item moved out of order");
    const int left = item.x * 3 / 2;
    const int top = item.y * 2;
    Require(move.x == left && move.y == top, "item moved to the wrong place");
    Require(move.width == (item.x + item.cx) * 3 / 2 - left &&
                move.height == (item.y + item.cy) * 2 - top,
            "item sized wrongly");
    if (item.id == 0xFFFF) ++shared;
  }
  Require(result == (shared < 2), "result differs from the shared identifiers rule");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The template runs to the very end of the fuzzer's buffer, so that any
  // read past it is caught.
  const std::span<const std::uint8_t> bytes(data + 1, size - 1);
  FuzzTarget target(data[0]);
  const bool result = WalkTemplateLayout(bytes, target);
  target.CheckResult(result);
  if (target.everythingWorks()) CompareWithTemplateReader(bytes, target, result);
  return 0;
}
