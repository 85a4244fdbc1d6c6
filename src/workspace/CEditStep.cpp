#include "CEditStep.h"

#include <algorithm>
#include <type_traits>

namespace {
bool Same(const CGroupDataHelper& a, const CGroupDataHelper& b)
{
    return a.m_dwKey == b.m_dwKey && a.m_strName == b.m_strName && a.m_strComment == b.m_strComment
           && a.m_strBasedOn == b.m_strBasedOn && a.m_strRange == b.m_strRange && a.m_bChecked == b.m_bChecked
           && a.m_nRangeMode == b.m_nRangeMode;
}

bool Same(const CChromatogramData& a, const CChromatogramData& b)
{
    return a.m_strName == b.m_strName && a.m_strDescription == b.m_strDescription && a.m_strMass == b.m_strMass
           && a.m_strExtra == b.m_strExtra && a.m_strBasedOn == b.m_strBasedOn && a.m_nType == b.m_nType
           && a.m_nAnalogue == b.m_nAnalogue && a.m_nFunction == b.m_nFunction && a.m_bChecked == b.m_bChecked;
}

// Removes a run of chromatograms in one pass, but only when the group holds every one of them.
bool RemoveChros(CListManager& list, DWORD group, const std::vector<SChroRecord>& chros)
{
    std::vector<DWORD> ids;
    ids.reserve(chros.size());
    for (const SChroRecord& chro : chros)
        ids.push_back(chro.id);
    return list.RemoveChros(group, ids);
}

bool InsertGroup(CListManager& list, CEditStep::SGroupChange& change)
{
    const DWORD given = change.id;
    if (!list.InsertGroup(change.rec, change.id, change.pos))
        return false;
    if (!list.InsertChros(change.id, 0, change.chros)
        || !list.InsertChroEntries(change.id, static_cast<int>(change.chros.size()), change.kept)) {
        list.RemoveGroup(change.id);
        change.id = given;
        return false;
    }
    list.SetChroSelection(change.id, change.chroSelection);
    return true;
}
}   // namespace

void CEditStep::Add(Change change)
{
    const bool noChange = std::visit(
        [](const auto& c) {
            using T = std::decay_t<decltype(c)>;
            if constexpr (std::is_same_v<T, SGroupEdit> || std::is_same_v<T, SChroEdit>)
                return Same(c.before, c.after);
            else if constexpr (std::is_same_v<T, SGroupCheck> || std::is_same_v<T, SChroCheck>)
                return c.before == c.after;
            else if constexpr (std::is_same_v<T, SGroupMove> || std::is_same_v<T, SChroMove>)
                return c.from == c.to;
            else
                return false;
        },
        change);
    if (!noChange)
        m_changes.push_back(std::move(change));
}

bool CEditStep::AddGroupRemoval(const CListManager& list, DWORD id)
{
    SGroupChange change;
    change.insert = false;
    change.id = id;
    if (!list.GetGroup(change.rec, id))
        return false;
    list.GetGroupPos(id, change.pos);
    list.GetChroSelection(id, change.chroSelection);
    if (!list.CopyChroEntries(id, change.kept))
        return false;
    m_changes.push_back(std::move(change));
    return true;
}

bool CEditStep::AddChroRemoval(const CListManager& list, DWORD group, DWORD chro, int pos)
{
    SChroChange change;
    change.insert = false;
    change.group = group;
    change.pos = pos;
    change.chros.resize(1);
    change.chros[0].id = chro;
    if (!list.GetChromatogram(group, chro, change.chros[0].rec))
        return false;
    m_changes.push_back(std::move(change));
    return true;
}

SEditReach CEditStep::Reach(bool forward) const
{
    SEditReach reach;
    const size_t count = m_changes.size();
    for (size_t i = 0; i < count && !reach.rebuild; ++i) {
        std::visit(
            [&](const auto& c) {
                using T = std::decay_t<decltype(c)>;
                if constexpr (std::is_same_v<T, SGroupEdit> || std::is_same_v<T, SGroupCheck>) {
                    reach.groupRows.push_back(c.id);
                } else if constexpr (std::is_same_v<T, SGroupSwap>) {
                    reach.groupRows.insert(reach.groupRows.end(), {c.id, c.neighbour});
                } else if constexpr (std::is_same_v<T, SChroEdit> || std::is_same_v<T, SChroCheck>) {
                    reach.chroRows.push_back({c.group, c.chro, 0, 0});
                } else if constexpr (std::is_same_v<T, SChroSwap>) {
                    reach.chroRows.push_back({c.group, c.chro, 0, 0});
                    reach.chroRows.push_back({c.group, c.neighbour, 0, 0});
                } else if constexpr (std::is_same_v<T, SChroChange>) {
                    const int rows = static_cast<int>(c.chros.size());
                    if (rows > 0)
                        reach.chroRows.push_back({c.group, 0, c.pos, c.insert == forward ? rows : -rows});
                } else {
                    reach.rebuild = true;
                }
            },
            m_changes[forward ? i : count - 1 - i]);
    }
    return reach;
}

DWORD CEditStep::InsertedGroup() const
{
    for (const Change& change : m_changes) {
        if (const auto* c = std::get_if<SGroupChange>(&change); c && c->insert)
            return c->id;
    }
    return 0;
}

bool CEditStep::ApplyChange(CListManager& list, Change& change, bool forward)
{
    if (auto* c = std::get_if<SGroupChange>(&change))
        return c->insert == forward ? InsertGroup(list, *c) : list.RemoveGroup(c->id);
    if (auto* c = std::get_if<SChroChange>(&change))
        return c->insert == forward ? list.InsertChros(c->group, c->pos, c->chros)
                                    : RemoveChros(list, c->group, c->chros);
    if (auto* c = std::get_if<SGroupEdit>(&change))
        return list.EditGroup(forward ? c->after : c->before, c->id);
    if (auto* c = std::get_if<SChroEdit>(&change))
        return list.EditChromatogram(c->group, c->chro, forward ? c->after : c->before);
    if (auto* c = std::get_if<SGroupCheck>(&change))
        return list.SetGroupState(c->id, forward ? c->after : c->before);
    if (auto* c = std::get_if<SChroCheck>(&change))
        return list.SetChromatogramState(c->group, c->chro, forward ? c->after : c->before);
    if (auto* c = std::get_if<SGroupSwap>(&change))
        return list.MoveGroup(c->id, c->neighbour);
    if (auto* c = std::get_if<SGroupMove>(&change))
        return forward ? list.MoveGroupTo(c->id, c->from, c->to) : list.MoveGroupTo(c->id, c->to, c->from);
    if (auto* c = std::get_if<SChroMove>(&change))
        return forward ? list.MoveChroTo(c->group, c->chro, c->from, c->to)
                       : list.MoveChroTo(c->group, c->chro, c->to, c->from);
    auto& swap = std::get<SChroSwap>(change);
    return list.Move(swap.chro, swap.neighbour, swap.group);
}

bool CEditStep::Apply(CListManager& list, bool forward)
{
    const size_t count = m_changes.size();
    // Forward runs the changes first to last; backward runs their inverses last to first.
    auto at = [&](size_t i) -> Change& { return m_changes[forward ? i : count - 1 - i]; };
    // The id of a change that removes a group in this direction, or 0.
    auto removedGroup = [&](size_t i) -> DWORD {
        const auto* c = std::get_if<SGroupChange>(&at(i));
        return c && c->insert != forward ? c->id : 0;
    };
    for (size_t i = 0; i < count;) {
        // A run of group removals (the undo of an import that added many) goes in one pass.
        std::vector<DWORD> run;
        for (size_t j = i; j < count && removedGroup(j) != 0; ++j)
            run.push_back(removedGroup(j));
        const bool done = run.size() > 1 ? list.RemoveGroups(run) : ApplyChange(list, at(i), forward);
        if (done) {
            i += std::max<size_t>(run.size(), 1);
            continue;
        }
        while (i-- > 0)
            ApplyChange(list, at(i), !forward);
        return false;
    }
    return true;
}
