#include "tests/ui/form_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <array>
#include <bit>

#include "platform/window_functions.h"
#include "platform/window_record.h"
#include "res/resource_ids.h"
#include "tests/support/window_widgets.h"

namespace {

constexpr std::array<double ChamberDesign::*, 26> kFigures{
    &ChamberDesign::displacement,
    &ChamberDesign::exhaustDuration,
    &ChamberDesign::portHeight,
    &ChamberDesign::portWidth,
    &ChamberDesign::exhaustInCylinder,
    &ChamberDesign::power,
    &ChamberDesign::rpm,
    &ChamberDesign::hornCoefficient,
    &ChamberDesign::bmep,
    &ChamberDesign::waveSpeed,
    &ChamberDesign::D0,
    &ChamberDesign::D1,
    &ChamberDesign::D2,
    &ChamberDesign::D3,
    &ChamberDesign::D4,
    &ChamberDesign::D5,
    &ChamberDesign::D6,
    &ChamberDesign::D7,
    &ChamberDesign::L01,
    &ChamberDesign::L12,
    &ChamberDesign::L23,
    &ChamberDesign::L34,
    &ChamberDesign::L45,
    &ChamberDesign::L56,
    &ChamberDesign::L67,
    &ChamberDesign::tunedLength,
};

}  // namespace

std::vector<std::uint64_t> FigureBits(const ChamberDesign& design) {
  std::vector<std::uint64_t> bits;
  for (double ChamberDesign::*figure : kFigures)
    bits.push_back(std::bit_cast<std::uint64_t>(design.*figure));
  return bits;
}

void ClickButtonLabelled(QWidget* window, const QString& text) {
  for (QPushButton* button : window->findChildren<QPushButton*>()) {
    if (button->text() == text) {
      QTest::mouseClick(button, Qt::LeftButton);
      return;
    }
  }
  ADD_FAILURE() << "no button " << text.toStdString();
}

QStringList ResultTexts(QWidget* resultsDialog) {
  // The framework's handle of the dialog shown by this widget.
  const HWND dialog = DialogRecordOfWidget(resultsDialog);
  QStringList texts;
  for (int id = IDC_D0; id <= IDC_LT; ++id) {
    auto* edit = ControlWidget<QLineEdit>(dialog, id);
    texts << (edit != nullptr ? edit->text() : QStringLiteral("<no edit %1>").arg(id));
  }
  return texts;
}

void FormTest::RunForm(const std::function<void()>& steps) {
  answers_.Expect<QDialog>([this, &steps](QDialog* window) {
    EXPECT_EQ(window, WidgetForWindow(form_.m_hWnd));
    steps();
    QTest::keyClick(window, Qt::Key_Escape);
  });
  EXPECT_EQ(form_.DoModal(), IDCANCEL);
}

QLineEdit* FormTest::Edit(int id) const {
  auto* edit = ControlWidget<QLineEdit>(form_.m_hWnd, id);
  EXPECT_NE(edit, nullptr) << "no edit " << id;
  return edit;
}

QPushButton* FormTest::Button(int id) const {
  auto* button = ControlWidget<QPushButton>(form_.m_hWnd, id);
  EXPECT_NE(button, nullptr) << "no button " << id;
  return button;
}

FormState FormTest::State() const {
  FormState state;
  for (int id = IDC_DISPLACEMENT; id <= IDC_HORN_COEFFICIENT; ++id) state.texts << Text(id);
  state.figures = FigureBits(Record());
  state.computed = Record().computed;
  state.showEnabled = Enabled(IDC_SHOW);
  state.saveEnabled = Enabled(IDC_SAVE);
  return state;
}

void FormTest::Clear(int id) {
  QLineEdit* edit = Edit(id);
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Backspace);
}

void FormTest::Retype(int id, const QString& text) {
  Clear(id);
  QLineEdit* edit = Edit(id);
  for (const QChar character : text) {
    // QTest maps only ASCII characters to keys; others come as a key event
    // that carries the character, as an input method delivers them.
    if (character.unicode() < 0x80) {
      QTest::keyClick(edit, character.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
  }
}

void FormTest::Click(int id) { QTest::mouseClick(Button(id), Qt::LeftButton); }

void FormTest::SendCommand(int id) {
  SendMessage(form_.m_hWnd, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0);
}

void FormTest::ExpectMessage(const QString& text) {
  answers_.Expect<QMessageBox>([text](QMessageBox* box) {
    EXPECT_EQ(box->text(), text);
    EXPECT_EQ(box->windowTitle(), kProgramName);
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  });
}

void FormTest::ComputeAndConfirmShow() {
  Click(IDC_COMPUTE);
  answers_.Expect<QDialog>([](QDialog* results) { QTest::keyClick(results, Qt::Key_Return); });
  Click(IDC_SHOW);
}

void FormTest::Watch(const std::function<void()>& action, bool messagesOnly) {
  QWidget* form = WidgetForWindow(form_.m_hWnd);
  QTimer watch;
  watch.setInterval(20);
  QObject::connect(&watch, &QTimer::timeout, [form, messagesOnly] {
    QWidget* top = QApplication::activeModalWidget();
    if (top == nullptr || top == form) return;
    if (messagesOnly && qobject_cast<QMessageBox*>(top) == nullptr) return;
    ADD_FAILURE() << "unexpected modal window: " << top->windowTitle().toStdString();
    if (auto* dialog = qobject_cast<QDialog*>(top)) dialog->reject();
  });
  watch.start();
  action();
  QTest::qWait(50);
}

QStringList FolderContent(const QString& folder) {
  QStringList content;
  const QDir dir(folder);
  QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo entry = it.nextFileInfo();
    const QString name = dir.relativeFilePath(entry.filePath());
    if (entry.isSymLink()) {
      content << name + " -> " + entry.symLinkTarget();  // a device behind it reads forever
    } else if (entry.isDir()) {
      content << name + "/";
    } else {
      QFile file(entry.filePath());
      content << name + ": " +
                     (file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll())
                                                     : QStringLiteral("<unreadable>"));
    }
  }
  content.sort();
  return content;
}
