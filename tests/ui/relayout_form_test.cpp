// The input form when the screen turns: its size handler lays it out from
// template 102 on a screen taller than wide, else from 103. With 0xFFFF
// addressing no control, 102 moves and sizes the About button and the eight
// edits (the items before the group box) and sets "A propos" again; 103
// changes nothing. Neither touches what the edits hold, which commands are
// enabled, or the record.

#include <gtest/gtest.h>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include <bit>
#include <cstdint>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "platform/framework.h"
#include "tests/support/modal_answers.h"
#include "tests/support/window_widgets.h"
#include "ui/apply_template_layout.h"
#include "ui/zel_dlg.h"

namespace {

struct DialogUnits {
  int x, y, cx, cy;
};

// Where template 102 puts the controls that the relayout reaches.
const std::map<int, DialogUnits> kPortraitRects = {
    {1000, {115, 7, 34, 14}}, {1001, {83, 20, 28, 12}}, {1002, {83, 32, 28, 12}},
    {1003, {83, 44, 28, 12}}, {1004, {83, 56, 28, 12}}, {1005, {83, 68, 28, 12}},
    {1006, {83, 80, 28, 12}}, {1007, {83, 92, 28, 12}}, {1008, {83, 104, 28, 12}},
};

QRect PixelRect(HWND dialog, DialogUnits units) {
  RECT rect{units.x, units.y, units.x + units.cx, units.y + units.cy};
  MapDialogRect(dialog, &rect);
  return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

// Everything the user can see of a control: where it is, what it says,
// whether it is enabled.
struct ControlState {
  const QWidget* widget;
  QRect geometry;
  QString text;
  bool enabled;
  bool operator==(const ControlState&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const ControlState& s) {
    return out << s.geometry.x() << "," << s.geometry.y() << " " << s.geometry.width() << "x"
               << s.geometry.height() << " '" << s.text.toStdString() << "' "
               << (s.enabled ? "on" : "off");
  }
};

QString WindowText(QWidget* widget) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  return widget->property("text").toString();
}

// Every control of the form, labels and group box included.
std::vector<ControlState> Controls(HWND form) {
  std::vector<ControlState> states;
  for (QObject* child : WidgetForWindow(form)->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget == nullptr || widget->isWindow()) continue;
    states.push_back({widget, widget->geometry(), WindowText(widget), widget->isEnabled()});
  }
  return states;
}

ControlState& StateOf(std::vector<ControlState>& states, HWND form, int id) {
  const QWidget* widget = ControlWidget(form, id);
  for (ControlState& state : states) {
    if (state.widget == widget) return state;
  }
  ADD_FAILURE() << "no control " << id;
  return states.front();
}

// Moves every control of the form away from its template place, so that
// a relayout shows in where they end up.
void MoveEveryControlAside(HWND form) {
  for (QObject* child : WidgetForWindow(form)->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget != nullptr && !widget->isWindow()) widget->move(widget->pos() + QPoint(7, 5));
  }
}

std::vector<std::uint64_t> RecordBits(const ChamberDesign& d) {
  std::vector<std::uint64_t> bits;
  for (double figure : {d.displacement,
                        d.exhaustDuration,
                        d.portHeight,
                        d.portWidth,
                        d.exhaustInCylinder,
                        d.power,
                        d.rpm,
                        d.hornCoefficient,
                        d.bmep,
                        d.waveSpeed,
                        d.D0,
                        d.D1,
                        d.D2,
                        d.D3,
                        d.D4,
                        d.D5,
                        d.D6,
                        d.D7,
                        d.L01,
                        d.L12,
                        d.L23,
                        d.L34,
                        d.L45,
                        d.L56,
                        d.L67,
                        d.tunedLength}) {
    bits.push_back(std::bit_cast<std::uint64_t>(figure));
  }
  bits.push_back(static_cast<std::uint64_t>(d.computed));
  return bits;
}

// Turns the screen to `width` x `height` pixels and resizes the form to
// match, as the device does; the form gets WM_SIZE.
void TurnScreen(HWND form, int width, int height) {
  SetScreenSizeForTesting(width, height);
  QWidget* window = WidgetForWindow(form);
  window->resize(window->size().transposed());
  QTest::qWait(0);
}

class RelayoutForm : public ::testing::Test {
 protected:
  void TearDown() override { SetScreenSizeForTesting(0, 0); }

  // Runs the form; `steps` run once it shows, then the form is closed.
  void RunForm(const std::function<void(HWND)>& steps) {
    answers_.Expect<QDialog>([&](QDialog*) {
      steps(form_.m_hWnd);
      form_.EndDialog(IDCANCEL);
    });
    form_.DoModal();
  }

  ModalAnswers answers_;
  CzelDlg form_;
};

struct ScreenCase {
  const char* name;
  int width;
  int height;
  bool portrait;
  friend void PrintTo(const ScreenCase& c, std::ostream* out) { *out << c.name; }
};

class RelayoutOnScreen : public RelayoutForm, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(RelayoutOnScreen, MovesOnlyAboutAndTheEditsAndOnlyOnAPortraitScreen) {
  const ScreenCase& c = GetParam();
  RunForm([&](HWND form) {
    ASSERT_NE(GetDlgItem(form, 1006), nullptr);
    SendDlgItemMessage(form, 1009, BM_CLICK, 0, 0);  // Compute: Show enabled, Save not
    QTest::keyClick(ControlWidget<QLineEdit>(form, 1006), Qt::Key_End);
    QTest::keyClicks(ControlWidget<QLineEdit>(form, 1006), "5");
    SetDlgItemText(form, 1000, u"scribbled");
    MoveEveryControlAside(form);
    const std::vector<ControlState> before = Controls(form);
    const std::vector<std::uint64_t> record = RecordBits(form_.Record());
    const LRESULT picture = SendDlgItemMessage(form, 1013, STM_GETIMAGE, IMAGE_BITMAP, 0);

    SetScreenSizeForTesting(c.width, c.height);
    SendMessage(form, WM_SIZE, SIZE_RESTORED, MAKELPARAM(200, 300));

    std::vector<ControlState> expected = before;
    if (c.portrait) {
      for (const auto& [id, rect] : kPortraitRects)
        StateOf(expected, form, id).geometry = PixelRect(form, rect);
      StateOf(expected, form, 1000).text = "A propos";
    }
    EXPECT_EQ(Controls(form), expected);
    EXPECT_EQ(RecordBits(form_.Record()), record);
    EXPECT_EQ(ControlWidget<QLineEdit>(form, 1006)->text(), "9800.005");
    EXPECT_EQ(SendDlgItemMessage(form, 1013, STM_GETIMAGE, IMAGE_BITMAP, 0), picture);
  });
}

INSTANTIATE_TEST_SUITE_P(Screens, RelayoutOnScreen,
                         ::testing::Values(ScreenCase{"Portrait", 240, 320, true},
                                           ScreenCase{"Landscape", 320, 240, false},
                                           ScreenCase{"Square", 240, 240, false}),
                         [](const auto& row) { return std::string(row.param.name); });

// 103 names a control the form lacks; 102 stops at the group box, whose
// identifier 0xFFFF addresses no control.
TEST_F(RelayoutForm, BothTemplatesGiveFalseOnTheForm) {
  RunForm([&](HWND form) {
    EXPECT_FALSE(ApplyTemplateLayout(AfxGetResourceHandle(), form, 102));
    EXPECT_FALSE(ApplyTemplateLayout(AfxGetResourceHandle(), form, 103));
  });
}

// The form's window resized as the screen turns, so that the size handler
// runs as the framework calls it.
TEST_F(RelayoutForm, TurningToLandscapeAndBackKeepsTheLayoutOfTemplate102) {
  RunForm([&](HWND form) {
    MoveEveryControlAside(form);
    TurnScreen(form, 240, 320);
    const std::vector<ControlState> portrait = Controls(form);
    for (const auto& [id, rect] : kPortraitRects) {
      EXPECT_EQ(ControlWidget(form, id)->geometry(), PixelRect(form, rect)) << id;
    }
    TurnScreen(form, 320, 240);
    EXPECT_EQ(Controls(form), portrait);
    TurnScreen(form, 240, 320);
    EXPECT_EQ(Controls(form), portrait);
  });
}

}  // namespace
