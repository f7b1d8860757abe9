#include "controls/HalfVisible.h"

#include "controls/TsCommonData.h"
#include "framework/window/TWinControl.h"

namespace {

// The right and bottom edges count as outside.
bool Outside(const TRect& client, int x, int y) {
    return x < client.Left || y < client.Top || x >= client.Right || y >= client.Bottom;
}

} // namespace

bool ContainerHalfVisible(const TWinControl& c, const TsCommonData& data) {
    if (!c.Parent() || !data.DependsOnParent()) return false;
    const TRect client = c.Parent()->ClientRect();
    return Outside(client, c.Left() + 1, c.Top() + 1) ||
           Outside(client, c.Left() + c.Width() - 1, c.Top() + c.Height() - 1);
}

bool CornerHalfVisible(const TWinControl& c) {
    if (!c.Parent()) return false;
    const TRect client = c.Parent()->ClientRect();
    return Outside(client, c.Left(), c.Top()) ||
           Outside(client, c.Left() + c.Width(), c.Top() + c.Height());
}
