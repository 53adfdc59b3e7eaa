#include "draw/yColorPicker.h"

#include "platform/yPlatform.h"

yColor8 SystemColorPicker(yColor8 start)
{
    uint8_t rgb[3] = {start.red, start.green, start.blue};
    if (!yPlatform::ChooseColor(rgb))
        return yColor8(255, 0, 0, 0);
    return yColor8(rgb[0], rgb[1], rgb[2]);
}

yColor8 SystemColorPicker()
{
    return SystemColorPicker(yColor8(255, 255, 0, 0));
}
