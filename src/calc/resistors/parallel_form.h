// Two resistors in parallel.
#pragma once

#include "calc/shared/pair_form.h"

namespace ondalab {

class Frmresistenze : public PairForm {
public:
    static constexpr const char* kName = "frmresistenze";
    explicit Frmresistenze(Workbench& wb);
};

}  // namespace ondalab
