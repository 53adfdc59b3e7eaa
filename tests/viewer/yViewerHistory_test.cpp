#include "standalone/viewer/yViewerHistory.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
using yStandalone::yViewerHistory;
using yStandalone::yViewerSnapshot;

// Snapshots told apart by the colour model alone.
yViewerSnapshot State(const std::string& model)
{
    return yViewerSnapshot{{1, 2, 3}, {{"Color Model", model}}};
}

std::string Shown(const yViewerSnapshot* snapshot)
{
    return snapshot ? snapshot->settings[0].second : "none";
}

TEST(yViewerHistory, UndoAndRedoWalkTheSnapshotsAndANewChangeEndsTheRedo)
{
    // "+X" records X (giving "kept" or "same"), "u" undoes, "r" redoes.
    const struct
    {
        const char* step;
        const char* gives;
    } steps[] = {
        {"u", "none"}, // nothing kept yet
        {"+RGB", "kept"},
        {"+RGB", "same"}, // a job that changed nothing
        {"+HSV", "kept"},
        {"+Lab", "kept"},
        {"u", "HSV"},
        {"u", "RGB"},
        {"u", "none"}, // the first state is the oldest
        {"r", "HSV"},
        {"+HSV", "same"}, // the state shown
        {"+Luv", "kept"}, // Lab can no longer be redone
        {"r", "none"},
        {"u", "HSV"},
        {"r", "Luv"},
    };
    yViewerHistory history;
    for (const auto& s : steps)
    {
        const std::string step = s.step;
        std::string gives;
        if (step[0] == '+')
            gives = history.Record(State(step.substr(1))) ? "kept" : "same";
        else
            gives = Shown(step == "u" ? history.Undo() : history.Redo());
        EXPECT_EQ(gives, s.gives) << step;
    }
    EXPECT_EQ(Shown(history.Current()), "Luv");
}

TEST(yViewerHistory, TheOldestSnapshotsGoBeyondTheDepth)
{
    yViewerHistory history;
    for (size_t k = 0; k < yViewerHistory::kDepth + 5; ++k) history.Record(State(std::to_string(k)));
    size_t undone = 0;
    while (history.Undo()) ++undone;
    EXPECT_EQ(undone, yViewerHistory::kDepth - 1);
    EXPECT_EQ(Shown(history.Current()), "5");
}
} // namespace
