// The options store against the real registry under HKCU\Software\Fenwright\Vantrace\Options.
#include "CAppOptions.h"
#include "RegistryFixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
using reg::ReadDword;
using reg::ReadText;
using reg::ValueExists;
using reg::WriteDword;
using reg::WriteText;

const std::string kOptions = reg::Tool("Options");

class AppOptionsTest : public regtest::RegistryTest {
protected:
    AppOptionsTest() : RegistryTest({kOptions}) {}

    // The store as start-up makes it: created, then its entries declared.
    static std::unique_ptr<CAppOptions> MakeOptions()
    {
        auto options = std::make_unique<CAppOptions>();
        options->DefineEntries();
        return options;
    }
};

TEST_F(AppOptionsTest, FreshRegistryGivesDefaultsAndEachSetWritesItsOwnValue)
{
    auto options = MakeOptions();
    bool visible = true, mini = true, automate = true;
    int group = -5, chromatogram = -5;
    EXPECT_FALSE(options->GetVisible(&visible));
    EXPECT_FALSE(options->GetMini(&mini));
    EXPECT_FALSE(options->GetAutomate(&automate));
    EXPECT_EQ(options->GetGroup(&group), 0);
    EXPECT_EQ(options->GetChromatogram(&chromatogram), 0);
    EXPECT_FALSE(visible);
    EXPECT_FALSE(mini);
    EXPECT_FALSE(automate);
    EXPECT_EQ(group, 0);
    EXPECT_EQ(chromatogram, 0);
    // Getters accept no variable too.
    EXPECT_FALSE(options->GetVisible(nullptr));

    EXPECT_FALSE(reg::KeyExists(kOptions)) << "reads must not write";
    options->SetGroup(4);
    options->SetChromatogram(2);
    options->SetMini(true);
    EXPECT_EQ(ReadDword(kOptions, "Groupi"), 4u);
    EXPECT_EQ(ReadDword(kOptions, "Chromatogrami"), 2u);
    EXPECT_EQ(ReadDword(kOptions, "Minii"), 1u);
    EXPECT_EQ(reg::ValueCount(kOptions), 6u);

    options.reset();
    // Every entry used gets its number and its (empty) text.
    EXPECT_EQ(ReadDword(kOptions, "Visiblei"), 0u);
    EXPECT_EQ(ReadDword(kOptions, "Minii"), 1u);
    EXPECT_EQ(ReadDword(kOptions, "Automatei"), 0u);
    EXPECT_EQ(ReadDword(kOptions, "Groupi"), 4u);
    EXPECT_EQ(ReadDword(kOptions, "Chromatogrami"), 2u);
    for (const char* text : {"Visibles", "Minis", "Automates", "Groups", "Chromatograms"})
        EXPECT_EQ(ReadText(kOptions, text), "") << text;
    EXPECT_FALSE(ValueExists(kOptions, "Mini")) << "value names carry the i or s suffix";
    EXPECT_EQ(reg::ValueCount(kOptions), 10u);
}

TEST_F(AppOptionsTest, ASetWritesOnlyWhenTheValueChangesAndImmediateOnesWriteEveryUsedOption)
{
    ASSERT_TRUE(WriteDword(kOptions, "Minii", 0));
    ASSERT_TRUE(WriteDword(kOptions, "Groupi", 0));

    auto options = MakeOptions();
    options->SetMini(true);
    options->SetGroup(9);
    EXPECT_EQ(ReadDword(kOptions, "Minii"), 1u);
    EXPECT_EQ(ReadDword(kOptions, "Groupi"), 9u);

    // The same value again writes nothing: the value written behind the store's back stays.
    ASSERT_TRUE(WriteDword(kOptions, "Groupi", 5));
    options->SetGroup(9);
    EXPECT_EQ(ReadDword(kOptions, "Groupi"), 5u);
    options->SetAutomate(true);
    EXPECT_EQ(ReadDword(kOptions, "Automatei"), 1u);
    EXPECT_EQ(ReadDword(kOptions, "Groupi"), 9u);
    EXPECT_EQ(ReadDword(kOptions, "Minii"), 1u);
}

TEST_F(AppOptionsTest, StoredValuesAreReadOnceAndUnusedOptionsAreLeftAlone)
{
    ASSERT_TRUE(WriteDword(kOptions, "Visiblei", 1));
    ASSERT_TRUE(WriteText(kOptions, "Visibles", "kept text"));
    ASSERT_TRUE(WriteDword(kOptions, "Groupi", 7));
    ASSERT_TRUE(WriteText(kOptions, "Groups", "group text"));
    ASSERT_TRUE(WriteDword(kOptions, "Automatei", 5));   // any non-zero number is on

    auto options = MakeOptions();
    bool visible = false;
    EXPECT_TRUE(options->GetVisible(&visible));
    EXPECT_TRUE(visible);
    EXPECT_TRUE(options->GetAutomate(nullptr));
    EXPECT_EQ(options->GetInt(CAppOptions::OPTION_AUTOMATE), 5);

    // Read at most once per run: a later change in the registry is not seen.
    ASSERT_TRUE(WriteDword(kOptions, "Visiblei", 0));
    EXPECT_TRUE(options->GetVisible(nullptr));

    // Group is never touched; someone else changes it meanwhile.
    ASSERT_TRUE(WriteDword(kOptions, "Groupi", 8));
    options.reset();

    EXPECT_EQ(ReadDword(kOptions, "Visiblei"), 1u) << "the cached value is written back";
    EXPECT_EQ(ReadText(kOptions, "Visibles"), "kept text") << "the text read is written back";
    EXPECT_EQ(ReadDword(kOptions, "Automatei"), 5u);
    EXPECT_EQ(ReadDword(kOptions, "Groupi"), 8u);
    EXPECT_EQ(ReadText(kOptions, "Groups"), "group text");
    EXPECT_FALSE(ValueExists(kOptions, "Minii"));
    EXPECT_FALSE(ValueExists(kOptions, "Chromatogrami"));
}

TEST_F(AppOptionsTest, SetOnlyEntryKeepsItsTextAndBooleansAreStoredAsZeroOrOne)
{
    ASSERT_TRUE(WriteDword(kOptions, "Chromatogrami", 6));
    ASSERT_TRUE(WriteText(kOptions, "Chromatograms", "old"));
    {
        auto options = MakeOptions();
        options->SetChromatogram(11);   // never read: the text stays empty
        options->SetBool(CAppOptions::OPTION_MINI, true);
        EXPECT_EQ(options->GetChromatogram(nullptr), 11);
    }
    EXPECT_EQ(ReadDword(kOptions, "Chromatogrami"), 11u);
    EXPECT_EQ(ReadText(kOptions, "Chromatograms"), "");
    EXPECT_EQ(ReadDword(kOptions, "Minii"), 1u);
}

TEST_F(AppOptionsTest, UndeclaredIdsAreStoredUnderTheirDecimalNumber)
{
    {
        auto options = MakeOptions();
        EXPECT_EQ(options->GetInt(777), 0);
        options->SetInt(-12, 42);
        EXPECT_EQ(options->ValueName(777), "777");
        EXPECT_EQ(options->ValueName(CAppOptions::OPTION_CHROMATOGRAM), "Chromatogram");
    }
    EXPECT_EQ(ReadDword(kOptions, "777i"), 0u);
    EXPECT_EQ(ReadText(kOptions, "777s"), "");
    EXPECT_EQ(ReadDword(kOptions, "-12i"), 42u);
    EXPECT_EQ(ReadText(kOptions, "-12s"), "");

    // Before DefineEntries every id is undeclared, the options included.
    ASSERT_TRUE(WriteDword(kOptions, "400i", 1));
    {
        CAppOptions undeclared;
        EXPECT_TRUE(undeclared.GetVisible(nullptr));
        undeclared.SetMini(true);
    }
    EXPECT_EQ(ReadDword(kOptions, "100i"), 1u);
    EXPECT_FALSE(ValueExists(kOptions, "Visiblei"));
    EXPECT_FALSE(ValueExists(kOptions, "Minii"));
}

TEST_F(AppOptionsTest, DamagedValuesGiveTheDefaultAndAreRepairedOnWrite)
{
    ASSERT_TRUE(WriteText(kOptions, "Visiblei", "1"));   // text where a number belongs
    ASSERT_TRUE(WriteText(kOptions, "Groupi", "12"));
    ASSERT_TRUE(WriteDword(kOptions, "Groups", 12));                           // number where a text belongs
    ASSERT_TRUE(WriteText(kOptions, "Automates", std::string(200000, 'x')));   // absurdly long text
    ASSERT_TRUE(WriteDword(kOptions, "Automatei", 1));
    ASSERT_TRUE(
        WriteText(kOptions, "Minis", std::string(CSettingsStore::kMaxTextLength, 'm')));   // long but acceptable

    {
        auto options = MakeOptions();
        EXPECT_FALSE(options->GetVisible(nullptr));
        EXPECT_EQ(options->GetGroup(nullptr), 0);
        EXPECT_TRUE(options->GetAutomate(nullptr)) << "the number beside a damaged text is still read";
        EXPECT_FALSE(options->GetMini(nullptr));
    }
    EXPECT_EQ(ReadDword(kOptions, "Visiblei"), 0u);
    EXPECT_EQ(ReadDword(kOptions, "Groupi"), 0u);
    EXPECT_EQ(ReadText(kOptions, "Groups"), "");
    EXPECT_EQ(ReadText(kOptions, "Automates"), "");
    EXPECT_EQ(ReadText(kOptions, "Minis"), std::string(CSettingsStore::kMaxTextLength, 'm'));
}

TEST(AppOptionsNoApplicationTest, WithoutAnApplicationObjectDefaultsAreGivenAndNothingIsWritten)
{
    ASSERT_EQ(AfxGetApp(), nullptr);
    CAppOptions options;
    options.DefineEntries();
    options.SetAutomate(true);
    EXPECT_TRUE(options.GetAutomate(nullptr));
    EXPECT_EQ(options.GetGroup(nullptr), 0);
    EXPECT_EQ(options.ReadString("Groups", "dflt"), "dflt");
    EXPECT_FALSE(options.WriteInt("Groupi", 1));
}
}   // namespace
