// The chromatogram table reader and writer and the clipboard record codec: plain C++, run
// natively and under Wine. Tables of inputs, and round trips through the writers and
// through the reformatting a spreadsheet does.
#include "TestChro.h"
#include "CChroTableReader.h"
#include "CChroTableWriter.h"
#include "CDelimitedReader.h"
#include "ChroRecordCodec.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {
// One line of what a table gave: "name|type|function|mass|channel|checked|description",
// or "!line: reason" for a refused line, in line order.
std::vector<std::string> Summary(const STransferTable& table)
{
    std::vector<std::pair<int, std::string>> lines;
    for (const STransferRow& row : table.rows) {
        const CChromatogramData& c = row.chro;
        std::string text = row.group.empty() ? "" : row.group + "/";
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
         {"CO2|2|3|44.5|1|0|Function: 3, MASS: 44.5", "Total|0|2||1|1|Function: 2, TIC"}},
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
         {"!line 2: name is empty", "!line 3: type is not TIC, BPI, MASS or ANALOG",
          "!line 4: function is not a number from 0 to 512", "!line 5: function is not a number from 0 to 512",
          "!line 6: mass is empty", "!line 7: mass is not a number", "!line 8: channel is not 1, 2, 3 or 4",
          "!line 9: channel is not 1, 2, 3 or 4", "!line 10: checked is not 1 or 0",
          "!line 11: more fields than columns", "99|2|1|99|1|1|Function: 1, MASS: 99"}},
        {"quoted fields: separators, doubled quotes, a line break; the next record's line",
         "Name,Type,Mass\n\"a,\"\"b\"\"\nc\",MASS,1\nd,TIC,\n",
         {"a,\"b\"\nc|2|1|1|1|1|Function: 1, MASS: 1", "d|0|1||1|1|Function: 1, TIC"}},
        {"a quote inside an unquoted field is kept; an unclosed quote runs to the end",
         "Name,Type\nab\"c,TIC\n\"open,TIC\nx,TIC\n",
         {"ab\"c|0|1||1|1|Function: 1, TIC", "!line 3: mass is empty"}},
        {"groups: a line naming only a group keeps the group; an empty group is refused",
         "Group,Name,Type\nG1,a,TIC\nG2,,\n,b,TIC\n,,\n",
         {"G1/a|0|1||1|1|Function: 1, TIC", "G2/", "!line 4: group is empty"}},
        {"nothing at all", "\r\n\n", {}},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(Summary(CChroTableReader::Read(c.text, {})), c.expected) << c.what;
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
    EXPECT_EQ(Summary(table), (std::vector<std::string>{"short|2|1|1|1|1|Function: 1, MASS: 1",
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

TEST(TransferRoundTrip, CsvWithGroupsGivesBackTheSameList)
{
    const std::vector<SGroupRecords> groups = {
        {"First, \"quoted\"", {kAwkward[0], kAwkward[1]}},
        {"Empty", {}},
        {"Line\nbreak \xE4", {kAwkward[2], kAwkward[3], kAwkward[4], kAwkward[5]}},
    };
    const STransferTable table = CChroTableReader::Read(CChroTableWriter::Csv(groups, true), {});
    EXPECT_TRUE(table.refused.empty());
    EXPECT_TRUE(table.hasGroupColumn);
    size_t next = 0;
    for (const SGroupRecords& group : groups) {
        if (group.chros.empty()) {
            ASSERT_LT(next, table.rows.size());
            EXPECT_TRUE(table.rows[next].groupOnly);
            EXPECT_EQ(table.rows[next++].group, group.name);
        }
        for (const CChromatogramData& chro : group.chros) {
            ASSERT_LT(next, table.rows.size());
            EXPECT_EQ(table.rows[next].group, group.name);
            ExpectSameFields(table.rows[next++].chro, chro);
        }
    }
    EXPECT_EQ(next, table.rows.size());
}
