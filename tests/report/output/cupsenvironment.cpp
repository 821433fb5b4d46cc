#include "cupsenvironment.h"

#include <gtest/gtest.h>

namespace {

class CupsEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (!privateCups().start())
            ADD_FAILURE() << "private CUPS scheduler: " << privateCups().error().toStdString();
    }
    void TearDown() override { privateCups().stop(); }
};

[[maybe_unused]] ::testing::Environment *const registered = ::testing::AddGlobalTestEnvironment(new CupsEnvironment);

} // namespace

testsupport::CupsFixture &privateCups()
{
    static testsupport::CupsFixture fixture;
    return fixture;
}
