// The boat list's pointer handling on the main window: a move over a boat's entry picks the boat out in a
// window picture drawn over a copy of the page, shows the focusing tip and keeps the side panels clear of
// a long list; a focus change renews the Graph page.
#include <QCheckBox>
#include <QEvent>
#include <QMouseEvent>

#include "pages/BoatHighlight.h"
#include "shell/MainWindow.h"
#include "view/StaticChart.h"

namespace shell {

namespace {

constexpr int kTrackPage = 1;
constexpr int kGraphPage = 2;

// Routes pointer moves over the boat list to the window's handlers. The moves stop here: passed on, the
// list panel and then the chart would take them for their own and undo the tip and the panel fit.
class BoatListWatcher : public QObject {
 public:
  explicit BoatListWatcher(TForm1& form) : QObject(&form), form_(form) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (form_.Loading()) return false;
    const QEvent::Type type = event->type();
    // Leaving the list, or reaching its header, ends the highlight.
    if ((type == QEvent::Leave && watched == form_.pnlBOATlist) ||
        (type == QEvent::Enter && watched == form_.Label1)) {
      form_.ClearWindowPicture();
      return false;
    }
    if (type != QEvent::MouseMove) return false;
    const QString& name = watched->objectName();
    if (name == QLatin1String("boatCheck")) {
      const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
      form_.sboatMouseMove(watched->property("tag").toInt(), at.x(), at.y());
    } else if (name == QLatin1String("boatBar")) {
      form_.gBarMouseMove();
    } else if (watched == form_.pnlBOATlist) {
      form_.pnlBOATlistMouseMove();
    } else {
      return false;
    }
    return true;
  }

 private:
  TForm1& form_;
};

}  // namespace

void TForm1::WireBoatList() {
  boatListWatcher_ = new BoatListWatcher(*this);
  pnlBOATlist->setMouseTracking(true);
  pnlBOATlist->installEventFilter(boatListWatcher_);
  Label1->installEventFilter(boatListWatcher_);
  for (QRadioButton* page : {RadioButton1, RadioButton2, RadioButton3}) {
    connect(page, &QRadioButton::toggled, this, [this] { ClearWindowPicture(); });
  }
}

void TForm1::WireBoatListEntries() {
  for (size_t b = 1; b < boatCheck.size(); ++b) {
    for (QWidget* entry : {static_cast<QWidget*>(boatCheck[b]), static_cast<QWidget*>(boatBar[b])}) {
      entry->setMouseTracking(true);
      entry->installEventFilter(boatListWatcher_);
    }
    // A click may change several boxes at once (a right click leaves one boat in focus); the page is
    // renewed once, after the click has set them all.
    connect(boatCheck[b], &QCheckBox::toggled, this, [this] {
      if (focusRenewalQueued_) return;
      focusRenewalQueued_ = true;
      QMetaObject::invokeMethod(
          this, [this] { BoatFocusChanged(); }, Qt::QueuedConnection);
    });
  }
}

bool TForm1::WindowPictureShown() const {
  return windowPicture && windowPicturePage_ != 0 && windowPicturePage_ == state_.activePage;
}

void TForm1::ClearWindowPicture() {
  // The next move over an entry draws its highlight afresh, even at the same place.
  boatListHover_ = {};
  if (windowPicturePage_ == 0) return;
  windowPicturePage_ = 0;
  update(0, 0, state_.mapWidth, state_.mapHeight);
}

void TForm1::DrawBoatHighlight(int boat) {
  if (!frameBitmap || !graphBitmap || !UraMap) return;
  if (!windowPicture || windowPicture->Width() != state_.mapWidth ||
      windowPicture->Height() != state_.mapHeight) {
    windowPicture = std::make_unique<QtCanvas>(state_.mapWidth, state_.mapHeight);
  }
  const race::RaceStore& store = Store();
  if (state_.activePage == kGraphPage) {
    pages::HighlightBoatOnGraph(*windowPicture, *graphBitmap, store, state_.mapWidth, state_.mapHeight, boat);
  } else {
    const analysis::ChartView still =
        view::StillView(state_.chartFit, state_.manualView, state_.mapWidth, state_.mapHeight,
                        state_.options.northUp, store.windDirection);
    pages::HighlightBoatOnChart(*windowPicture, *frameBitmap, *UraMap, store, still, boat);
  }
  windowPicturePage_ = state_.activePage;
  update(0, 0, state_.mapWidth, state_.mapHeight);
}

void TForm1::sboatMouseMove(int boat, int x, int y) {
  if (boat < 1 || boat > Store().boatCount) return;
  const pages::HoverEffects effects =
      pages::BoatEntryMouseMove(boat, x, y, state_.activePage, state_.options.autoTrace, state_.tipsOn > 0,
                                state_.pointer, boatListHover_);
  if (effects.highlightGraph || effects.highlightChart) DrawBoatHighlight(boat);
  if (effects.showFocusTip) ShowTip(FocusTip(state_.englishTexts, Store().boatName[boat]));
  FitBoatListPanels();
}

void TForm1::gBarMouseMove() {
  FitBoatListPanels();
}

// The pointer over the list between its entries. The playback wiring has already hidden the tip and
// released the pointer; here the plain page comes back and the panels make room.
void TForm1::pnlBOATlistMouseMove() {
  ClearWindowPicture();
  FitBoatListPanels();
}

void TForm1::FitBoatListPanels() {
  race::RaceStore& store = Store();
  const pages::PanelFit fit = pages::FitBoatListPanels(pnlBOATlist->y(), store.boatCount, height(),
                                                       pnlLOGO->height(), pnlCTRL->height());
  if (fit.hideLogo) pnlLOGO->hide();
  store.boatListHeight = fit.boatListHeight;
  // The layout gives the list at least this height; it may be taller, filling the gap between the panels.
  if (pnlBOATlist->height() < fit.boatListHeight)
    pnlBOATlist->resize(pnlBOATlist->width(), fit.boatListHeight);
  if (fit.hideControl) pnlCTRL->hide();
}

void TForm1::BoatFocusChanged() {
  focusRenewalQueued_ = false;
  if (Loading() || !graphBitmap) return;
  const bool highlighted = WindowPictureShown();
  const int boat = boatListHover_.lastBoat;
  if (state_.activePage == kGraphPage) ShowGraphPage();
  // On the Track page the manual view's chart has just been redrawn by the click; the highlight moves onto
  // the new picture.
  if (highlighted && boat > 0) {
    DrawBoatHighlight(boat);
    boatListHover_.lastBoat = boat;
  }
}

}  // namespace shell
