#pragma once

// The kinds of moment phases lists, named once for its --kinds option, its
// rows and its refusal: the Moon's four principal phases, then the events of
// its distance and declination.

#include "astro/moonevents.h"
#include "astro/moonphase.h"

#include <QString>
#include <array>
#include <cstddef>
#include <variant>

namespace veltaro::cli {

/// One kind: its name in --kinds and in the rows, and what it is.
struct EventKind {
    const char* name;
    std::variant<astro::MoonPhase, astro::MoonEvent> event;
};

inline constexpr std::array kEventKinds = {
    EventKind{"new", astro::MoonPhase::New},
    EventKind{"first", astro::MoonPhase::FirstQuarter},
    EventKind{"full", astro::MoonPhase::Full},
    EventKind{"last", astro::MoonPhase::LastQuarter},
    EventKind{"perigee", astro::MoonEvent::Perigee},
    EventKind{"apogee", astro::MoonEvent::Apogee},
    EventKind{"north", astro::MoonEvent::GreatestNorth},
    EventKind{"south", astro::MoonEvent::GreatestSouth},
    EventKind{"ascending", astro::MoonEvent::Ascending},
    EventKind{"descending", astro::MoonEvent::Descending},
};

/// Without --kinds: the first this many, the four phases.
inline constexpr std::size_t kDefaultEventKinds = 4;

/// "new, first, ... or descending": every kind's name, for help and refusals.
inline QString eventKindList() {
    QString list;
    for (std::size_t i = 0; i < kEventKinds.size(); ++i) {
        list += QLatin1String(i == 0 ? "" : i + 1 < kEventKinds.size() ? ", " : " or ");
        list += QLatin1String(kEventKinds[i].name);
    }
    return list;
}

} // namespace veltaro::cli
