// Numbers in thread and ball micrometer files: six decimals when they bring
// the value back, as many as it needs otherwise.
#include "core/stored_number.h"
#include "support/test_data.h"

#include <gtest/gtest.h>

namespace {

class StoredNumber : public testing::TestWithParam<DataRow> {};

TEST_P(StoredNumber, SixDecimalsUnlessTheValueNeedsMore) {
    const DataRow& c = GetParam();
    EXPECT_EQ(c.Text("kind") == "float" ? StoredNumberText(c.Float("value"))
                                        : StoredNumberText(c.Num("value")),
              c.Text("text"));
}

DATA_ROWS(StoredNumber, "stored_numbers");

} // namespace
