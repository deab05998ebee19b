// The two playback timers as far as a loaded race needs them to come up: the once-a-second tick ends the
// start-up panel and starts the frame tick, which shows the frame. The clock that moves the replay time
// builds on these.
#include "shell/MainWindow.h"

namespace shell {

void TForm1::Timer2Timer() {
  if (state_.activePage != 1) return;
  Timer1->start(state_.frameInterval);
  pnlSPLITE->hide();
}

void TForm1::Timer1Timer() {
  if (state_.activePage != 1) return;
  PresentFrame();
}

}  // namespace shell
