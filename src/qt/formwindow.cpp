#include "qt/formwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextBrowser>
#include <QWheelEvent>
#include <algorithm>

#include "common/keyboard.h"
#include "common/workbench.h"
#include "qt/clicklabel.h"
#include "qt/controlwidget.h"
#include "qt/drawing.h"
#include "qt/focusring.h"
#include "qt/language.h"
#include "qt/menurows.h"
#include "qt/printing.h"

namespace ondalab::qt {

FormWindow::FormWindow(Form& form, const TwipScale& scale, WindowEvents& events)
    : QWidget(nullptr), form_(&form), scale_(scale), events_(events) {
    setObjectName(QString::fromStdString(form.name()));
    applyStyle();
    // The bars come first: the menu bar's height already places the form.
    hbar_ = new QScrollBar(Qt::Horizontal, this);
    vbar_ = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar* bar : {hbar_, vbar_}) {
        bar->setObjectName(bar == hbar_ ? QStringLiteral("hscroll") : QStringLiteral("vscroll"));
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (form_) syncWidgets();
        });
    }
    if (!form.menu().empty()) buildMenuRows();
    createWidgets();
    ring_ = new FocusRing(this);
    installEventFilter(this);
    syncAll();
}

void FormWindow::applyStyle() {
    const FormSpec& spec = form_->spec();
    Qt::WindowFlags flags =
        Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (spec.style == FrameStyle::Sizable)
        flags |= Qt::Window | Qt::WindowMinMaxButtonsHint;
    else if (spec.inTaskbar)  // a dialog would stay out of the task bar
        flags |= Qt::Window | Qt::WindowMinimizeButtonHint;
    else
        flags |= Qt::Dialog;
    setWindowFlags(flags);
}

void FormWindow::createWidgets() {
    QWidget* previous = nullptr;
    std::vector<QWidget*> frames;
    for (const auto& c : form_->controls()) {
        QWidget* w = createWidget(*c, this);
        if (!w) continue;
        widgets_[c.get()] = w;
        controls_[w] = c.get();
        connectWidget(w, *c);
        listenToKeys(w);
        if (c->kind() == ControlKind::Frame) frames.push_back(w);
        // The tab order is the order of the control table.
        if (c->focusable()) {
            if (previous) setTabOrder(previous, w);
            previous = w;
        }
    }
    for (QWidget* f : frames) f->lower();  // a frame lies beneath what it holds
    if (menuRows_) menuRows_->raise();
}

void FormWindow::connectWidget(QWidget* w, Control& c) {
    // Every callback checks form_: a closed form's widgets may still emit
    // while the window is on its way out.
    auto clicked = [this, &c] {
        if (form_) events_.click(*form_, c);
    };
    if (auto* label = qobject_cast<ClickLabel*>(w)) {
        connect(label, &ClickLabel::clicked, this, clicked);
    } else if (auto* picture = qobject_cast<ClickPicture*>(w)) {
        connect(picture, &ClickPicture::clicked, this, clicked);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        // The line edit's own menu, and the form's readout under it.
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(edit, &QLineEdit::customContextMenuRequested, this, [this, edit](const QPoint& at) {
            QMenu* menu = edit->createStandardContextMenu();
            menu->addSeparator();
            menu->addActions(formMenu(menu)->actions());
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(edit->mapToGlobal(at));
        });
        connect(edit, &QLineEdit::textEdited, this, [this, &c](const QString& text) {
            if (form_) events_.edit(*form_, c, text.toStdString());
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, &c](const QString& text) {
            if (form_) events_.edit(*form_, c, text.toStdString());
        });
        connect(combo, &QComboBox::activated, this, [this, &c, combo](int index) {
            if (form_) events_.pick(*form_, c, combo->itemText(index).toStdString());
        });
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        connect(button, &QAbstractButton::clicked, this, clicked);
    }
}

// The menu bar wraps onto as many rows as the window's width needs, each
// row at least its 300 twips and taller when the font asks for it; the
// controls move down below it.
void FormWindow::buildMenuRows() {
    menuRows_ = new MenuRows(scale_.pixels(kMenuBarTwips), this);
    buildMenu(form_->menu(), menuRows_);
    menuRows_->setRowWidth(scale_.pixels(form_->clientRect()).width());
    connect(menuRows_, &MenuRows::rowsChanged, this, &FormWindow::menuRowsChanged);
    menuRowsChanged();
}

// The client area was laid out below the bar as it stands in the form's own
// type (the one its controls are drawn in), rows of 300 twips: a desktop
// font that makes the bar taller, with taller or more rows, makes the
// window taller by exactly as much, so the controls below keep their room.
// A bar of one row at its least height is as low as the form's type makes
// it, so that type is not even loaded then.
void FormWindow::menuRowsChanged() {
    const int offset = menuRows_->height();
    const bool lowest = offset <= scale_.pixels(kMenuBarTwips);
    const int extra = lowest ? 0 : std::max(0, offset - menuRows_->heightWith(fontOf(Font{}, scale_.text())));
    const bool taller = extra != extraHeight_;
    topOffset_ = offset;
    extraHeight_ = extra;
    if (taller) syncForm();
    if (form_) syncWidgets();
}

void FormWindow::buildMenu(const std::vector<MenuItem>& items, QWidget* into) {
    for (const MenuItem& item : items) buildItem(item, into);
}

void FormWindow::buildItem(const MenuItem& item, QWidget* into) {
    {
        const QString caption = QString::fromStdString(item.caption);
        if (!item.children.empty()) {
            auto* menu = new QMenu(caption, into);
            menu->setObjectName(QString::fromStdString(item.name));
            connect(menu, &QMenu::aboutToShow, this, [this] { events_.menuOpening(); });
            buildMenu(item.children, menu);
            into->addAction(menu->menuAction());
            return;
        }
        auto* action = new QAction(caption, into);
        action->setObjectName(QString::fromStdString(item.name));
        if (item.caption == "-") {
            action->setSeparator(true);
        } else {
            connect(action, &QAction::triggered, this, [this, name = item.name] {
                if (form_) events_.menuChosen(name);
            });
            actions_.emplace_back(&item, action);
        }
        into->addAction(action);
    }
}

void FormWindow::detach() {
    form_ = nullptr;
    canvas_.reset();
    for (auto& [control, w] : widgets_) w->blockSignals(true);
    widgets_.clear();
    controls_.clear();
    for (auto& [item, action] : actions_) action->blockSignals(true);
    actions_.clear();
}

QWidget* FormWindow::widgetOf(const Control& c) const {
    const auto it = widgets_.find(&c);
    return it == widgets_.end() ? nullptr : it->second;
}

Control* FormWindow::controlOf(const QWidget* w) const {
    for (; w && w != this; w = w->parentWidget()) {
        const auto it = controls_.find(w);
        if (it != controls_.end()) return it->second;
    }
    return nullptr;
}

QAction* FormWindow::action(const std::string& item) const {
    for (const auto& [entry, action] : actions_)
        if (entry->name == item) return action;
    return nullptr;
}

void FormWindow::syncForm() {
    if (!form_) return;
    setWindowTitle(QString::fromStdString(form_->caption()));
    const QRect wanted = clientGeometry(form_->rect(), scale_).adjusted(0, 0, 0, extraHeight_);
    documented_ = wanted.size();
    const QRect client = onScreen(wanted);
    if (form_->spec().style == FrameStyle::Fixed) {
        setFixedSize(client.size());
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    setGeometry(client);
    placeScrollBars();
    update();
}

void FormWindow::setScale(const TwipScale& scale) {
    scale_ = scale;
    if (menuRows_) menuRowsChanged();
    syncAll();
}

// The window's frame (title bar and borders) stays on the screen's free
// area, as large as the model's screen (the one it centres forms on): a
// client area too large for it is cut down to fit, and a window hanging
// over an edge moved back inside.
QRect FormWindow::onScreen(QRect client) const {
    const QScreen* sc = QGuiApplication::screenAt(client.center());
    if (!sc) sc = QGuiApplication::primaryScreen();
    const ScreenService& model = form_->workbench().services().screen;
    const QRect free(sc ? sc->availableGeometry().topLeft() : QPoint(),
                     scale_.screen().pixels(Rect{0, 0, model.widthTwips(), model.heightTwips()}).size());
    // The frame as the window manager draws it once shown, else as the model counts it.
    const TwipScale at = scale_.screen();
    QMargins frame(at.pixels(kBorderTwips), at.pixels(kCaptionTwips), at.pixels(kBorderTwips),
                   at.pixels(kBorderTwips));
    if (isVisible() && frameGeometry() != geometry())
        frame = QMargins(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    const QRect inside = free.marginsRemoved(frame);
    client.setSize(client.size().boundedTo(inside.size()));
    client.moveLeft(std::clamp(client.left(), inside.left(), inside.right() + 1 - client.width()));
    client.moveTop(std::clamp(client.top(), inside.top(), inside.bottom() + 1 - client.height()));
    return client;
}

QPoint FormWindow::origin() const { return QPoint(-hbar_->value(), topOffset_ - vbar_->value()); }

QScrollBar* FormWindow::scrollBar(Qt::Orientation o) const { return o == Qt::Horizontal ? hbar_ : vbar_; }

// The client area, menu bar included, that the form's size gives, widened
// to the controls a user reads or works as far as the size the form was
// drawn at shows them: a form its load step makes smaller (the loop, sized
// by a small screen) scrolls to each of them, while what hangs over the
// edge the form was drawn with stays cut off, as it always was.
QSize FormWindow::content() const {
    const QRect drawn(QPoint(0, 0),
                      clientGeometry(form_->drawnRect(), scale_).size() + QSize(0, extraHeight_));
    QRect used;
    for (const auto& [c, w] : widgets_)
        if (c->visible()) used |= scale_.pixels(c->rect()).translated(0, topOffset_);
    used &= drawn;
    return documented_.expandedTo(QSize(used.right() + 1, used.bottom() + 1));
}

// Bars along the right and bottom edges, each shown only when the form
// does not fit that way (one bar's width may make the other needed).
void FormWindow::placeScrollBars() {
    if (!form_) return;
    const QSize need = content();
    const QPoint before = origin();
    const int thick = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QSize room = size();
    bool across = need.width() > room.width(), down = need.height() > room.height();
    down = down || (across && need.height() > room.height() - thick);
    across = across || (down && need.width() > room.width() - thick);
    const QSignalBlocker quietH(hbar_), quietV(vbar_);
    const int wide = room.width() - (down ? thick : 0), high = room.height() - (across ? thick : 0);
    hbar_->setRange(0, across ? need.width() - wide : 0);
    hbar_->setPageStep(wide);
    hbar_->setSingleStep(scale_.pixels(kMenuBarTwips));
    hbar_->setGeometry(0, room.height() - thick, wide, thick);
    hbar_->setVisible(across);
    vbar_->setRange(0, down ? need.height() - high : 0);
    vbar_->setPageStep(high - topOffset_);
    vbar_->setSingleStep(scale_.pixels(kMenuBarTwips));
    vbar_->setGeometry(room.width() - thick, topOffset_, thick, high - topOffset_);
    vbar_->setVisible(down);
    hbar_->raise();
    vbar_->raise();
    if (origin() != before) syncWidgets();
}

void FormWindow::scrollTo(const QWidget* w) {
    if (!hbar_->isVisible() && !vbar_->isVisible()) return;
    const QRect g = w->geometry().translated(-origin() + QPoint(0, topOffset_));  // in the form's own pixels
    const int wide = width() - (vbar_->isVisible() ? vbar_->width() : 0);
    const int high = height() - topOffset_ - (hbar_->isVisible() ? hbar_->height() : 0);
    const auto into = [](QScrollBar* bar, int from, int to, int room) {
        if (to - bar->value() > room) bar->setValue(to - room);
        if (from < bar->value()) bar->setValue(from);
    };
    into(hbar_, g.left(), g.right() + 1, wide);
    into(vbar_, g.top() - topOffset_, g.bottom() + 1 - topOffset_, high);
}

void FormWindow::wheelEvent(QWheelEvent* e) {
    QScrollBar* bar = vbar_->isVisible() ? vbar_ : hbar_;
    if (bar->isVisible())
        QCoreApplication::sendEvent(bar, e);
    else
        QWidget::wheelEvent(e);
}

bool FormWindow::printOnto(QPrinter& printer) {
    QRect area;
    const QPicture recording = printImage(area);
    return printRecording(printer, recording, area.size(), logicalDpiX(),
                          fontOf(Font{}, scale_.text()).pointSizeF());
}

// The form is drawn as if unscrolled in a window as large as it reaches, so
// that a form a small screen shrank prints whole: its face and drawings,
// then each visible widget where it stands in the form.
QPicture FormWindow::printImage(QRect& area) const {
    const QPoint unscrolled(0, topOffset_);
    const QRect whole(QPoint(0, 0), content().expandedTo(size()));
    area = QRect();
    for (const auto& c : form_->controls())
        if (c->visible() && c->kind() != ControlKind::Timer)
            area |= scale_.pixels(c->rect()).translated(unscrolled);
    const int air = scale_.pixels(kMenuBarTwips) / 2;
    area = area.adjusted(-air, -air, air, air) & whole;
    QPicture recording;
    QPainter p(&recording);
    p.translate(-area.topLeft());
    Canvas(*form_, palette(), scale_, unscrolled, whole).paint(p, whole);
    for (QObject* o : children()) {  // bottom to top
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || !controlOf(w) || !w->isVisibleTo(this)) continue;
        w->render(&p, w->pos() - origin() + unscrolled, QRegion(), QWidget::DrawChildren);
    }
    p.end();
    return recording;
}

bool FormWindow::zoomKey(const QKeyEvent& e) {
    if (!(e.modifiers() & Qt::ControlModifier) || (e.modifiers() & Qt::AltModifier)) return false;
    switch (e.key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            events_.zoom(1);
            return true;
        case Qt::Key_Minus:
            events_.zoom(-1);
            return true;
        case Qt::Key_0:
            events_.zoom(0);
            return true;
        default:
            return false;
    }
}

void FormWindow::syncControl(const Control& c) {
    if (isPainted(c.kind())) {
        // The drawing changed (a picture the keyboard reaches has a widget
        // too): the texts above it may need other colours.
        syncWidgets();
    } else if (widgetOf(c)) {
        syncWidget(c);
        placeScrollBars();  // it may have moved, shown or hidden
    }
    // A caption that changes renames the boxes it stands beside.
    if (c.kind() == ControlKind::Label && form_)
        for (const auto& other : form_->controls())
            if (other->kind() != ControlKind::Label)
                if (QWidget* w = widgetOf(*other)) applyAccessibleName(w, *other);
    // Choosing an option moves its group's tab stop.
    if (c.kind() == ControlKind::Option && form_)
        for (Control* o : optionGroup(*form_, c))
            if (QWidget* w = widgetOf(*o)) applyTabStop(w, *o);
}

void FormWindow::syncWidget(const Control& c) {
    QWidget* w = widgetOf(c);
    const QRect box = scale_.pixels(c.rect()).translated(origin());
    applyState(w, c, scale_, origin(), foreOf(c, palette(), canvas().under(box)));
    if (ring_ && ring_->target() == w) placeRing(w);
}

void FormWindow::placeRing(QWidget* w) {
    if (!w || !w->isVisibleTo(this)) {
        ring_->follow(nullptr, {});
        return;
    }
    ring_->follow(w, canvas().under(ring_->ringRect(w->geometry())));
}

void FormWindow::syncWidgets() {
    canvas_.reset();
    for (const auto& c : form_->controls())
        if (widgetOf(*c)) syncWidget(*c);
    update();
}

const Canvas& FormWindow::canvas() const {
    if (!canvas_) canvas_ = std::make_unique<Canvas>(*form_, palette(), scale_, origin(), rect());
    return *canvas_;
}

// Keys reach the form's rules before the widget that has the focus; what
// the rules leave (typing, the cursor, menus) goes on to the widget.
void FormWindow::listenToKeys(QWidget* w) {
    w->installEventFilter(this);
    if (auto* combo = qobject_cast<QComboBox*>(w)) combo->lineEdit()->installEventFilter(this);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyRelease) heard_ = nullptr;
    if ((e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) && form_ && watched != this) {
        const Control* c = controlOf(qobject_cast<QWidget*>(watched));
        QWidget* w = c ? widgetOf(*c) : nullptr;
        if (w && e->type() == QEvent::FocusIn) scrollTo(w);
        if (w && FocusRing::wants(w)) placeRing(e->type() == QEvent::FocusIn ? w : nullptr);
    }
    if (!form_ || (e->type() != QEvent::KeyPress && e->type() != QEvent::ShortcutOverride))
        return QWidget::eventFilter(watched, e);
    auto* key = static_cast<QKeyEvent*>(e);
    // A key the focused control passed on reaches the window too: it was heard once.
    if (key == heard_ && key->key() == heardKey_ && key->modifiers() == heardMods_) return false;
    if (e->type() == QEvent::ShortcutOverride) {
        // An access key of the form's outranks any shortcut of Qt's own.
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        const int k = key->key();
        const bool alnum = (k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z);
        if (mods == Qt::AltModifier && alnum && accessKeyOwner(*form_, static_cast<char>(k))) {
            e->accept();
            return true;
        }
        return false;
    }
    heard_ = key;
    heardKey_ = key->key();
    heardMods_ = key->modifiers();
    // The keypad's decimal key types the point the inputs read, whatever
    // the layout puts on it (an Italian keypad gives a comma).
    if ((key->modifiers() & Qt::KeypadModifier) &&
        (key->key() == Qt::Key_Comma || key->key() == Qt::Key_Period))
        if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && !edit->isReadOnly()) {
            edit->insert(QStringLiteral("."));
            return true;
        }
    if (zoomKey(*key)) return true;
    return forwardKey(watched == this && focusWidget() ? focusWidget() : watched, key);
}

bool FormWindow::forwardKey(QObject* watched, QKeyEvent* e) {
    int k = e->key();
    Qt::KeyboardModifiers mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (k == Qt::Key_Shift || k == Qt::Key_Control || k == Qt::Key_Alt || k == Qt::Key_Meta ||
        k == Qt::Key_unknown)
        return false;
    if (k == Qt::Key_Backtab) {
        k = Qt::Key_Tab;
        mods |= Qt::ShiftModifier;
    }
    if (k == Qt::Key_Enter) k = Qt::Key_Return;
    const QString portable =
        QKeySequence(QKeyCombination(mods, static_cast<Qt::Key>(k))).toString(QKeySequence::PortableText);
    std::string selection;
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) selection = edit->selectedText().toStdString();
    // A label's or a page's own selection is copied by the widget.
    if (auto* label = qobject_cast<QLabel*>(watched);
        label && label->hasSelectedText() && portable == "Ctrl+C")
        return false;
    if (auto* page = qobject_cast<QTextBrowser*>(watched);
        page && page->textCursor().hasSelection() && portable == "Ctrl+C")
        return false;
    return events_.key(*form_, portable.toStdString(), selection);
}

QMenu* FormWindow::formMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    QAction* copy = menu->addAction(uiText(kCopyResults));
    copy->setObjectName(QStringLiteral("copiarisultati"));
    connect(copy, &QAction::triggered, this, [this] {
        if (form_) events_.copyReadout(*form_);
    });
    if (events_.hasHelp(*form_)) {
        QAction* help = menu->addAction(uiText(TR("ondalab", "Guida (F1)")));
        help->setObjectName(QStringLiteral("guida"));
        connect(help, &QAction::triggered, this, [this] {
            if (form_) events_.help(*form_);
        });
    }
    return menu;
}

void FormWindow::contextMenuEvent(QContextMenuEvent* e) {
    if (!form_) return;
    QMenu* menu = formMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

void FormWindow::syncAll() {
    syncForm();
    if (form_) syncWidgets();
}

void FormWindow::paintEvent(QPaintEvent*) {
    if (!form_) return;
    QPainter p(this);
    canvas().paint(p, rect());
}

// A new desktop palette: everything is worked out again for it.
void FormWindow::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::PaletteChange && form_) syncWidgets();
}

// The close box asks the model; it closes the form (and so this window)
// when it agrees.
void FormWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (form_) events_.closeBox(*form_);
}

// Images are painted, not widgets: a click on one is found here.
void FormWindow::mouseReleaseEvent(QMouseEvent* e) {
    QWidget::mouseReleaseEvent(e);
    if (!form_ || e->button() != Qt::LeftButton) return;
    const QPoint at = e->position().toPoint();
    const auto& controls = form_->controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        Control& c = **it;
        if (c.kind() != ControlKind::Image || !c.usable()) continue;
        if (scale_.pixels(c.rect()).translated(origin()).contains(at)) {
            events_.click(*form_, c);
            return;
        }
    }
}

void FormWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    canvas_.reset();  // more or less of the drawing shows
    if (menuRows_) menuRows_->setRowWidth(width());
    if (form_) placeScrollBars();
}

}  // namespace ondalab::qt
