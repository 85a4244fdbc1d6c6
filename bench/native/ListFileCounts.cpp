// Counts what the list file reader and writer cost on a 10,000 x 20 list, natively and
// repeatably: run under callgrind by bench/native/run, which prints the instructions of one
// parse and of one write; this program prints the heap calls and bytes of each, and how many
// bytes of the file's text the parsed list keeps.
#include "CListFileReader.h"
#include "CListFileWriter.h"

#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

namespace {
size_t g_allocations = 0;
size_t g_bytes = 0;

// The same texts as the Windows benchmarks' list (bench/CListFixture.cpp).
void Fill(std::vector<std::unique_ptr<SGroupEntry>>& groups, int groupCount, int chromatograms)
{
    static const char* const kinds[] = {"Total ion current", "Base peak", "Mass trace", "Analogue channel"};
    DWORD id = 1;
    char text[64];
    for (int g = 0; g < groupCount; ++g) {
        auto group = std::make_unique<SGroupEntry>();
        group->id = id++;
        std::snprintf(text, sizeof text, "Group %05d", g);
        group->data.m_strName = text;
        std::snprintf(text, sizeof text, "Batch %d, daily check samples", g);
        group->data.m_strComment = text;
        group->data.m_strRange = "1.50:12.25";
        group->data.m_nRangeMode = 2;
        group->data.m_bChecked = g == 0;
        for (int n = 0; n < chromatograms; ++n) {
            CChromatogramData rec;
            rec.m_nType = n % 4;
            rec.m_nFunction = 1 + n % 3;
            rec.m_nAnalogue = 1 + n % 4;
            rec.m_strMass = rec.m_nType == 2 ? "556.3" : "";
            std::snprintf(text, sizeof text, "Trace %d", n + 1);
            rec.m_strName = text;
            std::snprintf(text, sizeof text, "%s of function %d", kinds[rec.m_nType], rec.m_nFunction);
            rec.m_strDescription = text;
            group->chros.push_back(SChroEntry{CPackedChromatogram(rec), id++});
        }
        groups.push_back(std::move(group));
    }
}
}   // namespace

void* operator new(size_t size)
{
    ++g_allocations;
    g_bytes += size;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, size_t) noexcept
{
    std::free(p);
}

int main()
{
    std::vector<std::unique_ptr<SGroupEntry>> made;
    Fill(made, 10000, 20);
    std::string file;
    CListFileWriter::Write(made, file);
    made.clear();

    std::string bytes = file;
    std::vector<std::unique_ptr<SGroupEntry>> groups;
    size_t allocations = g_allocations, heapBytes = g_bytes;
    size_t kept = 0;
    CALLGRIND_TOGGLE_COLLECT;
    const bool parsed = CListFileReader::Parse(bytes.data(), bytes.size(), groups, kept);
    CALLGRIND_TOGGLE_COLLECT;
    CALLGRIND_DUMP_STATS_AT("parse");
    std::printf("parse: %s, %zu heap calls, %.1f MiB from the heap, %zu bytes of %zu bytes of text kept\n",
                parsed ? "ok" : "FAILED", g_allocations - allocations, double(g_bytes - heapBytes) / 1048576.0, kept,
                file.size());

    std::string written;
    written.reserve(file.size());
    allocations = g_allocations;
    heapBytes = g_bytes;
    CALLGRIND_TOGGLE_COLLECT;
    CListFileWriter::Write(groups, written);
    CALLGRIND_TOGGLE_COLLECT;
    CALLGRIND_DUMP_STATS_AT("write");
    std::printf("write: %s, %zu heap calls, %.1f MiB from the heap\n", written == file ? "same bytes" : "DIFFERENT",
                g_allocations - allocations, double(g_bytes - heapBytes) / 1048576.0);
    return parsed && written == file ? 0 : 1;
}
