#pragma once

#include "CChromatogramData.h"
#include "CGroupDataHelper.h"
#include "ListEntries.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// A chromatogram with its id, as the list manager takes it back in.
struct SChroRecord {
    DWORD id = 0;
    CChromatogramData rec;
};

class CTextBlock;

// Owns the groups of a list and their chromatograms, hands out their ids and reads and
// writes list files. Ids are never 0 and never reused by one manager; positions count from
// 0. Every operation returns false and changes nothing when an id or position is unknown.
class CListManager {
public:
    CListManager();
    CListManager(const CListManager&) = delete;
    CListManager& operator=(const CListManager&) = delete;
    virtual ~CListManager();

    bool GetNoGroups(int& count) const;
    bool GetNoChros(DWORD group, int& count) const;
    // The id at a position of the group order, or of one group's chromatogram order.
    bool GetGroupOrder(int pos, DWORD& id) const;
    bool GetChroOrder(DWORD group, int pos, DWORD& id) const;
    bool GetGroup(CGroupDataHelper& rec, DWORD id) const;
    bool GetChromatogram(DWORD group, DWORD chro, CChromatogramData& rec) const;
    // Where a group stands in the group order, and a chromatogram in its group's order,
    // without a walk of the order: groups from an index of positions, chromatograms near
    // the one found last.
    bool GetGroupPos(DWORD id, int& pos) const;
    bool GetChroPos(DWORD group, DWORD chro, int& pos) const;

    // Appends a group; id receives its new id.
    bool AddGroup(const CGroupDataHelper& rec, DWORD& id);
    // id holds the source group's id; appends a group with rec's fields and copies of the
    // source's chromatograms (with their check marks); id then receives the new group's id.
    bool DuplicateGroup(const CGroupDataHelper& rec, DWORD& id);
    // Appends a chromatogram to a group; id receives its new id.
    bool AddChro(const CChromatogramData& rec, DWORD& id, DWORD group);
    bool EditGroup(const CGroupDataHelper& rec, DWORD id);
    bool EditChromatogram(DWORD group, DWORD chro, const CChromatogramData& rec);
    bool RemoveGroup(DWORD id);
    bool RemoveChro(DWORD group, DWORD chro);
    // Removes groups (with their chromatograms) in one pass, all or none: every id must be a
    // group's, and only once.
    bool RemoveGroups(const std::vector<DWORD>& ids);
    // Removes chromatograms of a group in one pass, all or none: every id must be in the
    // group, and only once.
    bool RemoveChros(DWORD group, const std::vector<DWORD>& chros);
    // Swaps two chromatograms of a group that stand next to each other.
    bool Move(DWORD chro, DWORD neighbour, DWORD group);
    // Swaps two groups that stand next to each other.
    bool MoveGroup(DWORD id, DWORD neighbour);
    // Moves the group standing at position from to position to (both 0 to the count - 1);
    // the groups between close up. False when the group is not at from.
    bool MoveGroupTo(DWORD id, int from, int to);
    // The same for a chromatogram within its group.
    bool MoveChroTo(DWORD group, DWORD chro, int from, int to);
    // Inserts a group with no chromatograms at pos (0 to the count). An id of 0 takes a new
    // id, which id then receives; any other id must not be a group's already (so a removed
    // group can come back with its id).
    bool InsertGroup(const CGroupDataHelper& rec, DWORD& id, int pos);
    // Inserts chromatograms into a group at pos (0 to its count), all or none. An id of 0
    // takes a new id, written back into chros; other ids must be distinct and not in the
    // group already.
    bool InsertChros(DWORD group, int pos, std::vector<SChroRecord>& chros);
    // A group's chromatograms as the list keeps them (packed, 32 bytes and their texts each),
    // with texts of their own rather than borrowed from a loaded file: what an undo keeps of
    // a removed group, valid whatever the list loads later.
    bool CopyChroEntries(DWORD group, std::vector<SChroEntry>& entries) const;
    // Inserts such entries into a group at pos, all or none, under their ids: distinct, not
    // 0 and not in the group already.
    bool InsertChroEntries(DWORD group, int pos, const std::vector<SChroEntry>& entries);
    bool SetGroupState(DWORD id, bool checked);
    bool SetChromatogramState(DWORD group, DWORD chro, bool checked);
    // The selected chromatogram position remembered for each group (0 for a new group).
    bool SetChroSelection(DWORD group, int pos);
    bool GetChroSelection(DWORD group, int& pos) const;
    bool DeleteListContent();

    // Replaces the content with a list file's; on any failure the manager is left empty.
    bool Load(const char* path);
    // Exchanges the whole content, ids and id counters included, with another manager.
    void Swap(CListManager& other) noexcept;
    // The same from a list file's bytes, which are copied.
    bool LoadBytes(const char* data, size_t size);
    // Appends the bytes of the list's file to out.
    void AppendBytes(std::string& out) const;
    // Writes the list through a temporary file renamed over the target; on failure the
    // target is untouched and no temporary file is left.
    bool Save(const char* path) const;

private:
    // Parses a file's text into the list, which then keeps the text; false leaves it empty.
    bool Take(std::unique_ptr<CTextBlock> text);
    // Takes a parsed list and the text its records borrow, of which only the first
    // text->Size() bytes are kept.
    void Keep(std::vector<std::unique_ptr<SGroupEntry>> groups, std::unique_ptr<CTextBlock> text);
    SGroupEntry* FindGroup(DWORD id) const;
    static SChroEntry* FindChro(SGroupEntry& group, DWORD chro);
    // The next unused id, or false when every id has been handed out.
    bool NewId(DWORD& id);
    // Keeps the id counter above an id that came back in.
    void KeepAbove(DWORD id);
    // Rebuilds the id index and the id counter from m_groups.
    void IndexGroups();
    // The group positions no longer match m_groups (groups inserted or removed); the next
    // look-up makes them again.
    void ForgetPositions() const { m_posById.clear(); }
    // The group just appended keeps its position in the index, when there is one.
    void KeepPosition(DWORD appended);
    // Whether ids (sorted) are distinct, not 0 and new to the group.
    static bool AreNewTo(const SGroupEntry& group, const std::vector<DWORD>& sorted);

    std::vector<std::unique_ptr<SGroupEntry>> m_groups;   // in list order
    std::unique_ptr<CTextBlock> m_pLoadedText;            // the loaded file's chromatogram
                                                          // texts, which loaded records borrow
    std::unordered_map<DWORD, SGroupEntry*> m_byId;
    // Each group's position in m_groups; empty until a look-up needs it, emptied by inserts
    // and removals (which shift positions) and kept by swaps and appends.
    mutable std::unordered_map<DWORD, int> m_posById;
    std::uint64_t m_nextId = 1;   // above every id seen
};
