// Small throwaway forms for the view tests: a label, two text boxes (one
// with a Change handler), a button with an access key, an option pair, a
// line, two shapes and a combo box; a second form to open modally; one with a menu.
#pragma once

#include <QApplication>
#include <memory>
#include <vector>

#include "common/form.h"
#include "common/scripted.h"
#include "common/workbench.h"

namespace ondalab::testing {

inline ControlSpec controlSpec(ControlKind kind, const char* name, Rect rect, const char* text = "") {
    ControlSpec c;
    c.kind = kind;
    c.name = name;
    c.rect = rect;
    c.text = text;
    return c;
}

inline FormSpec formSpec(const char* name, const char* caption, Rect rect) {
    FormSpec s;
    s.name = name;
    s.caption = caption;
    s.rect = rect;
    return s;
}

inline FormSpec noDefaultButton(FormSpec s) {
    s.defaultButton.clear();
    return s;
}

inline FormSpec probeSpec() {
    FormSpec s =
        formSpec("FRMPROVA", "Prova", {1500, 1500, 4800, 3600});  // client 312 x 216 px at (104, 120)
    s.centred = false;
    return s;
}

inline std::vector<ControlSpec> probeControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(controlSpec(K::Label, "lblrisultato", {120, 120, 1500, 300}, "0"));
    c.back().tooltip = "risultato";
    c.back().border = true;
    c.push_back(controlSpec(K::TextBox, "txtinput", {120, 600, 1500, 300}));
    c.push_back(controlSpec(K::Button, "cmdcalcola", {1800, 600, 1200, 375}, "&CALCOLA"));
    c.push_back(controlSpec(K::Option, "Option1(0)", {120, 1200, 1500, 300}, "&Serie"));
    c.back().group = "fra";
    c.push_back(controlSpec(K::Option, "Option1(1)", {120, 1500, 1500, 300}, "P&arallelo"));
    c.back().group = "fra";
    c.push_back(controlSpec(K::TextBox, "txtaltro", {120, 2000, 1500, 300}));
    c.back().fore = colors::blue;
    c.push_back(controlSpec(K::Line, "linea", {3000, 150, 1200, 0}));
    c.push_back(controlSpec(K::Shape, "pieno", {3000, 1500, 600, 600}));
    c.back().filled = true;
    c.back().back = colors::red;
    c.push_back(controlSpec(K::Shape, "nascosto", {3750, 1500, 600, 600}));
    c.back().visible = false;
    c.back().filled = true;
    c.back().back = colors::blue;
    c.push_back(controlSpec(K::Combo, "cbolista", {3000, 2400, 1500, 315}));
    c.back().items = {"b", "a", "c"};
    return c;
}

class ProbeForm : public Form {
public:
    explicit ProbeForm(Workbench& wb) : Form(wb, probeSpec(), probeControls()) {
        onChange(txtinput_, &ProbeForm::txtinput_Change);
        onClick(ctl("cmdcalcola"), &ProbeForm::cmdcalcola_Click);
        onClick("Option1", &ProbeForm::Option1_Click);
    }
    int changes = 0;
    int clicks = 0;
    std::vector<int> optionClicks;

private:
    void txtinput_Change() {
        ++changes;
        lblrisultato_.setText(txtinput_.text() + "!");
    }
    void cmdcalcola_Click() {
        ++clicks;
        lblrisultato_.setText("calcolato");
    }
    void Option1_Click(int i) { optionClicks.push_back(i); }

    Control& txtinput_ = ctl("txtinput");
    Control& lblrisultato_ = ctl("lblrisultato");
};

class ModalForm : public Form {
public:
    explicit ModalForm(Workbench& wb)
        : Form(wb, noDefaultButton(formSpec("FRMMODALE", "Modale", {0, 0, 3000, 1500})),
               {controlSpec(ControlKind::Button, "cmdok", {120, 120, 1200, 375}, "OK")}) {}
};

inline MenuItem entry(const char* name, const char* caption, const char* form) {
    MenuItem m;
    m.name = name;
    m.caption = caption;
    m.form = form;
    return m;
}

class MenuForm : public Form {
public:
    explicit MenuForm(Workbench& wb)
        : Form(wb, menuSpec(), {controlSpec(ControlKind::Button, "cmdx", {120, 120, 1200, 375}, "X")}) {
        MenuItem file = entry("mnufile", "&File", "");
        file.children = {entry("mnumodale", "&Modale", "FRMMODALE"), entry("mnusep", "-", ""),
                         entry("mnuassente", "&Assente", "FRMNESSUNO")};
        setMenu({file});
    }

private:
    static FormSpec menuSpec() {
        FormSpec s = noDefaultButton(formSpec("FRMMENU", "Menu", {0, 0, 6000, 3000}));
        s.style = FrameStyle::Sizable;
        s.centred = false;
        return s;
    }
};

inline FormRegistry probeRegistry() {
    FormRegistry r;
    r.add("FRMPROVA", [](Workbench& wb) { return std::make_unique<ProbeForm>(wb); });
    r.add("FRMMODALE", [](Workbench& wb) { return std::make_unique<ModalForm>(wb); });
    r.add("FRMMENU", [](Workbench& wb) { return std::make_unique<MenuForm>(wb); });
    return r;
}

// Lets posted events run, window deletions included.
inline void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace ondalab::testing
