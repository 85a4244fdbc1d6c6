#include "ChroRecordCodec.h"

#include <cstdint>

namespace {
constexpr std::string_view kMagic = "VTCHRO1";

void PutNumber(std::string& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

void PutText(std::string& out, const std::string& text)
{
    PutNumber(out, static_cast<std::uint32_t>(text.size()));
    out += text;
}

// Reads the encoding front to back; every read fails once the bytes run out.
class CCursor {
public:
    explicit CCursor(std::string_view bytes) : m_bytes(bytes) {}

    bool Number(std::uint32_t& value)
    {
        if (m_bytes.size() < 4)
            return false;
        value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(static_cast<unsigned char>(m_bytes[static_cast<size_t>(i)])) << (8 * i);
        m_bytes.remove_prefix(4);
        return true;
    }
    bool Int(int& value)
    {
        std::uint32_t raw = 0;
        if (!Number(raw))
            return false;
        value = static_cast<int>(static_cast<std::int32_t>(raw));
        return true;
    }
    bool Text(std::string& text)
    {
        std::uint32_t size = 0;
        if (!Number(size) || size > m_bytes.size())
            return false;
        text.assign(m_bytes.substr(0, size));
        m_bytes.remove_prefix(size);
        return true;
    }
    bool Skip(std::string_view expected)
    {
        if (m_bytes.substr(0, expected.size()) != expected)
            return false;
        m_bytes.remove_prefix(expected.size());
        return true;
    }
    size_t Left() const { return m_bytes.size(); }

private:
    std::string_view m_bytes;
};

bool DecodeOne(CCursor& in, CChromatogramData& chro)
{
    int checked = 0;
    if (!in.Text(chro.m_strName) || !in.Text(chro.m_strDescription) || !in.Text(chro.m_strMass)
        || !in.Text(chro.m_strExtra) || !in.Text(chro.m_strBasedOn) || !in.Int(chro.m_nType)
        || !in.Int(chro.m_nAnalogue) || !in.Int(chro.m_nFunction) || !in.Int(checked))
        return false;
    if (checked != 0 && checked != 1)
        return false;
    chro.m_bChecked = checked == 1;
    return true;
}
}   // namespace

std::string chro_codec::Encode(const std::vector<CChromatogramData>& chros)
{
    std::string out(kMagic);
    PutNumber(out, static_cast<std::uint32_t>(chros.size()));
    for (const CChromatogramData& chro : chros) {
        PutText(out, chro.m_strName);
        PutText(out, chro.m_strDescription);
        PutText(out, chro.m_strMass);
        PutText(out, chro.m_strExtra);
        PutText(out, chro.m_strBasedOn);
        PutNumber(out, static_cast<std::uint32_t>(chro.m_nType));
        PutNumber(out, static_cast<std::uint32_t>(chro.m_nAnalogue));
        PutNumber(out, static_cast<std::uint32_t>(chro.m_nFunction));
        PutNumber(out, chro.m_bChecked ? 1u : 0u);
    }
    return out;
}

bool chro_codec::Decode(std::string_view bytes, std::vector<CChromatogramData>& chros)
{
    chros.clear();
    CCursor in(bytes);
    std::uint32_t count = 0;
    // A record takes at least 36 bytes, so no count can ask for more records than fit.
    if (!in.Skip(kMagic) || !in.Number(count) || count > in.Left() / 36)
        return false;
    chros.resize(count);
    for (CChromatogramData& chro : chros) {
        if (!DecodeOne(in, chro)) {
            chros.clear();
            return false;
        }
    }
    if (in.Left() != 0) {
        chros.clear();
        return false;
    }
    return true;
}
