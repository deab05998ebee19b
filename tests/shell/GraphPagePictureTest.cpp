// The Graph page drawn with the real font: the time labels down the left edge stay apart however long the
// race and however small the window.
#include <gtest/gtest.h>

#include "pages/GraphPage.h"
#include "shell/QtCanvas.h"
#include "shell/TestApplication.h"

namespace shelltest {
namespace {

constexpr view::Colour kSea = view::Rgb(160, 220, 255);

struct LabelRows {
  int top = 0;
  int bottom = 0;  // inclusive
};

// The runs of pixel rows in the margin left of the plots that hold label ink.
std::vector<LabelRows> LabelsInLeftMargin(const shell::QtCanvas& canvas, int marginRight) {
  std::vector<LabelRows> labels;
  bool inLabel = false;
  for (int y = 0; y < canvas.Height(); ++y) {
    bool ink = false;
    for (int x = 0; x < marginRight && !ink; ++x) ink = canvas.Pixel(x, y) != kSea;
    if (ink && !inLabel) labels.push_back({y, y});
    if (ink) labels.back().bottom = y;
    inLabel = ink;
  }
  return labels;
}

struct PageSize {
  int hours;
  int height;
};

void PrintTo(const PageSize& page, std::ostream* out) {
  *out << page.hours << " hours on a " << page.height << "-pixel page";
}

class GraphTimeLabels : public ::testing::TestWithParam<PageSize> {};

TEST_P(GraphTimeLabels, NeverRunIntoOneAnother) {
  TestApplication();
  const PageSize page = GetParam();
  race::RaceStore store;
  store.timelineStart = -300;
  store.timelineEnd = page.hours * 3600.0;
  constexpr int kWidth = 1000;
  shell::QtCanvas canvas(kWidth, page.height);
  pages::DrawGraphPage(canvas, store, kWidth, page.height, kSea);

  const pages::GraphAxes axes = pages::MakeGraphAxes(store, kWidth, page.height);
  const std::vector<LabelRows> labels = LabelsInLeftMargin(canvas, axes.x0 - 2);
  ASSERT_GE(labels.size(), 3u);
  // One label's digits are under a font height tall; a taller run is two labels run together.
  for (const LabelRows& label : labels)
    EXPECT_LT(label.bottom - label.top, 12) << "label at row " << label.top;
  for (std::size_t i = 1; i < labels.size(); ++i)
    EXPECT_GE(labels[i].top - labels[i - 1].bottom, 4) << "labels at rows " << labels[i].top;
}

INSTANTIATE_TEST_SUITE_P(RaceLengths, GraphTimeLabels,
                         ::testing::Values(PageSize{1, 1000}, PageSize{3, 500}, PageSize{8, 1000},
                                           PageSize{8, 400}, PageSize{24, 1000}, PageSize{30, 700},
                                           PageSize{7 * 24, 1000}, PageSize{30 * 24, 600}),
                         [](const auto& info) {
                           return std::to_string(info.param.hours) + "h_" + std::to_string(info.param.height);
                         });

}  // namespace
}  // namespace shelltest
