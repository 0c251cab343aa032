// Five-eighths-wave ground plane: fixed construction data for three bands.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmantenna58 : public Form {
public:
    static constexpr const char* kName = "frmantenna58";
    explicit Frmantenna58(Workbench& wb);

private:
    void Option1_Click(int index);
    void cmdesci_Click() { close(); }

    std::vector<Control*> bandLabels_;
};

}  // namespace ondalab
