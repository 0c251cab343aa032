// Two capacitors in series.
#pragma once

#include "calc/shared/pair_form.h"

namespace ondalab {

class Frmcondensatori : public PairForm {
public:
    static constexpr const char* kName = "frmcondensatori";
    explicit Frmcondensatori(Workbench& wb);
};

}  // namespace ondalab
