// A control of a form: its kind, its documented name, its geometry in twips
// (relative to the form's client area) and the properties a user can see.
// Setters notify the owning form, so the view stays in step, and a text
// box whose text changes runs its Change handler.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/picture.h"

namespace ondalab {

class Form;

// The name of an element of a control array: indexed("Option1", 2) is "Option1(2)".
std::string indexed(std::string_view base, size_t index);

// The order of a sorted list: character by character with letter case
// ignored, punctuation as the character it is ("A/D" before "AC", "n.c."
// among the N entries).
bool listsBefore(std::string_view a, std::string_view b);

// A Document holds a page of Markdown as its text: read-only, scrolled, and
// rendered by the view (the help window's page).
enum class ControlKind { Label, TextBox, Button, Option, Frame, Combo, Image, Line, Shape, Timer, Document };

enum class Align { Left, Center, Right };

struct Font {
    bool serif = false;
    int points = 8;
    bool bold = false;
    bool italic = false;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What a form's control table says about one control. Lines use `rect` as
// x1 = left, y1 = top, x2 = left + width, y2 = top + height.
struct ControlSpec {
    ControlKind kind = ControlKind::Label;
    std::string name = {};  // "txtinput1", "Option1(2)"
    Rect rect = {};
    std::string text = {};  // caption of a label/button/option/frame, text of a text box
    std::string tooltip = {};
    bool visible = true;
    bool enabled = true;
    Rgb fore = colors::black;
    Font font = {};
    Align align = Align::Left;
    bool border = false;                  // labels: a sunken box around the result
    std::string group = {};               // options: the frame whose options exclude each other
    std::vector<std::string> items = {};  // combo boxes: the list (sorted by the control)
    Picture picture = {};                 // images: the drawing
    bool clickable = false;    // images: a choice the user makes by clicking it, so also a focus stop
    bool filled = false;       // shapes: filled with `back`
    bool round = false;        // shapes: circle/ellipse instead of rectangle
    Rgb back = colors::white;  // shapes: fill colour
    int interval = 0;          // timers: ms between ticks (0: not running)
};

class Control {
public:
    Control(Form& owner, ControlSpec spec);

    Form& form() const { return *owner_; }
    const std::string& name() const { return spec_.name; }
    ControlKind kind() const { return spec_.kind; }
    // "Option1(2)" -> base "Option1" and index 2; a plain name has index -1.
    const std::string& baseName() const { return base_; }
    int index() const { return index_; }

    const std::string& text() const { return spec_.text; }
    const std::string& tooltip() const { return spec_.tooltip; }
    const Rect& rect() const { return spec_.rect; }
    bool visible() const { return spec_.visible; }
    bool enabled() const { return spec_.enabled; }
    bool checked() const { return checked_; }
    Rgb fore() const { return spec_.fore; }
    const ControlSpec& spec() const { return spec_; }
    const std::vector<std::string>& items() const { return spec_.items; }
    // Combo boxes: adds an entry to the list at its sorted place, after any
    // entry it equals.
    void addItem(const std::string& entry);
    int interval() const { return spec_.interval; }

    // The caption or text as the user sees it: "&CALCOLA" -> "CALCOLA", "&&" -> "&".
    std::string seenText() const;
    // Can the keyboard focus rest here (text boxes, buttons, options, combos,
    // pictures the user chooses by clicking)?
    bool focusable() const;
    // A text box whose text the leading-number parse does not read whole.
    bool flagged() const;
    bool usable() const { return spec_.visible && spec_.enabled; }
    // A result kept from an earlier input: the computation run on the last
    // keystroke faulted, so the label still shows what the input before
    // gave. Writing a new text makes it current again.
    bool stale() const { return stale_; }
    void setStale(bool on);
    // A label that a computation run as the user types has written.
    bool isResult() const { return result_; }
    void markResult() { result_ = true; }

    // Setting a different text of a text box or combo box fires its Change.
    void setText(const std::string& text);
    // Sets the text without running Change; true when it differed.
    bool assignText(const std::string& text);
    void setVisible(bool on);
    void setEnabled(bool on);
    void setFore(Rgb color);
    void setTooltip(const std::string& tip);
    void move(int left, int top);
    void setRect(Rect r);
    void setInterval(int ms);
    // Options: choosing one clears the others of its group and runs Click.
    void choose();
    void setChecked(bool on);  // without running any handler

    // What a handler may change, saved before an event so that a fault can
    // put the control back exactly as it was (no handler runs).
    struct State {
        std::string text, tooltip;
        Rect rect;
        bool visible, enabled, checked, stale;
        Rgb fore;
        int interval;
    };
    State state() const;
    void restore(const State& s);

    // Handlers, bound by the form's constructor.
    std::function<void()> onClick;
    std::function<void()> onChange;
    std::function<void()> onTimer;

private:
    void changed();

    Form* owner_;
    ControlSpec spec_;
    std::string base_;
    int index_ = -1;
    bool checked_ = false;
    bool result_ = false;
    bool stale_ = false;
};

}  // namespace ondalab
