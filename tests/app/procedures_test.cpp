#include <gtest/gtest.h>

#include <QStringList>

#include "app/procedures.h"

namespace {

TEST(ProceduresTest, StartsWhatIsRegisteredUnderItsName) {
    QStringList started;
    registerProcedure("TestOne", [&started] { started << "one"; });
    registerProcedure("TestTwo", [&started] { started << "two"; });
    EXPECT_TRUE(isProcedureRegistered("TestOne"));
    EXPECT_TRUE(startProcedure("TestTwo"));
    EXPECT_TRUE(startProcedure("TestTwo"));  // a further instance each time
    EXPECT_FALSE(startProcedure("TestNone"));
    EXPECT_FALSE(isProcedureRegistered("TestNone"));
    EXPECT_EQ(started, (QStringList{"two", "two"}));
}

}  // namespace
