#include "calc/active/transformer.h"

#include <stdexcept>
#include <string>

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::transformer {

Quality quality(int index) {
    static const Quality table[kQualities] = {
        {toSingle(0.8), 4100},   // "Qualità bassa"
        {toSingle(0.83), 3750},  // "Qualità media"
        {toSingle(0.86), 3600},  // "A granuli orientati"
    };
    if (index < 0 || index >= kQualities)
        throw std::out_of_range("no lamination quality " + std::to_string(index));
    return table[index];
}

double grossSection(double width, double height) { return finite(height * width); }

double netSection(double gross) { return kNetPerGross * gross; }

SectionFit fit(double gross) {
    if (gross < kMinSection) return SectionFit::TooSmall;
    if (gross > kMaxSection) return SectionFit::TooLarge;
    return SectionFit::Ok;
}

std::int16_t power(double powerFactor, double gross) {
    return toInt16(powerFactor * (gross * gross / kPowerDivisor));
}

double turnsPerVolt(std::int16_t turnsConstant, double net) { return checkedDiv(turnsConstant, net); }

double secondaryTurnsPerVolt(double primaryTurnsPerVolt) { return kSecondaryExtra * primaryTurnsPerVolt; }

std::int16_t turns(double turnsPerVolt, double volts) { return toInt16(turnsPerVolt * volts); }

double current(std::int16_t watts, double volts) { return checkedDiv(watts, volts); }

double wireDiameter(double amperes) { return kWirePerRootAmpere * checkedSqrt(amperes); }

}  // namespace ondalab::transformer
