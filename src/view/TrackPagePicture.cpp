// One Track page picture at a replay time, drawn by the same renderers as the replay.
#include "view/TrackPagePicture.h"

#include "race/Numbers.h"
#include "view/Compass.h"
#include "view/DrawStyle.h"
#include "view/FrameRenderer.h"
#include "view/ReplayPanels.h"
#include "view/StaticChart.h"
#include "view/TimeBar.h"

namespace view {

void DrawTrackPagePicture(Canvas& picture, const race::RaceStore& store, const analysis::ChartFit& fit,
                          const TrackPagePanels& panels, const TrackPageRequest& request) {
  const analysis::SunEstimate sun =
      analysis::EstimateSun(fit.midLat, fit.midLon, store.startTime, store.timeDifferenceHours);
  Sea sea;
  ViewOptions options;
  options.northUp = request.northUp;
  options.autoTrace = !request.manual;
  options.bigBoat = request.bigBoat;
  Pointer pointer;
  pointer.nameMode = request.nameMode;
  Playback playback;
  playback.raceTime = request.at;
  playback.clockSecond = ApplyAutoSea(sea, sun, request.at);  // the sea follows the time of day
  playback.roundingNoticeIndex = request.overlays.roundingNoticeIndex;
  playback.roundingNoticeText = request.overlays.roundingNoticeText;
  FrameState state;
  ResetFrameState(state, store.boatCount);
  state.windowHeight = picture.Height();
  state.timeBarHeight = picture.Height() - 60;
  const Scene scene{store, fit, sea, options, pointer};

  if (request.manual) {
    // Unchecking Auto Trace shows the whole race round the middle of the tracks at zoom 1.
    const ManualView manual{fit.midLat, fit.midLon, 1.0};
    DrawStaticChart(picture, scene, manual, playback, state, race::FormatDateTime);
  } else {
    picture.SetPen(kBlack);
    FillSea(picture, sea.seaColour);
    DrawFrame(picture, request.at, scene, playback, state);
  }

  Canvas& compass = panels.compass;
  DrawCompass(compass, panels.rose, CompassAngle(store, request.northUp));
  picture.CopyFrom(compass, kCompassPanelPlace.x, kCompassPanelPlace.y);
  // The red wind dot on the rim, and the wind direction in the middle.
  const int dotX = kCompassPanelPlace.x + state.windMarkerLeft;
  const int dotY = kCompassPanelPlace.y + state.windMarkerTop;
  picture.SetPen(kRed, 5);
  picture.SetBrush(kRed);
  picture.Ellipse(dotX, dotY, dotX + 8, dotY + 8);
  picture.SetBrush(kBlack);
  picture.SetFont(FontPixels(9), kWhite, false, true);
  const int textWidth = picture.TextWidth(state.compassWindText);
  picture.TextOut(kCompassPanelPlace.x + kCompassSize / 2 - textWidth / 2, kCompassPanelPlace.y + 43,
                  state.compassWindText);

  if (store.windCount > 0 && !store.windFile.empty()) {
    DrawWindGraph(panels.windGraph, store);
    picture.CopyFrom(panels.windGraph, kWindGraphPanelPlace.x, kWindGraphPanelPlace.y);
    picture.SetPen(kRed, 1);
    const int y = kWindGraphPanelPlace.y + WindBarTop(store, request.at);
    picture.MoveTo(kWindGraphPanelPlace.x + 5, y);
    picture.LineTo(kWindGraphPanelPlace.x + 95, y);
  }

  if (request.overlays.flagPanel) DrawFlagPanel(picture, panels.blueFlag, request.overlays.blueFlag);
  DrawScorePanel(picture, store, request.overlays.finishedBoats);
}

}  // namespace view
