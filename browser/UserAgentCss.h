#pragma once
// The pane's own stylesheet for HTML: how elements look before a page styles
// them. Pages of game servers use old HTML freely (font, center, tables laid
// out by their attributes), so those get their customary looks here.

// The stylesheet text, CSS.
const char* UserAgentCss();
