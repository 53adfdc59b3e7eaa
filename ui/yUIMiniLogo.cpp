#include "ui/yUIMiniLogo.h"

yUIMiniLogo::yUIMiniLogo()
{
    SetName("Brindle");
    SetSize(yPointL(32, 19));
}
