#include "host/bridge/yAELiveObjects.h"

#include <algorithm>
#include <mutex>
#include <new>
#include <unordered_map>

namespace yAE
{
namespace
{
// The host may call effect instances from several threads.
struct Registry
{
    std::mutex lock;
    std::unordered_map<const void*, void*> objects; // by the handle each was made in
};

Registry& Instance()
{
    static Registry registry;
    return registry;
}
} // namespace

bool LiveObjects::Add(void* object, const void* handle) noexcept
{
    Registry& r = Instance();
    std::lock_guard<std::mutex> hold(r.lock);
    try
    {
        r.objects[handle] = object;
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
    for (auto it = r.objects.begin(); it != r.objects.end(); ++it)
        if (it->second == object)
        {
            r.objects.erase(it);
            return;
        }
}

bool LiveObjects::Contains(const void* object)
{
    Registry& r = Instance();
    std::lock_guard<std::mutex> hold(r.lock);
    return object && std::any_of(r.objects.begin(), r.objects.end(),
                                 [object](const auto& entry) { return entry.second == object; });
}

void* LiveObjects::In(const void* handle)
{
    Registry& r = Instance();
    std::lock_guard<std::mutex> hold(r.lock);
    const auto found = r.objects.find(handle);
    return found != r.objects.end() ? found->second : nullptr;
}
} // namespace yAE
