// One top-level window per open form: the client area with a widget per
// control, the form's drawing painted underneath, and a menu bar for a form
// that has a menu. It knows no particular form; what the user does goes to
// the WindowEvents it was given.
#pragma once

#include <QPicture>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/form.h"
#include "qt/drawing.h"
#include "qt/twips.h"

class QAction;
class QKeyEvent;
class QMenu;
class QPrinter;
class QScrollBar;

namespace ondalab::qt {

class FocusRing;
class MenuRows;

// What the user did in a window, in model terms.
struct WindowEvents {
    virtual ~WindowEvents() = default;
    virtual void click(Form& f, Control& c) = 0;
    virtual void edit(Form& f, Control& c, const std::string& text) = 0;
    virtual void pick(Form& f, Control& c, const std::string& entry) = 0;
    virtual void closeBox(Form& f) = 0;
    // A key for the form's rules; false when the widget should have it.
    virtual bool key(Form& f, const std::string& key, const std::string& selection) = 0;
    virtual void copyReadout(Form& f) = 0;
    virtual bool hasHelp(Form& f) = 0;
    virtual void help(Form& f) = 0;
    virtual void menuChosen(const std::string& item) = 0;
    virtual void menuOpening() = 0;  // a menu is about to drop down
    // Ctrl+Plus (+1), Ctrl+Minus (-1), Ctrl+0 (0): every window's zoom.
    virtual void zoom(int step) = 0;
};

class FormWindow : public QWidget {
    Q_OBJECT
public:
    FormWindow(Form& form, const TwipScale& scale, WindowEvents& events);

    // The form, or nullptr once it has been closed in the model.
    Form* form() const { return form_; }
    // The model form is gone: forget it and ignore the widgets from now on.
    void detach();

    QWidget* widgetOf(const Control& c) const;
    // The control a widget (or one of its inner widgets) belongs to.
    Control* controlOf(const QWidget* w) const;
    QAction* action(const std::string& item) const;
    // Each leaf entry of the menu with its action.
    const std::vector<std::pair<const MenuItem*, QAction*>>& menuActions() const { return actions_; }
    MenuRows* menuRows() const { return menuRows_; }
    FocusRing* focusRing() const { return ring_; }

    const TwipScale& scale() const { return scale_; }
    // Draws the form at another scale (the zoom changed).
    void setScale(const TwipScale& scale);
    // Where the client area's corner lies in the window: below the menu
    // bar, moved up and left as far as the form is scrolled. A window
    // larger than the screen's free area is made to fit inside it, and its
    // form scrolls.
    QPoint origin() const;
    QScrollBar* scrollBar(Qt::Orientation o) const;
    // Scrolls so that the widget shows whole, as far as the window allows.
    void scrollTo(const QWidget* w);
    // Prints the area the visible controls use, without the focus ring and
    // the scroll bars, all of it however the window is scrolled or shrunk.
    bool printOnto(QPrinter& printer);
    // What printOnto puts on paper, recorded with the area's corner at 0,0;
    // `area` is the part of the unscrolled form it shows, in pixels.
    QPicture printImage(QRect& area) const;
    // The client area's controls sit this far below the window's top: the
    // height of the menu bar.
    int topOffset() const { return topOffset_; }

    void syncForm();  // caption and geometry
    void syncControl(const Control& c);
    void syncAll();

    // What the form paints beneath its widgets, in the colours it paints
    // them in for the current palette.
    const Canvas& canvas() const;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void applyStyle();
    void createWidgets();
    void connectWidget(QWidget* w, Control& c);
    void listenToKeys(QWidget* w);
    bool forwardKey(QObject* watched, QKeyEvent* e);
    QMenu* formMenu(QWidget* parent);
    void buildMenu(const std::vector<MenuItem>& items, QWidget* into);
    void buildMenuRows();
    void buildItem(const MenuItem& item, QWidget* into);
    void menuRowsChanged();
    void syncWidget(const Control& c);
    void syncWidgets();  // every widget, after the drawing or the palette changed
    QRect onScreen(QRect client) const;
    QSize content() const;
    void placeScrollBars();
    bool zoomKey(const QKeyEvent& e);
    // The focus ring around `w` (nullptr: none), on what lies beneath it.
    void placeRing(QWidget* w);

    Form* form_;
    TwipScale scale_;
    WindowEvents& events_;
    int topOffset_ = 0;
    int extraHeight_ = 0;  // how much taller than the model the window is: a desktop font's menu bar
    std::map<const Control*, QWidget*> widgets_;
    std::map<const QWidget*, Control*> controls_;
    MenuRows* menuRows_ = nullptr;
    FocusRing* ring_ = nullptr;
    QScrollBar* hbar_ = nullptr;
    QScrollBar* vbar_ = nullptr;
    QSize documented_;                        // the client area the model gives the form, menu bar included
    mutable std::unique_ptr<Canvas> canvas_;  // worked out when first needed
    // The key press last handed to the model, not to be handed twice.
    const QKeyEvent* heard_ = nullptr;
    int heardKey_ = 0;
    Qt::KeyboardModifiers heardMods_;
    std::vector<std::pair<const MenuItem*, QAction*>> actions_;
};

}  // namespace ondalab::qt
