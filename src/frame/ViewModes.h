#pragma once

// Names of the two view modes, shared by the frame and the window placement store.
inline constexpr char kViewModeNormal[] = "Normal";
inline constexpr char kViewModeMini[] = "Mini";
