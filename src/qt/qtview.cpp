#include "qt/qtview.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QMetaObject>
#include <algorithm>
#include <iterator>

#include "qt/controlwidget.h"
#include "qt/language.h"

namespace ondalab {

namespace {

// Counts the view's own writes to the widgets, so the focus moves they
// cause are not taken for the user's.
class Applying {
public:
    explicit Applying(int& depth) : depth_(depth) { ++depth_; }
    ~Applying() { --depth_; }
    Applying(const Applying&) = delete;
    Applying& operator=(const Applying&) = delete;

private:
    int& depth_;
};

// Brings a window to the front; a platform without stacking (offscreen)
// only complains about raise(), so it is spared the call.
void bringToFront(QWidget* w) {
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
    w->activateWindow();
}

}  // namespace

QtView::QtView(Workbench& wb, double textScale)
    : wb_(wb), textScale_(textScale), scale_(qt::TwipScale::ofPrimaryScreen(textScale)) {
    connect(qApp, &QApplication::focusChanged, this, &QtView::onQtFocus);
    wb_.setObserver(this);
    qt::setTextSource(&wb_);
    for (Form* f : wb_.openForms()) openWindow(*f)->show();  // forms opened before the view
}

QtView::~QtView() {
    wb_.setObserver(nullptr);
    qt::setTextSource(nullptr);
    for (auto& [form, w] : windows_) {
        w->detach();
        delete w;
    }
}

double QtView::desktopTextScale() {
    // The desktop's general type, as the font actually chosen for it says.
    const double points = QFontInfo(QApplication::font()).pointSizeF();
    return std::max(1.0, points / 8.0);
}

void QtView::setZoom(int percent) {
    if (std::find(std::begin(kZoomSteps), std::end(kZoomSteps), percent) == std::end(kZoomSteps)) return;
    if (percent == zoom_) return;
    zoom_ = percent;
    scale_ = qt::TwipScale::ofPrimaryScreen(textScale_ * zoom_ / 100.0);
    Applying quiet(applying_);
    for (const auto& [form, w] : windows_) w->setScale(scale_);
    emit zoomChanged(zoom_);
}

void QtView::zoom(int step) {
    const std::ptrdiff_t at =
        std::find(std::begin(kZoomSteps), std::end(kZoomSteps), zoom_) - std::begin(kZoomSteps);
    const auto last = static_cast<std::ptrdiff_t>(std::size(kZoomSteps)) - 1;
    setZoom(step == 0 ? 100 : kZoomSteps[std::clamp<std::ptrdiff_t>(at + step, 0, last)]);
}

qt::FormWindow* QtView::window(const Form& f) const {
    const auto it = windows_.find(&f);
    return it == windows_.end() ? nullptr : it->second;
}

QWidget* QtView::widget(const Form& f, const Control& c) const {
    const qt::FormWindow* w = window(f);
    return w ? w->widgetOf(c) : nullptr;
}

QAction* QtView::menuAction(const std::string& menuItemName) const {
    for (const auto& [form, w] : windows_)
        if (QAction* a = w->action(menuItemName)) return a;
    return nullptr;
}

void QtView::refreshMenus() {
    for (const auto& [form, w] : windows_)
        for (const auto& [item, action] : w->menuActions()) action->setEnabled(wb_.menuEnabled(*item));
}

qt::FormWindow* QtView::openWindow(Form& f) {
    Applying quiet(applying_);
    auto* w = new qt::FormWindow(f, scale_, *this);
    windows_[&f] = w;
    return w;
}

// ---- model -> view ----

void QtView::formOpened(Form& f, bool modal) {
    qt::FormWindow* w = window(f);
    if (!w) w = openWindow(f);
    Applying quiet(applying_);
    if (modal) w->setWindowModality(Qt::ApplicationModal);
    w->show();
    bringToFront(w);
    refreshMenus();
}

void QtView::formRaised(Form& f) {
    if (qt::FormWindow* w = window(f)) {
        Applying quiet(applying_);
        bringToFront(w);
    }
}

void QtView::formClosed(Form& f) {
    qt::FormWindow* w = window(f);
    if (!w) return;
    Applying quiet(applying_);
    windows_.erase(&f);
    w->detach();
    w->hide();
    w->deleteLater();  // it may be the sender of the event that closed it
    // The form beneath takes the keys again (the help window goes back to its form).
    if (Form* top = wb_.activeForm())
        if (qt::FormWindow* beneath = window(*top)) bringToFront(beneath);
    refreshMenus();
}

void QtView::formChanged(Form& f) {
    if (qt::FormWindow* w = window(f)) {
        Applying quiet(applying_);
        w->syncForm();
    }
}

void QtView::controlChanged(Form& f, Control& c) {
    if (qt::FormWindow* w = window(f)) {  // none yet while the form loads
        Applying quiet(applying_);
        w->syncControl(c);
    }
}

void QtView::focusChanged(Form& f, Control& c) {
    if (QWidget* w = widget(f, c)) {
        Applying quiet(applying_);
        w->setFocus(Qt::OtherFocusReason);
    }
}

void QtView::programEnded() {
    for (auto it = windows_.begin(); it != windows_.end();) {
        qt::FormWindow* w = it->second;
        it = windows_.erase(it);
        w->detach();
        w->hide();
        w->deleteLater();
    }
    // Queued: ends the event loop once it runs, and does no harm without one.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

// ---- view -> model ----

void QtView::click(Form& f, Control& c) {
    wb_.userClick(f, c);
    resync(&f, &c);
}

void QtView::edit(Form& f, Control& c, const std::string& text) {
    wb_.userEdit(f, c, text);
    resync(&f, &c);
}

void QtView::pick(Form& f, Control& c, const std::string& entry) {
    wb_.userPick(f, c, entry);
    resync(&f, &c);
}

void QtView::closeBox(Form& f) { wb_.userClose(f); }

bool QtView::key(Form& f, const std::string& key, const std::string& selection) {
    const bool taken = wb_.userKey(f, key, selection);
    if (taken) resyncFocus(&f);
    return taken;
}

void QtView::menuChosen(const std::string& item) {
    wb_.userMenu(item);
    refreshMenus();
}

void QtView::onQtFocus(QWidget*, QWidget* now) {
    if (applying_ > 0 || !now) return;
    for (const auto& [form, w] : windows_) {
        Control* c = w->controlOf(now);
        if (!c) continue;
        if (!c->focusable()) return;  // a label holds the focus only while its text is selected
        Form* f = w->form();
        heardFocus_ = widget(*f, *c);
        if (f->focused() == c) return;  // the model has it already (a window coming back)
        wb_.userFocus(*f, *c);
        resyncFocus(f);
        return;
    }
}

void QtView::focusByUser(Form& f, Control& c) {
    QWidget* w = widget(f, c);
    if (!w) {
        wb_.userFocus(f, c);
        return;
    }
    heardFocus_ = nullptr;
    w->setFocus(Qt::OtherFocusReason);
    if (heardFocus_ != w && alive(&f)) {
        wb_.userFocus(f, c);
        resyncFocus(&f);
    }
}

void QtView::resync(const Form* f, const Control* c) {
    if (!alive(f)) return;  // the event closed the form
    Applying quiet(applying_);
    window(*f)->syncControl(*c);
    resyncFocus(f);
}

// Qt's focus follows the model's when the model refused a move.
void QtView::resyncFocus(const Form* f) {
    if (!alive(f)) return;
    const Control* focused = f->focused();
    QWidget* w = focused ? widget(*f, *focused) : nullptr;
    if (w && window(*f)->focusWidget() != w && w->isVisibleTo(window(*f)) && w->isEnabled()) {
        Applying quiet(applying_);
        w->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace ondalab
