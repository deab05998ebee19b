// Where the main window's panels and controls go for a given client size, and the other pure arithmetic
// of the window set-up (loading window, progress panel, logo panel). No toolkit here.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace view {

struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Box&) const = default;
};

inline constexpr int kSidePanelWidth = 265;
inline constexpr int kLogoPanelHeight = 200;
inline constexpr int kControlPanelHeight = 312;
inline constexpr int kTimeBarWidth = 50;
inline constexpr int kOverviewSize = 170;

// The whole-window part of the layout; the control-panel interior is fixed (ControlPanelPlaces).
struct WindowLayout {
  Box pnlSPLITE, pnlLOGO, pnlCTRL, pnlBOATlist, pnlTimeBar;
  std::array<Box, 5> seaSwatches;  // Image4 .. Image8 inside GroupBox4
  int scrollBar1Position = 0;
};

// The side panels' scale: 1 up to a client area of 1600 x 875, growing with the window beyond that (at most
// 2), so the panels and their fonts stay legible on a big screen.
double PanelScale(int clientWidth, int clientHeight);

// A box with its place and size multiplied by scale (rounded).
Box Scaled(const Box& box, double scale);

// scale multiplies the side panels' width and the logo and control panels' heights.
WindowLayout LayoutWindow(int clientWidth, int clientHeight, int boatListHeight, double speedFactor,
                          double scale = 1.0);

// The boat list fills at least the gap between logo and control panels; a list too long for the space
// below the logo covers the logo panel.
Box PlaceBoatList(int clientWidth, int clientHeight, int boatListHeight, double scale = 1.0);

// SPEED scroll-bar position for a replay speed, in single precision with halves to even.
int SpeedBarPosition(double speedFactor);

struct NamedBox {
  std::string_view name;
  Box box;
};
// Places of the controls inside pnlCTRL, by form name.
std::span<const NamedBox> ControlPanelPlaces();

// Chart area left of the time bar and side panels.
int MapWidth(int clientWidth, double scale = 1.0);

// The loading window: splash picture centred, caption, progress text and bar above it.
struct LoadingLayout {
  Box image1, memo2, memo1, image2;
};
LoadingLayout LayoutLoadingWindow(int screenWidth, int screenHeight, int pictureWidth, int pictureHeight);

// The start-up panel of the main window during later loads.
struct ProgressPanelLayout {
  Box image2, image3, memo4, memo5;
};
ProgressPanelLayout LayoutProgressPanel(int panelWidth, int panelHeight, int pictureWidth, int pictureHeight);

// Overview map, clock text, logo and help button on pnlLOGO.
struct LogoPanelLayout {
  Box image1, memo1, imgLOGO, btnHELP;
};
LogoPanelLayout LayoutLogoPanel(int logoWidth, int logoHeight, int clockHeight);

}  // namespace view
