// The live data object of one effect instance: it will own the panel and its
// histogram for the life of the instance.
#pragma once

namespace zelTonescope
{
class zelTonescopeData
{
  public:
    zelTonescopeData() = default;
    virtual ~zelTonescopeData() = default;
};
} // namespace zelTonescope
