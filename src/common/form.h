// A form: its caption, outer geometry in twips, window style, its controls
// (declared as a table) and the small helpers every calculator's handlers
// use (reading inputs, rendering results, boxes, focus, closing).
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/catalogue.h"
#include "common/control.h"
#include "common/mask.h"
#include "common/numbers.h"

namespace ondalab {

class Workbench;

enum class FrameStyle { Fixed, Sizable };

struct MenuItem {
    std::string name = {};     // "mnuohm"
    std::string caption = {};  // "&Ohm"
    std::string form = {};     // empty for an entry with a submenu
    bool modal = true;
    std::vector<MenuItem> children = {};
};

// What a form's declaration says about its window.
struct FormSpec {
    std::string name = {};
    std::string caption = {};
    Rect rect = {};  // outer geometry in twips at creation
    FrameStyle style = FrameStyle::Fixed;
    bool centred = true;  // centred on the screen when created
    bool inTaskbar = false;
    Rgb back = colors::face;  // client-area colour
    Picture background = {};  // drawn under every control
    // Both are resolved when the form is built: a name missing from the
    // table (or naming the wrong kind of control) throws there.
    std::string faultFocus = {};               // text box focused after a calculation fault; empty: none
    std::string defaultButton = "cmdcalcola";  // what Return clicks away from a button; empty: none
    bool mainWindow = false;                   // the program's own window: Escape leaves it open
    bool helpPage = true;  // F1 shows its page, when a menu entry opens it (the information window has none)
};

// The usual box titles.
inline constexpr const char* kErrorTitle = TR("ondalab", "MESSAGGIO DI ERRORE");
inline constexpr const char* kNoticeTitle = TR("ondalab", "MESSAGGIO DI AVVISO");

// What the missing-data check does with a negative product: most forms
// stop silently, some refuse it with "MANCANO DATI" as they refuse a zero.
enum class Negative { Ignored, Refused };

// Window chrome around the client area, in twips: controls are placed in
// the client area, the form's geometry is the outer one.
inline constexpr int kBorderTwips = 60;
inline constexpr int kCaptionTwips = 300;
inline constexpr int kMenuBarTwips = 300;

class Form {
public:
    Form(Workbench& wb, FormSpec spec, std::vector<ControlSpec> controls);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The load step, run once right after creation (and centring).
    virtual void Form_Load() {}

    const std::string& name() const { return spec_.name; }
    const std::string& caption() const { return spec_.caption; }
    const FormSpec& spec() const { return spec_; }
    const Rect& rect() const { return spec_.rect; }
    // The outer geometry the control table was laid out in, whatever the
    // load step or a handler has made of the form's since.
    const Rect& drawnRect() const { return drawn_; }
    Rect clientRect() const;  // size of the client area, origin 0,0
    const std::vector<MenuItem>& menu() const { return menu_; }
    Workbench& workbench() const { return *wb_; }

    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Control* find(std::string_view name) const;
    // The named control; a name missing from the table is a programming
    // error and throws std::out_of_range naming it.
    Control& operator[](std::string_view name) const;
    // The fault-focus text box and default button the form declares, or nullptr.
    Control* faultFocus() const { return faultFocus_; }
    Control* defaultButton() const { return defaultButton_; }

    Control* focused() const { return focused_; }
    // Moves the focus; an option that takes it becomes chosen (runs Click).
    void setFocus(Control& c);
    void firstFocus();

    void setCaption(const std::string& caption);
    void move(int left, int top);
    void resize(int width, int height);
    void setRect(Rect r);
    void centre();                       // on the workbench's screen, in whole twips
    void centreOver(const Form& other);  // over another form, kept on the screen

    // Notification from a control of this form.
    void controlChanged(Control& c);

    // The translation hook for the texts a handler writes: tr("frmx",
    // "MANCANO DATI"), the context being the form's name (lupdate reads
    // these calls). A composed text is translated as a pattern and filled
    // afterwards, so a language may reorder its parts:
    // compose(tr("frmx", "IL VALORE DI R1 E' %1 OHM"), {general(r1)}).
    // Texts in the control table, the caption, the menu and box texts are
    // source texts that the form translates itself.
    std::string tr(std::string_view context, std::string_view source) const;

protected:
    // Menu captions are source texts.
    void setMenu(std::vector<MenuItem> menu);

    // A control of the table, looked up once: forms bind the controls their
    // handlers use as members (Control& txtf_ = ctl("txtf");), so a misspelt
    // name throws std::out_of_range the moment the form is created.
    Control& ctl(std::string_view name) const { return (*this)[name]; }
    // The elements of a control array ("Option1(0)", "Option1(1)", ...) in
    // index order; an array missing from the table throws as ctl() does.
    std::vector<Control*> ctlArray(std::string_view base) const;
    // Several controls a handler treats alike, bound once in the given order.
    std::vector<Control*> ctls(std::initializer_list<std::string_view> names) const;
    // The same over a table: ctls(kBandLabels), or ctls(kResults, &Result::label)
    // with `name` giving each row's control name.
    template <class Rows, class Name = std::identity>
    std::vector<Control*> ctls(const Rows& rows, Name name = {}) const {
        std::vector<Control*> out;
        for (const auto& row : rows) out.push_back(&ctl(std::invoke(name, row)));
        return out;
    }

    // Binding handlers: onClick(cmdcalcola_, &F::cmdcalcola_Click) and, for
    // an array, onClick("Option1", &F::Option1_Click) with an int index.
    template <class F>
    void onClick(Control& c, void (F::*h)()) {
        c.onClick = [this, h] { (static_cast<F*>(this)->*h)(); };
    }
    template <class F>
    void onClick(std::string_view base, void (F::*h)(int)) {
        for (Control* c : ctlArray(base))
            c->onClick = [this, h, i = c->index()] { (static_cast<F*>(this)->*h)(i); };
    }
    template <class F>
    void onChange(Control& c, void (F::*h)()) {
        c.onChange = [this, h] { (static_cast<F*>(this)->*h)(); };
    }
    template <class F>
    void onTimer(Control& c, void (F::*h)()) {
        c.onTimer = [this, h] { (static_cast<F*>(this)->*h)(); };
    }

    // Reading and rendering, with the user's regional separators.
    double num(const Control& textBox) const { return parseLeading(textBox.text()); }
    NumberFormat fmt() const;
    std::string general(double v) const { return generalText(v, fmt()); }
    std::string shortT(double v) const { return shortText(v, fmt()); }
    std::string masked(double v, Mask mask) const { return maskedText(v, mask.text(), fmt()); }
    // Rounds through a mask and reads the text back, as several forms do.
    double roundThrough(double v, Mask mask) const { return readRegional(masked(v, mask), fmt()); }

    // Boxes and checks; prompts and titles are source texts.
    void warning(const std::string& prompt, const std::string& title = kErrorTitle);
    // A failed check: the warning box, then the focus to `focusTo`.
    void warnAndFocus(Control& focusTo, const std::string& prompt, const std::string& title = kErrorTitle);
    // The missing-data check on the product of the inputs a computation
    // needs: 0 -> "MANCANO DATI" and the focus to `focusTo`; negative -> a
    // silent stop, or "MANCANO DATI" too when `negative` is Refused; beyond
    // the double range -> CalcFault. True when the computation may go on.
    bool missingDataOk(double product, Control& focusTo, Negative negative = Negative::Ignored);
    void close();

private:
    // A control the form declares by `role`: nullptr for an empty name, else
    // one of `kind`, or std::out_of_range.
    Control* resolve(std::string_view name, ControlKind kind, const char* role) const;
    void translatePicture(Picture& picture) const;

    Workbench* wb_;
    FormSpec spec_;
    Rect drawn_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<MenuItem> menu_;
    Control* focused_ = nullptr;
    Control* faultFocus_ = nullptr;
    Control* defaultButton_ = nullptr;
};

}  // namespace ondalab
