#pragma once

#include "CListManager.h"

#include <variant>
#include <vector>

// Where the two lists stand: the selected group's id (0: none) and the selected
// chromatogram row (-1: none).
struct SListSelection {
    DWORD group = 0;
    int chroRow = -1;
};

// What a step changed, as the lists showing the list see it. A step that inserts or removes
// groups, or makes a change the rows cannot follow, has both lists built again; any other
// names the groups whose rows show another record or place, and the chromatogram rows it
// inserted, removed or changed, in the order the step made them.
struct SEditReach {
    // A run of count chromatograms inserted at pos (count > 0) or removed from pos
    // (count < 0), or (count 0) one chromatogram, chro, whose row shows another record or
    // place.
    struct SChroRows {
        DWORD group = 0;
        DWORD chro = 0;
        int pos = 0;
        int count = 0;
    };
    bool rebuild = false;
    std::vector<DWORD> groupRows;
    std::vector<SChroRows> chroRows;
};

// One undoable change of the list, as a value: the records before and after, with their ids
// and positions, and the selection of both lists before and after. Applied forward it makes
// the change; applied backward it undoes it through the list manager's own operations, so
// every id comes back as it was.
class CEditStep {
public:
    // A group with its chromatograms inserted at, or removed from, a position. An id of 0
    // (the group's or a chromatogram's) takes a new id when first inserted and keeps it. A
    // removed group keeps its chromatograms as the list keeps them (kept, after chros).
    struct SGroupChange {
        bool insert = true;
        DWORD id = 0;
        int pos = 0;
        int chroSelection = 0;
        CGroupDataHelper rec;
        std::vector<SChroRecord> chros;
        std::vector<SChroEntry> kept;
    };
    // A run of chromatograms inserted at, or removed from, a position of one group.
    struct SChroChange {
        bool insert = true;
        DWORD group = 0;
        int pos = 0;
        std::vector<SChroRecord> chros;
    };
    struct SGroupEdit {
        DWORD id = 0;
        CGroupDataHelper before, after;
    };
    struct SChroEdit {
        DWORD group = 0, chro = 0;
        CChromatogramData before, after;
    };
    struct SGroupCheck {
        DWORD id = 0;
        bool before = false, after = false;
    };
    struct SChroCheck {
        DWORD group = 0, chro = 0;
        bool before = false, after = false;
    };
    // Two neighbours changing places; the same swap undoes it.
    struct SGroupSwap {
        DWORD id = 0, neighbour = 0;
    };
    struct SChroSwap {
        DWORD group = 0, chro = 0, neighbour = 0;
    };
    // A row dragged from one position to another, the rows between closing up; undone by
    // the move back.
    struct SGroupMove {
        DWORD id = 0;
        int from = 0, to = 0;
    };
    struct SChroMove {
        DWORD group = 0, chro = 0;
        int from = 0, to = 0;
    };
    using Change = std::variant<SGroupChange, SChroChange, SGroupEdit, SChroEdit, SGroupCheck, SChroCheck, SGroupSwap,
                                SChroSwap, SGroupMove, SChroMove>;

    // nameId: the string naming the step in "Undo <name>".
    explicit CEditStep(UINT nameId = 0) : m_nNameId(nameId) {}

    UINT NameId() const { return m_nNameId; }
    // Adds a change; an edit or check that changes nothing is left out.
    void Add(Change change);
    // The removal of a group, read from the list with its chromatograms; false when the list
    // does not know the group.
    bool AddGroupRemoval(const CListManager& list, DWORD id);
    // The removal of one chromatogram at row pos; false when the list does not know it.
    bool AddChroRemoval(const CListManager& list, DWORD group, DWORD chro, int pos);
    bool IsEmpty() const { return m_changes.empty(); }
    // What the step changed when applied forward or backward.
    SEditReach Reach(bool forward) const;

    // Makes the change (forward) or undoes it (backward). All or nothing: when the list
    // refuses a change, those already made are taken back and the result is false.
    bool Apply(CListManager& list, bool forward);

    // The id of the first group the step inserted (after it was applied), or 0.
    DWORD InsertedGroup() const;

    SListSelection m_before;
    SListSelection m_after;
    bool m_bSelectInsertedGroup = false;   // m_after selects the group the step inserts
    unsigned long long m_nSerial = 0;      // given by the history: names the state after the step

private:
    static bool ApplyChange(CListManager& list, Change& change, bool forward);

    UINT m_nNameId;
    std::vector<Change> m_changes;
};
