#pragma once

#include "CWinApp.h"
#include "Registry.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace regtest {
// Runs each test with the registry keys it names removed before and after, and with an
// application object whose profile is the tool's real registry root (reg::kTool).
class RegistryTest : public testing::Test {
protected:
    explicit RegistryTest(std::initializer_list<std::string> keys) : m_keys(keys) {}
    void SetUp() override;
    void TearDown() override;

    CWinApp m_app{"Vantrace"};

private:
    std::vector<std::string> m_keys;
};
}   // namespace regtest
