#pragma once

#include <string>

// One chromatogram definition: a trace of one acquisition function.
class CChromatogramData {
public:
    CChromatogramData() = default;
    CChromatogramData(const CChromatogramData&) = default;
    CChromatogramData& operator=(const CChromatogramData&) = default;
    CChromatogramData(CChromatogramData&&) = default;
    CChromatogramData& operator=(CChromatogramData&&) = default;
    virtual ~CChromatogramData() = default;

    // Back to the defaults of a new chromatogram.
    void Reset() { *this = CChromatogramData(); }

    std::string m_strName;
    std::string m_strDescription;
    std::string m_strMass;
    std::string m_strExtra;   // carried along, never shown
    std::string m_strBasedOn;
    int m_nType = 0;       // 0 TIC, 1 BPI, 2 MASS, 3 ANALOG
    int m_nAnalogue = 1;   // analogue channel 1-4
    int m_nFunction = 1;   // acquisition function
    bool m_bChecked = true;
};
