#include "calc/antennas/dipoles.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::dipoles {

Arms arms(double frequency) {
    return {checkedDiv(kStraightArm, frequency), finite(toSingle(checkedDiv(kInvertedVArm, frequency)))};
}

}  // namespace ondalab::dipoles
