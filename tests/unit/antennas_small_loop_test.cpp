#include <gtest/gtest.h>

#include "calc/antennas/small_loop.h"
#include "common/fault.h"

namespace ondalab {
namespace {

using small_loop::Shape;

struct Case {
    Shape shape;
    double size, tube, frequency, power;
    double length, area;
    double feet, radiation, loss, efficiency, inductance, reactance, tuning, coupling, q, bandwidth, voltage,
        efficiencyDb, distributed;
};

// Expected values worked out independently (python, same constants, the
// wavelength held in single precision, the length as the form shows it).
TEST(SmallLoop, WorkedCases) {
    const Case cases[] = {
        {Shape::Circular,
         100,
         20,
         14,
         100,
         314,
         0.785,
         10.3018062,
         0.09118449752507951,
         0.048757487869294146,
         65.15878509806076,
         2.4950143627748455e-06,
         219.36166277516443,
         51.85033792247923,
         19.39659986106995,
         783.759291955793,
         17.862627140361425,
         4146.404966943151,
         -1.860270218179034,
         8.447481084},
        {Shape::Circular,
         100,
         20,
         7,
         100,
         314,
         0.785,
         10.3018062,
         0.005699031095317469,
         0.03447675030599873,
         14.185240203270231,
         2.4950143627748455e-06,
         109.68083138758222,
         207.4013516899169,
         41.57131367493543,
         1365.0118001686083,
         5.128160796218282,
         3869.3103919994996,
         -8.481633057566338,
         8.447481084},
        {Shape::Square,
         100,
         20,
         14,
         100,
         400,
         1.0,
         13.12332,
         0.1479727332144582,
         0.0621114495150244,
         70.43497101587941,
         3.371110284519998e-06,
         296.38801621499823,
         38.37529090204035,
         17.5892919888294,
         705.4029779020675,
         19.84681159361883,
         4572.449991553172,
         -1.5221165977490705,
         10.7611224},
        // a regular octagon of side 1 m: 2 x 2.4153023 m^2
        {Shape::Octagonal,
         100,
         20,
         14,
         100,
         800,
         4.8306046,
         26.24664,
         3.452905375254981,
         0.1242228990300488,
         96.52730096588785,
         7.846049197999023e-06,
         689.8246454880741,
         16.488213949041697,
         31.18464978870897,
         96.42156956559676,
         145.19572812466646,
         2579.0303418725316,
         -0.15349837102227767,
         21.5222448},
        // 3.14 x 33.3 = 104.562 is shown as 105, and the feet come from 105
        {Shape::Circular,
         33.3,
         20,
         14,
         100,
         105,
         0.087047865,
         3.4448715,
         0.0011212383491026852,
         0.016304255497693904,
         6.434471005301281,
         6.053592649678407e-07,
         53.223186575972555,
         213.70340774116585,
         28.21005903891288,
         1527.1643674465165,
         9.167317086770819,
         2850.9744660516176,
         -11.914871517777907,
         2.8247946299999995},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(small_loop::length(c.shape, c.size), c.length) << c.size;
        const double a = small_loop::area(c.shape, c.size);
        EXPECT_NEAR(a, c.area, 1e-12) << c.size;
        const auto r = small_loop::solve(c.length, a, c.tube, c.frequency, c.power);
        const auto near = [&](double got, double want, const char* what) {
            EXPECT_NEAR(got, want, 1e-10 * std::abs(want)) << what << " for " << c.size;
        };
        near(r.feet, c.feet, "feet");
        near(r.inches, 0.7874, "inches");
        near(r.radiation, c.radiation, "radiation");
        near(r.loss, c.loss, "loss");
        near(r.efficiency, c.efficiency, "efficiency");
        near(r.inductance, c.inductance, "inductance");
        near(r.reactance, c.reactance, "reactance");
        near(r.tuning, c.tuning, "tuning");
        near(r.coupling, c.coupling, "coupling");
        near(r.q, c.q, "Q");
        near(r.bandwidth, c.bandwidth, "bandwidth");
        near(r.voltage, c.voltage, "voltage");
        near(r.efficiencyDb, c.efficiencyDb, "dB");
        near(r.distributed, c.distributed, "distributed");
    }
}

TEST(SmallLoop, FaultCases) {
    // a circle beyond 32767 cm of perimeter
    EXPECT_THROW(small_loop::length(Shape::Circular, 10436), CalcFault);
    EXPECT_EQ(small_loop::length(Shape::Circular, 10435), 32766);
    // negative frequency and power: the square root of F
    EXPECT_THROW(small_loop::solve(314, 0.785, 20, -14, -100), CalcFault);
    // negative tube and power: log of a negative 96 S / (3.14 d')
    EXPECT_THROW(small_loop::solve(314, 0.785, -20, 14, -100), CalcFault);
}

}  // namespace
}  // namespace ondalab
