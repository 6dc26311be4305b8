#pragma once

#include <stdexcept>
#include <string>

namespace veltaro {

/// An arithmetic fault in an evaluation: a result that is not a finite number.
///
/// Raised instead of handing a NaN or an infinity on as if it were a value; the
/// caller that started the evaluation decides how to tell the user.
class ArithmeticFault : public std::runtime_error {
public:
    explicit ArithmeticFault(const std::string& what) : std::runtime_error(what) {}
};

} // namespace veltaro
