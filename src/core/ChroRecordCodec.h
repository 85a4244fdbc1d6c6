#pragma once

#include "CChromatogramData.h"

#include <string>
#include <string_view>
#include <vector>

// The tool's own clipboard form of chromatograms: every field of every record, exactly.
// Decoding checks every length against the bytes, since any program can put anything on
// the clipboard under the format's name. Plain C++.
namespace chro_codec {
std::string Encode(const std::vector<CChromatogramData>& chros);
// False, with chros empty, unless bytes are one whole encoding.
bool Decode(std::string_view bytes, std::vector<CChromatogramData>& chros);
}   // namespace chro_codec
