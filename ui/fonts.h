#pragma once

#include <QFont>
#include <QString>

namespace veltaro::ui {

/// The face every caption of the window asks for: a proportional Japanese Gothic.
QString gothicFamily();

/// Maps "ＭＳ Ｐゴシック" and "MS PGothic" onto the proportional Gothic faces a
/// Linux desktop carries (IPAPGothic first, then Noto Sans CJK JP, VL PGothic,
/// TakaoPGothic). Without it fontconfig falls back to DejaVu Sans for Latin text
/// and to the fixed-width IPAGothic for kanji. Safe to call more than once.
void installGothicSubstitutes();

/// The size of the window's ordinary texts: command buttons, the days box,
/// the status line and the windows beside it [points].
inline constexpr double kDefaultPt = 9.0;

/// The Gothic face at `pointSize` [points], normal weight.
QFont gothicFont(double pointSize);

} // namespace veltaro::ui
