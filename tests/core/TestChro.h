#pragma once

// A chromatogram record with the fields a chromatogram table carries, for the transfer tests.
#include "CChromatogramData.h"

#include <string>

inline CChromatogramData Chro(const std::string& name, int type, int function, const std::string& mass, int channel,
                              bool checked)
{
    CChromatogramData chro;
    chro.m_strName = name;
    chro.m_nType = type;
    chro.m_nFunction = function;
    chro.m_strMass = mass;
    chro.m_nAnalogue = channel;
    chro.m_bChecked = checked;
    return chro;
}
