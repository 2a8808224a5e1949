#pragma once

#include <QDialog>
#include <functional>

// The Qt window of a framework dialog. It turns the window's own events
// into the dialog's commands: Enter presses the focused or default push
// button or else sends IDOK; Escape sends IDCANCEL; the title bar's close
// button sends IDOK (it stands for the handheld's caption OK button); a
// size change sends WM_SIZE. The dialog itself decides when to close.
class DialogWindow : public QDialog {
 public:
  explicit DialogWindow(QWidget* owner);

  std::function<void(unsigned id)> onCommand;
  std::function<void(int width, int height)> onSize;

  // Sends WM_SIZE for the current size unless it went out for that size
  // already.
  void ReportSize();

  void accept() override;
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QSize reportedSize_{-1, -1};
};
