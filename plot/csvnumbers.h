#pragma once

// Numbers for the CSV the tool prints and the window saves, written straight into a character
// buffer: no printf, no locale, no allocation. The output is byte for byte
// what printf gives in the C locale for the format each function names.

namespace veltaro::plot {

/// Room every function below needs at `out`, whatever the value; it may write
/// scratch characters past the end it returns, within this room.
inline constexpr int kNumberRoom = 40;

/// `value` as printf's "%.17g": 17 significant digits, enough to read back the
/// same double; trailing zeros dropped, the exponent form outside 1e-4 .. 1e17.
/// Returns the end of what was written.
char* writeNumber17(char* out, double value);

/// `value` as printf's "%0<width>d": at least `width` characters, padded with
/// zeros after a minus sign (2002 -> "2002", 8 -> "08" for width 2, -5 -> "-005"
/// for width 4). Returns the end of what was written.
char* writeZeroPadded(char* out, int value, int width);

} // namespace veltaro::plot
