#include "standalone/emulator/yHostProbe.h"

#include <algorithm>

namespace yStandalone
{
const char* HostCallName(yHostCall call)
{
    switch (call)
    {
    case yHostCall::NewHandle:
        return "new handle";
    case yHostCall::LockHandle:
        return "lock handle";
    case yHostCall::UnlockHandle:
        return "unlock handle";
    case yHostCall::DisposeHandle:
        return "dispose handle";
    case yHostCall::GetHandleSize:
        return "get handle size";
    case yHostCall::ResizeHandle:
        return "resize handle";
    case yHostCall::AddParam:
        return "add_param";
    case yHostCall::RegisterUI:
        return "register_ui";
    case yHostCall::Progress:
        return "progress";
    case yHostCall::CopyWorld:
        return "copy";
    case yHostCall::Fill:
        return "fill";
    case yHostCall::Fill16:
        return "fill16";
    case yHostCall::RegisterWithAEGP:
        return "AEGP_RegisterWithAEGP";
    case yHostCall::RefreshAllWindows:
        return "refresh all windows";
    case yHostCall::DoCommand:
        return "do command";
    case yHostCall::UpdateParamUI:
        return "update param UI";
    case yHostCall::GetBackgroundColor:
        return "get background colour";
    case yHostCall::GetDrawSurface:
        return "get_cgraf_data";
    case yHostCall::GetDrawingReference:
        return "PF_GetDrawingReference";
    case yHostCall::NewImage:
        return "NewImageFromBuffer";
    case yHostCall::DrawImage:
        return "DrawImage";
    case yHostCall::AcquireSuite:
        return "acquire suite";
    case yHostCall::ReleaseSuite:
        return "release suite";
    }
    return "?";
}

int yHostProbe::CallCount(yHostCall call) const
{
    return int(std::count(m_log.begin(), m_log.end(), call));
}

void yHostProbe::FailCall(yHostCall call, PF_Err err, int succeed, int times)
{
    m_failures[call] = {err, succeed, times};
}

bool yHostProbe::ServesSuite(const std::string& name)
{
    m_asked.insert(name);
    return m_withheld.count(name) == 0;
}

PF_Err yHostProbe::Enter(yHostCall call)
{
    m_log.push_back(call);
    const auto found = m_failures.find(call);
    if (found == m_failures.end()) return PF_Err_NONE;
    yFailure& failure = found->second;
    if (failure.succeed > 0)
    {
        --failure.succeed;
        return PF_Err_NONE;
    }
    if (failure.times == 0) return PF_Err_NONE;
    if (failure.times > 0) --failure.times;
    return failure.err;
}
} // namespace yStandalone
