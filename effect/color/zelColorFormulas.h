// The arithmetic the colour models are made of, inline so that the plain
// per-pixel conversions and the row kernel's tables share one definition and
// therefore give bit-identical results.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zelTonescope
{
namespace zelColorFormulas
{
constexpr int kFull8 = 255;
constexpr int kFull16 = 32768;

// Lab's white point, and the Luv chromaticities of white.
constexpr double kWhiteX = 0.95047;
constexpr double kWhiteZ = 1.08883;
constexpr double kWhiteU = 3.80188 / 19.21696;
constexpr double kWhiteV = 9.0 / 19.21696;

// v * k / 256 with v = 255 standing for one; v = 0 gives 0.
inline int Mul8(int v, int k)
{
    if (v == 0)
        return 0;
    if (v >= 255)
        return k - 1;
    return ((v + 1) * k) >> 8;
}

// v * k / 32768, k itself from full upwards.
inline int Mul16(int v, int k)
{
    if (v == 0)
        return 0;
    if (v >= kFull16)
        return k;
    return std::min((v * k) >> 15, kFull16);
}

// n / d on 0..255: full when n reaches d (0/0 included), 0 when n is not positive.
inline int Frac8(int n, int d)
{
    if (n >= d)
        return 255;
    if (n <= 0)
        return 0;
    return n * 256 / d;
}

inline int Frac16(int64_t n, int64_t d)
{
    if (n >= d)
        return kFull16;
    if (n == 0)
        return 0;
    return static_cast<int>(n * kFull16 / d);
}

struct Triple
{
    int a, b, c;
};

// CIE XYZ in the pixel's own range; Z is capped (white's would be 278).
inline Triple XYZ8(int r, int g, int b)
{
    return {Mul8(r, 111) + Mul8(g, 88) + Mul8(b, 46), Mul8(r, 57) + Mul8(g, 181) + Mul8(b, 19),
            std::min(Mul8(r, 6) + Mul8(g, 34) + Mul8(b, 241), kFull8)};
}

inline Triple XYZ16(int r, int g, int b)
{
    return {std::min(Mul16(r, 14122) + Mul16(g, 11206) + Mul16(b, 5832), kFull16),
            std::min(Mul16(r, 7274) + Mul16(g, 23166) + Mul16(b, 2326), kFull16),
            std::min(Mul16(r, 655) + Mul16(g, 4259) + Mul16(b, 30768), kFull16)};
}

// A Lab or Luv value as a component: its magnitude, truncated, full from 1
// upwards (0 stays 0). Written without branches so that loops over it vectorise.
inline int StoreUnit(double t, int full)
{
    const double m = std::fabs(t);
    const int scaled = static_cast<int>(std::min(m, 1.0) * full);
    return m >= 1.0 ? full : scaled;
}

// Lab's cube-root curve; every cube root here is a power of 0.333333.
inline double LabCurve(double t)
{
    return t > 0.008856 ? std::pow(t, 0.333333) : 7.787 * t + 0.137931;
}

// L* of a relative luminance y.
inline double Lightness(double y)
{
    return y <= 0.008856 ? 903.3 * y : 116.0 * std::pow(y, 0.333333) - 16.0;
}

// Lab's second and third channels from the curves of x, y and z.
inline double LabA(double gx, double gy)
{
    return (gx - gy + 0.191533333) * 2.929146272;
}

inline double LabB(double gy, double gz)
{
    return (gy - gz + 0.5651534) * 1.053268921;
}

// Luv's second and third channels from x, y, z (already divided by full) and
// L*. Black (s = 0) takes u' = 4 and v' = 9; the division by 1 it makes
// instead keeps the loop free of branches.
inline void LuvUV(double x, double y, double z, double l, double& u, double& v)
{
    const double s = x + 15.0 * y + 3.0 * z;
    const bool black = s == 0.0;
    const double divisor = black ? 1.0 : s;
    const double up = black ? 4.0 : 4.0 * x / divisor;
    const double vp = black ? 9.0 : 9.0 * y / divisor;
    u = (up - kWhiteU) * 13.0 * l / 100.0;
    v = (vp - kWhiteV) * 13.0 * l / 100.0;
}
} // namespace zelColorFormulas
} // namespace zelTonescope
