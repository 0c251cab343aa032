// The twin filter forms: choose the pi or the T cell by its picture, type
// the cut-off frequency and the impedance, get L and C; the coil form opens
// beside them.
#pragma once

#include "calc/lc/filters.h"
#include "common/form.h"

namespace ondalab {

// What differs between the low-pass and the high-pass form.
struct FilterTexts {
    const char* name;
    const char* caption;
    const char* piTitle;
    const char* tTitle;
    const char* frequency;
    const char* impedance;
    const char* note;
    Point titleAt;  // where the chosen cell's caption stands over the picture
};

class FilterForm : public Form {
public:
    FilterForm(Workbench& wb, filters::Pass pass, const FilterTexts& texts);
    void Form_Load() override;

private:
    void Image1_Click();
    void Image2_Click();
    void showDataEntry();
    void cmdcalcola_Click();
    void cmdbobine_Click();
    void cmdesci_Click() { close(); }

    filters::Pass pass_;
    Point titleAt_;
    Control& lblistruzione_ = ctl("lblistruzione");
    Control& image1_ = ctl("Image1");
    Control& image2_ = ctl("Image2");
    Control& lblpigreco_ = ctl("lblpigreco");
    Control& lblT_ = ctl("lblT");
    Control& lblfrequenza_ = ctl("lblfrequenza");
    Control& txtfrequenza_ = ctl("txtfrequenza");
    Control& lblimpedenza_ = ctl("lblimpedenza");
    Control& txtimpedenza_ = ctl("txtimpedenza");
    Control& lblinduttanza_ = ctl("lblinduttanza");
    Control& lblcapacita_ = ctl("lblcapacità");
    Control& lblnota_ = ctl("lblnota");
    Control& cmdcalcola_ = ctl("cmdcalcola");
    Control& cmdbobine_ = ctl("cmdbobine");
};

class Frmpassabasso : public FilterForm {
public:
    static constexpr const char* kName = "frmpassabasso";
    explicit Frmpassabasso(Workbench& wb);
};

class Frmpassaalto : public FilterForm {
public:
    static constexpr const char* kName = "frmpassaalto";
    explicit Frmpassaalto(Workbench& wb);
};

}  // namespace ondalab
