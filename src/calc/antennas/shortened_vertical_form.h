// Shortened vertical: the loading coil part-way up a short radiator, its
// electrical length and radiation resistance.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmvertaccorciata : public Form {
public:
    static constexpr const char* kName = "frmvertaccorciata";
    explicit Frmvertaccorciata(Workbench& wb);

private:
    void cmdcalcola_Click();
    void cmdchiamabobine_Click();
    void cmdesci_Click() { close(); }
};

}  // namespace ondalab
