#include "paint/ParentColors.h"

TColor ParentMaskColor = clSeeThrough;
TColor ParentBackColor = clSeeThrough;
