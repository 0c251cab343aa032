// A sine-wave voltage between its RMS, peak and peak-to-peak values, and
// its average, with the three-decimal factors of the program (not exact roots).
#pragma once

namespace ondalab::rms {

inline constexpr double kPeakPerRms = 1.414;
inline constexpr double kRmsPerPeak = 0.707;
inline constexpr double kPeakToPeakPerRms = 2.828;
inline constexpr double kAveragePerPeak = 0.637;

// The known value, as the form's options order them.
enum class Known { Rms, Peak, PeakToPeak };

// The two other values, in the order the form shows them: for a known RMS
// the peak and the peak-to-peak; for a known peak the RMS and the
// peak-to-peak; for a known peak-to-peak the RMS and the peak.
struct Others {
    double first;
    double second;
};

Others convert(Known known, double volts);
double average(double peak);  // peak x 0.637

}  // namespace ondalab::rms
