#include "common/ptr_list.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace burrowix {
namespace {

int values[20000];

std::vector<int*> itemsOf(const PtrList<int>& list)
{
    return {list.begin(), list.end()};
}

TEST(PtrList, GrowsBySixteenThenByAQuarterAndStopsAtTheLimit)
{
    PtrList<int> list;
    EXPECT_EQ(list.capacity(), 64);
    std::vector<int> capacities{64};
    int i = 0;
    while (list.append(&values[i]) >= 0) {
        if (list.capacity() != capacities.back())
            capacities.push_back(list.capacity());
        ++i;
    }
    // 64 + 16k up to 272; then + capacity / 4.
    std::vector<int> expected;
    for (int c = 64; c <= 272; c += 16)
        expected.push_back(c);
    for (int c = 272 + 68; c <= 10000; c += c / 4)
        expected.push_back(c);
    EXPECT_EQ(capacities, expected);
    EXPECT_EQ(list.count(), expected.back());
    EXPECT_EQ(list.count(), i);
    // The refused append changed nothing.
    EXPECT_EQ(list.last(), &values[i - 1]);
    EXPECT_FALSE(list.insert(0, &values[0]));
}

TEST(PtrList, ClearDropsTheSlotsSoTheNextAppendGrowsToSixteen)
{
    PtrList<int> list;
    list.append(&values[0]);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.capacity(), 0);
    EXPECT_EQ(list.append(&values[1]), 0);
    EXPECT_EQ(list.capacity(), 16);
}

TEST(PtrList, EditingOperationsKeepOrder)
{
    PtrList<int> list;
    int* a = &values[0];
    int* b = &values[1];
    int* c = &values[2];
    int* d = &values[3];
    EXPECT_EQ(list.append(a), 0);
    EXPECT_EQ(list.append(c), 1);
    EXPECT_TRUE(list.insert(1, b));
    EXPECT_TRUE(list.insert(3, d));
    EXPECT_FALSE(list.insert(5, d));
    EXPECT_FALSE(list.insert(-1, d));
    EXPECT_EQ(itemsOf(list), (std::vector<int*>{a, b, c, d}));

    EXPECT_TRUE(list.move(0, 2));
    EXPECT_EQ(itemsOf(list), (std::vector<int*>{b, c, a, d}));
    EXPECT_TRUE(list.move(3, 0));
    EXPECT_EQ(itemsOf(list), (std::vector<int*>{d, b, c, a}));
    EXPECT_TRUE(list.swap(0, 3));
    EXPECT_EQ(itemsOf(list), (std::vector<int*>{a, b, c, d}));

    EXPECT_EQ(list.indexOf(c), 2);
    EXPECT_TRUE(list.removeValue(c));
    EXPECT_EQ(list.indexOf(c), -1);
    EXPECT_FALSE(list.removeValue(c));
    EXPECT_TRUE(list.removeAt(0));
    EXPECT_EQ(itemsOf(list), (std::vector<int*>{b, d}));
    EXPECT_EQ(list.get(2), nullptr);
    EXPECT_EQ(list.get(-1), nullptr);
    EXPECT_FALSE(list.set(2, a));
    EXPECT_TRUE(list.set(1, a));
    EXPECT_EQ(itemsOf(list), (std::vector<int*>{b, a}));
}

TEST(PtrList, SetCountAndRemoveNulls)
{
    PtrList<int> list;
    list.append(&values[0]);
    EXPECT_TRUE(list.setCount(100));
    EXPECT_EQ(list.capacity(), 112);
    EXPECT_EQ(list.get(99), nullptr);
    list.set(50, &values[1]);
    list.removeNulls();
    EXPECT_EQ(itemsOf(list), (std::vector<int*>{&values[0], &values[1]}));
    EXPECT_TRUE(list.setCount(1));
    EXPECT_TRUE(list.setCount(2));
    EXPECT_EQ(list.get(1), nullptr); // a shrink leaves no stale item behind
    EXPECT_FALSE(list.setCount(10001));
    EXPECT_FALSE(list.setCount(-1));
    EXPECT_EQ(list.count(), 2);
}

} // namespace
} // namespace burrowix
