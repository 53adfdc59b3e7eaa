#include "zelTonescopeData.h"

#include "zelTonescopePlugin.h"

namespace zelTonescope
{
zelTonescopeData::zelTonescopeData()
{
    yBroadcaster::SetName("zelTonescopeData");
    SetCustomParamIndex(kParamHistogram);
    GetRootRegion().SetName("Histogram Data");
    GetRootRegion().SetSize(yPointL(kRootWidth, kRootHeight));
}

void zelTonescopeData::Flatten(uint8_t* record) const
{
    m_settings.Write(record);
}

void zelTonescopeData::Unflatten(const uint8_t* record)
{
    m_settings = zelTonescopeDataFlat::Read(record);
}

void zelTonescopeData::CopyFrom(const zelTonescopeData& source)
{
    m_settings = source.m_settings;
}
} // namespace zelTonescope
