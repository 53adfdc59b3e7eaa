#include "draw/yPointF.h"

#include "base/yMatrix.h"

yPointF& yPointF::operator=(yPointL const& p)
{
    x = static_cast<float>(p.x);
    y = static_cast<float>(p.y);
    return *this;
}

bool yPointF::operator==(yPointL const& p) const
{
    return x == static_cast<float>(p.x) && y == static_cast<float>(p.y);
}

bool yPointF::operator!=(yPointL const& p) const
{
    return !(*this == p);
}

yPointF& yPointF::operator+=(yPointL const& p)
{
    x += static_cast<float>(p.x);
    y += static_cast<float>(p.y);
    return *this;
}

yPointF& yPointF::operator-=(yPointL const& p)
{
    x -= static_cast<float>(p.x);
    y -= static_cast<float>(p.y);
    return *this;
}

yPointF& yPointF::operator*=(yPointL const& p)
{
    x *= static_cast<float>(p.x);
    y *= static_cast<float>(p.y);
    return *this;
}

yPointF& yPointF::operator/=(yPointL const& p)
{
    x /= static_cast<float>(p.x);
    y /= static_cast<float>(p.y);
    return *this;
}

yPointF yPointF::operator+(yPointL const& p) const
{
    yPointF r(*this);
    return r += p;
}

yPointF yPointF::operator-(yPointL const& p) const
{
    yPointF r(*this);
    return r -= p;
}

yPointF yPointF::operator*(yPointL const& p) const
{
    yPointF r(*this);
    return r *= p;
}

yPointF yPointF::operator/(yPointL const& p) const
{
    yPointF r(*this);
    return r /= p;
}

yPointF& yPointF::Transform(yMatrix& m)
{
    yMatrix inverse(m);
    inverse.Inverse();
    *this = inverse.TransformPoint(*this);
    return *this;
}
