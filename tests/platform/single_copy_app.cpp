// A tiny program on the framework for the single-copy test. It shows the
// probe dialog, prints "ready", minimises it and waits to be brought to the
// front by a second start: then it prints "raised" and ends. Started with
// "once", it ends right after "ready".

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "platform/framework.h"
#include "tests/platform/probe_dialog.h"
#include "tests/support/window_widgets.h"

namespace {

void Say(const char* line) {
  std::printf("%s\n", line);
  std::fflush(stdout);
}

class CWatchApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    CProbeDlg dialog;
    dialog.onInit = [](CProbeDlg& self) { QTimer::singleShot(0, [&self] { Watch(self); }); };
    m_pMainWnd = &dialog;
    dialog.DoModal();
    return FALSE;
  }

 private:
  static void Watch(CProbeDlg& dialog) {
    QWidget* window = WidgetForWindow(dialog.m_hWnd);
    Say("ready");
    if (QCoreApplication::arguments().contains("once")) {
      dialog.EndDialog(IDOK);
      return;
    }
    window->showMinimized();
    auto* timer = new QTimer(window);
    int ticks = 0;
    QObject::connect(timer, &QTimer::timeout, window, [&dialog, window, ticks]() mutable {
      if ((window->windowState() & Qt::WindowMinimized) == 0) {
        Say("raised");
        dialog.EndDialog(IDOK);
      } else if (++ticks > 300) {
        Say("timeout");
        dialog.EndDialog(IDCANCEL);
      }
    });
    timer->start(50);
  }
};

CWatchApp theApp;

}  // namespace

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
