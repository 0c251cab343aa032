// Ohm's law and power: from two known quantities to the other two.
#pragma once

namespace ondalab::ohm {

// The known pair, as the form's options order them.
enum class Known { VoltAmpere, VoltOhm, VoltWatt, AmpereOhm, AmpereWatt, OhmWatt };

struct Results {
    double first;
    double second;
};

// A and B are the two known values in the order the pair names them; the
// caller has checked that A x B is positive.
Results solve(Known known, double a, double b);

}  // namespace ondalab::ohm
