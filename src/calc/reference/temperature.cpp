#include "calc/reference/temperature.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::temperature {

double fahrenheit(double celsius) { return finite((celsius * 9) / 5 + kFahrenheitZero); }

double reaumur(double celsius) { return finite(kReaumurPerCelsius * celsius); }

double kelvin(double celsius) { return finite(toSingle(celsius + kKelvinOffset)); }

}  // namespace ondalab::temperature
