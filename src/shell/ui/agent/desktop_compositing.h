#pragma once

namespace vn {

// Whether the desktop draws translucent windows: on X11 only while a compositing manager runs;
// elsewhere (Wayland, the offscreen platform) always.
bool desktopComposites();

}  // namespace vn
