#include "app/number_field_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orvanta {
namespace {

TEST(NumberFieldText, StoredValueToFieldText) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {18.0, "18"},    {90.0, "90"},          {19.9, "19"},  // fraction dropped
        {0.0, "0"},      {999.0, "999"},        {999.9, "999"},
        {1000.0, "999"}, {4294967295.0, "999"},  // a stored value that cannot fit
        {-1.0, "0"},     {std::nan(""), "0"},   {std::numeric_limits<double>::infinity(), "999"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberFieldText(c.value), c.text) << "value " << c.value;
    }
}

TEST(NumberFieldText, FieldTextToStoredNumber) {
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"19", 19},  {"1234", 123}, {"", 0},   {"abc", 0}, {"007", 7},
        {"12a", 12}, {"999", 999},  {"-5", 0}, {" 5", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberFieldValue(c.text), c.value) << "text '" << c.text << "'";
    }
}

}  // namespace
}  // namespace orvanta
