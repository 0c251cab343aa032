#include "calc/active/bias.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::bias {

double collectorResistor(double load) { return finite(load / kLoadPerCollector); }

std::int16_t emitterResistor(double r3, double gain) { return toInt16(checkedDiv(r3, gain)); }

double collectorCurrent(double vcc, double r3, double r4) {
    return finite(toSingle(checkedDiv(vcc / kSupplyShare, r4 + r3)));
}

double milliamperes(double amperes) { return finite(toSingle(amperes * kMilliPerUnit)); }

double baseVoltage(double emitterVolts) { return emitterVolts + kBaseEmitterDrop; }

double baseCurrent(double collectorMilliamperes, double beta) {
    return checkedDiv(collectorMilliamperes, beta);
}

double dividerCurrent(double baseMilliamperes) {
    return finite(toSingle(kDividerPerBase * baseMilliamperes));
}

double baseResistor(double r4, double beta) { return finite((r4 * beta) / kBetaDivisor); }

double supplyResistor(double r2, double vcc, double emitterVolts) {
    return checkedDiv(finite(r2 * vcc), emitterVolts + kDividerDrop);
}

double maxSignal(double vcc, double gain) { return checkedDiv(kSignalShare * vcc, gain); }

double inputImpedance(double r2) { return kInputPerR2 * r2; }

bool gainTooHigh(double gain) { return gain > kMaxGain; }

}  // namespace ondalab::bias
