#include "qt/form_view.h"

#include <algorithm>
#include <iterator>

#include <QApplication>
#include <QCloseEvent>
#include <QPen>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>
#include <map>

#include "play/key_codes.h"
#include "qt/accessible.h"
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

// The tile being dragged: its squares see-through over whatever lies below.
class Ghost : public QWidget {
 public:
  Ghost(const FormWindow& window, double twipsPerPixel, QWidget* parent)
      : QWidget(parent), window_(window), tpp_(twipsPerPixel) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
  }
  // Follows the window's ghost: the squares' bounding box around the pointer.
  void sync() {
    const auto& squares = window_.ghost();
    if (squares.empty()) {
      hide();
      return;
    }
    left_ = top_ = 1e9f;
    float right = -1e9f, bottom = -1e9f;
    for (const auto& q : squares) {
      left_ = std::min(left_, q.left);
      top_ = std::min(top_, q.top);
      right = std::max(right, q.left + q.width);
      bottom = std::max(bottom, q.top + q.height);
    }
    setGeometry(pixelRect(window_.ghostX() + left_, window_.ghostY() + top_, right - left_, bottom - top_, tpp_));
    update();
    show();
    raise();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    for (const auto& q : window_.ghost()) {
      QColor fill = colorOf(q.color);
      fill.setAlpha(170);
      const QRect r = pixelRect(q.left - left_, q.top - top_, q.width, q.height, tpp_).adjusted(0, 0, -1, -1);
      p.fillRect(r, fill);
      p.setPen(QPen(QColor(0, 0, 0, 200), 1));
      p.drawRect(r);
    }
  }

 private:
  const FormWindow& window_;
  double tpp_;
  float left_ = 0, top_ = 0;
};

namespace {

// Qt's keys as the window's key numbers; letters and digits are the same.
int16_t keyCodeOf(int qtKey) {
  if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
    return static_cast<int16_t>(qtKey);
  }
  static const std::map<int, int16_t> kKeys = {
      {Qt::Key_Tab, key::kTab},       {Qt::Key_Backtab, key::kTab},     {Qt::Key_Return, key::kEnter},
      {Qt::Key_Enter, key::kEnter},   {Qt::Key_Space, key::kSpace},     {Qt::Key_PageUp, key::kPageUp},
      {Qt::Key_PageDown, key::kPageDown}, {Qt::Key_Left, key::kLeft},   {Qt::Key_Up, key::kUp},
      {Qt::Key_Right, key::kRight},   {Qt::Key_Down, key::kDown},       {Qt::Key_Delete, key::kDelete},
      {Qt::Key_F1, key::kF1}};
  const auto found = kKeys.find(qtKey);
  return found == kKeys.end() ? 0 : found->second;
}

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
      view->installEventFilter(this);
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
  ghost_ = new Ghost(window_, twipsPerPixel_, this);
  // The keyboard plays the game; the size list takes it back when clicked.
  setFocusPolicy(Qt::StrongFocus);
  setFocus();

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
  accessibleChange();
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
  ghost_->sync();
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

void FormView::submit(std::function<void()> event) {
  routeEvent([&] { window_.gate.submit(std::move(event)); });
}

// Wheel turns reach here from every control but the size list, which
// scrolls with them.
void FormView::wheelEvent(QWheelEvent* event) {
  if (!play_.wheel) return;
  wheelRest_ += event->angleDelta().y();
  const int notches = wheelRest_ / 120;
  wheelRest_ -= notches * 120;
  if (notches == 0) return;
  const float x = static_cast<float>(event->position().x() * twipsPerPixel_);
  const float y = static_cast<float>(event->position().y() * twipsPerPixel_);
  submit([=, this] { play_.wheel(static_cast<int16_t>(notches), x, y); });
}

// Keys come here while the window itself has the focus, and those the size
// list leaves alone while it has it.
void FormView::keyPressEvent(QKeyEvent* event) {
  const int16_t code = keyCodeOf(event->key());
  if (code == 0 || !play_.key) {
    event->ignore();
    return;
  }
  int16_t shift = shiftState(event->modifiers());
  if (event->key() == Qt::Key_Backtab) shift |= key::kShift;
  submit([=, this] { play_.key(code, shift); });
}

// Tab chooses tiles, not controls.
bool FormView::focusNextPrevChild(bool) { return false; }

bool FormView::eventFilter(QObject* watched, QEvent* event) {
  // Only the window system's own events: the hover moves sent on during a
  // drag come back through here and go their ordinary way.
  if (!event->spontaneous()) return false;
  auto* view = static_cast<ControlView*>(watched);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
      return dragFilter(view, static_cast<QMouseEvent*>(event));
    default:
      return false;
  }
}

bool FormView::dragFilter(ControlView* view, QMouseEvent* event) {
  const QPoint at = view->mapTo(this, event->position().toPoint());
  const float x = static_cast<float>(at.x() * twipsPerPixel_), y = static_cast<float>(at.y() * twipsPerPixel_);
  if (event->type() == QEvent::MouseButtonPress) {
    // The right button is a click of its own: on the press, like the menus.
    if (event->button() == Qt::RightButton && play_.rightClick) {
      const int16_t shift = shiftState(event->modifiers());
      submit([=, this] { play_.rightClick(shift, x, y); });
    }
    if (event->button() == Qt::LeftButton) {
      pressed_ = view;
      pressAt_ = at;
      dragging_ = false;
    }
    return false;
  }
  if (view != pressed_ || !play_.dragStart) return false;
  if (event->type() == QEvent::MouseMove) {
    if (!(event->buttons() & Qt::LeftButton)) return false;
    if (!dragging_) {
      if ((at - pressAt_).manhattanLength() < QApplication::startDragDistance()) return false;
      const QPoint from = pressAt_ - view->pos();
      routeEvent([&] {
        dragging_ = play_.dragStart(view->control(), static_cast<float>(from.x() * twipsPerPixel_),
                                    static_cast<float>(from.y() * twipsPerPixel_));
      });
      if (!dragging_) {
        pressed_ = nullptr;
        return false;
      }
    }
    routeEvent([&] { play_.dragMove(x, y); });
    hoverDuringDrag(at, *event);
    return true;
  }
  if (event->button() != Qt::LeftButton) return false;
  pressed_ = nullptr;
  if (!dragging_) return false;
  dragging_ = false;
  view->cancelPress();
  routeEvent([&] { play_.dragDrop(x, y); });
  return true;
}

// The pointer move the control under the pointer would have had, had the
// press not captured the pointer: the hover hints go on during a drag.
void FormView::hoverDuringDrag(QPoint at, const QMouseEvent& event) {
  QWidget* target = childAt(at);
  if (!target) target = this;
  QMouseEvent move(QEvent::MouseMove, target->mapFrom(this, QPointF(at)), event.globalPosition(), Qt::NoButton,
                   event.buttons(), event.modifiers());
  QCoreApplication::sendEvent(target, &move);
}

void FormView::closeEvent(QCloseEvent* event) {
  if (!closing_) {
    closing_ = true;
    if (onClose_) routeEvent(onClose_);
  }
  event->accept();
}

}  // namespace qtview
