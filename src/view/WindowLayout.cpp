// The window arithmetic: panel places for a client size, the fixed control places, loading and progress
// displays and the logo panel.
#include "view/WindowLayout.h"

#include <algorithm>

#include "race/Numbers.h"

namespace view {

namespace {

constexpr NamedBox kControlPanelPlaces[] = {
    {"Label5", {12, 12, 84, 12}},
    {"btnOpenTracks", {98, 6, 80, 19}},
    {"ComboBox1", {11, 28, 167, 20}},
    {"chkAutoNext", {182, 7, 72, 16}},
    {"Button1", {207, 195, 44, 49}},
    {"Button4", {183, 28, 73, 19}},
    {"GroupBox2", {12, 56, 65, 55}},
    {"GroupBox1", {83, 56, 71, 45}},
    {"CheckBox1", {169, 51, 86, 16}},
    {"chkLL", {169, 68, 86, 16}},
    {"ChkRefLine", {169, 85, 86, 16}},
    {"CheckBox2", {169, 102, 86, 16}},
    {"ChkBigBoat", {169, 119, 86, 16}},
    {"Button5", {169, 136, 85, 16}},
    {"Button3", {169, 153, 85, 16}},
    {"Button2", {169, 170, 85, 16}},
    {"pnlDIR", {10, 116, 69, 72}},
    {"GroupBox4", {83, 109, 71, 78}},
    {"Label3", {11, 198, 32, 12}},
    {"ScrollBar2", {48, 197, 106, 16}},
    {"usa", {165, 194, 34, 23}},
    {"jpn", {165, 194, 34, 23}},
    {"Label2", {9, 226, 36, 12}},
    {"ScrollBar1", {48, 225, 106, 16}},
    {"Memo2", {162, 224, 29, 19}},
    // What the wakes and the Graph page show beyond the plain replay.
    {"chkTacks", {9, 248, 82, 16}},
    {"chkSpeedTail", {93, 248, 82, 16}},
    {"chkLongTail", {177, 248, 82, 16}},
    {"lblSmooth", {11, 270, 150, 12}},
    {"cmbSmooth", {165, 267, 90, 19}},
    // Fixing a race by hand.
    {"btnEditRace", {9, 289, 100, 19}},
};

int RoundHalfEven(double value) {
  return race::RoundToInt(value);
}

}  // namespace

int SpeedBarPosition(double speedFactor) {
  // The bar was set from a single-precision value; keep that so the halves fall the same way.
  const float s = static_cast<float>(speedFactor);
  float position;
  if (s <= 10.0f) {
    position = s * 4.0f - 1.0f;
  } else if (s <= 90.0f) {
    position = (s / 10.0f - 1.0f) * 4.0f + 40.0f;
  } else {
    position = (s / 100.0f - 1.0f) * 4.0f + 80.0f;
  }
  return RoundHalfEven(static_cast<double>(position));
}

double PanelScale(int clientWidth, int clientHeight) {
  const double scale = std::min(clientWidth / 1600.0, clientHeight / 875.0);
  return std::clamp(race::Round(scale * 20) / 20, 1.0, 2.0);  // in steps of 5 %
}

Box Scaled(const Box& box, double scale) {
  return {RoundHalfEven(box.left * scale), RoundHalfEven(box.top * scale), RoundHalfEven(box.width * scale),
          RoundHalfEven(box.height * scale)};
}

Box PlaceBoatList(int clientWidth, int clientHeight, int boatListHeight, double scale) {
  const int sideWidth = RoundHalfEven(kSidePanelWidth * scale);
  const int logoHeight = RoundHalfEven(kLogoPanelHeight * scale);
  const int freeGap = clientHeight - logoHeight - RoundHalfEven(kControlPanelHeight * scale);
  Box box;
  box.width = sideWidth;
  box.left = clientWidth - sideWidth;
  box.height = boatListHeight >= freeGap ? boatListHeight : freeGap;
  box.top = boatListHeight >= clientHeight - logoHeight ? 0 : logoHeight;
  // A fleet too long for the window scrolls inside it.
  box.height = std::min(box.height, clientHeight - box.top);
  return box;
}

WindowLayout LayoutWindow(int clientWidth, int clientHeight, int boatListHeight, double speedFactor,
                          double scale) {
  const int sideWidth = RoundHalfEven(kSidePanelWidth * scale);
  const int controlHeight = RoundHalfEven(kControlPanelHeight * scale);
  WindowLayout layout;
  layout.pnlSPLITE = {0, 0, clientWidth, clientHeight};
  layout.pnlLOGO = {clientWidth - sideWidth, 0, sideWidth, RoundHalfEven(kLogoPanelHeight * scale)};
  layout.pnlCTRL = {clientWidth - sideWidth, clientHeight - controlHeight, sideWidth, controlHeight};
  layout.pnlBOATlist = PlaceBoatList(clientWidth, clientHeight, boatListHeight, scale);
  layout.pnlTimeBar = {layout.pnlLOGO.left - kTimeBarWidth, 0, kTimeBarWidth, clientHeight};
  for (int i = 0; i < 5; ++i) layout.seaSwatches[i] = {5, 15 + 12 * i, 32, 10};
  layout.scrollBar1Position = SpeedBarPosition(speedFactor);
  return layout;
}

std::span<const NamedBox> ControlPanelPlaces() {
  return kControlPanelPlaces;
}

int MapWidth(int clientWidth, double scale) {
  return clientWidth - RoundHalfEven(kSidePanelWidth * scale) - kTimeBarWidth;
}

LoadingLayout LayoutLoadingWindow(int screenWidth, int screenHeight, int pictureWidth, int pictureHeight) {
  // t stays unrounded so each control rounds its own offset from it.
  const double t = (screenHeight - pictureHeight) / 2.0;
  const int left = RoundHalfEven((screenWidth - pictureWidth) / 2.0);
  LoadingLayout layout;
  layout.image1 = {left, RoundHalfEven(t), pictureWidth, pictureHeight};
  layout.memo2 = {left, RoundHalfEven(t - 140), pictureWidth, 60};
  layout.memo1 = {left, RoundHalfEven(t - 70), pictureWidth, 18};
  layout.image2 = {left, RoundHalfEven(t - 50), pictureWidth, 18};
  return layout;
}

ProgressPanelLayout LayoutProgressPanel(int panelWidth, int panelHeight, int pictureWidth,
                                        int pictureHeight) {
  ProgressPanelLayout layout;
  const int left = RoundHalfEven((panelWidth - pictureWidth) / 2.0);
  const int top = RoundHalfEven((panelHeight - pictureHeight) / 2.0) - 30;
  layout.image2 = {left, top, pictureWidth, pictureHeight};
  layout.image3 = {left, top + pictureHeight + 45, pictureWidth, 18};
  layout.memo4 = {left, top + pictureHeight + 20, pictureWidth, 18};
  layout.memo5 = {left, top - 60, pictureWidth, 28};
  return layout;
}

LogoPanelLayout LayoutLogoPanel(int logoWidth, int logoHeight, int clockHeight) {
  LogoPanelLayout layout;
  layout.image1 = {3, 3, kOverviewSize, kOverviewSize};
  layout.memo1 = {3, layout.image1.top + kOverviewSize + 3, kOverviewSize, clockHeight};
  layout.imgLOGO = {layout.image1.left + kOverviewSize + 7, 3, logoWidth, logoHeight};
  layout.btnHELP = {layout.imgLOGO.left, layout.imgLOGO.top + logoHeight + 5, logoWidth, 25};
  return layout;
}

}  // namespace view
