#include "base/yMatrix.h"

#include <cmath>

namespace
{
yMatrix Elementary(float m00, float m01, float m10, float m11, float m20, float m21)
{
    yMatrix r;
    r.m[0][0] = m00;
    r.m[0][1] = m01;
    r.m[1][0] = m10;
    r.m[1][1] = m11;
    r.m[2][0] = m20;
    r.m[2][1] = m21;
    return r;
}

// 16.16 fixed point; values beyond 32 bits saturate and NaN becomes 0 rather
// than being undefined.
int32_t ToFixed(float v)
{
    const double f = std::trunc(double(v) * 65536.0);
    if (!(f == f))
        return 0;
    if (f >= 2147483647.0)
        return INT32_MAX;
    if (f <= -2147483648.0)
        return INT32_MIN;
    return int32_t(f);
}

void Copy(float (&to)[3][3], float const (&from)[3][3])
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            to[r][c] = from[r][c];
}

int32_t WrappingMulAdd(int32_t x, int32_t a, int32_t y, int32_t b, int32_t c)
{
    const uint32_t r = uint32_t(x) * uint32_t(a) + uint32_t(y) * uint32_t(b) + uint32_t(c);
    return int32_t(r);
}
} // namespace

yMatrix& yMatrix::Identity()
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m[r][c] = r == c ? 1.0f : 0.0f;
    return *this;
}

bool yMatrix::operator==(yMatrix const& o) const
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            if (!(m[r][c] == o.m[r][c]))
                return false;
    return true;
}

yMatrix::operator PF_FloatMatrix() const
{
    PF_FloatMatrix out;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            out.mat[r][c] = double(m[r][c]);
    return out;
}

yMatrix& yMatrix::Translate(float const& tx, float const& ty)
{
    if (tx == 0.0f && ty == 0.0f)
        return *this;
    return Concatenate(Elementary(1, 0, 0, 1, tx, ty));
}

yMatrix& yMatrix::Scale(float sx, float sy, float cx, float cy)
{
    if (sx == 1.0f && sy == 1.0f)
        return *this;
    const float ix = 1.0f / sx, iy = 1.0f / sy;
    return Concatenate(Elementary(ix, 0, 0, iy, (1.0f - ix) * cx, (1.0f - iy) * cy));
}

yMatrix& yMatrix::Shear(float sx, float sy, float cx, float cy)
{
    if (sx == 0.0f && sy == 0.0f)
        return *this;
    return Concatenate(Elementary(1, sy, sx, 1, 1.0f - cy * sx, 1.0f - cx * sy));
}

yMatrix& yMatrix::Rotate(float const& angle, float const& cx, float const& cy)
{
    if (angle == 0.0f)
        return *this;
    const float r = float(angle * 0.017453292519943295);
    const float s = float(std::sin(double(r))), c = float(std::cos(double(r)));
    return Concatenate(Elementary(c, s, -s, c, cy * s + cx * (1.0f - c), cy * (1.0f - c) - cx * s));
}

yMatrix& yMatrix::Concatenate(yMatrix const& other)
{
    float r[3][3];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r[i][j] = m[i][0] * other.m[0][j] + m[i][1] * other.m[1][j] + m[i][2] * other.m[2][j];
    Copy(m, r);
    return *this;
}

yMatrix& yMatrix::Inverse()
{
    float a[3][3];
    Copy(a, m);
    yMatrix inv;
    for (int i = 0; i < 3; ++i)
    {
        const float pivot = a[i][i];
        for (int c = 0; c < 3; ++c)
        {
            a[i][c] /= pivot;
            inv.m[i][c] /= pivot;
        }
        for (int r = 0; r < 3; ++r)
        {
            if (r == i)
                continue;
            const float f = a[r][i];
            for (int c = 0; c < 3; ++c)
            {
                a[r][c] -= f * a[i][c];
                inv.m[r][c] -= f * inv.m[i][c];
            }
        }
    }
    Copy(m, inv.m);
    return *this;
}

yMatrix& yMatrix::Difference(yMatrix const& other)
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m[r][c] = other.m[r][c] - m[r][c];
    return *this;
}

yMatrix& yMatrix::Offset(yMatrix const& o, float const& f)
{
    if (f == 0.0f)
        return *this;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m[r][c] += f * o.m[r][c];
    return *this;
}

yMatrix& yMatrix::Interpolate(yMatrix const& a, yMatrix const& b, float const& t)
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m[r][c] = t == 0.0f ? a.m[r][c] : b.m[r][c] * t + (1.0f - t) * a.m[r][c];
    return *this;
}

yMatrix& yMatrix::SetupMatrixL()
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            mL[r][c] = ToFixed(m[r][c]);
    return *this;
}

yPointL yMatrix::TransformPointL(yPointL const& p) const
{
    return yPointL(WrappingMulAdd(p.x, mL[0][0], p.y, mL[1][0], mL[2][0]),
                   WrappingMulAdd(p.x, mL[0][1], p.y, mL[1][1], mL[2][1]));
}
