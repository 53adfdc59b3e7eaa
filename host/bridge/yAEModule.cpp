#include "host/bridge/yAEModule.h"

#include "platform/yPlatform.h"

namespace yAE
{
namespace
{
struct LoadRecord
{
    void* module = nullptr;
    void* hostWindow = nullptr;
};

LoadRecord& Record()
{
    static LoadRecord record;
    return record;
}
} // namespace

void RecordModuleLoad(void* module, void* hostWindow)
{
    Record().module = module;
    Record().hostWindow = hostWindow;
}

void* ModuleHandle()
{
    return Record().module;
}

void* HostWindow()
{
    return Record().hostWindow;
}

std::string ModuleFilePath()
{
    return yPlatform::ModulePath();
}
} // namespace yAE
