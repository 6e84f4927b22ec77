#pragma once

namespace tenvari {

// The title of every message box, and the caption of every window.
inline constexpr char kAppTitle[] = "Tenvari";
inline constexpr char kWindowCaption[] = "Tenvari v1.05";

} // namespace tenvari
