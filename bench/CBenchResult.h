#pragma once

#include <string>
#include <vector>

// The samples of one benchmark, ours and the baseline's, and the line that reports them.
class CBenchResult {
public:
    CBenchResult(const char* name, const char* unit, double target);

    void AddOurs(double value) { m_ours.push_back(value); }
    void AddBaseline(double value) { m_baseline.push_back(value); }

    // The middle value (the mean of the two middle ones for an even count); 0 when empty.
    static double Median(std::vector<double> values);
    // "name: 412.0 ms vs 355.1 ms = 1.16x (target <= 1.30)", or a line that says why
    // there is no figure.
    std::string Line() const;
    // The target is a limit on ours alone, in the unit, rather than on the ratio.
    void SetAbsoluteTarget() { m_bAbsolute = true; }
    // Marks the benchmark as not measured, with a short reason for its line.
    void Fail(const std::string& reason) { m_failure = reason; }

private:
    std::string m_name;
    std::string m_unit;
    double m_target;
    std::vector<double> m_ours;
    std::vector<double> m_baseline;
    std::string m_failure;
    bool m_bAbsolute = false;
};
