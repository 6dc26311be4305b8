#pragma once

// Where the window places the Moon pictures, the graph and their captions, in
// twips, the unit the window is laid out in. The window, its zoom and the saved
// picture (which shows these parts as the window has them) all read them here.
// Plain C++.

namespace veltaro::plot::layout {

/// Twips to a window pixel at 100 %.
inline constexpr int kTwipsPerPixel = 15;

/// A rectangle of the window's client area [twips].
struct TwipsRect {
    int left, top, width, height;
};

/// Twips as whole window pixels, rounded to the nearest (twips >= 0).
constexpr int pixels(int twips) {
    return (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel);
}

/// The client area below the menu bar.
inline constexpr TwipsRect kClient{0, 0, 9945, 7605};
/// The caption of the Moon pictures ("月　影", Label3), written downwards.
inline constexpr TwipsRect kMoonCaption{210, 1890, 255, 615};
/// The caption of the graph ("起潮力", Label4), written downwards.
inline constexpr TwipsRect kGraphCaption{315, 4410, 375, 780};
/// The graph (Picture1).
inline constexpr TwipsRect kGraph{810, 2625, 8640, 4500};

/// Moon picture k (picmoon k, 0..12), one above every column boundary of the graph.
constexpr TwipsRect moonPicture(int k) {
    return {495 + 720 * k, 1890, 650, 650};
}
/// The axis caption h (lblnum h, 0..12), one under every column boundary.
constexpr TwipsRect hourLabel(int h) {
    return {630 + 720 * h, 7245, h <= 6 ? 540 : 645, 225};
}

} // namespace veltaro::plot::layout
