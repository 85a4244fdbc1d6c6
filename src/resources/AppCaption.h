// The application's caption: the frame's title and the captions of its message boxes.
#pragma once

inline constexpr char kAppCaption[] = "Vantrace";
