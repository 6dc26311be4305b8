#pragma once

namespace veltaro::astro {

/// Degrees to radians, pi/180 to the 15 significant digits the series were made
/// with. Every degree angle is multiplied by it before a sine or cosine, and
/// every arctangent is divided by it; no other value of pi/180 is used.
inline constexpr double kDeg = 0.017453292519943;

} // namespace veltaro::astro
