// How the scenario runner acts and looks. The model driver works on the form
// model directly; the Qt driver (with --qt) overrides it to act through the
// real widgets and to read what they show.
#pragma once

#include <string>

#include "common/readback.h"
#include "common/workbench.h"

namespace ondalab::scenario {

class Driver {
public:
    explicit Driver(Workbench& wb) : wb_(wb) {}
    virtual ~Driver() = default;
    Workbench& workbench() { return wb_; }

    // Actions, as a user would do them.
    virtual void menu(const std::string& item) { wb_.userMenu(item); }
    virtual void click(Form& f, Control& c) { wb_.userClick(f, c); }
    virtual void focus(Form& f, Control& c) { wb_.userFocus(f, c); }
    // Appends `chars` one character (UTF-8 sequence) at a time.
    virtual void typeChars(Form& f, Control& c, const std::string& chars);
    // Replaces the whole text at once: one Change.
    virtual void replaceText(Form& f, Control& c, const std::string& text) { wb_.userEdit(f, c, text); }
    virtual void pick(Form& f, Control& c, const std::string& entry) { wb_.userPick(f, c, entry); }
    virtual void closeForm(Form& f) { wb_.userClose(f); }
    // A key or chord sent to the focused control of `f`.
    virtual void press(Form& f, const std::string& key);
    // Lets a real event loop catch up; nothing to do for the model.
    virtual void settle() {}
    // Writes a picture of the active form (and of an open menu) to NAME.png
    // in the screenshot folder; the model has nothing to show.
    virtual void screenshot(const std::string& /*name*/) {}

    // What the user sees.
    virtual std::string seenText(Form&, Control& c) { return c.seenText(); }
    virtual bool visible(Form&, Control& c) { return c.visible(); }
    virtual bool enabled(Form&, Control& c) { return c.enabled(); }
    virtual bool checked(Form&, Control& c) { return c.checked(); }
    virtual Rect geometry(Form&, Control& c) { return c.rect(); }
    virtual Rect formGeometry(Form& f) { return f.rect(); }
    virtual std::string formCaption(Form& f) { return f.caption(); }
    virtual Rgb color(Form&, Control& c) { return c.fore(); }
    virtual std::string tooltip(Form&, Control& c) { return seenTooltip(c); }
    virtual Control* focused(Form& f) { return f.focused(); }
    virtual int listCount(Form&, Control& c) { return static_cast<int>(c.items().size()); }
    virtual std::string listEntry(Form&, Control& c, int i) { return c.items().at(static_cast<size_t>(i)); }
    virtual std::string clipboard() { return wb_.services().clipboard.text(); }
    virtual bool flagged(Form&, Control& c) { return c.flagged(); }
    // Geometry is compared exactly for the model, within this many twips through widgets.
    virtual int tolerance() const { return 0; }

protected:
    Workbench& wb_;
};

}  // namespace ondalab::scenario
