#include "ui/yUIImageResource.h"

bool yUIImageResource::LoadImageResource(long id)
{
    m_ownImage.Destroy();
    m_loaded = m_ownImage.LoadImageResource(id);
    SetImage(m_loaded ? &m_ownImage : nullptr);
    return m_loaded;
}

void yUIImageResource::SetImage(yDrawPort* image)
{
    m_image = image;
}
