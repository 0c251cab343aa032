// Bias network of a common-emitter preamplifier stage whose emitter
// resistor is not bypassed: R1 supply to base, R2 base to ground, R3 in the
// collector, R4 in the emitter. The design rules of thumb, step by step;
// the form rounds R3 and R2 to whole ohms between the steps.
#pragma once

#include <cstdint>

namespace ondalab::bias {

// The collector resistor is one fifth of the load.
inline constexpr double kLoadPerCollector = 5;
// Half the supply stands across R3 + R4.
inline constexpr double kSupplyShare = 2;
// The base sits one silicon junction drop above the emitter...
inline constexpr double kBaseEmitterDrop = 0.7;
// ...but the divider is worked out for 0.65 V.
inline constexpr double kDividerDrop = 0.65;
// The divider carries ten times the base current; R2 is beta x R4 / 10.
inline constexpr double kDividerPerBase = 10;
inline constexpr double kBetaDivisor = 10;
// Largest input signal: 0.8 x Vcc / G.
inline constexpr double kSignalShare = 0.8;
// Input impedance: 0.7 x R2.
inline constexpr double kInputPerR2 = 0.7;
// Above this gain the stage is warned as unstable.
inline constexpr double kMaxGain = 20;
inline constexpr double kMilliPerUnit = 1000;

double collectorResistor(double load);                 // R3 = Rc / 5
std::int16_t emitterResistor(double r3, double gain);  // R4 = R3 / G, 16-bit
// Ic = (Vcc / 2) / (R4 + R3) in amperes, held in single precision.
double collectorCurrent(double vcc, double r3, double r4);
double milliamperes(double amperes);                                // x 1000 in single precision
double baseVoltage(double emitterVolts);                            // Ve + 0.7
double baseCurrent(double collectorMilliamperes, double beta);      // mA
double dividerCurrent(double baseMilliamperes);                     // 10 x Ib, single precision
double baseResistor(double r4, double beta);                        // R2 = R4 x beta / 10
double supplyResistor(double r2, double vcc, double emitterVolts);  // R2 Vcc / (Ve + 0.65)
double maxSignal(double vcc, double gain);                          // 0.8 Vcc / G
double inputImpedance(double r2);                                   // 0.7 R2
bool gainTooHigh(double gain);                                      // G > 20

}  // namespace ondalab::bias
