// Feeds arbitrary bytes to the chromatogram table reader and to the clipboard record
// decoder. Whatever the reader takes must come back field for field after the clipboard
// text writer and a second read; whatever the decoder takes must encode to the same bytes.
#include "CChroTableReader.h"
#include "CChroTableWriter.h"
#include "ChroRecordCodec.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {
bool SameFields(const CChromatogramData& a, const CChromatogramData& b)
{
    return a.m_strName == b.m_strName && a.m_nType == b.m_nType && a.m_nFunction == b.m_nFunction
           && a.m_strMass == b.m_strMass && a.m_nAnalogue == b.m_nAnalogue && a.m_bChecked == b.m_bChecked;
}

void CheckTable(std::string_view text)
{
    const STransferTable first = CChroTableReader::Read(text, {});
    std::vector<CChromatogramData> chros;
    for (const STransferRow& row : first.rows) {
        if (row.line < 1 || (row.group.empty() && first.hasGroupColumn && !row.groupOnly))
            std::abort();
        if (!row.groupOnly)
            chros.push_back(row.chro);
    }
    for (const SRefusedLine& refused : first.refused)
        if (refused.line < 1 || refused.reason.empty())
            std::abort();
    const STransferTable second = CChroTableReader::Read(CChroTableWriter::Text(chros), {});
    if (!second.refused.empty() || second.rows.size() != chros.size())
        std::abort();
    for (size_t i = 0; i < chros.size(); ++i)
        if (!SameFields(second.rows[i].chro, chros[i]))
            std::abort();
}

void CheckRecords(std::string_view bytes)
{
    std::vector<CChromatogramData> chros;
    if (!chro_codec::Decode(bytes, chros)) {
        if (!chros.empty())
            std::abort();
        return;
    }
    if (chro_codec::Encode(chros) != bytes)
        std::abort();
}
}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckTable(bytes);
    CheckRecords(bytes);
    return 0;
}
