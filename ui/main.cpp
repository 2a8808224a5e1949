// The desktop program tubrix: the application object and the framework's
// entry.

#include "platform/win_app.h"
#include "ui/zel_app.h"

namespace {
CzelApp theApp;
}  // namespace

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
