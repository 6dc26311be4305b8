#pragma once

// What many tests share: the default observation point and the day drawn from
// it, an observation state built in one line, numbers written as veltaro-tide
// writes them, and the check that the tool refused input as it should.

#include "calendar/input.h"
#include "calendar/kansi.h"
#include "calendar/observation.h"

#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace veltaro::support {

/// `text` cut at every `by`, as the tool's lines and CSV fields are read.
inline std::vector<std::string> split(const std::string& text, char by) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, by)) {
        parts.push_back(part);
    }
    return parts;
}

/// The default observation point, the former Tokyo observatory at Azabu:
/// 139 deg 44' 41" E, 35 deg 39' 16" N [decimal degrees].
inline constexpr double kDefaultLon = 139 + 44.0 / 60 + 41.0 / 3600;
inline constexpr double kDefaultLat = 35 + 39.0 / 60 + 16.0 / 3600;
/// The same point as veltaro-tide's options.
inline constexpr std::string_view kDefaultPointOptions = "--lon 139:44:41 --lat 35:39:16";
/// 2002-08-16 at the default point, where the plot tests draw from.
inline constexpr ObservationInput kDefaultStart{2002, 8, 16, kDefaultLon, kDefaultLat};

/// An observation state at a moment and point, with the sexagenary names filled
/// in as start-up fills them.
inline ObservationState stateAt(double year, double month, double day, double hour = 0,
                                double minute = 0, double lat = kDefaultLat,
                                double lon = kDefaultLon) {
    ObservationState state;
    kansiinit(state.kansiname);
    state.obsyear = year;
    state.obsmonth = month;
    state.obsday = day;
    state.obshour = hour;
    state.obsminute = minute;
    state.obslat = lat;
    state.obslon = lon;
    return state;
}

/// A state as start-up leaves it before anything is set: only the names.
inline ObservationState freshState() {
    ObservationState state;
    kansiinit(state.kansiname);
    return state;
}

/// A number as %.17g, the form of every CSV column of veltaro-tide.
inline std::string number17(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

/// What is wrong with a refusal by veltaro-tide, or "" when it is right: exit
/// status 2, nothing on standard output, and one line on standard error that
/// starts "veltaro-tide: " and contains `mentions`.
inline std::string refusalProblem(int status, const std::string& out, const std::string& err,
                                  std::string_view mentions) {
    if (status != 2) {
        return "exit status " + std::to_string(status) + ", not 2";
    }
    if (!out.empty()) {
        return "standard output not empty: " + out;
    }
    if (err.empty() || err.find('\n') != err.size() - 1) {
        return "not one line on standard error: " + err;
    }
    if (!err.starts_with("veltaro-tide: ")) {
        return "the line does not name the tool: " + err;
    }
    if (err.find(mentions) == std::string::npos) {
        return "the line does not mention '" + std::string(mentions) + "': " + err;
    }
    return {};
}

} // namespace veltaro::support
