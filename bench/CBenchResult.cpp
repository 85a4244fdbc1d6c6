#include "CBenchResult.h"

#include <algorithm>
#include <cstdio>

CBenchResult::CBenchResult(const char* name, const char* unit, double target)
    : m_name(name), m_unit(unit), m_target(target)
{
}

double CBenchResult::Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

std::string CBenchResult::Line() const
{
    char line[256];
    const double ours = Median(m_ours);
    const double baseline = Median(m_baseline);
    if (!m_failure.empty() || m_ours.empty() || m_baseline.empty() || baseline <= 0) {
        std::snprintf(line, sizeof line, "%s: not measured (%s) (target <= %.2f)", m_name.c_str(),
                      m_failure.empty() ? "no samples" : m_failure.c_str(), m_target);
        return line;
    }
    if (m_bAbsolute)
        std::snprintf(line, sizeof line, "%s: %.1f %s vs %.1f %s = %.2fx (target < %.0f %s)", m_name.c_str(), ours,
                      m_unit.c_str(), baseline, m_unit.c_str(), ours / baseline, m_target, m_unit.c_str());
    else
        std::snprintf(line, sizeof line, "%s: %.1f %s vs %.1f %s = %.2fx (target <= %.2f)", m_name.c_str(), ours,
                      m_unit.c_str(), baseline, m_unit.c_str(), ours / baseline, m_target);
    return line;
}
