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

std::string CBenchResult::Figure(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, value >= 100 ? "%.0f" : value >= 10 ? "%.1f" : "%.2f", value);
    return text;
}

std::string CBenchResult::Spread(const std::vector<double>& values)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return Figure(*low) + "-" + Figure(*high);
}

bool CBenchResult::IsMeasured() const
{
    return m_failure.empty() && !m_ours.empty() && !m_baseline.empty() && Median(m_baseline) > 0;
}

double CBenchResult::Ratio() const
{
    return IsMeasured() ? Median(m_ours) / Median(m_baseline) : 0;
}

std::string CBenchResult::Line() const
{
    char line[320];
    if (!IsMeasured()) {
        std::snprintf(line, sizeof line, "%s: not measured (%s) (target <= %.2f)", m_name.c_str(),
                      m_failure.empty() ? "no samples" : m_failure.c_str(), m_target);
        return line;
    }
    char target[64];
    if (m_bAbsolute)
        std::snprintf(target, sizeof target, "target < %.0f %s", m_target, m_unit.c_str());
    else if (m_ceiling > 0)
        std::snprintf(target, sizeof target, "target <= %.2f and < %.0f %s", m_target, m_ceiling, m_unit.c_str());
    else
        std::snprintf(target, sizeof target, "target <= %.2f", m_target);
    std::snprintf(line, sizeof line, "%s: %.1f %s vs %.1f %s = %.2fx (%s) [ours %s, base %s, n=%zu]", m_name.c_str(),
                  Median(m_ours), m_unit.c_str(), Median(m_baseline), m_unit.c_str(), Ratio(), target,
                  Spread(m_ours).c_str(), Spread(m_baseline).c_str(), std::min(m_ours.size(), m_baseline.size()));
    return line;
}
