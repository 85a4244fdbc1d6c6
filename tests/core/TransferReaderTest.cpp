// The chromatogram table reader and writer and the clipboard record codec: plain C++, run
// natively and under Wine. Tables of inputs, and round trips through the writers and
// through the reformatting a spreadsheet does.
#include "TestChro.h"
#include "FileBytes.h"
#include "CChroTableReader.h"
#include "CChroTableWriter.h"
#include "CDelimitedReader.h"
#include "ChroRecordCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include <string>
#include <vector>

namespace {
// One line of what a table gave: "name|type|function|mass|channel|checked|description",
// or "!line: reason" for a refused line, in line order.
std::vector<std::string> Summary(const STransferTable& table)
{
    std::vector<std::pair<int, std::string>> lines;
    std::string columns = "columns:";
    for (const std::string& column : table.columns)
        columns += " " + column;
    for (const std::string& ignored : table.ignored)
        columns += " -" + ignored;
    if (!table.columns.empty())
        lines.emplace_back(0, columns);
    for (const STransferRow& row : table.rows) {
        const CChromatogramData& c = row.chro;
        std::string text = row.group.empty() ? "" : row.group + "#" + std::to_string(row.groupIndex) + "/";
        if (!row.groupOnly)
            text += c.m_strName + "|" + std::to_string(c.m_nType) + "|" + std::to_string(c.m_nFunction) + "|"
                    + c.m_strMass + "|" + std::to_string(c.m_nAnalogue) + "|" + (c.m_bChecked ? "1" : "0") + "|"
                    + c.m_strDescription;
        lines.emplace_back(row.line, text);
    }
    for (const SRefusedLine& refused : table.refused)
        lines.emplace_back(refused.line, "!" + RefusalText(refused));
    std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> out;
    for (auto& line : lines)
        out.push_back(line.second);
    return out;
}

struct SCase {
    const char* what;
    std::string text;
    std::vector<std::string> expected;
};

// A case without a text reads the file of samples/ that its what names.
std::string Sample(const std::string& name)
{
    return ReadBytes(std::string(VT_SAMPLES) + "/" + name);
}

void ExpectSameFields(const CChromatogramData& a, const CChromatogramData& b)
{
    EXPECT_EQ(a.m_strName, b.m_strName);
    EXPECT_EQ(a.m_nType, b.m_nType);
    EXPECT_EQ(a.m_nFunction, b.m_nFunction);
    EXPECT_EQ(a.m_strMass, b.m_strMass);
    EXPECT_EQ(a.m_nAnalogue, b.m_nAnalogue);
    EXPECT_EQ(a.m_bChecked, b.m_bChecked);
}

// Texts a table must carry unchanged: quotes, every separator, line breaks, and bytes of a
// code page's upper half.
const std::vector<CChromatogramData> kAwkward = {
    Chro("Caffeine \"main\"", 2, 1, "195.09", 1, true),
    Chro("a,b;c\td", 0, 12, "", 1, false),
    Chro("two\r\nlines\nand\rmore", 1, 512, "", 1, true),
    Chro("\xE9t\xE9 \xB5g \xFF", 3, 2, "", 4, false),
    Chro("\"", 2, 0, "0.5", 3, true),
    Chro(" padded ", 2, 1, ".25", 1, true),
};
}   // namespace

TEST(TransferReader, TablesOfInputs)
{
    const std::vector<SCase> cases = {
        {"mass list, any line ends, blank lines skipped",
         "128.1\r\n\r\n 200 \n.5\r",
         {"128.1|2|1|128.1|1|1|Function: 1, MASS: 128.1", "200|2|1|200|1|1|Function: 1, MASS: 200",
          ".5|2|1|.5|1|1|Function: 1, MASS: .5"}},
        {"mass list refuses what is not a number, by line",
         "128.1\n12x\n1.2.3\n\n.\n",
         {"128.1|2|1|128.1|1|1|Function: 1, MASS: 128.1", "!line 2: mass is not a number",
          "!line 3: mass is not a number", "!line 5: mass is not a number"}},
        {"header in another order and letter case, semicolons, unknown column ignored",
         "\xEF\xBB\xBF"
         "checked;MASS;Comment;name;TYPE;Function\n0;44.5;x;CO2;mass;3\n1;;y;Total;tic;2\n",
         {"columns: checked mass name type function -Comment", "CO2|2|3|44.5|1|0|Function: 3, MASS: 44.5", "Total|0|2||1|1|Function: 2, TIC"}},
        {"no header: the clipboard's column order; types as the dialog names them",
         "A,Analogue,1,,4,1\nB,bpi,007,,,x\nC,Mass/Channel,1,12,,no\n",
         {"A|3|1||4|1|ANALOG4", "B|1|7||1|1|Function: 007, BPI", "C|2|1|12|1|0|Function: 1, MASS: 12"}},
        {"the dialog's rules, one reason a line",
         "Name\tType\tFunction\tMass\tChannel\tChecked\n"
         "\tTIC\t1\t\t\t\n"
         "X\tXIC\t1\t\t\t\n"
         "X\tTIC\t513\t\t\t\n"
         "X\tTIC\t-1\t\t\t\n"
         "X\tMASS\t1\t\t\t\n"
         "X\tMASS\t1\t1e5\t\t\n"
         "X\tANALOG\t1\t\t5\t\n"
         "X\tANALOG\t1\t\t0\t\n"
         "X\tTIC\t1\t\t\tmaybe\n"
         "X\tTIC\t1\t\t\t1\textra\n"
         "\tMASS\t\t99\t\t\n",
         {"columns: name type function mass channel checked", "!line 2: name is empty", "!line 3: type is not TIC, BPI, MASS or ANALOG",
          "!line 4: function is not a number from 0 to 512", "!line 5: function is not a number from 0 to 512",
          "!line 6: mass is empty", "!line 7: mass is not a number", "!line 8: channel is not 1, 2, 3 or 4",
          "!line 9: channel is not 1, 2, 3 or 4", "!line 10: checked is not 1 or 0",
          "!line 11: more fields than columns", "99|2|1|99|1|1|Function: 1, MASS: 99"}},
        {"quoted fields: separators, doubled quotes, a line break; the next record's line",
         "Name,Type,Mass\n\"a,\"\"b\"\"\nc\",MASS,1\nd,TIC,\n",
         {"columns: name type mass", "a,\"b\"\nc|2|1|1|1|1|Function: 1, MASS: 1", "d|0|1||1|1|Function: 1, TIC"}},
        {"a quote inside an unquoted field is kept; an unclosed quote runs to the end",
         "Name,Type\nab\"c,TIC\n\"open,TIC\nx,TIC\n",
         {"columns: name type", "ab\"c|0|1||1|1|Function: 1, TIC", "!line 3: mass is empty"}},
        {"groups: a line naming only a group keeps the group; an empty group is refused",
         "Group,Name,Type\nG1,a,TIC\nG2,,\n,b,TIC\n,,\n",
         {"columns: group name type", "G1#0/a|0|1||1|1|Function: 1, TIC", "G2#1/", "!line 4: group is empty"}},
        {"nothing at all", "\r\n\n", {}},
        {"a first line is data when it reads as data: a type word in the Type position, chromatograms named Mass, Name",
         "Mass\tMASS\t2\t195.09\t1\t0\nName\tBPI\n",
         {"Mass|2|2|195.09|1|0|Function: 2, MASS: 195.09", "Name|1|1||1|1|Function: 1, BPI"}},
        {"a header that would read as a refused data line", "Name,Mass\nCaffeine,195.09\n",
         {"columns: name mass", "Caffeine|2|1|195.09|1|1|Function: 1, MASS: 195.09"}},
        {"the header decides the width: a Notes column after the known ones is ignored",
         "Name\tType\tFunction\tMass\tChannel\tChecked\tNotes\nA\tMASS\t1\t12\t1\t1\tnote\nB\tTIC\t1\t\t\t1\tn\tx\n",
         {"columns: name type function mass channel checked -Notes", "A|2|1|12|1|1|Function: 1, MASS: 12",
          "!line 3: more fields than columns"}},
        {"Group Number keeps groups of one name apart", "Group,Group Number,Name,Type\nG,1,a,TIC\nG,2,b,TIC\nG,1,c,TIC\nH,,,\n",
         {"columns: group group number name type", "G#0/a|0|1||1|1|Function: 1, TIC", "G#1/b|0|1||1|1|Function: 1, TIC",
          "G#0/c|0|1||1|1|Function: 1, TIC", "H#2/"}},
        {"formulas: the m/z of formula and adduct (or charge, else [M+H]+) when the mass is empty, a given mass kept",
         "Name,Formula,Adduct,Charge,Mass\n,C8H10N4O2,,,\nGlc,C6H12O6,[M+Cl]-,,\n,C50H73N15O11,,2,\nKept,C6H12O6,,,100\n"
         "X,C6H12O6,,two,\nY,Xq2,,,\nZ,C6H12O6,[M+Foo]+,,\n",
         {"columns: name formula adduct charge mass", "C8H10N4O2 [M+H]+|2|1|195.0877|1|1|Function: 1, MASS: 195.0877",
          "Glc|2|1|215.0328|1|1|Function: 1, MASS: 215.0328",
          "C50H73N15O11 [M+2H]2+|2|1|530.7880|1|1|Function: 1, MASS: 530.7880",
          "Kept|2|1|100|1|1|Function: 1, MASS: 100", "!line 6: charge is not a number", "!line 7: formula is not understood at character 1: unknown element Xq",
          "!line 8: adduct is not understood at character 4: unknown name Foo"}},
        {"a single column mixes masses and formulas with adducts", "609.3\nC6H12O6 [M-H]-\nC5H14NO+\nC6H12O6 [M+Q]-\n",
         {"609.3|2|1|609.3|1|1|Function: 1, MASS: 609.3", "C6H12O6 [M-H]-|2|1|179.0561|1|1|Function: 1, MASS: 179.0561",
          "C5H14NO+ [M]+|2|1|104.1070|1|1|Function: 1, MASS: 104.1070", "!line 4: adduct is not understood at character 12: unknown name Q"}},
        {"transition-list.csv", "",
         {"columns: group name formula adduct mass -Product m/z -Collision Energy",
          "Xanthines#0/Caffeine|2|1|195.0877|1|1|Function: 1, MASS: 195.0877",
          "Xanthines#0/Theophylline|2|1|181.0720|1|1|Function: 1, MASS: 181.0720",
          "Sugars#1/Glucose|2|1|179.0561|1|1|Function: 1, MASS: 179.0561"}},
        {"compounds.tsv", "",
         {"columns: name formula charge -RT [min]", "Caffeine|2|1|195.0877|1|1|Function: 1, MASS: 195.0877",
          "Bradykinin|2|1|530.7880|1|1|Function: 1, MASS: 530.7880",
          "Glucose|2|1|179.0561|1|1|Function: 1, MASS: 179.0561",
          "C12H14N4O4S [M+H]+|2|1|311.0809|1|1|Function: 1, MASS: 311.0809"}},
        {"library.txt", "",
         {"columns: name mass adduct", "Caffeine|2|1|217.0696|1|1|Function: 1, MASS: 217.0696",
          "Sulfadimethoxine|2|1|311.0809|1|1|Function: 1, MASS: 311.0809",
          "Choline|2|1|104.1070|1|1|Function: 1, MASS: 104.1070"}},
        {"targeted-features.csv", "",
         {"columns: mass name -rt", "Caffeine|2|1|195.0877|1|1|Function: 1, MASS: 195.0877",
          "Theobromine|2|1|181.0720|1|1|Function: 1, MASS: 181.0720",
          "Trigonelline|2|1|138.0550|1|1|Function: 1, MASS: 138.0550"}},
        {"decimal-comma.csv", "",
         {"columns: name mass -RT -Notes", "Reserpine|2|1|609.2807|1|1|Function: 1, MASS: 609.2807",
          "Caffeine|2|1|195.0877|1|1|Function: 1, MASS: 195.0877"}},
        {"unicode-text.txt", "",
         {"columns: name mass -RT", "Caf\xC3\xA9ine|2|1|195.0877|1|1|Function: 1, MASS: 195.0877",
          "Reserpine|2|1|609.2807|1|1|Function: 1, MASS: 609.2807"}},
    };
    for (const SCase& c : cases) {
        const std::string text = c.text.empty() ? Sample(c.what) : c.text;
        EXPECT_EQ(Summary(CChroTableReader::Read(text, {})), c.expected) << c.what;
    }
    std::string bigEndian = Sample("unicode-text.txt");
    for (size_t i = 0; i + 1 < bigEndian.size(); i += 2)
        std::swap(bigEndian[i], bigEndian[i + 1]);
    EXPECT_EQ(Summary(CChroTableReader::Read(bigEndian, {})), cases.back().expected);
}

TEST(TransferReader, RulesOfTheToolAroundIt)
{
    STransferRules rules;
    rules.toCodePage = [](const std::string& text, std::string& narrow) {
        narrow = text;
        return text.find('\xCE') == std::string::npos;   // a character the code page lacks
    };
    rules.nameFits = [](const std::string& name) { return name.size() <= 5; };
    const STransferTable table = CChroTableReader::Read("Name,Mass\nshort,1\ntoo long,2\nok,\xCE\xA9\n", rules);
    EXPECT_EQ(Summary(table), (std::vector<std::string>{"columns: name mass", "short|2|1|1|1|1|Function: 1, MASS: 1",
                                                        "!line 3: name is longer than the name box holds",
                                                        "!line 4: mass has characters the code page cannot hold"}));
}

TEST(TransferReader, SeparatorDetection)
{
    EXPECT_EQ(CDelimitedReader::DetectSeparator("a,b;c\td"), '\t');
    EXPECT_EQ(CDelimitedReader::DetectSeparator("\n\na;b;c,d\n1\t2"), ';');
    EXPECT_EQ(CDelimitedReader::DetectSeparator("\"a;b;c\",d"), ',');
    EXPECT_EQ(CDelimitedReader::DetectSeparator("128.1"), '\t');
}

TEST(TransferRoundTrip, OwnFormatKeepsEveryField)
{
    std::vector<CChromatogramData> chros = kAwkward;
    chros[0].m_strExtra = std::string("x\0y", 3);
    chros[1].m_strBasedOn = "source";
    chros[2].m_strDescription = "free text";
    chros[3].m_nType = -7;
    std::vector<CChromatogramData> back;
    const std::string bytes = chro_codec::Encode(chros);
    ASSERT_TRUE(chro_codec::Decode(bytes, back));
    ASSERT_EQ(back.size(), chros.size());
    for (size_t i = 0; i < chros.size(); ++i) {
        ExpectSameFields(back[i], chros[i]);
        EXPECT_EQ(back[i].m_strExtra, chros[i].m_strExtra);
        EXPECT_EQ(back[i].m_strBasedOn, chros[i].m_strBasedOn);
        EXPECT_EQ(back[i].m_strDescription, chros[i].m_strDescription);
    }
    // Every cut of the bytes, and a byte too many, is refused and leaves nothing.
    for (size_t size = 0; size < bytes.size(); ++size)
        EXPECT_FALSE(chro_codec::Decode(bytes.substr(0, size), back) || !back.empty()) << size;
    EXPECT_FALSE(chro_codec::Decode(bytes + "x", back));
}

TEST(TransferRoundTrip, TextThroughSpreadsheetReformatting)
{
    // What a spreadsheet may do to a pasted table before it is copied back: quote every
    // field, change the separator, reorder the columns.
    const std::string text = CChroTableWriter::Text(kAwkward);
    const std::vector<SDelimitedRow> cells = CDelimitedReader::Read(text);
    const std::vector<size_t> order = {5, 3, 0, 4, 2, 1};
    for (const char separator : {'\t', ',', ';'}) {
        std::string reformatted;
        for (const SDelimitedRow& row : cells) {
            for (size_t i = 0; i < order.size(); ++i) {
                std::string field = row.fields[order[i]];
                for (size_t at = field.find('"'); at != std::string::npos; at = field.find('"', at + 2))
                    field.insert(at, 1, '"');
                reformatted += (i ? std::string(1, separator) : "") + "\"" + field + "\"";
            }
            reformatted += "\n";
        }
        const STransferTable table = CChroTableReader::Read(reformatted, {});
        EXPECT_TRUE(table.refused.empty()) << separator;
        ASSERT_EQ(table.rows.size(), kAwkward.size()) << separator;
        for (size_t i = 0; i < kAwkward.size(); ++i)
            ExpectSameFields(table.rows[i].chro, kAwkward[i]);
    }
}

// A whole list written as CSV and read back as an import into a new list makes it: random
// lists of awkward texts (same-named and empty groups), from fixed seeds.
TEST(TransferRoundTrip, WholeListCsvGivesBackTheSameList)
{
    const std::string letters = "ab ,;\t\"\r\n\xE9\xFF'x";
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 random(seed);
        auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        auto text = [&](int most) {
            std::string out = "n";   // never blank
            for (int i = pick(most + 1); i > 0; --i)
                out.insert(out.begin() + pick(static_cast<int>(out.size()) + 1), letters[pick(letters.size())]);
            return out;
        };
        const std::string shared[] = {"Same", "Same", text(6)};
        std::vector<SGroupRecords> groups(pick(6));
        for (SGroupRecords& group : groups) {
            group.name = pick(2) ? shared[pick(3)] : text(8);
            group.comment = pick(2) ? text(8) : "";
            group.rangeMode = pick(3);
            group.range = group.rangeMode == 2 ? std::to_string(pick(100)) + ":" + std::to_string(100 + pick(100)) : "";
            for (int i = pick(4); i > 0; --i) {
                const int type = pick(4);
                group.chros.push_back(Chro(text(8), type, pick(513), type == 2 ? std::to_string(pick(2000)) + ".5" : "",
                                           1 + pick(4), pick(2) != 0));
            }
        }
        const STransferTable table = CChroTableReader::Read(CChroTableWriter::Csv(groups, true), {});
        EXPECT_TRUE(table.refused.empty()) << seed;
        ASSERT_EQ(table.groups.size(), groups.size()) << seed;
        std::vector<SGroupRecords> read;
        for (const STableGroup& group : table.groups)
            read.push_back({group.name, {}, group.comment, group.rangeMode, group.range});
        for (const STransferRow& row : table.rows)
            if (!row.groupOnly)
                read[static_cast<size_t>(row.groupIndex)].chros.push_back(row.chro);
        for (size_t g = 0; g < groups.size(); ++g)
            EXPECT_EQ(std::tie(read[g].name, read[g].comment, read[g].rangeMode, read[g].range),
                      std::tie(groups[g].name, groups[g].comment, groups[g].rangeMode, groups[g].range)) << seed;
        EXPECT_EQ(CChroTableWriter::Csv(read, true), CChroTableWriter::Csv(groups, true)) << seed;
    }
}
