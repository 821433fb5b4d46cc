#pragma once
// Report units and the one rounding rule of the report engine.
//
// Report positions and sizes are floating-point pixels at 96 per inch. A
// millimetre is 3.77953 pixels exactly, not 96 / 25.4 (3.7795275...): the
// templates were laid out on that figure, and every page size, margin and
// band position computed from millimetres must come out the same on every
// machine, so nobody may "improve" the constant.
//
// frxRound turns a report value into a device or page pixel: nearest integer,
// halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). It is computed
// with floor and exact comparisons, so the FPU's current rounding mode (which
// printer drivers and plug-ins have been known to change) never moves a pixel.


inline constexpr double fr1mm = 3.77953;      // pixels per millimetre
inline constexpr double fr1cm = 37.7953;      // pixels per centimetre
inline constexpr double fr01in = 9.6;         // pixels per tenth of an inch
inline constexpr double fr1in = 96.0;         // pixels per inch
inline constexpr double fr1CharX = 9.6;       // dot-matrix character cell width
inline constexpr double fr1CharY = 17.0;      // dot-matrix character cell height

// Nearest integer, halves to even. NaN gives 0; values beyond the int range
// saturate instead of overflowing.
int frxRound(double v);
