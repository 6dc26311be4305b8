// veltaro-tide moment: one evaluation of the tide-generating force, with every
// quantity computed on the way.
#include "cli/commands.h"
#include "cli/common.h"
#include "cli/helptext.h"

#include "astro/fault.h"
#include "astro/tide.h"

#include <QCommandLineParser>
#include <cstdio>

namespace veltaro::cli {

int momentCommand(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        say("Evaluates the equilibrium tide of the Sun and the Moon at one moment and\n"
            "place, as the window does for each point it draws, and prints every quantity\n"
            "of the evaluation as CSV: a header line\n"
            "jd,T,sunlon,sundist,moonlon,moonlat,moondist,obliquity,theta,SSlon,MMlon,zs,\n"
            "zm,MSangle,MSGangle,Ssea,Msea\n"
            "and one row, each number with 17 significant digits:\n"
            "  jd          Julian day of 0 h of the date\n"
            "  T           series time, years of 365.25 days from 1975 January 0\n"
            "  sunlon      the Sun's ecliptic longitude, degrees (negative before 1974)\n"
            "  sundist     the Sun's distance, km\n"
            "  moonlon     the Moon's ecliptic longitude, degrees (negative before 1974)\n"
            "  moonlat     the Moon's ecliptic latitude, degrees\n"
            "  moondist    the Moon's distance, km\n"
            "  obliquity   mean obliquity of the ecliptic, degrees\n"
            "  theta       local sidereal angle (right ascension of the zenith), degrees,\n"
            "              not reduced to 0..360\n"
            "  SSlon       the Sun's right ascension, degrees, -90..270\n"
            "  MMlon       the Moon's right ascension, degrees, -90..270\n"
            "  zs, zm      the Sun's and the Moon's zenith distance, radians, 0..2pi\n"
            "              (measured eastward from the body to the zenith)\n"
            "  MSangle     eastward angle from the Sun to the Moon on the sky, radians\n"
            "  MSGangle    eastward angle from the Sun to the Moon along the ecliptic\n"
            "  Ssea, Msea  equilibrium tide height raised by the Sun and by the Moon, km\n"
            "\n"
            "The time is clock time on the observer's own meridian (local mean time of\n"
            "--lon), not zone time: 09:00 at longitude 135 is 00:00 universal time.\n"
            "LON and LAT are decimal degrees (139.7447, -33.8688) or degrees:minutes:\n"
            "seconds (139:44:41, -33:52:08); the sign of the degrees applies to the\n"
            "whole value, so -33:52:08 is -33.8689 degrees. As in the window, degrees of\n"
            "-0 count as 0 (-0:30:00 is +0.5): write -0.5 for half a degree west or south.\n"
            "East and north are positive.\n"
            "\n"
            "Refused input prints one line on standard error and exits with status 2;\n"
            "an arithmetic fault in the evaluation exits with status 1.",
            "ある時刻と地点での太陽と月の平衡潮汐を、ウィンドウが描く各点と同じように\n"
            "計算し、計算の途中の量をすべて CSV で出力します。見出し行\n"
            "jd,T,sunlon,sundist,moonlon,moonlat,moondist,obliquity,theta,SSlon,MMlon,zs,\n"
            "zm,MSangle,MSGangle,Ssea,Msea\n"
            "と 1 行の値で、数はどれも有効数字 17 桁です:\n"
            "  jd          その日付の 0 時のユリウス日\n"
            "  T           級数の時間。1975 年 1 月 0 日からの、365.25 日を 1 年とする年数\n"
            "  sunlon      太陽の黄経、度（1974 年より前は負）\n"
            "  sundist     太陽の距離、km\n"
            "  moonlon     月の黄経、度（1974 年より前は負）\n"
            "  moonlat     月の黄緯、度\n"
            "  moondist    月の距離、km\n"
            "  obliquity   平均黄道傾斜角、度\n"
            "  theta       地方恒星時（天頂の赤経）、度。0〜360 に直していません\n"
            "  SSlon       太陽の赤経、度、-90〜270\n"
            "  MMlon       月の赤経、度、-90〜270\n"
            "  zs, zm      太陽と月の天頂距離、ラジアン、0〜2π\n"
            "              （天体から天頂へ東向きに測ったもの）\n"
            "  MSangle     天球上で太陽から月まで東向きに測った角度、ラジアン\n"
            "  MSGangle    黄道に沿って太陽から月まで東向きに測った角度\n"
            "  Ssea, Msea  太陽と月それぞれによる平衡潮汐の高さ、km\n"
            "\n"
            "時刻は観測地自身の子午線の時刻（--lon の地方平均時）で、標準時ではありません。\n"
            "経度 135 度の 09:00 は世界時の 00:00 です。\n"
            "LON と LAT は、10 進の度（139.7447、-33.8688）か、度:分:秒（139:44:41、\n"
            "-33:52:08）で書きます。度の符号は値全体にかかるので、-33:52:08 は -33.8689 度\n"
            "です。ウィンドウと同じく度が -0 なら 0 とみなすので（-0:30:00 は +0.5）、\n"
            "西または南に半度なら -0.5 と書いてください。東と北が正です。\n"
            "\n"
            "受け付けられない入力には標準エラーに 1 行を書き、終了ステータス 2 で\n"
            "終わります。計算中の算術エラーでは終了ステータス 1 で終わります。"));
    const SharedOptions options(
        say("The date, YYYY-MM-DD, %1.", "日付（YYYY-MM-DD、%1）。").arg(acceptedDates()));
    const QCommandLineOption time(
        QStringLiteral("time"),
        requiredHelp(say("Clock time on the observer's meridian, HH:MM from 00:00 to 23:59.",
                         "観測地の子午線での時刻（HH:MM、00:00 から 23:59 まで）。")),
        QStringLiteral("HH:MM"));
    addOptions(parser, {&options.help, &options.date, &time, &options.lon, &options.lat});
    if (const auto status = parseCommandLine(parser, args, QStringLiteral("moment"))) {
        return *status;
    }

    Refusal refusal;
    ObservationInput point{};
    if (!readDateAndPoint(parser, options, point, refusal)) {
        return refuse(refusal);
    }
    std::optional<std::pair<int, int>> clock;
    if (parser.isSet(time)) {
        clock = parseTime(parser.value(time).trimmed(), refusal);
        if (!clock) {
            return refuse(refusal);
        }
    }
    if (const auto status = refuseMissing(
            parser, QStringLiteral("moment"), {&options.date, &time, &options.lon, &options.lat},
            QStringLiteral("--date YYYY-MM-DD --time HH:MM --lon LON --lat LAT"))) {
        return *status;
    }

    const astro::TideInput at{
        point.year, point.month, point.day, double(clock->first), double(clock->second),
        point.lat,  point.lon};
    astro::TideEvaluation e{};
    try {
        e = astro::calc(at);
    } catch (const ArithmeticFault& fault) {
        std::fprintf(stderr, "veltaro-tide: arithmetic fault: %s\n", fault.what());
        return 1;
    }

    QByteArray out = "jd,T,sunlon,sundist,moonlon,moonlat,moondist,obliquity,theta,SSlon,MMlon,"
                     "zs,zm,MSangle,MSGangle,Ssea,Msea\n";
    const double row[] = {e.jd,       e.T,         e.sunlon,   e.sundist, e.moonlon, e.moonlat,
                          e.moondist, e.obliquity, e.theta,    e.SSlon,   e.MMlon,   e.zs,
                          e.zm,       e.MSangle,   e.MSGangle, e.Ssea,    e.Msea};
    for (std::size_t i = 0; i < std::size(row); ++i) {
        out += number17(row[i]);
        out += i + 1 < std::size(row) ? ',' : '\n';
    }
    writeOut(std::string_view(out.constData(), static_cast<std::size_t>(out.size())));
    return 0;
}

} // namespace veltaro::cli
