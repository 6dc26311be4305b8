#pragma once

// The CSV of a drawing's steps, as veltaro-tide run prints it and the window
// saves it: one row per step, every number with 17 significant digits. Plain C++.

#include "plot/drawingrecord.h"
#include "plot/plotrequest.h"
#include "plot/plotrun.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace veltaro::plot {

/// The unit of the tide heights (Ssea, Msea, total) in the CSV.
enum class HeightUnit { Km, M, Cm };

/// Metres, centimetres ... in one kilometre: 1, 1000, 100000.
double unitsPerKm(HeightUnit unit);
/// "km", "m", "cm".
std::string_view unitName(HeightUnit unit);

/// Which columns a CSV has beyond t,date,time,Ssea,Msea,MSangle,MSGangle.
struct CsvColumns {
    HeightUnit unit = HeightUnit::Km;
    bool drawing = false; ///< a first column numbering the drawings from 1
    bool total = false;   ///< a last column total = Ssea + Msea, the combined curve
};

/// The header line, with its line end: "t,date,time,Ssea,Msea,MSangle,MSGangle\n"
/// and the extra columns.
std::string csvHeader(const CsvColumns& columns);

/// Room writeCsvRow needs at `out`, whatever the values.
inline constexpr int kCsvRowRoom = 320;

/// Writes one row for a step, with its line end, at `out` (kCsvRowRoom free) and
/// returns its end: "30,2002-08-16,00:05,2.04...e-05,...", the date as
/// %04d-%02d-%02d, the clock as %02d:%02d, every value as %.17g. `drawing` is
/// written only when the columns have that column. The heights are given in km.
/// The one row writer of the tool's run and the window's CSV.
char* writeCsvRow(char* out, const CsvColumns& columns, int drawing, const Moment& m, double Ssea,
                  double Msea, double MSangle, double MSGangle);

/// Appends one row for a step (writeCsvRow).
void appendCsvRow(std::string& out, const CsvColumns& columns, int drawing, const Moment& m,
                  double Ssea, double Msea, double MSangle, double MSGangle);

/// The modes' names in the language of the CSV's reader, in the order of
/// PlotMode: "日周変化", "diurnal".
using ModeNames = std::array<std::string, kModes.size()>;

/// A comment line naming a drawing's inputs, without "# " and line end:
/// "date 2002-08-16, mode day (日周変化), 3 days, lat 35.65444444 (35°39′16″N),
/// lon 139.7447222 (139°44′41″E)". The comment lines are written alike in every
/// language; only the mode's name, from `names`, is the reader's.
std::string requestComment(const PlotRequest& request, const ModeNames& names);
/// The unit line: "unit: Ssea, Msea and total in km; MSangle and MSGangle in radians".
std::string unitComment(HeightUnit unit);

/// The time line: what clock the date and time columns are read on, e.g.
/// "time: clock time on the meridian of the place (local mean time)",
/// "time: Japan Standard Time (UT+09:00)".
std::string clockComment(const ClockChoice& clock);

/// The two kinds of CSV the window saves.
enum class CsvFlavour {
    Annotated,   ///< the header, then comment lines ("# ...") naming the inputs, then the rows
    Spreadsheet, ///< a UTF-8 byte-order mark, the header and the rows: no comment lines, so
                 ///< that a spreadsheet (Excel as set up in Japan too) reads it as it stands
};

/// Every step of a record as CSV, heights in cm as the graph's scale and the
/// read-out give them, times on each drawing's clock, with the drawing column
/// and the total column. The header comes first; an annotated CSV follows it
/// with comment lines (`programLine`, each drawing's inputs and clock, the
/// units, the clock). The text is handed to `write` in pieces of about a
/// megabyte; a false from it stops the writing and is returned.
bool writeRecordCsv(const DrawingRecord& record, std::string_view programLine,
                    const ModeNames& names, CsvFlavour flavour,
                    const std::function<bool(std::string_view)>& write);

} // namespace veltaro::plot
