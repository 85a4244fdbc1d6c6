#include "RegistryFixture.h"

namespace regtest {
void RegistryTest::SetUp()
{
    m_app.SetRegistryKey("Fenwright");
    for (const std::string& key : m_keys)
        reg::Remove(key);
}

void RegistryTest::TearDown()
{
    for (const std::string& key : m_keys)
        reg::Remove(key);
}
}   // namespace regtest
