// The two playback timers of the main window, handed to the playback wiring, which the first race load
// creates.
#include "shell/MainWindow.h"
#include "shell/PlaybackWiring.h"

namespace shell {

void TForm1::PlaybackRaceLoaded() {
  if (playbackWiring == nullptr) playbackWiring = new PlaybackWiring(*this);
  playbackWiring->RaceLoaded();
}

void TForm1::Timer2Timer() {
  if (playbackWiring != nullptr) playbackWiring->Timer2Timer();
}

void TForm1::Timer1Timer() {
  if (playbackWiring != nullptr) playbackWiring->Timer1Timer();
}

}  // namespace shell
