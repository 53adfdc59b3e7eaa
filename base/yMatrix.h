// A 3 x 3 affine matrix for row-vector points: x' = x*m00 + y*m10 + m20,
// y' = x*m01 + y*m11 + m21, so translation lives in the third row. An integer
// companion in 16.16 fixed point serves integer points.
#pragma once

#include "host/sdk/AE_Effect.h"
#include "base/yExport.h"
#include "base/yPointL.h"

#include <cstdint>

class Y_EXPORT yMatrix
{
public:
    yMatrix() { Identity(); }

    yMatrix& Identity();
    bool operator==(yMatrix const& o) const;
    bool operator!=(yMatrix const& o) const { return !(*this == o); }
    // The host's matrix of doubles, same rows and columns.
    operator PF_FloatMatrix() const;

    // Each of these concatenates a transform after this one, and does nothing
    // for the neutral arguments (so the matrix stays bit for bit the same).
    yMatrix& Translate(float const& tx, float const& ty);
    // Scales by the reciprocals 1/sx, 1/sy about (cx, cy).
    yMatrix& Scale(float sx, float sy, float cx, float cy);
    yMatrix& Shear(float sx, float sy, float cx, float cy);
    // Degrees about (cx, cy); clockwise on a y-down screen for positive angles.
    yMatrix& Rotate(float const& angle, float const& cx, float const& cy);

    // this = this x other: this transform first, then the other.
    yMatrix& Concatenate(yMatrix const& other);
    // Gauss-Jordan without row exchanges: a singular matrix gives infinities or NaN.
    yMatrix& Inverse();
    // this = other - this, element by element.
    yMatrix& Difference(yMatrix const& other);
    // this += f * m, element by element.
    yMatrix& Offset(yMatrix const& m, float const& f);
    // a at t = 0, else b*t + (1 - t)*a, element by element.
    yMatrix& Interpolate(yMatrix const& a, yMatrix const& b, float const& t);

    // Any point type with float members x and y (yPointF).
    template <class Point> Point TransformPoint(Point const& p) const
    {
        return Point(p.x * m[0][0] + p.y * m[1][0] + m[2][0], p.x * m[0][1] + p.y * m[1][1] + m[2][1]);
    }

    // Fills the fixed-point companion: each float times 65536, truncated.
    yMatrix& SetupMatrixL();
    // The point through the fixed-point companion, in 1/65536 units (not
    // shifted back); the arithmetic wraps at 32 bits.
    yPointL TransformPointL(yPointL const& p) const;

    float m[3][3];
    int32_t mL[3][3] = {};
};
