// A box whose children live in an inner content control that follows the
// box's size and scale. Children added to the container go to the content.
#pragma once

#include "ui/yUIBox.h"

class yUIBoxContainer : public yUIBox
{
public:
    yUIBoxContainer();

    // Adds the child to the content instead of the box itself.
    void AddChild(yTreeNode& child) override;

    yUIBaseControl& GetContent() { return m_content; }
    const yUIBaseControl& GetContent() const { return m_content; }

protected:
    yUIBaseControl m_content;
};
