#include "e2ecups.h"

#include <gtest/gtest.h>

namespace {

class E2eCupsEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (!e2eCups().start())
            ADD_FAILURE() << "private CUPS scheduler: " << e2eCups().error().toStdString();
    }
    void TearDown() override { e2eCups().stop(); }
};

[[maybe_unused]] ::testing::Environment *const registered =
    ::testing::AddGlobalTestEnvironment(new E2eCupsEnvironment);

} // namespace

testsupport::CupsFixture &e2eCups()
{
    static testsupport::CupsFixture fixture;
    return fixture;
}
