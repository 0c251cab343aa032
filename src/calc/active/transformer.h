// Mains transformer from its core: gross and net section, power, turns per
// volt, turns, currents and wire diameters. The form rounds the turns per
// volt and the currents to two decimals between the steps.
#pragma once

#include <cstdint>

namespace ondalab::transformer {

// The quality of the laminations: power factor F (held in single
// precision) and turns constant K (turns per volt times mm2).
struct Quality {
    double powerFactor;
    std::int16_t turnsConstant;
};
// Low quality, medium quality, grain-oriented.
Quality quality(int index);
inline constexpr int kQualities = 3;

// The laminations fill 95 % of the gross section.
inline constexpr double kNetPerGross = 0.95;
// Sections accepted, in mm2, both ends included.
inline constexpr double kMinSection = 160;
inline constexpr double kMaxSection = 20000;
// P = F x S^2 / 13500.
inline constexpr double kPowerDivisor = 13500;
// The secondary gets 6 % more turns per volt than the primary.
inline constexpr double kSecondaryExtra = 1.06;
// Wire diameter in mm per square root of ampere.
inline constexpr double kWirePerRootAmpere = 0.72;

enum class SectionFit { Ok, TooSmall, TooLarge };

double grossSection(double width, double height);  // H x W, mm2
double netSection(double gross);                   // 0.95 S
SectionFit fit(double gross);
std::int16_t power(double powerFactor, double gross);         // F (S S / 13500), 16-bit
double turnsPerVolt(std::int16_t turnsConstant, double net);  // K / Sn
double secondaryTurnsPerVolt(double primaryTurnsPerVolt);     // 1.06 Tp
std::int16_t turns(double turnsPerVolt, double volts);        // 16-bit
double current(std::int16_t watts, double volts);             // P / V
double wireDiameter(double amperes);                          // 0.72 sqrt(I)

}  // namespace ondalab::transformer
