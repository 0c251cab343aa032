// The two fixed-text windows: "Leggimi" (frmabaut) and the disclaimer
// (frmavvertenza). Neither reads input; both are modal, unloaded on close
// and show the same texts every time.
#pragma once

#include "calc/shared/disclaimer.h"
#include "common/form.h"

namespace ondalab {

class Frmabaut : public Form {
public:
    static constexpr const char* kName = "frmabaut";
    explicit Frmabaut(Workbench& wb);
    void Form_Load() override;

private:
    void cmdchiudi_Click() { close(); }

    // the controls the handlers use, bound when the form is built
    Control& cmdchiudi_ = ctl("cmdchiudi");
};

class Frmavvertenza : public Form {
public:
    static constexpr const char* kName = kDisclaimerForm;
    explicit Frmavvertenza(Workbench& wb);

private:
    void cmdchiudi_Click() { close(); }

    Control& cmdchiudi_ = ctl("cmdchiudi");
};

}  // namespace ondalab
