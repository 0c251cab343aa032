// Multiplier prefixes: a fixed table of names, symbols and values.
#pragma once

#include "common/form.h"

namespace ondalab {

class Frmprefissi : public Form {
public:
    static constexpr const char* kName = "frmprefissi";
    explicit Frmprefissi(Workbench& wb);

private:
    void cmdchiudi_Click() { close(); }
};

}  // namespace ondalab
