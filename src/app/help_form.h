// The help window: the page of the form it was opened over (F1), its
// caption as the heading, in a read-only document that scrolls.
#pragma once

#include "common/form.h"
#include "common/workbench.h"

namespace ondalab {

class Frmguida : public Form {
public:
    static constexpr const char* kName = kHelpForm;
    explicit Frmguida(Workbench& wb);
    void Form_Load() override;

private:
    Control& txtguida_ = ctl("txtguida");
};

}  // namespace ondalab
