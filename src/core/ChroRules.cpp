#include "ChroRules.h"

std::string chro_rules::Describe(int type, const std::string& functionText, const std::string& mass, int channel)
{
    switch (type) {
    case kTypeTic:
        return "Function: " + functionText + ", TIC";
    case kTypeBpi:
        return "Function: " + functionText + ", BPI";
    case kTypeAnalogue:
        return "ANALOG" + std::to_string(channel);
    default:
        return "Function: " + functionText + ", MASS: " + mass;
    }
}
