#include "qt/form_view.h"

#include <algorithm>
#include <iterator>

#include <QCloseEvent>
#include <QPen>
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

// An arrow with its tip at the widget's top-left corner, black with a white rim.
class PointerArrow : public QWidget {
 public:
  explicit PointerArrow(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(20, 30);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF arrow[] = {{1, 1}, {1, 24}, {7, 18}, {11, 28}, {15, 26}, {11, 17}, {18, 17}};
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qt::black);
    p.drawPolygon(arrow, std::size(arrow));
  }
};

}  // namespace

// The caption of a running video: white bold text on a dark, slightly
// transparent band. Drawn by hand: a style sheet would bring Qt's style
// sheet machinery into memory for one label.
class CaptionStrip : public QWidget {
 public:
  explicit CaptionStrip(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
  void setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 20, 215));
    p.drawRoundedRect(rect(), 6, 6);
    p.setPen(Qt::white);
    p.setFont(font());
    p.drawText(rect().adjusted(4, 0, -4, 0), Qt::AlignCenter | Qt::TextWordWrap, text_);
  }

 private:
  QString text_;
};

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

  subtitle_ = new CaptionStrip(this);
  subtitle_->hide();
  pointer_ = new PointerArrow(this);
  pointer_->hide();

  window_.setObserver(this);
  windowChanged();
}

FormView::~FormView() {
  window_.setObserver(nullptr);
  // The children detach from their controls as they are deleted by QObject.
}

QWidget* FormView::subtitle() const { return subtitle_; }

void FormView::windowChanged() {
  if (window_.caption != shownCaption_) {
    shownCaption_ = window_.caption;
    setWindowTitle(QString::fromLatin1(shownCaption_.c_str()));
  }
  if (window_.backColor != shownBackColor_) {
    shownBackColor_ = window_.backColor;
    update();
  }
  syncOverlays();
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

void FormView::syncOverlays() {
  const std::string& said = window_.subtitle();
  if (said.empty()) {
    subtitle_->hide();
  } else {
    const FormWindow::Band& b = window_.subtitleBand;
    const QRect r = pixelRect(b.left, b.top, b.width, b.height, twipsPerPixel_);
    if (subtitle_->geometry() != r) {
      subtitle_->setGeometry(r);
      QFont font("Arial");
      font.setBold(true);
      font.setPixelSize(std::max(10, r.height() * 9 / 20));
      subtitle_->setFont(font);
    }
    subtitle_->setText(QString::fromStdString(said));
    subtitle_->show();
    subtitle_->raise();
  }
  if (window_.pointerShown()) {
    pointer_->move(window_.pointerX(), window_.pointerY());
    pointer_->show();
    pointer_->raise();
  } else {
    pointer_->hide();
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
