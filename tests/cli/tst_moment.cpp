// veltaro-tide moment: one evaluation of the tide, run as the real tool and
// compared with calc evaluated here for the same moment and place.
#include "toolrun.h"

#include "astro/tide.h"
#include "calendar/input.h"
#include "calendar/observation.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const kHeader = "jd,T,sunlon,sundist,moonlon,moonlat,moondist,obliquity,theta,SSlon,"
                            "MMlon,zs,zm,MSangle,MSGangle,Ssea,Msea\n";

// Decimal degrees of an angle option, read by the same rules as the tool reads it.
double degrees(const std::string& text, bool latitude) {
    const auto colon = text.find(':');
    if (colon == std::string::npos) {
        return *veltaro::readAngle(text, "0", "0", latitude).value;
    }
    const auto second = text.find(':', colon + 1);
    return *veltaro::readAngle(text.substr(0, colon), text.substr(colon + 1, second - colon - 1),
                               text.substr(second + 1), latitude)
                .value;
}

// The row calc gives for a moment, as the tool prints it.
std::string expectedRow(double year, double month, double day, double hour, double minute,
                        double lat, double lon) {
    const auto e = veltaro::astro::calc({year, month, day, hour, minute, lat, lon});
    const double values[] = {e.jd,       e.T,         e.sunlon,   e.sundist, e.moonlon, e.moonlat,
                             e.moondist, e.obliquity, e.theta,    e.SSlon,   e.MMlon,   e.zs,
                             e.zm,       e.MSangle,   e.MSGangle, e.Ssea,    e.Msea};
    std::string row;
    for (const double v : values) {
        row += (row.empty() ? "" : ",") + veltaro::support::number17(v);
    }
    return row;
}

TEST(MomentCommand, RowIsTheEvaluationOfTheMoment) {
    const struct {
        const char* date;
        double year, month, day;
        const char* time;
        double hour, minute;
        const char* lon;
        const char* lat;
        double lonDeg, latDeg; // what the options mean, to 1e-9 degrees
    } rows[] = {
        {"2002-08-16", 2002, 8, 16, "09:00", 9, 0, "139:44:41", "35:39:16",
         139 + 44 / 60.0 + 41 / 3600.0, 35 + 39 / 60.0 + 16 / 3600.0},
        {"2002-08-16", 2002, 8, 16, "9:35", 9, 35, "139.744722", "35.654444", 139.744722,
         35.654444},
        {"1987-04-10", 1987, 4, 10, "19:21", 19, 21, "151.2093", "-33:52:08", 151.2093,
         -(33 + 52 / 60.0 + 8 / 3600.0)},
        {"1950-06-15", 1950, 6, 15, "06:30", 6, 30, "-75:30:00", "40.25", -75.5, 40.25},
        {"1600-01-01", 1600, 1, 1, "00:00", 0, 0, "180", "90", 180, 90},
        {"2400-12-31", 2400, 12, 31, "23:59", 23, 59, "-180", "-90", -180, -90},
        {"2000-02-29", 2000, 2, 29, "12:00", 12, 0, "0", "0", 0, 0},
        {"1974-10-01", 1974, 10, 1, "03:15", 3, 15, "-0.5", "51.4769", -0.5, 51.4769},
    };
    for (const auto& row : rows) {
        const std::string args = std::string("moment --date ") + row.date + " --time " + row.time +
                                 " --lon " + row.lon + " --lat " + row.lat;
        SCOPED_TRACE(args);
        const double lon = degrees(row.lon, false);
        const double lat = degrees(row.lat, true);
        EXPECT_NEAR(lon, row.lonDeg, 1e-9);
        EXPECT_NEAR(lat, row.latDeg, 1e-9);
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out,
                  std::string(kHeader) +
                      expectedRow(row.year, row.month, row.day, row.hour, row.minute, lat, lon) +
                      "\n");
    }
}

TEST(MomentCommand, OptionFormsGiveTheSameRow) {
    const std::string same = runTool("moment --date 2002-08-16 --time 09:00 --lon -135.5 "
                                     "--lat -33.25")
                                 .out;
    ASSERT_EQ(lines(same).size(), 2u);
    const char* const forms[] = {
        "moment --lat -33.25 --lon -135.5 --time 09:00 --date 2002-08-16",
        "moment --date=2002-08-16 --time=09:00 --lon=-135.5 --lat=-33.25",
        "moment --date 2002-08-16 --time 09:00 --lon -135:30:00 --lat -33:15:00",
        "moment --date ' 2002-08-16 ' --time ' 09:00' --lon ' -135.5' --lat '-33.25 '",
        "moment --date ２００２-０８-１６ --time ０９:００ --lon －１３５．５ --lat －３３．２５",
    };
    for (const char* form : forms) {
        SCOPED_TRACE(form);
        const ToolRun run = runTool(form);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, same);
    }
}

TEST(MomentCommand, TimeIsOnTheObserversMeridian) {
    // 09:00 at 135 E and 00:00 at Greenwich are the same instant: the same
    // positions of the Sun and the Moon (columns 2 to 11 but theta).
    const auto east = lines(runTool("moment --date 2002-08-16 --time 09:00 --lon 135 --lat 0").out);
    const auto west = lines(runTool("moment --date 2002-08-16 --time 00:00 --lon 0 --lat 0").out);
    ASSERT_EQ(east.size(), 2u);
    ASSERT_EQ(west.size(), 2u);
    std::stringstream a(east[1]);
    std::stringstream b(west[1]);
    std::string x;
    std::string y;
    for (int column = 0; std::getline(a, x, ',') && std::getline(b, y, ','); ++column) {
        if (column >= 1 && column <= 7) { // T, the positions, the obliquity
            EXPECT_EQ(x, y) << "column " << column;
        }
    }
}

TEST(MomentCommand, RefusedInput) {
    const struct {
        const char* args;
        const char* mentions; // a word the one line of explanation must carry
    } rows[] = {
        {"moment --date 2002/08/16 --time 09:00 --lon 0 --lat 0", "--date"},
        {"moment --date 2002-02-30 --time 09:00 --lon 0 --lat 0", "--date"},
        {"moment --date 2001-02-29 --time 09:00 --lon 0 --lat 0", "--date"},
        {"moment --date 2002-13-01 --time 09:00 --lon 0 --lat 0", "--date"},
        {"moment --date 1599-12-31 --time 09:00 --lon 0 --lat 0", "--date"},
        {"moment --date 2401-01-01 --time 09:00 --lon 0 --lat 0", "--date"},
        {"moment --date 2002-08-16 --time 24:00 --lon 0 --lat 0", "--time"},
        {"moment --date 2002-08-16 --time 09:60 --lon 0 --lat 0", "--time"},
        {"moment --date 2002-08-16 --time 0900 --lon 0 --lat 0", "--time"},
        {"moment --date 2002-08-16 --time -1:00 --lon 0 --lat 0", "--time"},
        {"moment --date 2002-08-16 --time 09:00 --lon 180.0001 --lat 0", "--lon"},
        {"moment --date 2002-08-16 --time 09:00 --lon -181 --lat 0", "--lon"},
        {"moment --date 2002-08-16 --time 09:00 --lon east --lat 0", "--lon"},
        {"moment --date 2002-08-16 --time 09:00 --lon 1:2 --lat 0", "--lon"},
        {"moment --date 2002-08-16 --time 09:00 --lon '' --lat 0", "--lon"},
        {"moment --date 2002-08-16 --time 09:00 --lon 0 --lat 90.5", "--lat"},
        {"moment --date 2002-08-16 --time 09:00 --lon 0 --lat -91", "--lat"},
        {"moment --date 2002-08-16 --time 09:00 --lon 0 --lat 90:0:1", "--lat"},
        {"moment --time 09:00 --lon 0 --lat 0", "--date"},
        {"moment --date 2002-08-16 --lon 0 --lat 0", "--time"},
        {"moment --date 2002-08-16 --time 09:00 --lat 0", "--lon"},
        {"moment --date 2002-08-16 --time 09:00 --lon 0", "--lat"},
        {"moment --date 2002-08-16 --time 09:00 --lon 0 --lat 0 --seconds 30", "seconds"},
        {"moment --date 2002-08-16 --time 09:00 --lon 0 --lat 0 tomorrow", "tomorrow"},
        {"moment 2002-08-16", "2002-08-16"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args);
        const ToolRun run = runTool(row.args);
        EXPECT_EQ(veltaro::support::refusalProblem(run.status, run.out, run.err, row.mentions), "");
    }
}

TEST(MomentCommand, HelpDescribesTheOptionsAndColumns) {
    const ToolRun run = runTool("moment --help");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const char* const mentions[] = {"--date",
                                    "--time",
                                    "--lon",
                                    "--lat",
                                    "observer's meridian",
                                    "D:M:S",
                                    "sign of the degrees",
                                    "MSGangle",
                                    "status 2"};
    for (const char* word : mentions) {
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
    }
}

} // namespace
