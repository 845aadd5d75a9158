// The drawn profile holds the thread's geometry: flanks at the family's angles,
// one ridge per pitch, half a pitch of thread at the pitch diameter, crests
// and roots on the limits.
#include "core/thread_record.h"
#include "pages/parameter_page.h"
#include "pages/profile_geometry.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// x where the outline crosses height y.
std::vector<double> Crossings(const ProfileLine& line, double y) {
    std::vector<double> xs;
    for (std::size_t i = 1; i < line.size(); ++i) {
        const ProfilePoint a = line[i - 1], b = line[i];
        if ((a.y - y) * (b.y - y) < 0) xs.push_back(a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y));
    }
    return xs;
}

double YAt(const ProfileLine& line, double x) {
    for (std::size_t i = 1; i < line.size(); ++i)
        if (line[i].x >= x && line[i].x > line[i - 1].x)
            return line[i - 1].y +
                   (line[i].y - line[i - 1].y) * (x - line[i - 1].x) / (line[i].x - line[i - 1].x);
    return line.back().y;
}

struct Thread {
    const char* name;
    const char* type;
    const char* cls;
    const char* dia;
    const char* pitch;
    double left, right; // flank angles, degrees
    double pitchInch;
    double extPDMax; // inches: the external maximum-material pitch line
    double extMajorMax;
};

constexpr double kMm = 1 / 25.4;
// PD and major: ASME B1.1 Table 2 (1/4-20 UNC-2A), ISO 965-2 (M10x1.5-6g),
// ASME B1.5 (1/2-10 Acme-2G); buttress 2-8 class 2 by the B1.9 formulas by
// hand: tolerance 0.002 D^(1/3) + 0.0173 sqrt(P) = 0.0086363, allowance two
// thirds of it, PD max = D - 0.6P - 0.0057575, major max = D - 0.0057575.
const Thread kThreads[] = {
    {"UNC", "UN", "2", "1/4", "20", 30, 30, 1 / 20.0, 0.2164, 0.2489},
    {"metric", "M", "", "10", "1.5", 30, 30, 1.5 * kMm, 8.994 * kMm, 9.968 * kMm},
    {"Acme", "ACME", "2G", "0.5", "10", 14.5, 14.5, 0.1, 0.4443, 0.5000},
    {"buttress", "745BUTT", "2", "2", "8", 7, 45, 0.125, 1.9192425, 1.9942425},
};

class ProfileOf : public testing::TestWithParam<Thread> {};

TEST_P(ProfileOf, FollowsTheLimits) {
    ShippedTables tables;
    const Thread& t = GetParam();
    ParameterEntry e;
    for (std::size_t i = 0; i < ThreadTypeEntries().size(); ++i)
        if (std::string(ThreadTypeEntries()[i].typeName) == t.type)
            e.typeIndex = static_cast<int>(i);
    e.classText = t.cls;
    e.diameterText = t.dia;
    e.pitchText = t.pitch;
    TTInfo rec;
    ASSERT_EQ(SetUpRecord(e, rec).message, "");
    rec.Calculate();
    const ProfileGeometry g = BuildProfileGeometry(rec, false);
    ASSERT_TRUE(g.available);
    const double p = t.pitchInch;
    EXPECT_NEAR(g.pitch, p, 1e-9);

    // Half a pitch of ridge where the maximum-material outline crosses PD max,
    // the ridge centred on the pitch.
    const std::vector<double> xs = Crossings(g.extMax, t.extPDMax / 2);
    ASSERT_EQ(xs.size(), 2u * g.pitches);
    EXPECT_NEAR(xs[2] - xs[1], p / 2, 2e-6);
    EXPECT_NEAR(xs[1] - xs[0], p / 2, 2e-6);
    // The crest flat on the major diameter max.
    double crest = 0;
    for (const ProfilePoint& pt : g.extMax)
        crest = std::max(crest, pt.y);
    EXPECT_NEAR(crest, t.extMajorMax / 2, 1e-6);

    for (const ProfileLine* line : {&g.basic, &g.extMax, &g.extMin, &g.intMax, &g.intMin}) {
        // Every sloped segment at a flank angle: rising on the left flank.
        for (std::size_t i = 1; i < line->size(); ++i) {
            const double dx = (*line)[i].x - (*line)[i - 1].x;
            const double dy = (*line)[i].y - (*line)[i - 1].y;
            if (std::fabs(dy) < 1e-12) continue;
            const double angle = std::atan(dx / std::fabs(dy)) * 180 / std::numbers::pi;
            EXPECT_NEAR(angle, dy > 0 ? t.left : t.right, 1e-6);
        }
        // One pitch on, the same outline.
        for (double x = 0; x < p; x += p / 7)
            EXPECT_NEAR(YAt(*line, x), YAt(*line, x + p), 1e-9);
    }
    // The external thread at maximum material clears the internal one: the
    // allowance, never an overlap.
    for (double x = 0; x <= 2 * p; x += p / 50)
        EXPECT_LE(YAt(g.extMax, x), YAt(g.intMax, x) + 1e-12) << x;
}

INSTANTIATE_TEST_SUITE_P(Families, ProfileOf, testing::ValuesIn(kThreads),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Profile, NotForPipeThreads) {
    ShippedTables tables;
    ParameterEntry e;
    e.typeIndex = TypeEntryIndex(kTypeNPT);
    e.classText = "NPT";
    e.pipe = true;
    e.pipeSize = PipeSizeIndex(0, 0.5);
    e.pipeSizeText = "1/2";
    TTInfo rec;
    ASSERT_EQ(SetUpRecord(e, rec).message, "");
    rec.Calculate();
    EXPECT_FALSE(BuildProfileGeometry(rec, false).available);
}

// Flanks that meet before the crest or root diameter end in a sharp corner.
TEST(Profile, SharpWhereTheFlanksMeet) {
    // A 60-degree V of pitch 0.1: flanks meet 0.0866 apart in height.
    const ProfileLine v = ThreadOutline(0.1, 1.0, 2.0, 0.0, 30, 30, 1);
    double top = 0, bottom = 1;
    for (const ProfilePoint& pt : v) {
        top = std::max(top, pt.y);
        bottom = std::min(bottom, pt.y);
    }
    EXPECT_NEAR(top - bottom, 0.1 * std::sqrt(3.0) / 2, 1e-12);
    EXPECT_NEAR(top, 0.5 + 0.1 * std::sqrt(3.0) / 4, 1e-12);
}

} // namespace
