// The picture a themed control draws from: a port holding a strip of frames.
// The picture is either loaded from the module's bitmap resources into the
// resource's own port, or lent by an owner (and then not owned).
#pragma once

#include "draw/yDrawPort.h"

class yUIImageResource
{
public:
    yUIImageResource() = default;
    virtual ~yUIImageResource() = default;
    yUIImageResource(const yUIImageResource&) = delete;
    yUIImageResource& operator=(const yUIImageResource&) = delete;

    // Loads bitmap resource `id` and shows it. A missing resource leaves the
    // resource without a picture and returns false.
    bool LoadImageResource(long id);
    // Shows a picture owned elsewhere; null shows none.
    virtual void SetImage(yDrawPort* image);
    // The picture to draw, or null when there is none (or it is switched off).
    yDrawPort* GetImage() const { return m_noImage ? nullptr : m_image; }
    // While set, the resource behaves as if it had no picture.
    void SetNoImage(bool noImage) { m_noImage = noImage; }
    bool IsNoImage() const { return m_noImage; }

private:
    yDrawPort* m_image = nullptr;
    bool m_noImage = false;
    bool m_loaded = false; // m_ownImage holds a loaded picture
    yDrawPort m_ownImage;
};
