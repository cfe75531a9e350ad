#include "menus/name_fitting.hpp"

#include <gtest/gtest.h>

namespace burrowix {
namespace {

// Ten pixels a character, as a fixed-width font would measure.
int tenEach(const std::string& text)
{
    return int(text.size()) * 10;
}

TEST(NameFitting, NamesThatFitStayAndLongOnesAreCutWithDotsInsideTheColumn)
{
    EXPECT_EQ(fitNameToColumn("McBrannok", 90, tenEach), "McBrannok") << "exactly as wide as the column";
    EXPECT_EQ(fitNameToColumn("", 10, tenEach), "");
    const std::string cut = fitNameToColumn("Brannokberg", 90, tenEach);
    EXPECT_EQ(cut, "Branno...");
    EXPECT_LE(tenEach(cut), 90);
    EXPECT_EQ(fitNameToColumn("Brann ok in da House", 90, tenEach), "Brann...") << "no space before the dots";
    EXPECT_EQ(fitNameToColumn("Brannok", 20, tenEach), "...") << "a column too narrow for any letter";
}

} // namespace
} // namespace burrowix
