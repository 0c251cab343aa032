// The one generic Qt view: a window per open form, kept in step with the
// model, and the user's input sent back to the workbench, which decides.
#pragma once

#include <QObject>
#include <map>
#include <string>

#include "common/workbench.h"
#include "qt/formwindow.h"
#include "qt/twips.h"

class QAction;
class QWidget;

namespace ondalab {

class QtView : public QObject, public FormObserver, private qt::WindowEvents {
    Q_OBJECT
public:
    // Needs a QApplication; observes `wb` until destroyed. `textScale`
    // draws the forms that much larger than their own type (the program
    // passes desktopTextScale(); checks keep the forms' own type).
    explicit QtView(Workbench& wb, double textScale = 1.0);
    ~QtView() override;

    Workbench& workbench() const { return wb_; }
    // The screen's scale times the view's text scale and the zoom.
    const qt::TwipScale& scale() const { return scale_; }
    // The zoom in percent, one of kZoomSteps; every window follows it.
    int zoom() const { return zoom_; }
    void setZoom(int percent);
    static constexpr int kZoomSteps[] = {80, 90, 100, 110, 125, 150, 175, 200, 250, 300};
    // How much larger than the forms' own type the desktop's is (at least 1).
    static double desktopTextScale();

    // The window of an open form, or nullptr.
    qt::FormWindow* window(const Form& f) const;
    // The control's widget, or nullptr for painted kinds, timers and forms
    // without a window.
    QWidget* widget(const Form& f, const Control& c) const;
    // The action of a menu entry of any open form, or nullptr.
    QAction* menuAction(const std::string& menuItemName) const;
    // Enables each menu entry as the workbench says.
    void refreshMenus();

    // Moves the keyboard focus as the user would: through the widget, and
    // straight to the model when Qt does not report it (inactive window).
    void focusByUser(Form& f, Control& c);

    // FormObserver
    void formOpened(Form& f, bool modal) override;
    void formRaised(Form& f) override;
    void formClosed(Form& f) override;
    void formChanged(Form& f) override;
    void controlChanged(Form& f, Control& c) override;
    void focusChanged(Form& f, Control& c) override;
    void programEnded() override;

signals:
    void zoomChanged(int percent);

private:
    // WindowEvents
    void click(Form& f, Control& c) override;
    void edit(Form& f, Control& c, const std::string& text) override;
    void pick(Form& f, Control& c, const std::string& entry) override;
    void closeBox(Form& f) override;
    bool key(Form& f, const std::string& key, const std::string& selection) override;
    void copyReadout(Form& f) override { wb_.userCopy(f); }
    bool hasHelp(Form& f) override { return wb_.hasHelp(f); }
    void help(Form& f) override { wb_.userHelp(f); }
    void menuChosen(const std::string& item) override;
    void menuOpening() override { refreshMenus(); }
    void zoom(int step) override;

    void onQtFocus(QWidget* old, QWidget* now);
    qt::FormWindow* openWindow(Form& f);
    // After a user event: the widget shows what the model holds, whether
    // the model took the event or refused it.
    void resync(const Form* f, const Control* c);
    void resyncFocus(const Form* f);
    bool alive(const Form* f) const { return windows_.count(f) != 0; }

    Workbench& wb_;
    double textScale_;
    int zoom_ = 100;
    qt::TwipScale scale_;
    std::map<const Form*, qt::FormWindow*> windows_;
    int applying_ = 0;               // > 0 while the view itself moves widgets or focus
    QWidget* heardFocus_ = nullptr;  // the last widget whose focus reached the model
};

}  // namespace ondalab
