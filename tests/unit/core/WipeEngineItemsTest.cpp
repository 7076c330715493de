#include <gtest/gtest.h>

#include "core/TWipeEngine.h"

TEST(WipeEngineItems, ANewEngineIsEmpty) {
  TWipeEngine engine("WipeFiles");
  EXPECT_TRUE(engine.Items.empty());
  EXPECT_FALSE(engine.Aborted);
  EXPECT_EQ(engine.Name, "WipeFiles");
}

TEST(WipeEngineItems, RemoveKeepsTheOrderAndIgnoresStrangers) {
  TWipeEngine engine;
  TWipeItem* a = engine.AddItem(std::make_unique<TWipeItem>(wkFile, "/a"));
  TWipeItem* b = engine.AddItem(std::make_unique<TWipeItem>(wkFile, "/b"));
  TWipeItem* c = engine.AddItem(std::make_unique<TWipeItem>(wkFolder, "/c"));
  TWipeItem stranger(wkFile, "/x");
  engine.RemoveItem(&stranger);
  engine.RemoveItem(nullptr);
  engine.RemoveItem(b);
  ASSERT_EQ(engine.Items.size(), 2u);
  EXPECT_EQ(engine.Items[0].get(), a);
  EXPECT_EQ(engine.Items[1].get(), c);
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, "/d"));
  EXPECT_EQ(engine.Items.back()->Path, "/d");
  engine.ClearItems();
  EXPECT_TRUE(engine.Items.empty());
  engine.ClearItems();
  EXPECT_TRUE(engine.Items.empty());
}
