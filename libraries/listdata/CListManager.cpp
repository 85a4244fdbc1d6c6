#include "CListManager.h"

#include "CListFileReader.h"
#include "CListFileStorage.h"
#include "CListFileWriter.h"
#include "CTextBlock.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

namespace {
const std::uint64_t kNoMoreIds = 0x100000000ull;
}

CListManager::CListManager() = default;
CListManager::~CListManager() = default;

SGroupEntry* CListManager::FindGroup(DWORD id) const
{
    auto it = m_byId.find(id);
    return it == m_byId.end() ? nullptr : it->second;
}

// Callers mostly walk a group in order or move one entry a place at a time, so the entry
// found last and its neighbours are tried before the scan.
SChroEntry* CListManager::FindChro(SGroupEntry& group, DWORD chro)
{
    auto& chros = group.chros;
    for (size_t at : {group.lastFound, group.lastFound + 1, group.lastFound - 1}) {
        if (at < chros.size() && chros[at].id == chro) {
            group.lastFound = at;
            return &chros[at];
        }
    }
    for (size_t at = 0; at < chros.size(); ++at) {
        if (chros[at].id == chro) {
            group.lastFound = at;
            return &chros[at];
        }
    }
    return nullptr;
}

bool CListManager::NewId(DWORD& id)
{
    if (m_nextId >= kNoMoreIds)
        return false;
    id = static_cast<DWORD>(m_nextId++);
    return true;
}

void CListManager::IndexGroups()
{
    ForgetPositions();
    m_byId.clear();
    m_byId.reserve(m_groups.size());
    for (const auto& group : m_groups) {
        m_byId.emplace(group->id, group.get());
        if (group->id >= m_nextId)
            m_nextId = std::uint64_t(group->id) + 1;
        for (const SChroEntry& chro : group->chros) {
            if (chro.id >= m_nextId)
                m_nextId = std::uint64_t(chro.id) + 1;
        }
    }
}

bool CListManager::GetNoGroups(int& count) const
{
    count = static_cast<int>(m_groups.size());
    return true;
}

bool CListManager::GetNoChros(DWORD group, int& count) const
{
    const SGroupEntry* entry = FindGroup(group);
    if (!entry)
        return false;
    count = static_cast<int>(entry->chros.size());
    return true;
}

bool CListManager::GetGroupOrder(int pos, DWORD& id) const
{
    if (pos < 0 || static_cast<size_t>(pos) >= m_groups.size())
        return false;
    id = m_groups[pos]->id;
    return true;
}

bool CListManager::GetChroOrder(DWORD group, int pos, DWORD& id) const
{
    const SGroupEntry* entry = FindGroup(group);
    if (!entry || pos < 0 || static_cast<size_t>(pos) >= entry->chros.size())
        return false;
    id = entry->chros[pos].id;
    return true;
}

bool CListManager::GetGroupPos(DWORD id, int& pos) const
{
    if (m_posById.empty() && !m_groups.empty()) {
        m_posById.reserve(m_groups.size());
        for (size_t at = 0; at < m_groups.size(); ++at)
            m_posById.emplace(m_groups[at]->id, static_cast<int>(at));
    }
    const auto found = m_posById.find(id);
    if (found == m_posById.end())
        return false;
    pos = found->second;
    return true;
}

bool CListManager::GetChroPos(DWORD group, DWORD chro, int& pos) const
{
    SGroupEntry* entry = FindGroup(group);
    const SChroEntry* found = entry ? FindChro(*entry, chro) : nullptr;
    if (!found)
        return false;
    pos = static_cast<int>(found - entry->chros.data());
    return true;
}

bool CListManager::GetGroup(CGroupDataHelper& rec, DWORD id) const
{
    const SGroupEntry* entry = FindGroup(id);
    if (!entry)
        return false;
    rec = entry->data;
    return true;
}

bool CListManager::GetChromatogram(DWORD group, DWORD chro, CChromatogramData& rec) const
{
    SGroupEntry* entry = FindGroup(group);
    const SChroEntry* found = entry ? FindChro(*entry, chro) : nullptr;
    if (!found)
        return false;
    found->data.Unpack(rec);
    return true;
}

bool CListManager::AddGroup(const CGroupDataHelper& rec, DWORD& id)
{
    DWORD newId = 0;
    if (!NewId(newId))
        return false;
    auto entry = std::make_unique<SGroupEntry>();
    entry->id = newId;
    entry->data = rec;
    m_byId.emplace(newId, entry.get());
    m_groups.push_back(std::move(entry));
    KeepPosition(newId);
    id = newId;
    return true;
}

bool CListManager::DuplicateGroup(const CGroupDataHelper& rec, DWORD& id)
{
    const SGroupEntry* source = FindGroup(id);
    if (!source)
        return false;
    // Every id the copy needs is taken up front, so a list that runs out of ids is left
    // as it was.
    if (m_nextId + 1 + source->chros.size() > kNoMoreIds)
        return false;
    auto entry = std::make_unique<SGroupEntry>();
    NewId(entry->id);
    entry->data = rec;
    entry->chros = source->chros;
    for (SChroEntry& chro : entry->chros)
        NewId(chro.id);
    id = entry->id;
    m_byId.emplace(entry->id, entry.get());
    m_groups.push_back(std::move(entry));
    KeepPosition(id);
    return true;
}

bool CListManager::AddChro(const CChromatogramData& rec, DWORD& id, DWORD group)
{
    SGroupEntry* entry = FindGroup(group);
    DWORD newId = 0;
    if (!entry || !NewId(newId))
        return false;
    entry->chros.push_back(SChroEntry{CPackedChromatogram(rec), newId});
    id = newId;
    return true;
}

bool CListManager::EditGroup(const CGroupDataHelper& rec, DWORD id)
{
    SGroupEntry* entry = FindGroup(id);
    if (!entry)
        return false;
    entry->data = rec;
    return true;
}

bool CListManager::EditChromatogram(DWORD group, DWORD chro, const CChromatogramData& rec)
{
    SGroupEntry* entry = FindGroup(group);
    SChroEntry* found = entry ? FindChro(*entry, chro) : nullptr;
    if (!found)
        return false;
    found->data.Pack(rec);
    return true;
}

bool CListManager::RemoveGroup(DWORD id)
{
    int pos = 0;
    if (!GetGroupPos(id, pos))
        return false;
    m_byId.erase(id);
    m_groups.erase(m_groups.begin() + pos);
    ForgetPositions();
    return true;
}

bool CListManager::RemoveChro(DWORD group, DWORD chro)
{
    SGroupEntry* entry = FindGroup(group);
    if (!entry)
        return false;
    for (auto it = entry->chros.begin(); it != entry->chros.end(); ++it) {
        if (it->id == chro) {
            entry->chros.erase(it);
            return true;
        }
    }
    return false;
}

namespace {
// The ids sorted, or empty when one comes twice.
std::vector<DWORD> SortedOnce(const std::vector<DWORD>& ids)
{
    std::vector<DWORD> sorted(ids);
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
        sorted.clear();
    return sorted;
}

// Erases the entries whose ids are in the sorted ids, but only when every id is found.
template <typename Entries, typename IdOf>
bool EraseAll(Entries& entries, const std::vector<DWORD>& sorted, IdOf idOf)
{
    auto listed = [&](const auto& entry) { return std::binary_search(sorted.begin(), sorted.end(), idOf(entry)); };
    if (static_cast<size_t>(std::count_if(entries.begin(), entries.end(), listed)) != sorted.size())
        return false;
    entries.erase(std::remove_if(entries.begin(), entries.end(), listed), entries.end());
    return true;
}
}   // namespace

bool CListManager::RemoveGroups(const std::vector<DWORD>& ids)
{
    const std::vector<DWORD> sorted = SortedOnce(ids);
    if (sorted.size() != ids.size()
        || !EraseAll(m_groups, sorted, [](const std::unique_ptr<SGroupEntry>& group) { return group->id; }))
        return false;
    for (DWORD id : sorted)
        m_byId.erase(id);
    ForgetPositions();
    return true;
}

bool CListManager::RemoveChros(DWORD group, const std::vector<DWORD>& chros)
{
    SGroupEntry* entry = FindGroup(group);
    const std::vector<DWORD> sorted = SortedOnce(chros);
    if (!entry || sorted.size() != chros.size()
        || !EraseAll(entry->chros, sorted, [](const SChroEntry& chro) { return chro.id; }))
        return false;
    return true;
}

bool CListManager::Move(DWORD chro, DWORD neighbour, DWORD group)
{
    SGroupEntry* entry = FindGroup(group);
    if (!entry)
        return false;
    SChroEntry* a = FindChro(*entry, chro);
    SChroEntry* b = FindChro(*entry, neighbour);
    if (!a || !b)
        return false;
    if (a - b != 1 && b - a != 1)
        return false;
    std::swap(*a, *b);
    return true;
}

bool CListManager::MoveGroup(DWORD id, DWORD neighbour)
{
    int a = 0;
    int b = 0;
    if (!GetGroupPos(id, a) || !GetGroupPos(neighbour, b) || (a - b != 1 && b - a != 1))
        return false;
    std::swap(m_groups[static_cast<size_t>(a)], m_groups[static_cast<size_t>(b)]);
    m_posById[id] = b;
    m_posById[neighbour] = a;
    return true;
}

namespace {
// Moves the element at from to to in one rotation; the ones between shift by one place.
template <typename Vector>
void MoveWithin(Vector& items, size_t from, size_t to)
{
    const auto at = items.begin();
    if (from < to)
        std::rotate(at + from, at + from + 1, at + to + 1);
    else
        std::rotate(at + to, at + from, at + from + 1);
}

bool InRange(int pos, size_t count)
{
    return pos >= 0 && static_cast<size_t>(pos) < count;
}
}   // namespace

bool CListManager::MoveGroupTo(DWORD id, int from, int to)
{
    if (!InRange(from, m_groups.size()) || !InRange(to, m_groups.size()) || m_groups[from]->id != id)
        return false;
    MoveWithin(m_groups, static_cast<size_t>(from), static_cast<size_t>(to));
    if (!m_posById.empty()) {
        for (int at = std::min(from, to); at <= std::max(from, to); ++at)
            m_posById[m_groups[at]->id] = at;
    }
    return true;
}

bool CListManager::MoveChroTo(DWORD group, DWORD chro, int from, int to)
{
    SGroupEntry* entry = FindGroup(group);
    if (!entry || !InRange(from, entry->chros.size()) || !InRange(to, entry->chros.size())
        || entry->chros[from].id != chro)
        return false;
    MoveWithin(entry->chros, static_cast<size_t>(from), static_cast<size_t>(to));
    entry->lastFound = static_cast<size_t>(to);
    return true;
}

void CListManager::KeepPosition(DWORD appended)
{
    if (!m_posById.empty())
        m_posById.emplace(appended, static_cast<int>(m_groups.size()) - 1);
}

void CListManager::KeepAbove(DWORD id)
{
    if (id >= m_nextId)
        m_nextId = std::uint64_t(id) + 1;
}

bool CListManager::InsertGroup(const CGroupDataHelper& rec, DWORD& id, int pos)
{
    if (pos < 0 || static_cast<size_t>(pos) > m_groups.size() || (id != 0 && FindGroup(id)))
        return false;
    DWORD newId = id;
    if (newId == 0 && !NewId(newId))
        return false;
    KeepAbove(newId);
    auto entry = std::make_unique<SGroupEntry>();
    entry->id = newId;
    entry->data = rec;
    m_byId.emplace(newId, entry.get());
    m_groups.insert(m_groups.begin() + pos, std::move(entry));
    if (static_cast<size_t>(pos) + 1 == m_groups.size())
        KeepPosition(newId);
    else
        ForgetPositions();
    id = newId;
    return true;
}

bool CListManager::InsertChros(DWORD group, int pos, std::vector<SChroRecord>& chros)
{
    SGroupEntry* entry = FindGroup(group);
    if (!entry || pos < 0 || static_cast<size_t>(pos) > entry->chros.size())
        return false;
    // Every check before the first change: the ids given are distinct and new to the group,
    // and there are ids enough for the rest.
    std::vector<DWORD> given;
    for (const SChroRecord& chro : chros) {
        if (chro.id != 0)
            given.push_back(chro.id);
    }
    std::sort(given.begin(), given.end());
    if (!AreNewTo(*entry, given))
        return false;
    if (m_nextId + (chros.size() - given.size()) > kNoMoreIds)
        return false;
    std::vector<SChroEntry> added;
    added.reserve(chros.size());
    for (SChroRecord& chro : chros) {
        if (chro.id == 0)
            NewId(chro.id);
        KeepAbove(chro.id);
        added.push_back(SChroEntry{CPackedChromatogram(chro.rec), chro.id});
    }
    entry->chros.insert(entry->chros.begin() + pos, std::make_move_iterator(added.begin()),
                        std::make_move_iterator(added.end()));
    return true;
}

bool CListManager::AreNewTo(const SGroupEntry& group, const std::vector<DWORD>& sorted)
{
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end() || (!sorted.empty() && sorted[0] == 0))
        return false;
    return std::none_of(group.chros.begin(), group.chros.end(), [&](const SChroEntry& chro) {
        return std::binary_search(sorted.begin(), sorted.end(), chro.id);
    });
}

bool CListManager::CopyChroEntries(DWORD group, std::vector<SChroEntry>& entries) const
{
    const SGroupEntry* entry = FindGroup(group);
    if (!entry)
        return false;
    entries.assign(entry->chros.size(), SChroEntry());
    for (size_t i = 0; i < entries.size(); ++i) {
        const CPackedChromatogram& from = entry->chros[i].data;
        CPackedChromatogram& to = entries[i].data;
        to.CopyStored(from.Stored().data(), static_cast<std::uint32_t>(from.Stored().size()));
        to.m_nType = from.m_nType;
        to.m_nAnalogue = from.m_nAnalogue;
        to.m_nFunction = from.m_nFunction;
        to.m_bChecked = from.m_bChecked;
        entries[i].id = entry->chros[i].id;
    }
    return true;
}

bool CListManager::InsertChroEntries(DWORD group, int pos, const std::vector<SChroEntry>& entries)
{
    SGroupEntry* entry = FindGroup(group);
    if (!entry || pos < 0 || static_cast<size_t>(pos) > entry->chros.size())
        return false;
    std::vector<DWORD> given;
    given.reserve(entries.size());
    for (const SChroEntry& chro : entries)
        given.push_back(chro.id);
    std::sort(given.begin(), given.end());
    if (!AreNewTo(*entry, given))
        return false;
    for (const SChroEntry& chro : entries)
        KeepAbove(chro.id);
    entry->chros.insert(entry->chros.begin() + pos, entries.begin(), entries.end());
    return true;
}

bool CListManager::SetGroupState(DWORD id, bool checked)
{
    SGroupEntry* entry = FindGroup(id);
    if (!entry)
        return false;
    entry->data.m_bChecked = checked;
    return true;
}

bool CListManager::SetChromatogramState(DWORD group, DWORD chro, bool checked)
{
    SGroupEntry* entry = FindGroup(group);
    SChroEntry* found = entry ? FindChro(*entry, chro) : nullptr;
    if (!found)
        return false;
    found->data.m_bChecked = checked;
    return true;
}

bool CListManager::SetChroSelection(DWORD group, int pos)
{
    SGroupEntry* entry = FindGroup(group);
    if (!entry)
        return false;
    entry->selection = pos;
    return true;
}

bool CListManager::GetChroSelection(DWORD group, int& pos) const
{
    const SGroupEntry* entry = FindGroup(group);
    if (!entry)
        return false;
    pos = entry->selection;
    return true;
}

bool CListManager::DeleteListContent()
{
    // The id counter stays: ids handed out before stay unused.
    m_byId.clear();
    ForgetPositions();
    m_groups.clear();
    m_pLoadedText.reset();
    return true;
}

bool CListManager::Load(const char* path)
{
    DeleteListContent();
    auto text = std::make_unique<CTextBlock>();
    if (!path)
        return false;
    std::vector<std::unique_ptr<SGroupEntry>> groups;
    if (!CListFileStorage::ReadList(path, *text, groups))
        return false;
    Keep(std::move(groups), std::move(text));
    return true;
}

void CListManager::Swap(CListManager& other) noexcept
{
    m_groups.swap(other.m_groups);
    m_pLoadedText.swap(other.m_pLoadedText);
    m_byId.swap(other.m_byId);
    m_posById.swap(other.m_posById);
    std::swap(m_nextId, other.m_nextId);
}

bool CListManager::LoadBytes(const char* data, size_t size)
{
    DeleteListContent();
    auto text = std::make_unique<CTextBlock>();
    if (!text->Reserve(size + 1))
        return false;
    std::copy(data, data + size, text->Data());
    text->SetSize(size);
    return Take(std::move(text));
}

bool CListManager::Take(std::unique_ptr<CTextBlock> text)
{
    std::vector<std::unique_ptr<SGroupEntry>> groups;
    size_t kept = 0;
    if (!CListFileReader::Parse(text->Data(), text->Size(), groups, kept))
        return false;
    text->SetSize(kept);
    Keep(std::move(groups), std::move(text));
    return true;
}

void CListManager::Keep(std::vector<std::unique_ptr<SGroupEntry>> groups, std::unique_ptr<CTextBlock> text)
{
    text->Shrink(text->Size());   // the rest of the file's text is no longer needed
    m_groups = std::move(groups);
    m_pLoadedText = std::move(text);
    IndexGroups();
}

void CListManager::AppendBytes(std::string& out) const
{
    CListFileWriter::Write(m_groups, CListFileWriter::Sink([&out](const char* data, size_t size) {
                               out.append(data, size);
                               return true;
                           }));
}

bool CListManager::Save(const char* path) const
{
    if (!path || !*path)
        return false;
    return CListFileStorage::WriteReplacing(
        path, [this](const CListFileStorage::Sink& sink) { return CListFileWriter::Write(m_groups, sink); });
}
