// Undo and redo for the viewer: snapshots of what a project keeps (the
// module's flat record and the host's parameters), one after each job that
// changed either.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace yStandalone
{
struct yViewerSnapshot
{
    std::vector<uint8_t> record;
    std::vector<std::pair<std::string, std::string>> settings;

    bool operator==(const yViewerSnapshot& other) const
    {
        return record == other.record && settings == other.settings;
    }
};

class yViewerHistory
{
  public:
    // The oldest snapshots go first beyond this many.
    static constexpr size_t kDepth = 100;

    // Keeps snapshot as the newest state unless it equals the current one;
    // what was undone before it can no longer be redone. True when kept.
    bool Record(yViewerSnapshot snapshot);
    // The state to go back or forward to; null when there is none.
    const yViewerSnapshot* Undo();
    const yViewerSnapshot* Redo();
    // The state shown now; null before the first Record.
    const yViewerSnapshot* Current() const;

  private:
    std::vector<yViewerSnapshot> m_states;
    size_t m_current = 0; // index of the state shown, when there are any
};
} // namespace yStandalone
