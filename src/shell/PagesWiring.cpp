// The Graph and Table choices, the Google Earth button and the share menu: the window's side of the graph
// page, the performance report and the KML export, whose work lives in the toolkit-free pages and export
// code.
#include "export/KmlButton.h"
#include "pages/GraphPage.h"
#include "pages/PerformanceReport.h"
#include "shell/KmlButtonWiring.h"
#include "shell/MainWindow.h"
#include "shell/PlaybackWiring.h"
#include "shell/ShareMenu.h"

namespace shell {

void TForm1::WirePages() {
  connect(RadioButton2, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) RadioButton2Click();
  });
  connect(RadioButton3, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) RadioButton3Click();
  });
  auto* kmlButton = new KmlButtonWiring(Button3, state_, platform_, LocaleDateTimeText);
  shareMenu_ = new ShareMenu(*this, platform_, imgLOGO, *kmlButton);
}

void TForm1::ShowGraphPage() {
  if (Loading() || !graphBitmap) return;
  ComboBox1->setEnabled(false);
  Button4->setEnabled(false);
  Panel1->hide();
  PnlWindGr->hide();
  // The start flags belong to the replay; the Track page's next frame puts them back.
  pnlFLAG->hide();
  pages::DrawGraphPage(*graphBitmap, Store(), state_.mapWidth, state_.mapHeight, state_.sea.seaColour);
  ClearWindowPicture();
  update();
}

void TForm1::RadioButton2Click() {
  ShowGraphPage();
}

void TForm1::RadioButton3Click() {
  ShowGraphPage();
  if (Loading() || !graphBitmap) return;
  const pages::ReportDesktop desktop{
      [this] { platform_.ProcessPendingEvents(); },
      [this](const std::string& path) { platform_.OpenWithDesktop(path); },
      [this](const pages::ReportResult& failure) {
        platform_.ShowMessage(
            Text(TextId::ReportNotWritten, state_.englishTexts, {failure.path, failure.error}));
      }};
  pages::WriteAndOpenPerformanceReport(Store(), platform_.DocumentsFolder(), desktop, LocaleDateTimeText);
}

}  // namespace shell
