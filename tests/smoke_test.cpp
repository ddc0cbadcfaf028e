#include <gtest/gtest.h>
#include "model/document.h"
TEST(Smoke, DocumentIsEmpty) { lw::model::Document doc; EXPECT_EQ(doc.LastPairIndex, -1); }
