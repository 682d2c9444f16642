#include "qt/form_view.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "qt/app_icon.h"
#include "qt/grid_view.h"
#include "qt/list_view.h"
#include "qt/simple_views.h"
#include "qt/timer_bridge.h"
#include "qt/units.h"

namespace qtview {

namespace {

ControlView* makeView(Control& c, double tpp, QWidget* parent) {
  switch (c.kind()) {
    case ControlKind::CommandButton:
      return new ButtonView(c, tpp, parent);
    case ControlKind::Label:
      return new LabelView(c, tpp, parent);
    case ControlKind::OptionButton:
      return new OptionView(static_cast<OptionControl&>(c), tpp, parent);
    case ControlKind::ListBox:
      return new ListView(static_cast<ListBoxControl&>(c), tpp, parent);
    case ControlKind::Grid:
      return new GridView(static_cast<GridControl&>(c), tpp, parent);
    case ControlKind::Timer:
      break;
  }
  return nullptr;
}

}  // namespace

FormView::FormView(FormWindow& window) : window_(window), twipsPerPixel_(screenTwipsPerPixel()) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowIcon(appIcon());

  views_.reserve(window_.count());
  for (int k = 0; k < window_.count(); ++k) {
    Control& c = window_.control(k);
    ControlView* view = makeView(c, twipsPerPixel_, this);
    views_.push_back(view);
    if (view) {
      view->attach();
    } else {
      timers_.push_back(new TimerBridge(static_cast<TimerControl&>(c), this));
    }
  }
  // Qt puts the sibling created last on top; the window wants the first.
  for (auto it = views_.rbegin(); it != views_.rend(); ++it) {
    if (*it) (*it)->raise();
  }

  window_.setObserver(this);
  windowChanged();
}

FormView::~FormView() {
  window_.setObserver(nullptr);
  // The children detach from their controls as they are deleted by QObject.
}

void FormView::windowChanged() {
  setWindowTitle(QString::fromLatin1(window_.caption.c_str()));
  update();
  if (window_.windowState() == 2) {
    // Without a window manager (a bare X server) the maximised state is only
    // a hint: cover the screen by geometry as well.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen && !(windowState() & Qt::WindowMaximized)) setGeometry(screen->geometry());
    setWindowState(windowState() | Qt::WindowMaximized);
  } else {
    if (windowState() & Qt::WindowMaximized) setWindowState(windowState() & ~Qt::WindowMaximized);
    const QRect r = pixelRect(window_.left(), window_.top(), window_.width(), window_.height(), twipsPerPixel_);
    if (r != geometry()) setGeometry(r);
  }
}

void FormView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(event->rect(), colorOf(window_.backColor));
}

void FormView::mouseMoveEvent(QMouseEvent* event) {
  if (!onMove_) return;
  // The window's MouseMove is in its scale unit: twips, or pixels while the
  // program has switched to pixels.
  const double unit = window_.scaleMode == 3 ? 1.0 : twipsPerPixel_;
  const float x = static_cast<float>(event->position().x() * unit);
  const float y = static_cast<float>(event->position().y() * unit);
  const int16_t button = buttonState(event->buttons()), shift = shiftState(event->modifiers());
  routeEvent([&] { window_.gate.submit([=, this] { onMove_(button, shift, x, y); }); });
}

void FormView::closeEvent(QCloseEvent* event) {
  if (!closing_) {
    closing_ = true;
    if (onClose_) routeEvent(onClose_);
  }
  event->accept();
}

}  // namespace qtview
