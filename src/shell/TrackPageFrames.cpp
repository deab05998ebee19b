// TrackPageFrames: the panels' pictures loaded once, each picture drawn on one canvas.
#include "shell/TrackPageFrames.h"

#include "shell/Pictures.h"

namespace shell {

namespace {

QImage LoadPicture(const char* name) {
  InitShellResources();
  return Picture(QString::fromLatin1(name));
}

void ShowPicture(QtCanvas& canvas, const QImage& picture) {
  canvas.Resize(std::max(1, picture.width()), std::max(1, picture.height()));
  canvas.DrawImage(0, 0, picture);
}

}  // namespace

TrackPageFrames::TrackPageFrames(const race::RaceStore& store, const analysis::ChartFit& fit)
    : store_(store),
      fit_(fit),
      rose_(1, 1),
      blueFlag_(1, 1),
      compass_(100, 100),
      windGraph_(100, 100),
      picture_(fit.mapWidth, fit.mapHeight) {
  ShowPicture(rose_, LoadPicture("compass"));
  ShowPicture(blueFlag_, LoadPicture("blue_p"));
}

const QImage& TrackPageFrames::Draw(const view::TrackPageRequest& request) {
  view::DrawTrackPagePicture(picture_, store_, fit_, {rose_, blueFlag_, compass_, windGraph_}, request);
  return picture_.Image();
}

}  // namespace shell
