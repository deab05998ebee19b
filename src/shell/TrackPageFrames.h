// Track page pictures made without a window, one after another: the batch command's chart and the frames
// of a replay video are drawn here, with the window's own renderers, panels and pictures.
#pragma once

#include <QImage>

#include "analysis/ChartFit.h"
#include "race/RaceStore.h"
#include "shell/QtCanvas.h"
#include "view/TrackPagePicture.h"

namespace shell {

class TrackPageFrames {
 public:
  // Pictures of `store` fitted as `fit` (whose size they take). A QGuiApplication must exist. The store is
  // read where it lies, not copied (a big race would be held twice), and must outlive the frames; its hull
  // outline must be chosen (view::SelectHullOutline), as each load does.
  TrackPageFrames(const race::RaceStore& store, const analysis::ChartFit& fit);

  // The picture for the request; valid until the next call.
  const QImage& Draw(const view::TrackPageRequest& request);

 private:
  const race::RaceStore& store_;
  analysis::ChartFit fit_;
  QtCanvas rose_, blueFlag_, compass_, windGraph_, picture_;
};

}  // namespace shell
