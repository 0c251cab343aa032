#include "calc/antennas/j_vertical.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::j_vertical {

Results solve(double frequency) {
    Results r{};
    r.radiator = toInt16(checkedDiv(kRadiator, frequency));
    r.line = toInt16(checkedDiv(kLine, frequency));
    if (frequency > kUhfFrom) {
        r.band = Band::Uhf;
        r.feed = 4;
    } else if (frequency > kVhfFrom) {
        r.band = Band::Vhf;
        r.feed = 6;
    } else {
        r.band = Band::Low;
        r.feed = 8;
    }
    return r;
}

}  // namespace ondalab::j_vertical
