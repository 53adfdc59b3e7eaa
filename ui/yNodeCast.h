// The widget tree asks "is this node a UI node, a shape?" thousands of times
// while a panel is built and laid out. A dynamic_cast answers by walking the
// class chain and comparing class names; the tree holds only a few dozen
// classes, so the answer for each is remembered and later casts cost a short
// table lookup. Lock-free: panels are built on one thread and read on others.
#pragma once

#include <atomic>
#include <typeinfo>

namespace yNodeCastDetail
{
template <class To> struct yCastTable
{
    static constexpr int kSlots = 64;
    struct Entry
    {
        std::atomic<const std::type_info*> type{nullptr};
        std::atomic<bool> isA{false};
    };
    Entry entries[kSlots];
    std::atomic<int> used{0};

    // 1 or 0 when the class is known, -1 when not.
    int Find(const std::type_info& type) const
    {
        const int n = used.load(std::memory_order_acquire);
        for (int i = 0; i < n && i < kSlots; ++i)
            if (entries[i].type.load(std::memory_order_acquire) == &type)
                return entries[i].isA.load(std::memory_order_relaxed) ? 1 : 0;
        return -1;
    }
    void Remember(const std::type_info& type, bool isA)
    {
        // Once full, such classes are simply cast the slow way; the count is
        // not raised again, so it cannot run on past the table.
        if (used.load(std::memory_order_relaxed) >= kSlots)
            return;
        const int i = used.fetch_add(1, std::memory_order_acq_rel);
        if (i >= kSlots)
            return;
        entries[i].isA.store(isA, std::memory_order_relaxed);
        entries[i].type.store(&type, std::memory_order_release);
    }
};
} // namespace yNodeCastDetail

// As dynamic_cast<To*>(node), for a To that derives from From without a
// virtual base.
template <class To, class From> To* yNodeCast(From* node)
{
    if (!node)
        return nullptr;
    static yNodeCastDetail::yCastTable<To> table;
    const std::type_info& type = typeid(*node);
    const int known = table.Find(type);
    if (known >= 0)
        return known ? static_cast<To*>(node) : nullptr;
    To* cast = dynamic_cast<To*>(node);
    table.Remember(type, cast != nullptr);
    return cast;
}
