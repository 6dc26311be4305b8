// The CSV of a drawing's steps.
#include "plot/csvformat.h"

#include "plot/csvnumbers.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace veltaro::plot {

namespace {

std::string degrees10(double v) {
    char buffer[40];
    return std::string(
        buffer,
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 10).ptr);
}

} // namespace

double unitsPerKm(HeightUnit unit) {
    switch (unit) {
    case HeightUnit::M:
        return 1e3;
    case HeightUnit::Cm:
        return 1e5;
    case HeightUnit::Km:
        break;
    }
    return 1;
}

std::string_view unitName(HeightUnit unit) {
    switch (unit) {
    case HeightUnit::M:
        return "m";
    case HeightUnit::Cm:
        return "cm";
    case HeightUnit::Km:
        break;
    }
    return "km";
}

std::string csvHeader(const CsvColumns& columns) {
    std::string header = columns.drawing ? "drawing," : "";
    header += "t,date,time,Ssea,Msea,MSangle,MSGangle";
    if (columns.total) {
        header += ",total";
    }
    return header + "\n";
}

char* writeCsvRow(char* p, const CsvColumns& columns, int drawing, const Moment& m, double Ssea,
                  double Msea, double MSangle, double MSGangle) {
    if (columns.drawing) {
        p = std::to_chars(p, p + kNumberRoom, drawing).ptr;
        *p++ = ',';
    }
    p = std::to_chars(p, p + kNumberRoom, m.t).ptr;
    *p++ = ',';
    p = writeZeroPadded(p, static_cast<int>(m.year), 4);
    *p++ = '-';
    p = writeZeroPadded(p, static_cast<int>(m.month), 2);
    *p++ = '-';
    p = writeZeroPadded(p, static_cast<int>(m.day), 2);
    *p++ = ',';
    p = writeZeroPadded(p, static_cast<int>(m.hour), 2);
    *p++ = ':';
    p = writeZeroPadded(p, static_cast<int>(m.minute), 2);
    // Kilometres are written as computed; other units are scaled once.
    const double scale = unitsPerKm(columns.unit);
    const bool scaled = columns.unit != HeightUnit::Km;
    for (double v :
         {scaled ? Ssea * scale : Ssea, scaled ? Msea * scale : Msea, MSangle, MSGangle}) {
        *p++ = ',';
        p = writeNumber17(p, v);
    }
    if (columns.total) {
        const double total = Ssea + Msea;
        *p++ = ',';
        p = writeNumber17(p, scaled ? total * scale : total);
    }
    *p++ = '\n';
    return p;
}

void appendCsvRow(std::string& out, const CsvColumns& columns, int drawing, const Moment& m,
                  double Ssea, double Msea, double MSangle, double MSGangle) {
    char line[kCsvRowRoom];
    out.append(line, writeCsvRow(line, columns, drawing, m, Ssea, Msea, MSangle, MSGangle));
}

std::string requestComment(const PlotRequest& request, const ModeNames& names) {
    const ObservationInput& in = request.start;
    std::string text = "date " + isoDate(in.year, in.month, in.day) + ", mode " +
                       modeOption(request.mode) + " (" +
                       names[static_cast<std::size_t>(request.mode)] + ")";
    if (request.mode == PlotMode::Diurnal) {
        const int days = request.continuous ? request.days : 1;
        text += ", " + std::to_string(days) + (days == 1 ? " day" : " days");
    }
    return text + ", lat " + degrees10(in.lat) + " (" + dmsText(in.lat, true) + "), lon " +
           degrees10(in.lon) + " (" + dmsText(in.lon, false) + ")";
}

std::string unitComment(HeightUnit unit) {
    const std::string name(unitName(unit));
    return "unit: Ssea, Msea and total in " + name + "; MSangle and MSGangle in radians";
}

std::string clockComment(const ClockChoice& clock) {
    std::string text = "time: ";
    switch (clock.kind) {
    case ClockKind::LocalMean:
        return text + "clock time on the meridian of the place (local mean time)";
    case ClockKind::Jst:
        return text + "Japan Standard Time (UT+09:00)";
    case ClockKind::Ut:
        return text + "universal time (UT)";
    case ClockKind::Offset:
        break;
    }
    return text + "UT" + clockOption(clock);
}

bool writeRecordCsv(const DrawingRecord& record, std::string_view programLine,
                    const ModeNames& names, CsvFlavour flavour,
                    const std::function<bool(std::string_view)>& write) {
    constexpr std::size_t kChunk = 1 << 20;
    const CsvColumns columns{HeightUnit::Cm, true, true};
    const bool annotated = flavour == CsvFlavour::Annotated;
    std::string out = annotated ? "" : "\xEF\xBB\xBF";
    out += csvHeader(columns);
    if (annotated) {
        out += "# " + std::string(programLine) + "\n";
        int number = 0;
        std::vector<ClockChoice> clocks;
        for (const Drawing& d : record.drawings()) {
            out += "# drawing " + std::to_string(++number) + ": " +
                   requestComment(d.request, names) + ", clock " + clockOption(d.request.clock) +
                   (d.ended ? "" : ", stopped before its end") + "\n";
            if (std::find(clocks.begin(), clocks.end(), d.request.clock) == clocks.end()) {
                clocks.push_back(d.request.clock);
            }
        }
        out += "# " + unitComment(columns.unit) + "\n";
        for (const ClockChoice& clock : clocks) {
            out += "# " + clockComment(clock) + "\n";
        }
    }
    out.reserve(kChunk + 512);
    int number = 0;
    for (const Drawing& d : record.drawings()) {
        ++number;
        for (const RecordedStep& s : d.steps) {
            appendCsvRow(out, columns, number, s.moment(), s.Ssea, s.Msea, s.MSangle, s.MSGangle);
            if (out.size() >= kChunk) {
                if (!write(out)) {
                    return false;
                }
                out.clear();
            }
        }
    }
    return write(out);
}

} // namespace veltaro::plot
