// Balun choke: why the braid carries current and the choke coils, wound
// from the feed cable, recommended for each band. A page to read.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmbalunchoke : public Form {
public:
    static constexpr const char* kName = "frmbalunchoke";
    explicit Frmbalunchoke(Workbench& wb);

private:
    void cmdesci_Click() { close(); }
};

}  // namespace ondalab
