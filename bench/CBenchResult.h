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
    // A figure with as many decimals as its size needs: 175, 17.5, 1.75.
    static std::string Figure(double value);
    // "name: 175.2 ms vs 88.2 ms = 1.99x (target <= 1.30) [ours 168-190, base 80-97, n=15]",
    // or a line that says why there is no figure.
    std::string Line() const;
    // The target is a limit on ours alone, in the unit, rather than on the ratio.
    void SetAbsoluteTarget() { m_bAbsolute = true; }
    // Besides the ratio, ours must stay below this many units.
    void SetCeiling(double ceiling) { m_ceiling = ceiling; }
    // Marks the benchmark as not measured, with a short reason for its line.
    void Fail(const std::string& reason) { m_failure = reason; }

    bool Failed() const { return !m_failure.empty(); }
    // Ours and the baseline's samples were taken and nothing failed.
    bool IsMeasured() const;
    // The ratio of the medians, ours over the baseline's; 0 when not measured.
    double Ratio() const;
    double MedianOurs() const { return Median(m_ours); }
    double MedianBaseline() const { return Median(m_baseline); }
    const std::string& Name() const { return m_name; }
    const std::string& Unit() const { return m_unit; }
    double Target() const { return m_target; }

private:
    static std::string Spread(const std::vector<double>& values);

    std::string m_name;
    std::string m_unit;
    double m_target;
    std::vector<double> m_ours;
    std::vector<double> m_baseline;
    std::string m_failure;
    bool m_bAbsolute = false;
    double m_ceiling = 0;
};
