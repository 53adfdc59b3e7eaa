// What a test switches on to watch and disturb the host's side of a call:
// every host call logged, any of them made to fail (a failing progress call
// is the user cancelling), any suite withheld. A host without a probe
// attached pays one branch per call.
#pragma once

#include "host/sdk/AE_Effect.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace yStandalone
{
// The host calls a module can make; each can be logged and made to fail.
enum class yHostCall
{
    NewHandle,
    LockHandle,
    UnlockHandle,
    DisposeHandle,
    GetHandleSize,
    ResizeHandle,
    AddParam,
    RegisterUI,
    Progress,
    CopyWorld,
    Fill,
    Fill16,
    RegisterWithAEGP,
    RefreshAllWindows,
    DoCommand,
    UpdateParamUI,
    GetBackgroundColor,
    GetDrawSurface,
    GetDrawingReference,
    NewImage,
    DrawImage,
    AcquireSuite,
    ReleaseSuite,
};
const char* HostCallName(yHostCall call);

class yHostProbe
{
  public:
    // Host calls in the order the module made them.
    const std::vector<yHostCall>& CallLog() const { return m_log; }
    int CallCount(yHostCall call) const;
    void ClearCallLog() { m_log.clear(); }

    // After `succeed` more successful calls, the call fails with err from then
    // on, or only `times` times when that is not negative (calls without a
    // result fail by giving nothing: no handle, no block).
    void FailCall(yHostCall call, PF_Err err, int succeed = 0, int times = -1);
    void ClearFailures() { m_failures.clear(); }
    // The user cancels at the progress call after `succeed` more.
    void CancelAfter(int succeed) { FailCall(yHostCall::Progress, PF_Interrupt_CANCEL, succeed); }

    // The basic suite answers that it has no suite of this name.
    void WithholdSuite(const std::string& name) { m_withheld.insert(name); }
    // Logs the suite asked for; false when it is withheld.
    bool ServesSuite(const std::string& name);
    // Every suite name asked for so far, each once.
    const std::set<std::string>& SuitesAskedFor() const { return m_asked; }

    // Logs a call; returns the error it must give (0 to go ahead).
    PF_Err Enter(yHostCall call);

  private:
    struct yFailure
    {
        PF_Err err;
        int succeed;
        int times;
    };
    std::vector<yHostCall> m_log;
    std::map<yHostCall, yFailure> m_failures;
    std::set<std::string> m_withheld;
    std::set<std::string> m_asked;
};
} // namespace yStandalone
