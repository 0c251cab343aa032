// Half-wave dipole arms, computed as the user types the frequency.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmdipoli : public Form {
public:
    static constexpr const char* kName = "frmdipoli";
    explicit Frmdipoli(Workbench& wb);
    void Form_Load() override;

private:
    void txtfrequenza_Change();
    void cmdesci_Click() { close(); }
};

}  // namespace ondalab
