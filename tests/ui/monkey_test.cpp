// The desktop program under a monkey: a seeded random run of a few thousand
// user actions through the real widgets (typing anything into any edit,
// Compute, Show, Save, About, turning the screen), checking after every
// action what a user relies on:
// - the commands only move forward: Fresh, Computed, Saveable;
// - each edit shows what it should, and its input in the record is the
//   number that text reads as;
// - the results are those of ComputeChamber on the inputs of the last
//   Compute, and the results dialog shows them;
// - every Save either wrote the complete report of the design or answered
//   "Error on file save" and left the folder as it was;
// - every window that came up was the expected one, and none is left open.
//
// The seed is printed; TUBRIX_MONKEY_SEED=<seed> runs that seed alone (and
// TUBRIX_MONKEY_STEPS=<n> a run of another length) to replay a failure;
// TUBRIX_MONKEY_VERBOSE=1 prints every action as it runs.

#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <string>
#include <vector>

#include "calc/compute_chamber.h"
#include "calc/design_inputs.h"
#include "platform/window_functions.h"
#include "report/format_value.h"
#include "report/parameter_report.h"
#include "res/resource_ids.h"
#include "tests/support/window_widgets.h"
#include "tests/ui/form_fixture.h"
#include "tests/ui/modal_responder.h"
#include "tests/ui/monkey_dice.h"
#include "ui/field_text.h"

namespace {

// Six runs of 1000 actions: each takes a few seconds, well inside the time
// limit of one test case under AddressSanitizer too.
constexpr std::array<std::uint32_t, 6> kDefaultSeeds = {1, 2, 3, 4, 5, 6};
constexpr int kDefaultSteps = 1000;
constexpr int kLongestText = 200;  // longer texts are pasted, not typed
constexpr int kEditLimit = 32767;  // characters an edit holds

struct InputEdit {
  int id;
  double ChamberDesign::*field;
};

// The edits top to bottom, each with the input it sets.
constexpr std::array<InputEdit, 8> kEdits = {{
    {IDC_DISPLACEMENT, &ChamberDesign::displacement},
    {IDC_EXHAUST_DURATION, &ChamberDesign::exhaustDuration},
    {IDC_PORT_WIDTH, &ChamberDesign::portWidth},
    {IDC_PORT_HEIGHT, &ChamberDesign::portHeight},
    {IDC_EXHAUST_IN_CYLINDER, &ChamberDesign::exhaustInCylinder},
    {IDC_RPM, &ChamberDesign::rpm},
    {IDC_POWER, &ChamberDesign::power},
    {IDC_HORN_COEFFICIENT, &ChamberDesign::hornCoefficient},
}};

constexpr std::array<double ChamberDesign::*, 18> kResults = {
    &ChamberDesign::bmep, &ChamberDesign::waveSpeed,  &ChamberDesign::D0,  &ChamberDesign::D1,
    &ChamberDesign::D2,   &ChamberDesign::D3,         &ChamberDesign::D4,  &ChamberDesign::D5,
    &ChamberDesign::D6,   &ChamberDesign::D7,         &ChamberDesign::L01, &ChamberDesign::L12,
    &ChamberDesign::L23,  &ChamberDesign::L34,        &ChamberDesign::L45, &ChamberDesign::L56,
    &ChamberDesign::L67,  &ChamberDesign::tunedLength};

struct Screen {
  int width, height;
};
constexpr std::array<Screen, 7> kScreens = {
    {{240, 320}, {320, 240}, {240, 240}, {480, 640}, {640, 480}, {480, 800}, {800, 480}}};

// Bit for bit, any NaN counting as equal to any other.
bool SameFigure(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) ||
         (std::isnan(a) && std::isnan(b));
}

std::uint32_t NumberFromEnvironment(const char* name, std::uint32_t otherwise) {
  const char* text = std::getenv(name);
  return text != nullptr && *text != '\0'
             ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10))
             : otherwise;
}

std::vector<std::uint32_t> Seeds() {
  if (std::getenv("TUBRIX_MONKEY_SEED") != nullptr) {
    return {NumberFromEnvironment("TUBRIX_MONKEY_SEED", 1)};
  }
  return {kDefaultSeeds.begin(), kDefaultSeeds.end()};
}

QString Format(double value) { return QString::fromStdString(FormatValue(value)); }

// What the user should see and find: the model the monkey keeps beside the
// program.
struct Expected {
  QStringList texts = kDefaultTexts;  // edits 1001..1008
  ChamberDesign results;              // its results: those of the last Compute
  bool computed = false;
  bool saveable = false;
  QStringList folder;  // FolderContent of the folder the saves go to
};

class MonkeyTest : public FormTest, public ::testing::WithParamInterface<std::uint32_t> {
 protected:
  void SetUp() override;
  void TearDown() override { SetScreenSizeForTesting(0, 0); }

  void Run();

 private:
  // Each action does what a user does and checks what came up; it returns
  // a line that says what it did.
  std::string Act(MonkeyDice& dice, int step);
  std::string Type(MonkeyDice& dice);
  std::string PutRight(MonkeyDice& dice);
  std::string Compute();
  std::string Show(MonkeyDice& dice);
  std::string Save(MonkeyDice& dice, int step);
  std::string About(MonkeyDice& dice);
  std::string Turn(MonkeyDice& dice);

  void Retype(std::size_t slot, const QString& text);
  void TypeKeys(QLineEdit* edit, const QString& text);
  void Paste(QLineEdit* edit, const QString& text);
  void SaveAnswered(const QString& typed, const std::function<void()>& beforeWriting, bool saying);
  void ExpectWindows(const QStringList& windows);
  void CheckInvariants();

  // The record as the program should hold it now.
  ChamberDesign Design() const;
  QString Path(const QString& name) const { return folder_.filePath(name); }
  void Add(const QString& entry);
  void Remove(const QString& prefix);

  QTemporaryDir folder_;
  Expected expected_;
  ModalResponder* responder_ = nullptr;
  int lastRank_ = 0;
  bool refused_ = false;  // the last Compute was refused
};

void MonkeyTest::SetUp() {
  ASSERT_TRUE(folder_.isValid());
  const QDir dir(folder_.path());
  const auto write = [&](const QString& name, const QByteArray& bytes) {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    Add(name + ": " + QString::fromLatin1(bytes));
  };
  write("older.txt", "an older report\n");
  write("notes.txt", "notes\n");
  write("protected.txt", "the user protected this one\n");
  ASSERT_EQ(::chmod(Path("protected.txt").toLocal8Bit().constData(), 0444), 0);
  ASSERT_TRUE(dir.mkdir("folder.txt"));
  Add("folder.txt/");
  write("folder.txt/inside.txt", "keep me\n");
  ASSERT_TRUE(dir.mkdir("sub"));
  Add("sub/");
  ASSERT_TRUE(QFile::link("/dev/full", Path("full.txt")));
  Add("full.txt -> /dev/full");
  EXPECT_EQ(FolderContent(folder_.path()), expected_.folder);
}

void MonkeyTest::Add(const QString& entry) {
  expected_.folder << entry;
  expected_.folder.sort();
}

void MonkeyTest::Remove(const QString& prefix) {
  expected_.folder.removeIf([&](const QString& entry) { return entry.startsWith(prefix); });
}

ChamberDesign MonkeyTest::Design() const {
  ChamberDesign design = expected_.results;
  for (std::size_t i = 0; i < kEdits.size(); ++i) {
    design.*kEdits[i].field =
        ParseLeadingNumber(expected_.texts[static_cast<qsizetype>(i)].toStdU16String());
  }
  design.computed = expected_.computed ? 1 : 0;
  return design;
}

void MonkeyTest::Run() {
  const std::uint32_t seed = GetParam();
  const int steps = static_cast<int>(NumberFromEnvironment("TUBRIX_MONKEY_STEPS", kDefaultSteps));
  RecordProperty("seed", static_cast<int>(seed));
  std::cout << "monkey seed " << seed << ", " << steps
            << " actions (replay: TUBRIX_MONKEY_SEED=" << seed << " monkey_test)" << std::endl;
  const bool verbose = std::getenv("TUBRIX_MONKEY_VERBOSE") != nullptr;
  MonkeyDice dice(seed);
  RunForm([&] {
    ModalResponder responder(WidgetForWindow(form_.m_hWnd), "monkey_test");
    responder_ = &responder;
    std::deque<std::string> recent;
    CheckInvariants();
    for (int step = 1; step <= steps && !HasFailure(); ++step) {
      SCOPED_TRACE("seed " + std::to_string(seed) + ", action " + std::to_string(step));
      recent.push_back(Act(dice, step));
      if (verbose) std::cout << step << ": " << recent.back() << std::endl;
      if (recent.size() > 12) recent.pop_front();
      CheckInvariants();
    }
    if (HasFailure()) {
      std::cout << "the last actions of seed " << seed << ":\n";
      for (const std::string& action : recent) std::cout << "  " << action << "\n";
    }
    responder_ = nullptr;
  });
}

std::string MonkeyTest::Act(MonkeyDice& dice, int step) {
  // Most users put a refused input right before they go on.
  if (std::exchange(refused_, false) && !dice.OneIn(3)) return PutRight(dice);
  const std::uint32_t roll = dice.Below(100);
  if (roll < 45) return Type(dice);
  if (roll < 60) return Compute();
  if (roll < 74) return Show(dice);
  if (roll < 84) return Save(dice, step);
  if (roll < 89) return About(dice);
  return Turn(dice);
}

// --- Typing ----------------------------------------------------------------

void MonkeyTest::TypeKeys(QLineEdit* edit, const QString& text) {
  // Each character as a key event that carries it; the key code of an ASCII
  // character is its capital, as a keyboard gives it, and others come from
  // an input method without one.
  for (const char32_t point : text.toUcs4()) {
    const QString character = QString::fromUcs4(&point, 1);
    const auto key =
        point < 0x80 ? static_cast<Qt::Key>(character.toUpper().at(0).unicode()) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, edit, key, character, Qt::NoModifier);
  }
}

void MonkeyTest::Paste(QLineEdit* edit, const QString& text) {
  QApplication::clipboard()->setText(text);
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void MonkeyTest::Retype(std::size_t slot, const QString& text) {
  QLineEdit* edit = Edit(kEdits[slot].id);
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  if (text.size() <= kLongestText) {
    QTest::keyClick(edit, Qt::Key_Backspace);
    TypeKeys(edit, text);
  } else {
    Paste(edit, text);
  }
  expected_.texts[static_cast<qsizetype>(slot)] = text.left(kEditLimit);
}

// Retypes the input that Compute named with a plain number.
std::string MonkeyTest::PutRight(MonkeyDice& dice) {
  const ChamberDesign design = Design();
  for (const DesignInput& input : kDesignInputs) {
    const double value = design.*input.member;
    if (std::isfinite(value) && (value > 0.0 || !input.mustBePositive)) continue;
    for (std::size_t slot = 0; slot < kEdits.size(); ++slot) {
      if (kEdits[slot].field != input.member) continue;
      const QString number = dice.Number();
      Retype(slot, number);
      ExpectWindows({});
      return "put right: '" + number.toStdString() + "' in edit " + std::to_string(kEdits[slot].id);
    }
  }
  ADD_FAILURE() << "Compute was refused, but every input is in its domain";
  return "put right: nothing to put right";
}

std::string MonkeyTest::Type(MonkeyDice& dice) {
  const std::size_t slot = dice.Below(kEdits.size());
  QLineEdit* edit = Edit(kEdits[slot].id);
  QString& shown = expected_.texts[static_cast<qsizetype>(slot)];
  const QString text = dice.TypedText();
  const bool typed = text.size() <= kLongestText;
  std::string how;
  switch (dice.Below(5)) {
    case 0:
    case 1:
      how = "retyped";
      Retype(slot, text);
      break;
    case 2:
      how = "appended";
      QTest::keyClick(edit, Qt::Key_End);
      typed ? TypeKeys(edit, text) : Paste(edit, text);
      shown = (shown + text).left(kEditLimit);
      break;
    case 3: {  // somewhere in the middle: where exactly is the edit's business
      how = "inserted";
      const qsizetype before = shown.size();
      QTest::keyClick(edit, Qt::Key_Home);
      for (std::uint32_t i = 0, n = dice.Below(6); i < n; ++i) QTest::keyClick(edit, Qt::Key_Right);
      typed ? TypeKeys(edit, text) : Paste(edit, text);
      shown = edit->text();
      EXPECT_EQ(shown.size(), std::min<qsizetype>(before + text.size(), kEditLimit));
      break;
    }
    default: {
      const std::uint32_t count = 1 + dice.Below(4);
      how = "erased " + std::to_string(count) + " characters of";
      QTest::keyClick(edit, Qt::Key_End);
      for (std::uint32_t i = 0; i < count; ++i) QTest::keyClick(edit, Qt::Key_Backspace);
      shown = edit->text();
      ExpectWindows({});
      return how + " edit " + std::to_string(kEdits[slot].id);
    }
  }
  ExpectWindows({});
  const std::string shownText = text.size() > 40 ? text.left(40).toStdString() + "... (" +
                                                       std::to_string(text.size()) + " characters)"
                                                 : text.toStdString();
  return how + " '" + shownText + "' in edit " + std::to_string(kEdits[slot].id);
}

// --- Commands --------------------------------------------------------------

std::string MonkeyTest::Compute() {
  ChamberDesign design = Design();
  const auto refusal = ValidateDesignInputs(design);
  Click(IDC_COMPUTE);
  if (refusal) {
    refused_ = true;
    ExpectWindows({"message: " + QString::fromStdString(*refusal)});
    return "Compute, refused: " + *refusal;
  }
  ExpectWindows({});
  ComputeChamber(design);
  expected_.results = design;
  expected_.computed = true;
  for (std::size_t i = 0; i < kEdits.size(); ++i) {
    expected_.texts[static_cast<qsizetype>(i)] = Format(design.*kEdits[i].field);
  }
  return "Compute";
}

std::string MonkeyTest::Show(MonkeyDice& dice) {
  struct Leaving {
    const char* name;
    std::function<void(QDialog*)> leave;
    bool ok;
  };
  static const std::array<Leaving, 5> kLeaving = {{
      {"OK", [](QDialog* d) { ClickButtonLabelled(d, "OK"); }, true},
      {"Enter", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); }, true},
      {"the title bar", [](QDialog* d) { d->close(); }, true},
      {"Cancel", [](QDialog* d) { ClickButtonLabelled(d, "Cancel"); }, false},
      {"Escape", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }, false},
  }};
  const Leaving& leaving = dice.Pick(kLeaving);
  QStringList shown;
  responder_->AnswerResults([&](QDialog* results) {
    shown = ResultTexts(results);
    leaving.leave(results);
  });
  Click(IDC_SHOW);
  if (!expected_.computed) {  // the button is disabled: the click goes nowhere
    ExpectWindows({});
    return "Show, disabled";
  }
  ExpectWindows(leaving.ok ? QStringList{"results"}
                           : QStringList{"results", "message: New Computation"});
  const ChamberDesign design = Design();
  QStringList figures;
  for (std::size_t i = 2; i + 1 < kResults.size(); ++i) figures << Format(design.*kResults[i]);
  figures << Format(design.TotalLength());
  EXPECT_EQ(shown, figures) << "the results dialog";
  expected_.saveable = expected_.saveable || leaving.ok;
  return std::string("Show, left by ") + leaving.name;
}

void MonkeyTest::SaveAnswered(const QString& typed, const std::function<void()>& beforeWriting,
                              bool saying) {
  responder_->AnswerFileDialog([&](QFileDialog* dialog) {
    // The dialog opens where the last one was left, perhaps in the folder
    // that is about to be typed; the user goes to the save folder first.
    dialog->setDirectory(folder_.path());
    TypeFileNameAndAccept(dialog, typed);
    if (dialog->isVisible()) {  // the name opened a folder: the user gives up
      QTest::keyClick(dialog, Qt::Key_Escape);
      return;
    }
    if (beforeWriting) beforeWriting();
  });
  Click(IDC_SAVE);
  ExpectWindows(saying ? QStringList{"file dialog", "message: Error on file save"}
                       : QStringList{"file dialog"});
}

std::string MonkeyTest::Save(MonkeyDice& dice, int step) {
  if (!expected_.saveable) {
    Click(IDC_SAVE);  // disabled: nothing comes up
    ExpectWindows({});
    return "Save, disabled";
  }
  static const std::array<const char*, 6> kGoodNames = {
      "chamber.txt", "chamber", "older.txt", "r\u00e9sum\u00e9.txt", "sub/inner.txt", "sub/inner"};
  static const std::array<const char*, 4> kBadNames = {"missing/x.txt", "notes.txt/x.txt",
                                                       "protected.txt", "full.txt"};
  switch (dice.Below(8)) {
    case 0: {
      const bool escape = dice.OneIn(2);
      responder_->AnswerFileDialog([escape](QFileDialog* dialog) {
        escape ? QTest::keyClick(dialog, Qt::Key_Escape) : static_cast<void>(dialog->close());
      });
      Click(IDC_SAVE);
      ExpectWindows({"file dialog"});
      return escape ? "Save, cancelled by Escape" : "Save, closed by the title bar";
    }
    case 1:
    case 2:
    case 3: {
      const QString name = QString::fromUtf8(dice.Pick(kGoodNames));
      const QString file = QFileInfo(name).suffix().isEmpty() ? name + ".txt" : name;
      SaveAnswered(Path(name), {}, false);
      const std::string report = ParameterReportText(Design());
      EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 26);
      EXPECT_TRUE(report.ends_with('\n'));
      Remove(file + ": ");
      Add(file + ": " + QString::fromLatin1(report));
      return "Save as " + name.toStdString();
    }
    case 4: {
      const char* name = dice.Pick(kBadNames);
      SaveAnswered(Path(name), {}, true);
      return std::string("Save as ") + name + ", refused";
    }
    case 5: {  // the folder is chosen, then goes away before the report is written
      EXPECT_TRUE(QDir(folder_.path()).mkdir("gone"));
      SaveAnswered(
          Path("gone/x.txt"), [&] { QDir(Path("gone")).removeRecursively(); }, true);
      return "Save into a folder that vanished";
    }
    case 6: {  // a folder takes the chosen name before the report is written
      const QString name = QString("later-%1.txt").arg(step);
      SaveAnswered(
          Path(name),
          [&] {
            QDir(folder_.path()).mkdir(name);
            QFile inside(Path(name + "/inside.txt"));
            if (inside.open(QIODevice::WriteOnly)) inside.write("keep me\n");
          },
          true);
      Add(name + "/");
      Add(name + "/inside.txt: keep me\n");
      return "Save as " + name.toStdString() + ", made a folder after choosing";
    }
    default: {  // the name of a folder: the dialog opens it
      const char* name = dice.OneIn(2) ? "folder.txt" : "folder";
      SaveAnswered(Path(name), {}, false);
      return std::string("Save as ") + name + ", a folder";
    }
  }
}

std::string MonkeyTest::About(MonkeyDice& dice) {
  struct Closing {
    const char* name;
    std::function<void(QDialog*)> close;
  };
  static const std::array<Closing, 5> kClosing = {{
      {"OK", [](QDialog* d) { ClickButtonLabelled(d, "OK"); }},
      {"Cancel", [](QDialog* d) { ClickButtonLabelled(d, "Cancel"); }},
      {"Enter", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); }},
      {"Escape", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }},
      {"the title bar", [](QDialog* d) { d->close(); }},
  }};
  const Closing& closing = dice.Pick(kClosing);
  responder_->AnswerAbout(closing.close);
  Click(IDC_APROPOS);
  ExpectWindows({"about"});
  return std::string("About, closed by ") + closing.name;
}

// The screen turns (or changes) and the form takes its new shape, as the
// device does: the form's size handler runs.
std::string MonkeyTest::Turn(MonkeyDice& dice) {
  const Screen& screen = dice.Pick(kScreens);
  SetScreenSizeForTesting(screen.width, screen.height);
  WidgetForWindow(form_.m_hWnd)->resize(screen.width, screen.height);
  QTest::qWait(0);
  ExpectWindows({});
  return "screen " + std::to_string(screen.width) + "x" + std::to_string(screen.height);
}

// --- Checks ----------------------------------------------------------------

void MonkeyTest::ExpectWindows(const QStringList& windows) {
  EXPECT_EQ(responder_->TakeLog(), windows) << "the windows that came up";
}

void MonkeyTest::CheckInvariants() {
  const int rank = (Enabled(IDC_SHOW) ? 1 : 0) + (Enabled(IDC_SAVE) ? 1 : 0);
  EXPECT_GE(rank, lastRank_) << "a command state went back";
  lastRank_ = rank;
  EXPECT_EQ(Enabled(IDC_SHOW), expected_.computed);
  EXPECT_EQ(Enabled(IDC_SAVE), expected_.saveable);
  EXPECT_EQ(Record().computed, expected_.computed ? 1 : 0);

  const ChamberDesign design = Design();
  for (std::size_t i = 0; i < kEdits.size(); ++i) {
    const QString text = Text(kEdits[i].id);
    EXPECT_EQ(text, expected_.texts[static_cast<qsizetype>(i)]) << "edit " << kEdits[i].id;
    const double input = Record().*kEdits[i].field;
    EXPECT_TRUE(SameFigure(input, ParseLeadingNumber(text.toStdU16String())))
        << "edit " << kEdits[i].id << " holds " << input;
  }
  for (double ChamberDesign::*result : kResults) {
    EXPECT_TRUE(SameFigure(Record().*result, design.*result))
        << "a result is " << Record().*result << ", the last Compute gave " << design.*result;
  }
  EXPECT_EQ(FolderContent(folder_.path()), expected_.folder);

  QWidget* form = WidgetForWindow(form_.m_hWnd);
  EXPECT_EQ(QApplication::activeModalWidget(), form);
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != form && window->isVisible()) {
      ADD_FAILURE() << "left open: " << window->metaObject()->className() << " '"
                    << window->windowTitle().toStdString() << "'";
    }
  }
}

TEST_P(MonkeyTest, EveryActionKeepsWhatTheUserReliesOn) { Run(); }

INSTANTIATE_TEST_SUITE_P(Monkey, MonkeyTest, ::testing::ValuesIn(Seeds()),
                         [](const auto& row) { return "Seed" + std::to_string(row.param); });

}  // namespace
