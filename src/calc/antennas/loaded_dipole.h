// Dipole shorter than a half wave with a loading coil in each arm: the
// shortened-vertical coil formula applied to one arm, the dipole's centre
// being the radiator's base.
#pragma once

namespace ondalab::loaded_dipole {

// The inductance of each coil in microhenry, held in single precision,
// for coils `distance` metres from the centre of a dipole `length` metres
// long made of wire `diameter` millimetres thick. CalcFault where a
// logarithm or a division of the formula has no value.
double inductance(double distance, double length, double diameter, double frequency);

}  // namespace ondalab::loaded_dipole
