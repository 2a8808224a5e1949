// The about box, opened from the form's About button.

#include <QDialog>
#include <QLabel>
#include <QTest>
#include <string>

#include "res/resource_ids.h"
#include "tests/ui/form_fixture.h"

namespace {

QStringList LabelTexts(QWidget* window) {
  QStringList texts;
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (!label->text().isEmpty()) texts << label->text();
  }
  texts.sort();
  return texts;
}

struct ClosingCase {
  const char* name;
  std::function<void(QDialog*)> close;
};

const ClosingCase kClosingCases[] = {
    {"OkButton", [](QDialog* d) { ClickButtonLabelled(d, "OK"); }},
    {"CancelButton", [](QDialog* d) { ClickButtonLabelled(d, "Cancel"); }},
    {"Enter", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); }},
    {"Escape", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }},
    {"TitleBarClose", [](QDialog* d) { d->close(); }},
};

class AboutBoxTest : public FormTest, public ::testing::WithParamInterface<ClosingCase> {};

// Opened in every state, with edited inputs, it changes nothing of the form.
TEST_P(AboutBoxTest, LeavesTheFormExactlyAsItWas) {
  RunForm([&] {
    for (int state = 0; state < 3; ++state) {
      if (state == 1) Click(IDC_COMPUTE);
      if (state == 2) ComputeAndConfirmShow();
      Retype(IDC_PORT_HEIGHT, "26.125");
      const FormState before = State();
      answers_.Expect<QDialog>([](QDialog* about) {
        EXPECT_EQ(about->windowTitle(), "A Propos Tubrix");
        EXPECT_EQ(LabelTexts(about),
                  (QStringList{"Tubrix\n\nFor windows Mobile\nVersion 1.2",
                               "Tubrix project\n2009\nhttps://tubrix.example.org"}));
        GetParam().close(about);
      });
      ExpectNoMessageBox([&] { Click(IDC_APROPOS); });
      EXPECT_EQ(answers_.pending(), 0);
      EXPECT_EQ(State(), before) << "state " << state;
    }
  });
}

INSTANTIATE_TEST_SUITE_P(AboutBox, AboutBoxTest, ::testing::ValuesIn(kClosingCases), CaseName());

}  // namespace
