#pragma once
// The half-visible tests of the skinned containers: a container that lies
// partly outside its parent rebuilds its cache on every paint, since what
// the parent shows under it may have moved.

class TWinControl;
class TsCommonData;

// Panel and group box: only a container whose picture uses its parent's
// is half visible: when its second pixel or its last one lies outside the
// parent's client rectangle.
bool ContainerHalfVisible(const TWinControl& c, const TsCommonData& data);

// Status bar: its top-left corner or its bottom-right corner (just past its
// last pixel) lies outside the parent's client rectangle. A bar docked to
// the bottom of its window is therefore always half visible.
bool CornerHalfVisible(const TWinControl& c);
