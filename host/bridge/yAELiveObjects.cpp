#include "host/bridge/yAELiveObjects.h"

#include <mutex>
#include <new>
#include <unordered_set>

namespace yAE
{
namespace
{
// The host may call effect instances from several threads.
struct Registry
{
    std::mutex lock;
    std::unordered_set<const void*> objects;
};

Registry& Instance()
{
    static Registry registry;
    return registry;
}
} // namespace

bool LiveObjects::Add(const void* object) noexcept
{
    Registry& r = Instance();
    std::lock_guard<std::mutex> hold(r.lock);
    try
    {
        r.objects.insert(object);
        return true;
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
}

void LiveObjects::Remove(const void* object)
{
    Registry& r = Instance();
    std::lock_guard<std::mutex> hold(r.lock);
    r.objects.erase(object);
}

bool LiveObjects::Contains(const void* object)
{
    Registry& r = Instance();
    std::lock_guard<std::mutex> hold(r.lock);
    return object && r.objects.count(object) != 0;
}
} // namespace yAE
