#include "standalone/viewer/yViewerHistory.h"

namespace yStandalone
{
bool yViewerHistory::Record(yViewerSnapshot snapshot)
{
    if (!m_states.empty() && m_states[m_current] == snapshot) return false;
    if (!m_states.empty()) m_states.resize(m_current + 1);
    m_states.push_back(std::move(snapshot));
    if (m_states.size() > kDepth) m_states.erase(m_states.begin());
    m_current = m_states.size() - 1;
    return true;
}

const yViewerSnapshot* yViewerHistory::Undo()
{
    if (m_states.empty() || m_current == 0) return nullptr;
    return &m_states[--m_current];
}

const yViewerSnapshot* yViewerHistory::Redo()
{
    if (m_current + 1 >= m_states.size()) return nullptr;
    return &m_states[++m_current];
}

const yViewerSnapshot* yViewerHistory::Current() const
{
    return m_states.empty() ? nullptr : &m_states[m_current];
}
} // namespace yStandalone
