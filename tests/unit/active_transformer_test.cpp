// Power transformer steps: expected values worked out by hand (and in a
// python3 check) from Sn = 0.95 S, P = F S^2 / 13500 with F held in single
// precision, Tp = K / Sn, Ts = 1.06 Tp, I = P / V, d = 0.72 sqrt(I); the
// turns per volt and the currents enter the next step rounded to two
// decimals, as the form rounds them.
#include <gtest/gtest.h>

#include "calc/active/transformer.h"
#include "common/fault.h"

namespace ondalab::transformer {
namespace {

struct Row {
    double width, height, vp, vs;
    int quality;
    double net;
    int watts;
    double tp, tpShown, ts, tsShown;
    int np, ns;
    double ip, ipShown, is, isShown, dp, ds;
};

TEST(ActiveTransformer, WorkedExamples) {
    const Row rows[] = {
        {25, 40, 230, 12, 0, 950, 59, 4.315789473684211, 4.32, 4.5792, 4.58, 994, 55, 0.2565217391304348,
         0.26, 4.916666666666667, 4.92, 0.3671294049786805, 1.5970372569229558},
        {25, 40, 230, 12, 1, 950, 61, 3.9473684210526314, 3.95, 4.187, 4.19, 908, 50, 0.26521739130434785,
         0.27, 5.083333333333333, 5.08, 0.3741229744348775, 1.6227975844201887},
        {25, 40, 230, 12, 2, 950, 64, 3.789473684210526, 3.79, 4.0174, 4.02, 872, 48, 0.2782608695652174,
         0.28, 5.333333333333333, 5.33, 0.38098818879330104, 1.6622490788085882},
        {40, 50, 220, 18, 2, 1900, 255, 1.894736842105263, 1.89, 2.0034, 2.0, 416, 36, 1.1590909090909092,
         1.16, 14.166666666666666, 14.17, 0.7754637322273685, 2.7103003523594946},
        // the largest section: 0.8 x 20000^2 / 13500 = 23703.7
        {100, 200, 230, 12, 0, 19000, 23704, 0.21578947368421053, 0.22, 0.2332, 0.23, 51, 3,
         103.06086956521739, 103.06, 1975.3333333333333, 1975.33, 7.309329928249237, 32.00017299953236},
    };
    for (const auto& r : rows) {
        const Quality q = quality(r.quality);
        const double s = grossSection(r.width, r.height);
        EXPECT_EQ(fit(s), SectionFit::Ok);
        EXPECT_EQ(netSection(s), r.net);
        const auto p = power(q.powerFactor, s);
        EXPECT_EQ(p, r.watts) << r.width << "x" << r.height;
        EXPECT_NEAR(turnsPerVolt(q.turnsConstant, r.net), r.tp, 1e-12);
        EXPECT_NEAR(secondaryTurnsPerVolt(r.tpShown), r.ts, 1e-12);
        EXPECT_EQ(turns(r.tpShown, r.vp), r.np);
        EXPECT_EQ(turns(r.tsShown, r.vs), r.ns);
        EXPECT_NEAR(current(p, r.vp), r.ip, 1e-12);
        EXPECT_NEAR(current(p, r.vs), r.is, 1e-12);
        EXPECT_NEAR(wireDiameter(r.ipShown), r.dp, 1e-12);
        EXPECT_NEAR(wireDiameter(r.isShown), r.ds, 1e-12);
    }
    EXPECT_EQ(quality(0).powerFactor, 0.800000011920929);  // 0.8 held in single precision
    EXPECT_EQ(fit(150), SectionFit::TooSmall);
    EXPECT_EQ(fit(160), SectionFit::Ok);
    EXPECT_EQ(fit(20000), SectionFit::Ok);
    EXPECT_EQ(fit(20100), SectionFit::TooLarge);
}

TEST(ActiveTransformer, FaultCases) {
    EXPECT_THROW(turns(26.97, 2300), CalcFault);   // 62031 turns: beyond 16 bits
    EXPECT_THROW(wireDiameter(-0.26), CalcFault);  // negative voltages give negative currents
}

}  // namespace
}  // namespace ondalab::transformer
